#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "bitmap/Dib.h"

// Reading and writing the document's picture: a packed DIB (info header,
// colour table, pixel rows) as one block, and BMP files holding one. The
// block's forms and checks are bitmap::readDibLayout's.
namespace app {

// The packed DIB block of a BMP file's bytes: the bytes after the 14-byte
// file header, zero-padded to the file's length (made in the file's own
// storage). Nothing when the bytes do not begin with a BMP file header.
std::optional<std::vector<uint8_t>> dibBlockOfBmpFile(std::vector<uint8_t> file);

// Reads a BMP file into a packed DIB block: the 14-byte file header must
// begin with "BM"; the block is the rest of the file, zero-padded to the
// file's length. Nothing when the file cannot be read or is no BMP;
// `notBmp` tells the second case.
std::optional<std::vector<uint8_t>> readDibFile(const std::string& path, bool& notBmp);

enum class DibWrite { written, refused, cannotCreate };

// Writes a picture with a 40-byte header as a BMP file (the image size field
// is recomputed for pictures with rows and stored back). Other headers are
// refused. The file appears complete or not at all.
DibWrite writeDibFile(const std::string& path, bitmap::Dib& dib);

}  // namespace app
