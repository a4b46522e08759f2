#include "bitmap/Dithering.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <new>
#include <utility>
#include <vector>

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

// Runs a rule over every pixel. A rule has beginRow(y) and white(g, x); it
// sees the grey of each pixel in order and answers whether it turns white.
template <typename Rule>
void applyRule(const GreyRows& rows, const GreyLevels& grey, Rule& rule) {
    const auto width = static_cast<size_t>(rows.width);
    for (int y = 0; y < rows.height; ++y) {
        const auto row = rows.bytes.subspan(static_cast<size_t>(y) * rows.stride, rows.stride);
        uint8_t* p = row.data();
        rule.beginRow(y);
        if (rows.bitCount == 8) {
            for (size_t x = 0; x < width; ++x)
                p[x] = rule.white(grey[p[x]], x) ? 1 : 0;
            std::fill(row.begin() + static_cast<ptrdiff_t>(width), row.end(), uint8_t{0});
        } else {
            for (size_t x = 0; x < width; ++x) {
                uint8_t& byte = p[x >> 1];
                if ((x & 1) == 0) {
                    const bool white = rule.white(grey[byte >> 4], x);
                    byte = static_cast<uint8_t>((white ? 0x10 : 0x00) | (byte & 0x0F));
                } else {
                    const bool white = rule.white(grey[byte & 0x0F], x);
                    byte = static_cast<uint8_t>((byte & 0xF0) | (white ? 0x01 : 0x00));
                }
            }
            if (width & 1)
                p[width >> 1] &= 0xF0;
            std::fill(row.begin() + static_cast<ptrdiff_t>((width + 1) / 2), row.end(), uint8_t{0});
        }
    }
}

struct Thresholding {
    int threshold;
    void beginRow(int) {}
    bool white(int g, size_t) const { return g >= threshold; }
};

// A fresh threshold for every pixel, spread over 0..2T.
struct RandomThreshold {
    int threshold;
    void beginRow(int) {}
    bool white(int g, size_t) const {
        // The C library's generator may reach beyond 32767 (RAND_MAX differs
        // between platforms); scale it to 0..32767 first.
        const auto r = static_cast<int>((static_cast<uint64_t>(std::rand()) * 32768) /
                                        (static_cast<uint64_t>(RAND_MAX) + 1));
        const auto t = static_cast<int>(r * static_cast<double>(threshold) * (2 / 32767.0));
        return g >= t;
    }
};

struct OrderedMatrix {
    const uint8_t (*matrix)[4];
    const uint8_t* row = nullptr;
    void beginRow(int y) { row = matrix[y & 3]; }
    bool white(int g, size_t x) const { return g >= row[x & 3]; }
};

// Error diffusion with the Floyd - Steinberg weights, left to right on every
// row, with one float error per pixel for the current and the next row.
class FloydSteinberg {
  public:
    FloydSteinberg(int threshold, size_t width)
        : threshold_(threshold), current_(width, 0.0f), next_(width, 0.0f) {}

    void beginRow(int y) {
        if (y > 0)
            std::swap(current_, next_);
        std::fill(next_.begin(), next_.end(), 0.0f);
    }

    bool white(int g, size_t x) {
        const size_t last = current_.size() - 1;
        const float v = std::clamp(static_cast<float>(g) + current_[x], 0.0f, 255.0f);
        const bool isWhite = v >= static_cast<float>(threshold_);
        const float e = isWhite ? v - 255.0f : v;
        if (x > 0)
            spread(next_[x - 1], 0.1875, e);
        spread(next_[x], 0.3125, e);
        if (x < last) {
            spread(next_[x + 1], 0.0625, e);
            spread(current_[x + 1], 0.4375, e);
        }
        return isWhite;
    }

  private:
    static void spread(float& to, double weight, float e) {
        to = static_cast<float>(to + weight * e);
    }

    int threshold_;
    std::vector<float> current_;
    std::vector<float> next_;
};

bool rowsAreValid(const GreyRows& rows) {
    if (rows.bitCount != 4 && rows.bitCount != 8)
        return false;
    if (rows.width <= 0 || rows.height <= 0)
        return false;
    const size_t rowBytes = (static_cast<size_t>(rows.width) * rows.bitCount + 7) / 8;
    if (rows.stride < rowBytes)
        return false;
    return rows.bytes.size() / static_cast<size_t>(rows.height) >= rows.stride;
}

}  // namespace

GreyLevels greyLevels(std::span<const uint8_t> palette) {
    GreyLevels levels{};
    const size_t entries = std::min(levels.size(), palette.size() / 4);
    for (size_t i = 0; i < entries; ++i)
        levels[i] = palette[i * 4];
    return levels;
}

DitherResult ditherRows(const GreyRows& rows, const GreyLevels& grey, int method,
                        uint8_t threshold) {
    if (!rowsAreValid(rows))
        return DitherResult::badRows;
    switch (method) {
        case kThresholding: {
            Thresholding rule{threshold};
            applyRule(rows, grey, rule);
            return DitherResult::ok;
        }
        case kRandom: {
            std::srand(static_cast<unsigned>(std::time(nullptr)));
            RandomThreshold rule{threshold};
            applyRule(rows, grey, rule);
            return DitherResult::ok;
        }
        case kMatrixForDisplaying: {
            OrderedMatrix rule{kDisplayMatrix};
            applyRule(rows, grey, rule);
            return DitherResult::ok;
        }
        case kMatrixForPrinting: {
            OrderedMatrix rule{kPrintMatrix};
            applyRule(rows, grey, rule);
            return DitherResult::ok;
        }
        case kFloydSteinberg: {
            try {
                FloydSteinberg rule(threshold, static_cast<size_t>(rows.width));
                applyRule(rows, grey, rule);
            } catch (const std::bad_alloc&) {
                // Only the error rows allocate, before any pixel changes.
                return DitherResult::outOfMemory;
            }
            return DitherResult::ok;
        }
        default:
            return DitherResult::badMethod;
    }
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
