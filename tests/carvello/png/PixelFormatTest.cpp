// Pictures of every colour type and depth, every filter and both interlace
// methods, encoded here and decoded by the library decoder.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "carvello/core/BufferedByteStream.h"
#include "carvello/core/RasterImage.h"
#include "carvello/png/PngDecoder.h"
#include "support/TestSupport.h"
#include "tests/carvello/png/DecodeHelpers.h"
#include "tests/carvello/png/LibpngReference.h"

using namespace pngtest;

namespace {

struct Format {
    unsigned colorType;
    unsigned depth;
};

unsigned channelsOf(unsigned colorType) {
    return colorType == 2 ? 3 : colorType == 4 ? 2 : colorType == 6 ? 4 : 1;
}

// A picture as samples, channel by channel, row by row.
struct Picture {
    uint32_t width = 0;
    uint32_t height = 0;
    Format format{};
    std::vector<uint16_t> samples;
    Bytes paletteRgb;  // for palette pictures

    uint16_t sample(uint32_t x, uint32_t y, unsigned c) const {
        return samples[(size_t{y} * width + x) * channelsOf(format.colorType) + c];
    }
};

Picture randomPicture(uint32_t w, uint32_t h, Format f, unsigned seed) {
    std::mt19937 random(seed);
    Picture p;
    p.width = w;
    p.height = h;
    p.format = f;
    const uint32_t limit = f.colorType == 3 ? (1u << f.depth) : (1u << f.depth);
    p.samples.resize(size_t{w} * h * channelsOf(f.colorType));
    for (size_t i = 0; i < p.samples.size(); ++i) {
        // Smooth areas as well as noise, so the filters see both.
        const bool smooth = (i / 17) % 2 == 0;
        p.samples[i] = static_cast<uint16_t>(smooth ? (i * 3) % limit : random() % limit);
    }
    if (f.colorType == 3) {
        p.paletteRgb.resize(size_t{limit} * 3);
        for (auto& b : p.paletteRgb)
            b = static_cast<uint8_t>(random());
    }
    return p;
}

// The row of samples for the given columns, packed as PNG packs them.
Bytes packRow(const Picture& p, uint32_t y, uint32_t firstColumn, uint32_t step) {
    const unsigned channels = channelsOf(p.format.colorType);
    const unsigned depth = p.format.depth;
    Bytes row;
    uint32_t bits = 0;
    unsigned used = 0;
    for (uint32_t x = firstColumn; x < p.width; x += step) {
        for (unsigned c = 0; c < channels; ++c) {
            const uint16_t s = p.sample(x, y, c);
            if (depth == 16) {
                row.push_back(static_cast<uint8_t>(s >> 8));
                row.push_back(static_cast<uint8_t>(s));
            } else if (depth == 8) {
                row.push_back(static_cast<uint8_t>(s));
            } else {
                bits = (bits << depth) | s;
                used += depth;
                if (used == 8) {
                    row.push_back(static_cast<uint8_t>(bits));
                    bits = 0;
                    used = 0;
                }
            }
        }
    }
    if (used > 0)
        row.push_back(static_cast<uint8_t>(bits << (8 - used)));
    return row;
}

uint8_t predictor(unsigned type, int left, int up, int upperLeft) {
    switch (type) {
        case 1:
            return static_cast<uint8_t>(left);
        case 2:
            return static_cast<uint8_t>(up);
        case 3:
            return static_cast<uint8_t>((left + up) / 2);
        case 4: {
            const int e = left + up - upperLeft;
            const int pa = std::abs(e - left), pb = std::abs(e - up), pc = std::abs(e - upperLeft);
            if (pa <= pb && pa <= pc)
                return static_cast<uint8_t>(left);
            return static_cast<uint8_t>(pb <= pc ? up : upperLeft);
        }
        default:
            return 0;
    }
}

// Filter byte and filtered bytes of one row.
Bytes filterRow(const Bytes& row, const Bytes& above, unsigned type, size_t bpp) {
    Bytes out = {static_cast<uint8_t>(type)};
    for (size_t i = 0; i < row.size(); ++i) {
        const int left = i >= bpp ? row[i - bpp] : 0;
        const int up = above.empty() ? 0 : above[i];
        const int upperLeft = (i >= bpp && !above.empty()) ? above[i - bpp] : 0;
        out.push_back(static_cast<uint8_t>(row[i] - predictor(type, left, up, upperLeft)));
    }
    return out;
}

// The image data: rows (or Adam7 passes) filtered with filterOf(row number).
Bytes imageData(const Picture& p, bool interlaced,
                const std::function<unsigned(size_t)>& filterOf) {
    const size_t bpp = std::max<size_t>(1, channelsOf(p.format.colorType) * p.format.depth / 8);
    struct P {
        uint32_t row0, col0, rowStep, colStep;
    };
    const std::vector<P> passes =
        interlaced ? std::vector<P>{{0, 0, 8, 8}, {0, 4, 8, 8}, {4, 0, 8, 4}, {0, 2, 4, 4},
                                    {2, 0, 4, 2}, {0, 1, 2, 2}, {1, 0, 2, 1}}
                   : std::vector<P>{{0, 0, 1, 1}};
    Bytes out;
    size_t n = 0;
    for (const P& pass : passes) {
        if (pass.col0 >= p.width)
            continue;
        Bytes above;
        for (uint32_t y = pass.row0; y < p.height; y += pass.rowStep) {
            const Bytes row = packRow(p, y, pass.col0, pass.colStep);
            append(out, filterRow(row, above, filterOf(n++), bpp));
            above = row;
        }
    }
    return out;
}

std::array<uint8_t, 4> expectedPixel(const Picture& p, uint32_t x, uint32_t y) {
    const auto high = [&](unsigned c) {
        const uint16_t s = p.sample(x, y, c);
        return static_cast<uint8_t>(p.format.depth == 16 ? s >> 8 : s);
    };
    const auto grey = [&](unsigned c) {
        const uint16_t s = p.sample(x, y, c);
        if (p.format.depth >= 8)
            return high(c);
        return static_cast<uint8_t>(s * 255 / ((1u << p.format.depth) - 1));
    };
    switch (p.format.colorType) {
        case 0:
            return {grey(0), grey(0), grey(0), 255};
        case 2:
            return {high(2), high(1), high(0), 255};
        case 3: {
            const size_t i = p.sample(x, y, 0) * size_t{3};
            return {p.paletteRgb[i + 2], p.paletteRgb[i + 1], p.paletteRgb[i], 255};
        }
        case 4:
            return {grey(0), grey(0), grey(0), high(1)};
        default:
            return {high(2), high(1), high(0), high(3)};
    }
}

Bytes encode(const Picture& p, bool interlaced, const std::function<unsigned(size_t)>& filterOf,
             int level = 6) {
    const Bytes data = imageData(p, interlaced, filterOf);
    const Bytes z = level < 0 ? zlibStored(data) : zlibCompress(data, level);
    const Bytes plte = p.format.colorType == 3 ? chunk("PLTE", p.paletteRgb) : Bytes{};
    return pngFile(ihdr(p.width, p.height, static_cast<uint8_t>(p.format.depth),
                        static_cast<uint8_t>(p.format.colorType), interlaced ? 1 : 0),
                   z, plte);
}

void expectPicture(const Picture& p, const carvello::RasterImage& image, const std::string& what) {
    ASSERT_EQ(image.width(), p.width) << what;
    ASSERT_EQ(image.height(), p.height) << what;
    for (uint32_t y = 0; y < p.height; ++y) {
        for (uint32_t x = 0; x < p.width; ++x) {
            const auto want = expectedPixel(p, x, y);
            const auto got = image.row(y).subspan(size_t{x} * 4, 4);
            ASSERT_TRUE(std::equal(want.begin(), want.end(), got.begin()))
                << what << " pixel " << x << "," << y;
        }
    }
}

const Format kFormats[] = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1},
                           {3, 2}, {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};

