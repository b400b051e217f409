#include "support/PdfPages.h"

#include <QProcess>
#include <QRegularExpression>

namespace {

constexpr double TwipsPerPoint = 20.0;

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput())
        .normalized(QString::NormalizationForm_KC);
}

QString Unescape(QString text) {
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    text.replace(QStringLiteral("&#39;"), QStringLiteral("'"));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

QStringList PageArguments(int page) {
    return {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
            QString::number(page)};
}

} // namespace

int PdfPageCount(const QString& path) {
    static const QRegularExpression pages(QStringLiteral(R"(^Pages:\s+(\d+))"),
                                          QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = pages.match(Run(QStringLiteral("pdfinfo"), {path}));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QStringList PdfPageLines(const QString& path, int page) {
    const QString text = Run(QStringLiteral("pdftotext"),
                             PageArguments(page) +
                                 QStringList{QStringLiteral("-layout"), path, QStringLiteral("-")});
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line.remove(QLatin1Char('\f'));
    return lines;
}

QList<PdfWord> PdfPageWords(const QString& path, int page) {
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    const QString html =
        Run(QStringLiteral("pdftotext"),
            PageArguments(page) + QStringList{QStringLiteral("-bbox"), path, QStringLiteral("-")});
    QList<PdfWord> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        words.push_back({Unescape(m.captured(5)), m.captured(1).toDouble() * TwipsPerPoint,
                         m.captured(2).toDouble() * TwipsPerPoint,
                         m.captured(3).toDouble() * TwipsPerPoint,
                         m.captured(4).toDouble() * TwipsPerPoint});
    }
    return words;
}

const PdfWord* FindWord(const QList<PdfWord>& words, const QString& text) {
    for (const PdfWord& w : words) {
        if (w.text == text)
            return &w;
    }
    return nullptr;
}
