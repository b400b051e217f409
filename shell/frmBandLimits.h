#pragma once
// The band-limits editor: the active document's eight band limits in whole
// megahertz, and the setting that makes every write send the band limits
// without comparing them first. Nothing reaches the document before OK; OK
// stores all eight boxes through the main window, changed or not.

#include <QDialog>
#include <QString>
#include <array>

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace platform {
class TextEdit;
}

namespace bandlimits {

constexpr int BoxCount = 8;
using BoxTexts = std::array<QString, BoxCount>;

// The band-limit index each box edits: per frame receive low/high, then
// transmit low/high.
constexpr std::array<int, BoxCount> IndexOfBox = {0, 1, 4, 5, 2, 3, 6, 7};

// A box's text as a whole number of megahertz: the integer part of the
// leading number, clamped to 0..999 ("" -> "0", "1.5" -> "1", "-5" -> "0",
// "12a" -> "12"), so that nothing but digits can reach the image.
QString NormalisedText(const QString& text);

// Box k has been left: its text normalised, then the low/high rules of its
// pair (a high box at least 1 and above its low box, a low box at most 998
// and below its high box), each moving the partner box.
void LeaveBox(BoxTexts& texts, int k);

} // namespace bandlimits

class frmBandLimits : public QDialog {
    Q_OBJECT
public:
    explicit frmBandLimits(QWidget* parent = nullptr);

    platform::TextEdit* Text1(int k) const { return text1_.at(static_cast<size_t>(k)); }
    QCheckBox* Check1() const { return check1_; }
    QPushButton* Command6() const { return command6_; }
    QPushButton* Command5() const { return command5_; }

    void LoadLimits();
    void SaveLimits();

private:
    QGroupBox* MakeFrame(const QString& name, const QString& caption, int top);
    void MakeBoxes(QGroupBox* frame, int firstBox);
    void Form_Load();
    void Command6_Click();
    void Command5_Click();
    void Text1_GotFocus(int k);
    void Text1_KeyDown(int& keyCode, int shift);
    void Text1_KeyPress(int& keyAscii);
    void Text1_LostFocus(int k);
    bandlimits::BoxTexts Texts() const;
    void SetTexts(const bandlimits::BoxTexts& texts);

    std::array<platform::TextEdit*, bandlimits::BoxCount> text1_{};
    QCheckBox* check1_ = nullptr;
    QPushButton* command6_ = nullptr;
    QPushButton* command5_ = nullptr;
};