TEST(PixelFormats, EveryTypeDepthFilterAndInterlace) {
    unsigned seed = 1;
    for (const Format f : kFormats) {
        for (bool interlaced : {false, true}) {
            for (unsigned filter = 0; filter <= 5; ++filter) {
                // Filter 5 stands for a mix: each row its own filter.
                const auto filterOf = [filter](size_t row) {
                    return filter < 5 ? filter : static_cast<unsigned>(row % 5);
                };
                const Picture p = randomPicture(13, 11, f, seed++);
                carvello::RasterImage image;
                const std::string what = "type " + std::to_string(f.colorType) + " depth " +
                                         std::to_string(f.depth) + (interlaced ? " Adam7" : "") +
                                         " filter " + std::to_string(filter);
                ASSERT_EQ(decodeOutcome(encode(p, interlaced, filterOf, -1), image), "ok") << what;
                expectPicture(p, image, what);
            }
        }
    }
}

TEST(PixelFormats, SmallAndOddSizesInterlaced) {
    // Sizes for which some Adam7 passes are empty.
    const std::pair<uint32_t, uint32_t> sizes[] = {{1, 1}, {2, 1}, {1, 2}, {3, 3},  {4, 5},
                                                   {5, 4}, {8, 8}, {9, 9}, {1, 17}, {33, 1}};
    unsigned seed = 100;
    for (const auto& [w, h] : sizes) {
        for (const Format f : {Format{0, 1}, Format{2, 8}, Format{6, 16}, Format{3, 4}}) {
            const Picture p = randomPicture(w, h, f, seed++);
            carvello::RasterImage image;
            const auto filterOf = [](size_t row) { return static_cast<unsigned>(row % 5); };
            ASSERT_EQ(decodeOutcome(encode(p, true, filterOf, 9), image), "ok");
            expectPicture(p, image,
                          std::to_string(w) + "x" + std::to_string(h) + " type " +
                              std::to_string(f.colorType));
        }
    }
}

