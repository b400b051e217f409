#pragma once
// The duplicate-frequency check dialog: report or delete, and the two
// conditions that keep channels on one frequency apart. OK closes the dialog
// first and then hands the choice to the main window's TestDups, so its report
// and messages come with the dialog gone. It keeps nothing.

#include <QDialog>

class QCheckBox;
class QPushButton;
class QRadioButton;

class frmDupCheck : public QDialog {
    Q_OBJECT
public:
    explicit frmDupCheck(QWidget* parent = nullptr);

    QRadioButton* Option1() const { return option1_; } // Generate Report Only
    QRadioButton* Option2() const { return option2_; } // Delete Duplicates Automatically
    QCheckBox* Check1() const { return check1_; }      // different TONE/DCS
    QCheckBox* Check2() const { return check2_; }      // different names
    QPushButton* Command1() const { return command1_; }
    QPushButton* Command2() const { return command2_; }

private:
    void Command1_Click();
    void Command2_Click();

    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QCheckBox* check2_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
};
