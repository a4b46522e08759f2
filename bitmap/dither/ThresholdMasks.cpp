#include "bitmap/dither/ThresholdMasks.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "bitmap/dither/BlueNoise.h"
#include "bitmap/dither/DitherMethod.h"

namespace bitmap {
namespace {

// The halftone screen's cell and the blue-noise tile.
constexpr int kScreenSide = 8;
constexpr int kBlueNoiseSide = 64;

template <typename Rank>
ThresholdMask maskOfRanks(int side, const std::vector<Rank>& ranks) {
    ThresholdMask mask;
    mask.side = side;
    const double levels = static_cast<double>(ranks.size());
    mask.thresholds.reserve(ranks.size());
    for (const Rank rank : ranks)
        mask.thresholds.push_back(static_cast<float>((rank + 0.5) * 255.0 / levels));
    return mask;
}

// A clustered-dot screen at 45 degrees: white dots grow around one place of
// the cell and black dots shrink towards another, so pixels of a colour
// stay together as printing presses and thermal heads want them. Places
// the spot function ranks equal are ordered by the Bayer matrix.
std::vector<int> screenRanks() {
    constexpr int n = kScreenSide * kScreenSide;
    const double pi = std::acos(-1.0);
    const std::vector<int> bayer = bayerRanks(kScreenSide);
    std::vector<double> spot(n);
    for (int y = 0; y < kScreenSide; ++y)
        for (int x = 0; x < kScreenSide; ++x)
            spot[static_cast<size_t>(y * kScreenSide + x)] =
                std::round(1e6 * (std::cos(2 * pi * (x + 0.5) / kScreenSide) +
                                  std::cos(2 * pi * (y + 0.5) / kScreenSide)));
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const auto ua = static_cast<size_t>(a);
        const auto ub = static_cast<size_t>(b);
        return spot[ua] != spot[ub] ? spot[ua] < spot[ub] : bayer[ua] < bayer[ub];
    });
    std::vector<int> ranks(n);
    for (int rank = 0; rank < n; ++rank)
        ranks[static_cast<size_t>(order[static_cast<size_t>(rank)])] = rank;
    return ranks;
}

const ThresholdMask& bayerMask(int side) {
    static const ThresholdMask masks[] = {
        maskOfRanks(2, bayerRanks(2)), maskOfRanks(4, bayerRanks(4)), maskOfRanks(8, bayerRanks(8)),
        maskOfRanks(16, bayerRanks(16))};
    return masks[side == 2 ? 0 : side == 4 ? 1 : side == 8 ? 2 : 3];
}

}  // namespace

std::vector<int> bayerRanks(int side) {
    // Each doubling puts four copies of the smaller matrix, times four, in
    // the order 0 2 / 3 1.
    std::vector<int> ranks{0};
    for (int n = 1; n < side; n *= 2) {
        std::vector<int> bigger(static_cast<size_t>(4 * n * n));
        constexpr int kQuadrant[2][2] = {{0, 2}, {3, 1}};
        for (int y = 0; y < 2 * n; ++y)
            for (int x = 0; x < 2 * n; ++x)
                bigger[static_cast<size_t>(y * 2 * n + x)] =
                    4 * ranks[static_cast<size_t>((y % n) * n + x % n)] + kQuadrant[y / n][x / n];
        ranks = std::move(bigger);
    }
    return ranks;
}

const ThresholdMask* thresholdMask(int method) {
    switch (method) {
        case kBayer2:
            return &bayerMask(2);
        case kBayer4:
            return &bayerMask(4);
        case kBayer8:
            return &bayerMask(8);
        case kBayer16:
            return &bayerMask(16);
        case kClusteredDot: {
            static const ThresholdMask screen = maskOfRanks(kScreenSide, screenRanks());
            return &screen;
        }
        case kBlueNoise: {
            static const ThresholdMask noise =
                maskOfRanks(kBlueNoiseSide, voidAndClusterRanks(kBlueNoiseSide));
            return &noise;
        }
        default:
            return nullptr;
    }
}

}  // namespace bitmap
