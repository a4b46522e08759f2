// The PNG encoder: file layout, texts, options, refusals and pixels.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "carvello/core/RasterImage.h"
#include "carvello/png/PngChunkWriter.h"
#include "carvello/png/PngEncoder.h"
#include "support/TestSupport.h"
#include "tests/carvello/png/PngFileReader.h"

namespace {

using carvello::PngEncoder;
using carvello::RasterImage;
using namespace pngwrite_test;

RasterImage solid(uint32_t w, uint32_t h, uint8_t b, uint8_t g, uint8_t r, uint8_t a = 255) {
    RasterImage image;
    image.setSize(w, h);
    auto p = image.pixels();
    for (size_t i = 0; i < p.size(); i += 4) {
        p[i] = b;
        p[i + 1] = g;
        p[i + 2] = r;
        p[i + 3] = a;
    }
    return image;
}

// Every pixel different from its neighbours, alpha varying too.
RasterImage noisy(uint32_t w, uint32_t h, uint32_t seed = 1) {
    RasterImage image;
    image.setSize(w, h);
    uint32_t x = seed;
    for (auto& byte : image.pixels()) {
        x = x * 1664525u + 1013904223u;
        byte = static_cast<uint8_t>(x >> 24);
    }
    return image;
}

// The samples the file should hold: R, G, B (and A) of each pixel.
std::vector<uint8_t> expectedSamples(const RasterImage& image, bool alpha) {
    std::vector<uint8_t> out;
    const auto p = image.pixels();
    for (size_t i = 0; i < p.size(); i += 4) {
        out.insert(out.end(), {p[i + 2], p[i + 1], p[i]});
        if (alpha)
            out.push_back(p[i + 3]);
    }
    return out;
}

std::string textOf(const std::vector<uint8_t>& data) {
    return {data.begin(), data.end()};
}

std::string pngErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const PngEncoder::PngError& e) {
        return e.what();
    }
    return "(no PngError)";
}

std::vector<std::string> chunkTypes(const PngFile& png) {
    std::vector<std::string> types;
    for (const auto& c : png.chunks)
        types.push_back(c.type);
    return types;
}

TEST(PngEncoder, OneWhitePixelWithTransparentWhiteHasTheDescribedLayout) {
    PngEncoder encoder;
    encoder.setTransparentWhite(true);
    const auto file = encoder.encode(solid(1, 1, 255, 255, 255));
    const auto png = readChunks(file);
    EXPECT_TRUE(png.signatureOk);
    EXPECT_EQ(png.trailingBytes, 0u);
    EXPECT_EQ(chunkTypes(png), (std::vector<std::string>{"IHDR", "tEXt", "tEXt", "tEXt", "tEXt",
                                                         "tRNS", "IDAT", "IEND"}));
    for (const auto& c : png.chunks)
        EXPECT_TRUE(c.crcOk) << c.type;
    EXPECT_EQ(png.chunks[0].data, (std::vector<uint8_t>{0, 0, 0, 1, 0, 0, 0, 1, 8, 2, 0, 0, 0}));
    const std::string nul(1, '\0');
    EXPECT_EQ(textOf(png.chunks[1].data), "Author" + nul + "Vendra Corp.");
    const std::string copyright = textOf(png.chunks[2].data);
    EXPECT_EQ(copyright.rfind("Copyright" + nul, 0), 0u);
    EXPECT_NE(copyright.find("2001"), std::string::npos);
    EXPECT_EQ(textOf(png.chunks[3].data),
              "Software" + nul + "WAP Glyphon DLL, based on Carvello Builders Image Library");
    EXPECT_EQ(textOf(png.chunks[4].data), "Source" + nul + "WAP Glyphon");
    EXPECT_EQ(png.chunks[5].data, (std::vector<uint8_t>{0, 255, 0, 255, 0, 255}));
    EXPECT_TRUE(png.chunks[7].data.empty());
    const auto decoded = decodePng(file);
    EXPECT_EQ(decoded.samples, (std::vector<uint8_t>{255, 255, 255}));
}

