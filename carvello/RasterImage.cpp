#include "carvello/RasterImage.h"

#include <new>

#include "carvello/GraphicsException.h"

namespace Carvello {

void RasterImage::setSize(uint32_t width, uint32_t height) {
    clear();
    const uint64_t count = uint64_t{width} * height;
    if (count > kMaxPixels) throw GraphicsException("Image dimensions too large");
    try {
        pixels_.assign(static_cast<size_t>(count) * 4, 0);
    } catch (const std::bad_alloc&) {
        throw GraphicsException("Out of memory");
    }
    width_ = width;
    height_ = height;
}

void RasterImage::clear() {
    std::vector<uint8_t>().swap(pixels_);
    width_ = 0;
    height_ = 0;
}

}  // namespace Carvello
