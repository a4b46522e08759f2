#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "bitmap/formats/WBMPCoder.h"
#include "support/TestSupport.h"

using bitmap::WBMPCoder;
using testing_support::TempDir;
using Bytes = std::vector<uint8_t>;

namespace {

const std::string kReadError = "WBMPCoder::loadWBMP: Error while reading the file";
const std::string kBadDimensions = "WBMPCoder::loadWBMP: Invalid WBMP dimensions";
const std::string kNoMemory = "WBMPCoder::loadWBMP: Insufficient memory";

// A type 0 file with minimal header integers; rows filled with a pattern.
Bytes wbmpFile(uint32_t width, uint32_t height) {
    Bytes file = {0x00, 0x00};
    for (uint32_t v : {width, height}) {
        const auto coded = bitmap::encodeWbmpInteger(v);
        file.insert(file.end(), coded.begin(), coded.end());
    }
    const size_t rowBytes = (width + 7) / 8;
    for (size_t i = 0; i < rowBytes * height; ++i)
        file.push_back(static_cast<uint8_t>(i * 37 + 11));
    return file;
}

void expectEmpty(WBMPCoder& coder) {
    EXPECT_TRUE(coder.data().empty());
    EXPECT_EQ(coder.width(), 0);
    EXPECT_EQ(coder.height(), 0);
    int type = -1, width = -1, height = -1;
    EXPECT_FALSE(coder.getWBMPInfo(type, width, height));
    EXPECT_EQ(coder.lastError(), "WBMPCoder::getWBMPInfo: WBMP not loaded");
}

// Loads bytes both from memory and from a file and expects the same refusal.
void expectRefused(const Bytes& bytes, const std::string& message) {
    WBMPCoder fromMemory;
    ASSERT_TRUE(fromMemory.loadWBMPFromMemory(wbmpFile(3, 3)));
    EXPECT_FALSE(fromMemory.loadWBMPFromMemory(bytes));
    EXPECT_EQ(fromMemory.lastError(), message);
    expectEmpty(fromMemory);

    TempDir dir;
    testing_support::writeFile(dir.file("in.wbmp"), bytes);
    WBMPCoder fromFile;
    EXPECT_FALSE(fromFile.loadWBMP(dir.file("in.wbmp")));
    EXPECT_EQ(fromFile.lastError(), message);
    expectEmpty(fromFile);
}

}  // namespace

TEST(WbmpLoad, ReadsAFileAndReportsItsSize) {
    TempDir dir;
    const Bytes file = wbmpFile(130, 5);
    testing_support::writeFile(dir.file("a.wbmp"), file);
    WBMPCoder coder;
    ASSERT_TRUE(coder.loadWBMP(dir.file("a.wbmp"))) << coder.lastError();
    int type = -1, width = 0, height = 0;
    ASSERT_TRUE(coder.getWBMPInfo(type, width, height));
    EXPECT_EQ(type, 0);
    EXPECT_EQ(width, 130);
    EXPECT_EQ(height, 5);
    EXPECT_EQ(Bytes(coder.data().begin(), coder.data().end()), file);
    EXPECT_TRUE(coder.lastError().empty());
}

TEST(WbmpLoad, IgnoresBytesAfterThePicture) {
    Bytes file = wbmpFile(9, 2);
    const size_t expected = file.size();
    file.insert(file.end(), {0xDE, 0xAD, 0xBE, 0xEF, 0x80});
    WBMPCoder coder;
    ASSERT_TRUE(coder.loadWBMPFromMemory(file)) << coder.lastError();
    EXPECT_EQ(coder.data().size(), expected);
    EXPECT_TRUE(std::equal(coder.data().begin(), coder.data().end(), file.begin()));
}

TEST(WbmpLoad, ReloadsFromItsOwnBytes) {
    WBMPCoder coder;
    const Bytes file = wbmpFile(17, 4);
    ASSERT_TRUE(coder.loadWBMPFromMemory(file));
    ASSERT_TRUE(coder.loadWBMPFromMemory(coder.data())) << coder.lastError();
    EXPECT_EQ(Bytes(coder.data().begin(), coder.data().end()), file);
    EXPECT_EQ(coder.width(), 17);
}

TEST(WbmpLoad, RefusesFilesItCannotOpen) {
    TempDir dir;
    for (const std::string& path : {std::string(), dir.file("missing.wbmp"), dir.path()}) {
        WBMPCoder coder;
        EXPECT_FALSE(coder.loadWBMP(path)) << path;
        EXPECT_EQ(coder.lastError(), "WBMPCoder::loadWBMP: Cannot open file") << path;
        expectEmpty(coder);
    }
}

TEST(WbmpLoad, FilesShorterThanFourBytesAreReadErrors) {
    // {0, 0, 9} would otherwise be read as a width of 9 and a missing height.
    for (const Bytes& bytes : {Bytes{}, Bytes{0x00}, Bytes{0x00, 0x00}, Bytes{0x00, 0x00, 0x09}})
        expectRefused(bytes, kReadError);
    expectRefused({0x00, 0x00, 0x00}, kReadError);  // not the dimension error
}

