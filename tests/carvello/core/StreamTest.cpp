#include <gtest/gtest.h>

#include <numeric>

#include "carvello/core/BufferedByteStream.h"
#include "carvello/core/GraphicsException.h"
#include "carvello/core/ImageCoder.h"
#include "carvello/core/RasterImage.h"
#include "carvello/zlib/DeflateEncoder.h"
#include "carvello/zlib/InflateDecoder.h"
#include "support/TestSupport.h"

using carvello::BufferedByteStream;
using carvello::InputByteStream;

namespace {

std::vector<uint8_t> countingBytes(size_t n) {
    std::vector<uint8_t> bytes(n);
    for (size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<uint8_t>(i * 7 + i / 256);
    return bytes;
}

// The same checks on a file stream and a memory stream over the same bytes,
// with a length that spans several 4096-byte buffers.
void checkStream(InputByteStream& stream, const std::vector<uint8_t>& bytes) {
    EXPECT_EQ(stream.tell(), 0u);
    EXPECT_FALSE(stream.endReached());
    EXPECT_EQ(stream.getByte(), bytes[0]);
    EXPECT_EQ(stream.getBigEndianWord(), (bytes[1] << 8) | bytes[2]);
    EXPECT_EQ(stream.tell(), 3u);

    // A read across buffer boundaries.
    std::vector<uint8_t> middle(5000);
    ASSERT_EQ(stream.read(middle), middle.size());
    EXPECT_TRUE(std::equal(middle.begin(), middle.end(), bytes.begin() + 3));
    const uint64_t mark = stream.tell();
    EXPECT_EQ(mark, 5003u);
    const uint8_t next = stream.getByte();

    // Back to an earlier position, inside and outside the current buffer.
    stream.seek(mark);
    EXPECT_EQ(stream.getByte(), next);
    stream.seek(1);
    EXPECT_EQ(stream.getByte(), bytes[1]);
    stream.seek(mark);
    EXPECT_EQ(stream.getByte(), next);

    // The end: read stops short, getByte throws instead of reading past.
    std::vector<uint8_t> rest(bytes.size());
    EXPECT_EQ(stream.read(rest), bytes.size() - mark - 1);
    EXPECT_TRUE(stream.endReached());
    EXPECT_THROW(stream.getByte(), InputByteStream::StreamError);
    EXPECT_EQ(stream.read(rest), 0u);
    EXPECT_EQ(stream.bitPosition(), -1);

    // Back from the end, as a decoder that looked ahead does.
    EXPECT_EQ(stream.tell(), bytes.size());
    stream.seek(mark);
    EXPECT_EQ(stream.getByte(), next);
    EXPECT_EQ(stream.read(rest), bytes.size() - mark - 1);
    EXPECT_TRUE(stream.endReached());
}

// The text of the library error an action throws.
template <typename Action>
std::string libraryErrorOf(Action action) {
    try {
        action();
    } catch (const carvello::GraphicsException& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(ByteStreams, FileAndMemoryStreamsAgree) {
    const auto bytes = countingBytes(3 * 4096 + 123);
    testing_support::TempDir dir;
    testing_support::writeFile(dir.file("data"), bytes);

    BufferedByteStream file;
    ASSERT_TRUE(file.open(dir.file("data")));
    checkStream(file, bytes);

    BufferedByteStream memory(bytes);
    checkStream(memory, bytes);
}

TEST(ByteStreams, EmptyAndUnopenedStreamsHaveNothingToGive) {
    BufferedByteStream closed;
    EXPECT_FALSE(closed.open(""));
    EXPECT_FALSE(closed.open("/no/such/file"));
    EXPECT_TRUE(closed.endReached());
    EXPECT_THROW(closed.getByte(), InputByteStream::StreamError);

    const std::vector<uint8_t> none;
    BufferedByteStream empty(none);
    EXPECT_TRUE(empty.endReached());
    EXPECT_THROW(empty.getBigEndianWord(), InputByteStream::StreamError);
    // A stream error is one of the library's errors, with its text.
    EXPECT_EQ(libraryErrorOf([&] { empty.getByte(); }), "Premature end of stream");
}

TEST(LibraryErrors, InflateAndDeflateErrorsShareTheRoot) {
    const std::vector<uint8_t> badHeader{0x78, 0x9D, 0x03, 0x00};
    EXPECT_EQ(libraryErrorOf([&] {
                  BufferedByteStream stream(badHeader);
                  carvello::PNGInflateDecoder().openStream(stream);
              }),
              "Corrupt Compression Header flags");
    struct Discard : carvello::DeflateOutput {
        void putBytes(std::span<const uint8_t>) override {}
    } discard;
    EXPECT_EQ(libraryErrorOf([&] {
                  carvello::PNGDeflateEncoder deflate;
                  deflate.setCompressionLevel(9);
                  deflate.begin(discard);
              }),
              "Invalid Compression Level");
}

TEST(RasterImage, SizeClearAndLimits) {
    carvello::RasterImage image;
    image.setSize(3, 2);
    EXPECT_EQ(image.pixelCount(), 6u);
    ASSERT_EQ(image.pixels().size(), 24u);
    EXPECT_TRUE(std::all_of(image.pixels().begin(), image.pixels().end(),
                            [](uint8_t b) { return b == 0; }));
    image.row(1)[0] = 9;
    EXPECT_EQ(image.pixels()[12], 9);
    image.setSize(1, 1);
    EXPECT_EQ(image.pixels()[0], 0) << "a new size starts zeroed";
    image.clear();
    EXPECT_EQ(image.width(), 0u);
    EXPECT_TRUE(image.pixels().empty());
    EXPECT_THROW(image.setSize(70000, 70000), carvello::GraphicsException);
    EXPECT_EQ(image.width(), 0u);
}

TEST(RasterImage, HeightGrowsKeepingRowsAndZeroingNewOnes) {
    carvello::RasterImage image;
    image.setSize(2, 0);
    EXPECT_TRUE(image.pixels().empty());
    image.setHeight(1);
    image.row(0)[5] = 7;
    image.setHeight(3);
    ASSERT_EQ(image.pixels().size(), 24u);
    EXPECT_EQ(image.row(0)[5], 7);
    const auto added = image.pixels().subspan(8);
    EXPECT_TRUE(std::all_of(added.begin(), added.end(), [](uint8_t b) { return b == 0; }));
    image.setHeight(1);
    EXPECT_EQ(image.row(0)[5], 7);
    EXPECT_THROW(image.setHeight(1u << 28), carvello::GraphicsException);
    EXPECT_EQ(image.height(), 1u) << "a refused height changes nothing";
}

class CountingCoder : public carvello::ImageCoder {
public:
    using ImageCoder::reportProgress;
    void finishImage(carvello::RasterImage&) override {}
};

TEST(ImageCoder, ProgressIsClampedAndCanCancel) {
    CountingCoder coder;
    EXPECT_FALSE(coder.reportProgress(1, 2, 50)) << "no function installed";
    int marker = 0;
    unsigned seen = 0;
    coder.setProgressFunction(
        [&](carvello::ImageCoder& c, void* data, unsigned, unsigned, unsigned percent,
            bool& cancel) {
            EXPECT_EQ(&c, &coder);
            EXPECT_EQ(data, &marker);
            seen = percent;
            cancel = percent >= 100;
        },
        &marker);
    EXPECT_FALSE(coder.reportProgress(1, 3, 40));
    EXPECT_EQ(seen, 40u);
    EXPECT_TRUE(coder.reportProgress(3, 3, 250));
    EXPECT_EQ(seen, 100u);
    EXPECT_FALSE(coder.verbose());
}

}  // namespace
