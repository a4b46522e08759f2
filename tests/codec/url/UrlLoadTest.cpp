#include <gtest/gtest.h>

#include "base/FileIO.h"
#include "bitmap/ImageProc.h"
#include "codec/Codec.h"
#include "tests/codec/url/UrlFixture.h"

using codec::CodecError;
using codec::codeOf;
using testing_support::readFile;
using testing_support::writeFile;

namespace {

const std::string kPrefix = "CCodec::LoadFromURL: ";

class UrlLoad : public UrlTest {
protected:
    UrlLoad() { codec.setThrowException(false); }
    codec::Codec codec;
    std::string errorText;
};

TEST_F(UrlLoad, LoadsAPictureIntoATemporaryFileAndRemovesIt) {
    const std::string url = http.url("/files/pic.bmp");
    ASSERT_EQ(codec.loadFromUrl(url, "", errorText, false), 1) << codec.errordescription();
    EXPECT_EQ(codec.bmpWidth(), 40);
    EXPECT_EQ(codec.bmpHeight(), 30);
    EXPECT_TRUE(errorText.empty());
    EXPECT_TRUE(temporaryFiles().empty());

    // Through loadImage: no "no such file" report is left behind.
    ASSERT_EQ(codec.loadImage(url, ""), 1);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::none));
    EXPECT_EQ(codec.imageWidth(), 40);
    EXPECT_TRUE(temporaryFiles().empty());
}

TEST_F(UrlLoad, WritesTheDownloadToTheCallersPathAndFollowsRedirects) {
    const std::string local = work.file("copy.bmp");
    writeFile(local, std::string("old content"));
    ASSERT_EQ(codec.loadImage(http.url("/redirect/pic.bmp"), local), 1) << codec.errordescription();
    EXPECT_EQ(readFile(local), pictureBytes);
    EXPECT_EQ(filesIn(work.path()), std::vector<std::string>{"copy.bmp"});
    EXPECT_TRUE(temporaryFiles().empty());

    // A local path in a missing folder cannot be written.
    const std::string nowhere = work.file("none/x.bmp");
    EXPECT_EQ(codec.loadFromUrl(http.url("/files/pic.bmp"), nowhere, errorText, false), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::cannotCreateFile));
    EXPECT_EQ(errorText, "Nelze vytvořit lokální soubor '" + nowhere + "'");
    EXPECT_EQ(codec.bmpExists(), 0);
}

TEST_F(UrlLoad, RefusesHtmlAnswersAndKeepsTheUsersFile) {
    const std::string local = work.file("page.bmp");
    writeFile(local, pictureBytes);
    for (const std::string path : {"/html", "/html-untyped"}) {
        const std::string url = http.url(path);
        EXPECT_EQ(codec.loadImage(url, local), 0);
        EXPECT_EQ(codec.errorcode(), codeOf(CodecError::htmlRefused));
        EXPECT_EQ(codec.errordescription(),
                  kPrefix + "Server odmítl HTTP spojení pro obrázek '" + url + "'");
        EXPECT_EQ(readFile(local), pictureBytes) << path;
        EXPECT_EQ(filesIn(work.path()), std::vector<std::string>{"page.bmp"}) << path;
    }
    EXPECT_EQ(codec.loadFromUrl(http.url("/html"), "", errorText, false), 0);
    EXPECT_EQ(errorText, "Server odmítl HTTP spojení pro obrázek '" + http.url("/html") + "'");
    EXPECT_TRUE(temporaryFiles().empty());
}

TEST_F(UrlLoad, AnEmptyBodyFailsToLoadAndLeavesTheCallersFileAlone) {
    const std::string url = http.url("/empty/pic.bmp");
    EXPECT_EQ(codec.loadFromUrl(url, "", errorText, false), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::pictureNotFound));
    EXPECT_EQ(errorText, "Chyba během načítání obrázku z " + url + " do kodeku");
    EXPECT_EQ(codec.bmpExists(), 0);
    EXPECT_TRUE(temporaryFiles().empty());

    const std::string local = work.file("keep.bmp");
    writeFile(local, pictureBytes);
    EXPECT_EQ(codec.loadFromUrl(url, local, errorText, false), 0);
    EXPECT_EQ(readFile(local), pictureBytes);
    EXPECT_EQ(filesIn(work.path()).size(), 1u);
}

TEST_F(UrlLoad, UnreachableAndMissingResourcesReportConnectionFailures) {
    const std::string local = work.file("keep.bmp");
    writeFile(local, pictureBytes);
    const std::vector<std::string> urls = {
        http.url("/missing.bmp"),
        "http://127.0.0.1:" + std::to_string(closedPort()) + "/pic.bmp",
        "info://" + served.file("pic.bmp"),
        // A server may not send the loader to a local file.
        http.url("/to-local-file"),
    };
    for (const auto& url : urls) {
        EXPECT_EQ(codec.loadFromUrl(url, local, errorText, false), 0) << url;
        EXPECT_EQ(codec.errorcode(), codeOf(CodecError::cannotConnect)) << url;
        EXPECT_EQ(errorText,
                  "Nepodařilo se připojit k URL '" + url + "'\nUjistěte se, zda máte správné URL");
        EXPECT_EQ(codec.errordescription(), kPrefix + errorText);
        EXPECT_EQ(readFile(local), pictureBytes) << url;
        EXPECT_EQ(filesIn(work.path()).size(), 1u) << url;
    }
    EXPECT_TRUE(temporaryFiles().empty());
}

