#pragma once
// The Column Name dialog: one caption of the Column Settings list, edited in
// place of the list's cell. OK (or Enter) hands the text to the list as typed,
// empty included.

#include <QDialog>

class frmColumns;
class QLineEdit;
class QPushButton;

class frmColCaption : public QDialog {
    Q_OBJECT
public:
    frmColCaption(frmColumns* columns, const QString& caption);

    QLineEdit* Text1() const { return text1_; }
    QPushButton* Command5() const { return command5_; } // Cancel
    QPushButton* Command6() const { return command6_; } // OK

private:
    void Command6_Click();

    frmColumns* columns_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QPushButton* command5_ = nullptr;
    QPushButton* command6_ = nullptr;
};
