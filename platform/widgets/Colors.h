#pragma once
// Colour numbers (0x00BBGGRR, or system colours 0x800000nn) to QColor and back.

#include <QColor>
#include <QPalette>
#include <cstdint>

namespace platform {

// System colours map to palette roles: 0x05 window background (Base), 0x08
// window text (Text), 0x0F button face (Button), 0x12 button text (ButtonText),
// 0x0D/0x0E highlight and highlight text; the other indices to the nearest
// role (menu, tooltip, 3D shades, grey text), an unknown one to Base.
// Ordinary numbers use their low 24 bits: red, green, blue from low to high.
QColor ColorFromNumber(int32_t number, const QPalette& palette = QPalette());
int32_t NumberFromColor(const QColor& color);

} // namespace platform