TEST(PixelFormats, GreyLevelsAndPaletteBits) {
    // 1-bit grey: black and white; 2-bit grey: 0, 85, 170, 255.
    const struct {
        unsigned depth;
        Bytes row;
        std::vector<uint8_t> levels;
    } cases[] = {
        {1, {0b10100000}, {255, 0, 255, 0}},
        {2, {0b00011011}, {0, 85, 170, 255}},
        {4, {0x0F, 0x87}, {0, 255, 136, 119}},
    };
    for (const auto& c : cases) {
        Bytes raw = {0};
        append(raw, c.row);
        carvello::RasterImage image;
        ASSERT_EQ(
            decodeOutcome(pngFile(ihdr(4, 1, static_cast<uint8_t>(c.depth), 0), zlibStored(raw)),
                          image),
            "ok");
        for (size_t x = 0; x < 4; ++x) {
            EXPECT_EQ(image.row(0)[x * 4], c.levels[x]) << c.depth << " " << x;
            EXPECT_EQ(image.row(0)[x * 4 + 3], 255);
        }
    }
    // A 1-bit palette of black and white, most significant bit first; a
    // tRNS makes entry 0 transparent.
    const Bytes plte = chunk("PLTE", Bytes{0, 0, 0, 255, 255, 255});
    carvello::RasterImage image;
    ASSERT_EQ(decodeOutcome(pngFile(ihdr(10, 1, 1, 3), zlibStored(Bytes{0, 0b11000001, 0b01000000}),
                                    [&] {
                                        Bytes before = plte;
                                        append(before, chunk("tRNS", Bytes{0}));
                                        return before;
                                    }()),
                            image),
              "ok");
    const int expected[] = {1, 1, 0, 0, 0, 0, 0, 1, 0, 1};
    for (size_t x = 0; x < 10; ++x) {
        EXPECT_EQ(image.row(0)[x * 4], expected[x] ? 255 : 0) << x;
        EXPECT_EQ(image.row(0)[x * 4 + 3], expected[x] ? 255 : 0) << x;
    }
}

