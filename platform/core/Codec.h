#pragma once
// The single-byte codec of every byte-to-text conversion in the program:
// Windows-1252, with its five undefined bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// kept as U+0081 and the like, so that all 256 bytes round-trip.

#include <QByteArray>
#include <QChar>
#include <QString>

namespace platform {

QChar ByteToChar(unsigned char byte);
// A character the codec cannot represent becomes '?'.
unsigned char CharToByte(QChar ch);

QString BytesToText(const QByteArray& bytes);
QByteArray TextToBytes(const QString& text);

} // namespace platform
