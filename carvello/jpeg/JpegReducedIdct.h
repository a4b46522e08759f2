#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

namespace carvello {

// The inverse DCT of one 8 x 8 block straight at a reduced size: 4 x 4,
// 2 x 2 or 1 x 1 samples, each the average of the 2 x 2, 4 x 4 or 8 x 8
// samples the full transform would give (before they are clamped), rounded.
// Every basis function's average over such a square is known in advance,
// so each non-zero coefficient adds its share to the few samples; at 1 x 1
// only the DC term counts (the other functions average to zero), which is
// the block's mean.
namespace jpeg_reduced_idct {

// Sums carry 16 fractional bits; the bias level-shifts and rounds them.
inline constexpr int kWeightBits = 16;
inline constexpr int64_t kBias = (int64_t{128} << kWeightBits) + (int64_t{1} << (kWeightBits - 1));

// The 1 x 1 picture of a block: its mean, the DC term (dequantised with
// quantization) over 8, rounded and level-shifted.
inline uint8_t blockMean(int16_t dc, uint16_t quantization) {
    const int64_t sum = ((int64_t{dc} * quantization) << (kWeightBits - 3)) + kBias;
    return static_cast<uint8_t>(std::clamp<int64_t>(sum >> kWeightBits, 0, 255));
}

// coefficients in natural order, quantization the table's values in
// natural order; size is 1, 2 or 4; output holds (size - 1) x stride + size
// bytes, stride >= size.
void transform(std::span<const int16_t, 64> coefficients,
               std::span<const uint16_t, 64> quantization, int size, std::span<uint8_t> output,
               size_t stride);

// The same when the caller knows the positions of the non-zero
// coefficients (any others are zero), each listed once.
void transform(std::span<const int16_t, 64> coefficients,
               std::span<const uint16_t, 64> quantization, std::span<const uint8_t> nonZero,
               int size, std::span<uint8_t> output, size_t stride);

}  // namespace jpeg_reduced_idct

}  // namespace carvello
