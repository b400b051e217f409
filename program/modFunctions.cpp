#include "program/modFunctions.h"

#include "platform/core/NumberText.h"

#include <QFileInfo>

namespace modFunctions {

QString DecimalSeparator() { return platform::DecimalSeparator(); }

QString HexToBinary(const QString& hex) {
    QString bits;
    bits.reserve(hex.size() * 4);
    for (const QChar ch : hex) {
        const int digit = QString(ch).toInt(nullptr, 16);
        for (int bit = 3; bit >= 0; --bit)
            bits += (digit >> bit) & 1 ? QLatin1Char('1') : QLatin1Char('0');
    }
    return bits;
}

bool FileExists(const QString& path) {
    if (path.isEmpty())
        return false;
    return QFileInfo::exists(path);
}

} // namespace modFunctions
