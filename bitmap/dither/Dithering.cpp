#include "bitmap/dither/Dithering.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <new>
#include <utility>
#include <vector>

#include "bitmap/dither/ErrorDiffusion.h"
#include "bitmap/dither/ThresholdMasks.h"

namespace bitmap {

namespace {

// Ordered-dither matrices, indexed [stored row mod 4][column mod 4]: a
// dispersed-dot Bayer matrix for screens and a clustered-dot one for print.
constexpr uint8_t kDisplayMatrix[4][4] = {
    {0, 192, 48, 240},
    {128, 64, 176, 112},
    {32, 224, 16, 208},
    {160, 96, 144, 80},
};
constexpr uint8_t kPrintMatrix[4][4] = {
    {16, 80, 144, 32},
    {128, 192, 208, 96},
    {64, 240, 224, 160},
    {0, 176, 112, 48},
};

// Runs a rule over every row. Each row's greys are gathered into `line`
// (one byte per pixel), the rule's row(i, line) turns each grey into 0 or 1
// in place, and the result goes back into the row with the padding cleared.
// Rows go in storage order (i = stored row) or from the top of the picture
// (i = row from the top).
enum class Walk { stored, fromTop };

template <typename Rule>
void applyRule(const MutableDibView& picture, const GreyLevels& grey, Rule& rule,
               std::span<uint8_t> line, Walk order = Walk::stored) {
    const int bitCount = picture.bitCount();
    for (int i = 0; i < picture.height(); ++i) {
        const auto row = order == Walk::stored ? picture.storedRow(i) : picture.row(i);
        forEachIndex(row, bitCount, line.size(),
                     [&](size_t x, int index) { line[x] = grey[index]; });
        rule.row(i, line);
        packIndices(line, bitCount, row);
    }
}

struct Thresholding {
    const ToneCurve& tone;
    int threshold;
    void row(int, std::span<uint8_t> line) const {
        for (auto& g : line)
            g = tone[g] >= static_cast<float>(threshold) ? 1 : 0;
    }
};

// A fresh threshold for every pixel, spread over 0..2T.
struct RandomThreshold {
    const ToneCurve& tone;
    int threshold;
    void row(int, std::span<uint8_t> line) const {
        for (auto& g : line) {
            // The C library's generator may reach beyond 32767 (RAND_MAX
            // differs between platforms); scale it to 0..32767 first.
            const auto r = static_cast<int>((static_cast<uint64_t>(std::rand()) * 32768) /
                                            (static_cast<uint64_t>(RAND_MAX) + 1));
            const auto t = static_cast<int>(r * static_cast<double>(threshold) * (2 / 32767.0));
            g = tone[g] >= static_cast<float>(t) ? 1 : 0;
        }
    }
};

struct OrderedMatrix {
    const ToneCurve& tone;
    const uint8_t (*matrix)[4];
    void row(int y, std::span<uint8_t> line) const {
        const uint8_t* m = matrix[y & 3];
        for (size_t x = 0; x < line.size(); ++x)
            line[x] = tone[line[x]] >= static_cast<float>(m[x & 3]) ? 1 : 0;
    }
};

// A threshold mask anchored at the top-left corner of the picture.
struct MaskRule {
    const ToneCurve& tone;
    const ThresholdMask& mask;
    void row(int y, std::span<uint8_t> line) const {
        const float* m = mask.row(y);
        const size_t wrap = static_cast<size_t>(mask.side) - 1;
        for (size_t x = 0; x < line.size(); ++x)
            line[x] = tone[line[x]] >= m[x & wrap] ? 1 : 0;
    }
};

// Error diffusion with the Floyd - Steinberg weights, left to right on every
// row, with one float error per pixel for the current and the next row.
class FloydSteinberg {
public:
    FloydSteinberg(const ToneCurve& tone, int threshold, size_t width)
        : tone_(tone),
          threshold_(static_cast<float>(threshold)),
          current_(width, 0.0f),
          next_(width, 0.0f) {}

