#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Builders for hand-made PNG files and zlib streams in the PNG tests.
namespace pngtest {

using Bytes = std::vector<uint8_t>;

// One chunk: length, type, data, CRC (a wrong CRC when asked).
Bytes chunk(std::string_view type, std::span<const uint8_t> data, bool badCrc = false);
Bytes ihdr(uint32_t width, uint32_t height, uint8_t depth, uint8_t colorType,
           uint8_t interlace = 0);
// The 8-byte signature.
Bytes signature();

// A zlib stream of stored blocks (at most 65535 bytes each) holding the bytes.
Bytes zlibStored(std::span<const uint8_t> bytes);
// The same compressed by python3's zlib module at a level (0 to 9);
// `strategy` is a zlib strategy number (0 default, 1 filtered, 2 Huffman
// only, 3 RLE, 4 fixed).
Bytes zlibCompress(std::span<const uint8_t> bytes, int level, int strategy = 0);

// Raw image data: each row prefixed by filter byte 0.
Bytes unfilteredRows(std::span<const uint8_t> pixels, size_t rowBytes);

// Simple PNG: signature, IHDR, optional extra chunks before IDAT, one IDAT
// holding the zlib data, IEND.
Bytes pngFile(const Bytes& header, const Bytes& zlibData, const Bytes& beforeData = {},
              const Bytes& afterData = {});

void append(Bytes& to, std::span<const uint8_t> bytes);
Bytes bytesOf(std::string_view text);

// Writes bits least significant first, as deflate does.
class BitWriter {
public:
    void bits(uint32_t value, unsigned count);
    // A Huffman code, most significant bit first.
    void code(uint32_t code, unsigned length);
    Bytes finish();

private:
    Bytes bytes_;
    uint32_t current_ = 0;
    unsigned used_ = 0;
};

// The PNG suite folder.
std::string suiteFolder();

}  // namespace pngtest
