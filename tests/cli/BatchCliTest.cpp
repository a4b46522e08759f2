// glyphon-cli convert as a batch run, and split with its pages.
#include <gtest/gtest.h>

#include <QSettings>

#include <filesystem>
#include <map>
#include <tuple>

#include "base/FileIO.h"
#include "bitmap/formats/WBMPCoder.h"
#include "support/CliRun.h"
#include "tests/app/core/DocumentFixture.h"

using testing_support::readText;
using testing_support::runCli;
using testing_support::TempDir;
using testing_support::writeGradientBmp;

namespace {

bitmap::WBMPCoder loadWbmp(const std::string& path) {
    bitmap::WBMPCoder coder;
    EXPECT_TRUE(coder.loadWBMP(path)) << coder.lastError();
    return coder;
}

TEST(CliBatch, MethodAndThresholdDefaultToTheProgramsSettings) {
    testing_support::ScopedSettingsStore store;
    {
        QSettings settings(QSettings::UserScope, "Vendra", "WAP Glyphon");
        settings.setValue("Settings/IxDithering", 0);
        settings.setValue("Settings/TresholdValue", 200);
    }
    TempDir dir;
    const auto input = writeGradientBmp(dir.file("g.bmp"), 16, 1);
    const auto run = runCli({"convert", input, "-o", dir.file("g.wbmp")});
    ASSERT_EQ(run.status, 0) << run.err;
    // Thresholding at 200: only the four columns of grey 204 and up are white
    // (at the default 128 it would be eight).
    const auto coder = loadWbmp(dir.file("g.wbmp"));
    const auto rows = coder.data().subspan(4);
    EXPECT_EQ(rows[0], 0x00);
    EXPECT_EQ(rows[1], 0x0F);
}

TEST(CliBatch, PagesPrefixAltTextAndPhone) {
    testing_support::ScopedSettingsStore store;
    TempDir dir;
    const auto input = writeGradientBmp(dir.file("Tom & Jerry.bmp"), 200, 100);
    const auto run =
        runCli({"convert", input, "-o", dir.file("out/"), "--phone", "nokia 7110", "--wml",
                "--wml-dir", dir.file("pages"), "--prefix", "pics", "--alt", "A <b>"});
    ASSERT_EQ(run.status, 0) << run.err;
    // Fitted to the Nokia 7110's 96 x 44 display.
    const auto coder = loadWbmp(dir.file("out/Tom & Jerry.wbmp"));
    EXPECT_EQ(coder.width(), 88);
    EXPECT_EQ(coder.height(), 44);
    const std::string page = readText(dir.file("pages/Tom & Jerry.wml"));
    EXPECT_NE(
        page.find("       <img src=\"pics/Tom%20&amp;%20Jerry.wbmp\" width=\"88\" height=\"44\" "
                  "alt=\"A &lt;b&gt;\"/>\r\n"),
        std::string::npos)
        << page;

    const auto unknown = runCli({"convert", input, "-o", dir.file("x.wbmp"), "--phone", "99"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(runCli({"convert", input, "-o", dir.file("x.wbmp"), "--prefix", "p"}).status, 2);
}

TEST(CliBatch, FailuresGoToTheSummaryOnStandardError) {
    testing_support::ScopedSettingsStore store;
    TempDir dir;
    const auto good = writeGradientBmp(dir.file("good.bmp"), 8, 8);
    testing_support::writeFile(dir.file("bad.bmp"), std::string("BMnothing"));
    const auto run = runCli({"convert", dir.file("bad.bmp"), good, "-o", dir.file("out")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("1 Souborů zkonvertováno úspěšně (z 2 celkem).\n\nNastalo 1 chyb:\n"
                           "Nepodařilo se nahrát soubor " +
                           dir.file("bad.bmp") + ": "),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.out.find(good + " -> " + dir.file("out") + "/good.wbmp\n"), std::string::npos)
        << run.out;

    // With --stop-on-error each failure is also reported as it happens.
    const auto stopping =
        runCli({"convert", dir.file("bad.bmp"), good, "-o", dir.file("out"), "--stop-on-error"});
    EXPECT_EQ(stopping.status, 1);
    EXPECT_EQ(stopping.err.rfind("Chyba: Nepodařilo se nahrát soubor ", 0), 0u) << stopping.err;
}

// Every file under a folder, by its path relative to it, with its bytes.
std::map<std::string, std::vector<uint8_t>> filesUnder(const std::string& folder) {
    std::map<std::string, std::vector<uint8_t>> files;
    for (const auto& item : std::filesystem::recursive_directory_iterator(folder))
        if (item.is_regular_file())
            files[std::filesystem::relative(item.path(), folder).string()] =
                testing_support::readFile(item.path().string());
    return files;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

// Threads change nothing a run leaves behind: the same names (a failed
// picture leaves its name to the next one of that name), pages, messages
// and summary as one thread, with an earlier file in the folder kept.
TEST(CliBatch, ParallelRunIsTheSerialRun) {
    testing_support::ScopedSettingsStore store;
    TempDir dir;
    std::vector<std::string> inputs;
    for (const char* folder : {"a", "b", "c"}) {
        std::filesystem::create_directory(dir.file(folder));
        if (std::string(folder) == "a")
            testing_support::writeFile(dir.file("a/p.bmp"), std::string("BMbroken"));
        else
            writeGradientBmp(dir.file(std::string(folder) + "/p.bmp"), 40, 30);
        inputs.push_back(dir.file(std::string(folder) + "/p.bmp"));
        inputs.push_back(writeGradientBmp(dir.file(std::string(folder) + "/q.bmp"), 17, 90));
    }
    inputs.push_back(dir.file("missing.bmp"));
    auto runWith = [&](const std::string& jobs) {
        const std::string out = dir.file("out" + jobs);
        std::filesystem::create_directory(out);
        testing_support::writeFile(out + "/q.wbmp", std::string("kept"));
        std::vector<std::string> args{"convert"};
        args.insert(args.end(), inputs.begin(), inputs.end());
        args.insert(args.end(), {"-o", out, "--fit", "20x20", "--wml", "-j", jobs});
        auto run = runCli(args);
        return std::tuple{run.status, replaced(run.out, out, "OUT"), replaced(run.err, out, "OUT"),
                          filesUnder(out)};
    };
    const auto serial = runWith("1");
    EXPECT_EQ(std::get<0>(serial), 1);
    EXPECT_NE(std::get<1>(serial).find("/b/p.bmp -> OUT/p.wbmp\n"), std::string::npos)
        << std::get<1>(serial);
    EXPECT_EQ(std::get<3>(serial).size(), 11u);  // five pictures, five pages, the kept file
    for (const char* jobs : {"2", "3", "64"}) {
        SCOPED_TRACE(jobs);
        EXPECT_EQ(runWith(jobs), serial);
    }
    EXPECT_EQ(runCli({"convert", inputs[0], "-o", dir.file("x"), "-j", "0"}).status, 2);
}

TEST(CliSplit, PhoneSizedTilesWithPages) {
    testing_support::ScopedSettingsStore store;
    TempDir dir;
    const auto input = writeGradientBmp(dir.file("photo.bmp"), 150, 100);
    // Ericsson R380 (phone 5): 310 x 100, clamped to 153 x 100.
    const auto run = runCli({"split", input, "-o", dir.file("tiles"), "--phone", "5", "--wml",
                             "--prefix", "http://h/t"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("1 x 1 tiles\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("1 WML pages\n"), std::string::npos) << run.out;
    const std::string page = readText(dir.file("tiles/photo.0.0.wml"));
    EXPECT_NE(page.find("<img src='http://h/t/0.0.wbmp' alt='photo(0,0)'  width='153' "
                        "height='100'/><br/>\r\n"),
              std::string::npos)
        << page;
    EXPECT_EQ(
        runCli({"split", input, "-o", dir.file("t2"), "--tile", "8x8", "--phone", "1"}).status, 2);
}

}  // namespace
