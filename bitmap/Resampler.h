#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "bitmap/Dib.h"

// Draws a picture of any common depth into a grey picture of another size:
// our replacement for the stretching blit of desktop graphics libraries.
namespace bitmap {

// A read-only view of the pixels to resample.
struct PixelSource {
    int width = 0;
    int height = 0;
    int bitCount = 0;                  // 1, 4, 8, 24 or 32
    std::span<const uint8_t> palette;  // colour table (blue, green, red, reserved) for <= 8 bpp
    std::span<const uint8_t> pixels;   // `height` rows of `stride` bytes
    size_t stride = 0;
    bool topRowFirst = false;  // rows run top row first instead of bottom row first
};

enum class Sampling {
    areaAverage,   // each destination pixel is the exact average of the source area under it
    nearestPixel,  // each destination pixel takes the source pixel under its centre
};

enum class SourceCheck {
    ok,
    unsupportedDepth,  // not 1, 4, 8, 24 or 32 bits per pixel
    badSize,           // width or height out of range, or rows too short for the width
    shortBuffer,       // fewer than stride x height bytes of pixels
};

// Whether the resampler can read the view. Call before allocating anything
// for the result.
SourceCheck checkSource(const PixelSource& source);

enum class ResampleResult { ok, badSource, badDestination, outOfMemory };

// Fills the rows of `destination` (1, 4 or 8 bpp; its colour table decides
// the greys) from the source. Every source colour is reduced to luma
// (0.299 R + 0.587 G + 0.114 B); each destination pixel gets the index of the
// table entry nearest to the luma of its sample. Colour indices beyond the
// source's table read as black.
ResampleResult resample(const PixelSource& source, Dib& destination, Sampling sampling);

}  // namespace bitmap
