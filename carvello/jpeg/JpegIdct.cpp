#include "carvello/jpeg/JpegIdct.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <numbers>
#include <stdexcept>
#include <type_traits>

#if defined(__x86_64__) && __has_include(<sys/platform/x86.h>)
// The header is written in C: its _Bool is a keyword only there (GCC takes
// it in C++ too, Clang does not).
#if defined(__clang__)
#define _Bool bool
#include <sys/platform/x86.h>
#undef _Bool
#else
#include <sys/platform/x86.h>
#endif
#include <immintrin.h>
#define GLYPHON_X86_FEATURES 1
#else
#define GLYPHON_X86_FEATURES 0
#endif

// The helpers below also take and give eight-lane vectors (see Lanes).
// They are always inlined into the AVX2 functions, also without
// optimisation, so the compilers' note that a call would pass vectors
// differently with and without AVX does not apply.
#if defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wpsabi"
#endif

namespace carvello::jpeg_idct {

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

// A product with one of the 6-bit constants. Always inlined, like every
// helper the vector passes use: an eight-lane vector must never be passed
// to a function compiled without AVX, which would take it differently.
template <typename T>
[[gnu::always_inline]] inline T times(T value, T constant) {
    return static_cast<T>((value * constant) >> 6);
}

// Below 0 -> 0, below 256 x 4096 -> x / 4096, else 255.
template <typename T>
inline uint8_t toSample(T x) {
    return static_cast<uint8_t>(std::clamp<T>(x >> 12, 0, 255));
}

// A constant in T: the number itself, or in every lane of a vector (set
// through a reference: a vector passed by value would change the calling
// convention between the baseline and the AVX2 code).
template <typename T>
[[gnu::always_inline]] inline void splat(T& into, int64_t value) {
    if constexpr (std::is_arithmetic_v<T>)
        into = static_cast<T>(value);
    else
        into = T{} + static_cast<int32_t>(value);
}

// One 8-point pass over `lanes` neighbouring lanes at once: for each lane
// l, in[k * inStep + l] -> out[n * step + l]. bias goes into the even part.
// The flow is the transpose of the AAN forward transform, so its input
// carries the 1 / (8 a(u) a(v)) scale. With eight lanes (the eight columns
// of a block) the lane loop is innermost, so the compiler does each
// statement for all of them in one vector operation.
template <typename T, size_t lanes = 1>
[[gnu::always_inline]] inline void butterfly(const T* in, size_t inStep, T* out, size_t step,
                                             const T& bias, const Constants& k) {
    T c4, c2, c6;
    splat(c4, k.c4);
    splat(c2, k.c2);
    splat(c6, k.c6);
    for (size_t l = 0; l < lanes; ++l) {
        const T y0 = in[l], y1 = in[inStep + l], y2 = in[2 * inStep + l];
        const T y3 = in[3 * inStep + l], y4 = in[4 * inStep + l], y5 = in[5 * inStep + l];
        const T y6 = in[6 * inStep + l], y7 = in[7 * inStep + l];

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

        out[l] = e0 + t7;
        out[7 * step + l] = e0 - t7;
        out[step + l] = e1 + t6;
        out[6 * step + l] = e1 - t6;
        out[2 * step + l] = e2 + t5;
        out[5 * step + l] = e2 - t5;
        out[3 * step + l] = e3 + t4;
        out[4 * step + l] = e3 - t4;
    }
}

// The second pass over all eight columns of the first pass's rows, into
// samples.
template <typename T>
[[gnu::always_inline]] inline void columnsToSamples(const T* work, uint8_t* out, size_t stride,
                                                    const Constants& k) {
    T result[64];
    butterfly<T, 8>(work, 8, result, 8, kBias, k);
    for (size_t row = 0; row < 8; ++row) {
        uint8_t* line = out + row * stride;
        for (size_t col = 0; col < 8; ++col)
            line[col] = toSample<T>(result[row * 8 + col]);
    }
}

// Both 32-bit passes over a whole block, the first one on the eight rows at
// once: the dequantized coefficients go in transposed (a lane a row), and
// its results are transposed back for the second pass. A flat row goes
// through the butterfly as any other and comes out flat, as the scalar
// pass makes it.
[[gnu::always_inline]] inline void blockToSamples(const int16_t* coefficients, const int32_t* table,
                                                  uint8_t* out, size_t stride, const Constants& k) {
    int32_t byColumn[64];
    for (size_t row = 0; row < 8; ++row)
        for (size_t col = 0; col < 8; ++col)
            byColumn[col * 8 + row] = int32_t{coefficients[row * 8 + col]} * table[row * 8 + col];
    int32_t rowsTransposed[64];
    butterfly<int32_t, 8>(byColumn, 8, rowsTransposed, 8, 0, k);
    int32_t work[64];
    for (size_t row = 0; row < 8; ++row)
        for (size_t col = 0; col < 8; ++col)
            work[row * 8 + col] = rowsTransposed[col * 8 + row];
    columnsToSamples<int32_t>(work, out, stride, k);
}

// The 32-bit passes, the common ones, for the baseline processor (the
// helpers above are inlined into each).
void columnsToSamples32Baseline(const int32_t* work, uint8_t* out, size_t stride,
                                const Constants& k) {
    columnsToSamples<int32_t>(work, out, stride, k);
}
void blockToSamples32Baseline(const int16_t* coefficients, const int32_t* table, uint8_t* out,
                              size_t stride, const Constants& k) {
    blockToSamples(coefficients, table, out, stride, k);
}
#if GLYPHON_X86_FEATURES
// The same passes written for eight 32-bit lanes in one AVX2 register, so
// that the two transposes are eight-by-eight shuffles and the samples are
// packed a register at a time (the compiler's own version of the loops
// above moved every value on its own). The arithmetic is the butterfly's,
// in the same order: the samples are the same.
using Lanes = int32_t __attribute__((vector_size(32)));

[[gnu::target("avx2")]] inline void transpose(Lanes (&v)[8]) {
    __m256i t[8];
    for (size_t i = 0; i < 8; i += 2) {
        t[i] = _mm256_unpacklo_epi32(__m256i(v[i]), __m256i(v[i + 1]));
        t[i + 1] = _mm256_unpackhi_epi32(__m256i(v[i]), __m256i(v[i + 1]));
    }
    __m256i u[8];
    for (size_t i = 0; i < 8; i += 4) {
        u[i] = _mm256_unpacklo_epi64(t[i], t[i + 2]);
        u[i + 1] = _mm256_unpackhi_epi64(t[i], t[i + 2]);
        u[i + 2] = _mm256_unpacklo_epi64(t[i + 1], t[i + 3]);
        u[i + 3] = _mm256_unpackhi_epi64(t[i + 1], t[i + 3]);
    }
    for (size_t i = 0; i < 4; ++i) {
        v[i] = Lanes(_mm256_permute2x128_si256(u[i], u[i + 4], 0x20));
        v[i + 4] = Lanes(_mm256_permute2x128_si256(u[i], u[i + 4], 0x31));
    }
}

// The second pass over rows (a lane a column) into samples: toSample's
// clamp is the two saturating packs.
[[gnu::target("avx2")]] inline void secondPassToSamples(const Lanes (&rows)[8], uint8_t* out,
                                                        size_t stride, const Constants& k) {
    Lanes bias;
    splat(bias, kBias);
    Lanes result[8];
    butterfly<Lanes>(rows, 1, result, 1, bias, k);
    const __m256i order = _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7);
    for (size_t row = 0; row < 8; row += 4) {
        const __m256i lowWords =
            _mm256_packs_epi32(__m256i(result[row] >> 12), __m256i(result[row + 1] >> 12));
        const __m256i highWords =
            _mm256_packs_epi32(__m256i(result[row + 2] >> 12), __m256i(result[row + 3] >> 12));
        const __m256i bytes =
            _mm256_permutevar8x32_epi32(_mm256_packus_epi16(lowWords, highWords), order);
        uint8_t lines[32];
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(lines), bytes);
        for (size_t i = 0; i < 4; ++i)
            std::memcpy(out + (row + i) * stride, lines + 8 * i, 8);
    }
}

