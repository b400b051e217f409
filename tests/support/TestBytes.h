#pragma once
// Exact bytes written out in a test, and the comma locale a test sets for a
// while and then restores.

#include <QByteArray>
#include <QLocale>
#include <initializer_list>

// {0x06, 0x15} -> the two bytes.
inline QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (const int v : values)
        out.append(static_cast<char>(v));
    return out;
}

inline QLocale CommaLocale() {
    return QLocale(QLocale::German, QLocale::Germany);
}

struct LocaleGuard {
    QLocale saved;
    explicit LocaleGuard(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleGuard() { QLocale::setDefault(saved); }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;
};
