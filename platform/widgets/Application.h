#pragma once
// The application object with the program's last safety net: an exception that
// escapes an event handler (a slot run by a signal, a queued call, a timer, a
// posted event) is shown as "Error " & number & ": " & description in a
// message box titled "Error", and the program carries on.

#include <QApplication>

namespace platform {

// The number shown for an exception that is not one of ours.
constexpr int ErrInternal = 51;

class SafeApplication : public QApplication {
public:
    SafeApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

// Shows the message box of the safety net for the exception being handled;
// call it from inside a catch block.
void ReportCurrentException();

} // namespace platform
