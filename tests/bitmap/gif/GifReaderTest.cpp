// The GIF reader on hand-built files: block walking, colour tables,
// placement and clipping, and every way a file can be broken.
#include <gtest/gtest.h>

#include <numeric>
#include <optional>
#include <string>

#include "bitmap/gif/GifErrors.h"
#include "bitmap/gif/GifReader.h"
#include "support/TestSupport.h"
#include "tests/bitmap/gif/GifTestSupport.h"

namespace {

using bitmap::GifReader;
using gif_test::GifBuilder;
using testing_support::pixelAt;
namespace code = bitmap::gifcode;

// Indices of a width x height picture, i-th pixel = (i * 7 + 3) % modulo.
std::vector<uint8_t> pattern(int width, int height, int modulo) {
    std::vector<uint8_t> v(static_cast<size_t>(width) * height);
    for (size_t i = 0; i < v.size(); ++i)
        v[i] = static_cast<uint8_t>((i * 7 + 3) % modulo);
    return v;
}

int load(const std::vector<uint8_t>& file) {
    return GifReader(file).load();
}

bitmap::Dib loadPicture(const std::vector<uint8_t>& file) {
    GifReader reader(file);
    EXPECT_EQ(reader.load(), 0);
    auto picture = reader.takePicture();
    EXPECT_TRUE(picture.has_value());
    return picture ? std::move(*picture) : bitmap::Dib();
}

// A valid file: comment, one 5 x 3 image with 4 colours, trailer.
std::vector<uint8_t> smallFile() {
    return GifBuilder()
        .screen(5, 3, 4)
        .extension(0xFE, {"hello"})
        .simpleImage(5, 3, pattern(5, 3, 4), 2)
        .trailer()
        .bytes();
}

TEST(GifReader, FirstImageBecomesABottomUpDib) {
    const auto dib = loadPicture(smallFile());
    ASSERT_FALSE(dib.empty());
    const auto h = dib.header();
    EXPECT_EQ(h.biSize, 40u);
    EXPECT_EQ(h.biWidth, 5);
    EXPECT_EQ(h.biHeight, 3);
    EXPECT_EQ(h.biBitCount, 8);
    EXPECT_EQ(h.biCompression, 0u);
    EXPECT_EQ(h.biSizeImage, 15u);
    EXPECT_EQ(h.biClrUsed, 4u);
    EXPECT_EQ(h.biClrImportant, 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(gif_test::paletteColour(dib, i), GifBuilder::colour(i));
    EXPECT_EQ(dib.palette()[3], 0);
    const auto expected = pattern(5, 3, 4);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(pixelAt(dib, x, y), expected[static_cast<size_t>(y * 5 + x)]);
    EXPECT_EQ(dib.storedRow(2)[0], expected[0]);  // the top row is stored last
}

TEST(GifReader, PictureIsHandedOutOnce) {
    const auto file = smallFile();
    GifReader reader(file);
    EXPECT_FALSE(reader.takePicture());
    ASSERT_EQ(reader.load(), 0);
    EXPECT_TRUE(reader.takePicture());
    EXPECT_FALSE(reader.takePicture());
}

TEST(GifReader, ExtensionsAndLaterImagesAreSkipped) {
    const auto good = GifBuilder()
                          .screen(4, 4, 16)
                          .extension(0xFF, {"NETSCAPE2.0", std::string("\x01\x00\x00", 3)})
                          .extension(0xFE, {"a comment", "more"})
                          .simpleImage(4, 4, pattern(4, 4, 16), 4)
                          .extension(0x01, {"plain text"})
                          .simpleImage(4, 4, std::vector<uint8_t>(16, 9), 4, 16)
                          .trailer()
                          .bytes();
    const auto dib = loadPicture(good);
    const auto expected = pattern(4, 4, 16);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(pixelAt(dib, i % 4, i / 4), expected[static_cast<size_t>(i)]);
    EXPECT_EQ(gif_test::paletteColour(dib, 9), GifBuilder::colour(9));
}

TEST(GifReader, LocalColourTableIsUsedForTheImage) {
    for (const int global : {0, 2, 256}) {
        const auto dib = loadPicture(GifBuilder()
                                         .screen(3, 2, global)
                                         .simpleImage(3, 2, pattern(3, 2, 8), 3, 8)
                                         .trailer()
                                         .bytes());
        EXPECT_EQ(dib.header().biClrUsed, 8u) << global;
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(gif_test::paletteColour(dib, i), GifBuilder::localColour(i)) << global;
    }
}

TEST(GifReader, IndicesBeyondTheTableStayIndices) {
    const std::vector<uint8_t> pixels{200, 1, 255, 0};
    const auto dib =
        loadPicture(GifBuilder().screen(2, 2, 2).simpleImage(2, 2, pixels, 8).trailer().bytes());
    EXPECT_EQ(dib.header().biClrUsed, 2u);
    EXPECT_EQ(dib.palette().size(), 8u);
    EXPECT_EQ(pixelAt(dib, 0, 0), 200);
    EXPECT_EQ(pixelAt(dib, 0, 1), 255);
}

TEST(GifReader, ImagesArePlacedOnTheScreenAndClipped) {
    struct Case {
        const char* name;
        int left, top, width, height;
        bool interlaced;
    };
    const int sw = 7, sh = 6;
    for (const auto& c :
         {Case{"inside at an offset", 2, 1, 3, 4, false},
          Case{"wider and taller", 0, 0, 10, 9, false},
          Case{"wider and taller, interlaced", 0, 0, 10, 9, true},
          Case{"as wide, taller, interlaced", 0, 0, 7, 11, true},
          Case{"over the right and bottom edges", 5, 4, 4, 5, true},
          Case{"entirely outside", 9, 9, 3, 3, false}, Case{"empty", 0, 0, 0, 0, false}}) {
        const auto stored = pattern(c.width, c.height, 16);
        // Rows in file order: interlaced files store them pass by pass.
        std::vector<uint8_t> inFile;
        std::vector<int> order;
        if (c.interlaced) {
            for (const auto& [first, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
                for (int y = first; y < c.height; y += step)
                    order.push_back(y);
        } else {
            order.resize(static_cast<size_t>(c.height));
            std::iota(order.begin(), order.end(), 0);
        }
        for (const int y : order)
            inFile.insert(inFile.end(), stored.begin() + y * c.width,
                          stored.begin() + (y + 1) * c.width);
        const auto data = gif_test::lzwEncode(4, inFile);
        const auto dib =
            loadPicture(GifBuilder()
                            .screen(sw, sh, 16)
                            .image(c.left, c.top, c.width, c.height, c.interlaced, 0, 4, data)
                            .trailer()
                            .bytes());
        ASSERT_EQ(dib.width(), sw) << c.name;
        ASSERT_EQ(dib.height(), sh) << c.name;
        for (int y = 0; y < sh; ++y) {
            for (int x = 0; x < sw; ++x) {
                const int ix = x - c.left, iy = y - c.top;
                // The screen around the image is white paper.
                const uint32_t expected =
                    ix >= 0 && iy >= 0 && ix < c.width && iy < c.height
                        ? GifBuilder::colour(stored[static_cast<size_t>(iy * c.width + ix)])
                        : 0xFFFFFF;
                ASSERT_EQ(gif_test::paletteColour(dib, pixelAt(dib, x, y)), expected)
                    << c.name << " " << x << "," << y;
            }
        }
    }
}

TEST(GifReader, StrayZeroBytesBetweenBlocksAreSkipped) {
    const auto image = pattern(4, 2, 4);
    const auto dib = loadPicture(GifBuilder()
                                     .screen(4, 2, 4)
                                     .raw({0, 0})
                                     .extension(0xFE, {"comment"})
                                     .raw({0})
                                     .simpleImage(4, 2, image, 2)
                                     .raw({0})
                                     .trailer()
                                     .bytes());
    EXPECT_EQ(pixelAt(dib, 3, 1), image[7]);
}

// A graphic control extension: packed byte, delay, transparent index.
std::vector<std::string> graphicControl(bool transparent, uint8_t index) {
    return {
        std::string{static_cast<char>(transparent ? 0x05 : 0x04), 0, 0, static_cast<char>(index)}};
}

TEST(GifReader, TransparentIndexOfTheFirstImageIsWhite) {
    struct Case {
        const char* name;
        GifBuilder file;
        int whiteIndex;  // -1: the table as it is
    };
    const auto image = pattern(4, 2, 4);
    auto withControls = [&](std::vector<std::vector<std::string>> before,
                            std::vector<std::string> after) {
        GifBuilder b;
        b.screen(4, 2, 4);
        for (const auto& blocks : before)
            b.extension(0xF9, blocks);
        b.simpleImage(4, 2, image, 2);
        if (!after.empty())
            b.extension(0xF9, after);
        return b.trailer();
    };
    const std::vector<Case> cases{
        {"transparent index 2", withControls({graphicControl(true, 2)}, {}), 2},
        {"flag off", withControls({graphicControl(false, 2)}, {}), -1},
        {"the last control before the image counts",
         withControls({graphicControl(true, 1), graphicControl(false, 1)}, {}), -1},
        {"a control after the image does not", withControls({}, graphicControl(true, 3)), -1},
        {"short control block is ignored", withControls({{std::string("\x05\x00", 2)}}, {}), -1},
    };
    for (const auto& c : cases) {
        const auto dib = loadPicture(c.file.bytes());
        EXPECT_EQ(dib.header().biClrUsed, 4u) << c.name;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(gif_test::paletteColour(dib, i),
                      i == c.whiteIndex ? 0xFFFFFFu : GifBuilder::colour(i))
                << c.name << " entry " << i;
        EXPECT_EQ(pixelAt(dib, 1, 0), image[1]) << c.name;  // indices stay as they are
    }
}

TEST(GifReader, TransparentIndexPastTheTableWidensItWithWhite) {
    const auto dib = loadPicture(GifBuilder()
                                     .screen(2, 1, 2)
                                     .extension(0xF9, graphicControl(true, 5))
                                     .simpleImage(2, 1, std::vector<uint8_t>{5, 1}, 3)
                                     .trailer()
                                     .bytes());
    EXPECT_EQ(dib.header().biClrUsed, 6u);
    EXPECT_EQ(gif_test::paletteColour(dib, 5), 0xFFFFFFu);
    EXPECT_EQ(gif_test::paletteColour(dib, 3), 0u);  // past the file's table: black
}

TEST(GifReader, ScreenAroundTheImageTakesAnIndexThatCanBeWhite) {
    // 1 x 1 image at (1, 0) on a 2 x 1 screen; which index paints the left pixel.
    struct Case {
        const char* name;
        int tableEntries;
        std::vector<uint8_t> pixel;  // the image's one pixel
        std::optional<uint8_t> transparent;
        int expectedIndex;
        uint32_t expectedColour;
    };
    const std::vector<Case> cases{
        {"the transparent index", 4, {1}, 3, 3, 0xFFFFFF},
        {"the first index past the table", 4, {1}, {}, 4, 0xFFFFFF},
        {"past the table, skipping used indices", 4, {4}, {}, 5, 0xFFFFFF},
        {"a full table: the first unused index", 256, {0}, {}, 1, 0xFFFFFF},
    };
    for (const auto& c : cases) {
        GifBuilder b;
        b.screen(2, 1, c.tableEntries);
        if (c.transparent)
            b.extension(0xF9, graphicControl(true, *c.transparent));
        b.image(1, 0, 1, 1, false, 0, 8, gif_test::lzwEncode(8, c.pixel)).trailer();
        const auto dib = loadPicture(b.bytes());
        EXPECT_EQ(pixelAt(dib, 0, 0), c.expectedIndex) << c.name;
        EXPECT_EQ(pixelAt(dib, 1, 0), c.pixel[0]) << c.name;
        EXPECT_EQ(gif_test::paletteColour(dib, c.expectedIndex), c.expectedColour) << c.name;
        const uint32_t pixelColour =
            c.pixel[0] < c.tableEntries ? GifBuilder::colour(c.pixel[0]) : 0;  // past it: black
        EXPECT_EQ(gif_test::paletteColour(dib, c.pixel[0]), pixelColour) << c.name;
    }
}

TEST(GifReader, ScreenAroundAnImageUsingEveryIndexTakesTheLightestEntry) {
    std::vector<uint8_t> all(256);
    std::iota(all.begin(), all.end(), 0);
    const auto dib = loadPicture(GifBuilder()
                                     .screen(16, 17, 256)
                                     .image(0, 1, 16, 16, false, 0, 8, gif_test::lzwEncode(8, all))
                                     .trailer()
                                     .bytes());
    int lightest = 0;
    auto luma = [](uint32_t c) {
        return 299 * (c >> 16) + 587 * ((c >> 8) & 255) + 114 * (c & 255);
    };
    for (int i = 1; i < 256; ++i)
        if (luma(GifBuilder::colour(i)) > luma(GifBuilder::colour(lightest)))
            lightest = i;
    EXPECT_EQ(pixelAt(dib, 5, 0), lightest);
    EXPECT_EQ(gif_test::paletteColour(dib, lightest), GifBuilder::colour(lightest));
}

TEST(GifReader, MissingTrailerAfterTheImageIsAccepted) {
    auto file = smallFile();
    file.pop_back();
    const auto dib = loadPicture(file);
    EXPECT_EQ(dib.width(), 5);
}

TEST(GifReader, EveryCutOfASmallFileIsRefused) {
    GifBuilder builder;
    builder.screen(5, 3, 4).extension(0xFE, {"hi"}).simpleImage(5, 3, pattern(5, 3, 4), 2, 4);
    const size_t firstImageEnd = builder.bytes().size();
    const auto file = builder.simpleImage(5, 3, pattern(5, 3, 3), 2, 4).trailer().bytes();
    ASSERT_EQ(load(file), 0);
    for (size_t cut = 0; cut < file.size(); ++cut) {
        const auto part = std::span(file).first(cut);
        GifReader reader(part);
        const int result = reader.load();
        // Cut exactly after an image, the file only lacks its trailer.
        if (cut == firstImageEnd || cut == file.size() - 1) {
            EXPECT_EQ(result, 0) << cut;
            EXPECT_TRUE(reader.takePicture()) << cut;
            continue;
        }
        EXPECT_NE(result, 0) << cut;
        EXPECT_NE(bitmap::gifErrorMessage(result), "") << cut;
        EXPECT_FALSE(reader.takePicture()) << cut;
    }
}

TEST(GifReader, CutPointsGiveTheCodeOfThePartCutOff) {
    // signature 0-5, screen 6-12, global table 13-24, comment 25-30,
    // image descriptor 31-40, local table 41-52, code size 53, data from 54.
    const auto file = GifBuilder()
                          .screen(5, 3, 4)
                          .extension(0xFE, {"hi"})
                          .simpleImage(5, 3, pattern(5, 3, 4), 2, 4)
                          .bytes();
    struct Case {
        size_t cut;
        int expected;
    };
    for (const auto& c :
         {Case{0, code::kReadSignature}, Case{5, code::kReadSignature},
          Case{6, code::kReadScreenDescriptor}, Case{12, code::kReadScreenDescriptor},
          Case{13, code::kReadGlobalPalette}, Case{24, code::kReadGlobalPalette},
          Case{25, code::kReadImageDescriptor}, Case{26, code::kReadExtensionCode},
          Case{27, code::kReadExtensionSize}, Case{29, code::kReadExtensionData},
          Case{30, code::kReadExtensionSize}, Case{31, code::kReadImageDescriptor},
          Case{40, code::kReadImageDescriptor}, Case{41, code::kReadLocalPalette},
          Case{52, code::kReadLocalPalette}, Case{53, code::kReadCodeSize},
          Case{54, code::kReadBlockSize}, Case{56, code::kReadRasterData},
          Case{file.size() - 1, code::kReadBlockSize}}) {
        EXPECT_EQ(GifReader(std::span(file).first(c.cut)).load(), c.expected) << c.cut;
    }
}

TEST(GifReader, BrokenStructureIsRefused) {
    const auto image = pattern(4, 2, 4);
    const auto data = gif_test::lzwEncode(2, image);
    struct Case {
        const char* name;
        std::vector<uint8_t> file;
        int expected;
    };
    const std::vector<Case> cases{
        {"stray byte other than zero",
         GifBuilder().screen(4, 2, 4).raw({0x55}).simpleImage(4, 2, image, 2).trailer().bytes(),
         code::kUnknownSeparator},
        {"trailer before any image", GifBuilder().screen(4, 2, 4).trailer().bytes(),
         code::kReadImageDescriptor},
        {"end of file before any image", GifBuilder().screen(4, 2, 4).bytes(),
         code::kReadImageDescriptor},
        {"no colour table at all",
         GifBuilder().screen(4, 2, 0).simpleImage(4, 2, image, 2).trailer().bytes(),
         code::kUnsupportedFormat},
        {"zero-width screen",
         GifBuilder().screen(0, 2, 4).simpleImage(4, 2, image, 2).trailer().bytes(),
         code::kUnsupportedFormat},
        {"zero-height screen",
         GifBuilder().screen(4, 0, 4).simpleImage(4, 2, image, 2).trailer().bytes(),
         code::kUnsupportedFormat},
        {"screen beyond the picture size limit",
         GifBuilder().screen(65535, 65535, 4).simpleImage(4, 2, image, 2).trailer().bytes(),
         code::kOutOfMemory},
        {"code size 0",
         GifBuilder().screen(4, 2, 4).image(0, 0, 4, 2, false, 0, 0, data).trailer().bytes(),
         code::kLzwInitFailed},
        {"code size 9",
         GifBuilder().screen(4, 2, 4).image(0, 0, 4, 2, false, 0, 9, data).trailer().bytes(),
         code::kLzwWidthTooBig},
        {"code size 12",
         GifBuilder().screen(4, 2, 4).image(0, 0, 4, 2, false, 0, 12, data).trailer().bytes(),
         code::kLzwWidthTooBig},
        {"data for fewer pixels",
         GifBuilder().screen(4, 4, 4).image(0, 0, 4, 4, false, 0, 2, data).trailer().bytes(),
         code::kLzwReadError},
        {"no data at all",
         GifBuilder().screen(4, 2, 4).image(0, 0, 4, 2, false, 0, 2, {}).trailer().bytes(),
         code::kLzwReadError},
        {"cut-off later image",
         GifBuilder().screen(4, 2, 4).simpleImage(4, 2, image, 2).raw({0x2C, 0, 0}).bytes(),
         code::kSkipImage},
        {"later image with a cut-off local table",
         GifBuilder()
             .screen(4, 2, 4)
             .simpleImage(4, 2, image, 2)
             .raw({0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0x87, 1, 2})
             .bytes(),
         code::kSkipImage},
    };
    for (const auto& c : cases) {
        GifReader reader(c.file);
        EXPECT_EQ(reader.load(), c.expected) << c.name;
        EXPECT_FALSE(reader.takePicture()) << c.name;
    }
}

TEST(GifReader, CodesPastTheTableAreRefused) {
    gif_test::CodeWriter past;
    past.write(4, 3);
    past.write(1, 3);
    past.write(7, 3);  // next free code is 6
    EXPECT_EQ(load(GifBuilder()
                       .screen(2, 2, 4)
                       .image(0, 0, 2, 2, false, 0, 2, past.bytes())
                       .trailer()
                       .bytes()),
              code::kLzwReadError);
}

TEST(GifReader, FullTableWithoutAClearKeepsDecoding) {
    // One clear, then a single-index code per pixel: the table is full after
    // 3839 of them and the other 65 come at 12 bits without a clear.
    gif_test::CodeWriter full;
    full.write(256, 9);
    const int pixels = 64 * 61;
    for (int j = 0; j <= pixels; ++j) {
        int width = 9;
        while (width < 12 && (1 << width) <= 257 + std::max(j, 1))
            ++width;
        full.write(j < pixels ? j % 256 : 257, width);
    }
    const auto dib = loadPicture(GifBuilder()
                                     .screen(64, 61, 256)
                                     .image(0, 0, 64, 61, false, 0, 8, full.bytes())
                                     .trailer()
                                     .bytes());
    EXPECT_EQ(pixelAt(dib, 63, 59), (pixels - 65) % 256);
    EXPECT_EQ(pixelAt(dib, 63, 60), (pixels - 1) % 256);
}

TEST(GifReader, EndCodeBeforeTheLastRowEndsLeavesTheRestZero) {
    // The end code arrives two pixels early; the rest of the last row keeps 0.
    const std::vector<uint8_t> pixels{1, 2, 3, 1, 2, 3, 1, 2};
    const auto data = gif_test::lzwEncode(2, std::span(pixels).first(6));
    const auto dib = loadPicture(
        GifBuilder().screen(4, 2, 4).image(0, 0, 4, 2, false, 0, 2, data).trailer().bytes());
    EXPECT_EQ(pixelAt(dib, 1, 1), 3);
    EXPECT_EQ(pixelAt(dib, 2, 1), 0);
    EXPECT_EQ(pixelAt(dib, 3, 1), 0);
}

TEST(GifErrors, TableTexts) {
    EXPECT_EQ(bitmap::gifErrorMessage(0), "No error");
    EXPECT_EQ(bitmap::gifErrorMessage(12), "Cannot create file");
    EXPECT_EQ(bitmap::gifErrorMessage(14), "Unsupported BitsPerPixel value");
    EXPECT_EQ(bitmap::gifErrorMessage(25), "Cannot load image from codec");
    EXPECT_EQ(bitmap::gifErrorMessage(29), "GIF Out of synchronization");
    EXPECT_EQ(bitmap::gifErrorMessage(42), "GIF Loader: Unknown block separator");
    EXPECT_EQ(bitmap::gifErrorMessage(46), "GIF Engine: Unhandled exception");
    EXPECT_EQ(bitmap::gifErrorMessage(55), "LZW: Initial width too big");
    EXPECT_EQ(bitmap::gifErrorMessage(60), "PNG: No file ready for reading");
    for (const int empty : {26, 27, 28, 47, 48, 49, 56, 57, 58, 59, 61, 62, 63, 64, -1, 65, 1000})
        EXPECT_EQ(bitmap::gifErrorMessage(empty), "") << empty;
    // Each code the reader, writer and engine return has a text of its own.
    for (const int used : {12, 14, 22, 23, 30, 31, 32, 33, 34, 35, 36, 37, 38,
                           39, 40, 41, 42, 44, 45, 46, 50, 52, 53, 54, 55})
        EXPECT_NE(bitmap::gifErrorMessage(used), "") << used;
}

}  // namespace
