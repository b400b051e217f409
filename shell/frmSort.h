#pragma once
// The Sort dialog: the column to sort by (the current captions of Name, RX
// Freq, TX Freq and Group/Notes), the direction and the range. Sort hands the
// choice to the main window's TestSort, then closes. It keeps nothing.

#include <QDialog>

class QComboBox;
class QPushButton;
class QRadioButton;

class frmSort : public QDialog {
    Q_OBJECT
public:
    explicit frmSort(QWidget* parent = nullptr);

    QComboBox* Combo1() const { return combo1_; }
    QRadioButton* Option4() const { return option4_; } // Ascending
    QRadioButton* Option3() const { return option3_; } // Descending
    QRadioButton* Option6() const { return option6_; } // All Memories
    QRadioButton* Option5() const { return option5_; } // Selected Memories
    QPushButton* Command6() const { return command6_; }
    QPushButton* Command5() const { return command5_; }

private:
    void Form_Load();
    void Command6_Click();
    void Command5_Click();

    QComboBox* combo1_ = nullptr;
    QRadioButton* option4_ = nullptr;
    QRadioButton* option3_ = nullptr;
    QRadioButton* option6_ = nullptr;
    QRadioButton* option5_ = nullptr;
    QPushButton* command6_ = nullptr;
    QPushButton* command5_ = nullptr;
};
