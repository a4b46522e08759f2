#include "bitmap/dither/ErrorDiffusion.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "bitmap/dither/DitherMethod.h"

namespace bitmap {
namespace {

// The published kernels.
// clang-format off
constexpr DiffusionKernel kFloydSteinbergKernel{16, {7, 0}, {{0, 3, 5, 1, 0}, {0, 0, 0, 0, 0}}};
constexpr DiffusionKernel kAtkinsonKernel{8, {1, 1}, {{0, 1, 1, 1, 0}, {0, 0, 1, 0, 0}}};
constexpr DiffusionKernel kJarvisKernel{48, {7, 5}, {{3, 5, 7, 5, 3}, {1, 3, 5, 3, 1}}};
constexpr DiffusionKernel kStuckiKernel{42, {8, 4}, {{2, 4, 8, 4, 2}, {1, 2, 4, 2, 1}}};
constexpr DiffusionKernel kBurkesKernel{32, {8, 4}, {{2, 4, 8, 4, 2}, {0, 0, 0, 0, 0}}};
constexpr DiffusionKernel kSierraKernel{32, {5, 3}, {{2, 4, 5, 4, 2}, {0, 2, 3, 2, 0}}};
constexpr DiffusionKernel kTwoRowSierraKernel{16, {4, 3}, {{1, 2, 3, 2, 1}, {0, 0, 0, 0, 0}}};
constexpr DiffusionKernel kSierraLiteKernel{4, {2, 0}, {{0, 1, 1, 0, 0}, {0, 0, 0, 0, 0}}};
// clang-format on

constexpr size_t kMargin = 2;

constexpr bool usesSecondRow(const DiffusionKernel& k) {
    for (const int w : k.below[1])
        if (w != 0)
            return true;
    return false;
}

// One row. The errors for the next two pixels along the row stay in
// registers, and so do the errors for the five pixels around the current
// one on each row below; a row-below pixel is written once, when no later
// pixel of this row can reach it any more. The kernel is known when this
// is compiled, so weights of 0 cost nothing.
template <const DiffusionKernel& K, bool Backward>
void diffuseRow(const ErrorDiffuser::Weights& w, const float* tone, float threshold, uint8_t* line,
                size_t width, float* current, float* next, float* afterNext) {
    constexpr ptrdiff_t step = Backward ? -1 : 1;
    constexpr bool kSecondRow = usesSecondRow(K);
    float r1 = 0.0f;
    float r2 = 0.0f;
    float a[5] = {};
    float b[5] = {};
    ptrdiff_t x = Backward ? static_cast<ptrdiff_t>(width) - 1 : 0;
    for (size_t n = 0; n < width; ++n, x += step) {
        // Values are held to half the range beyond black and white: enough
        // that a large error after a lone dot is passed on (clamping at 0
        // and 255 would throw it away and lighten dark greys), little
        // enough that an edge does not drag a long trail behind it.
        const float v = std::clamp(tone[line[x]] + current[x] + r1, -127.5f, 382.5f);
        const bool white = v >= threshold;
        const float e = white ? v - 255.0f : v;
        line[x] = white ? 1 : 0;
        r1 = r2;
        if constexpr (K.right[0] != 0)
            r1 += e * w.right[0];
        r2 = 0.0f;
        if constexpr (K.right[1] != 0)
            r2 = e * w.right[1];
        [&]<size_t... j>(std::index_sequence<j...>) {
            ((K.below[0][j] != 0 ? (a[j] += e * w.below[0][j], 0) : 0), ...);
            if constexpr (kSecondRow)
                ((K.below[1][j] != 0 ? (b[j] += e * w.below[1][j], 0) : 0), ...);
        }
        (std::make_index_sequence<5>{});
        next[x - 2 * step] += a[0];
        a[0] = a[1], a[1] = a[2], a[2] = a[3], a[3] = a[4], a[4] = 0.0f;
        if constexpr (kSecondRow) {
            afterNext[x - 2 * step] += b[0];
            b[0] = b[1], b[1] = b[2], b[2] = b[3], b[3] = b[4], b[4] = 0.0f;
        }
    }
    // x is one past the last pixel now; what is left reaches x - 2 .. x + 1.
    for (ptrdiff_t j = 0; j < 4; ++j) {
        next[x + (j - 2) * step] += a[j];
        if constexpr (kSecondRow)
            afterNext[x + (j - 2) * step] += b[j];
    }
}

struct KernelEntry {
    int method;
    const DiffusionKernel* kernel;
    ErrorDiffuser::RowFunction forward;
    ErrorDiffuser::RowFunction backward;
};

template <const DiffusionKernel& K>
constexpr KernelEntry entry(int method) {
    return {method, &K, diffuseRow<K, false>, diffuseRow<K, true>};
}

constexpr KernelEntry kKernels[] = {
    entry<kFloydSteinbergKernel>(kFloydSteinberg),
    entry<kAtkinsonKernel>(kAtkinson),
    entry<kJarvisKernel>(kJarvisJudiceNinke),
    entry<kStuckiKernel>(kStucki),
    entry<kBurkesKernel>(kBurkes),
    entry<kSierraKernel>(kSierra),
    entry<kTwoRowSierraKernel>(kTwoRowSierra),
    entry<kSierraLiteKernel>(kSierraLite),
};

const KernelEntry* entryOf(int method) {
    for (const KernelEntry& e : kKernels)
        if (e.method == method)
            return &e;
    return nullptr;
}

}  // namespace

const DiffusionKernel* diffusionKernel(int method) {
    const KernelEntry* e = entryOf(method);
    return e ? e->kernel : nullptr;
}

ErrorDiffuser::ErrorDiffuser(int method, const ToneCurve& tone, int threshold,
                             const DitherOptions& options, size_t width)
    : tone_(tone),
      threshold_(static_cast<float>(threshold)),
      serpentine_(options.serpentine),
      errors_(3 * (width + 2 * kMargin), 0.0f),
      rowLength_(width + 2 * kMargin) {
    const KernelEntry* e = entryOf(method);
    if (!e)
        e = entryOf(kFloydSteinberg);
    forward_ = e->forward;
    backward_ = e->backward;
    const float scale = static_cast<float>(std::clamp(options.strength, 0, 100)) /
                        (100.0f * static_cast<float>(e->kernel->divisor));
    for (int i = 0; i < 2; ++i)
        weights_.right[i] = static_cast<float>(e->kernel->right[i]) * scale;
    for (int r = 0; r < 2; ++r)
        for (int j = 0; j < 5; ++j)
            weights_.below[r][j] = static_cast<float>(e->kernel->below[r][j]) * scale;
    for (size_t r = 0; r < 3; ++r)
        rows_[r] = errors_.data() + r * rowLength_ + kMargin;
}

void ErrorDiffuser::row(int i, std::span<uint8_t> line) {
    if (i > 0) {
        // The row below becomes this one; the row that was this one is
        // cleared to become the second row below.
        std::rotate(rows_, rows_ + 1, rows_ + 3);
        std::fill_n(rows_[2] - kMargin, rowLength_, 0.0f);
    }
    const RowFunction run = serpentine_ && (i & 1) ? backward_ : forward_;
    run(weights_, tone_.data(), threshold_, line.data(), line.size(), rows_[0], rows_[1], rows_[2]);
}

}  // namespace bitmap
