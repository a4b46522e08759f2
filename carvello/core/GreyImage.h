#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "carvello/core/GreyRows.h"
#include "carvello/core/LargeBlock.h"

namespace Carvello {

// A grey picture: width x height pixels of one byte each (0 black, 255
// white), row 0 the top row, rows following each other without padding.
class GreyImage final : public GreyRows {
public:
    // Pictures above this many pixels are refused by setSize.
    static constexpr uint64_t kMaxPixels = uint64_t{1} << 28;

    uint32_t width() const override { return width_; }
    uint32_t height() const override { return height_; }
    uint64_t pixelCount() const { return uint64_t{width_} * height_; }

    // Frees the old pixels and allocates width x height zeroed pixels.
    // Throws GraphicsException for a size above kMaxPixels or when memory
    // runs out.
    void setSize(uint32_t width, uint32_t height) override;
    // The rows below stay allocated until the next setSize or clear.
    void keepTopRows(uint32_t height) override;
    // Frees the pixels; width and height become 0.
    void clear() override;

    std::span<uint8_t> pixels() { return {pixels_.get(), byteCount()}; }
    std::span<const uint8_t> pixels() const { return {pixels_.get(), byteCount()}; }
    std::span<uint8_t> row(uint32_t y) override {
        return pixels().subspan(size_t{y} * width_, width_);
    }
    std::span<const uint8_t> row(uint32_t y) const {
        return pixels().subspan(size_t{y} * width_, width_);
    }

private:
    size_t byteCount() const { return static_cast<size_t>(pixelCount()); }

    uint32_t width_ = 0;
    uint32_t height_ = 0;
    PixelBlock pixels_;
};

}  // namespace Carvello
