#include "link/BandLimitCompare.h"

#include "image/BandLimitCoding.h"

namespace clonelink {

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString Gap = QStringLiteral("   ");
const QString ColumnHeads = QStringLiteral("     Radio:    File:");

QString rangeLine(const QString& head, const QStringList& radio, const QStringList& file, int low) {
    return head + Gap + radio.value(low) + QLatin1Char('-') + radio.value(low + 1) + Gap +
           file.value(low) + QLatin1Char('-') + file.value(low + 1) + CrLf;
}

// One band: its receive pair starts at rxLow, its transmit pair at txLow.
QString bandBlock(int band, const QStringList& radio, const QStringList& file, int rxLow,
                  int txLow) {
    return QStringLiteral("Band ") + QString::number(band) + CrLf + ColumnHeads + CrLf +
           rangeLine(QStringLiteral("RX"), radio, file, rxLow) +
           rangeLine(QStringLiteral("TX"), radio, file, txLow);
}

} // namespace

QStringList DecodeBandLimits(const QByteArray& bandLimitBytes) {
    QStringList limits;
    for (int i = 0; i < BandLimitEntries; ++i) {
        const auto first = static_cast<uint8_t>(bandLimitBytes.at(2 * i));
        const auto second = static_cast<uint8_t>(bandLimitBytes.at(2 * i + 1));
        limits.append(DecodeBandLimit(first, second));
    }
    return limits;
}

bool BandLimitsDiffer(const QStringList& radio, const QStringList& file) {
    for (int i = 0; i < BandLimitEntries; ++i)
        if (radio.value(i) != file.value(i))
            return true;
    return false;
}

QString BandLimitComparisonText(const QStringList& radio, const QStringList& file) {
    return bandBlock(1, radio, file, 0, 4) + CrLf + bandBlock(2, radio, file, 2, 6);
}

} // namespace clonelink
