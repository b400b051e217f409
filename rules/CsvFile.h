#pragma once
// The CSV channel file as the program writes it: plain functions over the
// memory grid's texts and the column table, no widgets. The import reads the
// same layout, so the pieces it shares (the field names, the quotes) are here.
//
// Layout: lines end with CR LF; fields are separated by "," with nothing
// around them; the header names the fields by the columns' default captions.

#include "program/ProgramValues.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace csv {

using ColumnTableRecords = std::array<ColumnInfo, ColumnCount>;

inline const QString LineEnd = QStringLiteral("\r\n");
inline const QString FieldSeparator = QStringLiteral(",");
// The file dialogs' filter for CSV files.
inline const QString FileFilter = QStringLiteral("CSV Files (*.csv)|*.csv|All Files (*.*)|*.*");
// The header name of the channel-number field, grid column 0.
inline const QString NumberFieldName = QStringLiteral("#");

// The name of logical column k (1..10) in the header: its default caption
// without the blanks around it, whatever the user named the column. Empty
// for a k outside 1..10.
QString HeaderName(const ColumnTableRecords& table, int logicalColumn);

// One double quote before the text and one after; nothing inside is escaped.
QString AddQuotes(const QString& text);

struct ExportOptions {
    bool includeUnused = false;  // "Include Unused Channels"
    bool useQuotes = false;      // "Use Quotes for All Fields"
    bool leaveOutNumber = false; // "Leave Out # Field"
};

// The export text of a memory grid: rows holds its data rows (grid rows 1..)
// with the cells of grid columns 0..cols-1 as they read (a missing cell reads
// empty). One header line, then a line per used row (its RX frequency cell
// is not empty) or, with includeUnused, per row; every line ends with CR LF.
QString ExportText(const QList<QStringList>& rows, int cols, const ColumnTableRecords& table,
                   const ExportOptions& options);

// The bytes of the export file: the text, one more CR LF, through the
// single-byte codec.
QByteArray ExportFileBytes(const QString& text);

} // namespace csv
