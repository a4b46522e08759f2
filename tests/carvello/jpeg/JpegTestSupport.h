#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "carvello/core/RasterImage.h"

// Helpers of the JPEG tests: source pictures, peer tools, picture comparison
// and a builder for hand-made JPEG streams.
namespace jpegtest {

// An RGB picture, 3 bytes per pixel, top row first.
struct Rgb {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bytes;
};

// A deterministic picture with gradients, edges and fine texture.
Rgb makePicture(int width, int height);
void writePpm(const std::string& path, const Rgb& picture);
// Reads a binary PPM (P6) with maximum value 255.
Rgb readPpm(const std::string& path);

// Peak signal-to-noise ratio in dB of two equal-sized byte sequences
// (infinity when equal).
double psnr(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b);

// The red, green, blue bytes of a decoded image, top row first.
std::vector<uint8_t> rgbOf(const carvello::RasterImage& image);

// Runs a shell command and fails the calling test when it does not succeed.
bool run(const std::string& command);

// cjpeg's file of makePicture(width, height), or nothing when cjpeg is
// missing.
std::vector<uint8_t> cjpegFile(const std::string& options, int width = 40, int height = 24);
// Offset of the first marker segment with that code (at its 0xFF), or
// nothing.
std::optional<size_t> findSegment(const std::vector<uint8_t>& file, int code);
// Rewrites the size in the file's frame header.
void setFrameSize(std::vector<uint8_t>& file, int width, int height);

// The body of an APP1 Exif segment (after its length) whose first image
// file directory holds a camera make and then the orientation, in the
// "MM" byte order when bigEndian, else "II".
std::vector<uint8_t> exifBody(int orientation, bool bigEndian);
// The file with a JFIF APP0 segment right after the start marker replaced
// by the segment (code, body).
std::vector<uint8_t> withFirstSegment(std::vector<uint8_t> file, int code,
                                      const std::vector<uint8_t>& body);

// Hand-made JPEG streams: segments are appended in order.
class StreamBuilder {
public:
    StreamBuilder& bytes(std::initializer_list<int> values);
    StreamBuilder& raw(const std::vector<uint8_t>& values);
    StreamBuilder& soi() { return bytes({0xFF, 0xD8}); }
    StreamBuilder& eoi() { return bytes({0xFF, 0xD9}); }
    StreamBuilder& jfif();
    // A segment: 0xFF, code, length (body + 2), body.
    StreamBuilder& segment(int code, const std::vector<uint8_t>& body);
    // One 8-bit table of 64 equal values.
    StreamBuilder& dqt(int index, int value = 1);
    // A Huffman table: class (0 DC, 1 AC), index, 16 counts, symbols.
    StreamBuilder& dht(int tableClass, int index, const std::vector<uint8_t>& counts,
                       const std::vector<uint8_t>& symbols);
    // A frame header; components as (id, sampling byte, table).
    StreamBuilder& sof(int code, int height, int width,
                       const std::vector<std::vector<int>>& components, int precision = 8);
    // A scan header; components as (id, tables byte).
    StreamBuilder& sos(const std::vector<std::vector<int>>& components, int ss = 0, int se = 63,
                       int approximation = 0);
    // Entropy-coded bits given as a string of '0' and '1', padded with 1
    // bits and with 0x00 stuffed after each 0xFF.
    StreamBuilder& bits(const std::string& bitString);

    // The minimal tables of a one-block picture: DC table 0 with "0" -> size
    // 0 and "1" -> size 8, AC table 0 with "0" -> end of block.
    StreamBuilder& simpleTables();

    const std::vector<uint8_t>& data() const { return data_; }

private:
    std::vector<uint8_t> data_;
};

// A complete 8 x 8 grey picture whose one block has DC coefficient dc
// (|dc| < 32768) with quantization value 8: a flat block of 128 + dc, clamped.
std::vector<uint8_t> flatGreyBlock(int dc);

}  // namespace jpegtest
