#include "rules/TravelPlusFile.h"

#include "platform/core/NumberText.h"
#include "program/ProgramValues.h"
#include "rules/DocumentTexts.h"
#include "rules/ImportLines.h"

#include <QLocale>
#include <cmath>

namespace tpe {
namespace {

namespace fr = FrequencyRules;
using importlines::TrimBlanks;

constexpr QChar Quote = QLatin1Char('"');
constexpr QChar Comma = QLatin1Char(',');
constexpr QChar Blank = QLatin1Char(' ');
constexpr int TagLength = 6;
constexpr int LinePadding = 12;
constexpr double UnitsPerMHz = 100000; // 10 Hz units

struct OffsetBand {
    int64_t low;
    int64_t high;
    int64_t offset;
};
constexpr OffsetBand OffsetBands[] = {
    {14400000, 14800000, 60000},
    {22000000, 22500000, 160000},
    {42000000, 45000000, 500000},
};

QString Entry(const QString& text) {
    return text + documenttexts::CrLf;
}

// A tone written as a number reads in the user's locale once its "." is the
// locale's separator; codes ("D023N") and other texts go on as they are.
QString ToneText(const QString& field) {
    if (!platform::IsLocaleNumber(field, QLocale::c()))
        return field;
    QString text = field;
    return text.replace(QLatin1Char('.'), platform::DecimalSeparator());
}

QString CellText(double mhz) {
    return platform::FormatNumber(mhz, Program().FrequencyFormat);
}

LineOutcome Refused(const QString& entry) {
    LineOutcome outcome;
    outcome.kind = LineOutcome::Refused;
    outcome.entry = entry;
    return outcome;
}

} // namespace

QString FixTag(const QString& name, const QString& allowed) {
    QString tag = (name + QString(TagLength, Blank)).left(TagLength);
    for (QChar& ch : tag) {
        ch = ch.toUpper();
        if (!allowed.contains(ch))
            ch = Blank;
    }
    return TrimBlanks(tag);
}

QStringList HeaderFields(const QString& line) {
    QString text = line;
    text.remove(Quote);
    text = TrimBlanks(text);
    // A blank header has no fields at all: it is asked about once, for its
    // count, not a second time for an empty name.
    return text.isEmpty() ? QStringList() : text.split(Comma);
}

int HeaderDoubts(const QStringList& fields) {
    int doubts = fields.size() == HeaderNames.size() ? 0 : 1;
    for (const QString& field : fields) {
        if (!HeaderNames.contains(field))
            ++doubts;
    }
    return doubts;
}

int FieldPositions::of(Source source) const {
    switch (source) {
    case Region:
        return region;
    case CallSign:
        return callSign;
    case Sponsor:
        return sponsor;
    case Location:
        break;
    }
    return location;
}

FieldPositions PositionsOf(const QStringList& headerFields) {
    FieldPositions p;
    const std::pair<QString, int*> places[] = {
        {QStringLiteral("Location"), &p.location},
        {QStringLiteral("Region"), &p.region},
        {QStringLiteral("Call Sign"), &p.callSign},
        {QStringLiteral("Sponsor"), &p.sponsor},
        {QStringLiteral("Output Frequency"), &p.outputFrequency},
        {QStringLiteral("Input Frequency"), &p.inputFrequency},
        {QStringLiteral("CTCSS Tones"), &p.ctcssTones},
    };
    for (int i = 0; i < headerFields.size(); ++i) {
        for (const auto& [name, place] : places) {
            if (headerFields.at(i) == name)
                *place = i;
        }
    }
    return p;
}

bool SplitLine(const QString& line, QStringList& fields) {
    QString text = line + QString(LinePadding, Comma);
    if (text.count(Quote) % 2 != 0)
        return false;
    text = importlines::BlankQuotedCommas(text);
    text.remove(Quote);
    fields = text.split(Comma);
    for (QString& field : fields)
        field = TrimBlanks(field);
    return true;
}

std::optional<double> ReadFrequency(const QString& field) {
    if (!platform::IsLocaleNumber(field, QLocale::c()))
        return std::nullopt;
    return platform::ToDouble(field, QLocale::c());
}

bool IsFmBroadcast(double mhz) {
    return mhz >= 76.0 && mhz <= 108.0;
}

std::optional<int64_t> StandardOffset(int64_t rxTenHz) {
    for (const OffsetBand& band : OffsetBands) {
        if (rxTenHz >= band.low && rxTenHz <= band.high)
            return band.offset;
    }
    return std::nullopt;
}

TransmitFrequency TransmitFrom(const QString& inputField, int64_t rxTenHz) {
    const bool up = inputField == QLatin1String("+");
    if (up || inputField == QLatin1String("-")) {
        const auto offset = StandardOffset(rxTenHz);
        if (!offset)
            return {TransmitFrequency::NoStandardShift, 0};
        const int64_t tx = up ? rxTenHz + *offset : rxTenHz - *offset;
        return {TransmitFrequency::Value, static_cast<double>(tx) / UnitsPerMHz};
    }
    if (const auto mhz = ReadFrequency(inputField))
        return {TransmitFrequency::Value, *mhz};
    return {};
}

QString InvalidQuotesEntry(const QString& paddedLine) {
    return Entry(QStringLiteral("Memory not imported - invalid quotes: ") + paddedLine);
}

QString NotANumberEntry(const QString& field) {
    return Entry(QStringLiteral("Cannot import frequency, not a valid number:") + field);
}

QString FmNotImportedEntry(const QString& frequency) {
    return Entry(QStringLiteral("FM broadcast frequency not imported: ") + frequency);
}

QString FmFullEntry(const QString& frequency) {
    return Entry(QStringLiteral("FM Broadcast memories full. Frequency not imported: ") +
                 frequency);
}

QString RxOutsideBandEntry(const QString& frequency) {
    return Entry(QStringLiteral("Memory not imported - RX frequency outside of band limits: ") +
                 frequency);
}

QString RxStepEntry(const QString& frequency) {
    return Entry(QStringLiteral("Memory not imported - RX frequency uses unsupported step size: ") +
                 frequency);
}

QString NoStandardShiftEntry(const QString& frequency, int row) {
    return Entry(QStringLiteral("Warning - No standard shift direction available: ") + frequency) +
           Entry(QStringLiteral("You must manually set the TX frequency for memory #") +
                 QString::number(row));
}

QString TxOutsideBandEntry(const QString& frequency) {
    return Entry(QStringLiteral("Memory not imported - TX frequency outside of band limits: ") +
                 frequency);
}

QString ExceededEntry() {
    return Entry(QStringLiteral("File data exceeded available memories."));
}

LineOutcome ReadLine(const QString& line, const LineOptions& options) {
    LineOutcome outcome;
    if (!line.contains(Comma))
        return outcome;
    QStringList fields;
    if (!SplitLine(line, fields))
        return Refused(InvalidQuotesEntry(line + QString(LinePadding, Comma)));

    const FieldPositions& at = options.positions;
    const QString output = fields.value(at.outputFrequency);
    const auto rx = ReadFrequency(output);
    if (!rx)
        return Refused(NotANumberEntry(output));
    outcome.frequency = platform::NumberToText(*rx);
    if (IsFmBroadcast(*rx)) {
        outcome.kind = LineOutcome::FmStation;
        return outcome;
    }
    QString checked = outcome.frequency;
    if (!fr::IsFreqInRXBandLimits(checked, options.limits))
        return Refused(RxOutsideBandEntry(outcome.frequency));
    if (!fr::IsFreqStepValid(checked))
        return Refused(RxStepEntry(outcome.frequency));

    // On the raster, so a whole number of units.
    const auto rxTenHz = static_cast<int64_t>(std::llround(*rx * UnitsPerMHz));
    const TransmitFrequency tx = TransmitFrom(fields.value(at.inputFrequency), rxTenHz);
    Repeater& memory = outcome.memory;
    if (tx.kind == TransmitFrequency::Value) {
        // The transmit test reads "." whatever the locale.
        if (!fr::IsFreqInTXBandLimits(platform::NumberToText(tx.mhz, QLocale::c()), options.limits))
            return Refused(TxOutsideBandEntry(platform::NumberToText(tx.mhz)));
        memory.tx = CellText(tx.mhz);
    }
    outcome.noStandardShift = tx.kind == TransmitFrequency::NoStandardShift;
    memory.name = FixTag(fields.value(at.of(options.nameSource)), options.allowedTagCharacters);
    memory.rx = CellText(*rx);
    memory.tone = ToneText(fields.value(at.ctcssTones));
    memory.notes = fields.value(at.of(options.notesSource));
    outcome.kind = LineOutcome::Memory;
    return outcome;
}

} // namespace tpe
