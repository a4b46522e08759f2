#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "batch/core/PicturePage.h"
#include "support/TestSupport.h"

using testing_support::readText;
using testing_support::TempDir;

namespace {

std::string expectedPage(const std::string& imgLine) {
    return "<?xml version=\"1.0\"?>\r\n"
           "<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.1//EN\" "
           "\"http://www.wapforum.org/DTD/wml_1.1.xml\">\r\n"
           "<wml>\r\n"
           "  <card id=\"crd_image\">\r\n"
           "    <p>\r\n"
           "       " +
           imgLine +
           "\r\n"
           "    </p>\r\n"
           "  </card>\r\n"
           "</wml>\r\n";
}

batch::WmlPageOptions withPrefix(const std::string& prefix) {
    batch::WmlPageOptions options;
    options.prefixEnabled = true;
    options.prefix = prefix;
    return options;
}

}  // namespace

TEST(PicturePage, WritesThePageBesideThePicture) {
    TempDir dir;
    batch::WmlPageOptions options;
    const auto result = batch::writePicturePage(dir.file("a(1).wbmp"), options, 96, 65);
    ASSERT_TRUE(result.written);
    EXPECT_EQ(result.pagePath, dir.file("a(1).wml"));
    EXPECT_EQ(
        readText(dir.file("a(1).wml")),
        expectedPage("<img src=\"a(1).wbmp\" width=\"96\" height=\"65\" alt=\"a(1).wbmp\"/>"));
}

TEST(PicturePage, PrefixGetsASlashUnlessItEndsInASeparator) {
    const struct {
        std::string prefix;
        std::string stored;
    } cases[] = {
        {"pics", "pics/"},    {"http://wap.example.cz/img", "http://wap.example.cz/img/"},
        {"pics/", "pics/"},   {"http:", "http:"},
        {"pics\\", "pics\\"},
    };
    for (const auto& c : cases) {
        auto options = withPrefix(c.prefix);
        batch::completeWmlPageOptions(options);
        EXPECT_EQ(options.prefix, c.stored) << c.prefix;
        EXPECT_EQ(batch::planPicturePage("/out/name.wbmp", options).source, c.stored + "name.wbmp")
            << c.prefix;
        // Planning alone gives the same source, completed or not.
        EXPECT_EQ(batch::planPicturePage("/out/name.wbmp", withPrefix(c.prefix)).source,
                  c.stored + "name.wbmp");
    }

    // The stored prefix keeps its "/" for the next run, and the page shows it.
    TempDir dir;
    auto options = withPrefix("pics");
    const auto result = batch::writePicturePage(dir.file("name.bmp"), options, 10, 20);
    ASSERT_TRUE(result.written);
    EXPECT_EQ(options.prefix, "pics/");
    EXPECT_EQ(
        readText(result.pagePath),
        expectedPage("<img src=\"pics/name.bmp\" width=\"10\" height=\"20\" alt=\"name.bmp\"/>"));

    // An unused prefix changes nothing; an empty one adds nothing.
    auto unused = withPrefix("pics");
    unused.prefixEnabled = false;
    EXPECT_EQ(batch::planPicturePage("/out/name.bmp", unused).source, "name.bmp");
    batch::completeWmlPageOptions(unused);
    EXPECT_EQ(unused.prefix, "pics");
    auto empty = withPrefix("");
    batch::completeWmlPageOptions(empty);
    EXPECT_EQ(empty.prefix, "");
    EXPECT_EQ(batch::planPicturePage("/out/name.bmp", empty).source, "name.bmp");
}

