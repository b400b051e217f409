#pragma once
// The Options dialog: what Enter does in a cell editor, the frequency format,
// the row highlight and its colour, opening the last file, mouse-wheel
// support, the two confirmations and the toolbar's text labels. OK writes the
// flags and their keys; a highlight colour is stored the moment it is chosen,
// so Cancel keeps it. It keeps nothing between openings.

#include <QDialog>

class ColorSwatch;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class frmOptions : public QDialog {
    Q_OBJECT
public:
    explicit frmOptions(QWidget* parent = nullptr);

    QRadioButton* Option1() const { return option_[0]; } // Enter stays in the cell
    QRadioButton* Option2() const { return option_[1]; } // next row
    QRadioButton* Option3() const { return option_[2]; } // next column
    QRadioButton* Option4() const { return option_[3]; } // Standard
    QRadioButton* Option5() const { return option_[4]; } // 5 decimal places
    QCheckBox* Check1() const { return check1_; }        // text labels
    QCheckBox* Check2() const { return check2_; }        // confirm delete
    QCheckBox* Check3() const { return check3_; }        // confirm clear
    QCheckBox* Check4() const { return check4_; }        // mouse wheel
    QCheckBox* Check5() const { return check5_; }        // open last used
    QCheckBox* Check8() const { return check8_; }        // highlight row
    ColorSwatch* Label1() const { return label1_; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* Command5() const { return command5_; }
    QPushButton* Command6() const { return command6_; }

private:
    void Form_Load();
    void Command1_Click();
    void Command5_Click();
    void Command6_Click();
    QCheckBox* AddCheck(const char* name, const char* caption);

    QRadioButton* option_[5] = {};
    QCheckBox* check1_ = nullptr;
    QCheckBox* check2_ = nullptr;
    QCheckBox* check3_ = nullptr;
    QCheckBox* check4_ = nullptr;
    QCheckBox* check5_ = nullptr;
    QCheckBox* check8_ = nullptr;
    ColorSwatch* label1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command5_ = nullptr;
    QPushButton* command6_ = nullptr;
};
