#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "bitmap/dither/DitherOptions.h"
#include "bitmap/dither/ToneCurve.h"

// Error diffusion with a kernel that spreads each pixel's error over the
// next two pixels of its row and the five pixels around it on each of the
// next two rows.
namespace bitmap {

// A kernel as published: whole-number weights over a divisor. right[0] is
// the next pixel along the row; below[r][2 + dx] the pixel dx columns off
// on the r + 1th row down. Scanning right to left mirrors every dx.
struct DiffusionKernel {
    int divisor;
    int right[2];
    int below[2][5];
};

// The kernel of an error-diffusion method (Floyd - Steinberg included);
// null for any other method.
const DiffusionKernel* diffusionKernel(int method);

// Diffuses rows one after another: row(i, line) turns the greys of the
// i-th row processed into 0 (black) and 1 (white) in place. A pixel is white
// when its tone plus the error it received is at least the threshold.
class ErrorDiffuser {
public:
    // Allocates its error rows for pictures `width` pixels wide (throws
    // std::bad_alloc when it cannot).
    ErrorDiffuser(int method, const ToneCurve& tone, int threshold, const DitherOptions& options,
                  size_t width);

    void row(int i, std::span<uint8_t> line);

    // Kernel weights as they are applied: divided by the divisor and scaled
    // by the strength.
    struct Weights {
        float right[2];
        float below[2][5];
    };
    using RowFunction = void (*)(const Weights& weights, const float* tone, float threshold,
                                 uint8_t* line, size_t width, float* current, float* next,
                                 float* afterNext);

private:
    const ToneCurve& tone_;
    float threshold_;
    bool serpentine_;
    Weights weights_{};
    RowFunction forward_ = nullptr;
    RowFunction backward_ = nullptr;
    // Three error rows (this one and the next two) with room for two
    // pixels beyond each end, where errors that leave the picture go.
    std::vector<float> errors_;
    size_t rowLength_;
    float* rows_[3];
};

}  // namespace bitmap
