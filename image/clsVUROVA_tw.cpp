// The TW exchange file: part of an image in address-tagged 64-byte blocks.

#include "image/SettingsLayout.h"
#include "image/clsVUROVA.h"

#include "platform/core/RuntimeError.h"
#include "platform/core/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>

namespace L = settingslayout;

namespace {

const QString TwReadFailure =
    QStringLiteral("Error reading TW file: may be unsupported or corrupt.");

constexpr uint8_t TwFileHead[4] = {0x02, 0x00, 0x00, 0x00};
constexpr int TwHeadLength = 4;
constexpr uint8_t PowerUpLine2Header[2] = {0x0E, 0x06};
constexpr char ImportedLine1[] = " UV2D";          // + 00: 6 bytes at 0x0E00
constexpr char ImportedSingleReceive[] = " UV2D "; // + 00: 7 bytes at 0x0E0C

enum TwArea { Records, Names, VfoRecords, BandLimits, Settings, VfoArea, PowerUpLine2 };

void AppendBlockHeader(QByteArray& out, int address, int headerLength) {
    out.append(static_cast<char>(address >> 8));
    out.append(static_cast<char>(address & 0xFF));
    for (int k = 2; k < headerLength; ++k)
        out.append('\0');
}

void AppendLE32(QByteArray& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.append(static_cast<char>((value >> shift) & 0xFF));
}

QByteArray BuildTwFile(const uint8_t* image) {
    QByteArray out;
    out.reserve(L::TwFileSize);
    out.append(reinterpret_cast<const char*>(TwFileHead), TwHeadLength);
    for (const L::TwArea& area : L::TwAreas) {
        for (int k = 0; k < area.length; ++k) {
            if (k % L::TwBlockSize == 0)
                AppendBlockHeader(out, area.start + k, area.headerLength);
            out.append(static_cast<char>(image[area.start + k]));
        }
    }
    out.append(QByteArray(L::TwFillerLength, static_cast<char>(0xFF)));
    for (const L::TwValueRun& run : L::TwValueRuns)
        for (int j = 0; j < run.count; ++j)
            AppendLE32(out, run.first + L::TwValueStep * static_cast<uint32_t>(j));
    return out;
}

// Walks a TW file the way the import reads it; every byte read or copied must
// lie inside the file, skipped headers need not.
class TwReader {
public:
    explicit TwReader(const QByteArray& file) : file_(file) {}

    void skip(int count) { pos_ += count; }

    bool next(uint8_t& byte) {
        if (pos_ >= file_.size())
            return false;
        byte = static_cast<uint8_t>(file_.at(pos_++));
        return true;
    }

    bool copyTo(uint8_t* dest, int count) {
        for (int k = 0; k < count; ++k)
            if (!next(dest[k]))
                return false;
        return true;
    }

private:
    const QByteArray& file_;
    qsizetype pos_ = TwHeadLength;
};

bool IsImportedSetting(int position) {
    for (const uint8_t code : L::TwImportedSettings)
        if (code == position)
            return true;
    return false;
}

bool ReadBlocks(TwReader& in, uint8_t* image, const L::TwArea& area, int count) {
    for (int k = 0; k < count; k += L::TwBlockSize) {
        in.skip(area.headerLength);
        if (!in.copyTo(image + area.start + k, L::TwBlockSize))
            return false;
    }
    return true;
}

bool ReadSettings(TwReader& in, uint8_t* image) {
    const L::TwArea& area = L::TwAreas[Settings];
    in.skip(area.headerLength);
    for (int p = 0; p < area.length; ++p) {
        uint8_t byte = 0;
        if (!in.next(byte))
            return false;
        if (IsImportedSetting(p))
            image[area.start + p] = byte;
    }
    return true;
}

// A file without the power-up line 2 block gets an empty line.
bool ReadPowerUpLine2(TwReader& in, uint8_t* image) {
    const L::TwArea& area = L::TwAreas[PowerUpLine2];
    uint8_t header[2] = {};
    if (!in.copyTo(header, 2))
        return false;
    if (std::memcmp(header, PowerUpLine2Header, 2) != 0) {
        std::memset(image + area.start, 0xFF, static_cast<size_t>(area.length));
        return true;
    }
    return in.copyTo(image + area.start, area.length);
}

// The band limits and the FM entries that share the VFO block stay the
// image's own.
bool ReadTwFile(const QByteArray& file, uint8_t* image) {
    TwReader in(file);
    const L::TwArea& vfo = L::TwAreas[VfoRecords];
    const L::TwArea& bandLimits = L::TwAreas[BandLimits];
    if (!ReadBlocks(in, image, L::TwAreas[Records], L::TwAreas[Records].length) ||
        !ReadBlocks(in, image, L::TwAreas[Names], L::TwAreas[Names].length))
        return false;
    in.skip(vfo.headerLength);
    if (!in.copyTo(image + vfo.start, L::TwVfoRecordsLength))
        return false;
    in.skip(vfo.length - L::TwVfoRecordsLength);
    in.skip(bandLimits.headerLength + bandLimits.length);
    if (!ReadSettings(in, image) ||
        !ReadBlocks(in, image, L::TwAreas[VfoArea], L::TwAreas[VfoArea].length) ||
        !ReadPowerUpLine2(in, image))
        return false;
    std::memcpy(image + L::PowerUpMsgLine1, ImportedLine1, sizeof ImportedLine1);
    std::memcpy(image + L::SingleReceiveMsg, ImportedSingleReceive, sizeof ImportedSingleReceive);
    return true;
}

// Reads no more of the file than an import can use. Returns the failure's
// description, empty on success.
QString ReadTwPrefix(const QString& path, QByteArray& bytes) {
    if (path.isEmpty() || !QFileInfo::exists(path))
        return platform::StandardDescription(platform::ErrFileNotFound);
    const QString refusal = platform::NotRegularFileReason(path);
    if (!refusal.isEmpty())
        return platform::FileErrorDescription(platform::ErrPathFileAccess, refusal);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return platform::FileErrorDescription(platform::ErrPathFileAccess, file.errorString());
    bytes = file.read(L::TwFileSize);
    if (file.error() != QFileDevice::NoError)
        return platform::FileErrorDescription(platform::ErrPathFileAccess, file.errorString());
    return QString();
}

} // namespace

void clsVUROVA::ExportTWFile(const QString& path) const {
    platform::WriteWholeFile(path, BuildTwFile(image_.data()));
}

bool clsVUROVA::ImportTWFile(const QString& path, QString& failureMessage) {
    failureMessage.clear();
    QByteArray file;
    const QString readFailure = ReadTwPrefix(path, file);
    if (!readFailure.isEmpty()) {
        failureMessage = TwReadFailure + readFailure;
        return false;
    }
    auto imported = image_;
    if (!ReadTwFile(file, imported.data())) {
        failureMessage = TwReadFailure;
        return false;
    }
    image_ = imported;
    filled_ = true;
    TWOriginFlag = true;
    return true;
}
