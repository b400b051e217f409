#pragma once
// The single-line text box used as an in-place editor.
//
// Events (raised synchronously, in this order for a key): KeyDown(keyCode,
// shift), then KeyPress(keyAscii) for a key that types a character or a
// control code (KeyCodes.h), then the box's own handling: setting keyCode to
// 0 cancels an editing key (arrows, Delete), setting keyAscii to 0 swallows
// the character, setting it to another code types that character instead.
// Tab reaches KeyDown/KeyPress and never moves the focus. Change follows every
// change of the text, typed, pasted, deleted or set from code. GotFocus and
// LostFocus come from the window's focus model (FocusModel.h).
//
// MaxLength limits what the user types and pastes (0: no limit); text set
// from code is never cut, and a text longer than the limit only refuses
// further typing. (QLineEdit's own maxLength would cut text set from code, so
// this class hides maxLength()/setMaxLength() with its own.)
//
// Every way of pasting (Ctrl+V, Shift+Insert, the context menu's Paste, the
// middle button's selection paste) first raises KeyPress with Ctrl+V's code
// 22; a handler that swallows it refuses the paste, whichever way it came.
// With PasteAsTyped on, the pasted characters then go through KeyPress one by
// one as if typed, and only what the handlers let through goes in.
//
// Position and size in twips: ControlGeometry.h.

#include "platform/widgets/FocusModel.h"

#include <QClipboard>
#include <QLineEdit>

namespace platform {

class TextEdit : public QLineEdit, public FocusTarget {
    Q_OBJECT
public:
    explicit TextEdit(QWidget* parent = nullptr);

    int maxLength() const { return maxLength_; }
    void setMaxLength(int length);

    void setPasteAsTyped(bool on) { pasteAsTyped_ = on; }

    // SelStart/SelLength as the program uses them: setting SelStart puts the
    // cursor there and selects nothing, SelLength then selects that many
    // characters from SelStart.
    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);

    // The focus through the window's focus model; false, changing nothing,
    // when the box is hidden or disabled.
    bool takeFocus();

    QWidget* focusWidget() override { return this; }

signals:
    void Change();
    void Click();
    void KeyDown(int& keyCode, int shift);
    void KeyPress(int& keyAscii);
    void KeyUp(int& keyCode, int shift);
    void GotFocus();
    void LostFocus();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void raiseGotFocus() override { emit GotFocus(); }
    void raiseLostFocus() override { emit LostFocus(); }

private:
    // Inserts over the selection what fits under MaxLength.
    void insertLimited(const QString& text);
    // A paste that came another way than the Ctrl+V key: that key's KeyPress
    // is raised first, and a handler may refuse the paste there.
    void pasteUnlessRefused(QClipboard::Mode mode);
    // Inserts the first line of the clipboard under MaxLength, through
    // KeyPress when PasteAsTyped is on.
    void pasteLimited(QClipboard::Mode mode = QClipboard::Clipboard);
    // What typing `text` would put in: each character's KeyPress raised, the
    // ones swallowed dropped, no more than fits. Empty when a handler deleted
    // the box.
    QString typedForm(const QString& text);
    int room() const;
    // The box's own handling of a key whose character code the handlers saw.
    void typeCharacter(QKeyEvent* event, int original, int keyAscii);

    int maxLength_ = 0;
    bool pasteAsTyped_ = false;
};

} // namespace platform
