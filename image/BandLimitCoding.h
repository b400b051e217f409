#pragma once
// The radio's digit coding of a band-limit entry: four decimal digits of the
// limit in megahertz, thousands first, each digit stored as one nibble through
// a fixed table. Shared by the image and by the write to the radio, which
// decodes the radio's own table the same way.
//
//   nibble  7 A 0 9 B 2 E 1 3 F
//   digit   0 1 2 3 4 5 6 7 8 9      (4 5 6 8 C D stand for no digit)

#include <QString>
#include <cstdint>

// The limit of an entry as decimal text without leading zeros ("136"), from its
// byte at the lower address (first) and the one after it. Nibbles without a
// digit are skipped; an entry with no digit at all raises RuntimeError 13.
QString DecodeBandLimit(uint8_t first, uint8_t second);

// Codes text as an entry: "0000" put in front, the last four characters kept,
// which must all be decimal digits. Returns false (bytes untouched) otherwise.
bool EncodeBandLimit(const QString& text, uint8_t& first, uint8_t& second);
