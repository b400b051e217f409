#pragma once
// One focus model per window: the GotFocus / LostFocus events of our controls
// are raised here, synchronously and in the order the program is written
// against: LostFocus of the control that had the focus, then GotFocus of the
// control that takes it.
//
// Rules:
// - A control that takes the focus (by SetFocus from code or by a click or
//   Tab of the user) raises LostFocus of the old one, then its own GotFocus,
//   before SetFocus returns. A LostFocus handler may send the focus elsewhere;
//   the GotFocus then goes to that control.
// - The focus leaving the window (another window, a menu, a popup such as the
//   list of a drop-down list, the application losing activation) is no focus
//   change: nothing is raised, and nothing when it comes back.
// - Hiding or disabling the control that has the focus is a focus loss: its
//   LostFocus is raised at once (and GotFocus of whatever control Qt then
//   gives the focus). Hiding the whole window is not.
// - The focus moving to a widget of the window that is none of our controls
//   raises LostFocus only.
// - A LostFocus handler that raises does not stop the change: the GotFocus
//   that follows is still raised, then the error goes on to whoever moved the
//   focus (the code that called SetFocus, or the application's safety net).
//
// The window is the nearest ancestor that carries a model (Attach), else the
// top-level window, which gets one on first use.

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace platform {

// Implemented by every control that takes part (grid, text and list editors).
class FocusTarget {
public:
    virtual ~FocusTarget() = default;
    virtual QWidget* focusWidget() = 0;

protected:
    friend class FocusModel;
    virtual void raiseGotFocus() = 0;
    virtual void raiseLostFocus() = 0;
};

class FocusModel : public QObject {
    Q_OBJECT
public:
    // Gives the window `scope` a model of its own (idempotent).
    static FocusModel* Attach(QWidget* scope);
    // The model in charge of `widget`.
    static FocusModel* For(QWidget* widget);

    // The control the model counts as focused (nullptr: none of ours).
    FocusTarget* current() const;

    // Moves the focus to `target` (nullptr: to no control of ours). Returns
    // false, changing nothing, when the target is hidden or disabled.
    bool setFocus(FocusTarget* target);

    // Called by a control when it is hidden or disabled.
    void controlUnavailable(FocusTarget* target);

private:
    explicit FocusModel(QWidget* scope);
    void onQtFocusChanged(QWidget* old, QWidget* now);
    FocusTarget* targetOf(QWidget* widget) const;
    bool inScope(QWidget* widget) const;
    void moveTo(FocusTarget* target);
    static void giveQtFocus(FocusTarget* target);

    QWidget* scope_;
    QPointer<QWidget> current_; // the focusWidget() of the current target
    bool moving_ = false;
    QPointer<QWidget> pending_;
};

// True when `widget` can take the focus: shown and enabled.
bool CanTakeFocus(const QWidget* widget);

} // namespace platform
