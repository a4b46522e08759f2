// Every chunk rule of the decoder, one hand-made file each.
#include <gtest/gtest.h>

#include "carvello/core/RasterImage.h"
#include "carvello/png/PngDecoder.h"
#include "tests/carvello/png/DecodeHelpers.h"

using namespace pngtest;

namespace {

// A 3 x 2 picture of the given type and depth whose rows are all zero.
Bytes zeroData(uint32_t width, uint32_t height, unsigned depth, unsigned colorType) {
    const unsigned channels = colorType == 2 ? 3 : colorType == 4 ? 2 : colorType == 6 ? 4 : 1;
    const size_t rowBytes = (size_t{width} * channels * depth + 7) / 8;
    return zlibStored(Bytes(height * (rowBytes + 1), 0));
}

Bytes rgb() {
    return ihdr(3, 2, 8, 2);
}
Bytes rgbData() {
    return zeroData(3, 2, 8, 2);
}
Bytes palette(size_t entries = 4) {
    return chunk("PLTE", Bytes(entries * 3, 200));
}
Bytes paletteHeader() {
    return ihdr(3, 2, 2, 3);
}
Bytes paletteData() {
    return zeroData(3, 2, 2, 3);
}
Bytes greyHeader() {
    return ihdr(3, 2, 8, 0);
}
Bytes greyData() {
    return zeroData(3, 2, 8, 0);
}
Bytes join(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const auto& p : parts)
        append(out, p);
    return out;
}
Bytes ihdrRaw(uint32_t w, uint32_t h, uint8_t depth, uint8_t type, uint8_t compression,
              uint8_t filter, uint8_t interlace) {
    Bytes d = {static_cast<uint8_t>(w >> 24),
               static_cast<uint8_t>(w >> 16),
               static_cast<uint8_t>(w >> 8),
               static_cast<uint8_t>(w),
               static_cast<uint8_t>(h >> 24),
               static_cast<uint8_t>(h >> 16),
               static_cast<uint8_t>(h >> 8),
               static_cast<uint8_t>(h),
               depth,
               type,
               compression,
               filter,
               interlace};
    return chunk("IHDR", d);
}
Bytes withHeader(const Bytes& header) {
    return pngFile(header, rgbData());
}

struct Case {
    const char* name;
    Bytes file;
    std::string outcome;
};

std::vector<Case> headerCases() {
    return {
        {"not a signature", bytesOf("GIF89a\x01\x00\x01\x00"), "bad: Not a PNG file"},
        {"empty file", {}, "bad: Not a PNG file"},
        {"signature only", signature(), "stream: Premature End of File"},
        {"first chunk not IHDR", join({signature(), palette(), rgb()}), "bad: Missing IHDR Chunk"},
        {"first chunk empty", join({signature(), chunk("IEND", {})}), "bad: Missing IHDR Chunk"},
        {"two IHDR", pngFile(rgb(), rgbData(), rgb()), "bad: Duplicate IHDR Block"},
        {"IHDR of 12 bytes", withHeader(chunk("IHDR", Bytes(12, 1))), "bad: Invalid Header Length"},
        {"compression 1", withHeader(ihdrRaw(3, 2, 8, 2, 1, 0, 0)),
         "bad: Invalid Compression Method"},
        {"filter method 1", withHeader(ihdrRaw(3, 2, 8, 2, 0, 1, 0)), "bad: Invalid Filter Method"},
        {"interlace 2", withHeader(ihdrRaw(3, 2, 8, 2, 0, 0, 2)), "bad: Invalid Interlace Method"},
        // The order of the checks: compression before filter before interlace.
        {"all three bad", withHeader(ihdrRaw(3, 2, 8, 2, 1, 1, 2)),
         "bad: Invalid Compression Method"},
        {"depth 3", withHeader(ihdr(3, 2, 3, 0)), "bad: Invalid Bit Depth"},
        {"depth 0", withHeader(ihdr(3, 2, 0, 2)), "bad: Invalid Bit Depth"},
        {"RGB depth 4", withHeader(ihdr(3, 2, 4, 2)), "bad: Invalid Bit Depth for Color Type"},
        {"grey-alpha depth 2", withHeader(ihdr(3, 2, 2, 4)),
         "bad: Invalid Bit Depth for Color Type"},
        {"RGBA depth 1", withHeader(ihdr(3, 2, 1, 6)), "bad: Invalid Bit Depth for Color Type"},
        {"palette depth 16", withHeader(ihdr(3, 2, 16, 3)),
         "bad: Invalid Bit Depth for Color Type"},
        {"colour type 1", withHeader(ihdr(3, 2, 8, 1)), "bad: Invalid Color Type"},
        {"colour type 5", withHeader(ihdr(3, 2, 8, 5)), "bad: Invalid Color Type"},
        {"colour type 7 depth 4", withHeader(ihdr(3, 2, 4, 7)), "bad: Invalid Color Type"},
        {"width 0", withHeader(ihdr(0, 2, 8, 2)), "bad: Invalid Image Dimensions"},
        {"height 0", withHeader(ihdr(3, 0, 8, 2)), "bad: Invalid Image Dimensions"},
        {"width 2^31", withHeader(ihdr(0x80000000u, 1, 8, 2)), "bad: Invalid Image Dimensions"},
        {"width above limit", withHeader(ihdr((1u << 20) + 1, 1, 8, 2)),
         "bad: Image Dimensions Too Large"},
        {"too many pixels", withHeader(ihdr(1u << 20, 1u << 20, 1, 0)),
         "bad: Image Dimensions Too Large"},
    };
}

