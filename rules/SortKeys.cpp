#include "rules/SortKeys.h"

#include <algorithm>

namespace sortkeys {

namespace {

constexpr int IntegerDigits = 3;

bool SameTones(const DupRow& a, const DupRow& b) {
    return a.decode == b.decode && a.encode == b.encode;
}

bool IsDuplicatePair(const DupRow& a, const DupRow& b, const DupOptions& options) {
    if (options.ignoreDifferentTones && !SameTones(a, b))
        return false;
    return !options.ignoreDifferentNames || a.name == b.name;
}

} // namespace

bool KeyLess(const Key& a, const Key& b) {
    const int byText = QString::compare(a.text, b.text, Qt::CaseInsensitive);
    if (byText != 0)
        return byText < 0;
    return QString::number(a.row) < QString::number(b.row);
}

QString PaddedFrequency(const QString& text, const QString& separator) {
    QString padded =
        text.isEmpty() ? QStringLiteral("0") + separator + QStringLiteral("000") : text;
    int integerPart = separator.isEmpty() ? -1 : static_cast<int>(padded.indexOf(separator));
    if (integerPart < 0)
        integerPart = static_cast<int>(padded.size());
    if (integerPart < IntegerDigits)
        padded.prepend(QString(IntegerDigits - integerPart, QLatin1Char('0')));
    return padded;
}

std::vector<int> SortedRows(const std::vector<SortRow>& rows, bool frequencyKey, bool descending,
                            const QString& separator) {
    std::vector<Key> keys;
    for (const SortRow& r : rows) {
        if (r.rx.isEmpty())
            continue;
        keys.push_back({frequencyKey ? PaddedFrequency(r.key, separator) : r.key, r.row});
    }
    std::sort(keys.begin(), keys.end(), KeyLess);
    if (descending)
        std::reverse(keys.begin(), keys.end());
    std::vector<int> order;
    order.reserve(keys.size());
    for (const Key& key : keys)
        order.push_back(key.row);
    return order;
}

DupResult FindDuplicates(const std::vector<DupRow>& rows, const DupOptions& options,
                         const QString& separator) {
    struct Entry {
        Key key;
        const DupRow* row;
    };
    std::vector<Entry> entries;
    for (const DupRow& r : rows) {
        if (!r.rx.isEmpty())
            entries.push_back({{PaddedFrequency(r.rx, separator), r.row}, &r});
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return KeyLess(a.key, b.key); });

    DupResult result;
    QString line;
    const auto closeLine = [&] {
        if (line.isEmpty())
            return;
        result.reportLines << QStringLiteral("Duplicates: ") + line;
        line.clear();
    };
    for (size_t i = 1; i < entries.size(); ++i) {
        const Key& a = entries[i - 1].key;
        const Key& b = entries[i].key;
        if (a.text != b.text) {
            closeLine();
            continue;
        }
        if (!IsDuplicatePair(*entries[i - 1].row, *entries[i].row, options))
            continue;
        if (options.deleteDuplicates)
            result.rowsToDelete.push_back(b.row);
        else if (line.isEmpty())
            line = QString::number(a.row) + QStringLiteral(", ") + QString::number(b.row);
        else
            line += QStringLiteral(", ") + QString::number(b.row);
    }
    closeLine();
    result.reportLines.sort(Qt::CaseSensitive);
    std::sort(result.rowsToDelete.begin(), result.rowsToDelete.end());
    return result;
}

QString ReportText(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

} // namespace sortkeys
