// The decoder's parts on their own: inverse transform, tables, bit reader,
// colour conversion and upsampling.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "carvello/core/BufferedByteStream.h"
#include "carvello/jpeg/JpegBitReader.h"
#include "carvello/jpeg/JpegColour.h"
#include "carvello/jpeg/JpegExif.h"
#include "carvello/jpeg/JpegHuffman.h"
#include "carvello/jpeg/JpegIdct.h"
#include "carvello/jpeg/JpegQuantization.h"
#include "carvello/jpeg/JpegUpsample.h"
#include "tests/carvello/jpeg/JpegTestSupport.h"

namespace {

using namespace carvello;

TEST(jpeg_idct, ConstantsAndDerivedTable) {
    EXPECT_EQ(jpeg_idct::c4(), 45);
    EXPECT_EQ(jpeg_idct::c2(), 34);
    EXPECT_EQ(jpeg_idct::c6(), 83);
    std::array<uint16_t, 64> values;
    values.fill(16);
    values[1] = 10;  // zigzag 1 is natural (0, 1)
    values[2] = 20;  // zigzag 2 is natural (1, 0)
    JpegQuantizationTable table;
    table.set(values);
    EXPECT_EQ(table.scaled()[0], 16 * 512);
    // a(1) = sqrt(2) cos(pi/16): value x 4096 / (8 a(1)), truncated.
    const double a1 = std::sqrt(2.0) * std::cos(std::numbers::pi / 16);
    EXPECT_EQ(table.scaled()[1], static_cast<int32_t>(10 * 4096 / (8 * a1)));
    EXPECT_EQ(table.scaled()[8], static_cast<int32_t>(20 * 4096 / (8 * a1)));
    EXPECT_EQ(
        table.scaled()[63],
        static_cast<int32_t>(
            16 * 4096 / (8 * std::pow(std::sqrt(2.0) * std::cos(7 * std::numbers::pi / 16), 2))));
}

// The textbook inverse DCT in floating point, with level shift.
std::array<double, 64> referenceIdct(const std::array<int16_t, 64>& c, uint16_t q) {
    std::array<double, 64> out{};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            double sum = 0;
            for (int v = 0; v < 8; ++v)
                for (int u = 0; u < 8; ++u) {
                    const double cu = u == 0 ? std::sqrt(0.5) : 1.0;
                    const double cv = v == 0 ? std::sqrt(0.5) : 1.0;
                    sum += cu * cv * c[static_cast<size_t>(v * 8 + u)] * q *
                           std::cos((2 * x + 1) * u * std::numbers::pi / 16) *
                           std::cos((2 * y + 1) * v * std::numbers::pi / 16);
                }
            out[static_cast<size_t>(y * 8 + x)] = std::clamp(sum / 4 + 128, 0.0, 255.0);
        }
    return out;
}

TEST(jpeg_idct, CloseToTheExactTransformAndSameOnBothPaths) {
    std::array<uint16_t, 64> values;
    values.fill(4);
    JpegQuantizationTable table;
    table.set(values);
    std::mt19937 random(7);
    std::array<int16_t, 64> noLimits{};  // forces the 64-bit path
    double worst = 0;
    for (int trial = 0; trial < 300; ++trial) {
        std::array<int16_t, 64> c{};
        c[0] = static_cast<int16_t>(std::uniform_int_distribution<int>(-200, 200)(random));
        const int terms = trial % 12;
        for (int t = 0; t < terms; ++t)
            c[static_cast<size_t>(std::uniform_int_distribution<int>(1, 63)(random))] =
                static_cast<int16_t>(std::uniform_int_distribution<int>(-40, 40)(random));
        std::array<uint8_t, 64> fast{}, wide{};
        jpeg_idct::transform(c, table.scaled(), table.limits(), fast, 8);
        jpeg_idct::transform(c, table.scaled(), noLimits, wide, 8);
        EXPECT_EQ(fast, wide);
        const auto exact = referenceIdct(c, 4);
        for (size_t i = 0; i < 64; ++i)
            worst = std::max(worst, std::abs(exact[i] - fast[i]));
    }
    EXPECT_LT(worst, 6.0);
}

TEST(jpeg_idct, FlatBlocksAndClamping) {
    std::array<uint16_t, 64> values;
    values.fill(8);
    JpegQuantizationTable table;
    table.set(values);
    const struct {
        int dc;
        int sample;
    } cases[] = {{0, 128}, {1, 129}, {-1, 127}, {127, 255}, {-128, 0}, {500, 255}, {-500, 0}};
    for (const auto& c : cases) {
        std::array<int16_t, 64> coefficients{};
        coefficients[0] = static_cast<int16_t>(c.dc);
        std::array<uint8_t, 16 * 8> out{};
        jpeg_idct::transform(coefficients, table.scaled(), table.limits(), out, 16);
        for (size_t row = 0; row < 8; ++row)
            for (size_t col = 0; col < 16; ++col)
                EXPECT_EQ(out[row * 16 + col], col < 8 ? c.sample : 0) << c.dc;
    }
    // Extreme coefficients go through 64-bit arithmetic without overflow.
    std::array<int16_t, 64> extreme;
    extreme.fill(32767);
    extreme[5] = -32768;
    std::array<uint8_t, 64> out{};
    values.fill(255);
    table.set(values);
    jpeg_idct::transform(extreme, table.scaled(), table.limits(), out, 8);
    std::array<uint8_t, 64> small{};
    EXPECT_THROW(jpeg_idct::transform(extreme, table.scaled(), table.limits(),
                                      std::span(small).first(60), 8),
                 std::length_error);
}

