#pragma once
// Every number-text rule the program relies on, in one place.
//
// - Val(): the leading-number scan with "." as the decimal point.
// - "A number in the user's locale": trimmed; optional sign, digits, at most one
//   locale decimal separator ("145." and ".5" allowed); no group separators,
//   exponents or hex.
// - Whole-number conversion rounds halves to even and overflows outside the target.
// - Pattern formatting rounds halves away from zero on the value's decimal form
//   (15 significant digits) and never inserts group separators.
//
// The locale parameter defaults to QLocale() (the default locale, which tests fix).

#include <QLocale>
#include <QString>
#include <cstdint>

namespace platform {

// Leading-number scan: blanks skipped, optional sign, digits, one ".", stops at
// the first other character; 0 when there is no number.
double Val(const QString& text);

// The decimal separator of a locale, as one character of text.
QString DecimalSeparator(const QLocale& locale = QLocale());

// True when text is a number in the locale (see above).
bool IsLocaleNumber(const QString& text, const QLocale& locale = QLocale());

// Converts a number in the locale; raises RuntimeError 13 when it is not one.
double ToDouble(const QString& text, const QLocale& locale = QLocale());

// Rounds to the nearest whole number, halves to even.
double RoundHalfEven(double value);

// Whole-number conversion with halves to even; raises RuntimeError 6 outside
// [min, max].
int64_t ToWhole(double value, int64_t min, int64_t max);
int16_t ToInt16(double value); // -32768..32767
int32_t ToInt32(double value); // -2^31..2^31-1
uint8_t ToByte(double value);  // 0..255

// Text to whole number: a number in the locale, then ToWhole (13 or 6).
int16_t ToInt16(const QString& text, const QLocale& locale = QLocale());
int32_t ToInt32(const QString& text, const QLocale& locale = QLocale());

// Formats with one of the patterns "##0.000##", "##0.00000", "0.0", "00.0",
// "0.000", "0.0000", "00", or the general format (empty pattern: shortest text,
// "145.5", "0"). The locale's decimal separator always, group separators never.
QString FormatNumber(double value, const QString& pattern, const QLocale& locale = QLocale());

// The general format: shortest text that reads back as the value (up to 15
// significant digits), locale decimal separator, no exponent for the values the
// program meets.
QString NumberToText(double value, const QLocale& locale = QLocale());

} // namespace platform
