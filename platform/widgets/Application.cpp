#include "platform/widgets/Application.h"

#include "platform/core/RuntimeError.h"
#include "platform/widgets/MsgBox.h"

#include <QtGlobal>
#include <exception>

namespace platform {
namespace {

QString InternalDescription(const char* what) {
    const QString detail = QString::fromLocal8Bit(what ? what : "");
    const QString description = QStringLiteral("Internal error");
    return detail.isEmpty() ? description : description + QStringLiteral(" (") + detail + ')';
}

QString CurrentExceptionText() {
    try {
        throw;
    } catch (const RuntimeError& e) {
        return ErrorText(e);
    } catch (const std::exception& e) {
        return ErrorText(ErrInternal, InternalDescription(e.what()));
    } catch (...) {
        return ErrorText(ErrInternal, InternalDescription(nullptr));
    }
}

} // namespace

SafeApplication::SafeApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool SafeApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ReportCurrentException();
    }
    return false;
}

void ReportCurrentException() {
    const QString text = CurrentExceptionText();
    // A handler that throws on every event (a timer, say) must not stack one
    // box on another; while a box is up, further errors go to the log only.
    static bool reporting = false;
    if (reporting) {
        qWarning("%s", qUtf8Printable(text));
        return;
    }
    reporting = true;
    try {
        MsgBox(text, vbExclamation, QStringLiteral("Error"));
    } catch (...) {
        qWarning("%s", qUtf8Printable(text));
    }
    reporting = false;
}

} // namespace platform
