#include "carvello/core/RasterImage.h"

#include <cstdlib>
#include <cstring>

#include "carvello/core/GraphicsException.h"

namespace carvello {

void RasterImage::setSize(uint32_t width, uint32_t height) {
    clear();
    pixels_ = allocatePixels(width, height, 4, kMaxPixels);
    width_ = width;
    height_ = height;
}

void RasterImage::setHeight(uint32_t height) {
    const uint64_t count = uint64_t{width_} * height;
    if (count > kMaxPixels)
        throw GraphicsException("Image dimensions too large");
    const size_t oldBytes = byteCount();
    const auto newBytes = static_cast<size_t>(count) * 4;
    if (newBytes == 0) {
        pixels_.reset();
    } else if (newBytes != oldBytes) {
        // realloc moves large blocks by remapping their pages, without copying.
        auto* grown = static_cast<uint8_t*>(std::realloc(pixels_.get(), newBytes));
        if (!grown)
            throw GraphicsException("Out of memory");
        static_cast<void>(pixels_.release());
        pixels_.reset(grown);
        if (newBytes > oldBytes)
            std::memset(grown + oldBytes, 0, newBytes - oldBytes);
    }
    height_ = height;
}

void RasterImage::clear() {
    pixels_.reset();
    width_ = 0;
    height_ = 0;
}

}  // namespace carvello
