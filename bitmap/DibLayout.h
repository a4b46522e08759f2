#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Where the parts of a packed device-independent bitmap lie: the header
// (the 40-byte info header, a longer one or the old 12-byte core header),
// the bit-field masks some 16 and 32 bpp pictures carry, the colour table
// and the pixel rows, each padded to a multiple of 4 bytes.
namespace bitmap {

constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kCoreHeaderSize = 12;

// Limits on pictures built from untrusted sizes. Every allocation sized from
// file data or user input is checked against these first.
constexpr int64_t kMaxDimension = 1 << 20;
constexpr int64_t kMaxPixels = int64_t{1} << 28;

// biCompression values.
constexpr uint32_t kPlainRows = 0;
constexpr uint32_t kRunLength8 = 1;
constexpr uint32_t kRunLength4 = 2;
constexpr uint32_t kBitFields = 3;

struct DibLayout {
    uint32_t headerSize = 0;  // 40 or more, 12 for the core header, 0 for bare rows
    int32_t width = 0;
    int32_t height = 0;     // number of rows
    bool topDown = false;   // rows stored top row first
    uint16_t bitCount = 0;  // bits per pixel
    uint32_t compression = kPlainRows;
    uint32_t colourCount = 0;      // entries in the colour table
    uint32_t colourEntrySize = 4;  // blue, green, red, reserved; 3 for the core header
    uint64_t paletteOffset = 0;    // from the start of the block
    uint64_t pixelOffset = 0;      // first stored row, from the start of the block
    uint64_t stride = 0;           // bytes per stored row

    // Run-length pictures keep their pixels as a byte stream, not in rows.
    bool hasRows() const { return compression != kRunLength8 && compression != kRunLength4; }
};

enum class DibCheck {
    ok,
    negativeSize,  // negative width, or a negative height where rows must run bottom up
    unusable,      // unknown header or depth, sizes out of range, or a block too short
};

enum class RowOrder {
    bottomUp,     // the packed DIB of the clipboard and the document
    eitherOrder,  // a negative height declares uncompressed rows stored top row first
};

// Reads the header of a packed DIB and checks that the block holds the
// header, the colour table and every pixel row it declares (for run-length
// pictures: the header and the table). 1, 4 and 8 bpp pictures get at most
// the table their depth can index; 16, 24 and 32 bpp pictures keep a table
// of up to 256 declared entries.
DibCheck readDibLayout(std::span<const uint8_t> block, DibLayout& layout,
                       RowOrder order = RowOrder::bottomUp);

}  // namespace bitmap
