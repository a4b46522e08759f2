#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "bitmap/ByteOrder.h"
#include "bitmap/ImageProc.h"
#include "bitmap/formats/BmpFile.h"
#include "support/TestSupport.h"

using testing_support::readFile;
using testing_support::TempDir;

namespace {

// A picture whose every byte (palette and rows) carries something.
bitmap::Dib sample(int width, int height, int bits, uint32_t clrUsed = 0) {
    bitmap::BitmapInfoHeader h;
    h.biWidth = width;
    h.biHeight = height;
    h.biBitCount = static_cast<uint16_t>(bits);
    h.biClrUsed = clrUsed;
    h.biXPelsPerMeter = 11;
    h.biYPelsPerMeter = 22;
    h.biSizeImage = 12345;
    auto dib = bitmap::Dib::create(h);
    if (!dib)
        throw std::runtime_error("create");
    uint8_t v = 7;
    for (auto& b : dib->palette())
        b = v += 13;
    for (int r = 0; r < height; ++r)
        for (auto& b : dib->storedRow(r))
            b = v += 29;
    // The fourth bytes of 32 bpp pixels, all the same: no alpha channel for
    // the reader to apply.
    if (bits == 32)
        for (int r = 0; r < height; ++r)
            for (size_t at = 3; at < dib->storedRow(r).size(); at += 4)
                dib->storedRow(r)[at] = 0;
    return std::move(*dib);
}

size_t filesIn(const std::string& folder) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder))
        ++n;
    return n;
}

class SaveEveryDepth : public ::testing::TestWithParam<int> {};

TEST_P(SaveEveryDepth, LoadGivesBackTheSameBlock) {
    TempDir dir;
    bitmap::ImageProc proc;
    auto dib = sample(9, 4, GetParam());
    ASSERT_TRUE(proc.saveBitmap(dir.file("a.bmp"), dib)) << proc.lastError();
    const auto loaded = proc.loadBitmap(dir.file("a.bmp"));
    ASSERT_TRUE(loaded) << proc.lastError();
    const auto a = dib.bytes();
    const auto b = loaded->bytes();
    ASSERT_EQ(a.size(), b.size());
    EXPECT_TRUE(std::equal(a.begin(), a.end(), b.begin()));
}

TEST_P(SaveEveryDepth, FileIsHeaderThenTheWholeBlock) {
    TempDir dir;
    bitmap::ImageProc proc;
    const int bits = GetParam();
    auto dib = sample(9, 4, bits);
    ASSERT_TRUE(proc.saveBitmap(dir.file("a.bmp"), dib));
    const auto file = readFile(dir.file("a.bmp"));
    const size_t palette = bits <= 8 ? (size_t{4} << bits) : 0;
    const size_t stride = (9 * static_cast<size_t>(bits) + 31) / 32 * 4;
    ASSERT_EQ(file.size(), 54 + palette + stride * 4);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(bitmap::readLe32(file, 2), file.size());
    EXPECT_EQ(bitmap::readLe32(file, 6), 0u);
    EXPECT_EQ(bitmap::readLe32(file, 10), 54 + palette);
    EXPECT_EQ(bitmap::readLe32(file, 14), 40u);
    EXPECT_EQ(bitmap::readLe32(file, 14 + 20), stride * 4);
    EXPECT_EQ(bitmap::readLeI32(file, 14 + 24), 3790);
    EXPECT_EQ(bitmap::readLeI32(file, 14 + 28), 3780);
    // The picture's own header was updated, and the file holds it verbatim.
    const auto h = dib.header();
    EXPECT_EQ(h.biSizeImage, stride * 4);
    EXPECT_EQ(h.biXPelsPerMeter, 3790);
    EXPECT_EQ(h.biYPelsPerMeter, 3780);
    EXPECT_TRUE(std::equal(dib.bytes().begin(), dib.bytes().end(), file.begin() + 14));
}

INSTANTIATE_TEST_SUITE_P(BmpWriter, SaveEveryDepth, ::testing::Values(1, 4, 8, 24, 32));

TEST(BmpWriter, ShortColourTableIsWrittenAsDeclared) {
    TempDir dir;
    bitmap::ImageProc proc;
    auto dib = sample(5, 3, 8, 5);
    ASSERT_TRUE(proc.saveBitmap(dir.file("a.bmp"), dib));
    const auto file = readFile(dir.file("a.bmp"));
    EXPECT_EQ(file.size(), 54u + 20u + 8u * 3u);
    EXPECT_EQ(bitmap::readLe32(file, 10), 74u);
    const auto loaded = proc.loadBitmap(dir.file("a.bmp"));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->palette().size(), 20u);
    EXPECT_TRUE(std::equal(dib.bytes().begin(), dib.bytes().end(), loaded->bytes().begin()));
}

