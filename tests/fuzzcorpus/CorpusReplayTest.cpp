// Replays the fuzz targets' seed corpora, so that every file that once
// mattered to a fuzzer keeps running through the decoders in the suite.
#include <gtest/gtest.h>

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
// Every picture corpus also goes through the codec's loader, as a user's
// file would.
TEST(FuzzCorpus, CodecLoad) {
    for (const char* folder : {"bmp", "wbmp", "gif", "jpeg", "png"})
        replay(folder, fuzzing::fuzzCodecLoad);
}

}  // namespace
