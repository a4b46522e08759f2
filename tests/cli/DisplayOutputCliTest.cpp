// glyphon-cli for small displays: the newer methods and options, PBM, XBM
// and C output, and the display presets.
#include <gtest/gtest.h>

#include <QSettings>
#include <algorithm>
#include <filesystem>

#include "base/FileIO.h"
#include "support/CliRun.h"
#include "tests/app/core/DocumentFixture.h"

using testing_support::readText;
using testing_support::runCli;
using testing_support::TempDir;
using testing_support::writeGradientBmp;

namespace {

// Columns of a converted 16 x 1 gradient as netpbm reads the PBM: true for
// white.
std::vector<bool> whiteColumns(const std::string& pbmPath) {
    const auto pbm = testing_support::readNetpbm(pbmPath);
    std::vector<bool> white;
    for (int x = 0; x < pbm.width; ++x)
        white.push_back(pbm.values[static_cast<size_t>(x)] == 0);
    return white;
}

TEST(CliDisplays, OptionsNotGivenAreTheProgramsAndEachCanBeTurnedOff) {
    testing_support::ScopedSettingsStore store;
    {
        QSettings settings(QSettings::UserScope, "Vendra", "WAP Glyphon");
        settings.setValue("Settings/AdjustInvert", 1);
    }
    TempDir dir;
    const auto input = writeGradientBmp(dir.file("g.bmp"), 16, 1);
    // Thresholding at 128: the right half of the gradient is white, unless
    // inverted as the program's setting says.
    const std::vector<bool> plain{false, false, false, false, false, false, false, false,
                                  true,  true,  true,  true,  true,  true,  true,  true};
    auto inverted = plain;
    inverted.flip();
    for (const auto& [extra, expected] :
         {std::pair{std::vector<std::string>{}, inverted},
          std::pair{std::vector<std::string>{"--no-invert"}, plain},
          std::pair{std::vector<std::string>{"--no-invert", "--invert"}, inverted}}) {
        std::vector<std::string> args{"convert", input, "-m",  "thresholding", "-t",
                                      "128",     "-f",  "pbm", "-o",           dir.file("g.pbm")};
        args.insert(args.end(), extra.begin(), extra.end());
        ASSERT_EQ(runCli(args).status, 0);
        EXPECT_EQ(whiteColumns(dir.file("g.pbm")), expected) << extra.size();
        std::filesystem::remove(dir.file("g.pbm"));
    }
}

TEST(CliDisplays, CArrayFittedToADisplayInPages) {
    testing_support::ScopedSettingsStore store;
    TempDir dir;
    const auto input = writeGradientBmp(dir.file("g.bmp"), 200, 100);
    const auto run =
        runCli({"convert", input, "--display", "ssd1306-128x32", "-m", "blue-noise", "--linear",
                "-f", "c", "--byte-order", "vertical", "--invert-array", "-o", dir.file("logo.c")});
    ASSERT_EQ(run.status, 0) << run.err;
    // 200 x 100 fitted into 128 x 32 is 64 x 32: four pages of 64 bytes.
    const std::string source = readText(dir.file("logo.c"));
    EXPECT_NE(source.find("#define LOGO_WIDTH 64\n#define LOGO_HEIGHT 32\n"), std::string::npos)
        << source;
    EXPECT_NE(source.find("const unsigned char logo[256] = {"), std::string::npos);
    EXPECT_NE(source.find("a set bit is a black pixel"), std::string::npos);

    // split cuts tiles the size of a display.
    const auto tiles = runCli({"split", writeGradientBmp(dir.file("wide.bmp"), 300, 64),
                               "--display", "5", "-f", "xbm", "-o", dir.file("tiles")});
    ASSERT_EQ(tiles.status, 0) << tiles.err;
    EXPECT_NE(tiles.out.find("1 x 1 tiles"), std::string::npos) << tiles.out;
    EXPECT_NE(readText(dir.file("tiles/0.0.xbm")).find("#define _0_0_width 300"),
              std::string::npos);
}

TEST(CliDisplays, ListAndBadUsage) {
    const auto list = runCli({"displays", "list"});
    ASSERT_EQ(list.status, 0);
    EXPECT_EQ(std::count(list.out.begin(), list.out.end(), '\n'), 9);
    EXPECT_EQ(list.out.rfind("1. ssd1306-128x64        SSD1306 OLED 0.96\"        (128x 64)\n", 0),
              0u)
        << list.out;
    EXPECT_EQ(runCli({"displays"}).status, 2);
    EXPECT_EQ(runCli({"displays", "--help"}).status, 0);

    TempDir dir;
    const auto input = writeGradientBmp(dir.file("g.bmp"), 4, 4);
    const std::string out = dir.file("x.c");
    const std::vector<std::vector<std::string>> cases = {
        {"--byte-order", "vertical"},  // needs -f c
        {"-f", "c", "--byte-order", "diagonal"},
        {"--invert-array"},
        {"--strength", "101"},
        {"--brightness", "-101"},
        {"--gamma", "0.05"},
        {"--gamma", "1.234"},
        {"--gamma", "11"},
        {"--display", "nowhere"},
        {"--display", "1", "--phone", "1"},
        {"-m", "18"},
    };
    for (const auto& extra : cases) {
        std::vector<std::string> args{"convert", input, "-o", out};
        args.insert(args.end(), extra.begin(), extra.end());
        const auto run = runCli(args);
        EXPECT_EQ(run.status, 2) << extra.back();
        EXPECT_FALSE(run.err.empty()) << extra.back();
    }
    EXPECT_FALSE(bitmap::fileExists(out));
}

}  // namespace
