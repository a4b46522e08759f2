#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Reading and writing the document's picture: a packed DIB (info header,
// colour table, pixel rows) as one block, and BMP files holding one.
namespace app {

// What the document needs from a packed DIB's header.
struct PackedDibInfo {
    uint32_t headerSize = 0;  // 40 or more, or 12 for the old core header
    int32_t width = 0;
    int32_t height = 0;
    uint16_t bitCount = 0;
    uint32_t compression = 0;
    uint32_t colourCount = 0;      // entries in the colour table
    uint32_t colourEntrySize = 4;  // 3 for the old core header
};

enum class DibCheck { ok, negativeSize, unusable };

// Reads the header of a packed DIB and checks that the block holds the
// header, the colour table and every pixel row it declares.
DibCheck inspectPackedDib(std::span<const uint8_t> dib, PackedDibInfo& info);

// The packed DIB block of a BMP file's bytes: the bytes after the 14-byte
// file header, zero-padded to the file's length. Nothing when the bytes do
// not begin with a BMP file header.
std::optional<std::vector<uint8_t>> dibBlockOfBmpFile(std::span<const uint8_t> file);

// Reads a BMP file into a packed DIB block: the 14-byte file header must
// begin with "BM"; the block is the rest of the file, zero-padded to the
// file's length. Nothing when the file cannot be read or is no BMP;
// `notBmp` tells the second case.
std::optional<std::vector<uint8_t>> readDibFile(const std::string& path, bool& notBmp);

enum class DibWrite { written, refused, cannotCreate };

// Writes a packed DIB with a 40-byte header as a BMP file (the image size
// field is recomputed for uncompressed pictures and stored back). Other
// headers are refused. The file appears complete or not at all.
DibWrite writeDibFile(const std::string& path, std::vector<uint8_t>& dib);

}  // namespace app