// The bit-by-bit walk of the decoder's table description.
int walk(const std::vector<int>& counts, const std::vector<uint8_t>& symbols, uint32_t bits16,
         int& length) {
    int code = 0, first = 0, index = 0;
    for (length = 1; length <= 16; ++length) {
        code = (code << 1) | static_cast<int>((bits16 >> (16 - length)) & 1);
        const int count = counts[static_cast<size_t>(length - 1)];
        if (code - first < count)
            return symbols[static_cast<size_t>(index + code - first)];
        index += count;
        first = (first + count) << 1;
    }
    return -1;
}

TEST(JpegHuffman, LookaheadAgreesWithTheBitWalk) {
    const std::vector<std::vector<int>> tables = {
        {0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0},          // cjpeg's DC luminance
        {0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7d - 37},  // long codes
        {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0},
    };
    for (const auto& counts : tables) {
        int total = 0;
        for (int c : counts)
            total += c;
        std::vector<uint8_t> symbols(static_cast<size_t>(total));
        for (int i = 0; i < total; ++i)
            symbols[static_cast<size_t>(i)] = static_cast<uint8_t>(i * 7 + 1);
        std::array<uint8_t, 16> c8{};
        for (size_t i = 0; i < 16; ++i)
            c8[i] = static_cast<uint8_t>(counts[i]);
        JpegHuffmanTable table;
        table.build(c8, symbols);
        for (uint32_t bits = 0; bits < 65536; bits += 37) {
            int length = 0;
            const int expected = walk(counts, symbols, bits, length);
            std::vector<uint8_t> data = {static_cast<uint8_t>(bits >> 8),
                                         static_cast<uint8_t>(bits), 0x12, 0x34, 0x56};
            // Keep the sample free of stuffing questions.
            if (data[0] == 0xFF || data[1] == 0xFF)
                continue;
            BufferedByteStream stream(data);
            JpegBitReader reader(stream);
            reader.enter();
            if (expected < 0) {
                EXPECT_THROW(reader.decode(table), std::exception);
                continue;
            }
            EXPECT_EQ(reader.decode(table), expected) << bits;
            // The reader stands right after the code.
            EXPECT_EQ(reader.getBits(16 - length + 8),
                      static_cast<int>(((bits << 8) | 0x12) & ((1u << (24 - length)) - 1)));
        }
    }
}

TEST(JpegBitReader, StuffingMarkersEndsAndRewinding) {
    const std::vector<uint8_t> data = {0xAB, 0xFF, 0x00, 0xCD, 0xEF, 0xFF, 0xD9};
    {
        BufferedByteStream stream(data);
        JpegBitReader reader(stream);
        reader.enter();
        EXPECT_EQ(reader.getBits(12), 0xABF);
        reader.leave();
        EXPECT_EQ(stream.tell(), 3u);  // through the 0xFF and its stuffing
        EXPECT_EQ(stream.getByte(), 0xCD);
    }
    {
        BufferedByteStream stream(data);
        JpegBitReader reader(stream);
        reader.enter();
        EXPECT_EQ(reader.getBits(16), 0xABFF);
        EXPECT_EQ(reader.getBits(16), 0xCDEF);
        try {
            reader.getBit();
            ADD_FAILURE();
        } catch (const InputByteStream::StreamError& e) {
            EXPECT_STREQ(e.what(), "Invalid Marker in Compressed Data");
        }
        try {
            reader.getBits(2);
            ADD_FAILURE();
        } catch (const InputByteStream::StreamError& e) {
            EXPECT_STREQ(e.what(), "Invalid Marker in Compressed Stream");
        }
        reader.leave();
        EXPECT_EQ(stream.tell(), 5u);  // the marker is left for the parser
    }
    {
        const std::vector<uint8_t> end = {0x81};
        BufferedByteStream stream(end);
        JpegBitReader reader(stream);
        reader.enter();
        EXPECT_EQ(reader.getBits(7), 0x40);
        EXPECT_EQ(reader.getBit(), 1);
        try {
            reader.getBit();
            ADD_FAILURE();
        } catch (const InputByteStream::StreamError& e) {
            EXPECT_STREQ(e.what(), "Premature end of stream");
        }
        try {
            reader.getBits(3);
            ADD_FAILURE();
        } catch (const InputByteStream::StreamError& e) {
            EXPECT_STREQ(e.what(), "Premature end of file");
        }
    }
    {
        // 0xFF as the very last byte has no stuffing: its bits are not data.
        const std::vector<uint8_t> end = {0x12, 0xFF};
        BufferedByteStream stream(end);
        JpegBitReader reader(stream);
        reader.enter();
        EXPECT_EQ(reader.getBits(8), 0x12);
        EXPECT_THROW(reader.getBits(1), InputByteStream::StreamError);
    }
    {
        // Signed values: EXTEND.
        const std::vector<uint8_t> bytes = {0b00011110, 0b10000000};
        BufferedByteStream stream(bytes);
        JpegBitReader reader(stream);
        reader.enter();
        EXPECT_EQ(reader.receiveExtend(3), -7);  // 000
        EXPECT_EQ(reader.receiveExtend(3), 7);   // 111
        EXPECT_EQ(reader.receiveExtend(2), 2);   // 10: not below 2^1, stays
    }
}

