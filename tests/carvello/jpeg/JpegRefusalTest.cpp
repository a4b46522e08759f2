// Hand-made streams: every refusal and format error with its exact text and
// exception class.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "carvello/core/BufferedByteStream.h"
#include "carvello/core/GreyImage.h"
#include "carvello/core/RasterImage.h"
#include "carvello/jpeg/JpegDecoder.h"
#include "tests/carvello/jpeg/JpegTestSupport.h"

namespace {

using carvello::JpegDecoder;
using jpegtest::StreamBuilder;

enum class Kind { badStream, errorOnly };

struct Outcome {
    bool thrown = false;
    bool badStream = false;
    std::string message;
};

// Decoded in colour at full size, or as the grey means of the blocks (the
// way that reads the coefficients without keeping them).
Outcome decode(const std::vector<uint8_t>& bytes, bool strict = false, bool blockMeans = false) {
    Outcome outcome;
    carvello::RasterImage image;
    carvello::GreyImage grey;
    JpegDecoder decoder;
    decoder.setStrictComponentIds(strict);
    try {
        if (blockMeans) {
            decoder.setScaleChooser([](uint32_t, uint32_t) { return 8u; });
            decoder.readGreyImage(bytes, grey);
        } else {
            decoder.readImage(bytes, image);
        }
    } catch (const JpegDecoder::JpegBadStream& e) {
        outcome = {true, true, e.what()};
    } catch (const JpegDecoder::JpegError& e) {
        outcome = {true, false, e.what()};
    }
    return outcome;
}

// SOI, JFIF APP0, tables 0 of every kind.
StreamBuilder start() {
    StreamBuilder b;
    b.soi().jfif().dqt(0).simpleTables();
    return b;
}

std::vector<uint8_t> withFrame(int code, std::vector<std::vector<int>> components) {
    return start().sof(code, 8, 8, components).eoi().data();
}

std::vector<uint8_t> markerOnly(int code) {
    return start().bytes({0xFF, code, 0x00, 0x02}).eoi().data();
}

std::vector<uint8_t> greyScan(const std::vector<std::vector<int>>& scan, int ss = 0, int se = 63,
                              int approximation = 0, int sofCode = 0xC0) {
    return start()
        .sof(sofCode, 8, 8, {{1, 0x11, 0}})
        .sos(scan, ss, se, approximation)
        .bits("00")
        .eoi()
        .data();
}

struct RefusalCase {
    const char* name;
    std::vector<uint8_t> bytes;
    const char* message;
    Kind kind = Kind::badStream;
    bool strict = false;
};

std::vector<RefusalCase> refusalCases() {
    std::vector<RefusalCase> cases;
    cases.push_back({"no SOI", {0x00, 0xD8, 0xFF, 0xE0}, "Missing SOI Marker"});
    cases.push_back({"empty", {}, "Missing SOI Marker"});
    cases.push_back(
        {"lossless", withFrame(0xC3, {{1, 0x11, 0}}), "Lossless Huffman Coding Not Supported"});
    cases.push_back({"differential sequential", withFrame(0xC5, {{1, 0x11, 0}}),
                     "Differential Sequential Huffman Coding Not Supported"});
    cases.push_back({"differential progressive", withFrame(0xC6, {{1, 0x11, 0}}),
                     "Differential Progressive Huffman Coding Not Supported"});
    cases.push_back({"differential lossless", withFrame(0xC7, {{1, 0x11, 0}}),
                     "Differential Lossless Huffman Coding Not Supported"});
    for (int code : {0xCB, 0xCD, 0xCE, 0xCF})
        cases.push_back({"arithmetic", withFrame(code, {{1, 0x11, 0}}),
                         "Cannot read image - Arithmetic Coding covered by patents"});
    cases.push_back({"DHP", markerOnly(0xDE), "DHP marker not supported"});
    for (int code : {0xC8, 0xD0, 0xD7, 0xDC, 0xDF, 0xF0, 0xFD, 0x01, 0xBF})
        cases.push_back({"reserved marker", markerOnly(code),
                         "Unknown, unsupported, or reserved marker encountered"});
    cases.push_back({"12-bit frame", start().sof(0xC1, 8, 8, {{1, 0x11, 0}}, 12).eoi().data(),
                     "Only 8-bit data supported"});
    cases.push_back(
        {"five components",
         withFrame(0xC0, {{1, 0x11, 0}, {2, 0x11, 0}, {3, 0x11, 0}, {4, 0x11, 0}, {5, 0x11, 0}}),
         "JFIF only supports 1 and 3 component streams"});
    cases.push_back({"two components", withFrame(0xC0, {{1, 0x11, 0}, {2, 0x11, 0}}),
                     "JFIF only supports 1 and 3 component streams"});
    cases.push_back({"frame length",
                     start().segment(0xC0, {8, 0, 8, 0, 8, 1, 1, 0x11, 0, 0}).eoi().data(),
                     "Invalid Frame Size"});
    cases.push_back({"horizontal 0", withFrame(0xC0, {{1, 0x01, 0}}),
                     "Sampling Frequency Outside the Range 1-4", Kind::errorOnly});
    cases.push_back({"horizontal 5", withFrame(0xC0, {{1, 0x51, 0}}),
                     "Sampling Frequency Outside the Range 1-4", Kind::errorOnly});
    cases.push_back({"vertical 0", withFrame(0xC0, {{1, 0x10, 0}}),
                     "Vertical Sampling Frequency Outside the Range 1-4", Kind::errorOnly});
    cases.push_back({"vertical 5", withFrame(0xC0, {{1, 0x15, 0}}),
                     "Vertical Sampling Frequency Outside the Range 1-4", Kind::errorOnly});
    cases.push_back({"frame quantization index", withFrame(0xC0, {{1, 0x11, 4}}),
                     "Bad Quantization Table Index"});
    cases.push_back({"component 255 in frame", withFrame(0xC0, {{255, 0x11, 0}}),
                     "Component ID 255 not supported"});
    cases.push_back({"duplicate component",
                     withFrame(0xC0, {{1, 0x11, 0}, {1, 0x11, 0}, {2, 0x11, 0}}),
                     "Duplicate Component ID in frame"});
    cases.push_back({"ratio not whole", withFrame(0xC0, {{1, 0x31, 0}, {2, 0x21, 0}, {3, 0x11, 0}}),
                     "Unsupported sampling frequency ratio"});
    cases.push_back({"huge frame", start().sof(0xC0, 65535, 65535, {{1, 0x11, 0}}).eoi().data(),
                     "Image dimensions too large"});
    cases.push_back({"strict single id", withFrame(0xC0, {{0, 0x11, 0}}), "Component ID not 1",
                     Kind::badStream, true});
    cases.push_back({"strict order", withFrame(0xC0, {{1, 0x11, 0}, {3, 0x11, 0}, {2, 0x11, 0}}),
                     "Invalid Component ID or ID out of order", Kind::badStream, true});

    std::vector<uint8_t> table(65, 1);
    table[0] = 0x04;
    cases.push_back({"DQT index", StreamBuilder().soi().jfif().segment(0xDB, table).eoi().data(),
                     "Quantization Table Index Too Large"});
    table[0] = 0x20;
    cases.push_back({"DQT precision 2",
                     StreamBuilder().soi().jfif().segment(0xDB, table).eoi().data(),
                     "Invalid Quantization Table Precision"});
    table[0] = 0x00;
    table[40] = 0;
    cases.push_back({"DQT zero", StreamBuilder().soi().jfif().segment(0xDB, table).eoi().data(),
                     "Zero value in quantization table"});
    cases.push_back({"DHT index", StreamBuilder().soi().jfif().dht(0, 4, {1}, {0}).eoi().data(),
                     "Huffman Table Index outside range [0..3]"});
    cases.push_back(
        {"DHT count",
         StreamBuilder().soi().jfif().dht(1, 0, {0, 0, 0, 0, 0, 0, 0, 255, 2}, {}).eoi().data(),
         "Huffman count > 256"});

    for (const auto& [body, message] : std::vector<std::pair<std::vector<uint8_t>, const char*>>{
             {{0x04, 0x10}, "Arithmetic Table Index outside range [0..3]"},
             {{0x00, 0x23}, "Invalid DC Conditioning Bounds"},
             {{0x11, 0}, "Invalid AC Conditioning Value"},
             {{0x11, 64}, "Invalid AC Conditioning Value"},
             {{0x21, 5}, "Invalid Arithmetic Table Class"}})
        cases.push_back({"DAC", StreamBuilder().soi().segment(0xCC, body).eoi().data(), message});

    cases.push_back({"scan before frame", start().sos({{1, 0}}).bits("00").eoi().data(),
                     "Scan found before frame defined"});
    cases.push_back({"scan of no components", greyScan({}), "Invalid component count in scan"});
    cases.push_back({"scan of five components", greyScan({{1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}}),
                     "Invalid component count in scan"});
    cases.push_back({"scan component unknown", greyScan({{2, 0}}), "Component Not Defined"});
    cases.push_back({"scan component 255", greyScan({{255, 0}}), "Component Not Defined"});
    cases.push_back(
        {"scan DC index", greyScan({{1, 0x40}}), "Huffman Table Index outside range [0..3]"});
    cases.push_back(
        {"scan AC index", greyScan({{1, 0x04}}), "Huffman Table Index outside range [0..3]"});
    cases.push_back({"no quantization table",
                     StreamBuilder()
                         .soi()
                         .jfif()
                         .simpleTables()
                         .sof(0xC0, 8, 8, {{1, 0x11, 0}})
                         .sos({{1, 0}})
                         .bits("00")
                         .eoi()
                         .data(),
                     "Quantization Table Not Defined"});
    cases.push_back(
        {"no DC table", greyScan({{1, 0x10}}), "DC Table Not Defined", Kind::errorOnly});
    cases.push_back({"no AC table", greyScan({{1, 0x01}}), "AC Table Not Defined"});
    cases.push_back({"progressive DC and AC", greyScan({{1, 0}}, 0, 5, 0, 0xC2),
                     "Progressive scan contains DC and AC data"});
    cases.push_back({"progressive band end", greyScan({{1, 0}}, 1, 64, 0, 0xC2),
                     "Spectral selection outside range [0..63]"});

    cases.push_back(
        {"no EOI", start().sof(0xC0, 8, 8, {{1, 0x11, 0}}).data(), "Premature end of file"});
    // A 16-bit code that never comes: all-one bits match no code.
    cases.push_back({"code too long",
                     StreamBuilder()
                         .soi()
                         .jfif()
                         .dqt(0)
                         .dht(0, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}, {0})
                         .dht(1, 0, {1}, {0})
                         .sof(0xC0, 8, 8, {{1, 0x11, 0}})
                         .sos({{1, 0}})
                         .bits(std::string(24, '1'))
                         .eoi()
                         .data(),
                     "Bad Huffman Code Length"});
    // Run 14, size 1, five times: the fifth lands at position 75.
    cases.push_back({"coefficient index",
                     StreamBuilder()
                         .soi()
                         .jfif()
                         .dqt(0)
                         .dht(0, 0, {1}, {0})
                         .dht(1, 0, {1}, {0xE1})
                         .sof(0xC0, 8, 8, {{1, 0x11, 0}})
                         .sos({{1, 0}})
                         .bits("0" + std::string("01") + "01" + "01" + "01" + "01")
                         .eoi()
                         .data(),
                     "Coefficient Index out of Range"});
    return cases;
}

