#include "rules/FrequencyRules.h"

#include "platform/core/NumberText.h"
#include "program/ProgramValues.h"

#include <QLocale>
#include <cmath>

namespace FrequencyRules {

namespace {

constexpr int64_t UnitsPerMHz = 100000;     // 10 Hz units
constexpr int64_t TopEdgeAllowance = 99500; // 0.995 MHz above a high limit
constexpr int64_t Raster625 = 625;          // 6.25 kHz
constexpr int64_t Raster500 = 500;          // 5 kHz
constexpr int64_t VfoDefaultOffset = 2500;  // 0.025 MHz above a low limit
constexpr int MaxLimitDigits = 9;
// Far beyond any band; keeps the unit arithmetic inside int64.
constexpr double SaturationMHz = 1e12;

// A value in 10 Hz units: the units just below and above it and the nearest
// one (halves to even). floor == ceil when it is a whole number of units, so
// band edges, which are whole units, compare exactly.
struct TenHz {
    int64_t floor = 0;
    int64_t ceil = 0;
    int64_t nearest = 0;
};

TenHz Whole(int64_t units) {
    return {units, units, units};
}

TenHz Negated(const TenHz& t) {
    return {-t.ceil, -t.floor, -t.nearest};
}

// Works on the value's decimal form (the 15 significant digits the number
// rules keep), not on the binary double, so 145.506245 is a true half.
TenHz ToTenHz(double mhz) {
    if (std::isnan(mhz))
        return {};
    if (std::fabs(mhz) >= SaturationMHz) {
        const int64_t units = static_cast<int64_t>(SaturationMHz) * UnitsPerMHz;
        return Whole(mhz < 0 ? -units : units);
    }
    const QString text = platform::NumberToText(std::fabs(mhz), QLocale::c());
    const int point = text.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? text : text.left(point);
    const QString fraction = point < 0 ? QString() : text.mid(point + 1);
    const QString kept = fraction.left(5).leftJustified(5, QLatin1Char('0'));
    const QString rest = fraction.mid(5);

    TenHz t;
    t.floor = whole.toLongLong() * UnitsPerMHz + kept.toLongLong();
    const bool exact = rest.count(QLatin1Char('0')) == rest.size();
    t.ceil = exact ? t.floor : t.floor + 1;
    t.nearest = t.floor;
    if (!exact) {
        const bool half = rest.left(1) == QLatin1String("5") &&
                          rest.mid(1).count(QLatin1Char('0')) == rest.size() - 1;
        const bool above =
            rest.at(0) > QLatin1Char('5') || (rest.at(0) == QLatin1Char('5') && !half);
        if (above || (half && t.floor % 2 != 0))
            t.nearest = t.floor + 1;
    }
    return mhz < 0 ? Negated(t) : t;
}

std::optional<double> LocaleNumber(const QString& text) {
    if (!platform::IsLocaleNumber(text))
        return std::nullopt;
    return platform::ToDouble(text);
}

// The leading-number scan with the locale's decimal separator instead of ".".
double LocaleVal(const QString& text) {
    const QString separator = platform::DecimalSeparator();
    if (separator == QLatin1String("."))
        return platform::Val(text);
    QString scanned = text;
    for (QChar& ch : scanned) {
        if (ch == QLatin1Char('.'))
            ch = QLatin1Char('x'); // a point ends the number, as any other letter
        else if (QString(ch) == separator)
            ch = QLatin1Char('.');
    }
    return platform::Val(scanned);
}

std::optional<int64_t> ReadLimit(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > MaxLimitDigits)
        return std::nullopt;
    for (const QChar ch : t) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return std::nullopt;
    }
    return t.toLongLong();
}

// A band in 10 Hz units: low is the low limit, high the limit itself (the
// whole-document rule) and top the editors' upper edge, high + 0.995.
struct Band {
    int64_t low;
    int64_t high;
    int64_t top() const { return high + TopEdgeAllowance; }
    int64_t end() const { return high + UnitsPerMHz; } // first value past the band
};

std::optional<Band> BandAt(const BandLimits& limits, int lowIndex) {
    const auto& low = limits.value[static_cast<size_t>(lowIndex)];
    const auto& high = limits.value[static_cast<size_t>(lowIndex) + 1];
    if (!low || !high)
        return std::nullopt;
    return Band{*low * UnitsPerMHz, *high * UnitsPerMHz};
}

