#pragma once
// Colour numbers (0x00BBGGRR, or system colours 0x800000nn) to QColor and back.

#include <QColor>
#include <QPalette>
#include <cstdint>

namespace platform {

// System colours map to palette roles: 0x05 window background (Base), 0x08
// window text (Text), 0x0F button face (Button), 0x12 button text (ButtonText),
// 0x0D/0x0E highlight and highlight text. Other system indices fall back to
// the window background / text.
QColor ColorFromNumber(int32_t number, const QPalette& palette = QPalette());
int32_t NumberFromColor(const QColor& color);

} // namespace platform
