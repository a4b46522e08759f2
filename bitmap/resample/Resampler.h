#pragma once

#include "bitmap/DibView.h"

// Draws a picture of any common depth into a grey picture of another size:
// our replacement for the stretching blit of desktop graphics libraries.
namespace bitmap {

enum class Sampling {
    areaAverage,   // each destination pixel is the exact average of the source area under it
    nearestPixel,  // each destination pixel takes the source pixel under its centre
};

enum class SourceCheck {
    ok,
    unsupportedDepth,  // not 1, 4, 8, 24 or 32 bits per pixel
    badSize,           // width or height out of range, or rows too short for the width
    shortBuffer,       // the block holds fewer than height rows at the stride
};

// Whether the resampler can read the view: a picture of 1, 4 or 8 bpp with
// its colour table, or 24 or 32 bpp rows, in either row order. Call before
// allocating anything for the result.
SourceCheck checkSource(const DibView& source);

enum class ResampleResult { ok, badSource, badDestination, outOfMemory };

// Fills the rows of `destination` (1, 4 or 8 bpp; its colour table decides
// the greys) from the source. Every source colour is reduced to luma
// (0.299 R + 0.587 G + 0.114 B); each destination pixel gets the index of the
// table entry nearest to the luma of its sample. Colour indices beyond the
// source's table read as black.
ResampleResult resample(const DibView& source, const MutableDibView& destination,
                        Sampling sampling);

}  // namespace bitmap
