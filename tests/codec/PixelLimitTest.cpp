// The codec's pixel limit: pictures above it are refused, by the size their
// header announces before any decoder runs, with a message naming the limit.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "codec/Codec.h"
#include "support/TestSupport.h"

using codec::Codec;
using codec::CodecError;
using codec::codeOf;
using testing_support::TempDir;

namespace {

using Bytes = std::vector<uint8_t>;

void putLe(Bytes& b, uint32_t v, int n) {
    for (int i = 0; i < n; ++i)
        b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void putBe(Bytes& b, uint32_t v, int n) {
    for (int i = n - 1; i >= 0; --i)
        b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// Headers announcing a w x h picture, followed by a few bytes of nothing.
Bytes bmpHeader(uint32_t w, uint32_t h) {
    Bytes b{'B', 'M'};
    putLe(b, 54 + 1024, 4);
    putLe(b, 0, 4);
    putLe(b, 54 + 1024, 4);
    putLe(b, 40, 4);
    putLe(b, w, 4);
    putLe(b, h, 4);
    putLe(b, 1, 2);
    putLe(b, 8, 2);
    b.resize(200, 0);
    return b;
}
Bytes gifHeader(uint32_t w, uint32_t h) {
    Bytes b{'G', 'I', 'F', '8', '9', 'a'};
    putLe(b, w, 2);
    putLe(b, h, 2);
    b.insert(b.end(), {0x80, 0, 0});
    b.resize(13 + 6 + 40, 0);
    return b;
}
Bytes pngHeader(uint32_t w, uint32_t h) {
    Bytes b{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    putBe(b, 13, 4);
    b.insert(b.end(), {'I', 'H', 'D', 'R'});
    putBe(b, w, 4);
    putBe(b, h, 4);
    b.insert(b.end(), {8, 0, 0, 0, 0, 0, 0, 0, 0});
    b.resize(69, 0);
    return b;
}
// An Exif-like segment of `segment` bytes first: the frame header is found
// by walking over it, within the bytes read so far or past them.
Bytes jpegHeaderAfter(uint16_t segment, uint32_t w, uint32_t h) {
    Bytes b{0xFF, 0xD8, 0xFF, 0xE1};
    putBe(b, segment, 2);
    b.resize(b.size() + segment - 2, 0);
    b.insert(b.end(), {0xFF, 0xC0, 0x00, 0x11, 0x08});
    putBe(b, h, 2);
    putBe(b, w, 2);
    b.insert(b.end(), {3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1});
    b.resize(b.size() + 340, 0);
    return b;
}
Bytes jpegHeader(uint32_t w, uint32_t h) {
    return jpegHeaderAfter(16, w, h);
}
Bytes jpegHeaderAfterLongSegment(uint32_t w, uint32_t h) {
    return jpegHeaderAfter(40000, w, h);
}
Bytes wbmpHeader(uint32_t w, uint32_t h) {
    Bytes b{0, 0};
    for (const uint32_t v : {w, h}) {
        b.push_back(static_cast<uint8_t>(0x80 | (v >> 14)));
        b.push_back(static_cast<uint8_t>(0x80 | ((v >> 7) & 0x7F)));
        b.push_back(static_cast<uint8_t>(v & 0x7F));
    }
    b.resize(100, 0);
    return b;
}

struct Hostile {
    const char* name;  // the extension decides for the WBMP, which has no signature
    Bytes (*header)(uint32_t, uint32_t);
};
const Hostile kHostile[] = {{"h.bmp", bmpHeader},
                            {"h.gif", gifHeader},
                            {"h.png", pngHeader},
                            {"h.jpg", jpegHeader},
                            {"long.jpg", jpegHeaderAfterLongSegment},
                            {"h.wbmp", wbmpHeader}};

void write(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

TEST(PixelLimit, HeadersAboveTheLimitAreRefusedNamingIt) {
    TempDir dir;
    for (const Hostile& file : kHostile) {
        const std::string path = dir.file(file.name);
        write(path, file.header(4000, 3000));
        Codec codec;
        codec.setThrowException(false);
        codec.setMaxPixels(1000000);
        EXPECT_EQ(codec.loadImage(path, ""), 0) << file.name;
        EXPECT_EQ(codec.errorcode(), codeOf(CodecError::pictureTooLarge)) << file.name;
        EXPECT_EQ(codec.errordescription(),
                  "CCodec::LoadImageFile: Obrázek 4000 × 3000 pixelů překračuje limit počtu "
                  "pixelů MaxPixels (1000000)")
            << file.name;
        EXPECT_EQ(codec.bmpExists(), 0);
    }
}

TEST(PixelLimit, APictureUpToTheLimitLoads) {
    TempDir dir;
    auto dib = testing_support::makeGreyDib(20, 10, 8);
    const std::string path = dir.file("p.bmp");
    ASSERT_TRUE(bitmap::ImageProc().saveBitmap(path, dib));
    Codec codec;
    codec.setThrowException(false);
    EXPECT_EQ(codec.maxPixels(), bitmap::kMaxPixels);
    codec.setMaxPixels(200);
    EXPECT_EQ(codec.loadImage(path, ""), 1) << codec.errordescription();
    codec.setMaxPixels(199);
    EXPECT_EQ(codec.loadImage(path, ""), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::pictureTooLarge));
    // The limit stays within what the program can hold.
    codec.setMaxPixels(int64_t{1} << 40);
    EXPECT_EQ(codec.maxPixels(), bitmap::kMaxPixels);
}

#if !defined(__SANITIZE_ADDRESS__)
// Address space in use now, in bytes.
uint64_t addressSpaceInUse() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmSize:"))
            return std::stoull(line.substr(7)) * 1024;
    }
    return 0;
}

// 16000 x 16000 headers of a few hundred bytes cost no memory to refuse: a
// child with 64 MB of address space to spare refuses each.
TEST(PixelLimit, RefusingAHugeHeaderAllocatesNothing) {
    TempDir dir;
    for (const Hostile& file : kHostile)
        write(dir.file(file.name), file.header(16000, 16000));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit limit{addressSpaceInUse() + (64u << 20), addressSpaceInUse() + (64u << 20)};
        ::setrlimit(RLIMIT_AS, &limit);
        int refused = 0;
        for (const Hostile& file : kHostile) {
            Codec codec;
            codec.setThrowException(false);
            codec.setMaxPixels(4000000);
            if (!codec.loadImageFile(dir.file(file.name)) &&
                codec.errorcode() == codeOf(CodecError::pictureTooLarge))
                ++refused;
        }
        ::_exit(refused);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), static_cast<int>(std::size(kHostile)));
}
#endif

}  // namespace
