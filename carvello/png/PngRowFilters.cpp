#include "carvello/png/PngRowFilters.h"

#include <algorithm>
#include <cstdlib>

namespace carvello {
namespace {

// The Paeth predictor: the neighbour closest to left + up - upper left,
// ties going to left, then up.
inline uint8_t paeth(int left, int up, int upperLeft) {
    const int toLeft = std::abs(up - upperLeft);
    const int toUp = std::abs(left - upperLeft);
    const int toUpperLeft = std::abs(left + up - 2 * upperLeft);
    if (toLeft <= toUp && toLeft <= toUpperLeft)
        return static_cast<uint8_t>(left);
    return static_cast<uint8_t>(toUp <= toUpperLeft ? up : upperLeft);
}

}  // namespace

bool unfilterPngRow(unsigned filterType, std::span<uint8_t> row, std::span<const uint8_t> previous,
                    size_t bytesPerPixel) {
    const size_t n = std::min(row.size(), previous.size());
    const size_t lead = std::min(bytesPerPixel, n);
    uint8_t* r = row.data();
    const uint8_t* p = previous.data();
    switch (filterType) {
        case 0:
            return true;
        case 1:
            for (size_t i = lead; i < n; ++i)
                r[i] = static_cast<uint8_t>(r[i] + r[i - bytesPerPixel]);
            return true;
        case 2:
            for (size_t i = 0; i < n; ++i)
                r[i] = static_cast<uint8_t>(r[i] + p[i]);
            return true;
        case 3:
            for (size_t i = 0; i < lead; ++i)
                r[i] = static_cast<uint8_t>(r[i] + (p[i] >> 1));
            for (size_t i = lead; i < n; ++i)
                r[i] = static_cast<uint8_t>(r[i] + ((r[i - bytesPerPixel] + p[i]) >> 1));
            return true;
        case 4:
            // With left and upper left both zero the predictor is the byte above.
            for (size_t i = 0; i < lead; ++i)
                r[i] = static_cast<uint8_t>(r[i] + p[i]);
            for (size_t i = lead; i < n; ++i)
                r[i] = static_cast<uint8_t>(
                    r[i] + paeth(r[i - bytesPerPixel], p[i], p[i - bytesPerPixel]));
            return true;
        default:
            return false;
    }
}

}  // namespace carvello
