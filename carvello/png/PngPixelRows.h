#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace carvello {

// Colours that PNG samples index: the palette of a palette picture, or the
// grey ramp of a grey picture. Entries are blue, green, red, alpha.
using PngColourTable = std::array<std::array<uint8_t, 4>, 256>;

// The grey ramp for a sample depth: entry v = v * 255 / (2^depth - 1) for
// v < 2^depth; depth 16 gets the ramp of depth 8, for the samples' high
// bytes. Alpha is 255.
PngColourTable pngGreyRamp(unsigned bitDepth);

// The one colour that a tRNS chunk makes fully transparent in a grey or RGB
// picture, as samples at the picture's depth (a grey picture's in `red`).
struct PngTransparentColour {
    bool present = false;
    uint16_t red = 0;
    uint16_t green = 0;
    uint16_t blue = 0;
};

// Where the pixels of one decoded row go in a picture row of 4-byte pixels:
// pixel k to column firstColumn + k * columnStep.
struct PngRowPlacement {
    size_t firstColumn = 0;
    size_t columnStep = 1;
    size_t count = 0;
};

// Converts one unfiltered row of PNG samples into blue, green, red, alpha
// pixels. Grey and palette samples go through the table (palette pixels take
// their entry's alpha); 16-bit samples give their high byte; alpha is 255
// unless the colour type carries it, or the pixel of a grey or RGB picture
// has the transparent colour (compared at full depth), which gives 0.
// Nothing is written outside `pictureRow`: a placement that does not fit is
// ignored, as are rows shorter than the placement needs.
void convertPngRow(std::span<const uint8_t> row, unsigned colorType, unsigned bitDepth,
                   const PngColourTable& table, const PngTransparentColour& transparent,
                   std::span<uint8_t> pictureRow, const PngRowPlacement& placement);

// Bytes of one row of `width` pixels (without the filter byte), or 0 for a
// colour type PNG does not define.
uint64_t pngRowBytes(unsigned colorType, unsigned bitDepth, uint64_t width);
// Samples per pixel of a colour type (0 for an undefined type).
unsigned pngChannels(unsigned colorType);

}  // namespace carvello
