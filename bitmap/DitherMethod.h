#pragma once

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

inline constexpr const char* kDitherMethodLabels[kDitherMethodCount] = {
    "Thresholding", "Random", "Matrix for Displaying", "Matrix for Printing", "Floyd - Steinberg",
};

}  // namespace bitmap
