#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace carvello {

// Reverses one of the five PNG row filters in place (0 None, 1 Sub, 2 Up,
// 3 Average, 4 Paeth). `previous` is the unfiltered row above (all zeros
// above the first row) and has the row's size; `bytesPerPixel` is the
// distance to the left neighbour, at least 1. Returns false for any other
// filter type and leaves the row unchanged.
bool unfilterPngRow(unsigned filterType, std::span<uint8_t> row, std::span<const uint8_t> previous,
                    size_t bytesPerPixel);

}  // namespace carvello
