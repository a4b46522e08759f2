#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// The blank picture of the New command: white, 24 bits per pixel.
namespace app {

// A packed DIB (40-byte header, no colour table) of width x height white
// pixels at 24 bits per pixel, 3780 pixels per metre both ways, with the
// image size filled in. Nothing when a side is below 1 or the picture would
// be larger than the program's picture limits.
std::optional<std::vector<uint8_t>> makeBlankPicture(int width, int height);

}  // namespace app
