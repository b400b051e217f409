#include "platform/widgets/KeyCodes.h"

#include "platform/core/Codec.h"

#include <QKeyEvent>

namespace platform {

namespace {

struct KeyPair {
    int qtKey;
    int code;
};

// Keys whose code does not follow from a range below. The shifted symbols of
// the US layout map back to the key that carries them, as a virtual key code
// names the key and not the character.
constexpr KeyPair FixedKeys[] = {
    {Qt::Key_Backspace, 8},
    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},
    {Qt::Key_Clear, 12},
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},
    {Qt::Key_Print, 44},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
    {Qt::Key_Meta, 91},
    {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    {Qt::Key_Semicolon, 186},
    {Qt::Key_Colon, 186},
    {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},
    {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},
    {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},
    {Qt::Key_Slash, 191},
    {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},
    {Qt::Key_AsciiTilde, 192},
    {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220},
    {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
    {Qt::Key_Exclam, 49},
    {Qt::Key_At, 50},
    {Qt::Key_NumberSign, 51},
    {Qt::Key_Dollar, 52},
    {Qt::Key_Percent, 53},
    {Qt::Key_AsciiCircum, 54},
    {Qt::Key_Ampersand, 55},
    {Qt::Key_Asterisk, 56},
    {Qt::Key_ParenLeft, 57},
    {Qt::Key_ParenRight, 48},
};

constexpr KeyPair KeypadKeys[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},  {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},   {Qt::Key_Comma, 110}, {Qt::Key_Slash, 111},
};

int Lookup(const KeyPair* begin, const KeyPair* end, int key) {
    for (const KeyPair* p = begin; p != end; ++p) {
        if (p->qtKey == key)
            return p->code;
    }
    return 0;
}

bool IsCtrlOnly(Qt::KeyboardModifiers mods) {
    return (mods & Qt::ControlModifier) && !(mods & Qt::AltModifier);
}

} // namespace

int ShiftState(const QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers();
    int state = 0;
    if (mods & Qt::ShiftModifier)
        state |= ShiftMaskShift;
    if (mods & Qt::ControlModifier)
        state |= ShiftMaskCtrl;
    if (mods & Qt::AltModifier)
        state |= ShiftMaskAlt;
    // The key of a modifier counts as held while it goes down, as on the
    // system the program was written for.
    switch (event->key()) {
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
        return state | ShiftMaskShift;
    case Qt::Key_Control:
        return state | ShiftMaskCtrl;
    case Qt::Key_Alt:
        return state | ShiftMaskAlt;
    default:
        return state;
    }
}

int KeyDownCode(const QKeyEvent* event) {
    const int key = event->key();
    if (event->modifiers() & Qt::KeypadModifier) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9)
            return 96 + (key - Qt::Key_0);
        if (const int code = Lookup(std::begin(KeypadKeys), std::end(KeypadKeys), key))
            return code;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return key; // the Qt codes are the ASCII digits
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    return Lookup(std::begin(FixedKeys), std::end(FixedKeys), key);
}

int KeyAsciiCode(const QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (mods & Qt::AltModifier && !(mods & Qt::ControlModifier))
        return 0; // Alt combinations are menu keys, they type nothing
    switch (key) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return (mods & Qt::ControlModifier) ? 0 : 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return (mods & Qt::ControlModifier) ? 10 : 13;
    case Qt::Key_Escape:
        return 27;
    default:
        break;
    }
    if (IsCtrlOnly(mods)) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return key - Qt::Key_A + 1;
        if (key == Qt::Key_BracketLeft)
            return 27;
        if (key == Qt::Key_Backslash)
            return 28;
        if (key == Qt::Key_BracketRight)
            return 29;
        return 0;
    }
    const QString text = event->text();
    if (text.size() != 1 || text.at(0).unicode() < 32 || text.at(0).unicode() == 127)
        return 0;
    return CharToByte(text.at(0));
}

QChar CharFromAscii(int keyAscii) {
    return ByteToChar(static_cast<unsigned char>(keyAscii & 0xFF));
}

bool IsNumberBoxKey(int keyAscii) {
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    return digit || keyAscii == AsciiBackspace || keyAscii == AsciiCopy || keyAscii == AsciiPaste ||
           keyAscii == AsciiCut || keyAscii == AsciiEnter || keyAscii == AsciiEscape;
}

} // namespace platform