TEST(JpegRefusal, EachMalformedStreamGivesItsMessage) {
    for (const auto& c : refusalCases()) {
        SCOPED_TRACE(c.name);
        for (const bool blockMeans : {false, true}) {
            const Outcome outcome = decode(c.bytes, c.strict, blockMeans);
            EXPECT_TRUE(outcome.thrown);
            EXPECT_EQ(outcome.message, c.message);
            EXPECT_EQ(outcome.badStream, c.kind == Kind::badStream);
        }
    }
}

// Two blocks side by side with a restart interval of one block.
std::vector<uint8_t> twoBlocks(const std::vector<int>& restartMarker) {
    StreamBuilder b = start();
    b.segment(0xDD, {0, 1}).sof(0xC0, 8, 16, {{1, 0x11, 0}}).sos({{1, 0}}).bits("00");
    for (int m : restartMarker)
        b.bytes({m});
    return b.bits("00").eoi().data();
}

TEST(JpegRefusal, RestartMarkers) {
    EXPECT_FALSE(decode(twoBlocks({0xFF, 0xD0})).thrown);
    EXPECT_FALSE(decode(twoBlocks({0xFF, 0xFF, 0xD0})).thrown);  // fill bytes before it
    const struct {
        std::vector<int> marker;
        const char* message;
    } broken[] = {
        {{}, "Missing Restart Marker"},
        {{0xFF, 0xD9}, "Missing Restart Marker"},
        {{0xFF, 0xD1}, "Incorrect Restart Marker"},
        {{0xFF, 0xD7}, "Incorrect Restart Marker"},
    };
    for (const auto& c : broken) {
        const Outcome outcome = decode(twoBlocks(c.marker));
        EXPECT_EQ(outcome.message, c.message);
        EXPECT_TRUE(outcome.badStream);
    }
}

