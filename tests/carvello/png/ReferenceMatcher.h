#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "tests/carvello/png/DeflateReader.h"

// A slow, plain model of the deflate encoder's matching: per hash a list of
// all earlier positions, searched newest first up to the level's limit,
// greedy choice, blocks cut once 16383 symbol entries are buffered. Tests
// compare the blocks parsed from the real encoder's streams with it.
namespace pngwrite_test {

std::vector<std::vector<Token>> referenceBlocks(std::span<const uint8_t> data, int level);

}  // namespace pngwrite_test
