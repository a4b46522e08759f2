#pragma once

#include <cstdint>
#include <span>

#include "bitmap/DibView.h"
#include "bitmap/dither/DitherMethod.h"
#include "bitmap/dither/DitherOptions.h"
#include "bitmap/dither/ToneCurve.h"

// Reduces the pixels of a grey 4 or 8 bpp picture to black (index 0) and
// white (index 1) in place.
namespace bitmap {

enum class DitherResult { ok, badRows, badMethod, outOfMemory };

// Replaces each pixel's index of a 4 or 8 bpp picture by 0 or 1 with the
// method and clears the row padding. The five classic methods work row by
// row from stored row 0 (the bottom row of the picture), the others from
// the top row; all go left to right (but see DitherOptions::serpentine).
// Only the threshold's value matters to Thresholding, Random and the error
// diffusion methods; the matrix and mask methods ignore it. badRows when
// the view's rows do not fit its block; nothing is changed unless the
// result is ok.
DitherResult ditherRows(const MutableDibView& picture, const GreyLevels& grey, int method,
                        uint8_t threshold);
// The same with options; each pixel's grey is first taken through `tone`
// (see makeToneCurve), whatever the method.
DitherResult ditherRows(const MutableDibView& picture, const GreyLevels& grey, int method,
                        uint8_t threshold, const DitherOptions& options, const ToneCurve& tone);

// Sets colour-table entries 0 and 1 (when present) to black and white.
void setBlackAndWhiteEntries(std::span<uint8_t> palette);

}  // namespace bitmap