TEST(PngEncoder, OptionsChooseColourTypeAndTransparency) {
    struct Case {
        bool alpha, transparentWhite;
        unsigned colourType;
        bool tRNS;
    };
    for (const Case c : {Case{false, false, 2, false}, Case{false, true, 2, true},
                         Case{true, false, 6, false}, Case{true, true, 6, false}}) {
        PngEncoder encoder;
        encoder.setAlpha(c.alpha);
        encoder.setTransparentWhite(c.transparentWhite);
        const auto image = noisy(7, 5);
        const auto file = encoder.encode(image);
        const auto types = chunkTypes(readChunks(file));
        EXPECT_EQ(std::count(types.begin(), types.end(), "tRNS"), c.tRNS ? 1 : 0);
        const auto decoded = decodePng(file);
        EXPECT_EQ(decoded.colourType, c.colourType);
        EXPECT_EQ(decoded.samples, expectedSamples(image, c.alpha));
        // The program's case: only None filtering.
        EXPECT_EQ(decoded.filterTypes, std::vector<uint8_t>(5, 0));
    }
}

TEST(PngEncoder, BlackAndWhitePictureIsWrittenAsEightBitRgb) {
    RasterImage image = solid(9, 3, 0, 0, 0);
    auto p = image.pixels();
    for (size_t i = 0; i < p.size(); i += 8)
        std::fill(p.begin() + i, p.begin() + i + 4, 255);
    const auto decoded = decodePng(PngEncoder().encode(image));
    EXPECT_EQ(decoded.colourType, 2u);
    EXPECT_EQ(decoded.samples.size(), 9u * 3 * 3);
    EXPECT_EQ(decoded.samples, expectedSamples(image, false));
}

TEST(PngEncoder, LongImageDataIsSplitIntoFullIdatChunks) {
    // Noise hardly compresses: about 3 x 300 x 300 = 270000 bytes of data.
    const auto image = noisy(300, 300, 5);
    const auto file = PngEncoder().encode(image);
    const auto png = readChunks(file);
    std::vector<size_t> idatSizes;
    for (const auto& c : png.chunks)
        if (c.type == "IDAT")
            idatSizes.push_back(c.data.size());
    ASSERT_GE(idatSizes.size(), 4u);
    for (size_t i = 0; i + 1 < idatSizes.size(); ++i)
        EXPECT_EQ(idatSizes[i], 65536u) << i;
    EXPECT_GT(idatSizes.back(), 0u);
    EXPECT_LE(idatSizes.back(), 65536u);
    EXPECT_EQ(chunkTypes(png).back(), "IEND");
    EXPECT_EQ(decodePng(file).samples, expectedSamples(image, false));
}

TEST(PngEncoder, ChunkWriterNeverLeavesAnEmptyLastChunk) {
    std::vector<uint8_t> file;
    carvello::PngChunkWriter writer(file);
    writer.beginChunk("IDAT");
    const std::vector<uint8_t> data(2 * carvello::PngChunkWriter::kChunkBufferSize, 7);
    writer.putBytes(data);
    writer.endChunk();
    // Two full chunks of 12 + 65536 bytes each, nothing more.
    EXPECT_EQ(file.size(), 2 * (12 + carvello::PngChunkWriter::kChunkBufferSize));
    const uint8_t kSignature[] = {137, 80, 78, 71, 13, 10, 26, 10};
    std::vector<uint8_t> withSignature(sizeof kSignature + file.size());
    std::copy(std::begin(kSignature), std::end(kSignature), withSignature.begin());
    std::copy(file.begin(), file.end(), withSignature.begin() + sizeof kSignature);
    const auto chunks = readChunks(withSignature).chunks;
    ASSERT_EQ(chunks.size(), 2u);
    for (const auto& c : chunks) {
        EXPECT_EQ(c.type, "IDAT");
        EXPECT_TRUE(c.crcOk);
        EXPECT_EQ(c.data.size(), carvello::PngChunkWriter::kChunkBufferSize);
    }
    EXPECT_THROW(writer.putBytes(data), std::logic_error);  // no chunk open
    EXPECT_THROW(writer.beginChunk("IDATA"), std::logic_error);
}