TEST(JpegColour, TablesAndRows) {
    const auto& t = JpegColourTables::get();
    EXPECT_EQ(t.red[128], 0);
    EXPECT_EQ(t.red[255], 178);         // 1.402 x 127 = 178.05
    EXPECT_EQ(t.blue[0], -227);         // 1.772 x -128 = -226.8
    EXPECT_EQ(t.greenCb[129], 22554);   // 0.34414 x 65536 = 22553.6
    EXPECT_EQ(t.greenCr[127], -46802);  // -0.71414 x 65536 = -46801.9

    const struct {
        uint8_t y, cb, cr;
        uint8_t b, g, r;
    } cases[] = {
        {128, 128, 128, 128, 128, 128}, {0, 128, 128, 0, 0, 0},
        {255, 128, 128, 255, 255, 255}, {100, 200, 50, 228, 131, 0},  // green: 100 - floor(-30.4)
        {250, 10, 250, 41, 203, 255},                                 // green: 250 - 47
    };
    for (const auto& c : cases) {
        const std::array<uint8_t, 1> y{c.y}, cb{c.cb}, cr{c.cr};
        std::array<int16_t, 1> red{}, green{}, blue{};
        chromaTerms(cb, cr, red, green, blue);
        std::array<uint8_t, 4> pixel{};
        colourRowToPixels<4>(y, red, green, blue, pixel);
        EXPECT_EQ(pixel[0], c.b);
        EXPECT_EQ(pixel[1], c.g);
        EXPECT_EQ(pixel[2], c.r);
        EXPECT_EQ(pixel[3], 255);
    }
    const std::array<uint8_t, 2> grey{7, 200};
    std::array<uint8_t, 8> pixels{};
    greyRowToPixels<4>(grey, pixels);
    EXPECT_EQ(pixels, (std::array<uint8_t, 8>{7, 7, 7, 255, 200, 200, 200, 255}));
}

TEST(JpegUpsample, RepeatsSamples) {
    const std::array<uint8_t, 3> source{1, 2, 3};
    const struct {
        int ratio;
        size_t width;
        std::vector<uint8_t> expected;
    } cases[] = {
        {1, 3, {1, 2, 3}},
        {2, 5, {1, 1, 2, 2, 3}},
        {2, 6, {1, 1, 2, 2, 3, 3}},
        {3, 7, {1, 1, 1, 2, 2, 2, 3}},
        {4, 9, {1, 1, 1, 1, 2, 2, 2, 2, 3}},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> out(c.width);
        upsampleRow(source, c.ratio, out);
        EXPECT_EQ(out, c.expected) << c.ratio;
    }
    std::vector<uint8_t> tooWide(7);
    EXPECT_THROW(upsampleRow(source, 2, tooWide), std::length_error);
}

// Orientation entries that are not there or cannot be trusted give 0.
TEST(JpegExif, OrientationOnlyFromAWellFormedEntry) {
    using Bytes = std::vector<uint8_t>;
    EXPECT_EQ(exifOrientation(jpegtest::exifBody(3, false)), 3);
    EXPECT_EQ(exifOrientation(jpegtest::exifBody(6, true)), 6);
    const auto changed = [](size_t at, std::initializer_list<uint8_t> bytes) {
        Bytes body = jpegtest::exifBody(6, false);
        std::copy(bytes.begin(), bytes.end(), body.begin() + static_cast<long>(at));
        return body;
    };
    // Offsets in the little-endian body: byte order 6, magic 8, directory
    // offset 10, entry count 14, orientation tag 28, type 30, count 32,
    // value 36.
    const struct {
        const char* name;
        Bytes body;
    } broken[] = {
        {"not Exif", changed(0, {'E', 'x', 'i', 'g'})},
        {"byte order", changed(6, {'I', 'M'})},
        {"magic", changed(8, {43})},
        {"directory outside", changed(10, {0xF0, 0xFF, 0xFF, 0xFF})},
        {"one entry only", changed(14, {1})},
        {"no orientation tag", changed(28, {0x13})},
        {"type", changed(30, {4})},
        {"no value", changed(32, {0})},
        {"value 0", changed(36, {0})},
        {"value 9", changed(36, {9})},
        {"cut short",
         [] {
             Bytes body = jpegtest::exifBody(6, false);
             body.resize(37);
             return body;
         }()},
        {"empty", {}},
    };
    for (const auto& c : broken)
        EXPECT_EQ(exifOrientation(c.body), 0) << c.name;
}

}  // namespace
