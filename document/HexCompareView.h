#pragma once
// The hex compare view of a document's hidden hex tab: two grids of raw bytes
// side by side, grid A the document's image or a file, grid B another file,
// with the buttons and the check box that drive them.

#include <QByteArray>
#include <QFrame>
#include <QString>
#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;

namespace platform {
class FlexGrid;
} // namespace platform

class HexCompareView : public QFrame {
    Q_OBJECT
public:
    // owner: the document window, parent of the view's dialogs and progress
    // window; currentBytes: the document's image as it stands.
    HexCompareView(QWidget* parent, QWidget* owner, std::function<QByteArray()> currentBytes);

    // Both grids get the columns of the mode in force.
    void InitHexGrids();
    // Grid A shows the document's image.
    void FillHexGrid();
    // Grid A or B shows the bytes of source: a file, or "<Current File>".
    void FillHexGridA(const QString& source);
    void FillHexGridB(const QString& source);
    // Entering the tab: grid A shows the document's image, compared with B.
    void Enter();

    // True when a close (of the window, or of the program when exiting) came
    // while a request runs: it is held, and heldCloseDue asks for it when the
    // request has ended.
    bool HoldCloseWhileBusy(bool exiting);

    platform::FlexGrid* HexGridA() const { return hexGridA_; }
    platform::FlexGrid* HexGridB() const { return hexGridB_; }
    QCheckBox* chkBinary() const { return chkBinary_; }
    QPushButton* Command8() const { return command8_; }
    QPushButton* Command10() const { return command10_; }
    QPushButton* Command11() const { return command11_; }
    QPushButton* Command12() const { return command12_; }
    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }

    bool BinaryMode = false;
    bool HexTextColumn = false;
    bool HexSelSyncing = false;

signals:
    void heldCloseDue(bool exiting);

private:
    void chkBinary_Click();
    void Command8_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void HexGridA_Scroll();
    void HexGridB_Scroll();
    void HexGridA_SelChange();
    void HexGridB_SelChange();
    // Runs one request of the view unless another is under way; a close held
    // meanwhile is asked for afterwards.
    void RunHexRequest(const std::function<void()>& request);
    // The steps below let the event loop run; each returns false when the
    // view was destroyed meanwhile, and then touches nothing more.
    bool FillHexCurrent();
    bool FillHex(platform::FlexGrid& grid, QLabel& label, const QString& source);
    bool CompareHexGrids();
    bool OpenHexFile(platform::FlexGrid& grid, QLabel& label);
    void FollowTopRow(const platform::FlexGrid& from, platform::FlexGrid& to);
    void FollowCurrentCell(const platform::FlexGrid& from, platform::FlexGrid& to);

    QWidget* owner_;
    std::function<QByteArray()> currentBytes_;
    platform::FlexGrid* hexGridA_ = nullptr;
    platform::FlexGrid* hexGridB_ = nullptr;
    QCheckBox* chkBinary_ = nullptr;
    QPushButton* command8_ = nullptr;
    QPushButton* command10_ = nullptr;
    QPushButton* command11_ = nullptr;
    QPushButton* command12_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    // The request under way, and the closes it holds.
    bool hexBusy_ = false;
    bool hexCloseHeld_ = false;
    bool hexExitHeld_ = false;
    // Set while one grid sets the other's top row.
    bool hexScrollSyncing_ = false;
};
