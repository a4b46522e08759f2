#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <type_traits>

#include "bitmap/DibLayout.h"

// Pixel access to a packed DIB without owning it: its header, colour table
// and rows, colour indices of 1, 4 and 8 bpp pictures and the colours of
// 24 bpp ones. Within a byte the leftmost pixel is in the most significant
// bits. The row helpers below serve loops over whole rows; the view's own
// pixel members address single pixels.
namespace bitmap {

// One colour as a DIB stores it.
struct Bgr {
    uint8_t blue = 0;
    uint8_t green = 0;
    uint8_t red = 0;
    bool operator==(const Bgr&) const = default;
};

// Colour index of pixel x in a row of a 1, 4 or 8 bpp picture; 0 at other
// depths.
inline int indexInRow(std::span<const uint8_t> row, size_t x, int bitCount) {
    switch (bitCount) {
        case 1:
            return (row[x >> 3] >> (7 - (x & 7))) & 1;
        case 4:
            return (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
        case 8:
            return row[x];
        default:
            return 0;
    }
}

// Sets pixel x of a 1, 4 or 8 bpp row to `index` (only the bits the depth
// holds), keeping the other pixels of its byte.
inline void setIndexInRow(std::span<uint8_t> row, size_t x, int bitCount, int index) {
    switch (bitCount) {
        case 1: {
            const auto mask = static_cast<uint8_t>(0x80 >> (x & 7));
            row[x >> 3] =
                static_cast<uint8_t>((index & 1) ? (row[x >> 3] | mask) : (row[x >> 3] & ~mask));
            break;
        }
        case 4: {
            const int shift = (x & 1) ? 0 : 4;
            row[x >> 1] =
                static_cast<uint8_t>((row[x >> 1] & ~(0x0F << shift)) | ((index & 0x0F) << shift));
            break;
        }
        case 8:
            row[x] = static_cast<uint8_t>(index);
            break;
        default:
            break;
    }
}

// Calls visit(x, index) for pixels 0 to count - 1 of a 1, 4 or 8 bpp row,
// left to right. The depth is decided once for the row.
template <typename Visit>
inline void forEachIndex(std::span<const uint8_t> row, int bitCount, size_t count, Visit&& visit) {
    const uint8_t* p = row.data();
    switch (bitCount) {
        case 1:
            for (size_t x = 0; x < count; ++x)
                visit(x, (p[x >> 3] >> (7 - (x & 7))) & 1);
            break;
        case 4:
            for (size_t x = 0; x < count; ++x)
                visit(x, (x & 1) ? (p[x >> 1] & 0x0F) : (p[x >> 1] >> 4));
            break;
        case 8:
            for (size_t x = 0; x < count; ++x)
                visit(x, p[x]);
            break;
        default:
            break;
    }
}

// Writes one index per pixel into a 1, 4 or 8 bpp row and clears the row's
// padding after the last pixel.
inline void packIndices(std::span<const uint8_t> indices, int bitCount, std::span<uint8_t> row) {
    const size_t count = indices.size();
    uint8_t* p = row.data();
    switch (bitCount) {
        case 1:
            std::fill(row.begin(), row.end(), uint8_t{0});
            for (size_t x = 0; x < count; ++x)
                p[x >> 3] = static_cast<uint8_t>(p[x >> 3] | ((indices[x] & 1) << (7 - (x & 7))));
            break;
        case 4:
            std::fill(row.begin(), row.end(), uint8_t{0});
            for (size_t x = 0; x < count; ++x)
                p[x >> 1] =
                    static_cast<uint8_t>(p[x >> 1] | ((indices[x] & 0x0F) << ((x & 1) ? 0 : 4)));
            break;
        case 8:
            std::copy(indices.begin(), indices.end(), row.begin());
            std::fill(row.begin() + static_cast<ptrdiff_t>(count), row.end(), uint8_t{0});
            break;
        default:
            break;
    }
}

// Colour of pixel x in a row of 24 bpp (or, with bitCount 32, of 32 bpp
// pixels whose fourth byte is not a colour).
inline Bgr bgrInRow(std::span<const uint8_t> row, size_t x, int bitCount = 24) {
    const uint8_t* p = row.data() + x * static_cast<size_t>(bitCount / 8);
    return {p[0], p[1], p[2]};
}

inline void setBgrInRow(std::span<uint8_t> row, size_t x, Bgr colour) {
    uint8_t* p = row.data() + x * 3;
    p[0] = colour.blue;
    p[1] = colour.green;
    p[2] = colour.red;
}

// A view of a packed DIB: `DibView` reads, `MutableDibView` also writes.
// Rows are addressed from the top of the picture (`row`, and the pixel
// members) or in storage order (`storedRow`). Row and pixel access needs a
// layout with rows (see DibLayout::hasRows).
template <typename Byte>
class BasicDibView {
    static_assert(std::is_same_v<std::remove_const_t<Byte>, uint8_t>);
    static constexpr bool kWritable = !std::is_const_v<Byte>;

public:
    BasicDibView() = default;

    // A view of `block` laid out as `layout` says. Layouts from
    // readDibLayout and from a Dib describe their block; a view made up by
    // hand is checked by whoever reads it (rowBytes, holdsRows).
    BasicDibView(std::span<Byte> block, const DibLayout& layout) : block_(block), layout_(layout) {}

    // The read-only view of a writable one.
    template <typename Other>
    requires std::is_same_v<Byte, const Other> BasicDibView(
        const BasicDibView<Other>& other)  // NOLINT: implicit by design
        : block_(other.block()), layout_(other.layout()) {}

    // The packed DIB in `block`; nothing when readDibLayout refuses it.
    static std::optional<BasicDibView> over(std::span<Byte> block,
                                            RowOrder order = RowOrder::bottomUp) {
        DibLayout layout;
        if (readDibLayout(block, layout, order) != DibCheck::ok)
            return std::nullopt;
        return BasicDibView(block, layout);
    }

    bool empty() const { return block_.empty(); }
    const DibLayout& layout() const { return layout_; }
    int width() const { return layout_.width; }
    int height() const { return layout_.height; }
    int bitCount() const { return layout_.bitCount; }
    size_t stride() const { return static_cast<size_t>(layout_.stride); }

    // The whole block, the colour table and the pixel data to the block's end.
    std::span<Byte> block() const { return block_; }
    std::span<Byte> palette() const {
        return block_.subspan(static_cast<size_t>(layout_.paletteOffset),
                              size_t{layout_.colourCount} * layout_.colourEntrySize);
    }
    // Colour-table entry i (below layout().colourCount).
    Bgr colour(size_t i) const {
        const Byte* e = block_.data() + layout_.paletteOffset + i * layout_.colourEntrySize;
        return {e[0], e[1], e[2]};
    }
    std::span<Byte> pixels() const {
        return block_.subspan(static_cast<size_t>(layout_.pixelOffset));
    }

    // Stored row r: row 0 is the first in the block.
    std::span<Byte> storedRow(int r) const {
        return block_.subspan(
            static_cast<size_t>(layout_.pixelOffset + static_cast<uint64_t>(r) * layout_.stride),
            stride());
    }
    // Row y of the picture counted from its top.
    std::span<Byte> row(int y) const {
        return storedRow(layout_.topDown ? y : layout_.height - 1 - y);
    }

    // Pixel (x, y), y counted from the top of the picture.
    int index(int x, int y) const { return indexInRow(row(y), static_cast<size_t>(x), bitCount()); }
    void setIndex(int x, int y, int index) const requires kWritable {
        setIndexInRow(row(y), static_cast<size_t>(x), bitCount(), index);
    }
    Bgr pixel24(int x, int y) const { return bgrInRow(row(y), static_cast<size_t>(x)); }
    void setPixel24(int x, int y, Bgr colour) const requires kWritable {
        setBgrInRow(row(y), static_cast<size_t>(x), colour);
    }

    // Bytes that hold the pixels of one row, before its padding.
    uint64_t rowBytes() const {
        return (static_cast<uint64_t>(std::max(layout_.width, 0)) * layout_.bitCount + 7) / 8;
    }
    // True when the block holds every row at its stride (height above 0).
    bool holdsRows() const {
        if (layout_.height <= 0 || layout_.pixelOffset > block_.size())
            return false;
        return (block_.size() - layout_.pixelOffset) / static_cast<uint64_t>(layout_.height) >=
               layout_.stride;
    }

private:
    std::span<Byte> block_;
    DibLayout layout_;
};

using DibView = BasicDibView<const uint8_t>;
using MutableDibView = BasicDibView<uint8_t>;

}  // namespace bitmap
