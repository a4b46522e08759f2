#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bitmap/Dib.h"

// Writes an 8 bpp picture as a GIF87a file with one image and a global
// colour table, optionally interlaced.
namespace bitmap {

class GifWriter {
public:
    // Takes a copy of the picture's rows and colour table.
    explicit GifWriter(const Dib& picture);

    // Builds the whole file in `out`. 0 on success; 45 for an empty picture,
    // 14 for a depth other than 8 bpp, 23 for a picture wider or taller than
    // 65535 pixels or when memory runs out, or an LZW code.
    int encode(bool interlaced, std::vector<uint8_t>& out) const;
    // Encodes and writes the file in one piece (never a half-written file):
    // the encode() codes, 12 when the file cannot be created, 44 when writing fails.
    int save(const std::string& path, bool interlaced) const;

    // Bits per index of the colour table (1 to 8): it has 2^tableBits entries.
    int tableBits() const { return tableBits_; }
    // Minimum code size of the image data: tableBits, but at least 2, the
    // smallest that GIF decoders accept.
    int lzwCodeSize() const;

private:
    int refusal_ = 0;  // non-zero: why nothing can be written
    int width_ = 0;
    int height_ = 0;
    int tableBits_ = 0;
    std::vector<uint8_t> colourTable_;  // 2^tableBits_ entries of red, green, blue
    std::vector<uint8_t> rows_;         // width_ bytes per row, top row first
};

// Code size for a colour count: 2 colours or fewer 1, up to 4 2, ... more than 128 8.
int gifCodeSizeForColours(uint32_t colours);

}  // namespace bitmap