TEST_F(UrlLoad, StopsDownloadsLargerThan64Megabytes) {
    for (const std::string path : {"/large/big.bmp", "/large-unannounced/big.bmp"}) {
        const std::string url = http.url(path);
        EXPECT_EQ(codec.loadImage(url, work.file("big.bmp")), 0) << path;
        EXPECT_EQ(codec.errorcode(), codeOf(CodecError::downloadFailed));
        EXPECT_EQ(codec.errordescription(), kPrefix + "Chyba během stahování z " + url);
        EXPECT_TRUE(filesIn(work.path()).empty()) << path;
        EXPECT_TRUE(temporaryFiles().empty()) << path;
    }
}

TEST_F(UrlLoad, GivesUpADownloadThatOutlastsItsDeadline) {
    const std::string url = http.url("/drip/pic.bmp");
    codec.setDownloadTimeout(1);
    EXPECT_EQ(codec.loadImage(url, work.file("drip.bmp")), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::downloadFailed));
    EXPECT_EQ(codec.errordescription(), kPrefix + "Chyba během stahování z " + url);
    EXPECT_TRUE(filesIn(work.path()).empty());
    EXPECT_EQ(codec::Codec().downloadTimeout(), 600);
}

TEST_F(UrlLoad, ReportsProgressInBlocksWithTheTrueLength) {
    ProgressRecorder progress;
    codec.setDownloadProgress(&progress);
    const std::string url = http.url("/slow/pic.bmp");
    ASSERT_EQ(codec.loadFromUrl(url, "", errorText, true), 1) << codec.errordescription();
    EXPECT_EQ(progress.events,
              (std::vector<std::string>{"started", "connecting " + url, "received", "finished"}));
    ASSERT_FALSE(progress.counts.empty());
    uint64_t previous = 0;
    for (size_t i = 0; i < progress.counts.size(); ++i) {
        EXPECT_GT(progress.counts[i], previous);
        EXPECT_LE(progress.counts[i] - previous, 1024u);
        EXPECT_EQ(progress.totals[i], pictureBytes.size());
        previous = progress.counts[i];
    }
    EXPECT_EQ(previous, pictureBytes.size());

    // Without the switch, nothing is reported; with it, a failure is also
    // finished off.
    progress = {};
    ASSERT_EQ(codec.loadFromUrl(url, "", errorText, false), 1);
    EXPECT_TRUE(progress.events.empty());
    EXPECT_EQ(codec.loadFromUrl(http.url("/missing"), "", errorText, true), 0);
    EXPECT_EQ(progress.events.back(), "finished");
}

TEST_F(UrlLoad, ProgressTotalsAreNotCutTo16Bits) {
    // 70000 bytes: a BMP of 70000 - 1078 pixels bytes in a 4-byte aligned row.
    auto dib = testing_support::makeGreyDib(68920 / 4, 4, 8);
    bitmap::ImageProc proc;
    ASSERT_TRUE(proc.saveBitmap(served.file("wide.bmp"), dib));
    const auto size = readFile(served.file("wide.bmp")).size();
    ASSERT_GT(size, 65536u);
    ProgressRecorder progress;
    codec.setDownloadProgress(&progress);
    codec.setShowDownloadProgress(true);
    ASSERT_EQ(codec.loadImage(http.url("/files/wide.bmp"), ""), 1) << codec.errordescription();
    EXPECT_EQ(progress.totals.back(), size);
    EXPECT_EQ(progress.counts.back(), size);
}

TEST_F(UrlLoad, ThrowingCodecStillCleansUp) {
    codec.setThrowException(true);
    const std::string local = work.file("page.bmp");
    EXPECT_ANY_THROW(codec.loadFromUrl(http.url("/empty/x.bmp"), local, errorText, false));
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::pictureNotFound));
    EXPECT_TRUE(filesIn(work.path()).empty());
    EXPECT_TRUE(temporaryFiles().empty());
}

TEST_F(UrlLoad, LoadsOverFtpAndFromFileUrls) {
    LocalServer ftp(LocalServer::Kind::ftp, served.path());
    ASSERT_EQ(codec.loadImage(ftp.url("/pic.bmp"), work.file("f.bmp")), 1)
        << codec.errordescription();
    EXPECT_EQ(codec.imageWidth(), 40);
    EXPECT_EQ(readFile(work.file("f.bmp")), pictureBytes);
    EXPECT_EQ(codec.loadFromUrl(ftp.url("/none.bmp"), "", errorText, false), 0);
    EXPECT_EQ(codec.errorcode(), codeOf(CodecError::cannotConnect));

    ASSERT_EQ(codec.loadFromUrl("file://" + served.file("pic.bmp"), "", errorText, false), 1);
    EXPECT_EQ(codec.bmpWidth(), 40);
    EXPECT_TRUE(temporaryFiles().empty());
}

}  // namespace
