// PBM, XBM and C arrays: read back by netpbm and by a C compiler.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "bitmap/ImageProc.h"
#include "bitmap/formats/OneBitFiles.h"
#include "codec/Codec.h"
#include "support/TestSupport.h"

namespace {

using testing_support::quote;
using testing_support::runCommand;
using testing_support::TempDir;

// 13 x 11 (neither a multiple of 8): white where (x * y + x) % 3 != 0.
constexpr int kWidth = 13;
constexpr int kHeight = 11;
bool whiteAt(int x, int y) {
    return (x * y + x) % 3 != 0;
}

class OneBitFormats : public ::testing::Test {
protected:
    OneBitFormats() {
        codec.setThrowException(false);
        auto dib = testing_support::makeGreyDib(kWidth, kHeight, 8);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                testing_support::setPixel(dib, x, y, whiteAt(x, y) ? 200 : 60);
        const std::string path = dir.file("source.bmp");
        bitmap::ImageProc proc;
        EXPECT_TRUE(proc.saveBitmap(path, dib));
        EXPECT_EQ(codec.loadImage(path, ""), 1);
        EXPECT_EQ(codec.convertBmpToMonochrome(bitmap::kThresholding, 128), 1);
    }

    // A file netpbm wrote holds the picture's pixels, white ones having the
    // value `white` (0 in a PBM, the largest value in a PGM).
    static void expectSamePixels(const std::string& path, int white) {
        const auto read = testing_support::readNetpbm(path);
        ASSERT_EQ(read.width, kWidth);
        ASSERT_EQ(read.height, kHeight);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                ASSERT_EQ(read.values[static_cast<size_t>(y * kWidth + x)] == white, whiteAt(x, y))
                    << x << "," << y;
    }

    TempDir dir;
    codec::Codec codec;
};

TEST_F(OneBitFormats, PbmAndXbmRoundTripThroughNetpbm) {
    if (!testing_support::hasTool("pbmtopgm") || !testing_support::hasTool("xbmtopbm"))
        GTEST_SKIP() << "netpbm is not installed";
    ASSERT_EQ(codec.saveAs(dir.file("p.pbm"), "pbm", 0), 1) << codec.errordescription();
    // pbmtopgm averages a 1 x 1 window: white pixels become 1.
    ASSERT_EQ(
        runCommand("pbmtopgm 1 1 " + quote(dir.file("p.pbm")) + " > " + quote(dir.file("p.pgm")))
            .exitCode,
        0);
    expectSamePixels(dir.file("p.pgm"), 1);

    ASSERT_EQ(codec.saveAs(dir.file("logo 2.xbm"), "xbm", 0), 1) << codec.errordescription();
    EXPECT_NE(testing_support::readText(dir.file("logo 2.xbm")).find("#define logo_2_width 13"),
              std::string::npos);
    ASSERT_EQ(
        runCommand("xbmtopbm " + quote(dir.file("logo 2.xbm")) + " > " + quote(dir.file("x.pbm")))
            .exitCode,
        0);
    expectSamePixels(dir.file("x.pbm"), 0);
}

// Unpacks a C array's bytes in its layout: true for a set bit.
bool bitAt(const std::vector<uint8_t>& bytes, bitmap::CArrayLayout layout, int x, int y) {
    const int rowBytes = (kWidth + 7) / 8;
    switch (layout) {
        case bitmap::CArrayLayout::horizontal:
            return (bytes[static_cast<size_t>(y * rowBytes + x / 8)] >> (7 - x % 8)) & 1;
        case bitmap::CArrayLayout::xbm:
            return (bytes[static_cast<size_t>(y * rowBytes + x / 8)] >> (x % 8)) & 1;
        case bitmap::CArrayLayout::vertical:
            return (bytes[static_cast<size_t>((y / 8) * kWidth + x)] >> (y % 8)) & 1;
    }
    return false;
}

TEST_F(OneBitFormats, CArraysCompileAndDecodeToThePicture) {
    if (!testing_support::hasTool("cc"))
        GTEST_SKIP() << "no C compiler";
    struct Case {
        bitmap::CArrayLayout layout;
        bool invert;
        size_t bytes;
    };
    const Case cases[] = {{bitmap::CArrayLayout::horizontal, false, 2 * kHeight},
                          {bitmap::CArrayLayout::vertical, false, 2 * kWidth},
                          {bitmap::CArrayLayout::xbm, false, 2 * kHeight},
                          {bitmap::CArrayLayout::vertical, true, 2 * kWidth}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.layout) * 2 + c.invert);
        codec.setCArrayOptions({c.layout, c.invert});
        const std::string source = dir.file("9-logo.c");
        ASSERT_EQ(codec.saveAs(source, "c", 0), 1) << codec.errordescription();
        const auto compiled = runCommand("cc -std=c99 -Wall -Werror -c " + quote(source) + " -o " +
                                         quote(dir.file("logo.o")));
        ASSERT_EQ(compiled.exitCode, 0) << compiled.err;

        // A program that includes the array prints its constants and bytes.
        testing_support::writeFile(
            dir.file("dump.c"),
            "#include <stdio.h>\n#include \"" + source + "\"" +
                "\nint main(void) {\n"
                "  printf(\"%d %d %u\", _9_LOGO_WIDTH, _9_LOGO_HEIGHT, (unsigned)sizeof _9_logo);\n"
                "  for (unsigned i = 0; i < sizeof _9_logo; ++i) printf(\" %u\", _9_logo[i]);\n"
                "  return 0;\n}\n");
        const auto built = runCommand("cc -std=c99 -o " + quote(dir.file("dump")) + " " +
                                      quote(dir.file("dump.c")) + " && " + quote(dir.file("dump")));
        ASSERT_EQ(built.exitCode, 0) << built.err;
        std::istringstream numbers(built.out);
        int width = 0, height = 0;
        size_t count = 0;
        numbers >> width >> height >> count;
        EXPECT_EQ(width, kWidth);
        EXPECT_EQ(height, kHeight);
        ASSERT_EQ(count, c.bytes);
        std::vector<uint8_t> bytes;
        for (unsigned value; numbers >> value;)
            bytes.push_back(static_cast<uint8_t>(value));
        ASSERT_EQ(bytes.size(), count);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                ASSERT_EQ(bitAt(bytes, c.layout, x, y), whiteAt(x, y) != c.invert) << x << "," << y;
    }
}

TEST(OneBitNames, IdentifiersFromFileNames) {
    EXPECT_EQ(bitmap::identifierFromPath("/tmp/x/logo.c"), "logo");
    EXPECT_EQ(bitmap::identifierFromPath("2.9in e-paper.c"), "_2_9in_e_paper");
    EXPECT_EQ(bitmap::identifierFromPath("dir.d/.c"), "_c");
    EXPECT_EQ(bitmap::identifierFromPath("obrázek.xbm"), "obr__zek");
}

}  // namespace
