#pragma once
// Small typed accessors over raw image bytes: packed BCD, 16-bit words, bits.
// Every field member of the image is a few lines on top of these.

#include <QString>
#include <cstdint>

namespace imagebytes {

// A byte whose two nibbles are both decimal digits.
constexpr bool IsBcd(uint8_t byte) {
    return (byte >> 4) <= 9 && (byte & 0x0F) <= 9;
}

// The two digits of a BCD byte as a number 0..99; only meaningful when IsBcd.
constexpr int FromBcd(uint8_t byte) {
    return (byte >> 4) * 10 + (byte & 0x0F);
}

// The last two decimal digits of value (0..99 after % 100) as a BCD byte.
constexpr uint8_t ToBcd(int value) {
    return static_cast<uint8_t>(((value / 10) % 10) << 4 | (value % 10));
}

// Little-endian word: low byte at p[0].
constexpr uint16_t GetLE16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}
inline void SetLE16(uint8_t* p, uint16_t value) {
    p[0] = static_cast<uint8_t>(value & 0xFF);
    p[1] = static_cast<uint8_t>(value >> 8);
}

// Big-endian word: high byte at p[0].
constexpr uint16_t GetBE16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] << 8 | p[1]);
}
inline void SetBE16(uint8_t* p, uint16_t value) {
    p[0] = static_cast<uint8_t>(value >> 8);
    p[1] = static_cast<uint8_t>(value & 0xFF);
}

// Bit 0 is the least significant.
constexpr int GetBit(uint8_t byte, int bit) {
    return (byte >> bit) & 1;
}
constexpr uint8_t WithBit(uint8_t byte, int bit, int value) {
    return value ? static_cast<uint8_t>(byte | (1u << bit))
                 : static_cast<uint8_t>(byte & ~(1u << bit));
}

// Two upper-case hexadecimal digits, "0A", "FF".
inline QString Hex2(uint8_t byte) {
    return QString::number(byte, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

} // namespace imagebytes
