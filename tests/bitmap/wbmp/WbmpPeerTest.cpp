#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "bitmap/formats/WBMPCoder.h"
#include "support/TestSupport.h"

using bitmap::Dib;
using bitmap::WBMPCoder;
using testing_support::hasTool;
using testing_support::quote;
using testing_support::runCommand;
using testing_support::TempDir;
using Bytes = std::vector<uint8_t>;

// Checks against netpbm's WBMP converters: what we write they read, what
// they write we read, pixel for pixel.
namespace {

const std::pair<int, int> kSizes[] = {{1, 1},   {9, 2},   {13, 7},   {64, 3},
                                      {127, 4}, {128, 5}, {130, 17}, {301, 33}};

// White where true. Mixes a checker of varying cell size with a diagonal so
// that byte edges and row order both matter.
bool white(int x, int y) {
    return (((x / (1 + y % 3)) + y) % 2 == 0) != (x % 11 == y % 11);
}

Dib patternDib(int width, int height) {
    Dib dib = testing_support::makeGreyDib(width, height, 8);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            testing_support::setPixel(dib, x, y, white(x, y) ? 1 : 0);
    return dib;
}

// A binary PBM (1 = black) of the pattern.
Bytes patternPbm(int width, int height) {
    const std::string head = "P4\n" + std::to_string(width) + " " + std::to_string(height) + "\n";
    Bytes file(head.begin(), head.end());
    const size_t rowBytes = (static_cast<size_t>(width) + 7) / 8;
    for (int y = 0; y < height; ++y) {
        Bytes row(rowBytes, 0);
        for (int x = 0; x < width; ++x)
            if (!white(x, y))
                row[x / 8] = static_cast<uint8_t>(row[x / 8] | (0x80 >> (x % 8)));
        file.insert(file.end(), row.begin(), row.end());
    }
    return file;
}

}  // namespace

TEST(WbmpPeers, NetpbmReadsWhatWeWrite) {
    if (!hasTool("wbmptopbm"))
        GTEST_SKIP() << "netpbm's wbmptopbm is not installed";
    TempDir dir;
    for (const auto& [w, h] : kSizes) {
        WBMPCoder coder;
        ASSERT_TRUE(coder.convBMPToWBMP(patternDib(w, h), 0)) << coder.lastError();
        ASSERT_TRUE(coder.saveWBMP(dir.file("ours.wbmp"))) << coder.lastError();
        const auto run = runCommand("wbmptopbm " + quote(dir.file("ours.wbmp")) + " > " +
                                    quote(dir.file("theirs.pbm")));
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const auto pbm = testing_support::readNetpbm(dir.file("theirs.pbm"));
        ASSERT_EQ(pbm.width, w);
        ASSERT_EQ(pbm.height, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(pbm.values[static_cast<size_t>(y) * w + x], white(x, y) ? 0 : 1)
                    << w << "x" << h << " at " << x << "," << y;
    }
}

TEST(WbmpPeers, WeReadWhatNetpbmWrites) {
    if (!hasTool("pbmtowbmp"))
        GTEST_SKIP() << "netpbm's pbmtowbmp is not installed";
    TempDir dir;
    for (const auto& [w, h] : kSizes) {
        testing_support::writeFile(dir.file("in.pbm"), patternPbm(w, h));
        const auto run = runCommand("pbmtowbmp " + quote(dir.file("in.pbm")) + " > " +
                                    quote(dir.file("theirs.wbmp")));
        ASSERT_EQ(run.exitCode, 0) << run.err;
        WBMPCoder coder;
        ASSERT_TRUE(coder.loadWBMP(dir.file("theirs.wbmp"))) << coder.lastError();
        int type = -1, width = 0, height = 0;
        ASSERT_TRUE(coder.getWBMPInfo(type, width, height));
        EXPECT_EQ(type, 0);
        ASSERT_EQ(width, w);
        ASSERT_EQ(height, h);
        const auto dib = coder.convWBMPToBMP();
        ASSERT_TRUE(dib.has_value()) << coder.lastError();
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(testing_support::pixelAt(*dib, x, y), white(x, y) ? 1 : 0)
                    << w << "x" << h << " at " << x << "," << y;

        // Both writers produce the same file for the same picture.
        WBMPCoder ours;
        ASSERT_TRUE(ours.convBMPToWBMP(patternDib(w, h), 0));
        EXPECT_EQ(Bytes(ours.data().begin(), ours.data().end()),
                  testing_support::readFile(dir.file("theirs.wbmp")))
            << w << "x" << h;
    }
}
