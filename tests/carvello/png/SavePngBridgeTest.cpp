// ImageProc::savePNG and its transparent-white form.
#include <gtest/gtest.h>

#include <filesystem>

#include "bitmap/ImageProc.h"
#include "bitmap/Texts.h"
#include "support/TestSupport.h"
#include "tests/carvello/png/PngFileReader.h"

namespace {

using bitmap::Dib;
using bitmap::ImageProc;
using namespace pngwrite_test;

const std::string kFailure = "ImageProc::savePNG: Chyba při ukládání PNG\n";

// An 8 bpp picture with a colour table of `colours` entries: entry i is
// (blue 3i, green 255 - i, red i, reserved 7), indices (x + 2y) mod 256.
Dib colourDib(int width, int height, uint32_t colours = 256) {
    bitmap::BitmapInfoHeader h;
    h.biWidth = width;
    h.biHeight = height;
    h.biBitCount = 8;
    h.biClrUsed = colours == 256 ? 0 : colours;
    auto dib = Dib::create(h);
    if (!dib)
        throw std::runtime_error("cannot create DIB");
    auto palette = dib->palette();
    for (size_t i = 0; i < palette.size() / 4; ++i) {
        palette[i * 4] = static_cast<uint8_t>(3 * i);
        palette[i * 4 + 1] = static_cast<uint8_t>(255 - i);
        palette[i * 4 + 2] = static_cast<uint8_t>(i);
        palette[i * 4 + 3] = 7;
    }
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            testing_support::setPixel(*dib, x, y, (x + 2 * y) % 256);
    return std::move(*dib);
}

// R, G, B of each pixel, top row first, as the table above gives them;
// indices past the table are black.
std::vector<uint8_t> expectedRgb(int width, int height, uint32_t colours = 256) {
    std::vector<uint8_t> rgb;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned i = (x + 2 * y) % 256;
            if (i < colours)
                rgb.insert(rgb.end(), {uint8_t(i), uint8_t(255 - i), uint8_t(3 * i)});
            else
                rgb.insert(rgb.end(), {0, 0, 0});
        }
    }
    return rgb;
}

bool hasChunk(const std::vector<uint8_t>& file, const std::string& type) {
    for (const auto& c : readChunks(file).chunks)
        if (c.type == type)
            return true;
    return false;
}

TEST(SavePng, WritesThePaletteColoursTopRowFirst) {
    testing_support::TempDir dir;
    for (const auto& [w, h] : {std::pair{1, 1}, {5, 3}, {130, 70}}) {
        ImageProc proc;
        const std::string path = dir.file("p" + std::to_string(w) + ".png");
        ASSERT_TRUE(proc.savePNG(path, colourDib(w, h))) << proc.lastError();
        EXPECT_EQ(proc.lastError(), "");
        const auto file = testing_support::readFile(path);
        const auto decoded = decodePng(file);
        EXPECT_EQ(decoded.width, uint32_t(w));
        EXPECT_EQ(decoded.height, uint32_t(h));
        EXPECT_EQ(decoded.colourType, 2u);
        EXPECT_EQ(decoded.samples, expectedRgb(w, h));
        EXPECT_FALSE(hasChunk(file, "tRNS"));
        if (testing_support::hasTool("pngtopnm")) {
            const auto run =
                testing_support::runCommand("pngtopnm " + testing_support::quote(path));
            ASSERT_EQ(run.exitCode, 0) << run.err;
            EXPECT_EQ(readPnm(std::vector<uint8_t>(run.out.begin(), run.out.end())).samples,
                      expectedRgb(w, h));
        }
    }
}

TEST(SavePng, TransparentWhiteFormAddsTheTransparencyChunk) {
    testing_support::TempDir dir;
    ImageProc proc;
    auto dib = testing_support::makeGreyDib(4, 2);
    testing_support::setPixel(dib, 1, 0, 255);
    ASSERT_TRUE(proc.savePNGTransparentWhite(dir.file("t.png"), dib));
    const auto file = testing_support::readFile(dir.file("t.png"));
    EXPECT_TRUE(hasChunk(file, "tRNS"));
    EXPECT_EQ(decodePng(file).samples,
              (std::vector<uint8_t>{0, 0, 0, 255, 255, 255, 0, 0, 0, 0, 0, 0,  //
                                    0, 0, 0, 0,   0,   0,   0, 0, 0, 0, 0, 0}));
}

TEST(SavePng, IndicesPastTheColourTableComeOutBlack) {
    testing_support::TempDir dir;
    ImageProc proc;
    ASSERT_TRUE(proc.savePNG(dir.file("short.png"), colourDib(20, 4, 9)));
    EXPECT_EQ(decodePng(testing_support::readFile(dir.file("short.png"))).samples,
              expectedRgb(20, 4, 9));
}

TEST(SavePng, EveryFailureGivesTheOneMessage) {
    testing_support::TempDir dir;
    struct Case {
        const char* name;
        std::string path;
        Dib dib;
    };
    std::vector<Case> cases;
    cases.push_back({"1 bpp", dir.file("a.png"), testing_support::makeGreyDib(8, 8, 1)});
    cases.push_back({"4 bpp", dir.file("b.png"), testing_support::makeGreyDib(8, 8, 4)});
    cases.push_back({"no picture", dir.file("c.png"), Dib{}});
    cases.push_back({"missing folder", dir.file("no/such/d.png"), colourDib(3, 3)});
    cases.push_back({"folder as file", dir.path(), colourDib(3, 3)});
    cases.push_back({"empty path", "", colourDib(3, 3)});
    for (auto& c : cases) {
        for (bool transparent : {false, true}) {
            ImageProc proc;
            const bool ok = transparent ? proc.savePNGTransparentWhite(c.path, c.dib)
                                        : proc.savePNG(c.path, c.dib);
            EXPECT_FALSE(ok) << c.name;
            EXPECT_EQ(proc.lastError(), kFailure) << c.name;
        }
    }
    // Nothing was left behind in the folder.
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    EXPECT_EQ(std::string(bitmap::text::kSavePNG) + std::string(bitmap::text::kPngSaveError),
              kFailure);
}

TEST(SavePng, AFailedSaveKeepsTheExistingFile) {
    testing_support::TempDir dir;
    const std::string path = dir.file("keep.png");
    testing_support::writeFile(path, std::string("old contents"));
    ImageProc proc;
    EXPECT_FALSE(proc.savePNG(path, testing_support::makeGreyDib(4, 4, 4)));
    EXPECT_EQ(testing_support::readFile(path),
              (std::vector<uint8_t>{'o', 'l', 'd', ' ', 'c', 'o', 'n', 't', 'e', 'n', 't', 's'}));
    EXPECT_TRUE(proc.savePNG(path, colourDib(2, 2)));
    EXPECT_EQ(decodePng(testing_support::readFile(path)).samples, expectedRgb(2, 2));
}

}  // namespace