TEST(BmpWriter, SavingTwiceWritesIdenticalFiles) {
    TempDir dir;
    bitmap::ImageProc proc;
    auto dib = sample(33, 5, 1);
    ASSERT_TRUE(proc.saveBitmap(dir.file("a.bmp"), dib));
    const auto before = dib.header();
    ASSERT_TRUE(proc.saveBitmap(dir.file("b.bmp"), dib));
    EXPECT_EQ(readFile(dir.file("a.bmp")), readFile(dir.file("b.bmp")));
    EXPECT_EQ(dib.header().biSizeImage, before.biSizeImage);
    // Saving over an existing file replaces it completely.
    auto other = sample(2, 2, 8);
    ASSERT_TRUE(proc.saveBitmap(dir.file("b.bmp"), other));
    ASSERT_TRUE(proc.saveBitmap(dir.file("b.bmp"), dib));
    EXPECT_EQ(readFile(dir.file("a.bmp")), readFile(dir.file("b.bmp")));
    EXPECT_EQ(filesIn(dir.path()), 2u);
}

TEST(BmpWriter, OpenFailuresLeaveNoFile) {
    TempDir dir;
    bitmap::ImageProc proc;
    auto dib = sample(4, 4, 8);
    const std::string expected = "ImageProc::saveBitmap: Nepodařilo se otevřít soubor";

    EXPECT_FALSE(proc.saveBitmap("", dib));
    EXPECT_EQ(proc.lastError(), expected);

    EXPECT_FALSE(proc.saveBitmap(dir.file("no/such/folder.bmp"), dib));
    EXPECT_EQ(proc.lastError(), expected);

    EXPECT_FALSE(proc.saveBitmap(dir.path(), dib));  // a folder, not a file
    EXPECT_EQ(proc.lastError(), expected);
    EXPECT_EQ(filesIn(dir.path()), 0u);
}

TEST(BmpWriter, ReadOnlyFolderFailsAndKeepsTheOldFile) {
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    TempDir dir;
    bitmap::ImageProc proc;
    auto dib = sample(4, 4, 8);
    testing_support::writeFile(dir.file("old.bmp"), std::string("old contents"));
    ASSERT_EQ(chmod(dir.path().c_str(), 0555), 0);
    EXPECT_FALSE(proc.saveBitmap(dir.file("new.bmp"), dib));
    EXPECT_EQ(proc.lastError(), "ImageProc::saveBitmap: Nepodařilo se otevřít soubor");
    EXPECT_FALSE(proc.saveBitmap(dir.file("old.bmp"), dib));
    chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(filesIn(dir.path()), 1u);
    const auto old = readFile(dir.file("old.bmp"));
    EXPECT_EQ(std::string(old.begin(), old.end()), "old contents");
}

// Limits the size of files this process may write while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

// A write cut short fails, whether it replaces a file (which stays as it
// was) or makes a new one (which never appears), and leaves nothing else.
TEST(BmpWriter, ShortWriteFailsAndLeavesTheFolderAsItWas) {
    TempDir dir;
    bitmap::ImageProc proc;
    auto dib = sample(64, 64, 8);
    const std::string target = dir.file("old.bmp");
    testing_support::writeFile(target, std::string("old contents"));
    for (const std::string& path : {target, dir.file("new.bmp")}) {
        bool saved = true;
        {
            FileSizeLimit limit(512);
            saved = proc.saveBitmap(path, dib);
        }
        EXPECT_FALSE(saved) << path;
        EXPECT_EQ(proc.lastError(), "ImageProc::saveBitmap: Chyba při zápisu do souboru");
        const auto old = readFile(target);
        EXPECT_EQ(std::string(old.begin(), old.end()), "old contents");
        EXPECT_EQ(filesIn(dir.path()), 1u) << path << ": a temporary file was left";
    }
}

TEST(BmpWriter, RefusesPicturesItCannotWriteFaithfully) {
    TempDir dir;
    bitmap::ImageProc proc;
    bitmap::Dib none;
    EXPECT_FALSE(proc.saveBitmap(dir.file("a.bmp"), none));
    EXPECT_EQ(proc.lastError(), "ImageProc::saveBitmap: BMP obrázek dosud nebyl vytvořen");

    // A header rewritten to claim a longer table than the block holds.
    auto dib = sample(4, 4, 8, 16);
    auto h = dib.header();
    h.biClrUsed = 0;
    dib.setHeader(h);
    EXPECT_FALSE(proc.saveBitmap(dir.file("a.bmp"), dib));
    EXPECT_EQ(proc.lastError(), "ImageProc::saveBitmap: Neplatná hlavička souboru BMP");
    EXPECT_FALSE(bitmap::bmpFileHeader(dib));
    EXPECT_EQ(filesIn(dir.path()), 0u);
}

}  // namespace