std::vector<Case> chunkCases() {
    const Bytes idat = chunk("IDAT", rgbData());
    return {
        {"second PLTE", pngFile(paletteHeader(), paletteData(), join({palette(), palette()})),
         "bad: Duplicate PLTE block"},
        {"grey with PLTE", pngFile(greyHeader(), greyData(), palette()),
         "bad: Grayscale image contains a PLTE block"},
        {"grey-alpha with PLTE", pngFile(ihdr(3, 2, 8, 4), zeroData(3, 2, 8, 4), palette()),
         "bad: Grayscale image contains a PLTE block"},
        {"PLTE of 4 bytes", pngFile(paletteHeader(), paletteData(), chunk("PLTE", Bytes(4, 0))),
         "bad: PLTE chunk length not divisible by 3"},
        {"PLTE of 257 entries", pngFile(paletteHeader(), paletteData(), palette(257)),
         "bad: PLTE chunk length too large"},
        {"RGB with PLTE", pngFile(rgb(), rgbData(), palette()), "ok"},
        {"palette without PLTE", pngFile(paletteHeader(), paletteData()),
         "bad: PLTE block must occur before IDAT"},
        {"no IDAT", join({signature(), rgb(), chunk("IEND", {})}),
         "bad: Image Contains no Pixel Data"},
        {"bKGD index too large",
         pngFile(paletteHeader(), paletteData(), join({palette(), chunk("bKGD", Bytes{4})})),
         "bad: bKGD palette index too large"},
        {"bKGD index 3 of depth 2",
         pngFile(paletteHeader(), paletteData(), join({palette(), chunk("bKGD", Bytes{3})})), "ok"},
        {"bKGD grey 16",
         pngFile(ihdr(3, 2, 16, 0), zeroData(3, 2, 16, 0), chunk("bKGD", Bytes{255, 255})), "ok"},
        {"bKGD RGB short", pngFile(rgb(), rgbData(), chunk("bKGD", Bytes(5, 0))),
         "bad: bKGD Chunk too small"},
        {"gAMA after PLTE",
         pngFile(paletteHeader(), paletteData(),
                 join({palette(), chunk("gAMA", Bytes{0, 0, 0xB1, 0x8F})})),
         "bad: gAMA chunk may not occur after PLTE"},
        {"gAMA after IDAT", pngFile(rgb(), rgbData(), {}, chunk("gAMA", Bytes{0, 0, 0xB1, 0x8F})),
         "bad: gAMA chunk may not occur after IDAT"},
        {"gAMA of 3 bytes", pngFile(rgb(), rgbData(), chunk("gAMA", Bytes{0, 0xB1, 0x8F})),
         "bad: gAMA chunk too small"},
        {"cHRM after PLTE",
         pngFile(paletteHeader(), paletteData(), join({palette(), chunk("cHRM", Bytes(32, 0))})),
         "bad: cHRM chunk may not occur after PLTE"},
        {"cHRM after IDAT", pngFile(rgb(), rgbData(), {}, chunk("cHRM", Bytes(32, 0))),
         "bad: cHRM chunk may not occur after IDAT"},
        {"cHRM of 31 bytes", pngFile(rgb(), rgbData(), chunk("cHRM", Bytes(31, 0))),
         "bad: Invalid cHRM chunk length"},
        {"hIST before PLTE",
         pngFile(paletteHeader(), paletteData(), join({chunk("hIST", Bytes(8, 0)), palette()})),
         "bad: hIST chunk may not appear before PLTE"},
        {"hIST after IDAT",
         join({signature(), paletteHeader(), palette(), chunk("IDAT", paletteData()),
               chunk("hIST", Bytes(8, 0)), chunk("IEND", {})}),
         "bad: hIST chunk must appear before IDAT"},
        {"hIST of wrong size",
         pngFile(paletteHeader(), paletteData(), join({palette(), chunk("hIST", Bytes(6, 0))})),
         "bad: Bad size for hIST chunk"},
        {"hIST right",
         pngFile(paletteHeader(), paletteData(), join({palette(), chunk("hIST", Bytes(8, 0))})),
         "ok"},
        {"pHYs after IDAT", pngFile(rgb(), rgbData(), {}, chunk("pHYs", Bytes(9, 0))),
         "bad: pHYS chunk must come before IDAT chunks"},
        {"pHYs of 8 bytes", pngFile(rgb(), rgbData(), chunk("pHYs", Bytes(8, 0))),
         "bad: pHYs chunk size invalid"},
        {"pHYs unit 2", pngFile(rgb(), rgbData(), chunk("pHYs", Bytes{0, 0, 0, 1, 0, 0, 0, 1, 2})),
         "bad: pHYs contains an invalid unit"},
        {"sBIT after IDAT", pngFile(rgb(), rgbData(), {}, chunk("sBIT", Bytes(3, 8))),
         "bad: sBIT chunk must occur before IDAT chunks"},
        {"sBIT after PLTE",
         pngFile(paletteHeader(), paletteData(), join({palette(), chunk("sBIT", Bytes(3, 2))})),
         "bad: sBIT chunk must occur before PTLE chunk"},
        {"sBIT short for RGB", pngFile(rgb(), rgbData(), chunk("sBIT", Bytes(2, 8))),
         "bad: sBIT chunk length invalid"},
        {"sBIT short for RGBA",
         pngFile(ihdr(3, 2, 8, 6), zeroData(3, 2, 8, 6), chunk("sBIT", Bytes(3, 8))),
         "bad: sBIT chunk length invalid"},
        {"sBIT grey", pngFile(greyHeader(), greyData(), chunk("sBIT", Bytes(1, 8))), "ok"},
        {"tEXt without NUL", pngFile(rgb(), rgbData(), chunk("tEXt", Bytes(80, 'k'))),
         "bad: tEXt keyword not found"},
        {"tEXt NUL at byte 81",
         pngFile(rgb(), rgbData(), chunk("tEXt", join({Bytes(80, 'k'), Bytes{0, 'v'}}))),
         "bad: tEXt keyword not found"},
        {"tEXt 79-byte keyword",
         pngFile(rgb(), rgbData(), chunk("tEXt", join({Bytes(79, 'k'), Bytes{0}}))), "ok"},
        {"tEXt short without NUL", pngFile(rgb(), rgbData(), chunk("tEXt", bytesOf("Title"))),
         "bad: tEXt keyword not found"},
        {"zTXt without NUL", pngFile(rgb(), rgbData(), chunk("zTXt", Bytes(90, 'k'))),
         "bad: zTXt keyword not found"},
        {"tIME of 6 bytes", pngFile(rgb(), rgbData(), chunk("tIME", Bytes(6, 1))),
         "bad: tIME chunk size invalid"},
        {"tIME after IDAT", pngFile(rgb(), rgbData(), {}, chunk("tIME", Bytes(7, 1))), "ok"},
        {"tRNS after IDAT", pngFile(rgb(), rgbData(), {}, chunk("tRNS", Bytes(6, 0))),
         "bad: tRNS chunk must occur before IDAT"},
        // Without the trace, tRNS contents are not checked.
        {"tRNS odd length", pngFile(rgb(), rgbData(), chunk("tRNS", Bytes(1, 0))), "ok"},
        {"unknown critical", pngFile(rgb(), rgbData(), chunk("ABCD", Bytes(3, 0))),
         "bad: Unknown critical chunk"},
        {"unknown ancillary", pngFile(rgb(), rgbData(), chunk("abCD", Bytes(3, 0))), "ok"},
        {"bad CRC ancillary", pngFile(rgb(), rgbData(), chunk("tEXt", Bytes{'a', 0, 'b'}, true)),
         "stream: Invalid Chunk CRC"},
        {"bad CRC IDAT",
         join({signature(), rgb(), chunk("IDAT", rgbData(), true), chunk("IEND", {})}),
         "stream: Invalid Chunk CRC"},
        {"bad CRC IHDR", pngFile(chunk("IHDR", Bytes(13, 0), true), rgbData()),
         "stream: Invalid Chunk CRC"},
        {"chunk longer than PNG allows",
         join({signature(), rgb(), Bytes{0x80, 0, 0, 0}, bytesOf("tEXt")}),
         "stream: Invalid Chunk Length"},
        // Promises 2 GiB and ends: refused without reserving the promise.
        {"chunk longer than the file",
         join({signature(), rgb(), Bytes{0x7F, 0xFF, 0xFF, 0xFF}, bytesOf("tEXtabc")}),
         "stream: Premature End of File"},
        {"cut in a length", join({signature(), rgb(), Bytes{0, 0}}),
         "stream: Premature End of File"},
        {"cut in a CRC",
         [] {
             Bytes f = pngFile(rgb(), rgbData());
             f.resize(8 + 25 + 8 + rgbData().size() + 2);
             return f;
         }(),
         "stream: Premature End of File"},
        {"IEND with data", join({signature(), rgb(), idat, chunk("IEND", Bytes(2, 0))}), "ok"},
        {"no IEND at all", join({signature(), rgb(), idat, Bytes{0, 0, 0, 0}}), "ok"},
    };
}