TEST(PicturePage, SeparateFolderTakesTheNameWithoutExtension) {
    batch::WmlPageOptions options;
    options.separateFolder = true;
    options.folder = "/srv/wml";
    batch::completeWmlPageOptions(options);
    EXPECT_EQ(options.folder, "/srv/wml/");
    auto plan = batch::planPicturePage("/home/eva/out.d/a(1).wbmp", options);
    EXPECT_EQ(plan.path, "/srv/wml/a(1).wml");
    EXPECT_EQ(plan.source, "a(1).wbmp");
    EXPECT_EQ(plan.altText, "a(1).wbmp");

    // Beside the picture, a "." in a folder name is no extension.
    options.separateFolder = false;
    EXPECT_EQ(batch::planPicturePage("/home/eva/out.d/a(1).wbmp", options).path,
              "/home/eva/out.d/a(1).wml");
    EXPECT_EQ(batch::planPicturePage("/home/eva/out.d/noext", options).path,
              "/home/eva/out.d/noext.wml");

    // An unused folder is left as it is; an empty one puts pages beside the pictures.
    batch::WmlPageOptions unused;
    unused.folder = "/srv/wml";
    batch::completeWmlPageOptions(unused);
    EXPECT_EQ(unused.folder, "/srv/wml");
    batch::WmlPageOptions empty;
    empty.separateFolder = true;
    batch::completeWmlPageOptions(empty);
    EXPECT_EQ(empty.folder, "");
    EXPECT_EQ(batch::planPicturePage("/out/x.bmp", empty).path, "/out/x.wml");

    TempDir dir;
    std::filesystem::create_directory(dir.file("pages"));
    batch::WmlPageOptions real;
    real.separateFolder = true;
    real.folder = dir.file("pages");
    const auto result = batch::writePicturePage(dir.file("x.wbmp"), real, 1, 1);
    EXPECT_TRUE(result.written);
    EXPECT_EQ(result.pagePath, dir.file("pages/x.wml"));
    EXPECT_TRUE(std::filesystem::exists(dir.file("pages/x.wml")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.wml")));
}

TEST(PicturePage, AltTextAndSourceAreEscaped) {
    batch::WmlPageOptions options;
    auto plan = batch::planPicturePage("/out/Tom & Jerry's.wbmp", options);
    EXPECT_EQ(batch::picturePageBytes(plan, 7, 8),
              expectedPage("<img src=\"Tom%20&amp;%20Jerry's.wbmp\" width=\"7\" height=\"8\" "
                           "alt=\"Tom &amp; Jerry's.wbmp\"/>"));

    // "$" starts a WML variable: every text doubles it. The source is a URL.
    options.prefixEnabled = true;
    options.prefix = "http://wap.example.cz/my pics%20";
    options.altTextMode = 1;
    options.customAltText = "cost $(price)";
    plan = batch::planPicturePage("/out/price$5 ž.wbmp", options);
    EXPECT_EQ(batch::picturePageBytes(plan, 7, 8),
              expectedPage("<img src=\"http://wap.example.cz/my%20pics%20/price$$5%20%C5%BE.wbmp\" "
                           "width=\"7\" height=\"8\" alt=\"cost $$(price)\"/>"));
    options.prefixEnabled = false;

    options.altTextMode = 1;
    options.customAltText = "Logo \"<firma>\"";
    plan = batch::planPicturePage("/out/logo.wbmp", options);
    EXPECT_EQ(plan.altText, "Logo \"<firma>\"");
    EXPECT_EQ(batch::picturePageBytes(plan, 7, 8),
              expectedPage("<img src=\"logo.wbmp\" width=\"7\" height=\"8\" "
                           "alt=\"Logo &quot;&lt;firma&gt;&quot;\"/>"));
}

TEST(PicturePage, ExistingPageIsReplacedAndFailureLeavesNoFile) {
    TempDir dir;
    testing_support::writeFile(dir.file("p.wml"), std::string(4000, 'x'));
    batch::WmlPageOptions options;
    const auto replaced = batch::writePicturePage(dir.file("p.bmp"), options, 3, 4);
    ASSERT_TRUE(replaced.written);
    EXPECT_EQ(readText(dir.file("p.wml")),
              expectedPage("<img src=\"p.bmp\" width=\"3\" height=\"4\" alt=\"p.bmp\"/>"));

    // A WML folder that does not exist: failure, the page path for the
    // message, and nothing written anywhere.
    options.separateFolder = true;
    options.folder = dir.file("missing");
    const auto failed = batch::writePicturePage(dir.file("q.bmp"), options, 3, 4);
    EXPECT_FALSE(failed.written);
    EXPECT_EQ(failed.pagePath, dir.file("missing/q.wml"));
    EXPECT_EQ(options.folder, dir.file("missing/"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("q.wml")));

    // A folder in the way of the page.
    std::filesystem::create_directory(dir.file("r.wml"));
    batch::WmlPageOptions beside;
    EXPECT_FALSE(batch::writePicturePage(dir.file("r.wbmp"), beside, 3, 4).written);

    // A path naming no picture writes no page.
    EXPECT_FALSE(batch::writePicturePage(dir.path() + "/", beside, 3, 4).written);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              2);
}

TEST(PicturePage, PageIsWellFormedXml) {
    const bool xmllint = testing_support::hasTool("xmllint");
    const bool python = testing_support::hasTool("python3");
    if (!xmllint && !python)
        GTEST_SKIP() << "no XML parser installed";
    TempDir dir;
    auto options = withPrefix("http://h/a&b");
    options.altTextMode = 1;
    options.customAltText = "\"Tom\" & 'Jerry' <3";
    const auto result = batch::writePicturePage(dir.file("T&J.wbmp"), options, 5, 6);
    ASSERT_TRUE(result.written);
    if (xmllint) {
        const auto run = testing_support::runCommand("xmllint --noout --nonet " +
                                                     testing_support::quote(result.pagePath));
        EXPECT_EQ(run.exitCode, 0) << run.err;
    }
    if (python) {
        const auto run = testing_support::runCommand(
            "python3 -c \"import sys, xml.dom.minidom as m; "
            "i = m.parse(sys.argv[1]).getElementsByTagName('img')[0]; "
            "print(i.getAttribute('src')); print(i.getAttribute('alt'))\" " +
            testing_support::quote(result.pagePath));
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, "http://h/a&b/T&J.wbmp\n\"Tom\" & 'Jerry' <3\n");
    }
}
