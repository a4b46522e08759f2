// glyphon-cli as a program, checked against netpbm's WBMP tools.
#include <gtest/gtest.h>

#include "bitmap/ImageProc.h"
#include "codec/Codec.h"
#include "support/TestSupport.h"

using testing_support::quote;
using testing_support::runCommand;
using testing_support::TempDir;

namespace {

TEST(CliProgram, ConvertedWbmpReadsBackInNetpbmWithTheSamePixels) {
    if (!testing_support::hasTool("wbmptopbm"))
        GTEST_SKIP() << "netpbm is not installed";
    TempDir dir;
    auto dib = testing_support::makeGreyDib(45, 30, 8);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 45; ++x)
            testing_support::setPixel(dib, x, y, (x * 5 + y * 3) & 0xFF);
    bitmap::ImageProc proc;
    ASSERT_TRUE(proc.saveBitmap(dir.file("in.bmp"), dib));

    const std::string cli = quote(testing_support::cliPath());
    const auto run = runCommand(cli + " convert " + quote(dir.file("in.bmp")) + " -m display -o " +
                                quote(dir.file("out.wbmp")));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(
        runCommand("wbmptopbm " + quote(dir.file("out.wbmp")) + " > " + quote(dir.file("out.pbm")))
            .exitCode,
        0);
    const auto pbm = testing_support::readNetpbm(dir.file("out.pbm"));
    ASSERT_EQ(pbm.width, 45);
    ASSERT_EQ(pbm.height, 30);

    // The same conversion in process: ordered dithering is deterministic.
    codec::Codec codec;
    codec.setThrowException(false);
    ASSERT_EQ(codec.loadImage(dir.file("in.bmp"), ""), 1);
    ASSERT_EQ(codec.convertBmpToMonochrome(2, 128), 1);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 45; ++x)
            ASSERT_EQ(pbm.values[static_cast<size_t>(y) * 45 + x],
                      testing_support::pixelAt(*codec.picture(), x, y) == 0 ? 1 : 0)
                << x << "," << y;
}

TEST(CliProgram, ExitStatusAndMessagesOfTheRealProgram) {
    TempDir dir;
    const std::string cli = quote(testing_support::cliPath());
    const std::string convertMissing =
        " convert " + quote(dir.file("nope.bmp")) + " -o " + quote(dir.file("x.wbmp"));
    const auto missing = runCommand(cli + " --lang cs" + convertMissing);
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("Soubor '" + dir.file("nope.bmp") + "' neexistuje!"),
              std::string::npos)
        << missing.err;
    // The language of the environment, the same failure in English.
    const auto english =
        runCommand("LANGUAGE= LC_ALL= LC_MESSAGES= LANG=en_GB.UTF-8 " + cli + convertMissing);
    EXPECT_NE(english.err.find("File '" + dir.file("nope.bmp") + "' does not exist!"),
              std::string::npos)
        << english.err;
    EXPECT_EQ(runCommand(cli + " convert").exitCode, 2);
    EXPECT_EQ(runCommand(cli + " --help").exitCode, 0);
}

TEST(CliProgram, DemoSamplePicturePrintsInTheTerminal) {
    TempDir dir;
    const std::string cli = quote(testing_support::cliPath());
    const std::string sample = testing_support::sourceDir() + "/samples/landscape.bmp";
    ASSERT_EQ(runCommand(cli + " convert " + quote(sample) + " --fit 96x60 -o " +
                         quote(dir.file("s.wbmp")))
                  .exitCode,
              0);
    const auto info = runCommand(cli + " info " + quote(dir.file("s.wbmp")));
    EXPECT_EQ(info.out, dir.file("s.wbmp") + "\twbmp\t90\t60\t1\n");
    const auto show = runCommand(cli + " show " + quote(dir.file("s.wbmp")));
    EXPECT_EQ(show.exitCode, 0);
    // Without a terminal the picture is fitted to 80 columns: 80 x 53.
    EXPECT_EQ(std::count(show.out.begin(), show.out.end(), '\n'), 27);
    const auto wide = runCommand("COLUMNS=200 " + cli + " show " + quote(dir.file("s.wbmp")));
    EXPECT_EQ(std::count(wide.out.begin(), wide.out.end(), '\n'), 30);
}

}  // namespace
