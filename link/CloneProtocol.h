#pragma once
// The clone protocol's frames and the texts the transfer logs make of them.
// Plain functions over bytes and texts; the transfer windows call them.
//
// The radio talks at 9600 baud, 8 data bits, no parity, one stop bit; no frame
// carries a checksum.

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace clonelink {

constexpr int RadioImageSize = 8192;
constexpr int ReadBlockSize = 64;
constexpr int WriteBlockSize = 16;
constexpr int ReadBlockReplySize = 4 + ReadBlockSize; // echoed header, then the data
constexpr int BandLimitBlockAddress = 0x0970;
constexpr int IdentityReplyMin = 7;

// The wake-up frame.
QByteArray HiVurovaCommand();
QByteArray IdentifyCommand();
QByteArray AckByte();
// Read of the 64-byte block at address: header, address high and low, length.
QByteArray ReadBlockCommand(int address);
// Header of a 16-byte block write; the data follow as a second output.
QByteArray WriteBlockCommand(int address);

// The model text the radio must name.
QString RadioModel();

enum class ProbeAnswer { Refused, Accepted, AcceptedWithId };
// The one byte 06, or the eight bytes of two 06 followed by the model text.
ProbeAnswer ClassifyProbeAnswer(const QByteArray& answer);

// The model text of an identity answer: bytes 0-5 of a 7-byte answer, bytes
// 1-6 of an 8-byte one, the empty text for any other length.
QString ModelText(const QByteArray& answer);

// Two upper-case hex digits per byte, separated by one blank.
QString ParseBytes(const QByteArray& bytes);

// The byte count of a log line, at least two digits ("09", "68", "100").
QString LogCount(int count);
QString TxLine(const QString& time, const QByteArray& frame);
QString RxLine(const QString& time, const QByteArray& bytes);
QString NoResponseLine(const QString& time);
QString BufferDumpLine(const QByteArray& bytes);

// Log time stamps, "0.0000". The read log counts on the time-of-day clock in
// single precision, adding a day when the transfer crossed midnight; the write
// log on the high-resolution counter.
QString TimeOfDayStamp(double nowSeconds, double startSeconds);
QString CounterStamp(double nowSeconds, double startSeconds);

// value / max * 100 to the nearest whole number, halves to even.
int Percent(double value, double max);

} // namespace clonelink
