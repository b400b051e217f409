#pragma once
// What the CSV import accepts, as plain functions over texts and the column
// table; the document's ImportCSV runs them line by line against its grid.
//
// The header names its fields by the columns' default captions ("Name",
// "RX Freq", ...) and "#" for the channel number, in any order and letter
// case; double quotes in it are ignored. Data fields are separated by ",", or,
// in a line that begins with a double quote, by a double quote followed by a
// comma.

#include "rules/CsvFile.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace csv {

// The log's entries: each text is followed by the line number, ": " and the
// field or line concerned, and every entry ends with CR LF.
inline const QString InvalidQuotesEntry =
    QStringLiteral("Memory not imported - invalid quotes. Line ");
inline const QString ChannelInvalidEntry =
    QStringLiteral("Memory not imported - channel number invalid. Line ");
inline const QString ChannelOutOfRangeEntry =
    QStringLiteral("Memory not imported - channel number out of range. Line ");
inline const QString RxNotNumberEntry =
    QStringLiteral("Memory not imported - RX frequency not a valid number. Line ");
inline const QString RxOutsideBandEntry =
    QStringLiteral("Memory not imported - RX frequency outside of band limits. Line ");
inline const QString RxStepEntry =
    QStringLiteral("Memory not imported - RX frequency uses unsupported step size. Line ");
inline const QString TxNotNumberEntry =
    QStringLiteral("Memory not imported - TX frequency not a valid number. Line ");
inline const QString TxOutsideBandEntry =
    QStringLiteral("Memory not imported - TX frequency outside of band limits. Line ");
inline const QString TxStepEntry =
    QStringLiteral("Memory not imported - TX frequency uses unsupported step size. Line ");
inline const QString ExceededEntry = QStringLiteral("File data exceeded available memories.");

// entry, line number, ": ", what was refused, CR LF.
QString LogEntry(const QString& entry, int lineNumber, const QString& refused);

// The message shown for a file whose header is refused.
QString InvalidHeaderMessage();

// The header line with every double quote taken out.
QString HeaderWithoutQuotes(const QString& line);

// Whether the (quote-free) header can be imported: every field that is not
// blank is one of the known names, letter case aside (a blank before or after
// a name makes it unknown), and a "#" anywhere means the first field is "#"
// (the channel number is always read from a line's first field).
bool IsValidHeader(const QString& header, const ColumnTableRecords& table);

// Channel-number mode: the header holds "#".
bool IsNumberedHeader(const QString& header);

// The grid column each header field fills, by position; 0 for "#", for a
// blank field and for a name that names no column.
QList<int> ColumnMap(const QString& header, const ColumnTableRecords& table);

// One double quote off the front and one off the end, each where there is
// one; the field itself becomes the result too.
QString StripQuotes(QString& field);

// The fields of a data line, each through StripQuotes, blanks kept. With
// protectQuotedCommas (a locale whose decimal separator is not ","): a line
// with an odd number of double quotes gives nothing (invalid quotes), and a
// comma between a pair of quotes is read as a blank instead of a separator.
std::optional<QStringList> SplitFields(const QString& line, bool protectQuotedCommas);

// A field as it goes into a cell: blanks around it removed, letters upper-
// cased where the single-byte code has the capital.
QString CellValue(const QString& field);

// A channel number field: the row it names (1..128), or why not.
enum class ChannelField { Valid, Invalid, OutOfRange };
ChannelField ReadChannelNumber(const QString& field, int& row);

} // namespace csv
