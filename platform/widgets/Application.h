#pragma once
// The application object with the program's last safety net: an exception that
// escapes an event handler (a slot run by a signal, a queued call, a timer, a
// posted event) is shown as "Error " & number & ": " & description in a
// message box titled "Error", and the program carries on.

#include <QApplication>
#include <type_traits>
#include <utility>

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

// The safety net in notify() is the last resort only: an exception that gets
// there has unwound through Qt's event dispatch, which is built without
// exception support, so what those frames hold (the copy of a mouse event
// passed up to the parents, a guarded pointer, ...) is never freed. A handler
// run from a Qt event therefore reports its exception where it is raised:
// RunGuarded runs a piece of code that way and says whether it ran to its end
// (the caller then abandons the rest of the event, as an escaping exception
// would have); Guarded wraps a slot for connect(), keeping its arguments:
//     connect(button, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
template <typename F> bool RunGuarded(F&& code) noexcept {
    try {
        std::forward<F>(code)();
        return true;
    } catch (...) {
        ReportCurrentException();
        return false;
    }
}

template <typename F> class GuardedSlot {
public:
    explicit GuardedSlot(F slot) : slot_(std::move(slot)) {}

    // Callable with exactly the arguments the slot takes, so that connect()
    // passes a signal's arguments on as it would to the slot itself.
    template <typename... Args>
    auto operator()(Args&&... args) const
        -> decltype(std::declval<const F&>()(std::forward<Args>(args)...), void()) {
        RunGuarded([&] { slot_(std::forward<Args>(args)...); });
    }

private:
    F slot_;
};

template <typename F> GuardedSlot<std::decay_t<F>> Guarded(F&& slot) {
    return GuardedSlot<std::decay_t<F>>(std::forward<F>(slot));
}

} // namespace platform
