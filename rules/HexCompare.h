#pragma once
// What the hex compare view shows, without the grids: the texts of byte cells,
// addresses and headers, the row text, the shape of a grid in each mode, the
// progress texts, which cells of a row differ, and the reading of a file.
//
// Hexadecimal mode shows 16 bytes a row as two hexadecimal digits each, with
// the row as text in a last column; binary mode shows 8 bytes a row as eight
// binary digits each and no text.

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>
#include <optional>

namespace hexcompare {

// The source name of the document's own image.
inline const QString CurrentFileSource = QStringLiteral("<Current File>");

// The background colour of a cell that differs: pure red.
constexpr int32_t DifferenceColor = 255;

// The columns of a grid in one mode: column 0 the address, then the bytes,
// then (hexadecimal mode only) the text column.
struct GridLayout {
    int columns;
    int bytesPerRow;
    int byteWidth; // twips
    bool textColumn;
};
constexpr int AddressWidth = 1000;
constexpr int TextColumn = 17;
constexpr int TextWidth = 2000;

GridLayout LayoutFor(bool binary);
int BytesPerRow(bool binary);

// Whether a byte is shown as its character in the text column.
bool IsTxtChar(int value);

// "05", "A5"; in binary mode "00000101", "10100101".
QString ByteCellText(uint8_t byte, bool binary);
// The byte's character, or "." for one IsTxtChar refuses.
QChar TextChar(uint8_t byte);
// Offset of a row's first byte: upper-case hexadecimal without leading zeros.
QString AddressText(qint64 offset);
// Header of byte column c (1-based): its place in the row, "00", "01", ...
QString HeaderText(int column);

// Whole percent of done out of whole, truncated; a pass of one step (whole 0)
// is complete at once.
int Percent(qint64 done, qint64 whole);
QString FillProgressText(int percent);
QString CompareProgressText(int percent);

// The byte cells of one row in each grid, column 1 first. Returns the columns
// (1-based) whose texts differ; a column only one row has is not compared.
QVector<int> DifferingColumns(const QStringList& rowA, const QStringList& rowB);

// The whole file, or nothing when it is no regular file or cannot be read.
std::optional<QByteArray> ReadSourceFile(const QString& path);

} // namespace hexcompare
