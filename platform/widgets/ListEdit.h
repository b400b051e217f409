#pragma once
// The drop-down list of fixed entries used as an in-place editor.
//
// Entries are added with addItem and removed with clear(); adding never
// chooses an entry. ListIndex is the chosen entry (-1 none); Text is its text,
// and setting Text chooses the entry with exactly that text, or none when no
// entry has it. Click is raised each time the chosen entry changes to an
// entry, by the user (mouse, keys) or by code (ListIndex, Text), never for
// "none" and never when it stays the same.
//
// KeyDown / KeyPress as for TextEdit (0 cancels the key), also while the list
// is open; Tab reaches them and never moves the focus. GotFocus and LostFocus
// come from the window's focus model: the list opening is no focus loss.
//
// Position and size in twips: ControlGeometry.h.

#include "platform/widgets/FocusModel.h"

#include <QComboBox>

namespace platform {

class ListEdit : public QComboBox, public FocusTarget {
    Q_OBJECT
public:
    explicit ListEdit(QWidget* parent = nullptr);

    // Appends an entry (QComboBox::addItem would choose the first entry added).
    void addItem(const QString& text);
    int listCount() const { return count(); }
    QString list(int index) const; // "" outside the list
    int listIndex() const { return currentIndex(); }
    void setListIndex(int index);
    QString text() const;
    void setText(const QString& text);

    bool takeFocus();

    QWidget* focusWidget() override { return this; }

signals:
    void Click();
    void KeyDown(int& keyCode, int shift);
    void KeyPress(int& keyAscii);
    void KeyUp(int& keyCode, int shift);
    void GotFocus();
    void LostFocus();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void raiseGotFocus() override { emit GotFocus(); }
    void raiseLostFocus() override { emit LostFocus(); }

private:
    // Raises KeyDown and KeyPress; true when a handler cancelled the key.
    bool raiseKeyEvents(QKeyEvent* event);
};

} // namespace platform