// low <= f <= high + 0.995
bool InEditorBand(const TenHz& f, const std::optional<Band>& band) {
    return band && f.floor >= band->low && f.ceil <= band->top();
}

// low <= f < high + 1
bool InDocumentBand(const TenHz& f, const std::optional<Band>& band) {
    return band && f.floor >= band->low && f.floor < band->end();
}

bool InEditorBands(const TenHz& f, const BandLimits& limits, int band1) {
    return InEditorBand(f, BandAt(limits, band1)) || InEditorBand(f, BandAt(limits, band1 + 2));
}

bool InDocumentBands(const TenHz& f, const BandLimits& limits, int band1) {
    return InDocumentBand(f, BandAt(limits, band1)) || InDocumentBand(f, BandAt(limits, band1 + 2));
}

int64_t ClampToOneBand(const TenHz& f, const Band& band) {
    if (f.floor < band.low)
        return band.low;
    if (f.ceil > band.top())
        return band.top();
    return f.nearest;
}

// The nearest edge of two bands in either order; ties go to band 2 when f is
// outside both, to the lower edge of the higher band when f lies between them.
// Every edge is a multiple of 500 units, so the midpoints are whole units.
int64_t ClampToTwoBands(const TenHz& f, const Band& b1, const Band& b2) {
    if (InEditorBand(f, b1) || InEditorBand(f, b2))
        return f.nearest;
    if (f.floor < b1.low && f.floor < b2.low)
        return b2.low <= b1.low ? b2.low : b1.low;
    if (f.ceil > b1.top() && f.ceil > b2.top())
        return b2.top() >= b1.top() ? b2.top() : b1.top();
    if (f.ceil > b1.top() && f.floor < b2.low)
        return f.floor >= (b2.low + b1.top()) / 2 ? b2.low : b1.top();
    return f.floor >= (b1.low + b2.top()) / 2 ? b1.low : b2.top();
}

int64_t ClampToBands(const TenHz& f, const BandLimits& limits, int band1) {
    const auto b1 = BandAt(limits, band1);
    const auto b2 = BandAt(limits, band1 + 2);
    if (b1 && b2)
        return ClampToTwoBands(f, *b1, *b2);
    if (b1 || b2)
        return ClampToOneBand(f, b1 ? *b1 : *b2);
    return f.nearest;
}

int64_t PositiveMod(int64_t units, int64_t step) {
    return ((units % step) + step) % step;
}

bool OnRaster(int64_t units) {
    return units % Raster625 == 0 || units % Raster500 == 0;
}

int64_t SnapToRaster(int64_t units) {
    return OnRaster(units) ? units : units - PositiveMod(units, Raster500);
}

QString ValidateInBands(const QString& text, const BandLimits& limits, int band1) {
    const auto mhz = LocaleNumber(text);
    if (!mhz)
        return {};
    return FormatFrequency(SnapToRaster(ClampToBands(ToTenHz(*mhz), limits, band1)));
}

// One range of the automatic repeater shift, in 10 Hz units.
struct ShiftRange {
    int64_t low;
    bool lowIncluded;
    int64_t high;
    bool highIncluded;
    int64_t offset;

    bool contains(const TenHz& f) const {
        const bool aboveLow = lowIncluded ? f.floor >= low : f.ceil > low;
        const bool belowHigh = highIncluded ? f.ceil <= high : f.floor < high;
        return aboveLow && belowHigh;
    }
};

// The first range that holds the frequency decides, so 147.0 MHz shifts up.
constexpr ShiftRange kShiftRanges[] = {
    {14510000, true, 14550000, false, -60000},  {14600000, true, 14640000, false, 60000},
    {14660000, true, 14700000, false, -60000},  {14700000, true, 14740000, false, 60000},
    {14760000, true, 14800000, false, -60000},  {22392000, true, 22498000, true, -160000},
    {44000000, false, 44500000, false, 500000}, {44500000, false, 45000000, false, -500000},
};

} // namespace

BandLimits BandLimits::FromTexts(const QStringList& texts) {
    BandLimits limits;
    for (int i = 0; i < BandLimitCount && i < texts.size(); ++i)
        limits.value[static_cast<size_t>(i)] = ReadLimit(texts.at(i));
    return limits;
}

bool IsFreqInRXBandLimits(const QString& text, const BandLimits& limits) {
    const auto mhz = LocaleNumber(text);
    return mhz && InEditorBands(ToTenHz(*mhz), limits, RXBand1);
}

