#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// The in-memory picture: one owned block in the packed device-independent
// bitmap layout -- a 40-byte info header, the colour table (blue, green, red,
// reserved per entry) and the pixel rows, bottom row first, each padded to a
// multiple of 4 bytes.
namespace bitmap {

constexpr uint32_t kInfoHeaderSize = 40;

// Limits on pictures built from untrusted sizes. Every allocation sized from
// file data or user input is checked against these first.
constexpr int64_t kMaxDimension = 1 << 20;
constexpr int64_t kMaxPixels = int64_t{1} << 28;

// The 40-byte bitmap info header, field by field.
struct BitmapInfoHeader {
    uint32_t biSize = kInfoHeaderSize;
    int32_t biWidth = 0;
    int32_t biHeight = 0;
    uint16_t biPlanes = 1;
    uint16_t biBitCount = 0;
    uint32_t biCompression = 0;
    uint32_t biSizeImage = 0;
    int32_t biXPelsPerMeter = 0;
    int32_t biYPelsPerMeter = 0;
    uint32_t biClrUsed = 0;
    uint32_t biClrImportant = 0;

    static BitmapInfoHeader parse(std::span<const uint8_t> bytes);  // needs 40 bytes
    void store(std::span<uint8_t> bytes) const;                     // writes 40 bytes
};

// Helpers on a header: every walk over a DIB uses these.
uint32_t colourCount(const BitmapInfoHeader& h);
uint64_t paletteBytes(const BitmapInfoHeader& h);
uint64_t rowStride(const BitmapInfoHeader& h);
// Offset of the first pixel row from the start of the block.
uint64_t pixelBitsOffset(const BitmapInfoHeader& h);
// Whole block size for the header, or nothing when the sizes are out of range.
std::optional<uint64_t> dibBlockSize(const BitmapInfoHeader& h);
// True when each of the first 2^bits entries of the table has blue = green = red.
bool isGreyPalette(std::span<const uint8_t> table, int bits);

// Colour index of pixel x in a row of a 1, 4 or 8 bpp picture (leftmost
// pixel in the most significant bits); 0 at other depths.
inline int indexInRow(std::span<const uint8_t> row, int x, int bitCount) {
    switch (bitCount) {
        case 1:
            return (row[static_cast<size_t>(x) / 8] >> (7 - x % 8)) & 1;
        case 4:
            return x % 2 == 0 ? row[static_cast<size_t>(x) / 2] >> 4
                              : row[static_cast<size_t>(x) / 2] & 0x0F;
        case 8:
            return row[static_cast<size_t>(x)];
        default:
            return 0;
    }
}

class Dib {
public:
    Dib() = default;

    // A zero-filled block laid out for the header (height must be positive,
    // width within limits). Nothing when the sizes are out of range or memory
    // runs out.
    static std::optional<Dib> create(const BitmapInfoHeader& header);

    bool empty() const { return block_.empty(); }
    // The header; an all-zero one for an empty picture.
    BitmapInfoHeader header() const {
        return empty() ? BitmapInfoHeader{0, 0, 0, 0} : BitmapInfoHeader::parse(block_);
    }
    // Rewrites header fields that do not change the block's layout
    // (biSizeImage, resolution, biClrImportant and the like).
    void setHeader(const BitmapInfoHeader& header) {
        if (!empty())
            header.store(block_);
    }

    int width() const;
    int height() const;
    int bitCount() const;
    size_t stride() const { return stride_; }

    std::span<uint8_t> bytes() { return block_; }
    std::span<const uint8_t> bytes() const { return block_; }
    std::span<uint8_t> palette();
    std::span<const uint8_t> palette() const;
    std::span<uint8_t> pixels();
    std::span<const uint8_t> pixels() const;
    // Stored row r (0 = bottom row of the picture).
    std::span<uint8_t> storedRow(int r);
    std::span<const uint8_t> storedRow(int r) const;

private:
    std::vector<uint8_t> block_;
    size_t paletteOffset_ = 0;
    size_t pixelOffset_ = 0;
    size_t stride_ = 0;
};

}  // namespace bitmap
