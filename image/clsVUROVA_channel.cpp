// The channel record, channel names and notes.

#include "image/ImageBytes.h"
#include "image/Tones.h"
#include "image/clsVUROVA.h"
#include "platform/core/Codec.h"
#include "platform/core/NumberText.h"
#include "platform/core/RuntimeError.h"
#include "program/ProgramValues.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int FrequencyDigits = 100000000; // eight BCD digits
constexpr double UnitsPerMHz = 100000.0;   // 10 Hz units

// Name character codes in code order: 0-9, A-Z, ?, +, blank.
const QString& NameAlphabet() {
    static const QString alphabet = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ?+ ");
    return alphabet;
}
constexpr uint8_t NameBlank = 38;
constexpr uint8_t NameNone = 0xFF;

constexpr uint8_t NotesEmpty = 0xFF;

} // namespace

// --- offsets ---

int clsVUROVA::RecordOffset(int ch) {
    if (ch < 1 || ch > VfoB) {
        throw platform::RuntimeError(platform::ErrSubscriptOutOfRange);
    }
    return RecordBase + RecordLength * ch;
}

int clsVUROVA::NameOffset(int ch) {
    if (!IsMemoryChannel(ch)) {
        throw platform::RuntimeError(platform::ErrSubscriptOutOfRange);
    }
    return NameBase + RecordLength * ch;
}

int clsVUROVA::NotesOffset(int ch) {
    if (!IsMemoryChannel(ch)) {
        throw platform::RuntimeError(platform::ErrSubscriptOutOfRange);
    }
    return NotesBase + NotesLength * (ch - 1);
}

// --- frequency fields ---

QString clsVUROVA::FrequencyText(int offset) const {
    const uint8_t* field = At(offset);
    if (!std::all_of(field, field + 4, imagebytes::IsBcd)) {
        return QString();
    }
    int units = 0;
    for (int k = 3; k >= 0; --k) {
        units = units * 100 + imagebytes::FromBcd(field[k]);
    }
    return platform::FormatNumber(units / UnitsPerMHz, Program().FrequencyFormat);
}

bool clsVUROVA::setFrequencyText(int offset, const QString& text) {
    if (platform::Val(text) == 0) {
        return false;
    }
    // The text is decimal: settle the binary noise of the product first, so a
    // typed half step (144.000015) rounds to even as the half it is.
    const double exact = std::round(platform::ToDouble(text) * UnitsPerMHz * 1e6) / 1e6;
    const double product = platform::RoundHalfEven(exact);
    if (!std::isfinite(product) || product < 0) {
        throw platform::RuntimeError(platform::ErrOverflow);
    }
    // Only eight digits fit; a caller validates the range before it gets here.
    int units = static_cast<int>(std::fmod(product, FrequencyDigits));
    uint8_t* field = At(offset);
    for (int k = 0; k < 4; ++k) {
        field[k] = imagebytes::ToBcd(units % 100);
        units /= 100;
    }
    return true;
}

QString clsVUROVA::RXFrequency(int ch) const {
    return FrequencyText(RecordOffset(ch) + RecRx);
}

void clsVUROVA::setRXFrequency(int ch, const QString& text) {
    setFrequencyText(RecordOffset(ch) + RecRx, text);
}

QString clsVUROVA::TXFrequency(int ch) const {
    return FrequencyText(RecordOffset(ch) + RecTx);
}

void clsVUROVA::setTXFrequency(int ch, const QString& text) {
    const int offset = RecordOffset(ch) + RecTx;
    if (!setFrequencyText(offset, text)) {
        std::fill_n(At(offset), 4, uint8_t{0xFF});
    }
}

void clsVUROVA::BlankMemory(int ch) {
    if (!IsMemoryChannel(ch)) {
        return;
    }
    std::fill_n(At(RecordOffset(ch)), RecordLength, uint8_t{0xFF});
    std::fill_n(At(NameOffset(ch)), NameLength, uint8_t{0xFF});
    // Notes that came with the image survive a TW import's blanking.
    if (!TWOriginFlag) {
        std::fill_n(At(NotesOffset(ch)), NotesLength, NotesEmpty);
    }
}

// --- name ---

QString clsVUROVA::NameCodeText(uint8_t code) {
    return code < NameAlphabet().size() ? QString(NameAlphabet().at(code)) : QString();
}

uint8_t clsVUROVA::NameCharCode(QChar ch) {
    const auto code = NameAlphabet().indexOf(ch);
    return code < 0 ? NameBlank : static_cast<uint8_t>(code);
}

