#pragma once
// Helpers for the image tests: images built from exact bytes, bytes read back,
// error numbers and the comma locale.

#include "image/clsVUROVA.h"
#include "platform/core/RuntimeError.h"
#include "support/TestBytes.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <ostream>

// Readable QString values in failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace imagetest {

constexpr int FullSize = 12292;

// "00 25 40 14" -> the four bytes.
inline QByteArray Hex(const char* spaced) {
    return QByteArray::fromHex(QByteArray(spaced));
}

using ::Bytes;

// Writes bytes into a full-size array at offset.
inline void Put(QByteArray& image, int offset, const QByteArray& bytes) {
    image.replace(offset, bytes.size(), bytes);
}

// Writes bytes into the image at offset, everything else kept.
inline void Put(clsVUROVA& image, int offset, const QByteArray& bytes) {
    QByteArray all = image.GetBytArry();
    all.replace(offset, bytes.size(), bytes);
    image.Sbyt(all);
}

inline void Put(clsVUROVA& image, int offset, std::initializer_list<int> values) {
    Put(image, offset, Bytes(values));
}

// The bytes of an image at offset.
inline QByteArray At(const clsVUROVA& image, int offset, int count) {
    return image.GetBytArry().mid(offset, count);
}

// Marks channel ch as in use (RX 145.00000 MHz).
inline void UseChannel(clsVUROVA& image, int ch) {
    Put(image, 16 * ch, {0x00, 0x00, 0x50, 0x14});
}

// Offsets whose bytes differ between two images.
inline QList<int> DifferingOffsets(const QByteArray& a, const QByteArray& b) {
    QList<int> offsets;
    for (int k = 0; k < a.size() && k < b.size(); ++k)
        if (a.at(k) != b.at(k))
            offsets << k;
    return offsets;
}

// The number of the RuntimeError an action raises, 0 when it raises none.
inline int ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const platform::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

using ::CommaLocale;
using ::LocaleGuard;

} // namespace imagetest
