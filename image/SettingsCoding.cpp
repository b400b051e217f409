#include "image/SettingsCoding.h"

#include "platform/core/Codec.h"
#include "platform/core/NumberText.h"
#include "platform/core/RuntimeError.h"
#include "program/ProgramValues.h"

#include <cmath>

namespace settingscoding {

namespace {

constexpr int MessageLength = 6;
constexpr int CodeLength = 6;
constexpr uint8_t NoCharacter = 0xFF;
constexpr uint8_t EmptyCharacter = 0x00;
constexpr uint8_t Blank = 0x20;
constexpr uint8_t NoDigit = 0xFF;
constexpr int ShiftDigits = 4;
constexpr int FMBaseTenths = 760;

[[noreturn]] void TypeMismatch() {
    throw platform::RuntimeError(platform::ErrTypeMismatch);
}

bool IsDecimalDigit(QChar ch) {
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

bool AllDecimalDigits(const QString& text) {
    for (const QChar ch : text)
        if (!IsDecimalDigit(ch))
            return false;
    return true;
}

int HexDigitValue(QChar ch) {
    if (IsDecimalDigit(ch))
        return ch.unicode() - '0';
    if (ch >= QLatin1Char('A') && ch <= QLatin1Char('F'))
        return ch.unicode() - 'A' + 10;
    if (ch >= QLatin1Char('a') && ch <= QLatin1Char('f'))
        return ch.unicode() - 'a' + 10;
    return -1;
}

} // namespace

QString ListText(uint8_t byte, const QStringList& list) {
    return byte < list.size() ? list.at(byte) : QString();
}

int ListIndex(const QStringList& list, const QString& text) {
    return static_cast<int>(list.indexOf(text, 0));
}

uint8_t ByteFromText(const QString& text) {
    return platform::ToByte(platform::ToDouble(text));
}

QString OffOrNumberText(uint8_t byte) {
    return byte == 0 ? QStringLiteral("OFF") : QString::number(byte);
}

uint8_t OffOrNumberByte(const QString& text) {
    return text == QLatin1String("OFF") ? 0 : ByteFromText(text);
}

QString TotText(uint8_t byte) {
    return QString::number((byte + 1) * 15);
}

uint8_t TotByte(const QString& text) {
    const int32_t seconds = platform::ToInt32(text);
    return platform::ToByte(seconds / 15.0 - 1.0);
}

QString MessageText(const uint8_t* field) {
    QByteArray bytes;
    for (int k = 0; k < MessageLength; ++k)
        if (field[k] != EmptyCharacter && field[k] != NoCharacter)
            bytes.append(static_cast<char>(field[k]));
    return platform::BytesToText(bytes);
}

void SetMessageText(uint8_t* field, const QString& text) {
    for (int k = 0; k < MessageLength; ++k)
        field[k] = k < text.size() ? platform::CharToByte(text.at(k)) : Blank;
}

QString CodeText(const uint8_t* field) {
    QString text;
    for (int k = 0; k < CodeLength; ++k)
        if (field[k] != NoDigit)
            text += QString::number(field[k], 16).toUpper();
    return text;
}

void SetCodeText(uint8_t* field, const QString& text) {
    const QString digits = text.left(CodeLength);
    for (const QChar ch : digits)
        if (HexDigitValue(ch) < 0)
            TypeMismatch();
    for (int k = 0; k < CodeLength; ++k)
        field[k] = k < digits.size() ? static_cast<uint8_t>(HexDigitValue(digits.at(k))) : NoDigit;
}

QString ShiftText(const uint8_t* field) {
    int tensOfKilohertz = 0;
    for (int k = 0; k < ShiftDigits; ++k) {
        if (field[k] > 9) {
            tensOfKilohertz = 0;
            break;
        }
        tensOfKilohertz = tensOfKilohertz * 10 + field[k];
    }
    return platform::FormatNumber(tensOfKilohertz / 100.0, Program().FrequencyFormat);
}

void SetShiftText(uint8_t* field, const QString& text) {
    const QString separator = platform::DecimalSeparator();
    const int at = static_cast<int>(text.indexOf(separator));
    if (at < 0)
        TypeMismatch();
    QString whole = text.left(at);
    const QString fraction = text.mid(at + separator.size());
    if (whole.isEmpty() || whole.size() > 2 || fraction.size() < 2 || !AllDecimalDigits(whole) ||
        !AllDecimalDigits(fraction))
        TypeMismatch();
    whole = whole.rightJustified(2, QLatin1Char('0'));
    const QString digits = whole + fraction.left(2);
    for (int k = 0; k < ShiftDigits; ++k)
        field[k] = static_cast<uint8_t>(digits.at(k).unicode() - '0');
}

QString FMText(uint16_t value) {
    if (value == 0xFFFF)
        return QString();
    return platform::FormatNumber((FMBaseTenths + value) / 10.0, QStringLiteral("00.0"));
}

uint16_t FMValue(const QString& text) {
    if (text.isEmpty())
        return 0xFFFF;
    const double megahertz = platform::ToDouble(text);
    // The text is decimal; settle the binary noise of the subtraction first so
    // that a typed half step (88.15) rounds as the half it is.
    const double tenths = std::round((megahertz - 76.0) * 10.0 * 1e6) / 1e6;
    const int64_t whole = platform::ToWhole(tenths, INT64_MIN, INT64_MAX);
    return static_cast<uint16_t>(static_cast<uint64_t>(whole) & 0xFFFF);
}

} // namespace settingscoding
