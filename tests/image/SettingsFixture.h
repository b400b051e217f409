#pragma once
// Byte-level helpers for the settings, VFO, FM and TW tests.

#include "image/clsVUROVA.h"
#include "platform/core/RuntimeError.h"

#include <QByteArray>
#include <QLocale>
#include <functional>
#include <initializer_list>

namespace settingstest {

// The image's bytes at offset.
inline QByteArray BytesAt(const clsVUROVA& image, int offset, int count) {
    return image.GetBytArry().mid(offset, count);
}

inline QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (const int v : values)
        out.append(static_cast<char>(v));
    return out;
}

// Writes bytes into the image at offset, everything else kept.
inline void PutBytes(clsVUROVA& image, int offset, const QByteArray& bytes) {
    QByteArray all = image.GetBytArry();
    all.replace(offset, bytes.size(), bytes);
    image.Sbyt(all);
}

inline void PutBytes(clsVUROVA& image, int offset, std::initializer_list<int> values) {
    PutBytes(image, offset, Bytes(values));
}

// Marks channel ch as in use (RX 145.00000 MHz).
inline void UseChannel(clsVUROVA& image, int ch) {
    PutBytes(image, 16 * ch, {0x00, 0x00, 0x50, 0x14});
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

// A comma-decimal locale for the life of the object.
class CommaLocale {
public:
    CommaLocale() : previous_(QLocale()) {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    ~CommaLocale() { QLocale::setDefault(previous_); }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

private:
    QLocale previous_;
};

} // namespace settingstest
