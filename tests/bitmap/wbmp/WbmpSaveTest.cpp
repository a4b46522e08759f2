#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <vector>

#include "base/FileIO.h"

#include "bitmap/formats/WBMPCoder.h"
#include "support/TestSupport.h"

using bitmap::WBMPCoder;
using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;
using Bytes = std::vector<uint8_t>;

namespace {

const Bytes kPicture = {0x00, 0x00, 0x09, 0x02, 0x80, 0x80, 0xFF, 0x80};

}  // namespace

TEST(WbmpSave, WritesTheBytesUnchanged) {
    TempDir dir;
    // A header in a longer form than needed must be kept as it is.
    const Bytes longForm = {0x80, 0x00, 0x00, 0x80, 0x09, 0x02, 0x80, 0x80, 0xFF, 0x80, 0x77};
    for (const Bytes& file : {kPicture, longForm}) {
        WBMPCoder coder;
        ASSERT_TRUE(coder.loadWBMPFromMemory(file));
        ASSERT_TRUE(coder.saveWBMP(dir.file("out.wbmp"))) << coder.lastError();
        EXPECT_EQ(readFile(dir.file("out.wbmp")), Bytes(coder.data().begin(), coder.data().end()));
        EXPECT_TRUE(coder.lastError().empty());

        WBMPCoder again;
        ASSERT_TRUE(again.loadWBMP(dir.file("out.wbmp")));
        EXPECT_EQ(Bytes(again.data().begin(), again.data().end()),
                  Bytes(coder.data().begin(), coder.data().end()));
    }
}

TEST(WbmpSave, ReplacesAnExistingFile) {
    TempDir dir;
    writeFile(dir.file("out.wbmp"), std::string(500, 'x'));
    WBMPCoder coder;
    ASSERT_TRUE(coder.loadWBMPFromMemory(kPicture));
    ASSERT_TRUE(coder.saveWBMP(dir.file("out.wbmp")));
    EXPECT_EQ(readFile(dir.file("out.wbmp")), kPicture);
}

TEST(WbmpSave, RefusesPathsItCannotCreate) {
    TempDir dir;
    WBMPCoder coder;
    ASSERT_TRUE(coder.loadWBMPFromMemory(kPicture));
    for (const std::string& path :
         {std::string(), dir.file("no/such/folder/out.wbmp"), dir.path()}) {
        EXPECT_FALSE(coder.saveWBMP(path)) << path;
        EXPECT_EQ(coder.lastError(), "WBMPCoder::saveWBMP: Cannot open file") << path;
    }
    // The picture survives a failed save.
    EXPECT_EQ(Bytes(coder.data().begin(), coder.data().end()), kPicture);
}

TEST(WbmpSave, ReadOnlyFolderLeavesNoFileBehind) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not apply to root";
    TempDir dir;
    const std::string folder = dir.file("locked");
    ASSERT_EQ(::mkdir(folder.c_str(), 0500), 0);
    WBMPCoder coder;
    ASSERT_TRUE(coder.loadWBMPFromMemory(kPicture));
    EXPECT_FALSE(coder.saveWBMP(folder + "/out.wbmp"));
    EXPECT_EQ(coder.lastError(), "WBMPCoder::saveWBMP: Cannot open file");
    EXPECT_FALSE(bitmap::fileExists(folder + "/out.wbmp"));
    ::chmod(folder.c_str(), 0700);
}

TEST(WbmpSave, NothingToSaveIsAnError) {
    TempDir dir;
    writeFile(dir.file("keep.wbmp"), kPicture);
    WBMPCoder coder;
    EXPECT_FALSE(coder.saveWBMP(dir.file("keep.wbmp")));
    EXPECT_EQ(coder.lastError(), "WBMPCoder::saveWBMP: WBMP not loaded");
    EXPECT_EQ(readFile(dir.file("keep.wbmp")), kPicture) << "existing file untouched";

    // Nor after a failed load.
    EXPECT_FALSE(coder.loadWBMPFromMemory(Bytes{0x00, 0x00, 0x09}));
    EXPECT_FALSE(coder.saveWBMP(dir.file("new.wbmp")));
    EXPECT_EQ(coder.lastError(), "WBMPCoder::saveWBMP: WBMP not loaded");
    EXPECT_FALSE(bitmap::fileExists(dir.file("new.wbmp")));
}

TEST(WbmpSave, SuccessLeavesTheLastMessageAlone) {
    TempDir dir;
    WBMPCoder coder;
    EXPECT_FALSE(coder.saveWBMP(""));
    const std::string message = coder.lastError();
    ASSERT_TRUE(coder.loadWBMPFromMemory(kPicture));
    ASSERT_TRUE(coder.saveWBMP(dir.file("ok.wbmp")));
    int type = 0, width = 0, height = 0;
    ASSERT_TRUE(coder.getWBMPInfo(type, width, height));
    EXPECT_EQ(coder.lastError(), message);
}
