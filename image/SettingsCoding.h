#pragma once
// Text <-> byte rules of the configuration, VFO and FM-broadcast settings.
// The members of clsVUROVA apply them to their own bytes; nothing here knows
// where a field lies.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace settingscoding {

// Enumerated setting: the list text at the byte's index, "" for any other byte.
QString ListText(uint8_t byte, const QStringList& list);
// Index of the exactly matching text, -1 when none matches.
int ListIndex(const QStringList& list, const QString& text);

// A text that must be a whole number 0..255 in the locale: RuntimeError 13
// when it is not a number, 6 when the rounded value (halves to even) is outside.
uint8_t ByteFromText(const QString& text);

// 0 reads "OFF", any other byte its decimal text; "OFF" stores 0.
QString OffOrNumberText(uint8_t byte);
uint8_t OffOrNumberByte(const QString& text);

// Seconds = (byte + 1) x 15. Texts below 8 seconds overflow (the byte would be -1).
QString TotText(uint8_t byte);
uint8_t TotByte(const QString& text);

// Six single-byte characters; 00 and FF hold no character wherever they stand.
// The set side cuts to six characters and pads with blanks.
QString MessageText(const uint8_t* field);
void SetMessageText(uint8_t* field, const QString& text);

// Six bytes of one hexadecimal digit each, FF = no digit. The set side cuts to
// six characters and checks all of them before writing (RuntimeError 13).
QString CodeText(const uint8_t* field);
void SetCodeText(uint8_t* field, const QString& text);

// Four decimal digits in units of 10 kHz, most significant first, shown in the
// program's FrequencyFormat; a field holding a byte above 9 (erased) reads 0.
QString ShiftText(const uint8_t* field);
// Digit rule: one or two whole digits, the locale separator, two or more
// fraction digits of which two count. RuntimeError 13, field untouched, otherwise.
void SetShiftText(uint8_t* field, const QString& text);

// FM-broadcast value: 76.0 + value / 10 MHz as "00.0"; 0xFFFF is empty.
QString FMText(uint16_t value);
// "" -> 0xFFFF; otherwise (MHz - 76.0) x 10 rounded halves to even and wrapped
// to 16 bits, as the radio's own software stores it. RuntimeError 13 for a
// text that is not a number.
uint16_t FMValue(const QString& text);

} // namespace settingscoding
