#include "bitmap/dither/ToneCurve.h"

#include <algorithm>
#include <cmath>

namespace bitmap {
namespace {

float clampGrey(float v) {
    return std::clamp(v, 0.0f, 255.0f);
}

// The share of pixels each end of the level stretch leaves out.
constexpr uint64_t kLevelTailPerMille = 5;

float adjusted(float g, const ToneAdjustments& tone, const LevelRange& levels) {
    if (tone.autoLevels && levels.high > levels.low)
        g = clampGrey((g - static_cast<float>(levels.low)) * 255.0f /
                      static_cast<float>(levels.high - levels.low));
    if (tone.brightness != 0)
        g = clampGrey(g + 2.55f * static_cast<float>(tone.brightness));
    if (tone.contrast != 0) {
        const int c =
            std::clamp(tone.contrast, ToneAdjustments::kMinContrast, ToneAdjustments::kMaxContrast);
        // Above 0 the slope grows to a step at middle grey (100), below 0 it
        // falls to a flat middle grey (-100).
        const float slope = c >= 100 ? 1e6f
                            : c > 0  ? 100.0f / static_cast<float>(100 - c)
                                     : static_cast<float>(100 + c) / 100.0f;
        g = clampGrey((g - 127.5f) * slope + 127.5f);
    }
    if (tone.gamma != 100 && tone.gamma > 0) {
        const double gamma = static_cast<double>(tone.gamma) / 100.0;
        g = clampGrey(static_cast<float>(255.0 * std::pow(g / 255.0, 1.0 / gamma)));
    }
    if (tone.invert)
        g = 255.0f - g;
    return g;
}

}  // namespace

GreyLevels greyLevels(std::span<const uint8_t> palette) {
    GreyLevels levels{};
    const size_t entries = std::min(levels.size(), palette.size() / 4);
    for (size_t i = 0; i < entries; ++i)
        levels[i] = palette[i * 4];
    return levels;
}

GreyHistogram greyHistogram(const DibView& picture, const GreyLevels& grey) {
    GreyHistogram counts{};
    if (picture.width() <= 0 || !picture.holdsRows())
        return counts;
    const auto width = static_cast<size_t>(picture.width());
    for (int y = 0; y < picture.height(); ++y)
        forEachIndex(picture.storedRow(y), picture.bitCount(), width,
                     [&](size_t, int index) { ++counts[grey[static_cast<size_t>(index)]]; });
    return counts;
}

LevelRange levelRange(const GreyHistogram& histogram) {
    uint64_t total = 0;
    for (const uint64_t count : histogram)
        total += count;
    if (total == 0)
        return {};
    const uint64_t tail = total * kLevelTailPerMille / 1000;
    LevelRange range;
    uint64_t seen = 0;
    for (range.low = 0; range.low < 255; ++range.low) {
        seen += histogram[static_cast<size_t>(range.low)];
        if (seen > tail)
            break;
    }
    seen = 0;
    for (range.high = 255; range.high > 0; --range.high) {
        seen += histogram[static_cast<size_t>(range.high)];
        if (seen > tail)
            break;
    }
    return range;
}

ToneCurve makeToneCurve(const DitherOptions& options, const LevelRange& levels) {
    ToneCurve curve;
    const bool plain = options.tone.changesNothing() && !options.linearLight;
    for (int g = 0; g < 256; ++g) {
        if (plain) {
            curve[static_cast<size_t>(g)] = static_cast<float>(g);
            continue;
        }
        float v = adjusted(static_cast<float>(g), options.tone, levels);
        if (options.linearLight)
            v = srgbToLinear(v);
        curve[static_cast<size_t>(g)] = v;
    }
    return curve;
}

ToneCurve toneCurveFor(const DibView& picture, const DitherOptions& options) {
    LevelRange levels;
    if (options.tone.autoLevels)
        levels = levelRange(greyHistogram(picture, greyLevels(picture.palette())));
    return makeToneCurve(options, levels);
}

float srgbToLinear(float grey) {
    const double c = std::clamp(static_cast<double>(grey), 0.0, 255.0) / 255.0;
    const double light = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    return static_cast<float>(light * 255.0);
}

float linearToSrgb(float light) {
    const double l = std::clamp(static_cast<double>(light), 0.0, 255.0) / 255.0;
    const double c = l <= 0.0031308 ? l * 12.92 : 1.055 * std::pow(l, 1.0 / 2.4) - 0.055;
    return static_cast<float>(c * 255.0);
}

}  // namespace bitmap
