#include "rules/ImportLines.h"

#include "platform/core/Codec.h"
#include "platform/core/WholeFile.h"

namespace importlines {
namespace {

constexpr QChar Cr(u'\r');
constexpr QChar Lf(u'\n');
constexpr QChar Blank(u' ');
constexpr QChar Quote(u'"');
constexpr QChar Comma(u',');

QStringList SplitAtLf(const QString& text) {
    QStringList lines = text.split(Lf);
    if (lines.last().isEmpty())
        lines.removeLast(); // the end of the last line
    return lines;
}

QStringList SplitAtCr(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype cr = text.indexOf(Cr, start);
        if (cr < 0)
            cr = text.size();
        lines << text.mid(start, cr - start);
        start = cr + 1;
        if (start < text.size() && text.at(start) == Lf)
            ++start;
    }
    return lines;
}

} // namespace

QStringList SplitLines(const QString& text) {
    if (text.isEmpty())
        return {};
    return text.contains(Cr) ? SplitAtCr(text) : SplitAtLf(text);
}

QStringList ReadLines(const QString& path) {
    return SplitLines(platform::BytesToText(platform::ReadWholeFile(path)));
}

QString TrimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == Blank)
        ++first;
    while (last > first && text.at(last - 1) == Blank)
        --last;
    return text.mid(first, last - first);
}

QString BlankQuotedCommas(QString line) {
    bool inside = false;
    for (QChar& ch : line) {
        if (ch == Quote)
            inside = !inside;
        else if (inside && ch == Comma)
            ch = Blank;
    }
    return line;
}

} // namespace importlines
