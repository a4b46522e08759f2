#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "bitmap/Dib.h"

// Files for the reader corpus that no peer tool writes: GIF and BMP codings
// made here from pictures the peers made.
namespace readers_test {

// A GIF of the 8 bpp picture (width x height indices, top row first, and a
// table of `entries` 0xRRGGBB colours) whose LZW data never clears its code
// table: each pixel is one code, and after 3839 of them the table is full
// and the codes go on at 12 bits (a "deferred clear").
std::vector<uint8_t> deferredClearGif(int width, int height, std::span<const uint8_t> indices,
                                      std::span<const uint32_t> colours);

// The same GIF file with stray zero bytes after the colour table and before
// the trailer.
std::vector<uint8_t> withStrayZeros(std::vector<uint8_t> gif);

// A run-length BMP (RLE8 for bits 8, RLE4 for bits 4) of an indexed
// picture: runs, literal runs, and, with `deltas`, end-of-line and delta
// codes over runs of index 0.
std::vector<uint8_t> runLengthBmp(const bitmap::Dib& picture, int bits, bool deltas);

}  // namespace readers_test
