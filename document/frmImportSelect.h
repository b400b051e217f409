#pragma once
// The "Import" dialog: where a CSV import without channel numbers begins to
// fill memories. OK stores the choice in Program().ImportStartRow: 888 for the
// row after the last used memory, the typed channel number, or the current row
// of the shown grid. The close box stores nothing.

#include <QDialog>

class ImportStartGroup;
class QPushButton;

class frmImportSelect : public QDialog {
    Q_OBJECT
public:
    explicit frmImportSelect(QWidget* parent = nullptr);

    ImportStartGroup* Frame2() const { return frame2_; }
    QPushButton* Command1() const { return command1_; }

private:
    void Command1_Click();

    ImportStartGroup* frame2_ = nullptr;
    QPushButton* command1_ = nullptr;
};
