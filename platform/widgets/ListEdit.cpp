#include "platform/widgets/ListEdit.h"

#include "platform/core/RuntimeError.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/ControlGeometry.h"
#include "platform/widgets/KeyCodes.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QPointer>
#include <QSignalBlocker>

namespace platform {

ListEdit::ListEdit(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            RunGuarded([this] { emit Click(); });
    });
    view()->installEventFilter(this);
}

void ListEdit::addItem(const QString& text) {
    const QSignalBlocker quiet(this);
    const int chosen = currentIndex();
    QComboBox::addItem(text);
    setCurrentIndex(chosen);
}

QString ListEdit::list(int index) const {
    return index >= 0 && index < count() ? itemText(index) : QString();
}

void ListEdit::setListIndex(int index) {
    if (index < -1 || index >= count())
        throw RuntimeError(ErrInvalidPropertyValue, QStringLiteral("Invalid property value"));
    setCurrentIndex(index);
}

QString ListEdit::text() const {
    return currentIndex() >= 0 ? itemText(currentIndex()) : QString();
}

void ListEdit::setText(const QString& text) {
    setCurrentIndex(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

bool ListEdit::takeFocus() {
    return FocusModel::For(this)->setFocus(this);
}

bool ListEdit::raiseKeyEvents(QKeyEvent* event) {
    const QPointer<ListEdit> alive(this);
    const int originalCode = KeyDownCode(event);
    int keyCode = originalCode;
    if (keyCode != 0) {
        if (!RunGuarded([&] { emit KeyDown(keyCode, ShiftState(event)); }) || !alive)
            return true;
        if (keyCode == 0)
            return true;
    }
    const int original = KeyAsciiCode(event);
    int keyAscii = original;
    if (keyAscii != 0) {
        if (!RunGuarded([&] { emit KeyPress(keyAscii); }) || !alive || keyAscii == 0)
            return true;
    }
    // Tab is no key of the list itself.
    return event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
}

bool ListEdit::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QComboBox::event(event);
}

void ListEdit::keyPressEvent(QKeyEvent* event) {
    if (raiseKeyEvents(event)) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void ListEdit::keyReleaseEvent(QKeyEvent* event) {
    int keyCode = KeyDownCode(event);
    if (keyCode != 0)
        RunGuarded([&] { emit KeyUp(keyCode, ShiftState(event)); });
    QComboBox::keyReleaseEvent(event);
}

bool ListEdit::eventFilter(QObject* watched, QEvent* event) {
    // While the list is open its keys go to the list view; the program still
    // sees them first.
    if (watched == view() && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QPointer<ListEdit> alive(this);
        const bool cancelled = raiseKeyEvents(key);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && alive)
            hidePopup();
        return cancelled;
    }
    return QComboBox::eventFilter(watched, event);
}

void ListEdit::hideEvent(QHideEvent* event) {
    hidePopup();
    QComboBox::hideEvent(event);
    FocusModel::For(this)->controlUnavailable(this);
}

void ListEdit::changeEvent(QEvent* event) {
    QComboBox::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        FocusModel::For(this)->controlUnavailable(this);
}

} // namespace platform
