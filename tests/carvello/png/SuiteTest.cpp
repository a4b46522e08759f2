// The PNG suite: valid files decode exactly as libpng reads them (without
// gamma or transparency), broken ones are refused with a message.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "bitmap/ImageProc.h"
#include "bitmap/bridges/PngFallbackReader.h"
#include "support/TestSupport.h"
#include "tests/carvello/png/DecodeHelpers.h"
#include "tests/carvello/png/LibpngReference.h"

using namespace pngtest;

namespace {

std::vector<std::string> suiteFiles(bool broken) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(suiteFolder())) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() == ".png" && (name[0] == 'x') == broken)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Valid files the library decoder refuses, with its reason. Every other
// valid file must decode.
const std::map<std::string, std::string> kRefusedValidFiles = {};

TEST(PngSuite, ValidFilesMatchLibpng) {
    const auto names = suiteFiles(false);
    ASSERT_GT(names.size(), 150u);
    int compared = 0;
    for (const auto& name : names) {
        const std::string path = suiteFolder() + "/" + name;
        carvello::RasterImage image;
        const std::string outcome = decodeOutcome(testing_support::readFile(path), image);
        const auto refused = kRefusedValidFiles.find(name);
        if (refused != kRefusedValidFiles.end()) {
            EXPECT_EQ(outcome, refused->second) << name;
            continue;
        }
        ASSERT_EQ(outcome, "ok") << name;
        const auto reference = readWithLibpng(path);
        ASSERT_TRUE(reference.has_value()) << name;
        ASSERT_EQ(image.width(), reference->width) << name;
        ASSERT_EQ(image.height(), reference->height) << name;
        const auto pixels = image.pixels();
        ASSERT_EQ(pixels.size(), reference->bgra.size()) << name;
        size_t firstDifference = pixels.size();
        for (size_t i = 0; i < pixels.size() && firstDifference == pixels.size(); ++i)
            if (pixels[i] != reference->bgra[i])
                firstDifference = i;
        EXPECT_EQ(firstDifference, pixels.size())
            << name << ": pixel " << firstDifference / 4 << " byte " << firstDifference % 4;
        ++compared;
    }
    EXPECT_EQ(compared + kRefusedValidFiles.size(), names.size());
}

TEST(PngSuite, EveryValidFileLoadsThroughTheBridgeOrTheFallback) {
    for (const auto& name : suiteFiles(false)) {
        const std::string path = suiteFolder() + "/" + name;
        bitmap::ImageProc proc;
        const auto dib = proc.readPNGFile(path);
        if (dib) {
            EXPECT_EQ(dib->bitCount(), 8) << name;
            EXPECT_GT(dib->width(), 0) << name;
            continue;
        }
        EXPECT_TRUE(kRefusedValidFiles.count(name)) << name << ": " << proc.lastError();
        bitmap::PngFallbackReader reader;
        ASSERT_EQ(reader.open(path), 0) << name;
        ASSERT_EQ(reader.readHeader(), 0) << name;
        ASSERT_EQ(reader.readImage(), 0) << name;
        EXPECT_TRUE(reader.makeBitmap().has_value()) << name;
    }
}

TEST(PngSuite, BrokenFilesAreRefusedWithAMessage) {
    const auto names = suiteFiles(true);
    ASSERT_GE(names.size(), 14u);
    for (const auto& name : names) {
        const std::string path = suiteFolder() + "/" + name;
        const std::string outcome = decodeOutcome(testing_support::readFile(path));
        EXPECT_NE(outcome, "ok") << name;
        EXPECT_GT(outcome.size(), outcome.find(": ") + 2) << name << " " << outcome;

        bitmap::ImageProc proc;
        EXPECT_FALSE(proc.readPNGFile(path).has_value()) << name;
        EXPECT_EQ(proc.lastError().rfind("ImageProc::readPNGFile: ", 0), 0u) << name;
        EXPECT_GT(proc.lastError().size(), std::string("ImageProc::readPNGFile: ").size());

        // libpng refuses them too, each at one of its steps.
        bitmap::PngFallbackReader reader;
        int code = reader.open(path);
        if (code == 0)
            code = reader.readHeader();
        if (code == 0)
            code = reader.readImage();
        EXPECT_NE(code, 0) << name;
    }
}

// What the decoder says about each broken file.
TEST(PngSuite, BrokenFileMessages) {
    const std::map<std::string, std::string> expected = {
        {"xc1n0g08.png", "bad: Invalid Color Type"},
        {"xc9n2c08.png", "bad: Invalid Color Type"},
        {"xcrn0g04.png", "bad: Not a PNG file"},
        {"xcsn0g01.png", "stream: Invalid Chunk CRC"},
        {"xd0n2c08.png", "bad: Invalid Bit Depth"},
        {"xd3n2c08.png", "bad: Invalid Bit Depth"},
        {"xd9n2c08.png", "bad: Invalid Bit Depth"},
        {"xdtn0g01.png", "bad: Image Contains no Pixel Data"},
        {"xhdn0g08.png", "stream: Invalid Chunk CRC"},
        {"xlfn0g04.png", "bad: Not a PNG file"},
        {"xs1n0g01.png", "bad: Not a PNG file"},
        {"xs2n0g01.png", "bad: Not a PNG file"},
        {"xs4n0g01.png", "bad: Not a PNG file"},
        {"xs7n0g01.png", "bad: Not a PNG file"},
    };
    for (const auto& [name, outcome] : expected)
        EXPECT_EQ(decodeOutcome(testing_support::readFile(suiteFolder() + "/" + name)), outcome)
            << name;
}

}  // namespace
