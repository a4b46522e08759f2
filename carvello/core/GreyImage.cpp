#include "carvello/core/GreyImage.h"

#include <cstdlib>

#include "carvello/core/GraphicsException.h"

namespace Carvello {

void GreyImage::FreeDeleter::operator()(uint8_t* p) const {
    std::free(p);
}

void GreyImage::setSize(uint32_t width, uint32_t height) {
    clear();
    const uint64_t count = uint64_t{width} * height;
    if (count > kMaxPixels)
        throw GraphicsException("Image dimensions too large");
    if (count > 0) {
        // Zeroed pages straight from the system: no pass over the bytes.
        pixels_.reset(static_cast<uint8_t*>(std::calloc(static_cast<size_t>(count), 1)));
        if (!pixels_)
            throw GraphicsException("Out of memory");
    }
    width_ = width;
    height_ = height;
}

void GreyImage::clear() {
    pixels_.reset();
    width_ = 0;
    height_ = 0;
}

}  // namespace Carvello
