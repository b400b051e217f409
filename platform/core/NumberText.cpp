#include "platform/core/NumberText.h"

#include "platform/core/RuntimeError.h"

#include <cmath>

namespace platform {

namespace {

bool IsDigit(QChar ch) {
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

bool IsBlank(QChar ch) {
    return ch == QLatin1Char(' ') || ch == QLatin1Char('\t') || ch == QLatin1Char('\r') ||
           ch == QLatin1Char('\n');
}

// The sign characters a typed number may start with: the ASCII ones always,
// plus whatever the locale uses, so a pasted locale-formatted value passes.
int SignOf(QChar ch, const QLocale& locale) {
    if (ch == QLatin1Char('-') || QString(ch) == locale.negativeSign())
        return -1;
    if (ch == QLatin1Char('+') || QString(ch) == locale.positiveSign())
        return 1;
    return 0;
}

// The parts of a number in the locale: sign, integer digits, fraction digits.
struct LocaleNumber {
    bool negative = false;
    QString whole;
    QString fraction;
};

bool SplitLocaleNumber(const QString& text, const QLocale& locale, LocaleNumber& out) {
    const QString t = text.trimmed();
    const QString separator = DecimalSeparator(locale);
    int i = 0;
    if (i < t.size() && SignOf(t[i], locale) != 0) {
        out.negative = SignOf(t[i], locale) < 0;
        ++i;
    }
    bool seenSeparator = false;
    for (; i < t.size(); ++i) {
        const QChar ch = t[i];
        if (IsDigit(ch)) {
            (seenSeparator ? out.fraction : out.whole).append(ch);
        } else if (!seenSeparator && QString(ch) == separator) {
            seenSeparator = true;
        } else {
            return false;
        }
    }
    return !out.whole.isEmpty() || !out.fraction.isEmpty();
}

double DigitsToDouble(bool negative, const QString& whole, const QString& fraction) {
    QString c = negative ? QStringLiteral("-") : QString();
    c += whole.isEmpty() ? QStringLiteral("0") : whole;
    if (!fraction.isEmpty())
        c += QLatin1Char('.') + fraction;
    // QLocale::c() converts exactly and ignores the process's C locale, which
    // the application object sets from the environment.
    return QLocale::c().toDouble(c);
}

// A finite double as its decimal digits rounded to 15 significant digits:
// value = 0.<digits> * 10^pointPos. Digits carry no sign.
struct DecimalForm {
    bool negative = false;
    QString digits;
    int pointPos = 0;
};

DecimalForm ToDecimalForm(double value) {
    DecimalForm form;
    form.negative = std::signbit(value);
    // "d.dddddddddddddde+XX": QString::number is locale-independent and
    // correctly rounded.
    const QString e = QString::number(std::fabs(value), 'e', 14);
    const int ePos = e.indexOf(QLatin1Char('e'));
    form.digits = e.left(ePos);
    form.digits.remove(QLatin1Char('.'));
    form.pointPos = e.mid(ePos + 1).toInt() + 1;
    return form;
}

// Adds one unit in the last place of a string of decimal digits; returns
// true when the carry ran out of the front (999 -> 000).
bool IncrementDigits(QString& digits) {
    for (int i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != QLatin1Char('9')) {
            digits[i] = QChar(digits[i].unicode() + 1);
            return false;
        }
        digits[i] = QLatin1Char('0');
    }
    return true;
}

// Integer and fraction digits of the decimal form, the fraction rounded
// half away from zero to `decimals` places (or kept whole when decimals < 0).
void RoundDecimalForm(const DecimalForm& form, int decimals, QString& whole, QString& fraction) {
    QString digits = form.digits;
    int pointPos = form.pointPos;
    if (pointPos <= 0) {
        digits.prepend(QString(-pointPos, QLatin1Char('0')));
        pointPos = 0;
    }
    if (digits.size() < pointPos)
        digits.append(QString(pointPos - digits.size(), QLatin1Char('0')));
    whole = digits.left(pointPos);
    fraction = digits.mid(pointPos);
    if (decimals < 0 || fraction.size() <= decimals) {
        if (decimals > fraction.size())
            fraction.append(QString(decimals - fraction.size(), QLatin1Char('0')));
        return;
    }
    const bool roundUp = fraction[decimals] >= QLatin1Char('5');
    fraction.truncate(decimals);
    if (!roundUp)
        return;
    QString all = whole + fraction;
    if (IncrementDigits(all))
        all.prepend(QLatin1Char('1'));
    whole = all.left(all.size() - decimals);
    fraction = all.right(decimals);
}

bool AllZero(const QString& digits) {
    for (const QChar ch : digits) {
        if (ch != QLatin1Char('0'))
            return false;
    }
    return true;
}

QString Assemble(bool negative, QString whole, QString fraction, int minWhole, int minFraction,
                 const QLocale& locale) {
    while (fraction.size() > minFraction && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    while (whole.size() > minWhole && whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    if (whole.size() < minWhole)
        whole.prepend(QString(minWhole - whole.size(), QLatin1Char('0')));
    // A value that rounds to zero prints without its sign.
    const bool showSign = negative && !(AllZero(whole) && AllZero(fraction));
    QString text = showSign ? QStringLiteral("-") : QString();
    text += whole;
    if (!fraction.isEmpty())
        text += DecimalSeparator(locale) + fraction;
    return text;
}

// A number pattern of the form [#...][0...][.[0...][#...]].
struct Pattern {
    int minWhole = 0;
    int minFraction = 0;
    int maxFraction = 0;
};

Pattern ParsePattern(const QString& pattern) {
    Pattern p;
    const int dot = pattern.indexOf(QLatin1Char('.'));
    const QString wholePart = dot < 0 ? pattern : pattern.left(dot);
    const QString fractionPart = dot < 0 ? QString() : pattern.mid(dot + 1);
    p.minWhole = wholePart.count(QLatin1Char('0'));
    p.minFraction = fractionPart.count(QLatin1Char('0'));
    p.maxFraction = p.minFraction + fractionPart.count(QLatin1Char('#'));
    return p;
}

QString NonFiniteText(double value) {
    if (std::isnan(value))
        return QStringLiteral("NaN");
    return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
}

} // namespace

double Val(const QString& text) {
    // Blanks are skipped wherever they stand, as the classic scan does.
    QString whole;
    QString fraction;
    bool negative = false;
    bool seenSign = false;
    bool seenPoint = false;
    for (const QChar ch : text) {
        if (IsBlank(ch))
            continue;
        if (IsDigit(ch)) {
            (seenPoint ? fraction : whole).append(ch);
        } else if (ch == QLatin1Char('.') && !seenPoint) {
            seenPoint = true;
        } else if ((ch == QLatin1Char('-') || ch == QLatin1Char('+')) && !seenSign && !seenPoint &&
                   whole.isEmpty()) {
            negative = ch == QLatin1Char('-');
        } else {
            break;
        }
        seenSign = true;
    }
    if (whole.isEmpty() && fraction.isEmpty())
        return 0.0;
    return DigitsToDouble(negative, whole, fraction);
}

QString DecimalSeparator(const QLocale& locale) {
    const QString point = locale.decimalPoint();
    return point.isEmpty() ? QStringLiteral(".") : point.left(1);
}

bool IsLocaleNumber(const QString& text, const QLocale& locale) {
    LocaleNumber parts;
    return SplitLocaleNumber(text, locale, parts);
}

double ToDouble(const QString& text, const QLocale& locale) {
    LocaleNumber parts;
    if (!SplitLocaleNumber(text, locale, parts))
        throw RuntimeError(ErrTypeMismatch);
    return DigitsToDouble(parts.negative, parts.whole, parts.fraction);
}

double RoundHalfEven(double value) {
    if (!std::isfinite(value))
        return value;
    const double lower = std::floor(value);
    const double rest = value - lower;
    if (rest > 0.5)
        return lower + 1.0;
    if (rest < 0.5)
        return lower;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

int64_t ToWhole(double value, int64_t min, int64_t max) {
    const double rounded = RoundHalfEven(value);
    // 2^63 itself is the first double past int64's range.
    constexpr double Int64End = 9223372036854775808.0;
    if (std::isnan(rounded) || rounded < static_cast<double>(min) ||
        rounded > static_cast<double>(max) || rounded >= Int64End || rounded < -Int64End)
        throw RuntimeError(ErrOverflow);
    const auto whole = static_cast<int64_t>(rounded);
    if (whole < min || whole > max)
        throw RuntimeError(ErrOverflow);
    return whole;
}

int16_t ToInt16(double value) {
    return static_cast<int16_t>(ToWhole(value, INT16_MIN, INT16_MAX));
}

int32_t ToInt32(double value) {
    return static_cast<int32_t>(ToWhole(value, INT32_MIN, INT32_MAX));
}

uint8_t ToByte(double value) {
    return static_cast<uint8_t>(ToWhole(value, 0, UINT8_MAX));
}

int16_t ToInt16(const QString& text, const QLocale& locale) {
    return ToInt16(ToDouble(text, locale));
}

int32_t ToInt32(const QString& text, const QLocale& locale) {
    return ToInt32(ToDouble(text, locale));
}

QString FormatNumber(double value, const QString& pattern, const QLocale& locale) {
    if (pattern.isEmpty())
        return NumberToText(value, locale);
    if (!std::isfinite(value))
        return NonFiniteText(value);
    const Pattern p = ParsePattern(pattern);
    const DecimalForm form = ToDecimalForm(value);
    QString whole;
    QString fraction;
    RoundDecimalForm(form, p.maxFraction, whole, fraction);
    return Assemble(form.negative, whole, fraction, p.minWhole, p.minFraction, locale);
}

QString NumberToText(double value, const QLocale& locale) {
    if (!std::isfinite(value))
        return NonFiniteText(value);
    const DecimalForm form = ToDecimalForm(value);
    QString whole;
    QString fraction;
    RoundDecimalForm(form, -1, whole, fraction);
    return Assemble(form.negative, whole, fraction, 1, 0, locale);
}

} // namespace platform
