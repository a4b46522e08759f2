// glyphon-cli info: each format's true size and bits per pixel from its
// header alone, on files the peers make at test time and on the header
// kinds of BMP that no peer writes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/CliRun.h"
#include "support/TestSupport.h"

using testing_support::quote;
using testing_support::runCommand;

namespace {

void put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// A 24 bpp BMP whose info header is `headerSize` bytes long: the OS/2 core
// header with its 16-bit fields for 12, the first fields of the 40-byte
// layout otherwise (an OS/2 2.x header cut short for 16, ...).
std::vector<uint8_t> bmpWithHeader(uint32_t headerSize, int width, int height) {
    std::vector<uint8_t> info;
    put(info, headerSize, 4);
    const int sizeBytes = headerSize == 12 ? 2 : 4;
    put(info, static_cast<uint32_t>(width), sizeBytes);
    put(info, static_cast<uint32_t>(height), sizeBytes);
    put(info, 1, 2);
    put(info, 24, 2);
    info.resize(headerSize, 0);
    const uint32_t stride = (static_cast<uint32_t>(width) * 3 + 3) / 4 * 4;
    const uint32_t rows = stride * static_cast<uint32_t>(height < 0 ? -height : height);
    std::vector<uint8_t> file{'B', 'M'};
    put(file, 14 + headerSize + rows, 4);
    put(file, 0, 4);
    put(file, 14 + headerSize, 4);
    file.insert(file.end(), info.begin(), info.end());
    file.resize(file.size() + rows, 0x80);
    return file;
}

// A JPEG with an Exif segment of `padding` bytes before its frame header.
std::vector<uint8_t> withExifFirst(const std::vector<uint8_t>& jpeg, size_t padding) {
    std::vector<uint8_t> out{0xFF, 0xD8, 0xFF, 0xE1};
    const size_t length = padding + 8;
    out.push_back(static_cast<uint8_t>(length >> 8));
    out.push_back(static_cast<uint8_t>(length));
    for (char c : std::string("Exif\0\0", 6))
        out.push_back(static_cast<uint8_t>(c));
    out.resize(out.size() + padding, 0);
    out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
    return out;
}

TEST(CliInfo, EachFormatsTrueSizeAndDepthFromItsHeader) {
    if (!testing_support::hasTool("convert") || !testing_support::hasTool("cjpeg") ||
        !testing_support::hasTool("pbmtowbmp") || !testing_support::hasTool("pnmtopng"))
        GTEST_SKIP() << "ImageMagick, libjpeg's or netpbm's tools are missing";
    testing_support::TempDir dir;
    const auto made =
        runCommand("cd " + quote(dir.path()) +
                   " && convert -size 451x300 -seed 2 plasma:fractal -depth 8 src.ppm"
                   " && cjpeg -quality 80 src.ppm > baseline.jpg"
                   " && cjpeg -progressive src.ppm > progressive.jpg"
                   " && cjpeg -grayscale src.ppm > grey.jpg"
                   " && convert src.ppm -colorspace CMYK cmyk.jpg"
                   " && convert src.ppm rgb.png && convert src.ppm -alpha set PNG32:rgba.png"
                   " && convert src.ppm -colors 16 -depth 8 ppm:- | pnmtopng > pal.png"
                   " && convert src.ppm -colorspace Gray -depth 16 grey16.png"
                   " && convert src.ppm -colors 64 pal.gif"
                   " && convert src.ppm BMP2:core.bmp && convert src.ppm BMP3:v3.bmp"
                   " && convert src.ppm -define bmp:format=bmp4 v4.bmp && convert src.ppm v5.bmp"
                   " && convert src.ppm -colors 16 -type Palette BMP3:pal4.bmp"
                   " && ppmtopgm src.ppm | pamditherbw | pamtopnm | pbmtowbmp > bw.wbmp");
    ASSERT_EQ(made.exitCode, 0) << made.err;
    testing_support::writeFile(
        dir.file("exif.jpg"),
        withExifFirst(testing_support::readFile(dir.file("baseline.jpg")), 3000));
    testing_support::writeFile(dir.file("os2-16.bmp"), bmpWithHeader(16, 451, 300));
    testing_support::writeFile(dir.file("os2-64.bmp"), bmpWithHeader(64, 451, 300));
    testing_support::writeFile(dir.file("adobe-52.bmp"), bmpWithHeader(52, 451, 300));
    testing_support::writeFile(dir.file("topdown.bmp"), bmpWithHeader(40, 451, -300));
    testing_support::writeFile(dir.file("core-hand.bmp"), bmpWithHeader(12, 451, 300));

    struct Case {
        const char* file;
        const char* format;
        int bits;
    };
    const std::vector<Case> cases = {
        {"baseline.jpg", "jpg", 24}, {"progressive.jpg", "jpg", 24}, {"grey.jpg", "jpg", 8},
        {"cmyk.jpg", "jpg", 32},     {"exif.jpg", "jpg", 24},        {"rgb.png", "png", 24},
        {"rgba.png", "png", 32},     {"pal.png", "png", 4},          {"grey16.png", "png", 16},
        {"pal.gif", "gif", 6},       {"core.bmp", "bmp", 24},        {"core-hand.bmp", "bmp", 24},
        {"v3.bmp", "bmp", 24},       {"v4.bmp", "bmp", 24},          {"v5.bmp", "bmp", 24},
        {"pal4.bmp", "bmp", 4},      {"os2-16.bmp", "bmp", 24},      {"os2-64.bmp", "bmp", 24},
        {"adobe-52.bmp", "bmp", 24}, {"topdown.bmp", "bmp", 24},     {"bw.wbmp", "wbmp", 1},
    };
    for (const auto& c : cases) {
        const std::string path = dir.file(c.file);
        const auto run = testing_support::runCli({"info", path});
        EXPECT_EQ(run.status, 0) << c.file << ": " << run.err;
        EXPECT_EQ(run.out, path + "\t" + c.format + "\t451\t300\t" + std::to_string(c.bits) + "\n");
    }
}

}  // namespace
