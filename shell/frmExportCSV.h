#pragma once
// The CSV export dialog: the three options of the file, a preview of the
// text, and the export to a file. The text comes from the active document
// through the main window; the options are read from the boxes each time a
// button is used and stored nowhere.

#include <QDialog>
#include <QString>

class QCheckBox;
class QPushButton;

class frmExportCSV : public QDialog {
    Q_OBJECT
public:
    // The preview shows at most this many characters; the file gets them all.
    static constexpr int PreviewLimit = 32767;

    explicit frmExportCSV(QWidget* parent = nullptr);

    QCheckBox* Check8() const { return check8_; }       // "Leave Out # Field"
    QCheckBox* Check7() const { return check7_; }       // "Use Quotes for All Fields"
    QCheckBox* Check6() const { return check6_; }       // "Include Unused Channels"
    QPushButton* Command3() const { return command3_; } // Preview
    QPushButton* Command4() const { return command4_; } // Export
    QPushButton* Command5() const { return command5_; } // Cancel

private:
    void Form_Load();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    QString ExportData() const;
    // The path to write, ".csv" added where it needs one, the user's Yes given
    // to replacing it; empty when the user cancelled.
    QString AskExportPath();

    QCheckBox* check8_ = nullptr;
    QCheckBox* check7_ = nullptr;
    QCheckBox* check6_ = nullptr;
    QPushButton* command3_ = nullptr;
    QPushButton* command4_ = nullptr;
    QPushButton* command5_ = nullptr;
};
