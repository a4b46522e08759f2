#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "bitmap/Dib.h"
#include "carvello/core/Outcome.h"

// The file and info headers of a BMP file, whichever of its versions the
// file uses, gathered into one description of how its pixels are stored.
namespace bitmap {

// How the pixel data is coded. The numbers of the compression field mean
// different codings in Windows and OS/2 headers; this names the coding.
enum class BmpCoding {
    rgb,        // plain rows; 16 and 32 bpp in their default layouts
    rle8,       // run-length, 8 bpp
    rle4,       // run-length, 4 bpp
    rle24,      // run-length, 24 bpp (OS/2)
    bitFields,  // 16 or 32 bpp pixels laid out by the masks
    jpeg,       // the pixel data is a JPEG file
    png,        // the pixel data is a PNG file
    huffman1d,  // OS/2's one-dimensional Huffman coding of 1 bpp pictures
    cmyk,       // Windows' CMYK codings (plain, RLE8, RLE4)
    unknown,
};

// The red, green, blue and alpha masks of a bit-field file (alpha 0: none).
struct BmpMasks {
    uint32_t red = 0;
    uint32_t green = 0;
    uint32_t blue = 0;
    uint32_t alpha = 0;
};

struct BmpLayout {
    uint32_t headerSize = 0;
    int64_t width = 0;
    int64_t height = 0;  // as stored: negative for top-down rows
    uint16_t planes = 0;
    uint16_t bits = 0;
    uint32_t compression = 0;  // the field as stored
    BmpCoding coding = BmpCoding::rgb;
    uint32_t clrUsed = 0;
    uint32_t entrySize = 4;  // colour-table entry: 3 bytes in core files
    BmpMasks masks;          // only for BmpCoding::bitFields
    uint64_t tableOffset = 0;
    uint32_t bfOffBits = 0;
    BitmapInfoHeader kept;  // resolution, image size and the like, as read
};

// Reads the file and info headers (and the masks of a bit-field file) of a
// file that holds at least 18 bytes. Refuses, with a text of Texts.h, a file
// without the signature, with an info header size no version has, or cut
// short inside its headers.
carvello::Outcome<BmpLayout> readBmpLayout(std::span<const uint8_t> file);

}  // namespace bitmap
