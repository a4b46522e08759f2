#include "carvello/jpeg/JpegReducedIdct.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace carvello::jpeg_reduced_idct {

namespace {

// For one output size n: per coefficient position (v, u), the weight of
// that coefficient in each of the n x n samples, row by row.
struct Weights {
    std::array<std::array<int32_t, 16>, 64> of{};
};

// The average over samples s x .. s x + s - 1 of the one-dimensional basis
// function of frequency u, with its factor c(u) / 2 (c(0) = 1 / sqrt 2).
double basisAverage(int n, int x, int u) {
    const int s = 8 / n;
    const double c = u == 0 ? 1.0 / std::numbers::sqrt2 : 1.0;
    double sum = 0;
    for (int k = 0; k < s; ++k)
        sum += std::cos((2.0 * (s * x + k) + 1.0) * u * std::numbers::pi / 16.0);
    return 0.5 * c * sum / s;
}

Weights makeWeights(int n) {
    Weights w;
    for (int v = 0; v < 8; ++v)
        for (int u = 0; u < 8; ++u)
            for (int y = 0; y < n; ++y)
                for (int x = 0; x < n; ++x)
                    w.of[static_cast<size_t>(v * 8 + u)][static_cast<size_t>(y * n + x)] =
                        static_cast<int32_t>(
                            std::lround(basisAverage(n, y, v) * basisAverage(n, x, u) * 65536.0));
    return w;
}

const Weights& weightsFor(int n) {
    static const Weights two = makeWeights(2);
    static const Weights four = makeWeights(4);
    return n == 2 ? two : four;
}

inline uint8_t toSample(int64_t sum) {
    return static_cast<uint8_t>(std::clamp<int64_t>(sum >> kWeightBits, 0, 255));
}

void check(int size, std::span<uint8_t> output, size_t stride) {
    if (size != 1 && size != 2 && size != 4)
        throw std::invalid_argument("reduced inverse DCT size must be 1, 2 or 4");
    const auto n = static_cast<size_t>(size);
    if (stride < n || output.size() < (n - 1) * stride + n)
        throw std::length_error("reduced inverse DCT output too small");
}

}  // namespace

void transform(std::span<const int16_t, 64> coefficients,
               std::span<const uint16_t, 64> quantization, std::span<const uint8_t> nonZero,
               int size, std::span<uint8_t> output, size_t stride) {
    check(size, output, stride);
    if (size == 1) {
        output[0] = blockMean(coefficients[0], quantization[0]);
        return;
    }
    const auto n = static_cast<size_t>(size);
    const Weights& weights = weightsFor(size);
    std::array<int64_t, 16> sums;
    sums.fill(kBias);
    for (const uint8_t position : nonZero) {
        if (position >= 64)
            throw std::out_of_range("coefficient position outside the block");
        const int16_t coefficient = coefficients[position];
        if (coefficient == 0)
            continue;
        const int64_t value = int64_t{coefficient} * quantization[position];
        const std::array<int32_t, 16>& share = weights.of[position];
        for (size_t i = 0; i < n * n; ++i)
            sums[i] += value * share[i];
    }
    for (size_t y = 0; y < n; ++y)
        for (size_t x = 0; x < n; ++x)
            output[y * stride + x] = toSample(sums[y * n + x]);
}

void transform(std::span<const int16_t, 64> coefficients,
               std::span<const uint16_t, 64> quantization, int size, std::span<uint8_t> output,
               size_t stride) {
    std::array<uint8_t, 64> nonZero;
    size_t count = 0;
    for (size_t i = 0; i < 64; ++i)
        if (coefficients[i] != 0)
            nonZero[count++] = static_cast<uint8_t>(i);
    transform(coefficients, quantization, std::span(nonZero).first(count), size, output, stride);
}

}  // namespace carvello::jpeg_reduced_idct
