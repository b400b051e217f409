#include "platform/widgets/Colors.h"

#include "platform/core/Measures.h"

namespace platform {
namespace {

struct SystemRole {
    int index;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr SystemRole SystemRoles[] = {
    {0x00, QPalette::Active, QPalette::Mid},             // scroll bar
    {0x01, QPalette::Active, QPalette::Dark},            // desktop
    {0x02, QPalette::Active, QPalette::Highlight},       // active title bar
    {0x03, QPalette::Inactive, QPalette::Highlight},     // inactive title bar
    {0x04, QPalette::Active, QPalette::Window},          // menu bar
    {0x05, QPalette::Active, QPalette::Base},            // window background
    {0x06, QPalette::Active, QPalette::Shadow},          // window frame
    {0x07, QPalette::Active, QPalette::WindowText},      // menu text
    {0x08, QPalette::Active, QPalette::Text},            // window text
    {0x09, QPalette::Active, QPalette::HighlightedText}, // title bar text
    {0x0A, QPalette::Active, QPalette::Window},          // active border
    {0x0B, QPalette::Inactive, QPalette::Window},        // inactive border
    {0x0C, QPalette::Active, QPalette::Dark},            // MDI workspace
    {0x0D, QPalette::Active, QPalette::Highlight},       // highlight
    {0x0E, QPalette::Active, QPalette::HighlightedText}, // highlight text
    {0x0F, QPalette::Active, QPalette::Button},          // button face
    {0x10, QPalette::Active, QPalette::Dark},            // button shadow
    {0x11, QPalette::Disabled, QPalette::Text},          // grey text
    {0x12, QPalette::Active, QPalette::ButtonText},      // button text
    {0x13, QPalette::Inactive, QPalette::WindowText},    // inactive title text
    {0x14, QPalette::Active, QPalette::Light},           // button highlight
    {0x15, QPalette::Active, QPalette::Shadow},          // 3D dark shadow
    {0x16, QPalette::Active, QPalette::Midlight},        // 3D light
    {0x17, QPalette::Active, QPalette::ToolTipText},     // tooltip text
    {0x18, QPalette::Active, QPalette::ToolTipBase},     // tooltip background
};

QColor SystemColorFrom(int index, const QPalette& palette) {
    for (const SystemRole& entry : SystemRoles) {
        if (entry.index == index) {
            return palette.color(entry.group, entry.role);
        }
    }
    return palette.color(QPalette::Active, QPalette::Base);
}

} // namespace

QColor ColorFromNumber(int32_t number, const QPalette& palette) {
    if (IsSystemColor(number)) {
        return SystemColorFrom(static_cast<int>(static_cast<uint32_t>(number) & 0x00FFFFFFu),
                               palette);
    }
    const uint32_t bgr = static_cast<uint32_t>(number);
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

int32_t NumberFromColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return RgbNumber(rgb.red(), rgb.green(), rgb.blue());
}

} // namespace platform
