#include "rules/CsvFile.h"

#include "platform/core/Codec.h"

namespace csv {
namespace {

// The logical column shown in grid column j: the first record that stands
// there (0 when none does).
int LogicalColumnAt(const ColumnTableRecords& table, int gridColumn) {
    for (int k = 1; k < ColumnCount; ++k)
        if (table[k].Order == gridColumn)
            return k;
    return 0;
}

// Appends fields as one line: quoted on request, "," between, CR LF after.
void AppendLine(QString& text, const QStringList& fields, bool useQuotes) {
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text += FieldSeparator;
        text += useQuotes ? AddQuotes(fields.at(i)) : fields.at(i);
    }
    text += LineEnd;
}

} // namespace

QString HeaderName(const ColumnTableRecords& table, int logicalColumn) {
    if (logicalColumn < 1 || logicalColumn >= ColumnCount)
        return QString();
    return table[logicalColumn].DefaultCaption.trimmed();
}

QString AddQuotes(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString ExportText(const QList<QStringList>& rows, int cols, const ColumnTableRecords& table,
                   const ExportOptions& options) {
    const int firstCol = options.leaveOutNumber ? 1 : 0;
    QStringList fields;

    if (!options.leaveOutNumber)
        fields << NumberFieldName;
    for (int j = 1; j < cols; ++j)
        fields << HeaderName(table, LogicalColumnAt(table, j));
    QString text;
    AppendLine(text, fields, options.useQuotes);

    const int rxCol = table[ColRXFreq].Order;
    for (const QStringList& row : rows) {
        if (!options.includeUnused && row.value(rxCol).isEmpty())
            continue;
        fields.clear();
        for (int c = firstCol; c < cols; ++c)
            fields << (c == 0 ? row.value(c).trimmed() : row.value(c));
        AppendLine(text, fields, options.useQuotes);
    }
    return text;
}

QByteArray ExportFileBytes(const QString& text) {
    return platform::TextToBytes(text + LineEnd);
}

} // namespace csv
