#include <gtest/gtest.h>

#include <unistd.h>

#include "codec/url/CurlLibrary.h"
#include "codec/url/DownloadFile.h"
#include "codec/url/UrlCheck.h"
#include "codec/url/UrlLoader.h"
#include "support/TestSupport.h"

using codec::checkDownloadUrl;
using Refusal = codec::UrlCheckResult::Refusal;

namespace {

TEST(UrlCheck, AcceptsKnownSchemesAsTypedAndPrefixesTheRest) {
    testing_support::TempDir folder;
    for (const std::string url : {"http://a/b.gif", "HTTPS://a/b", "ftp://h/p.bmp", "File:///x.bmp",
                                  "info:///x.bmp", "counter://d:42"}) {
        const auto result = checkDownloadUrl(url, folder.path());
        EXPECT_TRUE(result.accepted()) << url;
        EXPECT_EQ(result.url, url);
    }
    EXPECT_EQ(checkDownloadUrl("www.example.com/a.gif", folder.path()).url,
              "http://www.example.com/a.gif");
    EXPECT_EQ(checkDownloadUrl("  example.com \n", folder.path()).url, "http://example.com");
    EXPECT_EQ(checkDownloadUrl("C:\\pics\\a.bmp", folder.path()).url, "file://C:\\pics\\a.bmp");
    EXPECT_EQ(checkDownloadUrl("/home/u/a.bmp", folder.path()).url, "file:///home/u/a.bmp");
    EXPECT_EQ(checkDownloadUrl("./a.bmp", folder.path()).url, "file://./a.bmp");
    // A colon and backslash at the very start is no drive path.
    EXPECT_EQ(checkDownloadUrl(":\\x", folder.path()).url, "http://:\\x");
}

TEST(UrlCheck, RefusesUnknownSchemesEmptyTextAndMissingFolders) {
    testing_support::TempDir folder;
    auto result = checkDownloadUrl("gopher://host/pic", folder.path());
    EXPECT_EQ(result.refusal, Refusal::unsupportedScheme);
    EXPECT_EQ(result.message, "Nepodporovaný formát URL 'gopher:/'");
    EXPECT_EQ(result.caption, "Chyba");
    EXPECT_TRUE(result.url.empty());

    result = checkDownloadUrl("   ", folder.path());
    EXPECT_EQ(result.refusal, Refusal::empty);
    EXPECT_EQ(result.message, "Zadejte URL obrázku");
    EXPECT_EQ(result.caption, "Nebylo zadáno URL!");

    const std::string missing = folder.file("none");
    result = checkDownloadUrl("http://a/b.gif", missing);
    EXPECT_EQ(result.refusal, Refusal::folderMissing);
    EXPECT_EQ(result.message, "Složka nenalezena: '" + missing + "'");
    EXPECT_EQ(result.caption, "Chyba");
}

TEST(UrlNames, LastSegmentAndExtensionIgnoreQueryAndHost) {
    EXPECT_EQ(codec::urlLastSegment("http://h/a/pic.gif?x=1.bmp#y"), "pic.gif");
    EXPECT_EQ(codec::urlExtension("http://h/a/pic.gif?x=1.bmp"), "gif");
    EXPECT_EQ(codec::urlLastSegment("http://h/a/dir/"), "dir");
    EXPECT_EQ(codec::urlLastSegment("http://www.example.com"), "");
    EXPECT_EQ(codec::urlExtension("http://www.example.com/pic"), "");
}

TEST(UrlNames, TemporaryFilesKeepOnlySafeExtensionsAndGoAway) {
    testing_support::TempDir dir;
    std::string path;
    {
        auto file = codec::DownloadFile::beside(dir.file("a.wbmp"));
        ASSERT_TRUE(file);
        path = file->path();
        EXPECT_TRUE(path.starts_with(dir.path() + "/.download-")) << path;
        EXPECT_TRUE(path.ends_with(".wbmp")) << path;
    }
    EXPECT_NE(access(path.c_str(), F_OK), 0);
    auto odd = codec::DownloadFile::beside(dir.file("odd.x y"));
    ASSERT_TRUE(odd);
    EXPECT_EQ(odd->path().find(' '), std::string::npos) << odd->path();
    auto moved = codec::DownloadFile::beside(dir.file("m.bmp"));
    ASSERT_TRUE(moved && moved->moveTo(dir.file("m.bmp")));
    moved.reset();
    EXPECT_EQ(access(dir.file("m.bmp").c_str(), F_OK), 0);
}

}  // namespace

// libcurl is opened at the first download, not linked: without it a download
// fails with a message that names what is missing.
TEST(CurlOnDemand, AMissingLibraryIsNamedAndTheToolDoesNotNeedIt) {
    const codec::CurlLibrary missing{"libglyphon-no-such-curl.so.4"};
    EXPECT_FALSE(missing.ok());
    EXPECT_NE(missing.error(), "");
    testing_support::TempDir dir;
    std::FILE* out = std::fopen(dir.file("x").c_str(), "wb");
    ASSERT_NE(out, nullptr);
    const auto status = codec::downloadUrlWith(missing, "http://example.org/a.gif", out, nullptr);
    std::fclose(out);
    EXPECT_EQ(status, codec::DownloadStatus::noDownloader);
    EXPECT_EQ(codec::downloadErrorCode(status), codec::CodecError::downloadFailed);
    EXPECT_EQ(codec::downloadErrorText(status, "http://example.org/a.gif"),
              "Nelze stahovat z http://example.org/a.gif: knihovna libcurl (balíček libcurl4) "
              "není nainstalována");
    EXPECT_TRUE(codec::systemCurl().ok()) << codec::systemCurl().error();

    const auto needed = testing_support::runCommand(
        "readelf -d " + testing_support::quote(testing_support::cliPath()));
    ASSERT_EQ(needed.exitCode, 0);
    EXPECT_EQ(needed.out.find("libcurl"), std::string::npos) << needed.out;
}