TEST(PixelFormats, PaletteIndexBeyondThePaletteIsBlack) {
    const Bytes plte = chunk("PLTE", Bytes{10, 20, 30});
    carvello::RasterImage image;
    ASSERT_EQ(decodeOutcome(pngFile(ihdr(2, 1, 8, 3), zlibStored(Bytes{0, 0, 200}), plte), image),
              "ok");
    EXPECT_EQ(image.row(0)[0], 30);
    EXPECT_EQ(image.row(0)[2], 10);
    EXPECT_EQ(image.row(0)[4], 0);
    EXPECT_EQ(image.row(0)[7], 255);
}

TEST(PixelFormats, PaethTiesGoLeftThenUp) {
    // Row 0: 10 20; row 1 filtered Paeth with zero differences: for byte 1
    // left = 0 + pred, up = 20, upper left = 10.
    // Cases (left, up, upper left) -> predictor, checked through a 2x2 grey picture.
    const struct {
        uint8_t a, b, c, want;
    } cases[] = {{5, 5, 5, 5},     {10, 20, 15, 15}, {20, 10, 15, 15},  {0, 30, 10, 30},
                 {30, 0, 10, 30},  {7, 9, 8, 8},     {100, 50, 75, 75}, {1, 200, 250, 1},
                 {50, 10, 10, 50}, {10, 50, 10, 50}};
    for (const auto& c : cases) {
        // Pixel (1,1) = row1 byte 1: left = c.a, up = c.b, upper left = c.c.
        // Row 0 = (c.c, c.b); row 1 = (c.a, ?) with ? = residue 0 + paeth.
        Bytes raw = {0, c.c, c.b, 4, static_cast<uint8_t>(c.a - c.c), 0};
        carvello::RasterImage image;
        ASSERT_EQ(decodeOutcome(pngFile(ihdr(2, 2, 8, 0), zlibStored(raw)), image), "ok");
        EXPECT_EQ(image.row(1)[0], c.a);
        EXPECT_EQ(image.row(1)[4], c.want) << int{c.a} << " " << int{c.b} << " " << int{c.c};
    }
}

TEST(PixelFormats, ProgressReachesOneHundred) {
    const Picture p = randomPicture(20, 30, {2, 8}, 9);
    for (bool interlaced : {false, true}) {
        const Bytes file = encode(
            p, interlaced, [](size_t) { return 0u; }, -1);
        carvello::BufferedByteStream stream(file);
        carvello::PngDecoder decoder;
        std::vector<std::tuple<unsigned, unsigned, unsigned>> calls;
        decoder.setProgressFunction([&](carvello::ImageCoder&, void*, unsigned pass,
                                        unsigned passes, unsigned percent, bool& cancel) {
            calls.emplace_back(pass, passes, percent);
            cancel = true;  // ignored by this decoder
        });
        carvello::RasterImage image;
        decoder.readImage(stream, image);
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(std::get<2>(calls.back()), 100u);
        EXPECT_EQ(std::get<1>(calls.front()), interlaced ? 7u : 1u);
        for (const auto& [pass, passes, percent] : calls) {
            EXPECT_LT(pass, passes);
            EXPECT_LE(percent, 100u);
        }
        // One call per row (per pass row when interlaced), and the last.
        size_t rows = 30;
        if (interlaced) {
            // Pass rows: ceil((30 - first row) / row step) for each pass.
            const unsigned first[] = {0, 0, 4, 0, 2, 0, 1}, step[] = {8, 8, 8, 4, 4, 2, 2};
            rows = 0;
            for (int k = 0; k < 7; ++k)
                rows += (30 - first[k] + step[k] - 1) / step[k];
        }
        EXPECT_EQ(calls.size(), rows + 1);
        expectPicture(p, image, interlaced ? "Adam7" : "plain");
    }
}

}  // namespace

