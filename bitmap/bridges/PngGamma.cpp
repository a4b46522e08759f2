#include "bitmap/bridges/PngGamma.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "carvello/png/PngDecoder.h"

namespace bitmap {
namespace {

// 1 / 2.2 as a gAMA chunk stores it, and how far from it a file's gamma may
// lie to count as sRGB.
constexpr int64_t kSrgbGamma = 45455;
constexpr int64_t kSrgbTolerance = 455;

// The sRGB curve: light 0..1 to its coded value 0..1.
double srgbCoded(double light) {
    return light <= 0.0031308 ? 12.92 * light : 1.055 * std::pow(light, 1 / 2.4) - 0.055;
}

}  // namespace

PngColourSpace pngColourSpace(const carvello::PngDecoder& decoder) {
    return {decoder.gammaValue(), decoder.hasSrgbChunk(), decoder.hasIccProfile()};
}

std::optional<std::array<uint8_t, 256>> srgbTable(const PngColourSpace& space) {
    if (space.gamma == 0 || space.srgb || space.iccProfile ||
        std::llabs(int64_t{space.gamma} - kSrgbGamma) <= kSrgbTolerance)
        return std::nullopt;
    const double exponent = 100000.0 / space.gamma;
    std::array<uint8_t, 256> table{};
    for (int v = 0; v < 256; ++v) {
        const double light = std::pow(v / 255.0, exponent);
        table[static_cast<size_t>(v)] =
            static_cast<uint8_t>(std::lround(std::clamp(srgbCoded(light), 0.0, 1.0) * 255));
    }
    return table;
}

void applyPngGamma(const PngColourSpace& space, std::span<uint8_t> bgraPixels) {
    const auto table = srgbTable(space);
    if (!table)
        return;
    const size_t count = bgraPixels.size() / 4;
    uint8_t* p = bgraPixels.data();
    for (size_t i = 0; i < count; ++i, p += 4) {
        p[0] = (*table)[p[0]];
        p[1] = (*table)[p[1]];
        p[2] = (*table)[p[2]];
    }
}

}  // namespace bitmap
