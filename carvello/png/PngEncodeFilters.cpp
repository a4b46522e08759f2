#include "carvello/png/PngEncodeFilters.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace carvello::png_filter {
namespace {

uint8_t paethPredictor(int left, int above, int aboveLeft) {
    const int p = left + above - aboveLeft;
    const int pa = std::abs(p - left);
    const int pb = std::abs(p - above);
    const int pc = std::abs(p - aboveLeft);
    if (pa <= pb && pa <= pc)
        return static_cast<uint8_t>(left);
    if (pb <= pc)
        return static_cast<uint8_t>(above);
    return static_cast<uint8_t>(aboveLeft);
}

}  // namespace

void filterRow(Type type, std::span<const uint8_t> row, std::span<const uint8_t> previous,
               size_t bytesPerPixel, std::span<uint8_t> out) {
    if (previous.size() != row.size() || out.size() != row.size() || bytesPerPixel == 0)
        throw std::logic_error("filterRow: row sizes differ");
    const size_t n = row.size();
    const size_t bpp = bytesPerPixel;
    auto left = [&](size_t i) -> int { return i >= bpp ? row[i - bpp] : 0; };
    auto aboveLeft = [&](size_t i) -> int { return i >= bpp ? previous[i - bpp] : 0; };
    switch (type) {
        case kNone:
            for (size_t i = 0; i < n; ++i)
                out[i] = row[i];
            return;
        case kSub:
            for (size_t i = 0; i < n; ++i)
                out[i] = static_cast<uint8_t>(row[i] - left(i));
            return;
        case kUp:
            for (size_t i = 0; i < n; ++i)
                out[i] = static_cast<uint8_t>(row[i] - previous[i]);
            return;
        case kAverage:
            for (size_t i = 0; i < n; ++i)
                out[i] = static_cast<uint8_t>(row[i] - (left(i) + previous[i]) / 2);
            return;
        case kPaeth:
            for (size_t i = 0; i < n; ++i)
                out[i] = static_cast<uint8_t>(row[i] -
                                              paethPredictor(left(i), previous[i], aboveLeft(i)));
            return;
    }
    throw std::logic_error("filterRow: unknown filter");
}

size_t runScore(std::span<const uint8_t> filtered) {
    size_t score = 0;
    // `same` counts how many bytes before k equal the byte at k, up to 4.
    size_t same = 0;
    for (size_t k = 1; k < filtered.size(); ++k) {
        same = filtered[k] == filtered[k - 1] ? std::min<size_t>(same + 1, 4) : 0;
        if (same == 4)
            ++score;
    }
    return score;
}

}  // namespace carvello::png_filter
