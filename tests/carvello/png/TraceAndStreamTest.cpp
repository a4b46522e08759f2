// The verbose trace (and the checks that belong to it), and the chunk
// stream's own operations.
#include <gtest/gtest.h>

#include <sstream>

#include "carvello/core/BufferedByteStream.h"
#include "carvello/core/RasterImage.h"
#include "carvello/png/PngChunkStream.h"
#include "carvello/png/PngDecoder.h"
#include "tests/carvello/png/DecodeHelpers.h"

using namespace pngtest;
using carvello::PngChunkStream;

namespace {

std::pair<std::string, std::string> traced(const Bytes& file) {
    carvello::BufferedByteStream stream(file);
    std::ostringstream trace;
    carvello::PngDecoder decoder;
    decoder.setVerbose(&trace);
    carvello::RasterImage image;
    std::string outcome = "ok";
    try {
        decoder.readImage(stream, image);
    } catch (const std::exception& e) {
        outcome = e.what();
    }
    return {outcome, trace.str()};
}

Bytes rgbData() {
    return zlibStored(unfilteredRows(Bytes(18, 9), 9));
}

TEST(Trace, HeaderChunksAndCompression) {
    Bytes before = chunk("gAMA", Bytes{0, 0, 0xB1, 0x8F});
    append(before, chunk("tEXt", Bytes{'T', 'i', 't', 'l', 'e', 0, 'x'}));
    const auto [outcome, text] = traced(pngFile(ihdr(3, 2, 8, 2), rgbData(), before));
    EXPECT_EQ(outcome, "ok");
    for (const char* line :
         {" Block Type: IHDR\n", " Length: 17\n", " Image Dimensions: 3 x 2\n", " Bit Depth: 8\n",
          " Color Type: (2) RGB\n", " Interlace Method: (0) none\n", " Gamma: 0.45455\n",
          " Keyword: 'Title'\n", " Value: 'x'\n", " Compression Method: 8\n",
          " WindowSize: 32768\n", " Preset Dictionary: false\n", " Type:  (0) none\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\nin:\n" << text;
}

TEST(Trace, TransparencyChecksOnlyWithTheTrace) {
    const Bytes plte = chunk("PLTE", Bytes(6, 1));
    const Bytes palettePicture = zlibStored(unfilteredRows(Bytes(2, 0), 1));
    struct Case {
        Bytes header, before, data;
        const char* message;
        const char* quietOutcome = "ok";
    };
    const Case cases[] = {
        {ihdr(3, 2, 2, 3), chunk("tRNS", Bytes{0, 0}), palettePicture,
         "tRNS chunk must occur after PLTE chunk", "bad: PLTE block must occur before IDAT"},
        {ihdr(3, 2, 2, 3),
         [&] {
             Bytes b = plte;
             append(b, chunk("tRNS", Bytes{0, 0, 0}));
             return b;
         }(),
         palettePicture, "tRNS block length invalid"},
        {ihdr(3, 2, 8, 0), chunk("tRNS", Bytes{0}), zlibStored(unfilteredRows(Bytes(6, 0), 3)),
         "tRNS chunk length invalid"},
        {ihdr(3, 2, 8, 2), chunk("tRNS", Bytes(5, 0)), rgbData(), "tRNS chunk length invalid"},
        {ihdr(3, 2, 8, 6), chunk("tRNS", Bytes(6, 0)), zlibStored(unfilteredRows(Bytes(24, 0), 12)),
         "Invalid Color Type of tRNS chunk"},
    };
    for (const auto& c : cases) {
        const Bytes file = pngFile(c.header, c.data, c.before);
        EXPECT_EQ(traced(file).first, c.message);
        EXPECT_EQ(decodeOutcome(file), c.quietOutcome) << c.message;
    }
}

TEST(ChunkStream, ChunksPositionsAndTheEnd) {
    Bytes file = signature();
    for (const Bytes& c : {ihdr(3, 2, 8, 2), chunk("abCD", Bytes{1, 2, 3}), chunk("teST", Bytes{4}),
                           chunk("IEND", {})})
        append(file, c);
    carvello::BufferedByteStream source(file);
    PngChunkStream chunks(source);
    ASSERT_TRUE(chunks.readSignature());
    ASSERT_TRUE(chunks.readChunk());
    EXPECT_EQ(chunks.chunkType(), "IHDR");
    EXPECT_EQ(chunks.chunkLength(), 13u);
    EXPECT_EQ(chunks.tell(), 16u);  // signature, length, type
    ASSERT_TRUE(chunks.readChunk());
    EXPECT_EQ(chunks.chunkType(), "abCD");
    EXPECT_EQ(chunks.getByte(), 1);
    const uint64_t mark = chunks.tell();
    EXPECT_EQ(chunks.getByte(), 2);
    chunks.seek(mark);
    EXPECT_EQ(chunks.getByte(), 2);
    EXPECT_THROW(chunks.seek(3), carvello::InputByteStream::StreamError);
    EXPECT_FALSE(chunks.endReached());
    EXPECT_EQ(chunks.getByte(), 3);
    // Past the chunk's data the stream wants an IDAT.
    EXPECT_FALSE(chunks.endReached());
    try {
        chunks.getByte();
        FAIL() << "no error";
    } catch (const carvello::InputByteStream::StreamError& e) {
        EXPECT_STREQ(e.what(), "Missing IDAT Chunk");
    }
    // Then IEND ends the sequence; its type and CRC are left unread.
    EXPECT_FALSE(chunks.readChunk());
    EXPECT_FALSE(chunks.endReached());
    EXPECT_EQ(chunks.tell(), file.size() - 8);
}

TEST(ChunkStream, SignatureAndClosedStream) {
    PngChunkStream closed;
    EXPECT_FALSE(closed.readSignature());
    EXPECT_THROW(closed.readChunk(), carvello::InputByteStream::StreamError);
    EXPECT_FALSE(closed.open("/nonexistent/x.png"));
    EXPECT_TRUE(closed.endReached());

    Bytes almost = signature();
    almost[7] = 0;
    carvello::BufferedByteStream source(almost);
    PngChunkStream chunks(source);
    EXPECT_FALSE(chunks.readSignature());
}

TEST(ChunkStream, LargeChunkGrowsTheBuffer) {
    // A chunk much larger than the first buffer, read whole and CRC-checked.
    Bytes data(100000);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<uint8_t>(i * 31);
    Bytes file = signature();
    append(file, chunk("biGG", data));
    carvello::BufferedByteStream source(file);
    PngChunkStream chunks(source);
    ASSERT_TRUE(chunks.readSignature());
    ASSERT_TRUE(chunks.readChunk());
    ASSERT_EQ(chunks.chunkData().size(), data.size());
    EXPECT_TRUE(std::equal(data.begin(), data.end(), chunks.chunkData().begin()));
}

}  // namespace
