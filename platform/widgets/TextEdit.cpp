#include "platform/widgets/TextEdit.h"

#include "platform/core/Codec.h"
#include "platform/core/RuntimeError.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/ControlGeometry.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/KeyCodes.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <algorithm>
#include <climits>
#include <memory>

namespace platform {

namespace {} // namespace

TextEdit::TextEdit(QWidget* parent) : QLineEdit(parent) {
    setAcceptDrops(false); // a drop would bypass MaxLength
    setAttribute(Qt::WA_InputMethodEnabled, false);
    connect(this, &QLineEdit::textChanged, this, Guarded([this] { emit Change(); }));
}

void TextEdit::setMaxLength(int length) {
    if (length < 0)
        throw RuntimeError(ErrInvalidPropertyValue, QStringLiteral("Invalid property value"));
    maxLength_ = length;
}

int TextEdit::selStart() const {
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void TextEdit::setSelStart(int start) {
    setCursorPosition(std::clamp(start, 0, static_cast<int>(text().size())));
}

int TextEdit::selLength() const {
    return static_cast<int>(selectedText().size());
}

void TextEdit::setSelLength(int length) {
    const int start = selStart();
    const int available = static_cast<int>(text().size()) - start;
    setSelection(start, std::clamp(length, 0, available));
}

bool TextEdit::takeFocus() {
    return FocusModel::For(this)->setFocus(this);
}

int TextEdit::room() const {
    if (maxLength_ == 0)
        return INT_MAX;
    return maxLength_ - static_cast<int>(text().size() - selectedText().size());
}

void TextEdit::insertLimited(const QString& text) {
    const int fits = room();
    if (fits <= 0 || text.isEmpty())
        return;
    insert(text.left(fits));
}

void TextEdit::pasteUnlessRefused(QClipboard::Mode mode) {
    const QPointer<TextEdit> alive(this);
    int keyAscii = AsciiPaste;
    emit KeyPress(keyAscii);
    if (alive && keyAscii == AsciiPaste)
        pasteLimited(mode);
}

void TextEdit::pasteLimited(QClipboard::Mode mode) {
    if (isReadOnly())
        return;
    QString text = QGuiApplication::clipboard()->text(mode);
    // A single-line box takes the first line of what is pasted.
    const qsizetype lineEnd = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    if (lineEnd >= 0)
        text.truncate(lineEnd);
    if (pasteAsTyped_) {
        const QPointer<TextEdit> alive(this);
        text = typedForm(text);
        if (!alive)
            return;
    }
    insertLimited(text);
}

QString TextEdit::typedForm(const QString& text) {
    const QPointer<TextEdit> alive(this);
    const int fits = room();
    QString typed;
    for (const QChar ch : text) {
        if (typed.size() >= fits)
            break;
        // The code the key of this character would have; control characters
        // are no key's text, so they cannot be typed.
        int keyAscii = CharToByte(ch);
        if (keyAscii < 32 || keyAscii == 127)
            continue;
        emit KeyPress(keyAscii);
        if (!alive)
            return QString();
        if (keyAscii >= 32)
            typed += CharFromAscii(keyAscii);
    }
    return typed;
}

bool TextEdit::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void TextEdit::keyPressEvent(QKeyEvent* event) {
    const QPointer<TextEdit> alive(this);
    const int originalCode = KeyDownCode(event);
    int keyCode = originalCode;
    if (keyCode != 0) {
        if (!RunGuarded([&] { emit KeyDown(keyCode, ShiftState(event)); }) || !alive)
            return;
    }
    const int original = KeyAsciiCode(event);
    int keyAscii = original;
    if (keyAscii != 0) {
        if (!RunGuarded([&] { emit KeyPress(keyAscii); }) || !alive)
            return;
    }
    if (original != 0) {
        typeCharacter(event, original, keyAscii);
        return;
    }
    if (originalCode != 0 && keyCode == 0) {
        event->accept(); // the handler cancelled the key
        return;
    }
    if (event->matches(QKeySequence::Paste)) { // Shift+Insert
        event->accept();
        RunGuarded([this] { pasteUnlessRefused(QClipboard::Clipboard); });
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TextEdit::typeCharacter(QKeyEvent* event, int original, int keyAscii) {
    event->accept();
    if (keyAscii == 0 || keyAscii == AsciiTab)
        return;
    if (keyAscii >= 32) {
        insertLimited(QString(CharFromAscii(keyAscii)));
        return;
    }
    if (keyAscii == AsciiPaste) {
        RunGuarded([this] { pasteLimited(); });
        return;
    }
    if (keyAscii == AsciiBackspace && original != AsciiBackspace) {
        backspace();
        return;
    }
    if (keyAscii == original)
        QLineEdit::keyPressEvent(event); // Backspace, Ctrl+C, Ctrl+X, Enter, Esc ...
}

void TextEdit::keyReleaseEvent(QKeyEvent* event) {
    int keyCode = KeyDownCode(event);
    if (keyCode != 0)
        RunGuarded([&] { emit KeyUp(keyCode, ShiftState(event)); });
    QLineEdit::keyReleaseEvent(event);
}

void TextEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        // The selection paste of X11, refused, filtered and limited as any
        // other paste.
        event->accept();
        RunGuarded([this] { pasteUnlessRefused(QClipboard::Selection); });
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        RunGuarded([this] { emit Click(); });
}

// The standard menu's Paste is found by its caption (its own, translated the
// same way, before the shortcut): the actions carry no other mark in every Qt
// version, and left connected it would paste past every filter and MaxLength.
void TextEdit::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    const QString pasteCaption = QLineEdit::tr("&Paste");
    for (QAction* item : menu->actions()) {
        if (item->text().section(QLatin1Char('\t'), 0, 0) != pasteCaption)
            continue;
        disconnect(item, &QAction::triggered, nullptr, nullptr);
        connect(item, &QAction::triggered, this,
                Guarded([this] { pasteUnlessRefused(QClipboard::Clipboard); }));
    }
    ExecPopup(menu.get(), event->globalPos());
}

void TextEdit::hideEvent(QHideEvent* event) {
    QLineEdit::hideEvent(event);
    FocusModel::For(this)->controlUnavailable(this);
}

void TextEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        FocusModel::For(this)->controlUnavailable(this);
}

} // namespace platform