class ChunkRules : public ::testing::TestWithParam<Case> {};

TEST_P(ChunkRules, Outcome) {
    EXPECT_EQ(decodeOutcome(GetParam().file), GetParam().outcome);
}

INSTANTIATE_TEST_SUITE_P(Header, ChunkRules, ::testing::ValuesIn(headerCases()),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             for (char& c : n)
                                 if (!isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return n;
                         });
INSTANTIATE_TEST_SUITE_P(Chunks, ChunkRules, ::testing::ValuesIn(chunkCases()),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             for (char& c : n)
                                 if (!isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return n;
                         });

// The IDAT sequence: several chunks, interruptions, and what follows the
// rows.
TEST(IdatSequence, SplitAnywhere) {
    const Bytes z = zlibStored(Bytes(2 * 10, 0));
    for (size_t cut = 1; cut < z.size(); ++cut) {
        const Bytes f = join({signature(), rgb(), chunk("IDAT", Bytes(z.begin(), z.begin() + cut)),
                              chunk("IDAT", Bytes(z.begin() + cut, z.end())), chunk("IEND", {})});
        EXPECT_EQ(decodeOutcome(f), "ok") << cut;
    }
}

TEST(IdatSequence, Interruptions) {
    const Bytes z = zlibStored(unfilteredRows(Bytes(18, 7), 9));
    const Bytes head(z.begin(), z.begin() + 9);
    const Bytes rows(z.begin() + 9, z.end() - 4);
    const Bytes tail(z.end() - 4, z.end());
    const Bytes text = chunk("tEXt", Bytes{'k', 0, 'v'});
    const Bytes start = join({signature(), rgb(), chunk("IDAT", head)});
    const Bytes end = chunk("IEND", {});
    struct Step {
        const char* name;
        Bytes rest;
        const char* outcome;
    };
    const Step steps[] = {
        {"empty IDAT between",
         join({Bytes{0, 0, 0, 0}, bytesOf("IDAT"), Bytes{0x35, 0xAF, 0x06, 0x1E},
               chunk("IDAT", join({rows, tail})), end}),
         "stream: Premature End of File"},
        {"text while rows are read", join({text, chunk("IDAT", join({rows, tail})), end}),
         "stream: Missing IDAT Chunk"},
        {"IEND while rows are read", end, "stream: Premature End of File"},
        // The rows are complete; the checksum alone follows in its own
        // IDAT, as some writers leave it.
        {"checksum in a last IDAT", join({chunk("IDAT", rows), chunk("IDAT", tail), end}), "ok"},
        {"two more IDATs",
         join({chunk("IDAT", rows), chunk("IDAT", tail), chunk("IDAT", tail), end}), "ok"},
        // A data segment after other chunks is a second image stream.
        {"IDAT after text after the rows",
         join({chunk("IDAT", join({rows, tail})), text, chunk("IDAT", tail), end}),
         "bad: Image Contains Multiple Data Segments"},
    };
    for (const auto& s : steps)
        EXPECT_EQ(decodeOutcome(join({start, s.rest})), s.outcome) << s.name;
}

