#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// The row filters of the PNG format (filter method 0) as the encoder applies
// them, and the score by which it chooses among them.
namespace carvello::png_filter {

enum Type : uint8_t { kNone = 0, kSub = 1, kUp = 2, kAverage = 3, kPaeth = 4 };

// Filters `row` into `out` (same size). `previous` is the raw row above (all
// zeros above the first row); bytes left of the row count as 0; the left
// neighbour lies bytesPerPixel back.
void filterRow(Type type, std::span<const uint8_t> row, std::span<const uint8_t> previous,
               size_t bytesPerPixel, std::span<uint8_t> out);

// The number of positions k from 4 to the end where the bytes k - 4 to k are
// all equal (0 for rows of at most 4 bytes).
size_t runScore(std::span<const uint8_t> filtered);

}  // namespace carvello::png_filter
