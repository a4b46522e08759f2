#include "bitmap/AlphaComposite.h"

namespace bitmap {

void compositeOverWhite(std::span<uint8_t> bgraPixels) {
    const size_t count = bgraPixels.size() / 4;
    uint8_t* p = bgraPixels.data();
    for (size_t i = 0; i < count; ++i, p += 4) {
        const unsigned alpha = p[3];
        if (alpha == 255)
            continue;
        const unsigned white = 255 * (255 - alpha);
        for (int c = 0; c < 3; ++c)
            p[c] = static_cast<uint8_t>((p[c] * alpha + white + 127) / 255);
        p[3] = 255;
    }
}

}  // namespace bitmap
