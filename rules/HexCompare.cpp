#include "rules/HexCompare.h"

#include "platform/core/Codec.h"
#include "program/modFunctions.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace hexcompare {

namespace {
constexpr GridLayout HexLayout{18, 16, 325, true};
constexpr GridLayout BinaryLayout{9, 8, 1100, false};
} // namespace

GridLayout LayoutFor(bool binary) {
    return binary ? BinaryLayout : HexLayout;
}

int BytesPerRow(bool binary) {
    return LayoutFor(binary).bytesPerRow;
}

// The printable ASCII range, the curly single quotes and the upper half from
// the no-break space on; the controls and the rest of 0x80-0x9F are not text.
bool IsTxtChar(int value) {
    return (value >= 32 && value <= 126) || value == 145 || value == 146 ||
           (value >= 160 && value <= 255);
}

QString ByteCellText(uint8_t byte, bool binary) {
    const QString hex = QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
    return binary ? modFunctions::HexToBinary(hex) : hex;
}

QChar TextChar(uint8_t byte) {
    return IsTxtChar(byte) ? platform::ByteToChar(byte) : QLatin1Char('.');
}

QString AddressText(qint64 offset) {
    return QString::number(offset, 16).toUpper();
}

QString HeaderText(int column) {
    return QStringLiteral("%1").arg(column - 1, 2, 16, QLatin1Char('0')).toUpper();
}

int Percent(qint64 done, qint64 whole) {
    if (whole <= 0)
        return 100;
    return static_cast<int>(done * 100 / whole);
}

QString FillProgressText(int percent) {
    return QStringLiteral("Reading File 2: %1% Complete...").arg(percent);
}

QString CompareProgressText(int percent) {
    return QStringLiteral("Comparing Files: %1% Complete...").arg(percent);
}

QVector<int> DifferingColumns(const QStringList& rowA, const QStringList& rowB) {
    QVector<int> columns;
    const qsizetype common = std::min(rowA.size(), rowB.size());
    for (qsizetype i = 0; i < common; ++i) {
        if (rowA.at(i) != rowB.at(i))
            columns << static_cast<int>(i + 1);
    }
    return columns;
}

// Only a regular file has a length to read: a folder has no bytes, and a pipe
// or a device would keep the view reading for ever.
std::optional<QByteArray> ReadSourceFile(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(file.size());
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace hexcompare
