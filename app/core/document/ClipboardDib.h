#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "app/core/document/PictureDocument.h"
#include "bitmap/DibLayout.h"

// The picture on the clipboard and the packed DIBs that pasted pictures
// become. The clipboard carries a picture as the bytes of a BMP file
// ("image/bmp"): the 14-byte file header followed by the packed DIB.
namespace app {

// The BMP file of a packed DIB: a file header, then the whole block byte for
// byte, so that taking the file header off again gives the same block.
// Nothing for a block that is not a usable packed DIB.
std::optional<std::vector<uint8_t>> bmpBytesFromPackedDib(std::span<const uint8_t> dib);

struct PastedDib {
    bitmap::DibCheck check = bitmap::DibCheck::unusable;
    std::vector<uint8_t> dib;  // the packed DIB when check is ok
};

// The packed DIB of a BMP file as another program may put it on the
// clipboard: the block after the file header, with any gap the file leaves
// between colour table and pixels taken out and top-down rows turned into
// the bottom-up rows a packed DIB keeps. `check` tells why a file is refused.
PastedDib packedDibFromBmpBytes(std::span<const uint8_t> bytes);

// True for the plain packed DIBs the program keeps as they come: a 40-byte
// header, rows without compression, 1, 4, 8 or 24 bits per pixel. Pasted
// pictures of any other form are redrawn into one of these first, so that
// the document can write them and the codec read them.
bool isPlainPackedDib(std::span<const uint8_t> dib);

// An 8-bpp packed DIB (40-byte header, 256-entry colour table: the given
// colours, then black) of indices given top row first, width x height bytes.
// Nothing when the sizes are out of range or do not match.
std::optional<std::vector<uint8_t>> packedDibIndexed8(int width, int height,
                                                      std::span<const PaletteEntry> colours,
                                                      std::span<const uint8_t> indices);

// A 24-bpp packed DIB of pixels given top row first as red, green, blue
// bytes (3 x width x height). Nothing when the sizes are out of range or do
// not match.
std::optional<std::vector<uint8_t>> packedDibRgb24(int width, int height,
                                                   std::span<const uint8_t> rgb);

}  // namespace app
