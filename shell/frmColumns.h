#pragma once
// The Column Settings dialog: the memory grid's ten channel columns in display
// order, each with its visibility mark and caption. Move Up and Move Down
// reorder the list, a click on the mark shows or hides a column, a
// double-click on a caption renames it (frmColCaption), Defaults puts the
// built-in captions, order and visibility into the column table at once. OK
// writes the list back into the table (SaveAll); Cancel drops the list.

#include <QDialog>
#include <QImage>

class QPushButton;

namespace platform {
class FlexGrid;
}

class frmColumns : public QDialog {
    Q_OBJECT
public:
    explicit frmColumns(QWidget* parent = nullptr);

    // The list's columns: the mark, the caption, the record number.
    static constexpr int MarkColumn = 0;
    static constexpr int CaptionColumn = 1;
    static constexpr int RecordColumn = 2;

    void LoadColumns();
    void SaveAll();
    // Puts text into the current row's cell in the column last under the
    // mouse, as typed.
    void SetCaption(const QString& text);

    platform::FlexGrid* MSFlexGrid1() const { return grid_; }
    QPushButton* Command1() const { return command1_; } // OK
    QPushButton* Command2() const { return command2_; } // Cancel
    QPushButton* Command3() const { return command3_; } // Move Up
    QPushButton* Command4() const { return command4_; } // Move Down
    QPushButton* Command5() const { return command5_; } // Defaults
    // The two visibility marks.
    const QImage& picChecked() const { return picChecked_; }
    const QImage& picUnchecked() const { return picUnchecked_; }
    bool IsChecked(int row) const;

private:
    void MSFlexGrid1_Click();
    void MSFlexGrid1_DblClick();
    void MSFlexGrid1_KeyPress(int keyAscii);
    void Command1_Click();
    void Command5_Click();
    // Swaps the current row with the one step rows away, when there is one.
    void MoveBy(int step);

    platform::FlexGrid* grid_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command3_ = nullptr;
    QPushButton* command4_ = nullptr;
    QPushButton* command5_ = nullptr;
    QImage picChecked_;
    QImage picUnchecked_;
};
