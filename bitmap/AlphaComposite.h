#pragma once

#include <cstdint>
#include <span>

namespace bitmap {

// Puts each pixel of a row-less run of blue, green, red, alpha pixels over a
// white background: every colour byte c becomes the rounded value of
// (c * alpha + 255 * (255 - alpha)) / 255 and alpha becomes 255. Opaque
// pixels keep their colour. A trailing part of fewer than 4 bytes is left
// alone.
void compositeOverWhite(std::span<uint8_t> bgraPixels);

}  // namespace bitmap
