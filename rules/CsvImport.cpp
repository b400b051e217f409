#include "rules/CsvImport.h"

#include "image/clsVUROVA.h"
#include "platform/core/Codec.h"
#include "platform/core/NumberText.h"
#include "platform/core/ProgramTitle.h"
#include "rules/ImportLines.h"

namespace csv {
namespace {

using importlines::BlankQuotedCommas;
using importlines::TrimBlanks;

constexpr QChar Quote(u'"');
constexpr QChar Comma(u',');

QStringList KnownNames(const ColumnTableRecords& table) {
    QStringList names{NumberFieldName};
    for (int k = 1; k < ColumnCount; ++k)
        names << HeaderName(table, k);
    return names;
}

} // namespace

QString LogEntry(const QString& entry, int lineNumber, const QString& refused) {
    return entry + QString::number(lineNumber) + QStringLiteral(": ") + refused + LineEnd;
}

QString InvalidHeaderMessage() {
    return QStringLiteral("Error: the CSV file you are attempting to import does not contain a "
                          "valid header for ") +
           platform::ProgramTitle() + QStringLiteral("!") + LineEnd +
           QStringLiteral("Without a valid header, the CSV file cannot be imported.");
}

QString HeaderWithoutQuotes(const QString& line) {
    return QString(line).remove(Quote);
}

bool IsValidHeader(const QString& header, const ColumnTableRecords& table) {
    const QStringList fields = header.split(FieldSeparator);
    if (IsNumberedHeader(header) && fields.first() != NumberFieldName)
        return false;
    const QStringList names = KnownNames(table);
    for (const QString& field : fields) {
        if (TrimBlanks(field).isEmpty())
            continue;
        if (!names.contains(field, Qt::CaseInsensitive))
            return false;
    }
    return true;
}

bool IsNumberedHeader(const QString& header) {
    return header.contains(NumberFieldName);
}

QList<int> ColumnMap(const QString& header, const ColumnTableRecords& table) {
    QList<int> columns;
    for (const QString& field : header.split(FieldSeparator)) {
        const QString name = TrimBlanks(field);
        int column = 0;
        for (int k = 1; k < ColumnCount && !name.isEmpty(); ++k)
            if (name.compare(HeaderName(table, k), Qt::CaseInsensitive) == 0) {
                column = table[k].Order;
                break;
            }
        columns << column;
    }
    return columns;
}

QString StripQuotes(QString& field) {
    if (field.startsWith(Quote))
        field.remove(0, 1);
    if (field.endsWith(Quote))
        field.chop(1);
    return field;
}

std::optional<QStringList> SplitFields(const QString& line, bool protectQuotedCommas) {
    QString text = line;
    if (protectQuotedCommas) {
        const qsizetype quotes = line.count(Quote);
        if (quotes % 2 != 0)
            return std::nullopt;
        if (quotes > 0)
            text = BlankQuotedCommas(text);
    }
    QStringList fields =
        text.startsWith(Quote) ? text.split(QStringLiteral("\",")) : text.split(Comma);
    for (QString& field : fields)
        StripQuotes(field);
    return fields;
}

QString CellValue(const QString& field) {
    QString value = TrimBlanks(field);
    for (QChar& ch : value) {
        const QChar upper = ch.toUpper();
        if (platform::ByteToChar(platform::CharToByte(upper)) == upper)
            ch = upper;
    }
    return value;
}

ChannelField ReadChannelNumber(const QString& field, int& row) {
    if (!platform::IsLocaleNumber(field))
        return ChannelField::Invalid;
    const double number = platform::RoundHalfEven(platform::ToDouble(field));
    if (number < 1 || number > clsVUROVA::ChannelCount)
        return ChannelField::OutOfRange;
    row = static_cast<int>(number);
    return ChannelField::Valid;
}

} // namespace csv
