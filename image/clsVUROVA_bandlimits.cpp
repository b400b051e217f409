// The band-limit table, its digit coding and the bit routines of the flags.

#include "image/BandLimitCoding.h"
#include "image/ImageBytes.h"
#include "image/Tones.h"
#include "image/clsVUROVA.h"
#include "platform/core/RuntimeError.h"

#include <array>

namespace {

// Nibble that codes each decimal digit 0..9.
constexpr std::array<uint8_t, 10> BandDigitTable = {0x7, 0xA, 0x0, 0x9, 0xB,
                                                    0x2, 0xE, 0x1, 0x3, 0xF};

// The digit a nibble codes, or -1 for the six nibbles that code none.
int DigitOfNibble(uint8_t nibble) {
    for (int digit = 0; digit < 10; ++digit) {
        if (BandDigitTable[static_cast<size_t>(digit)] == nibble) {
            return digit;
        }
    }
    return -1;
}

} // namespace

QString DecodeBandLimit(uint8_t first, uint8_t second) {
    const std::array<uint8_t, 4> nibbles = {
        static_cast<uint8_t>(first >> 4), static_cast<uint8_t>(first & 0x0F),
        static_cast<uint8_t>(second >> 4), static_cast<uint8_t>(second & 0x0F)};
    int value = 0;
    bool anyDigit = false;
    for (const uint8_t nibble : nibbles) {
        const int digit = DigitOfNibble(nibble);
        if (digit >= 0) {
            value = value * 10 + digit;
            anyDigit = true;
        }
    }
    if (!anyDigit) {
        throw platform::RuntimeError(platform::ErrTypeMismatch);
    }
    return QString::number(value);
}

bool EncodeBandLimit(const QString& text, uint8_t& first, uint8_t& second) {
    const QString digits = (QStringLiteral("0000") + text).right(4);
    std::array<uint8_t, 4> nibbles{};
    for (int k = 0; k < 4; ++k) {
        const char16_t ch = digits.at(k).unicode();
        if (ch < u'0' || ch > u'9') {
            return false;
        }
        nibbles[static_cast<size_t>(k)] = BandDigitTable[static_cast<size_t>(ch - u'0')];
    }
    first = static_cast<uint8_t>(nibbles[0] << 4 | nibbles[1]);
    second = static_cast<uint8_t>(nibbles[2] << 4 | nibbles[3]);
    return true;
}

QString clsVUROVA::BandLimit(int index) const {
    if (index < 0 || index >= BandLimitCount) {
        throw platform::RuntimeError(platform::ErrSubscriptOutOfRange);
    }
    const int offset = BandLimitBase + 2 * index;
    return DecodeBandLimit(Byte(offset), Byte(offset + 1));
}

void clsVUROVA::setBandLimit(int index, const QString& text) {
    if (index < 0 || index >= BandLimitCount) {
        throw platform::RuntimeError(platform::ErrSubscriptOutOfRange);
    }
    uint8_t first = 0;
    uint8_t second = 0;
    if (EncodeBandLimit(text, first, second)) {
        const int offset = BandLimitBase + 2 * index;
        setByte(offset, first);
        setByte(offset + 1, second);
    }
}

QStringList clsVUROVA::GetTone_OPT() const {
    return tones::ToneList();
}

int clsVUROVA::GetBit(int offset, int bit) const {
    return imagebytes::GetBit(Byte(offset), bit);
}

void clsVUROVA::SetBit(int offset, int bit, int value) {
    setByte(offset, imagebytes::WithBit(Byte(offset), bit, value));
}
