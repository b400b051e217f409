#pragma once
// The "Import Starting At:" group of the import dialogs: where an import
// begins to fill memories. Option5 "Memory Channel Number:" with its box Text1
// and the "+" and "-" buttons, Option6 "Last Empty Memory Channel" (chosen at
// first) and Option7 "Currently Selected Row". The box takes digits only and
// is set right whenever it loses the focus; a dialog reads the number through
// ChannelNumber(), which sets the box right first, so a box that still has the
// focus when OK is pressed (Enter, a mnemonic) counts the same.

#include <QGroupBox>
#include <QString>
#include <cstdint>

class QPushButton;
class QRadioButton;

namespace platform {
class TextEdit;
}

namespace importstart {

// The start row that stands for "after the last used memory"; the import puts
// the real row in its place.
constexpr int32_t AfterLastUsed = 888;

// A channel number typed or pasted into the box, as the box keeps it: the
// integer part of its leading number, at least 1 and at most 128 ("" -> "1",
// "12abc" -> "12", "500" -> "128").
QString NormalisedChannel(const QString& text);

} // namespace importstart

class ImportStartGroup : public QGroupBox {
    Q_OBJECT
public:
    enum class Choice { ChannelNumber, LastEmpty, CurrentRow };

    explicit ImportStartGroup(QWidget* parent = nullptr);

    QRadioButton* Option5() const { return option5_; }
    platform::TextEdit* Text1() const { return text1_; }
    QPushButton* Command8() const { return command8_; }
    QPushButton* Command9() const { return command9_; }
    QRadioButton* Option6() const { return option6_; }
    QRadioButton* Option7() const { return option7_; }

    Choice choice() const;
    // The box set right now, and its number (1..128).
    int32_t ChannelNumber();

private:
    void EnableNumber(bool on);
    void SetNumber(int32_t number);
    void Command8_Click();
    void Command9_Click();
    void Text1_KeyPress(int& keyAscii);
    void Text1_LostFocus();

    QRadioButton* option5_ = nullptr;
    platform::TextEdit* text1_ = nullptr;
    QPushButton* command8_ = nullptr;
    QPushButton* command9_ = nullptr;
    QRadioButton* option6_ = nullptr;
    QRadioButton* option7_ = nullptr;
};
