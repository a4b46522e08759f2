#include "carvello/core/GreyImage.h"

namespace Carvello {

void GreyImage::setSize(uint32_t width, uint32_t height) {
    clear();
    pixels_ = allocatePixels(width, height, 1, kMaxPixels);
    width_ = width;
    height_ = height;
}

void GreyImage::clear() {
    pixels_.reset();
    width_ = 0;
    height_ = 0;
}

}  // namespace Carvello
