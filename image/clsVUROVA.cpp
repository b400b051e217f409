#include "image/clsVUROVA.h"

#include "image/ImageBytes.h"
#include "platform/core/RuntimeError.h"
#include "platform/core/WholeFile.h"
#include "program/ProgramValues.h"

#include <QFile>
#include <algorithm>
#include <cstring>
#include <numeric>

namespace {

// Sum of image bytes 0..12287 as unsigned values; at most 3,133,440.
uint32_t ByteSum(const uint8_t* bytes, int count) {
    return std::accumulate(bytes, bytes + count, uint32_t{0});
}

// Reads at most maxBytes from the start of the file into a zero-filled buffer of
// maxBytes; raises 53 or 75 when the file cannot be opened or read.
QByteArray ReadFileHead(const QString& path, int maxBytes) {
    const QString refusal = platform::NotRegularFileReason(path);
    if (!refusal.isEmpty()) {
        platform::RaiseFileError(path, refusal, true);
    }
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        platform::RaiseFileError(path, file.errorString(), true);
    }
    QByteArray buffer(maxBytes, '\0');
    qint64 total = 0;
    while (total < maxBytes) {
        const qint64 got = file.read(buffer.data() + total, maxBytes - total);
        if (got < 0) {
            platform::RaiseFileError(path, file.errorString(), true);
        }
        if (got == 0) {
            break;
        }
        total += got;
    }
    return buffer;
}

} // namespace

clsVUROVA::clsVUROVA() = default;

QString clsVUROVA::AllowedTagCharacters() const {
    return QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234567890?+ ");
}

void clsVUROVA::Sbyt(const QByteArray& bytes) {
    const int count = std::min(static_cast<int>(bytes.size()), FileSize());
    std::memcpy(image_.data(), bytes.constData(), static_cast<size_t>(count));
    filled_ = true;
}

void clsVUROVA::OpenFile(const QString& path) {
    const QByteArray scratch = ReadFileHead(path, FileSize());
    std::memcpy(image_.data(), scratch.constData(), image_.size());
    filled_ = true;
    TakeSnapshot();
    TWOriginFlag = false;
}

void clsVUROVA::SaveFile(const QString& path) {
    SetFileChecksum();
    platform::WriteWholeFile(path, GetBytArry());
    TakeSnapshot();
    TWOriginFlag = false;
}

void clsVUROVA::SetFileChecksum() {
    const uint32_t sum = ByteSum(image_.data(), ImageSize);
    setByte(ChecksumOffset, static_cast<uint8_t>(sum >> 24));
    setByte(ChecksumOffset + 1, static_cast<uint8_t>(sum >> 16));
    setByte(ChecksumOffset + 2, static_cast<uint8_t>(sum >> 8));
    setByte(ChecksumOffset + 3, static_cast<uint8_t>(sum));
}

bool clsVUROVA::VerifyChecksum(const QString& path) const {
    const QByteArray buffer = ReadFileHead(path, FileSize());
    const auto* bytes = reinterpret_cast<const uint8_t*>(buffer.constData());
    const uint32_t stored = uint32_t{bytes[ChecksumOffset]} << 24 |
                            uint32_t{bytes[ChecksumOffset + 1]} << 16 |
                            uint32_t{bytes[ChecksumOffset + 2]} << 8 | bytes[ChecksumOffset + 3];
    return stored == ByteSum(bytes, ImageSize);
}

bool clsVUROVA::IsFileLoaded() const {
    // Record 1 and the first byte of record 2 are all zero in a fresh image;
    // bytes that were handed in are data even when they are zero there too.
    return filled_ || ByteSum(At(16), 17) != 0;
}

bool clsVUROVA::IsUsedMemoryChannel(int ch) const {
    if (!IsMemoryChannel(ch)) {
        return false;
    }
    const uint8_t* rx = At(RecordOffset(ch) + RecRx);
    const bool allZero = std::all_of(rx, rx + 4, [](uint8_t b) { return b == 0x00; });
    const bool allErased = std::all_of(rx, rx + 4, [](uint8_t b) { return b == 0xFF; });
    return !allZero && !allErased;
}

bool clsVUROVA::IsDataChanged() const {
    if (!IsFileLoaded()) {
        return false;
    }
    return std::memcmp(image_.data(), snapshot_.data(), snapshot_.size()) != 0;
}

QByteArray clsVUROVA::GetBytArry() const {
    return QByteArray(reinterpret_cast<const char*>(image_.data()), FileSize());
}

void clsVUROVA::SetWriteBytes() const {
    Program().CloneWriteBuffer =
        QByteArray(reinterpret_cast<const char*>(image_.data()), RadioSize);
}

void clsVUROVA::TakeSnapshot() {
    std::copy_n(image_.begin(), snapshot_.size(), snapshot_.begin());
}

QString clsVUROVA::Hex2(uint8_t byte) {
    return imagebytes::Hex2(byte);
}