[[gnu::target("avx2")]] void columnsToSamples32Avx2(const int32_t* work, uint8_t* out,
                                                    size_t stride, const Constants& k) {
    Lanes rows[8];
    std::memcpy(rows, work, sizeof rows);
    secondPassToSamples(rows, out, stride, k);
}

[[gnu::target("avx2")]] void blockToSamples32Avx2(const int16_t* coefficients, const int32_t* table,
                                                  uint8_t* out, size_t stride, const Constants& k) {
    Lanes columns[8];
    for (size_t row = 0; row < 8; ++row) {
        const __m128i words =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(coefficients + row * 8));
        Lanes factors;
        std::memcpy(&factors, table + row * 8, sizeof factors);
        columns[row] = Lanes(_mm256_cvtepi16_epi32(words)) * factors;
    }
    transpose(columns);  // now a lane a row, a register a column
    const Lanes noBias{};
    Lanes firstPass[8];
    butterfly<Lanes>(columns, 1, firstPass, 1, noBias, k);
    transpose(firstPass);  // back to a register a row
    secondPassToSamples(firstPass, out, stride, k);
}
#endif

// The versions for this processor. The C library has read the processor's
// features once at start; asking the processor itself (cpuid), as the
// compiler's own dispatch does at every start, costs tens of microseconds
// in a virtual machine.
struct Passes {
    void (*columnsToSamples32)(const int32_t*, uint8_t*, size_t, const Constants&);
    void (*blockToSamples32)(const int16_t*, const int32_t*, uint8_t*, size_t, const Constants&);
};

