#include "tests/codec/url/UrlFixture.h"

#include <dirent.h>

#include <cstdlib>

#include "bitmap/ImageProc.h"

namespace {

std::vector<uint8_t> writeGradient(const std::string& path) {
    auto dib = testing_support::makeGreyDib(40, 30, 8);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            testing_support::setPixel(dib, x, y, x * 6);
    bitmap::ImageProc proc;
    EXPECT_TRUE(proc.saveBitmap(path, dib));
    return testing_support::readFile(path);
}

}  // namespace

UrlTest::UrlTest() : pictureBytes(writeGradient(served.file("pic.bmp"))) {
    if (const char* old = std::getenv("TMPDIR")) {
        hadTmpdir_ = true;
        oldTmpdir_ = old;
    }
    setenv("TMPDIR", temporary.path().c_str(), 1);
}

UrlTest::~UrlTest() {
    if (hadTmpdir_)
        setenv("TMPDIR", oldTmpdir_.c_str(), 1);
    else
        unsetenv("TMPDIR");
}

std::vector<std::string> UrlTest::filesIn(const std::string& folder) const {
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..")
                names.push_back(name);
        }
        closedir(dir);
    }
    return names;
}

std::vector<std::string> UrlTest::temporaryFiles() const {
    return filesIn(temporary.path());
}
