#pragma once

#include <cstdint>
#include <vector>

// A blue-noise ordering of the pixels of a square tile, by Ulichney's
// void-and-cluster method (1993): the lighter a grey, the more of the
// tile's pixels in rank order turn white, and at every level they are
// spread evenly without a visible pattern. The tile repeats without seams.
namespace bitmap {

// The rank (0 .. side * side - 1) of each pixel of a side x side tile, row
// by row. Deterministic: the same side always gives the same ranks. `side`
// must be a power of two from 4 to 256.
std::vector<uint16_t> voidAndClusterRanks(int side);

}  // namespace bitmap
