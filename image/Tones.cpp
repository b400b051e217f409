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

// DCS codes as octal literals, so each reads like the radio's label (0023 is D023).
constexpr std::array<uint16_t, 105> DcsCodes = {
    0023, 0025, 0026, 0031, 0032, 0036, 0043, 0047, 0051, 0053, 0054, 0065, 0071, 0072, 0073,
    0074, 0114, 0115, 0116, 0122, 0125, 0131, 0132, 0134, 0143, 0145, 0152, 0155, 0156, 0162,
    0165, 0172, 0174, 0205, 0212, 0223, 0225, 0226, 0243, 0244, 0245, 0246, 0251, 0252, 0255,
    0261, 0263, 0265, 0266, 0271, 0274, 0306, 0311, 0315, 0325, 0331, 0332, 0343, 0346, 0351,
    0356, 0364, 0365, 0371, 0411, 0412, 0413, 0423, 0431, 0432, 0445, 0446, 0452, 0454, 0455,
    0462, 0464, 0465, 0466, 0503, 0506, 0516, 0523, 0526, 0532, 0546, 0565, 0606, 0612, 0624,
    0627, 0631, 0632, 0645, 0654, 0662, 0664, 0703, 0712, 0723, 0731, 0732, 0734, 0743, 0754};

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
    const QString body =
        IsListedDcs(code) ? QStringLiteral("D") + DcsDigits(code) : QString::number(bare);
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
