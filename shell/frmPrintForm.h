#pragma once
// The form that holds the print grid: a grid never shown, in Fixedsys 9 with
// one fixed row, into which the print command copies one page at a time and
// whose picture it draws onto the page. Loaded the first time printing needs
// it, it stays loaded, hidden, until the program ends.

#include <QWidget>

namespace platform {
class FlexGrid;
}

class frmPrintForm : public QWidget {
    Q_OBJECT
public:
    explicit frmPrintForm(QWidget* parent = nullptr);

    platform::FlexGrid* MSFlexGrid1() const { return grid_; }

private:
    platform::FlexGrid* grid_ = nullptr;
};
