// The mode of every file the codec leaves behind: a new file gets 0666 less
// the umask, a replaced file keeps the mode it had.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>

#include "codec/Codec.h"
#include "tests/codec/url/UrlFixture.h"

namespace {

class FileModes : public UrlTest {
protected:
    FileModes() : oldMask_(::umask(027)) { codec.setThrowException(false); }
    ~FileModes() override { ::umask(oldMask_); }

    static mode_t modeOf(const std::string& path) {
        struct stat st {};
        EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
        return st.st_mode & 07777;
    }

    codec::Codec codec;

private:
    mode_t oldMask_;
};

TEST_F(FileModes, NewFilesFollowTheUmaskAndReplacedFilesKeepTheirMode) {
    const std::string url = http.url("/files/pic.bmp");
    const std::vector<std::pair<const char*, std::function<int(const std::string&)>>> writers = {
        {"download.bmp", [&](const std::string& path) { return codec.loadImage(url, path); }},
        {"picture.bmp", [&](const std::string& path) { return codec.saveBmp(path); }},
        {"picture.wbmp", [&](const std::string& path) { return codec.saveWbmp(path); }},
        {"picture.gif", [&](const std::string& path) { return codec.saveGif(path); }},
        {"picture.png", [&](const std::string& path) { return codec.savePng(path); }},
    };
    ASSERT_EQ(codec.loadImage(url, ""), 1) << codec.errordescription();
    for (const auto& [name, write] : writers) {
        const std::string path = work.file(name);
        ASSERT_EQ(write(path), 1) << name << ": " << codec.errordescription();
        EXPECT_EQ(modeOf(path), 0640u) << name;
        ASSERT_EQ(::chmod(path.c_str(), 0604), 0);
        ASSERT_EQ(write(path), 1) << name << ": " << codec.errordescription();
        EXPECT_EQ(modeOf(path), 0604u) << name;
    }
}

}  // namespace
