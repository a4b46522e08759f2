#pragma once

#include <cstddef>
#include <vector>

// Threshold masks of the ordered methods: square tiles that repeat over the
// picture. A pixel is white when its tone reaches the threshold of its place
// in the tile; the thresholds are spread evenly over 0..255 in rank order,
// so a uniform grey g whitens about g / 255 of the tile.
namespace bitmap {

struct ThresholdMask {
    int side = 0;                   // a power of two
    std::vector<float> thresholds;  // row by row

    const float* row(int y) const {
        return thresholds.data() + static_cast<size_t>(y & (side - 1)) * static_cast<size_t>(side);
    }
};

// The mask of an ordered method (Bayer, halftone screen, blue noise); null
// for any other method. Each mask is made once, at its first use.
const ThresholdMask* thresholdMask(int method);

// The Bayer index matrix of a side that is a power of two: rank of each
// place, row by row.
std::vector<int> bayerRanks(int side);

}  // namespace bitmap
