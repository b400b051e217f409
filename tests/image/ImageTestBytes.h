#pragma once
// Helpers for the image tests: images built from exact bytes, bytes read back.

#include "image/clsVUROVA.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
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

// Writes bytes into a full-size array at offset.
inline void Put(QByteArray& image, int offset, const QByteArray& bytes) {
    image.replace(offset, bytes.size(), bytes);
}

// The bytes of an image at offset.
inline QByteArray At(const clsVUROVA& image, int offset, int count) {
    return image.GetBytArry().mid(offset, count);
}

// An image object holding the given full-size bytes, as a radio read leaves it.
inline void Load(clsVUROVA& image, const QByteArray& bytes) {
    image.Sbyt(bytes);
}

struct LocaleGuard {
    QLocale saved;
    explicit LocaleGuard(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleGuard() { QLocale::setDefault(saved); }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;
};

inline QLocale CommaLocale() {
    return QLocale(QLocale::German, QLocale::Germany);
}

} // namespace imagetest
