#pragma once
// The 16-bit squelch-tone code of a channel record and its display texts.
//
//   0xFFFF          off                        "OFF"
//   0 .. 2541       CTCSS, tenths of a hertz   "88.5" (locale separator)
//   2542            nothing                    ""
//   2543 .. 0xFFFE  DCS: bit 15 = inverted,    "D023N", "D023I"
//                   low 15 bits 0x2800 + octal code

#include <QLocale>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace tones {

constexpr uint16_t ToneOff = 0xFFFF;
constexpr uint16_t ToneNothing = 2542;
constexpr int DcsBase = 0x2800;
constexpr int DcsInverted = 0x8000;

// Text of a stored tone code.
QString ToneText(uint16_t code, const QLocale& locale = QLocale());

// Code to store for a tone text; texts that name no tone fall back to off
// (or to a bare DCS value for a "D" text whose code is not listed).
uint16_t ToneCode(const QString& text, const QLocale& locale = QLocale());

// "D" + listed code in the first four characters -> 0x2800 + octal code, else 0;
// a trailing "I" sets bit 15.
int DCSToLong(const QString& text);

// DCS text of a value: "D023N"; a value that is not a listed code is written
// as its decimal number with the suffix ("10260N").
QString LongToDCS(int value);

// The 260 texts the tone editors offer: 50 CTCSS tones, 105 DCS codes with
// "N", the same 105 with "I".
QStringList ToneList(const QLocale& locale = QLocale());

} // namespace tones
