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
};

inline constexpr int kDitherMethodCount = 5;

inline constexpr std::string_view kDitherMethodLabels[kDitherMethodCount] = {
    text::kMethodThresholding,      text::kMethodRandom,         text::kMethodMatrixForDisplaying,
    text::kMethodMatrixForPrinting, text::kMethodFloydSteinberg,
};

}  // namespace bitmap
