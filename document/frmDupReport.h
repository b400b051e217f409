#pragma once
// The duplicate-frequency report: an editable text in a fixed-pitch font, OK,
// and File > Print. One window for the whole program, shown without waiting so
// the user can go on editing beside it; a later report replaces its text.

#include <QDialog>

class QAction;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;

class frmDupReport : public QDialog {
    Q_OBJECT
public:
    explicit frmDupReport(QWidget* parent = nullptr);

    QPlainTextEdit* Text1() const { return text1_; }
    QPushButton* Command1() const { return command1_; }
    QMenu* mnuFile() const { return mnuFile_; }
    QAction* mnuPrint() const { return mnuPrint_; }

    // The text as it stands now, the user's edits included, each line ended
    // by CR LF as the report was put in (the text box keeps bare line ends).
    QString ReportText() const;

    // The open report window, or a new one.
    static frmDupReport* Instance(QWidget* parent = nullptr);
    static void ShowReport(const QString& text, QWidget* parent = nullptr);

    // File > Print: the text as it stands, on the default printer; with no
    // printer installed, to a PDF file the user names.
    void mnuPrint_Click();

private:
    void Command1_Click();

    QMenuBar* menuBar_ = nullptr;
    QMenu* mnuFile_ = nullptr;
    QAction* mnuPrint_ = nullptr;
    QPlainTextEdit* text1_ = nullptr;
    QPushButton* command1_ = nullptr;
};
