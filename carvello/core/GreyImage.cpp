#include "carvello/core/GreyImage.h"

#include <algorithm>

namespace Carvello {

void GreyImage::setSize(uint32_t width, uint32_t height) {
    clear();
    pixels_ = allocatePixels(width, height, 1, kMaxPixels);
    width_ = width;
    height_ = height;
}

void GreyImage::keepTopRows(uint32_t height) {
    height_ = std::min(height_, height);
    if (height_ == 0)
        clear();
}

void GreyImage::clear() {
    pixels_.reset();
    width_ = 0;
    height_ = 0;
}

}  // namespace Carvello
