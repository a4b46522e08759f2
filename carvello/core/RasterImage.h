#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>

#include "carvello/core/LargeBlock.h"

namespace carvello {

// The library's picture: width x height pixels of four bytes each, in memory
// order blue, green, red, alpha; row 0 is the top row and rows follow each
// other without padding.
class RasterImage {
public:
    // Pictures above this many pixels are refused by setSize.
    static constexpr uint64_t kMaxPixels = uint64_t{1} << 28;

    uint32_t width() const { return width_; }
    uint32_t height() const { return height_; }
    uint64_t pixelCount() const { return uint64_t{width_} * height_; }

    // Frees the old pixels and allocates width x height zeroed pixels.
    // Throws GraphicsException for a size above kMaxPixels or when memory
    // runs out.
    void setSize(uint32_t width, uint32_t height);
    // Makes the picture `height` rows tall, keeping the rows it has (the
    // first ones, when it shrinks) and zeroing the rows it gains; the width
    // stays. A decoder that starts with setSize(width, 0) can so grow the
    // picture as its data arrives instead of allocating what a header
    // promises. Throws as setSize does; on a throw the picture is unchanged.
    void setHeight(uint32_t height);
    // Frees the pixels; width and height become 0.
    void clear();

    std::span<uint8_t> pixels() { return {pixels_.get(), byteCount()}; }
    std::span<const uint8_t> pixels() const { return {pixels_.get(), byteCount()}; }
    // The 4 x width bytes of row y (0 = top).
    std::span<uint8_t> row(uint32_t y) {
        return pixels().subspan(size_t{y} * width_ * 4, size_t{width_} * 4);
    }
    std::span<const uint8_t> row(uint32_t y) const {
        return pixels().subspan(size_t{y} * width_ * 4, size_t{width_} * 4);
    }

private:
    uint32_t width_ = 0;
    uint32_t height_ = 0;
    size_t byteCount() const { return static_cast<size_t>(pixelCount()) * 4; }

    PixelBlock pixels_;
};

}  // namespace carvello
