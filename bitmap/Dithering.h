#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "bitmap/DitherMethod.h"

// Reduces the pixels of a grey 4 or 8 bpp picture to black (index 0) and
// white (index 1) in place.
namespace bitmap {

// Grey value of each colour index: the blue byte of its table entry. Indices
// past the end of the table read as 0.
using GreyLevels = std::array<uint8_t, 256>;
GreyLevels greyLevels(std::span<const uint8_t> palette);

// The pixel rows of a 4 or 8 bpp picture in storage order (row 0 is the
// bottom row of the picture).
struct GreyRows {
    std::span<uint8_t> bytes;  // `height` rows of `stride` bytes
    size_t stride = 0;
    int width = 0;
    int height = 0;
    int bitCount = 8;  // 4 or 8
};

enum class DitherResult { ok, badRows, badMethod, outOfMemory };

// Replaces each pixel's index by 0 or 1 with the method, row by row from
// stored row 0 and left to right, and clears the row padding. Only the
// threshold's value matters to Thresholding, Random and Floyd - Steinberg;
// the two matrix methods ignore it. Nothing is changed unless the result is
// ok.
DitherResult ditherRows(const GreyRows& rows, const GreyLevels& grey, int method,
                        uint8_t threshold);

// Sets colour-table entries 0 and 1 (when present) to black and white.
void setBlackAndWhiteEntries(std::span<uint8_t> palette);

}  // namespace bitmap
