#include "carvello/core/GreyImage.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "carvello/core/GraphicsException.h"
#include "carvello/core/LargeBlock.h"

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
        const auto bytes = static_cast<size_t>(count) * 1;
        try {
            pixels_.reset(static_cast<uint8_t*>(allocateLargeBlock(bytes)));
        } catch (const std::bad_alloc&) {
            throw GraphicsException("Out of memory");
        }
        std::memset(pixels_.get(), 0, bytes);
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
