#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "bitmap/DibLayout.h"
#include "bitmap/DibView.h"
#include "carvello/core/LargeBlock.h"

// The in-memory picture: one owned block in the packed device-independent
// bitmap layout -- a 40-byte info header, the colour table (blue, green, red,
// reserved per entry) and the pixel rows, bottom row first, each padded to a
// multiple of 4 bytes. A block taken over as it came (Dib::adopt) may carry
// another header form; its layout says where everything lies.
namespace bitmap {

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

struct AdoptedDib;

class Dib {
public:
    Dib() = default;

    // A zero-filled block laid out for the header (height must be positive,
    // width within limits). Nothing when the sizes are out of range or memory
    // runs out.
    static std::optional<Dib> create(const BitmapInfoHeader& header);
    // Takes over a packed DIB block as it comes from a file or the
    // clipboard: any header readDibLayout accepts, rows bottom up. The block
    // is kept byte for byte, also where it runs on past the last row.
    static AdoptedDib adopt(std::vector<uint8_t> block);

    bool empty() const { return block_.empty(); }
    // The header; an all-zero one for an empty picture. A block with the
    // core header gives the fields that header has.
    BitmapInfoHeader header() const;
    // Rewrites the header in place. The block keeps its size, colour table
    // and row stride; width, height, depth and compression are read from
    // the header again, so that a header rewritten to disagree with its
    // block is seen (and refused) by whatever reads the picture. Blocks with
    // the core header are left alone.
    void setHeader(const BitmapInfoHeader& header);

    // Width, height, depth and compression as the header says; offsets and
    // stride as the block is laid out.
    const DibLayout& layout() const { return layout_; }
    int width() const { return layout_.width; }
    int height() const { return layout_.height; }
    int bitCount() const { return layout_.bitCount; }
    size_t stride() const { return static_cast<size_t>(layout_.stride); }

    DibView view() const { return {block_, layout_}; }
    MutableDibView view() { return {block_, layout_}; }

    std::span<uint8_t> bytes() { return block_; }
    std::span<const uint8_t> bytes() const { return block_; }
    std::span<uint8_t> palette() { return view().palette(); }
    std::span<const uint8_t> palette() const { return view().palette(); }
    std::span<uint8_t> pixels() { return view().pixels(); }
    std::span<const uint8_t> pixels() const { return view().pixels(); }
    // Stored row r (0 = bottom row of the picture).
    std::span<uint8_t> storedRow(int r) { return view().storedRow(r); }
    std::span<const uint8_t> storedRow(int r) const { return view().storedRow(r); }

    // Two pictures are equal when their blocks are.
    bool operator==(const Dib& other) const { return block_ == other.block_; }

private:
    // Large pictures lie in huge pages (see carvello::LargeBlock).
    std::vector<uint8_t, carvello::LargeBlockAllocator<uint8_t>> block_;
    DibLayout layout_;
};

// What Dib::adopt made of a block: the picture when the check is ok, an
// empty one otherwise.
struct AdoptedDib {
    DibCheck check = DibCheck::unusable;
    Dib dib;
};

}  // namespace bitmap
