#include "bitmap/AlphaComposite.h"

namespace bitmap {

void compositeOverWhite(std::span<uint8_t> bgraPixels) {
    const size_t count = bgraPixels.size() / 4;
    uint8_t* p = bgraPixels.data();
    for (size_t i = 0; i < count; ++i, p += 4) {
        const unsigned alpha = p[3];
        if (alpha == 255)
            continue;
        for (int c = 0; c < 3; ++c)
            p[c] = overWhite(p[c], alpha);
        p[3] = 255;
    }
}

}  // namespace bitmap
