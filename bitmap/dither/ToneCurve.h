#pragma once

#include <array>
#include <cstdint>

#include "bitmap/DibView.h"
#include "bitmap/dither/DitherOptions.h"

// The values a ditherer compares and diffuses, for each grey level: the
// grey itself unless the options adjust it or ask for linear light.
namespace bitmap {

// Indexed by grey level; values from 0 (black) to 255 (white).
using ToneCurve = std::array<float, 256>;

// How many pixels have each grey level.
using GreyHistogram = std::array<uint64_t, 256>;

// The grey levels between which all but the darkest and the brightest half
// percent of the pixels lie.
struct LevelRange {
    int low = 0;
    int high = 255;
};

// Grey of each colour index: the blue byte of its table entry, as the
// ditherers read it. Indices past the end of the table read as 0.
using GreyLevels = std::array<uint8_t, 256>;
GreyLevels greyLevels(std::span<const uint8_t> palette);

// Counts the grey levels of a 1, 4 or 8 bpp picture's pixels.
GreyHistogram greyHistogram(const DibView& picture, const GreyLevels& grey);
LevelRange levelRange(const GreyHistogram& histogram);

// The curve of the options: `levels` is the range the level stretch uses
// (ignored unless it is asked for). With default options every grey maps to
// itself exactly.
ToneCurve makeToneCurve(const DitherOptions& options, const LevelRange& levels = {});

// The curve of the options for a picture: its own level range when the
// options ask for a level stretch.
ToneCurve toneCurveFor(const DibView& picture, const DitherOptions& options);

// sRGB-coded grey (0..255) to linear light (0..255) and back.
float srgbToLinear(float grey);
float linearToSrgb(float light);

}  // namespace bitmap
