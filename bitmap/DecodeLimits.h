#pragma once

#include <cstdint>

#include "bitmap/Dib.h"

// The largest picture a reader builds from a file. Every reader takes its
// limits from one of these, so a caller may lower them (never raise them
// past what a Dib can hold); the defaults are the limits of Dib.h.
namespace bitmap {

struct DecodeLimits {
    int64_t maxPixels = kMaxPixels;        // width x height
    int64_t maxDimension = kMaxDimension;  // width or height alone

    // True when a picture of this size is within the limits (the division
    // keeps any pair of sizes clear of overflow).
    bool allows(int64_t width, int64_t height) const {
        return width >= 0 && height >= 0 && width <= maxDimension && height <= maxDimension &&
               (height == 0 || width <= maxPixels / height);
    }
};

}  // namespace bitmap
