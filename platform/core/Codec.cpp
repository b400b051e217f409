#include "platform/core/Codec.h"

#include <array>

namespace platform {

namespace {

// Bytes 0x80-0x9F. Every other byte is the Latin-1 character of the same
// number. The five bytes the code page leaves undefined keep their own number
// (U+0081, U+008D, U+008F, U+0090, U+009D) so they survive a round trip.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};

constexpr unsigned char FirstHigh = 0x80;
constexpr unsigned char LastHigh = 0x9F;
constexpr unsigned char Unrepresentable = '?';

} // namespace

QChar ByteToChar(unsigned char byte) {
    if (byte >= FirstHigh && byte <= LastHigh)
        return QChar(HighControls[byte - FirstHigh]);
    return QChar(static_cast<char16_t>(byte));
}

unsigned char CharToByte(QChar ch) {
    const char16_t code = ch.unicode();
    if (code < FirstHigh || (code > LastHigh && code <= 0xFF))
        return static_cast<unsigned char>(code);
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == code)
            return static_cast<unsigned char>(FirstHigh + i);
    }
    return Unrepresentable;
}

QString BytesToText(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text.append(ByteToChar(static_cast<unsigned char>(byte)));
    return text;
}

QByteArray TextToBytes(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        // A character outside the basic plane is one '?', not one per half.
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        bytes.append(static_cast<char>(CharToByte(ch)));
    }
    return bytes;
}

} // namespace platform
