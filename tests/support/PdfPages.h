#pragma once
// What a printed PDF file holds, read with poppler's pdfinfo and pdftotext.
// Texts come NFKC-normalised (a "fi" set as one ligature glyph reads "fi");
// positions are in twips from the page's top-left corner (1 pt = 20 twips).

#include <QList>
#include <QString>
#include <QStringList>

struct PdfWord {
    QString text;
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// The number of pages; 0 when the file cannot be read.
int PdfPageCount(const QString& path);
// Page n (1-based) laid out as text lines, as pdftotext -layout gives it.
QStringList PdfPageLines(const QString& path, int page);
// Every word of page n with its box.
QList<PdfWord> PdfPageWords(const QString& path, int page);
// The first word with this text, or nullptr.
const PdfWord* FindWord(const QList<PdfWord>& words, const QString& text);
