#pragma once
// The TravelPlus repeater list (.tpe) as the import reads it: plain functions
// over texts and the band limits, no widgets. The document window walks the
// lines, keeps the memory row and the FM slots, and writes the cells.
//
// A list is comma-separated text. Line 1 names the fields; every other line
// is one repeater. A field may be enclosed in double quotes; a comma inside
// quotes stays in its field as a blank. Frequencies are megahertz written with
// "." whatever the user's locale (a list cannot carry a decimal comma), and
// are handed on as the canonical text of the value in the user's locale.

#include "rules/FrequencyRules.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace tpe {

// The names of the header, in the order the lists usually give them.
inline const QStringList HeaderNames = {
    QStringLiteral("Sequence Number"), QStringLiteral("Country"),
    QStringLiteral("State"),           QStringLiteral("Region"),
    QStringLiteral("Location"),        QStringLiteral("Output Frequency"),
    QStringLiteral("Input Frequency"), QStringLiteral("Call Sign"),
    QStringLiteral("Repeater Notes"),  QStringLiteral("CTCSS Tones"),
    QStringLiteral("Sponsor")};

// The fields a user may choose for the memory name and the notes, coded as
// the options dialog hands them back.
enum Source : int { Location = 0, Region = 1, CallSign = 2, Sponsor = 3 };

inline constexpr int LastRow = 128;
// FM broadcast memories: two banks of nine.
inline constexpr int FmBanks = 2;
inline constexpr int FmPositions = 9;

// The memory name made of a text: upper-cased, cut to six characters, every
// character outside `allowed` turned into a blank, blanks at both ends removed.
QString FixTag(const QString& name, const QString& allowed);

// The header line's fields: every double quote removed, blanks at both ends
// of the whole line removed (not around single names), split at ",".
QStringList HeaderFields(const QString& line);

// How many times the import has to ask whether to go on: once when the header
// has not exactly eleven fields, and once more for every field that is not
// one of HeaderNames (compared exactly, letter case included).
int HeaderDoubts(const QStringList& fields);

// Where the fields the import uses stand in a line. A name the header lacks
// reads the first field; a name given twice, its last place.
struct FieldPositions {
    int location = 0;
    int region = 0;
    int callSign = 0;
    int sponsor = 0;
    int outputFrequency = 0;
    int inputFrequency = 0;
    int ctcssTones = 0;

    int of(Source source) const;
};
FieldPositions PositionsOf(const QStringList& headerFields);

// A data line's fields, twelve commas appended first so that a short line
// still has every field. False when the line holds an odd number of double
// quotes; otherwise a comma inside quotes becomes a blank, the quotes go and
// each field loses the blanks at its ends.
bool SplitLine(const QString& line, QStringList& fields);

// A frequency field as a value: a number written with "." (blanks around it
// allowed), in megahertz.
std::optional<double> ReadFrequency(const QString& field);

// FM broadcast stations lie from 76 to 108 MHz, both included.
bool IsFmBroadcast(double mhz);

// The standard repeater offset of the band holding a receive frequency (both
// bounds included): 0.6 MHz for 144-148, 1.6 for 220-225, 5.0 for 420-450;
// in 10 Hz units, nullopt outside them.
std::optional<int64_t> StandardOffset(int64_t rxTenHz);

// The transmit frequency the Input Frequency field asks for.
struct TransmitFrequency {
    enum Kind { None, Value, NoStandardShift };
    Kind kind = None;
    double mhz = 0;
};
TransmitFrequency TransmitFrom(const QString& inputField, int64_t rxTenHz);

// The import's log entries, each ending with CR LF.
QString InvalidQuotesEntry(const QString& paddedLine);
QString NotANumberEntry(const QString& field);
QString FmNotImportedEntry(const QString& frequency);
QString FmFullEntry(const QString& frequency);
QString RxOutsideBandEntry(const QString& frequency);
QString RxStepEntry(const QString& frequency);
QString NoStandardShiftEntry(const QString& frequency, int row);
QString TxOutsideBandEntry(const QString& frequency);
QString ExceededEntry();

// A memory as the import writes it: cell texts. An empty tone leaves the
// Encode cell as the row's defaults set it.
struct Repeater {
    QString name;
    QString rx;
    QString tx;
    QString tone;
    QString notes;
};

// What one data line asks of the import.
struct LineOutcome {
    enum Kind {
        NoComma,   // not a repeater: the row is skipped, its memory untouched
        Refused,   // `entry` is logged, the row stays
        FmStation, // `frequency` goes to the next free FM memory
        Memory,    // `memory` goes to the row, which then advances
    };
    Kind kind = NoComma;
    QString entry;
    // The canonical frequency text of an FM station or of a memory's receive
    // frequency.
    QString frequency;
    Repeater memory;
    // The memory has no transmit frequency, since its band has no standard
    // shift; the import logs NoStandardShiftEntry with the row.
    bool noStandardShift = false;
};

struct LineOptions {
    FieldPositions positions;
    Source nameSource = Location;
    Source notesSource = CallSign;
    FrequencyRules::BandLimits limits;
    QString allowedTagCharacters;
};

LineOutcome ReadLine(const QString& line, const LineOptions& options);

} // namespace tpe
