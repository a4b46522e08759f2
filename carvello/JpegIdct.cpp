#include "carvello/JpegIdct.h"

#include <array>
#include <cmath>
#include <numbers>
#include <stdexcept>

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
constexpr int64_t kBias = 0x80800;

// A product with one of the 6-bit constants.
inline int64_t times(int64_t value, int64_t constant) {
    return (value * constant) >> 6;
}

inline uint8_t toSample(int64_t x) {
    if (x < 0)
        return 0;
    if (x < (int64_t{256} << 12))
        return static_cast<uint8_t>(x >> 12);
    return 255;
}

// One 8-point pass: in[k * step] -> out[n * step]. bias goes into the even
// part. The flow is the transpose of the AAN forward transform, so its input
// carries the 1 / (8 a(u) a(v)) scale.
inline void butterfly(const int64_t* in, int64_t* out, size_t step, int64_t bias,
                      const Constants& k) {
    const int64_t y0 = in[0], y1 = in[step], y2 = in[2 * step], y3 = in[3 * step];
    const int64_t y4 = in[4 * step], y5 = in[5 * step], y6 = in[6 * step], y7 = in[7 * step];

    // Even part.
    const int64_t t10 = y0 + y4 + bias;
    const int64_t t11 = y0 - y4 + bias;
    const int64_t t12 = times(y2 - y6, k.c4);
    const int64_t t13 = y2 + y6 + t12;
    const int64_t e0 = t10 + t13;
    const int64_t e3 = t10 - t13;
    const int64_t e1 = t11 + t12;
    const int64_t e2 = t11 - t12;

    // Odd part: the rotation by pi/8 is split into the C2 and C6 products.
    const int64_t z13 = y5 + y3;
    const int64_t z2 = y5 - y3;
    const int64_t z11 = y1 + y7;
    const int64_t z4 = y1 - y7;
    const int64_t o7 = z11 + z13;
    const int64_t o11 = times(z11 - z13, k.c4);
    const int64_t o10 = (times(z2 + z4, k.c6) + times(z2 - z4, k.c2)) >> 1;
    const int64_t o12 = (times(z4 - z2, k.c6) + times(z2 + z4, k.c2)) >> 1;
    const int64_t t4 = o10;
    const int64_t t5 = o10 + o11;
    const int64_t t6 = o11 + o12;
    const int64_t t7 = o12 + o7;

    out[0] = e0 + t7;
    out[7 * step] = e0 - t7;
    out[step] = e1 + t6;
    out[6 * step] = e1 - t6;
    out[2 * step] = e2 + t5;
    out[5 * step] = e2 - t5;
    out[3 * step] = e3 + t4;
    out[4 * step] = e3 - t4;
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

void transform(std::span<const int16_t, 64> coefficients, std::span<const int32_t, 64> table,
               std::span<uint8_t> output, size_t stride) {
    if (stride < 8 || output.size() < 7 * stride + 8)
        throw std::length_error("inverse DCT output too small");
    const Constants& k = constants();
    std::array<int64_t, 64> work;

    // First pass: rows (one vertical frequency, eight horizontal ones).
    bool onlyFirstRow = true;
    for (size_t row = 0; row < 8; ++row) {
        const int16_t* c = &coefficients[row * 8];
        const int32_t* q = &table[row * 8];
        int64_t* w = &work[row * 8];
        if ((c[1] | c[2] | c[3] | c[4] | c[5] | c[6] | c[7]) == 0) {
            const int64_t dc = int64_t{c[0]} * q[0];
            for (size_t i = 0; i < 8; ++i)
                w[i] = dc;
            if (row > 0 && dc != 0)
                onlyFirstRow = false;
            continue;
        }
        if (row > 0)
            onlyFirstRow = false;
        std::array<int64_t, 8> in;
        for (size_t i = 0; i < 8; ++i)
            in[i] = int64_t{c[i]} * q[i];
        butterfly(in.data(), w, 1, 0, k);
    }

    // Second pass: columns. A column whose lower seven terms are zero comes
    // out flat, which is what the butterfly gives for it.
    uint8_t* out = output.data();
    if (onlyFirstRow) {
        for (size_t col = 0; col < 8; ++col) {
            const uint8_t sample = toSample(work[col] + kBias);
            for (size_t row = 0; row < 8; ++row)
                out[row * stride + col] = sample;
        }
        return;
    }
    std::array<int64_t, 64> result;
    for (size_t col = 0; col < 8; ++col)
        butterfly(&work[col], &result[col], 8, kBias, k);
    for (size_t row = 0; row < 8; ++row) {
        uint8_t* line = out + row * stride;
        const int64_t* r = &result[row * 8];
        for (size_t col = 0; col < 8; ++col)
            line[col] = toSample(r[col]);
    }
}

}  // namespace Carvello::JpegIdct
