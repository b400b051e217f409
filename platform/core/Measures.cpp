#include "platform/core/Measures.h"

#include <cmath>

namespace platform {

int TwipsToPixels(int twips) {
    // 15 is odd, so a whole number of twips never lies halfway between pixels.
    return static_cast<int>(std::lround(static_cast<double>(twips) / TwipsPerPixel));
}

int PixelsToTwips(int pixels) {
    return pixels * TwipsPerPixel;
}

} // namespace platform
