#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "bitmap/DibView.h"

// One-bit pictures as displays and their tools take them: PBM (binary,
// P4), XBM, and C source arrays for display drivers. A pixel is white when
// its colour is at least middle grey (luma 0.299 R + 0.587 G + 0.114 B), so
// a black-and-white picture (indices 0 and 1) comes out exactly.
namespace bitmap {

// How a C array packs the pixels.
enum class CArrayLayout {
    // Rows from the top, ceil(width / 8) bytes each, the leftmost pixel in
    // the most significant bit (the common graphics-library bitmap).
    horizontal,
    // Pages of 8 rows from the top, one byte per column, the page's top row
    // in the least significant bit (the RAM of SSD1306-class controllers).
    vertical,
    // Rows from the top, the leftmost pixel in the least significant bit,
    // as XBM stores them.
    xbm,
};

struct CArrayOptions {
    CArrayLayout layout = CArrayLayout::horizontal;
    // Set bits are white pixels (lit on an OLED); inverted, they are black.
    bool invert = false;

    bool operator==(const CArrayOptions&) const = default;
};

// True for the white pixels of a 1, 4, 8 or 24 bpp picture, row by row
// from the top. Empty when the view holds no rows.
std::vector<std::vector<bool>> whitePixels(const DibView& picture);

// The file bytes of each form. Bits past the picture's right edge (and, in
// the vertical layout, below its bottom) are 0.
std::vector<uint8_t> encodePbm(const DibView& picture);
// XBM sets a bit for each black pixel.
std::string encodeXbm(const DibView& picture, std::string_view name);
std::string encodeCArray(const DibView& picture, std::string_view name,
                         const CArrayOptions& options);

// A C identifier made from a file name: the name without its folder and
// extension, every character that cannot be in an identifier replaced by
// "_", and "_" put first when it starts with a digit ("2.9in logo.c" gives
// "_2_9in_logo"). "picture" when nothing is left.
std::string identifierFromPath(std::string_view path);

}  // namespace bitmap
