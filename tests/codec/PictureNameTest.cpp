#include <gtest/gtest.h>

#include <cstdlib>

#include "codec/PictureName.h"
#include "support/TestSupport.h"

using codec::classifyPictureName;
using Kind = codec::PictureName::Kind;

namespace {

TEST(PictureName, LocalPathsAndUrlsAreToldApart) {
    // Absolute and explicitly relative paths are local even when missing,
    // whatever dots and slashes they hold.
    EXPECT_EQ(classifyPictureName("/home/u/pics.d/a.bmp").kind, Kind::localFile);
    EXPECT_EQ(classifyPictureName("./www.example.com/a.bmp").kind, Kind::localFile);
    EXPECT_EQ(classifyPictureName("../x/y").kind, Kind::localFile);

    // file:// names are local, the scheme (any case) removed.
    const auto file = classifyPictureName("FILE:///tmp/a picture.wbmp");
    EXPECT_EQ(file.kind, Kind::localFile);
    EXPECT_EQ(file.location, "/tmp/a picture.wbmp");

    // "~/" is the home folder.
    setenv("HOME", "/home/tester", 1);
    EXPECT_EQ(classifyPictureName("~/a.bmp").location, "/home/tester/a.bmp");

    // Remaining names: a scheme, a host name before the first "/", or a
    // "/" without any dot make a URL.
    EXPECT_EQ(classifyPictureName("http://example.com/a.gif").kind, Kind::url);
    EXPECT_EQ(classifyPictureName("ftp://h/a").kind, Kind::url);
    EXPECT_EQ(classifyPictureName("www.example.com/pics/a.gif").kind, Kind::url);
    EXPECT_EQ(classifyPictureName("server/picture").kind, Kind::url);
    // A dot after the first "/" reads as a missing local file.
    EXPECT_EQ(classifyPictureName("missingfolder/a.bmp").kind, Kind::localFile);
    EXPECT_EQ(classifyPictureName("plain.bmp").kind, Kind::localFile);
}

TEST(PictureName, ExistingRelativePathIsLocalEvenWhenItLooksLikeAHost) {
    testing_support::TempDir dir;
    const std::string old = std::getenv("PWD") ? std::getenv("PWD") : "";
    ASSERT_EQ(chdir(dir.path().c_str()), 0);
    std::system("mkdir -p www.example.com && touch www.example.com/a.gif");
    EXPECT_EQ(classifyPictureName("www.example.com/a.gif").kind, Kind::localFile);
    EXPECT_EQ(classifyPictureName("www.example.com/b.gif").kind, Kind::url);
    ASSERT_EQ(chdir("/"), 0);
}

}  // namespace