// Blocks that end without an end-of-block symbol: the first when its 63rd
// coefficient comes, the second on a run of sixteen zeros that passes the
// end. Passing over the coefficients must stop exactly where decoding them
// does, so the block means agree with the full picture's.
TEST(JpegRefusal, BlocksEndingWithoutEndOfBlockAreReadAlikeBothWays) {
    std::string block = "01";  // DC: size 1, +1
    for (int k = 1; k <= 63; ++k)
        block += "01";    // run 0, size 1, +1
    block += "00";        // DC: size 1, -1
    block += "10101010";  // four runs of sixteen zeros
    const auto bytes = StreamBuilder()
                           .soi()
                           .jfif()
                           .dqt(0, 8)
                           .dht(0, 0, {1}, {1})
                           .dht(1, 0, {1, 2}, {0x01, 0xF0, 0x00})
                           .sof(0xC0, 8, 16, {{1, 0x11, 0}})
                           .sos({{1, 0}})
                           .bits(block)
                           .eoi()
                           .data();
    const auto grey = [&](unsigned scale) {
        carvello::GreyImage image;
        JpegDecoder decoder;
        decoder.setScaleChooser([scale](uint32_t, uint32_t) { return scale; });
        decoder.readGreyImage(bytes, image);
        return std::vector<uint8_t>(image.pixels().begin(), image.pixels().end());
    };
    const std::vector<uint8_t> full = grey(1);
    const std::vector<uint8_t> means = grey(8);
    ASSERT_EQ(full.size(), 128u);
    ASSERT_EQ(means.size(), 2u);
    for (size_t block = 0; block < 2; ++block) {
        int sum = 0;
        for (size_t y = 0; y < 8; ++y)
            for (size_t x = 0; x < 8; ++x)
                sum += full[y * 16 + block * 8 + x];
        EXPECT_NEAR(means[block], sum / 64.0, 1.0) << block;
    }
    EXPECT_NE(means[0], means[1]);
}

