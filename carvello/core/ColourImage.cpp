#include "carvello/core/ColourImage.h"

#include <algorithm>

namespace Carvello {

void ColourImage::setSize(uint32_t width, uint32_t height) {
    clear();
    pixels_ = allocatePixels(width, height, 3, kMaxPixels);
    width_ = width;
    height_ = height;
}

void ColourImage::keepTopRows(uint32_t height) {
    height_ = std::min(height_, height);
    if (height_ == 0)
        clear();
}

void ColourImage::clear() {
    pixels_.reset();
    width_ = 0;
    height_ = 0;
}

}  // namespace Carvello
