#pragma once
// The lines of an imported text file (CSV, TravelPlus), read whole and split
// in memory. A file that holds any CR is split at CR LF or a lone CR, and a
// lone LF stays inside its line; a file without a CR is split at every LF.
// Either way a line end at the very end of the file starts no further line,
// so the same lines with CR LF or LF ends read alike.

#include <QString>
#include <QStringList>

namespace importlines {

// The lines of a file's text (single-byte code already decoded). An empty
// text has no lines.
QStringList SplitLines(const QString& text);

// The lines of the file at path, its bytes through the single-byte codec.
// Raises 53 or 75 as ReadWholeFile does.
QStringList ReadLines(const QString& path);

// The text without the blanks at either end; other white space belongs to it.
QString TrimBlanks(const QString& text);

// The line with every comma between a pair of double quotes turned into a
// blank; the quotes stay.
QString BlankQuotedCommas(QString line);

} // namespace importlines
