#include "carvello/core/RasterOrientation.h"

#include <cstring>
#include <utility>

namespace carvello {

namespace {

// Along row y of the upright picture the stored pixels lie on a line: the
// index of the first one and the step between them.
struct Walk {
    int64_t first;
    int64_t step;
};

Walk walkOf(int orientation, int64_t y, int64_t w, int64_t h) {
    switch (orientation) {
        case 2:
            return {y * w + w - 1, -1};
        case 3:
            return {(h - 1 - y) * w + w - 1, -1};
        case 4:
            return {(h - 1 - y) * w, 1};
        case 5:
            return {y, w};
        case 6:
            return {(h - 1) * w + y, -w};
        case 7:
            return {(h - 1) * w + w - 1 - y, -w};
        default:  // 8
            return {w - 1 - y, w};
    }
}

// Both picture kinds: Picture has width(), height(), setSize(), row(y) and
// pixels(), each pixel `bytes` bytes.
template <typename Picture, size_t bytes>
void turnUpright(Picture& image, int orientation) {
    if (orientation < 2 || orientation > 8)
        return;
    const uint32_t w = image.width();
    const uint32_t h = image.height();
    const bool swaps = orientation >= 5;
    Picture upright;
    upright.setSize(swaps ? h : w, swaps ? w : h);
    const uint8_t* from = image.pixels().data();
    for (uint32_t y = 0; y < upright.height(); ++y) {
        uint8_t* out = upright.row(y).data();
        const Walk walk = walkOf(orientation, y, w, h);
        int64_t at = walk.first;
        for (uint32_t x = 0; x < upright.width(); ++x, at += walk.step)
            std::memcpy(out + size_t{x} * bytes, from + at * static_cast<int64_t>(bytes), bytes);
    }
    image = std::move(upright);
}

}  // namespace

void applyExifOrientation(RasterImage& image, int orientation) {
    turnUpright<RasterImage, 4>(image, orientation);
}

void applyExifOrientation(GreyImage& image, int orientation) {
    turnUpright<GreyImage, 1>(image, orientation);
}

void applyExifOrientation(ColourImage& image, int orientation) {
    turnUpright<ColourImage, 3>(image, orientation);
}

}  // namespace carvello