TEST(WbmpLoad, RefusesOtherTypesAndExtensionHeaders) {
    expectRefused({0x01, 0x00, 0x01, 0x01, 0x00},
                  "WBMPCoder::loadWBMP: Unsupported WBMP type (=/= 0)");
    expectRefused({0x81, 0x00, 0x00, 0x01, 0x01, 0x00},
                  "WBMPCoder::loadWBMP: Unsupported WBMP type (=/= 0)");
    expectRefused({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x00, 0x01, 0x01, 0x00},
                  "WBMPCoder::loadWBMP: Unsupported WBMP type (=/= 0)");
    // A complete 9 x 2 picture apart from the extension flag.
    Bytes file = wbmpFile(9, 2);
    file[1] = 0x80;
    expectRefused(file, "WBMPCoder::loadWBMP: Wrong FixHeaderField (msb =/= 0)");
}

TEST(WbmpLoad, RefusesZeroAndOutOfRangeDimensions) {
    expectRefused({0x00, 0x00, 0x00, 0x05, 0xFF}, kBadDimensions);
    expectRefused({0x00, 0x00, 0x05, 0x00, 0xFF}, kBadDimensions);
    // Wider than any picture the program takes (2^21 pixels).
    expectRefused({0x00, 0x00, 0x81, 0x80, 0x80, 0x00, 0x01, 0x00}, kBadDimensions);
    // Dimensions that do not fit in 32 bits.
    expectRefused({0x00, 0x00, 0x90, 0x80, 0x80, 0x80, 0x00, 0x01, 0x00}, kBadDimensions);
    expectRefused({0x00, 0x00, 0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x00}, kBadDimensions);
    // 2^20 x 2^20: each side allowed, the picture as a whole is not.
    expectRefused({0x00, 0x00, 0xC0, 0x80, 0x00, 0xC0, 0x80, 0x00, 0x00}, kNoMemory);
}

TEST(WbmpLoad, HeaderIntegersMustEndWithinTheFirstHundredBytes) {
    // Width keeps its continuation bit to the end of the file.
    Bytes unterminated = {0x00, 0x00};
    unterminated.resize(300, 0x81);
    expectRefused(unterminated, kReadError);

    // A width of 1 written with leading zero groups that end at byte 100: the
    // file is long enough, the header is not within the window.
    Bytes late = {0x00, 0x00};
    late.resize(100, 0x80);
    late.insert(late.end(), {0x01, 0x01, 0xFF, 0xFF});
    expectRefused(late, kReadError);

    // The same width ending at byte 98, with the height as the hundredth byte,
    // is still read.
    Bytes inside = {0x00, 0x00};
    inside.resize(98, 0x80);
    inside.insert(inside.end(), {0x01, 0x01, 0xFF});
    WBMPCoder coder;
    ASSERT_TRUE(coder.loadWBMPFromMemory(inside)) << coder.lastError();
    EXPECT_EQ(coder.width(), 1);
    EXPECT_EQ(coder.height(), 1);
    EXPECT_EQ(coder.data().size(), inside.size());
}

TEST(WbmpLoad, EveryTruncationFailsCleanly) {
    const Bytes file = wbmpFile(130, 6);  // two-byte width: cuts inside the header too
    TempDir dir;
    for (size_t cut = 0; cut < file.size(); ++cut) {
        const Bytes part(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(cut));
        WBMPCoder coder;
        EXPECT_FALSE(coder.loadWBMPFromMemory(part)) << cut;
        EXPECT_EQ(coder.lastError(), kReadError) << cut;
        expectEmpty(coder);

        testing_support::writeFile(dir.file("cut.wbmp"), part);
        EXPECT_FALSE(coder.loadWBMP(dir.file("cut.wbmp"))) << cut;
        EXPECT_EQ(coder.lastError(), kReadError) << cut;
    }
    WBMPCoder whole;
    EXPECT_TRUE(whole.loadWBMPFromMemory(file));
}

TEST(WbmpLoad, HugeHeaderInATinyFileIsAReadError) {
    // 12000 x 12000 is within the limits but needs 18 MB of rows.
    expectRefused({0x00, 0x00, 0xDD, 0x60, 0xDD, 0x60, 0xFF, 0xFF}, kReadError);
}

TEST(WbmpLoad, FailureDiscardsThePreviousPicture) {
    WBMPCoder coder;
    ASSERT_TRUE(coder.loadWBMPFromMemory(wbmpFile(8, 8)));
    EXPECT_FALSE(coder.loadWBMPFromMemory(Bytes{0x00, 0x00, 0x08, 0x08, 0x00}));
    expectEmpty(coder);
    EXPECT_FALSE(coder.convWBMPToBMP().has_value());
}
