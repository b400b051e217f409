#pragma once
// The port dialog: the serial port on which the transfers look for the radio
// first, and whether they search the other ports when it stays silent. It
// edits the two settings and opens no port.

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;

class frmCommPort : public QDialog {
    Q_OBJECT
public:
    explicit frmCommPort(QWidget* parent = nullptr);

    QComboBox* Combo1() const { return combo1_; }
    QCheckBox* Check1() const { return check1_; }
    QPushButton* Command1() const { return command1_; }

    // The port number OK would store for a box text: the second blank-separated
    // piece when it is a whole number 1-16, else 0 (the stored port stays).
    static int PortFromText(const QString& text);

private:
    void Form_Load();
    void Command1_Click();

    QComboBox* combo1_;
    QCheckBox* check1_;
    QPushButton* command1_;
};
