#include "platform/widgets/FocusModel.h"

#include "platform/widgets/Application.h"

#include <QApplication>
#include <exception>

namespace platform {

namespace {

FocusModel* OwnModel(QWidget* widget) {
    return widget->findChild<FocusModel*>(QString(), Qt::FindDirectChildrenOnly);
}

// The nearest model above `widget`, without creating one.
FocusModel* NearestModel(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (FocusModel* model = OwnModel(w))
            return model;
        if (w->isWindow())
            break;
    }
    return nullptr;
}

} // namespace

bool CanTakeFocus(const QWidget* widget) {
    return widget && widget->isVisible() && widget->isEnabled();
}

FocusModel::FocusModel(QWidget* scope) : QObject(scope), scope_(scope) {
    connect(qApp, &QApplication::focusChanged, this, &FocusModel::onQtFocusChanged);
}

FocusModel* FocusModel::Attach(QWidget* scope) {
    if (FocusModel* model = OwnModel(scope))
        return model;
    return new FocusModel(scope); // owned by the scope
}

FocusModel* FocusModel::For(QWidget* widget) {
    if (FocusModel* model = NearestModel(widget))
        return model;
    return Attach(widget->window());
}

FocusTarget* FocusModel::current() const {
    return dynamic_cast<FocusTarget*>(current_.data());
}

bool FocusModel::inScope(QWidget* widget) const {
    return NearestModel(widget) == this;
}

FocusTarget* FocusModel::targetOf(QWidget* widget) const {
    for (QWidget* w = widget; w && w != scope_; w = w->parentWidget()) {
        if (auto* target = dynamic_cast<FocusTarget*>(w))
            return target;
    }
    return nullptr;
}

void FocusModel::onQtFocusChanged(QWidget*, QWidget* now) {
    // Qt's own moves while a change is being raised (a LostFocus handler
    // hiding its control, say) are not requests; the change in progress
    // decides where the focus ends and puts Qt's focus there.
    if (moving_ || !now || !inScope(now))
        return;
    // Raised from Qt's focus handling: a handler's error is reported here.
    RunGuarded([&] { moveTo(targetOf(now)); });
}

bool FocusModel::setFocus(FocusTarget* target) {
    if (target && !CanTakeFocus(target->focusWidget()))
        return false;
    moveTo(target);
    return true;
}

void FocusModel::controlUnavailable(FocusTarget* target) {
    if (!target || current_ != target->focusWidget())
        return;
    // Hiding the whole window (closing, minimising) is no focus change.
    if (!scope_->isVisible())
        return;
    moveTo(nullptr);
}

// A LostFocus handler that raises still lets the change finish: the control
// that was to take the focus gets it and its GotFocus, and the error is passed
// on afterwards. Left half done, the change would keep the model from raising
// anything in this window again.
void FocusModel::moveTo(FocusTarget* target) {
    QWidget* const wanted = target ? target->focusWidget() : nullptr;
    if (moving_) {
        pending_ = wanted;
        return;
    }
    if (wanted == current_) {
        giveQtFocus(target);
        return;
    }
    moving_ = true;
    pending_ = wanted;
    const QPointer<QWidget> old = current_;
    current_ = nullptr;
    std::exception_ptr failure;
    if (auto* oldTarget = dynamic_cast<FocusTarget*>(old.data())) {
        try {
            oldTarget->raiseLostFocus();
        } catch (...) {
            failure = std::current_exception();
        }
    }
    QWidget* next = pending_;
    if (next && !CanTakeFocus(next))
        next = nullptr;
    current_ = next;
    moving_ = false;
    auto* nextTarget = dynamic_cast<FocusTarget*>(next);
    if (nextTarget) {
        giveQtFocus(nextTarget);
        if (current_ == next)
            nextTarget->raiseGotFocus();
    }
    if (failure)
        std::rethrow_exception(failure);
}

void FocusModel::giveQtFocus(FocusTarget* target) {
    if (!target)
        return;
    QWidget* widget = target->focusWidget();
    if (CanTakeFocus(widget) && !widget->hasFocus())
        widget->setFocus(Qt::OtherFocusReason);
}

} // namespace platform
