#pragma once
// The find dialog: a search text and where to look (every searched column, or
// one of the name, RX, TX and notes columns, by their current captions).
// "&Find Next" hands both to the main window's Find and leaves the dialog
// open; Enter in the text does the same. It stores nothing between openings.

#include "program/ProgramValues.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QPushButton;

namespace platform {
class TextEdit;
}

class frmFind : public QDialog {
    Q_OBJECT
public:
    // Positions of Combo1's entries, as Find takes them.
    enum Scope : int {
        ScopeAll = 0,
        ScopeName = 1,
        ScopeRXFreq = 2,
        ScopeTXFreq = 3,
        ScopeNotes = 4
    };
    // The logical column each scope after "All" searches; "All" searches
    // them all.
    static constexpr std::array<int, 4> ScopeColumns = {ColName, ColRXFreq, ColTXFreq,
                                                        ColGroupNotes};

    explicit frmFind(QWidget* parent = nullptr);

    QLabel* Label1() const { return label1_; }
    platform::TextEdit* Text1() const { return text1_; }
    QLabel* Label2() const { return label2_; }
    QComboBox* Combo1() const { return combo1_; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* Command2() const { return command2_; }

private:
    void Form_Load();
    void Combo1_Click();
    void Command1_Click();
    void Command2_Click();
    void Text1_KeyDown(int& keyCode, int shift);
    void Text1_KeyPress(int& keyAscii);

    QLabel* label1_ = nullptr;
    platform::TextEdit* text1_ = nullptr;
    QLabel* label2_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
};
