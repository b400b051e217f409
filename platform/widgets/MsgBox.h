#pragma once
// Message boxes with the numeric flags and answers the program is written against.

#include <QString>

namespace platform {

enum MsgBoxFlags : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

enum MsgBoxResult : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7,
};

// Shows a modal message box and returns the answer. An empty title means the
// application title (SetApplicationTitle). Goes through the dialog service, so
// a test's responder answers it.
int MsgBox(const QString& prompt, int flags = vbOKOnly, const QString& title = QString());

// An empty application title means the application's display name.
void SetApplicationTitle(const QString& title);
QString ApplicationTitle();

// The real box, shown by the dialog service when no responder answers: plain
// text, the icon of flags & 0x70, the buttons of flags & 7 (an unknown set is
// OK only), the default button of flags & 0x300 (the first when out of range).
// Esc and the window's close button give Cancel where the box has one and OK
// in an OK-only box; Yes/No and Abort/Retry/Ignore boxes need an answer.
int RunMessageBox(const QString& prompt, int flags, const QString& title);

} // namespace platform
