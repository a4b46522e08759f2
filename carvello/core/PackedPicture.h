#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "carvello/core/LargeBlock.h"
#include "carvello/core/PixelRows.h"

namespace carvello {

// A picture of width x height pixels of BytesPerPixel bytes each, row 0 the
// top row, rows following each other without padding. GreyImage and
// ColourImage name the two kinds.
template <size_t BytesPerPixel>
class PackedPicture final : public PixelRows<BytesPerPixel> {
public:
    // Pictures above this many pixels are refused by setSize.
    static constexpr uint64_t kMaxPixels = uint64_t{1} << 28;

    uint32_t width() const override { return width_; }
    uint32_t height() const override { return height_; }
    uint64_t pixelCount() const { return uint64_t{width_} * height_; }

    // Frees the old pixels and allocates width x height zeroed pixels.
    // Throws GraphicsException for a size above kMaxPixels or when memory
    // runs out.
    void setSize(uint32_t width, uint32_t height) override {
        clear();
        pixels_ = allocatePixels(width, height, BytesPerPixel, kMaxPixels);
        width_ = width;
        height_ = height;
    }
    // The rows below stay allocated until the next setSize or clear.
    void keepTopRows(uint32_t height) override {
        height_ = std::min(height_, height);
        if (height_ == 0)
            clear();
    }
    // Frees the pixels; width and height become 0.
    void clear() override {
        pixels_.reset();
        width_ = 0;
        height_ = 0;
    }

    std::span<uint8_t> pixels() { return {pixels_.get(), byteCount()}; }
    std::span<const uint8_t> pixels() const { return {pixels_.get(), byteCount()}; }
    std::span<uint8_t> row(uint32_t y) override {
        return pixels().subspan(size_t{y} * rowBytes(), rowBytes());
    }
    std::span<const uint8_t> row(uint32_t y) const {
        return pixels().subspan(size_t{y} * rowBytes(), rowBytes());
    }

private:
    size_t rowBytes() const { return size_t{width_} * BytesPerPixel; }
    size_t byteCount() const { return static_cast<size_t>(pixelCount()) * BytesPerPixel; }

    uint32_t width_ = 0;
    uint32_t height_ = 0;
    PixelBlock pixels_;
};

}  // namespace carvello
