#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "bitmap/formats/WBMPCoder.h"
#include "cli/Cli.h"
#include "cli/terminal/DownloadProgressLine.h"
#include "support/CliRun.h"
#include "tests/codec/url/UrlFixture.h"

namespace {

testing_support::CliRun cli(const std::vector<std::string>& args) {
    return testing_support::runCli(args);
}

using UrlCli = UrlTest;

TEST_F(UrlCli, ConvertNamesTheOutputAfterTheDownload) {
    // As in the program's batch: the download is named download. + the
    // URL's last segment, and the picture after the download.
    const auto run = cli({"convert", http.url("/files/pic.bmp?size=1"), "-o", work.path() + "/"});
    ASSERT_EQ(run.status, 0) << run.err;
    bitmap::WBMPCoder coder;
    ASSERT_TRUE(coder.loadWBMP(work.file("download.pic.wbmp"))) << run.out;
    EXPECT_EQ(coder.width(), 40);
    EXPECT_TRUE(temporaryFiles().empty());

    const auto failed = cli({"convert", http.url("/html"), "-o", work.file("x.wbmp")});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("Server odmítl HTTP spojení"), std::string::npos) << failed.err;
}

TEST_F(UrlCli, InfoAndShowAcceptUrls) {
    const std::string url = http.url("/files/pic.bmp");
    auto run = cli({"info", url, served.file("pic.bmp")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, url + "\tbmp\t40\t30\t8\n" + served.file("pic.bmp") + "\tbmp\t40\t30\t8\n");
    EXPECT_TRUE(temporaryFiles().empty());

    run = cli({"info", http.url("/missing.bmp")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Nepodařilo se připojit k URL"), std::string::npos);
    EXPECT_TRUE(temporaryFiles().empty());

    run = cli({"show", url});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 15);
}

TEST(DownloadProgressLine, DrawsOnlyOnTerminals) {
    std::ostringstream quiet;
    cli::DownloadProgressLine off(quiet, false);
    off.connecting("http://h/a");
    off.received(10, 20);
    off.finished();
    EXPECT_TRUE(quiet.str().empty());

    std::ostringstream shown;
    cli::DownloadProgressLine on(shown, true);
    on.connecting("http://h/a");
    on.received(5000000000, 10000000000);
    EXPECT_NE(shown.str().find("http://h/a"), std::string::npos);
    EXPECT_NE(shown.str().find("5000000000/10000000000 bytes"), std::string::npos);
    EXPECT_NE(shown.str().find("[###############               ]"), std::string::npos);
    on.received(7, 0);
    EXPECT_TRUE(shown.str().ends_with("7 bytes"));
}

}  // namespace
