#include "codec/ResizeTarget.h"

#include <algorithm>
#include <climits>

namespace codec {
namespace {

int64_t clampToInt(int64_t value) {
    return std::clamp<int64_t>(value, INT_MIN, INT_MAX);
}

// The largest size that fits into the box with the picture's aspect ratio:
// the side that limits the scale fills the box, the other is rounded to the
// nearest pixel. Never less than 1 x 1, so that a tiny box still shrinks
// the picture instead of leaving it as it is.
PictureSize fitIntoBox(int64_t w, int64_t h, int64_t boxW, int64_t boxH) {
    // The box is narrower than the picture's shape when boxW / w <= boxH / h.
    if (boxW * h <= boxH * w)
        return {boxW, std::clamp<int64_t>((2 * h * boxW + w) / (2 * w), 1, boxH)};
    return {std::clamp<int64_t>((2 * w * boxH + h) / (2 * h), 1, boxW), boxH};
}

// A side that comes out as 0 or less is 1 pixel.
int64_t atLeastOne(int64_t side) {
    return std::max<int64_t>(clampToInt(side), 1);
}

}  // namespace

std::optional<PictureSize> resizedSize(const ResizeTarget& target, int64_t width, int64_t height) {
    switch (target.kind) {
        case ResizeTarget::Kind::fit: {
            if (target.width <= 0 || target.height <= 0 || width <= 0 || height <= 0)
                return std::nullopt;
            const PictureSize fitted = fitIntoBox(width, height, target.width, target.height);
            return PictureSize{clampToInt(fitted.width), clampToInt(fitted.height)};
        }
        case ResizeTarget::Kind::exact:
            if (target.width <= 0 || target.height <= 0)
                return std::nullopt;
            return PictureSize{target.width, target.height};
        case ResizeTarget::Kind::percent:
            if (target.percent <= 0)
                return std::nullopt;
            return PictureSize{atLeastOne(width * target.percent / 100),
                               atLeastOne(height * target.percent / 100)};
    }
    return std::nullopt;
}

}  // namespace codec
