#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "bitmap/Dib.h"

// Hand-built BMP files for the reader tests, and pixel access on decoded
// pictures that works at every depth.
namespace bmptest {

struct BmpParts {
    uint32_t headerSize = 40;  // 12 writes the OS/2 core header
    int32_t width = 0;
    int32_t height = 0;
    uint16_t planes = 1;
    uint16_t bits = 8;
    uint32_t compression = 0;
    uint32_t clrUsed = 0;
    int32_t xPels = 0;
    int32_t yPels = 0;
    // Red, green, blue masks: after a 40-byte header, inside a longer one.
    std::vector<uint32_t> masks;
    std::vector<uint8_t> table;       // colour table bytes as they go in the file
    std::vector<uint8_t> rows;        // pixel rows as they go in the file
    size_t gap = 0;                   // filler bytes between table and rows
    std::optional<uint32_t> offBits;  // default: where the rows really start
};

std::vector<uint8_t> buildBmp(const BmpParts& parts);

// Packs rows of pixel values into padded file rows. Values are indices at
// 1, 2, 4 and 8 bpp, the raw word at 16, 0xRRGGBB at 24 and 0xXXRRGGBB at 32.
std::vector<uint8_t> packRows(const std::vector<std::vector<uint32_t>>& rows, int bits);

// A colour table of `entries` distinct, non-grey colours (4 or 3 bytes each).
std::vector<uint8_t> colourTable(int entries, int entrySize = 4);
// The colour of table entry i of colourTable(), as 0xRRGGBB.
uint32_t tableColour(int i);

// A test pattern value for pixel (x, y) at the depth (see packRows).
uint32_t patternValue(int x, int y, int bits);
// The pattern for a whole picture, top row first.
std::vector<std::vector<uint32_t>> pattern(int width, int height, int bits);

// Colour of pixel (x, y), y from the top, as 0xRRGGBB, through the colour
// table for indexed pictures.
uint32_t colourAt(const bitmap::Dib& dib, int x, int y);

// Bit-field pixels made from 8-bit colours: each channel's value is put in
// its mask at the mask's width (rounded), a mask of 0 holding nothing.
struct Masks {
    uint32_t red = 0;
    uint32_t green = 0;
    uint32_t blue = 0;
    uint32_t alpha = 0;
};
uint32_t packChannels(uint32_t argb, const Masks& masks);
// What a reader shows for packChannels(argb, masks): each channel scaled
// back to 0..255 exactly, put over white by the alpha channel when the
// masks have one; 0xRRGGBB.
uint32_t shownColour(uint32_t argb, const Masks& masks);

// RLE24 data (OS/2) for 0xRRGGBB rows as the file stores them: runs of
// equal pixels, literal runs of the others, an end of line after each row
// but the last and an end of picture after it.
std::vector<uint8_t> rle24(const std::vector<std::vector<uint32_t>>& fileRows);

// A picture of varied colours and coverage, 0xAARRGGBB, top row first.
std::vector<std::vector<uint32_t>> argbPattern(int width, int height);

}  // namespace bmptest