TEST(JpegRefusal, StreamErrorsInsideScans) {
    // Bits wanted where a marker stands, or past the end of the data.
    const auto atMarker = start().sof(0xC0, 8, 8, {{1, 0x11, 0}}).sos({{1, 0}}).eoi().data();
    Outcome outcome = decode(atMarker);
    EXPECT_EQ(outcome.message, "Invalid Marker in Compressed Stream");
    EXPECT_FALSE(outcome.badStream);

    const auto atEnd = start().sof(0xC0, 8, 8, {{1, 0x11, 0}}).sos({{1, 0}}).data();
    outcome = decode(atEnd);
    EXPECT_EQ(outcome.message, "Premature end of file");
    EXPECT_FALSE(outcome.badStream);

    // readImage on a stream lets the stream's own error through.
    carvello::BufferedByteStream stream(atMarker);
    carvello::RasterImage image;
    JpegDecoder decoder;
    EXPECT_THROW(decoder.readImage(stream, image), carvello::InputByteStream::StreamError);
}

TEST(JpegRefusal, BytesAfterTheEndAreIgnored) {
    for (const std::vector<uint8_t>& tail :
         {std::vector<uint8_t>{'\r', '\n'}, std::vector<uint8_t>{' ', 0xFF, 0xD8, 0xFF, 0, 7}}) {
        auto bytes = jpegtest::flatGreyBlock(10);
        bytes.insert(bytes.end(), tail.begin(), tail.end());
        EXPECT_FALSE(decode(bytes).thrown);
    }
}

}  // namespace