    void row(int y, std::span<uint8_t> line) {
        if (y > 0)
            std::swap(current_, next_);
        std::fill(next_.begin(), next_.end(), 0.0f);
        float* current = current_.data();
        float* next = next_.data();
        const size_t last = line.size() - 1;
        // The error carried to the right is kept out of memory; it is added
        // to current[x + 1] exactly as a store and reload would.
        float right = current[0];
        for (size_t x = 0; x <= last; ++x) {
            const float v = std::clamp(tone_[line[x]] + right, 0.0f, 255.0f);
            const bool white = v >= threshold_;
            const float e = white ? v - 255.0f : v;
            line[x] = white ? 1 : 0;
            if (x > 0)
                spread(next[x - 1], 0.1875, e);
            spread(next[x], 0.3125, e);
            if (x < last) {
                spread(next[x + 1], 0.0625, e);
                right = current[x + 1];
                spread(right, 0.4375, e);
            }
        }
    }

private:
    static void spread(float& to, double weight, float e) {
        to = static_cast<float>(to + weight * e);
    }

    const ToneCurve& tone_;
    float threshold_;
    std::vector<float> current_;
    std::vector<float> next_;
};

bool rowsAreValid(const MutableDibView& picture) {
    if (picture.bitCount() != 4 && picture.bitCount() != 8)
        return false;
    if (picture.width() <= 0 || picture.height() <= 0)
        return false;
    return picture.stride() >= picture.rowBytes() && picture.holdsRows();
}

}  // namespace

DitherResult ditherRows(const MutableDibView& picture, const GreyLevels& grey, int method,
                        uint8_t threshold) {
    return ditherRows(picture, grey, method, threshold, {}, makeToneCurve({}));
}

DitherResult ditherRows(const MutableDibView& picture, const GreyLevels& grey, int method,
                        uint8_t threshold, const DitherOptions& options, const ToneCurve& tone) {
    if (!rowsAreValid(picture))
        return DitherResult::badRows;
    if (method < 0 || method >= kDitherMethodCount)
        return DitherResult::badMethod;
    // Everything that allocates does so before the first pixel changes.
    try {
        std::vector<uint8_t> line(static_cast<size_t>(picture.width()));
        // The masks are made at their first use.
        const ThresholdMask* mask = thresholdMask(method);
        switch (method) {
            case kThresholding: {
                Thresholding rule{tone, threshold};
                applyRule(picture, grey, rule, line);
                break;
            }
            case kRandom: {
                std::srand(static_cast<unsigned>(std::time(nullptr)));
                RandomThreshold rule{tone, threshold};
                applyRule(picture, grey, rule, line);
                break;
            }
            case kMatrixForDisplaying: {
                OrderedMatrix rule{tone, kDisplayMatrix};
                applyRule(picture, grey, rule, line);
                break;
            }
            case kMatrixForPrinting: {
                OrderedMatrix rule{tone, kPrintMatrix};
                applyRule(picture, grey, rule, line);
                break;
            }
            case kFloydSteinberg:
                // Plain Floyd - Steinberg keeps its own arithmetic, and so
                // its exact results; with a serpentine path or less than
                // the full error it is one kernel among the others.
                if (!options.serpentine && options.strength >= DitherOptions::kMaxStrength) {
                    FloydSteinberg rule(tone, threshold, line.size());
                    applyRule(picture, grey, rule, line);
                } else {
                    ErrorDiffuser rule(method, tone, threshold, options, line.size());
                    applyRule(picture, grey, rule, line);
                }
                break;
            default:
                if (mask) {
                    MaskRule rule{tone, *mask};
                    applyRule(picture, grey, rule, line, Walk::fromTop);
                } else {
                    ErrorDiffuser rule(method, tone, threshold, options, line.size());
                    applyRule(picture, grey, rule, line, Walk::fromTop);
                }
                break;
        }
    } catch (const std::bad_alloc&) {
        return DitherResult::outOfMemory;
    }
    return DitherResult::ok;
}

void setBlackAndWhiteEntries(std::span<uint8_t> palette) {
    constexpr uint8_t kBlack[4] = {0, 0, 0, 0};
    constexpr uint8_t kWhite[4] = {255, 255, 255, 0};
    if (palette.size() >= 4)
        std::copy(std::begin(kBlack), std::end(kBlack), palette.begin());
    if (palette.size() >= 8)
        std::copy(std::begin(kWhite), std::end(kWhite), palette.begin() + 4);
}

}  // namespace bitmap
