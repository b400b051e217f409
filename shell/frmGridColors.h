#pragma once
// The Grid Colors dialog: the document grids' background and text colours.
// The two swatches are its only state until OK, which takes them into the
// program values and the store; Cancel leaves everything as it was.

#include <QDialog>

class ColorSwatch;
class QPushButton;

class frmGridColors : public QDialog {
    Q_OBJECT
public:
    explicit frmGridColors(QWidget* parent = nullptr);

    QPushButton* Command1() const { return command1_; } // Background Color...
    QPushButton* Command2() const { return command2_; } // Text Color...
    ColorSwatch* Label1() const { return label1_; }     // background
    ColorSwatch* Label2() const { return label2_; }     // text
    QPushButton* Command5() const { return command5_; }
    QPushButton* Command6() const { return command6_; }

private:
    void ChooseInto(ColorSwatch* swatch);
    void Command6_Click();

    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    ColorSwatch* label1_ = nullptr;
    ColorSwatch* label2_ = nullptr;
    QPushButton* command5_ = nullptr;
    QPushButton* command6_ = nullptr;
};
