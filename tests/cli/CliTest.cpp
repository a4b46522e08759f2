#include <gtest/gtest.h>

#include <QString>
#include <tuple>

#include <sys/stat.h>
#include <unistd.h>

#include <sstream>

#include "base/FileIO.h"
#include "bitmap/ImageProc.h"
#include "bitmap/formats/WBMPCoder.h"
#include "cli/Cli.h"
#include "support/CliRun.h"
#include "support/TestSupport.h"

using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

namespace {

testing_support::CliRun cli(const std::vector<std::string>& args) {
    return testing_support::runCli(args);
}

// A grey gradient BMP of the given size.
std::string gradientBmp(const TempDir& dir, const std::string& name, int w, int h) {
    return testing_support::writeGradientBmp(dir.file(name), w, h);
}

bitmap::WBMPCoder loadWbmp(const std::string& path) {
    bitmap::WBMPCoder coder;
    EXPECT_TRUE(coder.loadWBMP(path)) << coder.lastError();
    return coder;
}

TEST(CliConvert, FitsAndDithersToAWbmp) {
    TempDir dir;
    const auto input = gradientBmp(dir, "g.bmp", 200, 100);
    const auto run = cli({"convert", input, "--fit", "96x65", "-o", dir.file("g.wbmp")});
    ASSERT_EQ(run.status, 0) << run.err;
    auto coder = loadWbmp(dir.file("g.wbmp"));
    EXPECT_EQ(coder.width(), 96);
    EXPECT_EQ(coder.height(), 48);
    // The gradient runs from black on the left to white on the right.
    const auto rows = coder.data().subspan(4);
    EXPECT_EQ(rows[0] & 0x80, 0);
    EXPECT_EQ(rows[11] & 0x01, 1);
}

TEST(CliConvert, BmpOutputIsBlackAndWhiteWithTheGivenThreshold) {
    TempDir dir;
    const auto input = gradientBmp(dir, "g.bmp", 16, 4);
    ASSERT_EQ(cli({"convert", input, "-f", "bmp", "-m", "thresholding", "-t", "100", "-o",
                   dir.file("bw.bmp")})
                  .status,
              0);
    bitmap::ImageProc proc;
    const auto bw = proc.loadBitmap(dir.file("bw.bmp"));
    ASSERT_TRUE(bw);
    EXPECT_TRUE(bitmap::ImageProc::isAlreadyMonochrome(*bw));
    // Threshold 100: column x is white when its grey x*17 >= 100.
    for (int x = 0; x < 16; ++x)
        EXPECT_EQ(testing_support::pixelAt(*bw, x, 0), x * 17 >= 100 ? 1 : 0) << x;
}

TEST(CliConvert, SeveralInputsGoIntoAFolderWithoutOverwriting) {
    TempDir dir;
    const auto a = gradientBmp(dir, "a.bmp", 8, 8);
    const auto b = gradientBmp(dir, "b.bmp", 8, 8);
    const std::string out = dir.file("out");
    ASSERT_EQ(cli({"convert", a, b, "-o", out}).status, 0);
    EXPECT_TRUE(bitmap::fileExists(out + "/a.wbmp"));
    EXPECT_TRUE(bitmap::fileExists(out + "/b.wbmp"));
    const auto first = readFile(out + "/a.wbmp");

    // Again, with a also given twice: new names, the old files untouched.
    writeFile(out + "/b.wbmp", std::string("keep me"));
    const auto run = cli({"convert", a, a, b, "-o", out});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(bitmap::fileExists(out + "/a(1).wbmp"));
    EXPECT_TRUE(bitmap::fileExists(out + "/a(2).wbmp"));
    EXPECT_TRUE(bitmap::fileExists(out + "/b(1).wbmp"));
    EXPECT_EQ(readFile(out + "/a.wbmp"), first);
    EXPECT_EQ(readFile(out + "/b.wbmp"), std::vector<uint8_t>({'k', 'e', 'e', 'p', ' ', 'm', 'e'}));
}

TEST(CliConvert, SameNamesAreNumberedInInputOrder) {
    TempDir dir;
    std::vector<std::string> args = {"convert"};
    for (int i = 1; i <= 4; ++i) {
        // Same file name in four folders, each picture i pixels wide.
        ASSERT_EQ(::mkdir(dir.file("d" + std::to_string(i)).c_str(), 0777), 0);
        args.push_back(gradientBmp(dir, "d" + std::to_string(i) + "/p.bmp", i, 3));
    }
    for (auto extra : {"-o", "out/"})
        args.push_back(extra);
    ASSERT_EQ(::chdir(dir.path().c_str()), 0);
    const auto run = cli(args);
    ASSERT_EQ(::chdir("/"), 0);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(loadWbmp(dir.file("out/p.wbmp")).width(), 1);
    for (int i = 2; i <= 4; ++i)
        EXPECT_EQ(loadWbmp(dir.file("out/p(" + std::to_string(i - 1) + ").wbmp")).width(), i);
    EXPECT_NE(run.out.find("Všech 4 obrázků bylo zkonvertováno úspěšně\n"), std::string::npos)
        << run.out;
}

TEST(CliConvert, BadInputsFailAloneAndLeaveNoOutput) {
    TempDir dir;
    const auto good = gradientBmp(dir, "good.bmp", 8, 8);
    auto truncated = readFile(good);
    truncated.resize(truncated.size() / 2);
    writeFile(dir.file("truncated.bmp"), truncated);
    std::vector<uint8_t> noise(777);
    for (size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<uint8_t>(i * 131 + 7);
    writeFile(dir.file("noise.wbmp"), noise);
    writeFile(dir.file("unreadable.bmp"), std::string("BM"));
    ::chmod(dir.file("unreadable.bmp").c_str(), 0);

    const std::string out = dir.file("out");
    const auto run = cli({"convert", dir.file("missing.bmp"), dir.file("truncated.bmp"),
                          dir.file("noise.wbmp"), dir.file("unreadable.bmp"), good, "-o", out});
    EXPECT_EQ(run.status, 1);
    for (const char* name : {"missing.bmp", "truncated.bmp", "noise.wbmp", "unreadable.bmp"})
        EXPECT_NE(run.err.find(dir.file(name) + ": "), std::string::npos) << name << "\n"
                                                                          << run.err;
    EXPECT_NE(run.err.find("neexistuje"), std::string::npos);
    EXPECT_TRUE(bitmap::fileExists(out + "/good.wbmp"));
    // Only the good picture was written, and nothing half-written lies around.
    const auto listing = testing_support::runCommand("ls -A " + testing_support::quote(out));
    EXPECT_EQ(listing.out, "good.wbmp\n");

    // A single failing input leaves an existing output file as it was.
    writeFile(dir.file("target.wbmp"), std::string("old"));
    EXPECT_EQ(cli({"convert", dir.file("truncated.bmp"), "-o", dir.file("target.wbmp")}).status, 1);
    EXPECT_EQ(readFile(dir.file("target.wbmp")), std::vector<uint8_t>({'o', 'l', 'd'}));
    // ...and a succeeding one replaces it.
    EXPECT_EQ(cli({"convert", good, "-o", dir.file("target.wbmp")}).status, 0);
    EXPECT_EQ(loadWbmp(dir.file("target.wbmp")).width(), 8);
}

TEST(CliConvert, WritesEveryFormatAndReadsItBack) {
    TempDir dir;
    const auto input = gradientBmp(dir, "g.bmp", 24, 10);
    const std::string out = dir.file("out");
    for (const std::string format : {"gif", "png", "png-trans", "bmp"}) {
        const auto run = cli({"convert", input, "-f", format, "-m", "4", "-o", out + "/"});
        ASSERT_EQ(run.status, 0) << format << ": " << run.err;
    }
    // png-trans is written with the .png extension, beside the plain PNG.
    for (const char* name : {"g.bmp", "g.gif", "g.png", "g(1).png"}) {
        const auto run =
            cli({"convert", out + "/" + name, "-o", dir.file(std::string(name) + ".wbmp")});
        ASSERT_EQ(run.status, 0) << name << ": " << run.err;
        EXPECT_EQ(readFile(dir.file(std::string(name) + ".wbmp")), readFile(dir.file("g.bmp.wbmp")))
            << name;
    }
    // Our GIF keeps a 256-entry table; our PNG is written in RGB.
    const auto info = cli({"info", out + "/g.gif", out + "/g.png"});
    EXPECT_EQ(info.out, out + "/g.gif\tgif\t24\t10\t8\n" + out + "/g.png\tpng\t24\t10\t24\n");
}

TEST(CliConvert, UnreadableGifSaysWhy) {
    TempDir dir;
    writeFile(dir.file("bad.gif"), std::string("GIF89a\x04\x00\x04\x00\x00\x00\x00\x00", 14));
    const auto run = cli({"convert", dir.file("bad.gif"), "-o", dir.file("bad.wbmp")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(dir.file("bad.gif") + ": Chyba #"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("při čtení GIF souboru: "), std::string::npos) << run.err;
    EXPECT_FALSE(bitmap::fileExists(dir.file("bad.wbmp")));
}

TEST(CliConvert, BadUsageExitsWithTwo) {
    TempDir dir;
    const auto input = gradientBmp(dir, "g.bmp", 4, 4);
    const std::vector<std::vector<std::string>> cases = {
        {"convert", input},
        {"convert", "-o", dir.file("x.wbmp")},
        {"convert", input, "-o", dir.file("x.wbmp"), "-t", "256"},
        {"convert", input, "-o", dir.file("x.wbmp"), "-m", "smudge"},
        {"convert", input, "-o", dir.file("x.wbmp"), "-f", "tiff"},
        {"convert", input, "-o", dir.file("x.wbmp"), "--fit", "96x0"},
        {"convert", input, "-o", dir.file("x.wbmp"), "--fit", "9x9", "--percent", "50"},
        {"convert", input, "-o"},
        {"convert", input, "-o", dir.file("x.wbmp"), "--bogus"},
        {"frobnicate"},
        {},
    };
    for (const auto& args : cases) {
        const auto run = cli(args);
        EXPECT_EQ(run.status, 2) << (args.empty() ? "" : args.back());
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_FALSE(bitmap::fileExists(dir.file("x.wbmp")));
}

TEST(CliHelp, EveryCommandDocumentsItself) {
    for (const char* command : {"convert", "info", "show"}) {
        const auto run = cli({command, "--help"});
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_NE(run.out.find(std::string("glyphon-cli ") + command), std::string::npos);
    }
    const auto run = cli({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("convert"), std::string::npos);
}

TEST(CliInfo, PrintsFormatSizeAndDepthPerFile) {
    TempDir dir;
    const auto bmp = gradientBmp(dir, "g.bmp", 20, 10);
    writeFile(dir.file("w.wbmp"), std::vector<uint8_t>{0, 0, 9, 2, 0, 0, 0, 0});
    writeFile(dir.file("t.txt"), std::string("text"));
    const auto run = cli({"info", bmp, dir.file("w.wbmp"), dir.file("t.txt"), dir.file("none")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, bmp + "\tbmp\t20\t10\t8\n" + dir.file("w.wbmp") + "\twbmp\t9\t2\t1\n" +
                           dir.file("t.txt") + "\tunknown\t0\t0\t0\n");
    EXPECT_NE(run.err.find(dir.file("none") + ": CCodec::ReadImageHeader: "), std::string::npos);
}

TEST(CliShow, DrawsTwoRowsPerLineWithHalfBlocks) {
    TempDir dir;
    // 3 x 3 WBMP: row 0 = W B W, row 1 = B B W, row 2 = W W W.
    writeFile(dir.file("p.wbmp"), std::vector<uint8_t>{0, 0, 3, 3, 0xA0, 0x20, 0xE0});
    const auto run = cli({"show", dir.file("p.wbmp")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "\u2580 \u2588\n\u2580\u2580\u2580\n");
    const auto inverted = cli({"show", "--invert", dir.file("p.wbmp")});
    EXPECT_EQ(inverted.out, "\u2584\u2588 \n   \n");
    EXPECT_EQ(cli({"show", dir.file("missing.wbmp")}).status, 1);
}

TEST(CliShow, APictureWiderThanTheTerminalIsScaledToItsWidth) {
    TempDir dir;
    const auto bmp = gradientBmp(dir, "wide.bmp", 1440, 960);
    // A JPEG this much wider is decoded reduced: the picture shown keeps the
    // size the full one would give.
    const std::string jpeg = dir.file("wide.jpg");
    ASSERT_EQ(testing_support::runCommand("cjpeg " + testing_support::quote(bmp) + " > " +
                                          testing_support::quote(jpeg))
                  .exitCode,
              0);
    for (const auto& [args, columns, lines] :
         {std::tuple{std::vector<std::string>{"show", "--width", "60", bmp}, 60u, 20},
          std::tuple{std::vector<std::string>{"show", "--width", "60", jpeg}, 60u, 20},
          std::tuple{std::vector<std::string>{"show", "--width", "700", jpeg}, 700u, 234},
          std::tuple{std::vector<std::string>{"show", "--width", "2000", bmp}, 1440u, 480}}) {
        const auto run = cli(args);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), lines);
        const std::string first = run.out.substr(0, run.out.find('\n'));
        EXPECT_EQ(QString::fromStdString(first).size(), static_cast<qsizetype>(columns));
    }
    EXPECT_EQ(cli({"show", "--width", "0", bmp}).status, 2);
}

}  // namespace
