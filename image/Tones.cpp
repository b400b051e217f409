#include "image/Tones.h"

#include "platform/core/NumberText.h"

#include <algorithm>
#include <array>

namespace tones {
namespace {

// CTCSS tones of the list, tenths of a hertz.
constexpr std::array<uint16_t, 50> CtcssTenths = {
    670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000,
    1035, 1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567,
    1598, 1622, 1655, 1679, 1713, 1738, 1773, 1799, 1835, 1862, 1899, 1928, 1966,
    1995, 2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541};

// DCS codes, written as octal literals so they read like the radio's labels.
constexpr std::array<uint16_t, 105> DcsCodes = {
    023, 025, 026, 031, 032, 036, 043, 047, 051, 053, 054, 065, 071, 072, 073, 074, 114, 115,
    116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223,
    225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315,
    325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432, 445, 446,
    452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606, 612, 624,
    627, 631, 632, 645, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};

constexpr double CtcssLow = 66;   // exclusive
constexpr double CtcssHigh = 255; // exclusive

bool IsListedDcs(int code) {
    return std::find(DcsCodes.begin(), DcsCodes.end(), code) != DcsCodes.end();
}

QString DcsDigits(int code) {
    return QString::number(code, 8).rightJustified(3, QLatin1Char('0'));
}

} // namespace

QString ToneText(uint16_t code, const QLocale& locale) {
    if (code == ToneOff) {
        return QStringLiteral("OFF");
    }
    if (code < ToneNothing) {
        return platform::FormatNumber(code / 10.0, QStringLiteral("0.0"), locale);
    }
    if (code > ToneNothing) {
        return LongToDCS(code);
    }
    return QString();
}

uint16_t ToneCode(const QString& text, const QLocale& locale) {
    if (text == QLatin1String("OFF")) {
        return ToneOff;
    }
    if (text.startsWith(QLatin1Char('D'))) {
        return static_cast<uint16_t>(DCSToLong(text));
    }
    if (!platform::IsLocaleNumber(text, locale)) {
        return ToneOff;
    }
    const double lead = platform::Val(text);
    if (lead <= CtcssLow || lead >= CtcssHigh) {
        return ToneOff;
    }
    return static_cast<uint16_t>(platform::RoundHalfEven(platform::ToDouble(text, locale) * 10));
}

int DCSToLong(const QString& text) {
    int value = 0;
    const QString head = text.left(4);
    if (head.size() == 4 && head.at(0) == QLatin1Char('D')) {
        bool ok = false;
        const int code = head.mid(1).toInt(&ok, 8);
        // toInt accepts a sign or blanks; a listed code is three octal digits.
        if (ok && DcsDigits(code) == head.mid(1) && IsListedDcs(code)) {
            value = DcsBase + code;
        }
    }
    if (text.endsWith(QLatin1Char('I'))) {
        value |= DcsInverted;
    }
    return value;
}

QString LongToDCS(int value) {
    const QString suffix = (value & DcsInverted) ? QStringLiteral("I") : QStringLiteral("N");
    const int bare = value & 0x7FFF;
    const int code = bare - DcsBase;
    const QString body = IsListedDcs(code) ? QStringLiteral("D") + DcsDigits(code)
                                           : QString::number(bare);
    return body + suffix;
}

QStringList ToneList(const QLocale& locale) {
    QStringList list;
    list.reserve(static_cast<int>(CtcssTenths.size() + 2 * DcsCodes.size()));
    const QString separator = platform::DecimalSeparator(locale);
    for (const uint16_t tenths : CtcssTenths) {
        list << QString::number(tenths / 10) + separator + QString::number(tenths % 10);
    }
    for (const QString& suffix : {QStringLiteral("N"), QStringLiteral("I")}) {
        for (const uint16_t code : DcsCodes) {
            list << QStringLiteral("D") + DcsDigits(code) + suffix;
        }
    }
    return list;
}

} // namespace tones