const Passes& passes() {
    static const Passes chosen = [] {
#if GLYPHON_X86_FEATURES
        if (CPU_FEATURE_ACTIVE(AVX2))
            return Passes{&columnsToSamples32Avx2, &blockToSamples32Avx2};
#endif
        return Passes{&columnsToSamples32Baseline, &blockToSamples32Baseline};
    }();
    return chosen;
}

// The transform in T arithmetic. With 32-bit T the caller has made sure no
// input exceeds kSafeInput, so no sum or product can overflow.
template <typename T>
void transformIn(std::span<const int16_t, 64> coefficients, std::span<const int32_t, 64> table,
                 uint8_t* out, size_t stride) {
    const Constants& k = constants();
    // Which rows carry no AC term, and whether a shortcut of the second
    // pass below applies: only the first row carries anything, or every row
    // is flat.
    unsigned flatRows = 0;
    bool onlyFirstRow = true;
    for (size_t row = 0; row < 8; ++row) {
        const int16_t* c = &coefficients[row * 8];
        const bool flat = (c[1] | c[2] | c[3] | c[4] | c[5] | c[6] | c[7]) == 0;
        if (flat)
            flatRows |= 1u << row;
        if (row > 0 && (!flat || T{c[0]} * table[row * 8] != 0))
            onlyFirstRow = false;
    }
    const bool allRowsFlat = flatRows == 0xFF;
    // Blocks that no shortcut serves take both 32-bit passes vectorised.
    if constexpr (std::is_same_v<T, int32_t>) {
        if (!onlyFirstRow && !allRowsFlat) {
            passes().blockToSamples32(coefficients.data(), table.data(), out, stride, k);
            return;
        }
    }
    std::array<T, 64> work;

    // First pass: rows (one vertical frequency, eight horizontal ones).
    for (size_t row = 0; row < 8; ++row) {
        const int16_t* c = &coefficients[row * 8];
        const int32_t* q = &table[row * 8];
        T* w = &work[row * 8];
        if ((flatRows & (1u << row)) != 0) {
            std::fill_n(w, 8, static_cast<T>(T{c[0]} * q[0]));
            continue;
        }
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
    if constexpr (std::is_same_v<T, int32_t>)
        passes().columnsToSamples32(work.data(), out, stride, k);
    else
        columnsToSamples<T>(work.data(), out, stride, k);
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

}  // namespace carvello::jpeg_idct
