#pragma once
// Measures in twips and colours as numbers, the way the program keeps them.

#include <cstdint>

namespace platform {

constexpr int TwipsPerPixel = 15;
int TwipsToPixels(int twips); // rounds to the nearest pixel
int PixelsToTwips(int pixels);

// Colours are 0x00BBGGRR numbers, or system colours 0x800000nn (stored as
// negative signed 32-bit numbers). Mapping system colours to a palette is in
// platform/widgets/Colors.h.
constexpr int32_t RgbNumber(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}
constexpr bool IsSystemColor(int32_t number) {
    return (static_cast<uint32_t>(number) & 0xFF000000u) == 0x80000000u;
}
constexpr int32_t SystemColor(int index) {
    return static_cast<int32_t>(0x80000000u | static_cast<uint32_t>(index));
}

constexpr int32_t ColorWindowBackground = SystemColor(0x05);
constexpr int32_t ColorWindowText = SystemColor(0x08);
constexpr int32_t ColorButtonFace = SystemColor(0x0F);
constexpr int32_t ColorButtonText = SystemColor(0x12);
constexpr int32_t ColorHighlight = SystemColor(0x0D);
constexpr int32_t ColorHighlightText = SystemColor(0x0E);

} // namespace platform