TEST(PngEncoder, TextChunksAreCheckedAtTheLimits) {
    const std::string k79(79, 'k'), k80(80, 'k');
    const size_t room = carvello::PngChunkWriter::kChunkBufferSize;
    struct Case {
        std::string keyword, value, error;
    };
    const std::vector<Case> cases{
        {k79, "v", ""},
        {k80, "v", "tEXt Keyword Too Long"},
        {"K", std::string(room - 2, 'v'), ""},
        {"K", std::string(room - 1, 'v'), "tEXt Value Too Long"},
        {k79, std::string(room - 80, 'v'), ""},
        {k79, std::string(room - 79, 'v'), "tEXt Value Too Long"},
        {"", "v", "Invalid tEXt Keyword"},
        {std::string("a\0b", 3), "v", "Invalid tEXt Keyword"},
        {"Comment", std::string("a\0b", 3), "Invalid tEXt Value"},
        // Nothing is written for an empty value, so nothing is checked.
        {k80, "", ""},
    };
    for (const auto& c : cases) {
        PngEncoder encoder;
        encoder.setTexts({{"Title", "T"}, {c.keyword, c.value}});
        std::vector<uint8_t> file;
        const std::string error = pngErrorOf([&] { file = encoder.encode(solid(2, 2, 1, 2, 3)); });
        if (c.error.empty()) {
            EXPECT_EQ(error, "(no PngError)") << c.keyword.size() << "/" << c.value.size();
            const auto png = readChunks(file);
            ASSERT_GE(png.chunks.size(), 3u);
            EXPECT_EQ(textOf(png.chunks[1].data), std::string("Title") + '\0' + "T");
            if (!c.value.empty())
                EXPECT_EQ(textOf(png.chunks[2].data), c.keyword + '\0' + c.value);
            else
                EXPECT_EQ(png.chunks[2].type, "IDAT");
        } else {
            EXPECT_EQ(error, c.error) << c.keyword.size() << "/" << c.value.size();
        }
    }
}

TEST(PngEncoder, RefusalsArePngErrors) {
    static_assert(std::is_base_of_v<carvello::GraphicsException, PngEncoder::PngError>);
    for (int level : {-1, 4}) {
        PngEncoder encoder;
        encoder.setCompressionLevel(level);
        EXPECT_EQ(pngErrorOf([&] { encoder.encode(solid(1, 1, 0, 0, 0)); }),
                  "Invalid Compression Level");
    }
    RasterImage empty;
    EXPECT_EQ(pngErrorOf([&] { PngEncoder().encode(empty); }), "Image Has No Pixels");
    RasterImage noRows;
    noRows.setSize(5, 0);
    EXPECT_EQ(pngErrorOf([&] { PngEncoder().encode(noRows); }), "Image Has No Pixels");
}

TEST(PngEncoder, ParametersAreLockedWhileCompressingAndFreedAfterwards) {
    PngEncoder encoder;
    std::vector<unsigned> percents;
    int passes = 0;
    std::string during;
    encoder.setProgressFunction([&](carvello::ImageCoder& coder, void*, unsigned pass,
                                    unsigned passCount, unsigned percent, bool& cancel) {
        passes += pass == 1 && passCount == 1;
        percents.push_back(percent);
        cancel = true;  // ignored by the encoder
        auto& png = static_cast<PngEncoder&>(coder);
        if (during.empty())
            during = pngErrorOf([&] { png.setTransparentWhite(true); });
    });
    const auto image = noisy(4, 10);
    const auto file = encoder.encode(image);
    EXPECT_EQ(during, "Attempt to change parameters during compression");
    EXPECT_FALSE(encoder.transparentWhite());
    EXPECT_EQ(percents.front(), 0u);
    EXPECT_EQ(percents.back(), 100u);
    EXPECT_EQ(percents.size(), 12u);  // start, each row, end
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_EQ(passes, 12);
    EXPECT_EQ(decodePng(file).samples, expectedSamples(image, false));

    // A progress function that throws aborts the write; the lock goes with it.
    encoder.setProgressFunction(
        [](carvello::ImageCoder&, void*, unsigned, unsigned, unsigned percent, bool&) {
            if (percent == 50)
                throw std::runtime_error("stop");
        });
    EXPECT_THROW(encoder.encode(image), std::runtime_error);
    encoder.setTransparentWhite(true);
    encoder.setAlpha(true);
    encoder.setFilterMask(0);
    encoder.setCompressionLevel(3);
    encoder.setTexts({});
    EXPECT_TRUE(encoder.transparentWhite());
    EXPECT_EQ(encoder.filterMask(), unsigned{PngEncoder::kFilterNone});
}

