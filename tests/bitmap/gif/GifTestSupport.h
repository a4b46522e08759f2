#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "bitmap/Dib.h"

// Helpers of the GIF and LZW tests: bit-level code streams, hand-built GIF
// files, indexed test pictures and PPM files.
namespace gif_test {

// Reads codes of any width from a byte stream, least significant bit first.
class CodeReader {
public:
    explicit CodeReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    // -1 when fewer than `width` bits are left.
    int read(int width);
    size_t bitPosition() const { return bit_; }

private:
    std::span<const uint8_t> bytes_;
    size_t bit_ = 0;
};

// Packs codes of any width, least significant bit first.
class CodeWriter {
public:
    void write(int code, int width);
    const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
    size_t bit_ = 0;
};

// Every pair of successive values appears once: k^2 values below k.
std::vector<uint8_t> deBruijnPairs(int k);

// LZW data of the indices made by our encoder (it must succeed).
std::vector<uint8_t> lzwEncode(int codeSize, std::span<const uint8_t> indices);

// Builds GIF files piece by piece.
class GifBuilder {
public:
    // Signature and screen descriptor; a global table of `globalEntries`
    // entries (a power of two from 2 to 256, or 0 for none) whose entry i is
    // colour(i).
    GifBuilder& screen(int width, int height, int globalEntries, const char* signature = "GIF89a");
    GifBuilder& extension(uint8_t label, const std::vector<std::string>& blocks);
    // Image descriptor, an optional local table (entries as above, colours
    // from localColour(i)), code size byte and the LZW data cut into sub-blocks.
    GifBuilder& image(int left, int top, int width, int height, bool interlaced, int localEntries,
                      int codeSize, std::span<const uint8_t> lzwData);
    // An image of the given indices, rows in stored order, encoded with codeSize.
    GifBuilder& simpleImage(int width, int height, std::span<const uint8_t> rowsInOrder,
                            int codeSize = 8, int localEntries = 0);
    GifBuilder& raw(std::vector<uint8_t> bytes);
    GifBuilder& trailer();
    const std::vector<uint8_t>& bytes() const { return bytes_; }

    static uint32_t colour(int i);       // 0xRRGGBB of global entry i
    static uint32_t localColour(int i);  // 0xRRGGBB of local entry i

private:
    void le16(int v);
    std::vector<uint8_t> bytes_;
};

// An 8 bpp picture with `entries` colours (entry i = GifBuilder::colour(i))
// and pixels from the function, y counted from the top.
bitmap::Dib makeIndexedDib(int width, int height, uint32_t entries, int (*pixel)(int x, int y));

// 0xRRGGBB of a colour-table entry of a DIB.
uint32_t paletteColour(const bitmap::Dib& dib, int index);

// A binary PPM (P6, maxval 255), pixels 0xRRGGBB top row first.
struct Ppm {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};
Ppm parsePpm(std::span<const uint8_t> bytes);  // width 0 when it is not a P6 file
void writePpm(const std::string& path, const Ppm& picture);

}  // namespace gif_test
