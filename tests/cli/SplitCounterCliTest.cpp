#include <gtest/gtest.h>

#include <sstream>

#include "base/FileIO.h"
#include "bitmap/ImageProc.h"
#include "bitmap/formats/WBMPCoder.h"
#include "cli/Cli.h"
#include "support/CliRun.h"
#include "support/TestSupport.h"

using testing_support::TempDir;

namespace {

testing_support::CliRun cli(const std::vector<std::string>& args) {
    return testing_support::runCli(args);
}

// A grey picture of w x h: a horizontal gradient.
std::string greyBmp(const std::string& path, int w, int h) {
    return testing_support::writeGradientBmp(path, w, h);
}

TEST(CliSplit, WritesTheGridAndNamesIt) {
    TempDir dir;
    const auto input = greyBmp(dir.file("p.bmp"), 100, 80);
    const auto run = cli({"split", input, "-o", dir.file("t"), "--tile", "48x48"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::string expected = "3 x 2 tiles\n";
    for (const char* tile : {"0.0", "1.0", "2.0", "0.1", "1.1", "2.1"})
        expected += dir.file("t") + "/" + tile + ".wbmp\n";
    EXPECT_EQ(run.out, expected);
    bitmap::WBMPCoder coder;
    ASSERT_TRUE(coder.loadWBMP(dir.file("t/2.1.wbmp")));
    EXPECT_EQ(coder.width(), 48);
    // An existing folder is used again.
    EXPECT_EQ(cli({"split", input, "-o", dir.file("t"), "--tile", "48x48"}).status, 0);
}

TEST(CliSplit, GreyTilesUnlessAMethodIsGiven) {
    TempDir dir;
    const auto input = greyBmp(dir.file("p.bmp"), 16, 4);
    ASSERT_EQ(cli({"split", input, "-o", dir.file("g"), "--tile", "8x4", "-f", "bmp"}).status, 0);
    ASSERT_EQ(cli({"split", input, "-o", dir.file("m"), "--tile", "8x4", "-f", "bmp", "-m",
                   "thresholding", "-t", "100"})
                  .status,
              0);
    bitmap::ImageProc proc;
    const auto grey = proc.loadBitmap(dir.file("g/0.0.bmp"));
    const auto mono = proc.loadBitmap(dir.file("m/0.0.bmp"));
    ASSERT_TRUE(grey && mono);
    EXPECT_FALSE(bitmap::ImageProc::isAlreadyMonochrome(*grey));
    EXPECT_TRUE(bitmap::ImageProc::isAlreadyMonochrome(*mono));
}

TEST(CliSplit, ExitStatuses) {
    TempDir dir;
    const auto input = greyBmp(dir.file("p.bmp"), 10, 10);
    const struct {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {{"split", "--help"}, 0},
        {{"split", input, "-o", dir.file("t")}, 2},                   // no tile size
        {{"split", input, "-o", dir.file("t"), "--tile", "3x8"}, 2},  // too narrow
        {{"split", input, "-o", dir.file("t"), "--tile", "8x8", "-f", "jpg"}, 2},
        {{"split", input, input, "-o", dir.file("t"), "--tile", "8x8"}, 2},
        {{"split", dir.file("none.bmp"), "-o", dir.file("t"), "--tile", "8x8"}, 1},
        {{"split", input, "-o", dir.file("no/such/t"), "--tile", "8x8"}, 1},
    };
    for (const auto& c : cases) {
        const auto run = cli(c.args);
        EXPECT_EQ(run.status, c.status) << c.args.back() << run.err;
    }
    EXPECT_FALSE(bitmap::pathExists(dir.file("t")));
}

// Digit pictures 0..9, 4 x 6 each, in the folder.
void writeDigits(const TempDir& dir) {
    for (int d = 0; d < 10; ++d)
        greyBmp(dir.file(std::to_string(d) + ".bmp"), 4, 6);
}

TEST(CliCounter, TheTypedLengthIsTheDigitCount) {
    TempDir dir;
    writeDigits(dir);
    const auto out = dir.file("c.wbmp");
    const auto run = cli({"counter", dir.path(), "007", "-o", out});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, out + "\n");
    bitmap::WBMPCoder coder;
    ASSERT_TRUE(coder.loadWBMP(out));
    EXPECT_EQ(coder.width(), 12);
    EXPECT_EQ(coder.height(), 6);
    // The second run would replace the file: refused.
    const auto again = cli({"counter", dir.path(), "007", "-o", out});
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.err.find("Nelze uložit výsledný WBMP obrázek"), std::string::npos);
}

TEST(CliCounter, ExitStatuses) {
    TempDir dir;
    writeDigits(dir);
    const struct {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {{"counter", "--help"}, 0},
        {{"counter", dir.path(), "12a", "-o", dir.file("a.wbmp")}, 2},
        {{"counter", dir.path(), "-3", "-o", dir.file("a.wbmp")}, 2},
        {{"counter", dir.path(), "", "-o", dir.file("a.wbmp")}, 2},
        {{"counter", dir.path(), "99999999999", "-o", dir.file("a.wbmp")}, 2},
        {{"counter", dir.path(), "12"}, 2},
        {{"counter", dir.file("none"), "12", "-o", dir.file("a.wbmp")}, 1},
        {{"counter", dir.path(), "0000000000012", "-o", dir.file("b.wbmp")}, 0},
    };
    for (const auto& c : cases) {
        const auto run = cli(c.args);
        EXPECT_EQ(run.status, c.status) << c.args[c.args.size() > 2 ? 2 : 1] << run.err;
    }
    EXPECT_FALSE(bitmap::pathExists(dir.file("a.wbmp")));
}

}  // namespace