QString clsVUROVA::Name(int ch) const {
    if (!IsMemoryChannel(ch)) {
        return QString();
    }
    const uint8_t* field = At(NameOffset(ch));
    QString name;
    for (int k = 0; k < NameLength; ++k) {
        name += NameCodeText(field[k]);
    }
    return name;
}

void clsVUROVA::setName(int ch, const QString& text) {
    if (!IsMemoryChannel(ch)) {
        return;
    }
    uint8_t* field = At(NameOffset(ch));
    std::fill_n(field, NameLength, NameNone);
    const int count = std::min(static_cast<int>(text.size()), NameLength);
    for (int k = 0; k < count; ++k) {
        field[k] = NameCharCode(text.at(k));
    }
}

// --- notes ---

QString clsVUROVA::Group(int ch) const {
    if (!IsMemoryChannel(ch)) {
        return QString();
    }
    const uint8_t* field = At(NotesOffset(ch));
    QString notes;
    for (int k = 0; k < NotesLength; ++k) {
        if (field[k] != 0x00 && field[k] != NotesEmpty) {
            notes += platform::ByteToChar(field[k]);
        }
    }
    return notes;
}

void clsVUROVA::setGroup(int ch, const QString& text) {
    if (!IsMemoryChannel(ch)) {
        return;
    }
    uint8_t* field = At(NotesOffset(ch));
    std::fill_n(field, NotesLength, NotesEmpty);
    const int count = std::min(static_cast<int>(text.size()), NotesLength);
    for (int k = 0; k < count; ++k) {
        field[k] = platform::CharToByte(text.at(k));
    }
}

// --- tones ---

QString clsVUROVA::ToneField(int offset) const {
    return tones::ToneText(imagebytes::GetLE16(At(offset)));
}

void clsVUROVA::setToneField(int offset, const QString& text) {
    imagebytes::SetLE16(At(offset), tones::ToneCode(text));
}

QString clsVUROVA::Decode(int ch) const {
    return ToneField(RecordOffset(ch) + RecDecode);
}

void clsVUROVA::setDecode(int ch, const QString& text) {
    setToneField(RecordOffset(ch) + RecDecode, text);
}

QString clsVUROVA::Encode(int ch) const {
    return ToneField(RecordOffset(ch) + RecEncode);
}

void clsVUROVA::setEncode(int ch, const QString& text) {
    setToneField(RecordOffset(ch) + RecEncode, text);
}

int clsVUROVA::DCSToLong(const QString& text) const {
    return tones::DCSToLong(text);
}

QString clsVUROVA::LongToDCS(int value) const {
    return tones::LongToDCS(value);
}

// --- flags: each reads and writes its own bit only ---

QString clsVUROVA::TXPower(int ch) const {
    return GetBit(RecordOffset(ch) + RecFlags2, BitHighPower) ? QStringLiteral("HIGH")
                                                              : QStringLiteral("LOW");
}

void clsVUROVA::setTXPower(int ch, const QString& text) {
    SetBit(RecordOffset(ch) + RecFlags2, BitHighPower, text == QLatin1String("LOW") ? 0 : 1);
}

QString clsVUROVA::ScanAdd(int ch) const {
    return GetBit(RecordOffset(ch) + RecFlags2, BitScan) ? QStringLiteral("ON")
                                                         : QStringLiteral("OFF");
}

void clsVUROVA::setScanAdd(int ch, const QString& text) {
    SetBit(RecordOffset(ch) + RecFlags2, BitScan, text == QLatin1String("ON") ? 1 : 0);
}

QString clsVUROVA::WN(int ch) const {
    return GetBit(RecordOffset(ch) + RecFlags2, BitWide) ? QStringLiteral("WIDE")
                                                         : QStringLiteral("NARR");
}

void clsVUROVA::setWN(int ch, const QString& text) {
    SetBit(RecordOffset(ch) + RecFlags2, BitWide, text == QLatin1String("NARR") ? 0 : 1);
}

QString clsVUROVA::BusyLock(int ch) const {
    return GetBit(RecordOffset(ch) + RecFlags1, BitBusyLock) ? QStringLiteral("ON")
                                                             : QStringLiteral("OFF");
}

void clsVUROVA::setBusyLock(int ch, const QString& text) {
    SetBit(RecordOffset(ch) + RecFlags1, BitBusyLock, text == QLatin1String("ON") ? 1 : 0);
}