bool IsFreqInTXBandLimits(const QString& text, const BandLimits& limits) {
    return InEditorBands(ToTenHz(platform::Val(text)), limits, TXBand1);
}

bool IsFreqStepValid(QString& text) {
    if (text.isEmpty())
        return true;
    const auto mhz = LocaleNumber(text);
    if (!mhz)
        return false;
    text = platform::NumberToText(*mhz);
    return OnRaster(ToTenHz(*mhz).nearest);
}

QString ValidateRXFreq(const QString& text, const BandLimits& limits) {
    return ValidateInBands(text, limits, RXBand1);
}

QString ValidateTXFreq(const QString& text, const BandLimits& limits) {
    return ValidateInBands(text, limits, TXBand1);
}

QString ValidateVFOFreq(QString& text, const BandLimits& limits) {
    if (text.isEmpty())
        text = platform::NumberToText(0.0);
    return ValidateInBands(text, limits, RXBand1);
}

QString ValidateFMFreq(const QString& text) {
    if (text.isEmpty())
        return {};
    const QString pattern = QStringLiteral("00.0");
    const double mhz = LocaleVal(text);
    if (mhz > 108.0)
        return platform::FormatNumber(108.0, pattern);
    if (mhz < 76.0)
        return platform::FormatNumber(76.0, pattern);
    return platform::FormatNumber(mhz, pattern);
}

bool IsRowFilled(const std::function<QString(int logicalColumn)>& cellText) {
    for (int k = ColTXFreq; k <= ColBusyLck; ++k) {
        if (cellText(k).isEmpty())
            return false;
    }
    return true;
}

std::array<DefaultCell, 7> RowDefaults(const QString& rxText, const BandLimits& limits) {
    return {{
        {ColTXFreq, ValidateTXFreq(rxText, limits)},
        {ColDecode, QStringLiteral("OFF")},
        {ColEncode, QStringLiteral("OFF")},
        {ColTXPwr, QStringLiteral("HIGH")},
        {ColScan, QStringLiteral("ON")},
        {ColTXDev, QStringLiteral("WIDE")},
        {ColBusyLck, QStringLiteral("OFF")},
    }};
}

std::optional<QString> AutoShiftTXFreq(const QString& rxText) {
    const auto mhz = LocaleNumber(rxText);
    if (!mhz)
        return std::nullopt;
    const TenHz rx = ToTenHz(*mhz);
    for (const ShiftRange& range : kShiftRanges) {
        if (range.contains(rx))
            return FormatFrequency(rx.nearest + range.offset);
    }
    return FormatFrequency(rx.nearest);
}

QString FormatFrequency(int64_t tenHzUnits) {
    return platform::FormatNumber(static_cast<double>(tenHzUnits) / UnitsPerMHz,
                                  Program().FrequencyFormat);
}

bool PassesRXBandLimits(const QString& text, const BandLimits& limits) {
    return InDocumentBands(ToTenHz(platform::Val(text)), limits, RXBand1);
}

bool PassesTXBandLimits(const QString& text, const BandLimits& limits) {
    return InDocumentBands(ToTenHz(platform::Val(text)), limits, TXBand1);
}

bool IsChannelInBandLimits(const QString& rxText, const QString& txText, const BandLimits& limits) {
    if (!PassesRXBandLimits(rxText, limits))
        return false;
    return platform::Val(txText) == 0.0 || PassesTXBandLimits(txText, limits);
}

BandLimitOutcome CheckChannels(const std::vector<ChannelFreqs>& rows, const BandLimits& limits) {
    BandLimitOutcome outcome;
    for (const ChannelFreqs& row : rows) {
        if (row.rx.trimmed().isEmpty())
            continue;
        if (!IsChannelInBandLimits(row.rx, row.tx, limits)) {
            outcome.ok = false;
            outcome.report += QString::number(row.channel) + QLatin1Char(',');
        }
    }
    return outcome;
}

VfoOutcome ValidateVFO(Vfo vfo, const QString& cellText, const BandLimits& limits) {
    if (PassesRXBandLimits(cellText, limits))
        return {true, cellText};
    const auto& low = limits.value[vfo == VfoA ? RXBand1 : RXBand2];
    if (!low)
        return {false, cellText};
    return {false, FormatFrequency(*low * UnitsPerMHz + VfoDefaultOffset)};
}

} // namespace FrequencyRules
