// Replays the fuzz targets' seed corpora, so that every file that once
// mattered to a fuzzer keeps running through the decoders in the suite.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "fuzz/entries/FuzzEntries.h"
#include "support/TestSupport.h"

namespace {

void replay(const std::string& folder, void (*entry)(const uint8_t*, size_t)) {
    const auto root = std::filesystem::path(testing_support::sourceDir()) / "fuzz/corpus" / folder;
    ASSERT_TRUE(std::filesystem::is_directory(root)) << root;
    int files = 0;
    for (const auto& item : std::filesystem::directory_iterator(root)) {
        if (!item.is_regular_file())
            continue;
        const auto bytes = testing_support::readFile(item.path().string());
        entry(bytes.data(), bytes.size());
        ++files;
    }
    EXPECT_GT(files, 0);
}

TEST(FuzzCorpus, Bmp) {
    replay("bmp", fuzzing::fuzzBmp);
}
TEST(FuzzCorpus, DocumentDib) {
    replay("bmp", fuzzing::fuzzDocumentDib);
}
TEST(FuzzCorpus, Wbmp) {
    replay("wbmp", fuzzing::fuzzWbmp);
}
TEST(FuzzCorpus, Gif) {
    replay("gif", fuzzing::fuzzGif);
}
TEST(FuzzCorpus, Jpeg) {
    replay("jpeg", fuzzing::fuzzJpeg);
}
TEST(FuzzCorpus, Png) {
    replay("png", fuzzing::fuzzPng);
}
TEST(FuzzCorpus, Inflate) {
    replay("inflate", fuzzing::fuzzInflate);
}
TEST(FuzzCorpus, Deflate) {
    replay("deflate", fuzzing::fuzzDeflateRoundTrip);
}
// The codec-load target works in a scratch folder of its own, which is gone
// once the process that used it has ended.
TEST(FuzzCorpus, CodecLoadLeavesNoScratchFolderBehind) {
    const testing_support::TempDir tmp;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::setenv("TMPDIR", tmp.path().c_str(), 1);
        const uint8_t bytes[] = {'B', 'M', 0, 0};
        fuzzing::fuzzCodecLoad(bytes, sizeof bytes);
        std::exit(std::filesystem::is_empty(tmp.path()) ? 3 : 0);  // the folder existed
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(std::filesystem::is_empty(tmp.path()));
}

// Every picture corpus also goes through the codec's loader, as a user's
// file would.
TEST(FuzzCorpus, CodecLoad) {
    for (const char* folder : {"bmp", "wbmp", "gif", "jpeg", "png"})
        replay(folder, fuzzing::fuzzCodecLoad);
}

}  // namespace
