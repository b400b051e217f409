#include "link/CloneProtocol.h"

#include "platform/core/Codec.h"
#include "platform/core/NumberText.h"

namespace clonelink {

namespace {

constexpr uint8_t HiVurovaBytes[] = {0x48, 0x69, 0x57, 0x4F, 0x55, 0x58, 0x55, 0x4E, 0x02};
constexpr uint8_t IdentifyByte = 0x02;
constexpr uint8_t Ack = 0x06;
constexpr uint8_t ReadHeader = 0x52;
constexpr uint8_t WriteHeader = 0x57;
constexpr uint8_t LongProbeAnswer[] = {0x06, 0x06, 0x4B, 0x47, 0x36, 0x36, 0x39, 0x56};
constexpr int ModelLength = 6;

template <size_t N> QByteArray bytesOf(const uint8_t (&data)[N]) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<int>(N));
}

QByteArray blockHeader(uint8_t header, int address, int length) {
    QByteArray frame(4, '\0');
    frame[0] = static_cast<char>(header);
    frame[1] = static_cast<char>((address >> 8) & 0xFF);
    frame[2] = static_cast<char>(address & 0xFF);
    frame[3] = static_cast<char>(length);
    return frame;
}

QString countedLine(const QString& head, const QByteArray& bytes) {
    return head + LogCount(static_cast<int>(bytes.size())) + QStringLiteral("]    ") +
           ParseBytes(bytes);
}

} // namespace

QByteArray HiVurovaCommand() {
    return bytesOf(HiVurovaBytes);
}
QByteArray IdentifyCommand() {
    return QByteArray(1, static_cast<char>(IdentifyByte));
}
QByteArray AckByte() {
    return QByteArray(1, static_cast<char>(Ack));
}

QByteArray ReadBlockCommand(int address) {
    return blockHeader(ReadHeader, address, ReadBlockSize);
}

QByteArray WriteBlockCommand(int address) {
    return blockHeader(WriteHeader, address, WriteBlockSize);
}

QString RadioModel() {
    return platform::BytesToText(bytesOf(LongProbeAnswer).mid(2));
}

ProbeAnswer ClassifyProbeAnswer(const QByteArray& answer) {
    if (answer == AckByte())
        return ProbeAnswer::Accepted;
    if (answer == bytesOf(LongProbeAnswer))
        return ProbeAnswer::AcceptedWithId;
    return ProbeAnswer::Refused;
}

QString ModelText(const QByteArray& answer) {
    if (answer.size() == IdentityReplyMin)
        return platform::BytesToText(answer.mid(0, ModelLength));
    if (answer.size() == IdentityReplyMin + 1)
        return platform::BytesToText(answer.mid(1, ModelLength));
    return QString();
}

QString ParseBytes(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

QString LogCount(int count) {
    return platform::FormatNumber(count, QStringLiteral("00"));
}

QString TxLine(const QString& time, const QByteArray& frame) {
    return countedLine(time + QStringLiteral("   TX --> ["), frame);
}

QString RxLine(const QString& time, const QByteArray& bytes) {
    return countedLine(time + QStringLiteral("   RX <-- ["), bytes);
}

QString NoResponseLine(const QString& time) {
    return time + QStringLiteral("   RX --> [00]    No Response");
}

QString BufferDumpLine(const QByteArray& bytes) {
    return countedLine(QStringLiteral("BUFFER DUMP <-- ["), bytes);
}

QString TimeOfDayStamp(double nowSeconds, double startSeconds) {
    constexpr float SecondsPerDay = 86400.0f;
    float elapsed = static_cast<float>(nowSeconds) - static_cast<float>(startSeconds);
    if (elapsed < 0)
        elapsed += SecondsPerDay;
    return platform::FormatNumber(elapsed, QStringLiteral("0.0000"));
}

QString CounterStamp(double nowSeconds, double startSeconds) {
    return platform::FormatNumber(nowSeconds - startSeconds, QStringLiteral("0.0000"));
}

int Percent(double value, double max) {
    return static_cast<int>(platform::RoundHalfEven(value * 100.0 / max));
}

} // namespace clonelink
