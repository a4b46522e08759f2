#pragma once

#include <string_view>

#include "bitmap/Texts.h"

// The monochrome conversion methods, in the order the user interface offers them.
namespace bitmap {

enum DitherMethod : int {
    kThresholding = 0,
    kRandom = 1,
    kMatrixForDisplaying = 2,
    kMatrixForPrinting = 3,
    kFloydSteinberg = 4,
    // Error diffusion with the published kernels.
    kAtkinson = 5,
    kJarvisJudiceNinke = 6,
    kStucki = 7,
    kBurkes = 8,
    kSierra = 9,
    kTwoRowSierra = 10,
    kSierraLite = 11,
    // Ordered dithering with threshold masks.
    kBayer2 = 12,
    kBayer4 = 13,
    kBayer8 = 14,
    kBayer16 = 15,
    kClusteredDot = 16,
    kBlueNoise = 17,
};

// The five methods the program has always had come first; their codes are
// stored in the settings as they are.
inline constexpr int kClassicMethodCount = 5;
inline constexpr int kDitherMethodCount = 18;

inline constexpr CatalogueText kDitherMethodLabels[kDitherMethodCount] = {
    text::kMethodThresholding,
    text::kMethodRandom,
    text::kMethodMatrixForDisplaying,
    text::kMethodMatrixForPrinting,
    text::kMethodFloydSteinberg,
    text::kMethodAtkinson,
    text::kMethodJarvisJudiceNinke,
    text::kMethodStucki,
    text::kMethodBurkes,
    text::kMethodSierra,
    text::kMethodTwoRowSierra,
    text::kMethodSierraLite,
    text::kMethodBayer2,
    text::kMethodBayer4,
    text::kMethodBayer8,
    text::kMethodBayer16,
    text::kMethodClusteredDot,
    text::kMethodBlueNoise,
};

// Names that stand for the methods on the command line and in the settings
// store, one word each, in code order.
inline constexpr std::string_view kDitherMethodKeys[kDitherMethodCount] = {
    "thresholding", "random", "display", "print",   "floyd-steinberg", "atkinson",
    "jarvis",       "stucki", "burkes",  "sierra",  "sierra-two-row",  "sierra-lite",
    "bayer2",       "bayer4", "bayer8",  "bayer16", "halftone",        "blue-noise",
};

inline constexpr bool isErrorDiffusion(int method) {
    return method == kFloydSteinberg || (method >= kAtkinson && method <= kSierraLite);
}

// The classic method closest to a method: what an older program that knows
// only the first five makes of it.
inline constexpr int classicMethodFor(int method) {
    if (method >= 0 && method < kClassicMethodCount)
        return method;
    if (method == kClusteredDot)
        return kMatrixForPrinting;
    return isErrorDiffusion(method) ? kFloydSteinberg : kMatrixForDisplaying;
}

}  // namespace bitmap
