#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/core/split/SplitPages.h"
#include "app/core/split/WmlText.h"
#include "support/TestSupport.h"

using testing_support::readText;
using testing_support::TempDir;

namespace {

// On disk every line feed of the page text became CR LF, so the prolog and
// closing lines, which bring their own CR LF, end in CR CR LF.
const std::string kProlog =
    "<?xml version=\"1.0\"?>\r\r\n"
    "<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.1//EN\" "
    "\"http://www.wapforum.org/DTD/wml_1.1.xml\">\r\r\n"
    "<wml>\r\r\n";
const std::string kFooter = "</wml>\r\r\n";

std::string cardStart(const std::string& img, const std::string& position) {
    return "\r\n  <card id='img'>\r\n    <p>\r\n      " + img + "<br/>\r\n" +
           "      Current Position: " + position + "<br/>\r\n";
}
const std::string kCardEnd = "    </p>\r\n  </card>\r\n\r\n";

app::SplitPageSet photoGrid(const std::string& folder, int columns, int rows) {
    app::SplitPageSet pages;
    pages.folder = folder;
    pages.baseName = "photo";
    pages.extension = "wbmp";
    pages.tileWidth = 310;
    pages.tileHeight = 100;
    pages.columns = columns;
    pages.rows = rows;
    return pages;
}

// The link lines of a page, in page order.
std::vector<std::string> linksOf(const std::string& page) {
    std::vector<std::string> links;
    size_t start = 0;
    while (start < page.size()) {
        const size_t end = page.find('\n', start);
        const std::string line = page.substr(start, end - start + 1);
        if (line.find("<a href") != std::string::npos)
            links.push_back(line);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return links;
}

}  // namespace

TEST(WmlText, EscapesMarkupAndOnlyTheDelimitingQuote) {
    EXPECT_EQ(app::escapeXml("a&b<c>d'e\"f", '\''), "a&amp;b&lt;c&gt;d&apos;e\"f");
    EXPECT_EQ(app::escapeXml("a&b<c>d'e\"f", '"'), "a&amp;b&lt;c&gt;d'e&quot;f");
    EXPECT_EQ(app::escapeXml("&amp;", '"'), "&amp;amp;");
    EXPECT_EQ(app::escapeXml("plain name.wbmp", '\''), "plain name.wbmp");
    EXPECT_EQ(app::escapeXml("", '\''), "");
}

TEST(SplitPages, TwoByTwoGridWritesFourPagesWithTheirNeighbours) {
    TempDir dir;
    const auto pages = photoGrid(dir.path() + "/", 2, 2);
    const auto result = app::writeSplitPages(pages);
    EXPECT_EQ(result.written, 4);
    EXPECT_TRUE(result.failed.empty());

    const std::string topLeft =
        kProlog +
        cardStart("<img src='0.0.wbmp' alt='photo(0,0)'  width='310' height='100'/>", "(0,0)") +
        "      <a href='photo.0.1.wml'>Down</a><br/>\r\n"
        "      <a href='photo.1.0.wml'>Right</a><br/>\r\n" +
        kCardEnd + kFooter;
    EXPECT_EQ(readText(dir.file("photo.0.0.wml")), topLeft);

    // Tile (1,0) of a picture photo.jpg cut into WBMP tiles without prefix.
    const std::string topRight =
        kProlog +
        cardStart("<img src='1.0.wbmp' alt='photo(1,0)'  width='310' height='100'/>", "(1,0)") +
        "      <a href='photo.1.1.wml'>Down</a><br/>\r\n"
        "     <a href='photo.0.0.wml'>Left </a><br/>\r\n" +
        kCardEnd + kFooter;
    EXPECT_EQ(readText(dir.file("photo.1.0.wml")), topRight);

    const std::string bottomRight =
        kProlog +
        cardStart("<img src='1.1.wbmp' alt='photo(1,1)'  width='310' height='100'/>", "(1,1)") +
        "      <a href='photo.1.0.wml'> Up </a><br/>\r\n"
        "     <a href='photo.0.1.wml'>Left </a><br/>\r\n" +
        kCardEnd + kFooter;
    EXPECT_EQ(readText(dir.file("photo.1.1.wml")), bottomRight);

    EXPECT_EQ(linksOf(readText(dir.file("photo.0.1.wml"))),
              (std::vector<std::string>{"      <a href='photo.0.0.wml'> Up </a><br/>\r\n",
                                        "      <a href='photo.1.1.wml'>Right</a><br/>\r\n"}));
}

TEST(SplitPages, LinksComeUpDownLeftRightAndStopAtTheEdges) {
    const auto grid = photoGrid("", 3, 3);
    EXPECT_EQ(linksOf(app::splitPageBytes(grid, 1, 1)),
              (std::vector<std::string>{"      <a href='photo.1.0.wml'> Up </a><br/>\r\n",
                                        "      <a href='photo.1.2.wml'>Down</a><br/>\r\n",
                                        "     <a href='photo.0.1.wml'>Left </a><br/>\r\n",
                                        "      <a href='photo.2.1.wml'>Right</a><br/>\r\n"}));
    EXPECT_EQ(linksOf(app::splitPageBytes(grid, 2, 0)).size(), 2u);
    // A picture that fits one tile gets a page without links.
    EXPECT_TRUE(linksOf(app::splitPageBytes(photoGrid("", 1, 1), 0, 0)).empty());
    // A single row or column links only along it.
    EXPECT_EQ(linksOf(app::splitPageBytes(photoGrid("", 3, 1), 1, 0)),
              (std::vector<std::string>{"     <a href='photo.0.0.wml'>Left </a><br/>\r\n",
                                        "      <a href='photo.2.0.wml'>Right</a><br/>\r\n"}));
}

TEST(SplitPages, PrefixExtensionAndSizeReachTheImage) {
    auto pages = photoGrid("", 12, 1);
    pages.sourcePrefix = "http://wap.example.cz/tiles/";
    pages.extension = "bmp";
    pages.tileWidth = 153;
    pages.tileHeight = 7;
    const std::string page = app::splitPageBytes(pages, 11, 0);
    EXPECT_NE(page.find("      <img src='http://wap.example.cz/tiles/11.0.bmp' alt='photo(11,0)'  "
                        "width='153' height='7'/><br/>\r\n"),
              std::string::npos)
        << page;
    EXPECT_EQ(app::splitPagePath(pages, 11, 0), "photo.11.0.wml");
}

TEST(SplitPages, NamesFromTheUserAreEscapedInThePageButNotInTheFileName) {
    TempDir dir;
    auto pages = photoGrid(dir.path() + "/", 2, 1);
    pages.baseName = "Tom & Jerry's <\"best\"> $5";
    pages.sourcePrefix = "a'b&c d/";
    const auto result = app::writeSplitPages(pages);
    ASSERT_EQ(result.written, 2);
    const std::string page = readText(dir.file("Tom & Jerry's <\"best\"> $5.0.0.wml"));
    // Links are URLs (percent-encoded), every text escapes XML and doubles
    // "$", which would start a WML variable.
    EXPECT_NE(page.find("<img src='a&apos;b&amp;c%20d/0.0.wbmp' "
                        "alt='Tom &amp; Jerry&apos;s &lt;\"best\"&gt; $$5(0,0)'  width="),
              std::string::npos)
        << page;
    EXPECT_NE(page.find("<a href='Tom%20&amp;%20Jerry&apos;s%20%3C%22best%22%3E%20$$5.1.0.wml'>"
                        "Right</a>"),
              std::string::npos)
        << page;
}

TEST(SplitPages, PagesReplaceOldOnesAndUnwritablePagesAreSkippedAndListed) {
    TempDir dir;
    const auto pages = photoGrid(dir.path() + "/", 2, 2);
    testing_support::writeFile(dir.file("photo.0.0.wml"), std::string(5000, 'x'));
    // A folder in the way of one page: that page alone fails.
    std::filesystem::create_directory(dir.file("photo.1.0.wml"));
    const auto result = app::writeSplitPages(pages);
    EXPECT_EQ(result.written, 3);
    EXPECT_EQ(result.failed, std::vector<std::string>{dir.file("photo.1.0.wml")});
    EXPECT_EQ(readText(dir.file("photo.0.0.wml")), app::splitPageBytes(pages, 0, 0));
    EXPECT_EQ(readText(dir.file("photo.1.1.wml")), app::splitPageBytes(pages, 1, 1));

    // A missing folder: every page fails, in the order they are written
    // (x outer, y inner), and nothing is created.
    const auto missing = photoGrid(dir.file("gone") + "/", 2, 2);
    const auto none = app::writeSplitPages(missing);
    EXPECT_EQ(none.written, 0);
    EXPECT_EQ(none.failed,
              (std::vector<std::string>{
                  missing.folder + "photo.0.0.wml", missing.folder + "photo.0.1.wml",
                  missing.folder + "photo.1.0.wml", missing.folder + "photo.1.1.wml"}));
    EXPECT_FALSE(std::filesystem::exists(dir.file("gone")));
    // Only the pages are in the folder: no temporary files stayed behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              4);

    EXPECT_EQ(app::writeSplitPages(photoGrid(dir.path() + "/", 0, 3)).written, 0);
}

TEST(SplitPages, PageIsWellFormedXml) {
    const bool xmllint = testing_support::hasTool("xmllint");
    const bool python = testing_support::hasTool("python3");
    if (!xmllint && !python)
        GTEST_SKIP() << "no XML parser installed";
    TempDir dir;
    auto pages = photoGrid(dir.path() + "/", 2, 2);
    pages.baseName = "Tom & Jerry's <1>";
    pages.sourcePrefix = "x'y/";
    ASSERT_EQ(app::writeSplitPages(pages).written, 4);
    const std::string path = dir.file("Tom & Jerry's <1>.1.1.wml");
    if (xmllint) {
        const auto run =
            testing_support::runCommand("xmllint --noout --nonet " + testing_support::quote(path));
        EXPECT_EQ(run.exitCode, 0) << run.err;
    }
    if (python) {
        // The parser gives back the texts exactly as they were filled in.
        const auto run = testing_support::runCommand(
            "python3 -c \"import sys, xml.dom.minidom as m; d = m.parse(sys.argv[1]); "
            "i = d.getElementsByTagName('img')[0]; a = d.getElementsByTagName('a')[0]; "
            "print(i.getAttribute('src')); print(i.getAttribute('alt')); "
            "print(a.getAttribute('href'))\" " +
            testing_support::quote(path));
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out,
                  "x'y/1.1.wbmp\nTom & Jerry's <1>(1,1)\nTom%20&%20Jerry's%20%3C1%3E.1.0.wml\n");
    }
}
