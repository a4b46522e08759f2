#include "carvello/jpeg/JpegIdct.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <numbers>
#include <stdexcept>
#include <type_traits>

namespace Carvello::JpegIdct {

namespace {

struct Constants {
    int64_t c4;
    int64_t c2;
    int64_t c6;
};

const Constants& constants() {
    static const Constants values{
        static_cast<int64_t>(64.0 * std::cos(std::numbers::pi / 4.0)),
        static_cast<int64_t>(32.0 / std::cos(std::numbers::pi / 8.0)),
        static_cast<int64_t>(32.0 / std::cos(3.0 * std::numbers::pi / 8.0))};
    return values;
}

// Level shift (128 << 12) and rounding (1 << 11), added to the even part of
// the second pass.
constexpr int32_t kBias = 0x80800;

// Largest dequantized input for which 32-bit arithmetic cannot overflow: the
// largest factor any input reaches inside a product of the second pass is
// 2656 (sum of absolute weights times the constant), and 2656 x 786432 stays
// below 2^31.
constexpr int64_t kSafeInput = 3 << 18;

// A product with one of the 6-bit constants.
template <typename T>
inline T times(T value, T constant) {
    return static_cast<T>((value * constant) >> 6);
}

// Below 0 -> 0, below 256 x 4096 -> x / 4096, else 255.
template <typename T>
inline uint8_t toSample(T x) {
    return static_cast<uint8_t>(std::clamp<T>(x >> 12, 0, 255));
}

// One 8-point pass: in[k * inStep] -> out[n * step]. bias goes into the even
// part. The flow is the transpose of the AAN forward transform, so its input
// carries the 1 / (8 a(u) a(v)) scale.
template <typename T>
inline void butterfly(const T* in, size_t inStep, T* out, size_t step, T bias, const Constants& k) {
    const T y0 = in[0], y1 = in[inStep], y2 = in[2 * inStep], y3 = in[3 * inStep];
    const T y4 = in[4 * inStep], y5 = in[5 * inStep], y6 = in[6 * inStep], y7 = in[7 * inStep];
    const T c4 = static_cast<T>(k.c4), c2 = static_cast<T>(k.c2), c6 = static_cast<T>(k.c6);

    // Even part.
    const T t10 = y0 + y4 + bias;
    const T t11 = y0 - y4 + bias;
    const T t12 = times<T>(y2 - y6, c4);
    const T t13 = y2 + y6 + t12;
    const T e0 = t10 + t13;
    const T e3 = t10 - t13;
    const T e1 = t11 + t12;
    const T e2 = t11 - t12;

    // Odd part: the rotation by pi/8 is split into the C2 and C6 products.
    const T z13 = y5 + y3;
    const T z2 = y5 - y3;
    const T z11 = y1 + y7;
    const T z4 = y1 - y7;
    const T o7 = z11 + z13;
    const T o11 = times<T>(z11 - z13, c4);
    const T o10 = (times<T>(z2 + z4, c6) + times<T>(z2 - z4, c2)) >> 1;
    const T o12 = (times<T>(z4 - z2, c6) + times<T>(z2 + z4, c2)) >> 1;
    const T t4 = o10;
    const T t5 = o10 + o11;
    const T t6 = o11 + o12;
    const T t7 = o12 + o7;

    out[0] = e0 + t7;
    out[7 * step] = e0 - t7;
    out[step] = e1 + t6;
    out[6 * step] = e1 - t6;
    out[2 * step] = e2 + t5;
    out[5 * step] = e2 - t5;
    out[3 * step] = e3 + t4;
    out[4 * step] = e3 - t4;
}

// The second pass of the 32-bit transform over all eight columns at once:
// the butterfly's arithmetic, statement by statement, with the column as the
// innermost loop, so that the compiler does each statement for eight columns
// in one vector operation (AVX2 where the processor has it). Gives exactly
// what eight butterfly calls give.
__attribute__((target_clones("avx2", "default"))) void columnsToSamples(const int32_t* w,
                                                                        uint8_t* out, size_t stride,
                                                                        int32_t c4, int32_t c2,
                                                                        int32_t c6) {
    int32_t r[64];
    for (size_t c = 0; c < 8; ++c) {
        const int32_t y0 = w[c], y1 = w[8 + c], y2 = w[16 + c], y3 = w[24 + c];
        const int32_t y4 = w[32 + c], y5 = w[40 + c], y6 = w[48 + c], y7 = w[56 + c];
        const int32_t t10 = y0 + y4 + kBias;
        const int32_t t11 = y0 - y4 + kBias;
        const int32_t t12 = ((y2 - y6) * c4) >> 6;
        const int32_t t13 = y2 + y6 + t12;
        const int32_t e0 = t10 + t13;
        const int32_t e3 = t10 - t13;
        const int32_t e1 = t11 + t12;
        const int32_t e2 = t11 - t12;
        const int32_t z13 = y5 + y3;
        const int32_t z2 = y5 - y3;
        const int32_t z11 = y1 + y7;
        const int32_t z4 = y1 - y7;
        const int32_t o7 = z11 + z13;
        const int32_t o11 = ((z11 - z13) * c4) >> 6;
        const int32_t o10 = ((((z2 + z4) * c6) >> 6) + (((z2 - z4) * c2) >> 6)) >> 1;
        const int32_t o12 = ((((z4 - z2) * c6) >> 6) + (((z2 + z4) * c2) >> 6)) >> 1;
        const int32_t t5 = o10 + o11;
        const int32_t t6 = o11 + o12;
        const int32_t t7 = o12 + o7;
        r[c] = e0 + t7;
        r[56 + c] = e0 - t7;
        r[8 + c] = e1 + t6;
        r[48 + c] = e1 - t6;
        r[16 + c] = e2 + t5;
        r[40 + c] = e2 - t5;
        r[24 + c] = e3 + o10;
        r[32 + c] = e3 - o10;
    }
    for (size_t row = 0; row < 8; ++row) {
        uint8_t* line = out + row * stride;
        for (size_t col = 0; col < 8; ++col)
            line[col] = static_cast<uint8_t>(std::clamp<int32_t>(r[row * 8 + col] >> 12, 0, 255));
    }
}

// The transform in T arithmetic. With 32-bit T the caller has made sure no
// input exceeds kSafeInput, so no sum or product can overflow.
template <typename T>
void transformIn(std::span<const int16_t, 64> coefficients, std::span<const int32_t, 64> table,
                 uint8_t* out, size_t stride) {
    const Constants& k = constants();
    std::array<T, 64> work;

    // First pass: rows (one vertical frequency, eight horizontal ones).
    bool onlyFirstRow = true;
    bool allRowsFlat = true;
    for (size_t row = 0; row < 8; ++row) {
        const int16_t* c = &coefficients[row * 8];
        const int32_t* q = &table[row * 8];
        T* w = &work[row * 8];
        if ((c[1] | c[2] | c[3] | c[4] | c[5] | c[6] | c[7]) == 0) {
            const T dc = static_cast<T>(T{c[0]} * q[0]);
            for (size_t i = 0; i < 8; ++i)
                w[i] = dc;
            if (row > 0 && dc != 0)
                onlyFirstRow = false;
            continue;
        }
        if (row > 0)
            onlyFirstRow = false;
        allRowsFlat = false;
        std::array<T, 8> in;
        for (size_t i = 0; i < 8; ++i)
            in[i] = static_cast<T>(T{c[i]} * q[i]);
        butterfly<T>(in.data(), 1, w, 1, 0, k);
    }

    // Second pass: columns. When only the first row carries anything, each
    // column is flat, which is what the butterfly gives for it; when every
    // row is flat, all columns are alike and one butterfly serves them all.
    if (onlyFirstRow) {
        for (size_t col = 0; col < 8; ++col) {
            const uint8_t sample = toSample<T>(work[col] + kBias);
            for (size_t row = 0; row < 8; ++row)
                out[row * stride + col] = sample;
        }
        return;
    }
    if (allRowsFlat) {
        std::array<T, 8> column;
        butterfly<T>(&work[0], 8, column.data(), 1, kBias, k);
        for (size_t row = 0; row < 8; ++row)
            std::memset(out + row * stride, toSample<T>(column[row]), 8);
        return;
    }
    if constexpr (std::is_same_v<T, int32_t>) {
        columnsToSamples(work.data(), out, stride, static_cast<int32_t>(k.c4),
                         static_cast<int32_t>(k.c2), static_cast<int32_t>(k.c6));
        return;
    }
    std::array<T, 64> result;
    for (size_t col = 0; col < 8; ++col)
        butterfly<T>(&work[col], 8, &result[col], 8, kBias, k);
    for (size_t row = 0; row < 8; ++row) {
        uint8_t* line = out + row * stride;
        const T* r = &result[row * 8];
        for (size_t col = 0; col < 8; ++col)
            line[col] = toSample<T>(r[col]);
    }
}

}  // namespace

int c4() {
    return static_cast<int>(constants().c4);
}
int c2() {
    return static_cast<int>(constants().c2);
}
int c6() {
    return static_cast<int>(constants().c6);
}

std::array<int16_t, 64> inputLimits(std::span<const int32_t, 64> table) {
    std::array<int16_t, 64> limits{};
    for (size_t i = 0; i < 64; ++i) {
        const int64_t entry = std::max<int64_t>(1, table[i]);
        limits[i] = static_cast<int16_t>(std::min<int64_t>(32767, kSafeInput / entry));
    }
    return limits;
}

void transform(std::span<const int16_t, 64> coefficients, std::span<const int32_t, 64> table,
               bool wide, std::span<uint8_t> output, size_t stride) {
    if (stride < 8 || output.size() < 7 * stride + 8)
        throw std::length_error("inverse DCT output too small");
    if (wide)
        transformIn<int64_t>(coefficients, table, output.data(), stride);
    else
        transformIn<int32_t>(coefficients, table, output.data(), stride);
}

void transform(std::span<const int16_t, 64> coefficients, std::span<const int32_t, 64> table,
               std::span<const int16_t, 64> limits, std::span<uint8_t> output, size_t stride) {
    // 32-bit arithmetic when every dequantized input is small enough, which
    // holds for all but extreme blocks; both give the same samples.
    int outside = 0;
    for (size_t i = 0; i < 64; ++i) {
        const int c = coefficients[i];
        const int magnitude = c < 0 ? -c : c;
        outside |= magnitude > limits[i];
    }
    transform(coefficients, table, outside != 0, output, stride);
}

}  // namespace Carvello::JpegIdct
