#pragma once

#include <cstdint>
#include <span>

namespace carvello {

// Nearest-neighbour upsampling of one sample row: each source sample is
// repeated `ratio` times. destination.size() samples are written; the source
// must hold at least ceil(destination.size() / ratio) samples.
void upsampleRow(std::span<const uint8_t> source, int ratio, std::span<uint8_t> destination);

}  // namespace carvello