TEST(IdatSequence, InflateErrorsPassThrough) {
    EXPECT_EQ(decodeOutcome(pngFile(rgb(), Bytes{0x78, 0x9D, 0, 0})),
              "inflate: Corrupt Compression Header flags");
    EXPECT_EQ(decodeOutcome(pngFile(rgb(), Bytes{0x78, 0x01, 0x07, 0, 0})),
              "inflate: Invalid Compression Type");
    // Fewer rows than the header promises: the stream ends in the IEND.
    EXPECT_EQ(decodeOutcome(pngFile(rgb(), zlibStored(Bytes(10, 0)))),
              "inflate: Compressed data ended early");
}

TEST(IdatSequence, BadFilterType) {
    Bytes raw(2 * 10, 0);
    raw[10] = 5;
    EXPECT_EQ(decodeOutcome(pngFile(rgb(), zlibStored(raw))), "bad: Invalid Filter Method");
}

TEST(DecoderFile, MissingFileIsAPngError) {
    carvello::PngDecoder decoder;
    carvello::RasterImage image;
    try {
        decoder.readImageFile("/nonexistent/folder/picture.png", image);
        FAIL() << "no exception";
    } catch (const carvello::PngDecoder::BadPngStream&) {
        FAIL() << "a file error is not a format error";
    } catch (const carvello::PngDecoder::PngError& e) {
        EXPECT_STREQ(e.what(), "Can't open input file.");
    }
}

}  // namespace