namespace {

// The alpha of each pixel of a one-row picture.
std::vector<int> alphas(const carvello::RasterImage& image) {
    std::vector<int> out;
    for (uint32_t x = 0; x < image.width(); ++x)
        out.push_back(image.row(0)[size_t{x} * 4 + 3]);
    return out;
}

}  // namespace

TEST(PixelFormats, TransparencyChunkIsAppliedAsLibpngAppliesIt) {
    struct Case {
        const char* name;
        Bytes header;
        Bytes rows;  // one row, filter byte first
        Bytes beforeData;
        std::vector<int> alpha;
    };
    auto chunks = [](std::initializer_list<Bytes> list) {
        Bytes all;
        for (const auto& c : list)
            append(all, c);
        return all;
    };
    const Bytes plte = chunk("PLTE", Bytes{0, 0, 0, 9, 9, 9, 255, 255, 255});
    const std::vector<Case> cases = {
        {"palette entries",
         ihdr(3, 1, 8, 3),
         {0, 0, 1, 2},
         chunks({plte, chunk("tRNS", Bytes{0, 128})}),
         {0, 128, 255}},
        {"palette tRNS longer than the palette is passed over",
         ihdr(3, 1, 8, 3),
         {0, 0, 1, 2},
         chunks({plte, chunk("tRNS", Bytes{0, 0, 0, 0})}),
         {255, 255, 255}},
        {"palette tRNS before PLTE is passed over",
         ihdr(3, 1, 8, 3),
         {0, 0, 1, 2},
         chunks({chunk("tRNS", Bytes{0}), plte}),
         {255, 255, 255}},
        {"only the first tRNS counts",
         ihdr(3, 1, 8, 3),
         {0, 0, 1, 2},
         chunks({plte, chunk("tRNS", Bytes{255, 0}), chunk("tRNS", Bytes{0})}),
         {255, 0, 255}},
        {"16-bit grey compares all 16 bits",
         ihdr(2, 1, 16, 0),
         {0, 0x12, 0x34, 0x12, 0xFF},
         chunk("tRNS", Bytes{0x12, 0x34}),
         {0, 255}},
        {"2-bit grey takes the value's low bits",
         ihdr(4, 1, 2, 0),
         {0, 0b00011011},
         chunk("tRNS", Bytes{0x01, 0x02}),
         {255, 255, 0, 255}},
        {"grey tRNS of the wrong length is passed over",
         ihdr(2, 1, 8, 0),
         {0, 7, 8},
         chunk("tRNS", Bytes{0, 7, 0}),
         {255, 255}},
        {"RGB",
         ihdr(2, 1, 8, 2),
         {0, 1, 2, 3, 1, 2, 4},
         chunk("tRNS", Bytes{0, 1, 0, 2, 0, 3}),
         {0, 255}},
        {"16-bit RGB",
         ihdr(2, 1, 16, 2),
         {0, 1, 1, 2, 2, 3, 3, 1, 1, 2, 2, 3, 4},
         chunk("tRNS", Bytes{1, 1, 2, 2, 3, 3}),
         {0, 255}},
        {"interlaced",
         ihdr(3, 1, 8, 0, 1),
         {0, 5, 0, 6, 0, 5},
         chunk("tRNS", Bytes{0, 5}),
         {0, 0, 255}},
    };
    testing_support::TempDir dir;
    for (const auto& c : cases) {
        const Bytes file = pngFile(c.header, zlibStored(c.rows), c.beforeData);
        carvello::RasterImage image;
        ASSERT_EQ(decodeOutcome(file, image), "ok") << c.name;
        EXPECT_EQ(alphas(image), c.alpha) << c.name;
        // And the whole picture as libpng gives it.
        testing_support::writeFile(dir.file("t.png"), file);
        const auto reference = readWithLibpng(dir.file("t.png"));
        ASSERT_TRUE(reference) << c.name;
        EXPECT_TRUE(std::equal(image.pixels().begin(), image.pixels().end(),
                               reference->bgra.begin(), reference->bgra.end()))
            << c.name;
    }
}
