#pragma once
// The dialog service: every blocking dialog of the program goes through here,
// so that a test can answer it with a scripted responder that records what was
// shown. Nothing outside platform/ calls a blocking Qt dialog directly.

#include <QFont>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

class QAction;
class QDialog;
class QMenu;
class QPrinter;
class QWidget;

namespace platform {

// A file dialog as the program asks for it. The filter is in the program's
// form, pairs of description and pattern separated by "|":
// "Radio files (*.uvd)|*.uvd|All files (*.*)|*.*". The dialog asks no overwrite
// question of its own; the current folder follows the chosen file.
struct FileDialogRequest {
    QString title;
    QString filter;
    int filterIndex = 1; // 1-based as the program counts; 0 or too big: the first
    QString initialDir;  // empty: the current folder
    QString fileName;    // proposed name
    QString defaultExt;  // without the dot
};

struct FileDialogResult {
    bool accepted = false;
    QString fileName; // full path when accepted
    int filterIndex = 1;
};

enum class DialogKind { Message, OpenFile, SaveFile, Color, Font, Print, Modal, Popup };

// What was shown, as a responder records it.
struct DialogCall {
    DialogKind kind = DialogKind::Message;
    QString title;         // message box or file dialog title, modal window's title
    QString text;          // message box text
    int icon = 0;          // message box: 0, 16, 32, 48 or 64
    int buttons = 0;       // message box: 0..5
    int defaultButton = 0; // message box: 0, 256 or 512
    FileDialogRequest file;
    QString objectName; // modal window or popup menu
    QStringList items;  // popup menu: the captions of its enabled, visible actions
    int32_t color = 0;  // colour dialog: the initial colour number
    QFont font;         // font dialog: the initial font
};

// Answers the calls of a test. Handlers are taken in the order they were
// armed; each must match the kind of the call it answers.
class DialogResponder {
public:
    virtual ~DialogResponder() = default;
    // Returns false when the responder has nothing armed for this call.
    virtual bool message(const DialogCall& call, int& answer) = 0;
    virtual bool file(const DialogCall& call, FileDialogResult& result) = 0;
    virtual bool color(const DialogCall& call, std::optional<int32_t>& result) = 0;
    virtual bool font(const DialogCall& call, std::optional<QFont>& result) = 0;
    virtual bool print(const DialogCall& call, QPrinter& printer, bool& accepted) = 0;
    // For a modal window: either answer without showing it (set result, leave
    // runForReal false), or let it run for real (set runForReal). In the second
    // case ExecModal posts a zero-time timer before it calls exec; the timer
    // fires inside exec's event loop, once the window is visible, and calls
    // modalShown() on the responder, which then drives the window (clicks,
    // typing) and must end it or arrange for it to end.
    virtual bool modal(const DialogCall& call, QDialog& dialog, bool& runForReal, int& result) = 0;
    virtual void modalShown(const DialogCall& /*call*/, QDialog& /*dialog*/) {}
    // For a popup menu: the action the user picked, or nullptr when the menu was
    // dismissed. ExecPopup triggers the chosen action, as a click would.
    virtual bool popup(const DialogCall& call, QMenu& menu, QAction*& chosen) = 0;
};

// The responder in charge (none in the real program). Installing one returns
// the previous one.
DialogResponder* SetDialogResponder(DialogResponder* responder);
DialogResponder* CurrentDialogResponder();

// Called for a dialog that no responder answered while "strict" mode is on
// (tests); the call then gets the safe answer (Cancel where the box has one, No
// for Yes/No, OK for OK only, Abort for Abort/Retry/Ignore; a file dialog not
// accepted; no colour, font or printer; a modal window rejected without being
// shown; a popup dismissed). An empty handler turns strict mode off.
using UnexpectedDialogHandler = std::function<void(const DialogCall&)>;
void SetUnexpectedDialogHandler(UnexpectedDialogHandler handler);
UnexpectedDialogHandler CurrentUnexpectedDialogHandler();

// "message box", "open-file dialog", ...; and a one-line account of a call for
// test failure reports.
QString DialogKindName(DialogKind kind);
QString DescribeDialogCall(const DialogCall& call);

// The service. Each of these goes to the responder when one answers, else to
// the unexpected-dialog handler when one is set, else to the real Qt dialog.
// A file dialog answered with a file, by a responder or the user, makes that
// file's folder the current folder.
int ShowMessage(const QString& prompt, int flags, const QString& title);
FileDialogResult GetOpenFileName(QWidget* parent, const FileDialogRequest& request);
FileDialogResult GetSaveFileName(QWidget* parent, const FileDialogRequest& request);
// The save dialog until the user picks a file that does not exist yet or
// answers Yes to replacing it (No shows the dialog again); empty on Cancel.
QString AskSaveFileName(QWidget* parent, const FileDialogRequest& request,
                        int* filterIndex = nullptr);
std::optional<int32_t> ChooseColor(QWidget* parent, int32_t initial); // colour numbers
std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial);
bool ChoosePrinter(QWidget* parent, QPrinter& printer);
int ExecModal(QDialog* dialog); // QDialog::exec through the service
QAction* ExecPopup(QMenu* menu, const QPoint& globalPos);

// Converts the program's "desc|pattern|..." filter into Qt's name filters, one
// entry per pair: "desc (patterns)". Patterns separated by ";" become separated
// by blanks, "*.*" becomes "*" (every file, with or without an extension), and a
// description that already ends with its own patterns in parentheses is not
// given them twice: "Radio files (*.uvd)|*.uvd" gives "Radio files (*.uvd)",
// "All Files (*.*)|*.*" gives "All Files (*)".
QStringList ConvertFilter(const QString& filter);

} // namespace platform
