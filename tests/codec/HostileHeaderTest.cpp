// Files of a few dozen bytes whose headers promise pictures of 2^28 pixels:
// each is loaded the way the program loads it, in a child process limited
// to 64 MB of address space beyond what it holds already and to 1 s of CPU
// time. It must be refused with the message its broken data deserves, not
// killed and not refused for want of memory. Real pictures load within the
// same limits.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bitmap/ImageProc.h"
#include "bitmap/gif/GifWriter.h"
#include "codec/Codec.h"
#include "support/BoundedChild.h"
#include "support/TestSupport.h"

namespace {

using Bytes = std::vector<uint8_t>;

void be32(Bytes& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(v >> shift));
}

void le16(Bytes& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

uint32_t crc32(const Bytes& bytes, size_t from) {
    uint32_t crc = 0xFFFFFFFF;
    for (size_t i = from; i < bytes.size(); ++i) {
        crc ^= bytes[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
    }
    return ~crc;
}

void pngChunk(Bytes& out, const char* type, const Bytes& data) {
    be32(out, static_cast<uint32_t>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    be32(out, crc32(out, start));
}

// 16000 x 16000 pixels and one stored deflate block that promises 65535
// bytes and holds five: 69 bytes for 8-bit grey.
Bytes hostilePng(uint8_t depth, uint8_t colourType, uint8_t interlace) {
    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    be32(header, 16000);
    be32(header, 16000);
    header.insert(header.end(), {depth, colourType, 0, 0, interlace});
    pngChunk(out, "IHDR", header);
    pngChunk(out, "IDAT", {0x78, 0x01, 0x01, 0xFF, 0xFF, 0x00, 0x00, 0, 0, 0, 0, 0});
    pngChunk(out, "IEND", {});
    return out;
}

// A 16384 x 16384 screen and image with LZW data for four pixels: 35 bytes.
Bytes hostileGif(bool interlaced) {
    Bytes out{'G', 'I', 'F', '8', '9', 'a'};
    le16(out, 16384);
    le16(out, 16384);
    out.insert(out.end(), {0x80, 0, 0, 0, 0, 0, 255, 255, 255, 0x2C});
    le16(out, 0);
    le16(out, 0);
    le16(out, 16384);
    le16(out, 16384);
    out.insert(out.end(), {static_cast<uint8_t>(interlaced ? 0x40 : 0), 2, 2, 0x84, 0x51, 0, 0x3B});
    return out;
}

// A 16384 x 16384 BMP of the given depth and coding whose pixel data is
// `data`.
Bytes hostileBmp(uint16_t bits, uint32_t compression, const Bytes& data) {
    const uint32_t tableBytes = bits <= 8 ? 4u << bits : 0;
    const uint32_t masksBytes = compression == 6 ? 16 : 0;
    const uint32_t offBits = 54 + masksBytes + tableBytes;
    Bytes out{'B', 'M'};
    auto le32 = [&out](uint32_t v) {
        le16(out, v & 0xFFFF);
        le16(out, v >> 16);
    };
    le32(offBits + static_cast<uint32_t>(data.size()));
    le32(0);
    le32(offBits);
    for (const uint32_t v : {40u, 16384u, 16384u})
        le32(v);
    le16(out, 1);
    le16(out, bits);
    for (const uint32_t v : {compression, static_cast<uint32_t>(data.size()), 0u, 0u, 0u, 0u})
        le32(v);
    if (compression == 6)
        for (const uint32_t v : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u})
            le32(v);
    out.insert(out.end(), tableBytes, 0x7F);
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

// The child's exit codes.
constexpr int kRefusedAsExpected = 0;
constexpr int kLoaded = 10;
constexpr int kRefusedOtherwise = 20;

// Loads the file in a child under 64 MB of extra address space and 1 s of
// processor time; the child's exit code, or a text saying how it died.
std::string loadUnderLimits(const std::string& path, const std::string& expectedMessage) {
    const auto run = testing_support::runUnderLimits([&] {
        codec::Codec codec;
        codec.setThrowException(false);
        if (codec.loadImageFile(path) == 1)
            return std::to_string(kLoaded);
        // A GIF that cannot be read leaves its reader's code, not a message.
        const std::string text =
            codec.errordescription() + " #" + std::to_string(codec.lastGifReadResult());
        return std::to_string(text.find(expectedMessage) != std::string::npos ? kRefusedAsExpected
                                                                              : kRefusedOtherwise);
    });
    return run.finished ? run.report : run.death;
}

TEST(HostileHeaders, CostWhatTheirDataCouldFill) {
#ifdef GLYPHON_ADDRESS_SANITIZER
    GTEST_SKIP() << "the address sanitizer reserves more address space than the limit";
#endif
    struct Case {
        const char* name;
        const char* file;
        Bytes bytes;
        std::string expected;  // part of the refusal
    };
    const std::string truncatedBmp = "Soubor BMP je zkrácený nebo poškozený";
    const std::vector<Case> cases = {
        {"69-byte grey PNG", "a.png", hostilePng(8, 0, 0), "Premature End of File"},
        {"16-bit RGBA PNG, interlaced", "b.png", hostilePng(16, 6, 1), "Premature End of File"},
        {"palette PNG without a palette", "c.png", hostilePng(8, 3, 0),
         "PLTE block must occur before IDAT"},
        {"35-byte GIF", "a.gif", hostileGif(false), "#53"},             // LZW: Read error
        {"35-byte GIF, interlaced", "b.gif", hostileGif(true), "#53"},  // LZW: Read error
        {"RLE8 BMP that ends early", "a.bmp", hostileBmp(8, 1, {255, 1, 0, 0, 0, 2, 0, 250, 9, 9}),
         truncatedBmp},
        {"RLE4 BMP that ends early", "b.bmp", hostileBmp(4, 2, {255, 0x12, 0, 0}), truncatedBmp},
        {"32-bit alpha BMP that ends early", "c.bmp", hostileBmp(32, 6, Bytes(64, 0x80)),
         truncatedBmp},
    };
    testing_support::TempDir dir;
    for (const auto& c : cases) {
        const std::string path = dir.file(c.file);
        testing_support::writeFile(path, c.bytes);
        EXPECT_EQ(loadUnderLimits(path, c.expected), std::to_string(kRefusedAsExpected)) << c.name;
    }
}

TEST(HostileHeaders, RealPicturesLoadWithinTheSameLimits) {
#ifdef GLYPHON_ADDRESS_SANITIZER
    GTEST_SKIP() << "the address sanitizer reserves more address space than the limit";
#endif
    // 1500 x 1000: 6 MB of decoded colour, 1.5 MB grey.
    auto dib = testing_support::makeGreyDib(1500, 1000, 8);
    for (int y = 0; y < 1000; ++y)
        for (int x = 0; x < 1500; ++x)
            testing_support::setPixel(dib, x, y, (x * 7 + y * 3) & 255);
    testing_support::TempDir dir;
    bitmap::ImageProc proc;
    ASSERT_TRUE(proc.savePNG(dir.file("real.png"), dib)) << proc.lastError();
    ASSERT_EQ(bitmap::GifWriter(dib).save(dir.file("real.gif"), true), 0);
    for (const char* name : {"real.png", "real.gif"})
        EXPECT_EQ(loadUnderLimits(dir.file(name), ""), std::to_string(kLoaded)) << name;
}

}  // namespace
