#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

// Run-length encoded BMP pixel data: RLE8 (8 bpp), RLE4 (4 bpp) and OS/2's
// RLE24 (24 bpp, whose runs and literal pixels are blue, green, red bytes).
namespace bitmap {

// Gives the destination row for the n-th row of the file (0 = the first row
// in the file, the bottom one of a bottom-up picture).
using RleRowOf = std::function<std::span<uint8_t>(size_t fileRow)>;

struct RleShape {
    int bits = 8;  // 8 (RLE8), 4 (RLE4) or 24 (RLE24)
    size_t width = 0;
    size_t height = 0;
};

// True when the data reaches its end -- an end-of-picture code, or an end
// of line or delta past the last row -- before it runs out. Reads the data
// only, so a file can be refused before its picture is allocated.
bool bmpRleComplete(std::span<const uint8_t> data, const RleShape& shape);

// Writes the pixels of complete data into the rows (packed at shape.bits per
// pixel, leftmost pixel in the high bits of a byte); pixels the data skips keep what
// the rows held. What the data asks for outside the picture is clipped, as
// other readers do: a run or a literal run past the end of its row loses the
// pixels that do not fit, a delta past the right edge leaves the rest of
// that row alone, and a delta or an end of line past the last row ends the
// picture.
void expandBmpRle(std::span<const uint8_t> data, const RleShape& shape, const RleRowOf& rowOf);

}  // namespace bitmap
