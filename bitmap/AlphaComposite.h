#pragma once

#include <cstdint>
#include <span>

namespace bitmap {

// One colour sample c with coverage alpha over white paper: the rounded
// value of (c * alpha + 255 * (255 - alpha)) / 255.
inline uint8_t overWhite(unsigned colour, unsigned alpha) {
    return static_cast<uint8_t>((colour * alpha + 255 * (255 - alpha) + 127) / 255);
}

// Puts each pixel of a row-less run of blue, green, red, alpha pixels over a
// white background: every colour byte c becomes overWhite(c, alpha) and
// alpha becomes 255. Opaque pixels keep their colour. A trailing part of
// fewer than 4 bytes is left alone.
void compositeOverWhite(std::span<uint8_t> bgraPixels);

}  // namespace bitmap
