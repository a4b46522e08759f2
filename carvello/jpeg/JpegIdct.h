#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace carvello {

// The decoder's inverse DCT: a separable AAN-style 8 x 8 transform on
// integers with 6-bit constants and a 12-bit fixed-point scale, with the
// dequantization folded in.
namespace jpeg_idct {

// The transform's constants, computed once: 64 cos(pi/4), 32 / cos(pi/8)
// and 32 / cos(3 pi/8), truncated.
int c4();
int c2();
int c6();

// Per position, the largest coefficient magnitude the 32-bit path of
// transform takes with this derived table; larger ones use 64-bit arithmetic.
std::array<int16_t, 64> inputLimits(std::span<const int32_t, 64> table);

// Transforms one block of 64 coefficients (natural order) with the derived
// quantization table (JpegQuantizationTable::scaled) and its inputLimits into
// 8 rows of 8 samples. output must hold 7 x stride + 8 bytes; stride >= 8.
void transform(std::span<const int16_t, 64> coefficients, std::span<const int32_t, 64> table,
               std::span<const int16_t, 64> limits, std::span<uint8_t> output, size_t stride);
// The same when the caller has already compared the coefficients with the
// limits as it placed them: wide is true when any exceeded its limit.
void transform(std::span<const int16_t, 64> coefficients, std::span<const int32_t, 64> table,
               bool wide, std::span<uint8_t> output, size_t stride);

}  // namespace jpeg_idct

}  // namespace carvello
