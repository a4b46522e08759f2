#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Test-side reading of the PNG files the encoder writes: chunks with their
// CRCs, and the pixels through an independent unfiltering of the IDAT data.
namespace pngwrite_test {

struct Chunk {
    std::string type;
    std::vector<uint8_t> data;
    bool crcOk = false;
};

struct PngFile {
    bool signatureOk = false;
    std::vector<Chunk> chunks;
    size_t trailingBytes = 0;
};

// Throws std::runtime_error when the chunk structure is broken.
PngFile readChunks(std::span<const uint8_t> file);

struct DecodedPng {
    uint32_t width = 0, height = 0;
    unsigned colourType = 0;
    std::vector<uint8_t> filterTypes;  // one per row
    std::vector<uint8_t> samples;      // unfiltered rows, RGB or RGBA
};

// Decodes 8-bit RGB/RGBA non-interlaced files; throws on anything else.
DecodedPng decodePng(std::span<const uint8_t> file);

// A binary PPM (P6) or PGM (P5) as netpbm writes it.
struct AnyMap {
    int width = 0, height = 0, channels = 0;
    std::vector<uint8_t> samples;
};
AnyMap readPnm(std::span<const uint8_t> bytes);

}  // namespace pngwrite_test
