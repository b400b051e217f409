#pragma once
// The About box: the program's title, its version and its icon.

#include <QDialog>

class QLabel;
class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }
    QLabel* Image1() const { return image1_; }
    QPushButton* Command1() const { return command1_; }

    // "Version " and the numbers of a version text such as "1.00.010",
    // without leading zeros: "Version 1.0.10".
    static QString VersionText(const QString& version);

private:
    QLabel* label1_;
    QLabel* label2_;
    QLabel* image1_;
    QPushButton* command1_;
};

// Shows the About box modally.
void ShowAbout(QWidget* parent = nullptr);
