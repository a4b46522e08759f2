#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace carvello {

// Where a decoder puts a picture's rows, BytesPerPixel bytes a pixel, row 0
// the top row: a picture of this library's (PackedPicture) or storage of
// the caller's own, so that each row is written once, where it is kept.
// GreyRows and ColourRows name the two kinds.
template <size_t BytesPerPixel>
class PixelRows {
public:
    static constexpr size_t kBytesPerPixel = BytesPerPixel;

    virtual ~PixelRows() = default;

    virtual uint32_t width() const = 0;
    virtual uint32_t height() const = 0;
    // Drops what was there and makes room for width x height zeroed pixels.
    // Throws GraphicsException when it cannot.
    virtual void setSize(uint32_t width, uint32_t height) = 0;
    // Keeps the top `height` rows (height <= height()) and drops the rest,
    // for a decode that stopped before the rows it made room for. Throws
    // GraphicsException when it cannot.
    virtual void keepTopRows(uint32_t height) = 0;
    // Drops the pixels; width and height become 0.
    virtual void clear() = 0;
    // Row y (y < height) of BytesPerPixel x width bytes.
    virtual std::span<uint8_t> row(uint32_t y) = 0;
};

}  // namespace carvello
