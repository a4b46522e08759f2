#include "carvello/jpeg/JpegQuantization.h"

#include <cmath>
#include <numbers>

#include "carvello/jpeg/JpegIdct.h"

namespace carvello {

const std::array<uint8_t, 64 + 16> kJpegNaturalOrder = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33,
    40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36,
    29, 22, 15, 23, 30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54,
    47, 55, 62, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63};

namespace {

// Row (v) and column (u) factors of the transform's input scale.
const std::array<double, 8>& scaleFactors() {
    static const std::array<double, 8> factors = [] {
        std::array<double, 8> a{};
        a[0] = 1.0;
        for (int k = 1; k < 8; ++k)
            a[k] = std::sqrt(2.0) * std::cos(k * std::numbers::pi / 16.0);
        return a;
    }();
    return factors;
}

}  // namespace

void JpegQuantizationTable::set(std::span<const uint16_t, 64> zigzagValues) {
    const auto& a = scaleFactors();
    for (int k = 0; k < 64; ++k) {
        values_[static_cast<size_t>(k)] = zigzagValues[static_cast<size_t>(k)];
        const int natural = kJpegNaturalOrder[static_cast<size_t>(k)];
        natural_[static_cast<size_t>(natural)] = zigzagValues[static_cast<size_t>(k)];
        const int v = natural / 8;
        const int u = natural % 8;
        const double scale = 1.0 / (8.0 * a[static_cast<size_t>(u)] * a[static_cast<size_t>(v)]);
        scaled_[static_cast<size_t>(natural)] =
            static_cast<int32_t>(zigzagValues[static_cast<size_t>(k)] * scale * 4096.0);
    }
    limits_ = jpeg_idct::inputLimits(scaled_);
    defined_ = true;
}

}  // namespace carvello