TEST(PngEncoder, EveryLevelAndFilterMaskGivesThePixels) {
    const auto image = noisy(33, 17, 9);
    for (int level = 0; level <= 3; ++level) {
        for (unsigned mask : {1u, 3u, 5u, 9u, 17u, 31u}) {
            PngEncoder encoder;
            encoder.setCompressionLevel(level);
            encoder.setFilterMask(mask);
            encoder.setAlpha(mask == 31);
            const auto decoded = decodePng(encoder.encode(image));
            EXPECT_EQ(decoded.samples, expectedSamples(image, mask == 31)) << level << "/" << mask;
            for (auto t : decoded.filterTypes)
                EXPECT_TRUE(t == 0 || (mask >> t) & 1) << "filter " << int(t) << " not enabled";
        }
    }
}

TEST(PngEncoder, FilterChoiceByRunScore) {
    // Row 0: a gradient, which Sub turns into equal bytes. Row 1:
    // irregular, no filter makes runs: None. Row 2: row 1 again, which Up
    // turns into zeros. Row 3: flat, so None scores as high as Sub and
    // Up and wins as the earliest.
    const uint32_t w = 12;
    RasterImage image;
    image.setSize(w, 4);
    for (uint32_t x = 0; x < w; ++x) {
        auto r0 = image.row(0), r1 = image.row(1), r2 = image.row(2), r3 = image.row(3);
        const uint8_t v = static_cast<uint8_t>(10 * x);
        std::fill_n(&r0[x * 4], 3, v);  // gradient: Sub
        const uint8_t noise = static_cast<uint8_t>((x * 97 + 13) % 251);
        r1[x * 4] = noise;  // irregular ...
        r1[x * 4 + 1] = static_cast<uint8_t>(noise * 3);
        r1[x * 4 + 2] = static_cast<uint8_t>(noise ^ 0x5A);
        std::copy_n(&r1[x * 4], 4, &r2[x * 4]);   // ... repeated: Up
        std::fill_n(&r3[x * 4], 3, uint8_t{77});  // flat: None (earliest)
    }
    PngEncoder encoder;
    encoder.setFilterMask(31);
    const auto decoded = decodePng(encoder.encode(image));
    EXPECT_EQ(decoded.filterTypes, (std::vector<uint8_t>{1, 0, 2, 0}));
    EXPECT_EQ(decoded.samples, expectedSamples(image, false));

    // Rows of at most four bytes are never scored: None.
    RasterImage narrow = solid(1, 3, 5, 5, 5);
    PngEncoder narrowEncoder;
    narrowEncoder.setFilterMask(31);
    EXPECT_EQ(decodePng(narrowEncoder.encode(narrow)).filterTypes, std::vector<uint8_t>(3, 0));
}

TEST(PngEncoder, WriteImageFileIsAllOrNothing) {
    testing_support::TempDir dir;
    const auto image = noisy(16, 16);
    const std::string target = dir.file("out.png");
    PngEncoder encoder;
    encoder.writeImageFile(target, image);
    const auto first = testing_support::readFile(target);
    EXPECT_EQ(decodePng(first).samples, expectedSamples(image, false));

    // A failing write keeps the old file and leaves nothing else behind.
    PngEncoder failing;
    failing.setTexts({{std::string(80, 'k'), "v"}});
    EXPECT_EQ(pngErrorOf([&] { failing.writeImageFile(target, noisy(3, 3)); }),
              "tEXt Keyword Too Long");
    EXPECT_EQ(testing_support::readFile(target), first);
    // Overwriting succeeds, replaces the content and keeps the file's mode.
    std::filesystem::permissions(target, std::filesystem::perms(0604));
    encoder.writeImageFile(target, solid(2, 2, 9, 9, 9));
    EXPECT_NE(testing_support::readFile(target), first);
    EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::perms(0604));
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 1u);

    EXPECT_EQ(pngErrorOf([&] { encoder.writeImageFile(dir.file("missing/out.png"), image); }),
              "Can't open output file");
    EXPECT_EQ(pngErrorOf([&] { encoder.writeImageFile(dir.path(), image); }),
              "Can't open output file");
    EXPECT_EQ(pngErrorOf([&] { encoder.writeImageFile("", image); }), "Can't open output file");
    // The file is opened before anything is encoded: a bad path wins over
    // a bad picture.
    EXPECT_EQ(pngErrorOf([&] { encoder.writeImageFile(dir.file("missing/x.png"), RasterImage{}); }),
              "Can't open output file");
}

}  // namespace
