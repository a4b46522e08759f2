#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "bitmap/DibView.h"
#include "bitmap/DitherMethod.h"

// Reduces the pixels of a grey 4 or 8 bpp picture to black (index 0) and
// white (index 1) in place.
namespace bitmap {

// Grey value of each colour index: the blue byte of its table entry. Indices
// past the end of the table read as 0.
using GreyLevels = std::array<uint8_t, 256>;
GreyLevels greyLevels(std::span<const uint8_t> palette);

enum class DitherResult { ok, badRows, badMethod, outOfMemory };

// Replaces each pixel's index of a 4 or 8 bpp picture by 0 or 1 with the
// method, row by row from stored row 0 (the bottom row of the picture) and
// left to right, and clears the row padding. Only the threshold's value
// matters to Thresholding, Random and Floyd - Steinberg; the two matrix
// methods ignore it. badRows when the view's rows do not fit its block;
// nothing is changed unless the result is ok.
DitherResult ditherRows(const MutableDibView& picture, const GreyLevels& grey, int method,
                        uint8_t threshold);

// Sets colour-table entries 0 and 1 (when present) to black and white.
void setBlackAndWhiteEntries(std::span<uint8_t> palette);

}  // namespace bitmap
