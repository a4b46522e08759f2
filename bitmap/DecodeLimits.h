#pragma once

#include <algorithm>
#include <cstdint>

#include "bitmap/Dib.h"

// The largest picture a reader builds from a file. Every reader takes its
// limits from one of these, so a caller may lower them; values above the
// limits of Dib.h (the defaults) count as those limits.
namespace bitmap {

struct DecodeLimits {
    int64_t maxPixels = kMaxPixels;        // width x height
    int64_t maxDimension = kMaxDimension;  // width or height alone

    // True when a picture of this size is within the limits (the division
    // keeps any pair of sizes clear of overflow).
    bool allows(int64_t width, int64_t height) const {
        const int64_t dimension = std::min(maxDimension, kMaxDimension);
        const int64_t pixels = std::min(maxPixels, kMaxPixels);
        return width >= 0 && height >= 0 && width <= dimension && height <= dimension &&
               (height == 0 || width <= pixels / height);
    }
};

}  // namespace bitmap
