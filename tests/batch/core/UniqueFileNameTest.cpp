#include <gtest/gtest.h>

#include <set>
#include <string>

#include "batch/core/UniqueFileName.h"
#include "support/TestSupport.h"

using testing_support::TempDir;

namespace {

std::string uniqueIn(const std::set<std::string>& taken, std::string path) {
    batch::MakeUniqueFileName(path, [&](const std::string& name) { return taken.count(name) > 0; });
    return path;
}

}  // namespace

TEST(UniqueFileName, CountsUpPastFilesOnDisk) {
    TempDir dir;
    std::string path = dir.file("a.bmp");
    batch::MakeUniqueFileName(path);
    EXPECT_EQ(path, dir.file("a.bmp"));  // free names stay

    testing_support::writeFile(dir.file("a.bmp"), "x");
    batch::MakeUniqueFileName(path);
    EXPECT_EQ(path, dir.file("a(1).bmp"));

    testing_support::writeFile(dir.file("a(1).bmp"), "x");
    path = dir.file("a.bmp");
    batch::MakeUniqueFileName(path);
    EXPECT_EQ(path, dir.file("a(2).bmp"));
}

TEST(UniqueFileName, ParenthesesOfDigitsCountOthersStay) {
    EXPECT_EQ(uniqueIn({"c(9).bmp"}, "c(9).bmp"), "c(10).bmp");
    EXPECT_EQ(uniqueIn({"c(9).bmp", "c(10).bmp"}, "c(9).bmp"), "c(11).bmp");
    EXPECT_EQ(uniqueIn({"b(x).bmp"}, "b(x).bmp"), "b(x)(1).bmp");
    EXPECT_EQ(uniqueIn({"b().bmp"}, "b().bmp"), "b()(1).bmp");
    // A parenthesis opening the name is not a counter of the name before it.
    EXPECT_EQ(uniqueIn({"(5).bmp"}, "(5).bmp"), "(5)(1).bmp");
    EXPECT_EQ(uniqueIn({"/out/a.b.wbmp"}, "/out/a.b.wbmp"), "/out/a.b(1).wbmp");
    // Without an extension the counter goes at the end, not into a folder name.
    EXPECT_EQ(uniqueIn({"/out.d/a"}, "/out.d/a"), "/out.d/a(1)");
}
