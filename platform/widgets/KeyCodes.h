#pragma once
// Key codes as the program's key handlers expect them, computed from the Qt
// key and modifiers (never from the event's text, which differs between
// platforms for control keys).
//
// KeyDown receives a virtual key code (Backspace 8, Tab 9, Enter 13, Shift 16,
// Ctrl 17, Alt 18, Esc 27, Space 32, PageUp 33 ... Down 40, Insert 45,
// Delete 46, digits 48-57, letters 65-90, keypad 96-111, F1 112 ...) and a
// shift state (Shift 1, Ctrl 2, Alt 4). KeyPress receives a character code:
// Ctrl+A..Ctrl+Z 1..26 (Ctrl+C 3, Ctrl+V 22, Ctrl+X 24), Backspace 8, Tab 9,
// Enter 13, Esc 27, else the typed character in the program's single-byte
// code page; 0 when the key types nothing.

#include <QChar>

class QKeyEvent;

namespace platform {

enum ShiftMask : int { ShiftMaskShift = 1, ShiftMaskCtrl = 2, ShiftMaskAlt = 4 };

enum KeyCode : int {
    vbKeyBack = 8,
    vbKeyTab = 9,
    vbKeyReturn = 13,
    vbKeyShift = 16,
    vbKeyControl = 17,
    vbKeyMenu = 18,
    vbKeyEscape = 27,
    vbKeySpace = 32,
    vbKeyPageUp = 33,
    vbKeyPageDown = 34,
    vbKeyEnd = 35,
    vbKeyHome = 36,
    vbKeyLeft = 37,
    vbKeyUp = 38,
    vbKeyRight = 39,
    vbKeyDown = 40,
    vbKeyInsert = 45,
    vbKeyDelete = 46,
    vbKeyF1 = 112,
};

// Character codes the handlers test for.
enum AsciiCode : int {
    AsciiCopy = 3,
    AsciiBackspace = 8,
    AsciiTab = 9,
    AsciiLineFeed = 10,
    AsciiEnter = 13,
    AsciiPaste = 22,
    AsciiCut = 24,
    AsciiEscape = 27,
};

int ShiftState(const QKeyEvent* event);
int KeyDownCode(const QKeyEvent* event);  // 0 for keys without a code
int KeyAsciiCode(const QKeyEvent* event); // 0 when the key types nothing

// The character a (possibly changed) character code stands for.
QChar CharFromAscii(int keyAscii);

// What a box for a whole number lets through: digits, Backspace and the
// clipboard keys, and Enter and Esc, which type nothing and go on to the
// dialog's buttons.
bool IsNumberBoxKey(int keyAscii);

} // namespace platform
