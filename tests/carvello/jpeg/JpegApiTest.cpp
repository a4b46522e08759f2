// The decoder's entry points, trace and progress, the readJPEGFile bridge,
// files refused as the tools make them, and damaged files.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "bitmap/ImageProc.h"
#include "carvello/core/GraphicsAbort.h"
#include "carvello/core/RasterImage.h"
#include "carvello/jpeg/JpegDecoder.h"
#include "support/TestSupport.h"
#include "tests/carvello/jpeg/JpegTestSupport.h"

namespace {

using carvello::JpegDecoder;
using carvello::RasterImage;
using testing_support::quote;

using jpegtest::cjpegFile;

TEST(JpegApi, FlatBlocksThroughEveryEntry) {
    for (int dc : {0, 22, -100, 127, 200, -200}) {
        const auto bytes = jpegtest::flatGreyBlock(dc);
        const int expected = std::clamp(128 + dc, 0, 255);
        RasterImage image;
        JpegDecoder decoder;
        decoder.readImage(bytes, image);
        ASSERT_EQ(image.width(), 8u);
        ASSERT_EQ(image.height(), 8u);
        for (size_t i = 0; i < image.pixels().size(); i += 4) {
            EXPECT_EQ(image.pixels()[i], expected);
            EXPECT_EQ(image.pixels()[i + 1], expected);
            EXPECT_EQ(image.pixels()[i + 2], expected);
            EXPECT_EQ(image.pixels()[i + 3], 255);
        }
    }
    // Through a file and the bridge to each grey depth.
    testing_support::TempDir dir;
    testing_support::writeFile(dir.file("flat.jpg"), jpegtest::flatGreyBlock(-128));
    RasterImage image;
    JpegDecoder().readImageFile(dir.file("flat.jpg"), image);
    EXPECT_EQ(image.pixels()[0], 0);
    bitmap::ImageProc proc;
    for (int depth : {1, 4, 8}) {
        const auto dib = proc.readJPEGFile(dir.file("flat.jpg"), depth);
        ASSERT_TRUE(dib) << proc.lastError();
        const auto header = dib->header();
        EXPECT_EQ(header.biBitCount, depth);
        EXPECT_EQ(header.biWidth, 8);
        EXPECT_EQ(header.biHeight, 8);
        EXPECT_EQ(testing_support::pixelAt(*dib, 3, 3), 0);
    }
}

TEST(JpegApi, BridgeMessages) {
    bitmap::ImageProc proc;
    EXPECT_FALSE(proc.readJPEGFile("", 8));
    EXPECT_EQ(proc.lastError(), "ImageProc::readJPEGFile: Nepodařilo se otevřít soubor");
    testing_support::TempDir dir;
    EXPECT_FALSE(proc.readJPEGFile(dir.file("missing.jpg"), 8));
    EXPECT_EQ(proc.lastError(), "ImageProc::readJPEGFile: Can't open input file");
    // Stream errors arrive as the decoder's own errors.
    auto bytes = jpegtest::flatGreyBlock(3);
    bytes.resize(bytes.size() - 2);  // no EOI
    testing_support::writeFile(dir.file("short.jpg"), bytes);
    EXPECT_FALSE(proc.readJPEGFile(dir.file("short.jpg"), 8));
    EXPECT_EQ(proc.lastError(), "ImageProc::readJPEGFile: Premature end of file");
    // A depth the converter does not make is its failure, after decoding.
    testing_support::writeFile(dir.file("ok.jpg"), jpegtest::flatGreyBlock(3));
    EXPECT_FALSE(proc.readJPEGFile(dir.file("ok.jpg"), 16));
    EXPECT_NE(proc.lastError().find("ImageProc::changeBitmapFormatFrom32: "), std::string::npos);

    RasterImage image;
    EXPECT_THROW(JpegDecoder().readImageFile(dir.file("missing.jpg"), image),
                 JpegDecoder::JpegError);
}

TEST(JpegApi, VerboseTrace) {
    const auto bytes = cjpegFile("-progressive -restart 1");
    if (bytes.empty())
        GTEST_SKIP();
    RasterImage image;
    JpegDecoder decoder;
    std::ostringstream sink;
    decoder.setVerbose(&sink);
    decoder.readImage(bytes, image);
    const std::string trace = sink.str();
    for (const char* label :
         {"{ Start Of Image }", "{ JFIF APP0 Marker", "  Version: 1.", "  Density Unit: ",

          "{ Define Huffman Table", "   Table Class: AC", "   Code Values: ", "Mincode",
          "{ Define Quantization Table", "  Table Values: ", "{ Define Restart Interval",
          "  Interval: ", "{ Start Of Frame ", "  Precision: 8",
          "   Horizontal Frequency: ", "{ Start Of Scan ",
          " Spectral Selection End: ", " Successive Approximation Low: ", "{ End Of Image }"})
        EXPECT_NE(trace.find(label), std::string::npos) << label;
    // Application and comment segments show their identifiers.
    auto withComments = jpegtest::flatGreyBlock(1);
    const std::vector<uint8_t> extra = {0xFF, 0xFE, 0, 7,   'h', 'e', 'l', 'l', 'o', 0xFF,
                                        0xEB, 0,    8, 'A', 'B', 0,   'x', 'y', 'z'};
    withComments.insert(withComments.begin() + 20, extra.begin(), extra.end());
    sink.str("");
    decoder.readImage(withComments, image);
    const std::string segments = sink.str();
    for (const char* label : {"( Comment Marker", "ID: hello", "{ APPb Marker", "ID: AB"})
        EXPECT_NE(segments.find(label), std::string::npos) << label;
    // Switched off, the sink gets nothing more; quiet by default.
    sink.str("");
    decoder.setVerbose(nullptr);
    decoder.readImage(bytes, image);
    EXPECT_EQ(sink.str(), "");
    JpegDecoder quiet;
    testing::internal::CaptureStdout();
    quiet.readImage(bytes, image);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST(JpegApi, ProgressAndCancel) {
    const auto bytes = cjpegFile("-progressive", 64, 64);
    if (bytes.empty())
        GTEST_SKIP();
    unsigned sosMarkers = 0;
    for (size_t i = 0; i + 1 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xDA)
            ++sosMarkers;

    struct Call {
        unsigned pass, passes, percent;
    };
    std::vector<Call> calls;
    RasterImage image;
    JpegDecoder decoder;
    int user = 0;
    decoder.setProgressFunction(
        [&](carvello::ImageCoder&, void* data, unsigned pass, unsigned passes, unsigned percent,
            bool&) {
            EXPECT_EQ(data, &user);
            calls.push_back({pass, passes, percent});
        },
        &user);
    decoder.readImage(bytes, image);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().pass, sosMarkers);
    EXPECT_EQ(calls.back().percent, 100u);
    for (const auto& c : calls) {
        EXPECT_EQ(c.passes, sosMarkers);
        EXPECT_LE(c.percent, 100u);
        EXPECT_GE(c.pass, 1u);
    }

    // Cancelling in the second scan stops the decode with nothing kept.
    JpegDecoder cancelled;
    cancelled.setProgressFunction([](carvello::ImageCoder&, void*, unsigned pass, unsigned,
                                     unsigned, bool& cancel) { cancel = pass == 2; });
    EXPECT_THROW(cancelled.readImage(bytes, image), carvello::GraphicsAbort);
    EXPECT_EQ(image.width(), 0u);
    EXPECT_TRUE(image.pixels().empty());
}

// Every prefix and many damaged copies of real files: only the library's
// exceptions come out, and the sanitizers watch every access.
TEST(JpegApi, TruncatedAndDamagedFiles) {
    for (const char* options :
         {"-progressive -restart 1", "-sample 2x1 -restart 2B -optimize", "-grayscale"}) {
        const auto bytes = cjpegFile(options, 21, 19);
        if (bytes.empty())
            GTEST_SKIP();
        for (size_t length = 0; length < bytes.size(); ++length) {
            const std::vector<uint8_t> prefix(bytes.begin(),
                                              bytes.begin() + static_cast<long>(length));
            RasterImage image;
            EXPECT_THROW(JpegDecoder().readImage(prefix, image), JpegDecoder::JpegError)
                << options << " length " << length;
        }
        std::mt19937 random(99);
        for (int trial = 0; trial < 400; ++trial) {
            auto damaged = bytes;
            const int changes = 1 + trial % 4;
            for (int i = 0; i < changes; ++i)
                damaged[random() % damaged.size()] = static_cast<uint8_t>(random());
            RasterImage image;
            try {
                JpegDecoder().readImage(damaged, image);
                EXPECT_EQ(image.pixelCount() * 4, image.pixels().size());
            } catch (const carvello::GraphicsException&) {
            }
        }
    }
}

}  // namespace
