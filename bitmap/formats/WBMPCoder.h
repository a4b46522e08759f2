#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "bitmap/Dib.h"

namespace bitmap {

// Encodes a WBMP multi-byte integer (7-bit groups, most significant first,
// continuation bit 7 on every byte but the last).
std::vector<uint8_t> encodeWbmpInteger(uint32_t value);

// Decodes a multi-byte integer starting at `at`; advances `at` past it.
// Nothing when the bytes end before the integer does or it exceeds 32 bits.
std::optional<uint32_t> decodeWbmpInteger(std::span<const uint8_t> bytes, size_t& at);

// One WBMP picture (type 0: one bit per pixel, no compression) held as the
// exact bytes of a WBMP file. Nothing here throws: failures return false or
// nothing and leave an English message in lastError().
class WBMPCoder {
public:
    bool loadWBMP(const std::string& path);
    // Parses the bytes of a WBMP file (the memory form of loadWBMP).
    bool loadWBMPFromMemory(std::span<const uint8_t> file);
    bool saveWBMP(const std::string& path);
    bool getWBMPInfo(int& type, int& width, int& height);
    // Allocates a zeroed picture for the DIB's size and writes the header;
    // rowOffset receives the offset of the first row byte.
    bool createWBMPheader(const Dib& dib, int type, size_t& rowOffset);
    // Replaces the picture by the WBMP form of a 4 or 8 bpp DIB (index 0 is
    // black, every other index white).
    bool convBMPToWBMP(const Dib& dib, int type);
    // A new 1 bpp DIB with the black/white colour table.
    std::optional<Dib> convWBMPToBMP();

    std::span<const uint8_t> data() const { return data_; }
    int type() const { return type_; }
    int width() const { return width_; }
    int height() const { return height_; }
    const std::string& lastError() const { return lastError_; }

private:
    void fail(std::string message);
    void reset();

    std::vector<uint8_t> data_;
    int type_ = 0;
    int width_ = 0;
    int height_ = 0;
    size_t rowOffset_ = 0;  // first row byte in data_ (after the header as read)
    std::string lastError_;
};

}  // namespace bitmap
