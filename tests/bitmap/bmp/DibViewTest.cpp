// The picture view: header forms of packed DIBs, pixel access at every depth
// and pictures that take over a block as it came.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "bitmap/Dib.h"
#include "tests/bitmap/bmp/BmpBuilder.h"

namespace {

using bitmap::Dib;
using bitmap::DibCheck;
using bitmap::DibLayout;
using bitmap::RowOrder;
using bmptest::BmpParts;

// The packed DIB of a hand-built BMP file: everything after the file header.
std::vector<uint8_t> packedDib(const BmpParts& parts) {
    const auto file = bmptest::buildBmp(parts);
    return {file.begin() + 14, file.end()};
}

BmpParts picture(uint32_t headerSize, int width, int height, uint16_t bits) {
    BmpParts p;
    p.headerSize = headerSize;
    p.width = width;
    p.height = height;
    p.bits = bits;
    const int rows = height < 0 ? -height : height;
    p.rows.assign(static_cast<size_t>((width * bits + 31) / 32 * 4 * rows), 0);
    return p;
}

Dib greyPicture(int width, int height, int bits) {
    bitmap::BitmapInfoHeader h;
    h.biWidth = width;
    h.biHeight = height;
    h.biBitCount = static_cast<uint16_t>(bits);
    return *Dib::create(h);
}

TEST(DibLayout, HeaderForms) {
    struct Case {
        const char* name;
        BmpParts parts;
        RowOrder order = RowOrder::bottomUp;
        DibCheck check = DibCheck::ok;
        uint32_t colours = 0;
        uint32_t entrySize = 4;
        uint64_t paletteOffset = 0;
        bool topDown = false;
    };
    auto withTable = [](BmpParts p, int entries, int entrySize) {
        p.table = bmptest::colourTable(entries, entrySize);
        return p;
    };
    auto with = [](BmpParts p, auto change) {
        change(p);
        return p;
    };
    const Case cases[] = {
        {"core header", withTable(picture(12, 3, 2, 4), 16, 3), {}, DibCheck::ok, 16, 3, 12},
        {"short table",
         with(withTable(picture(40, 3, 2, 8), 5, 4), [](BmpParts& p) { p.clrUsed = 5; }),
         {},
         DibCheck::ok,
         5,
         4,
         40},
        {"masks after the header",
         with(picture(40, 2, 2, 16),
              [](BmpParts& p) {
                  p.compression = 3;
                  p.masks = {0xF800, 0x07E0, 0x001F};
              }),
         {},
         DibCheck::ok,
         0,
         4,
         52},
        {"V5 header", picture(124, 2, 2, 24), {}, DibCheck::ok, 0, 4, 124},
        {"run-length, no rows",
         with(withTable(picture(40, 4, 4, 8), 256, 4),
              [](BmpParts& p) {
                  p.compression = 1;
                  p.rows.clear();
              }),
         {},
         DibCheck::ok,
         256,
         4,
         40},
        {"top-down refused", picture(40, 2, -2, 24), {}, DibCheck::negativeSize},
        {"top-down taken", picture(40, 2, -2, 24), RowOrder::eitherOrder, DibCheck::ok, 0, 4, 40,
         true},
        {"top-down run-length", with(picture(40, 2, -2, 8), [](BmpParts& p) { p.compression = 1; }),
         RowOrder::eitherOrder, DibCheck::negativeSize},
        {"negative width", picture(40, -2, 2, 24), RowOrder::eitherOrder, DibCheck::negativeSize},
        {"two bits per pixel", picture(40, 2, 2, 2), {}, DibCheck::unusable},
        {"unknown header size", picture(13, 2, 2, 24), {}, DibCheck::unusable},
        {"rows cut short",
         with(picture(40, 2, 2, 24), [](BmpParts& p) { p.rows.pop_back(); }),
         {},
         DibCheck::unusable},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto block = packedDib(c.parts);
        DibLayout layout;
        ASSERT_EQ(bitmap::readDibLayout(block, layout, c.order), c.check);
        if (c.check != DibCheck::ok)
            continue;
        EXPECT_EQ(layout.width, c.parts.width);
        EXPECT_EQ(layout.height, std::abs(c.parts.height));
        EXPECT_EQ(layout.topDown, c.topDown);
        EXPECT_EQ(layout.colourCount, c.colours);
        EXPECT_EQ(layout.colourEntrySize, c.entrySize);
        EXPECT_EQ(layout.paletteOffset, c.paletteOffset);
        EXPECT_EQ(layout.pixelOffset, c.paletteOffset + c.colours * c.entrySize);
        EXPECT_EQ(layout.pixelOffset + (layout.hasRows() ? c.parts.rows.size() : 0), block.size());
    }
}

TEST(DibView, IndicesRoundTripAtEveryIndexedDepth) {
    for (const int bits : {1, 4, 8}) {
        SCOPED_TRACE(bits);
        Dib dib = greyPicture(11, 3, bits);
        const int levels = 1 << bits;
        const auto value = [&](int x, int y) { return (x * 5 + y * 3 + 1) % levels; };
        const bitmap::MutableDibView view = dib.view();
        // Every pixel written, so that each write must keep its neighbours.
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 11; ++x)
                view.setIndex(x, y, value(x, y));
        for (int y = 0; y < 3; ++y) {
            std::vector<int> row;
            bitmap::forEachIndex(view.row(y), bits, 11, [&](size_t, int i) { row.push_back(i); });
            for (int x = 0; x < 11; ++x) {
                EXPECT_EQ(view.index(x, y), value(x, y)) << x << "," << y;
                EXPECT_EQ(row[static_cast<size_t>(x)], value(x, y)) << x << "," << y;
            }
        }
        // Row 0 is the top of the picture: the last row stored.
        EXPECT_EQ(view.row(0).data(), dib.storedRow(2).data());
    }
}

TEST(DibView, PackedRowsHaveCleanPadding) {
    const std::vector<uint8_t> indices = {1, 0, 1, 1, 0};
    const struct {
        int bits;
        std::vector<uint8_t> row;
    } cases[] = {
        {1, {0xB0, 0, 0, 0}},
        {4, {0x10, 0x11, 0x00, 0}},
        {8, {1, 0, 1, 1, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> row(c.row.size(), 0xFF);
        bitmap::packIndices(indices, c.bits, row);
        EXPECT_EQ(row, c.row) << c.bits;
    }
}

TEST(DibView, ColoursOfTrueColourRowsInEitherOrder) {
    Dib dib = greyPicture(2, 2, 24);
    const bitmap::MutableDibView view = dib.view();
    view.setPixel24(1, 0, {1, 2, 3});
    EXPECT_EQ(view.pixel24(1, 0), (bitmap::Bgr{1, 2, 3}));
    EXPECT_EQ(dib.storedRow(1)[3], 1);  // blue first, in the top row stored last
    EXPECT_EQ(dib.storedRow(1)[5], 3);

    DibLayout topFirst = dib.layout();
    topFirst.topDown = true;
    const bitmap::DibView flipped(dib.bytes(), topFirst);
    EXPECT_EQ(flipped.pixel24(1, 1), (bitmap::Bgr{1, 2, 3}));
}

TEST(Dib, AdoptKeepsTheBlockAsItCame) {
    // A core header with 3-byte colours, followed by zeros as a block read
    // from a file may be.
    auto parts = picture(12, 3, 2, 4);
    parts.table = bmptest::colourTable(16, 3);
    auto block = packedDib(parts);
    block.resize(block.size() + 14, 0);
    auto adopted = Dib::adopt(block);
    ASSERT_EQ(adopted.check, DibCheck::ok);
    const Dib& dib = adopted.dib;
    EXPECT_TRUE(std::equal(block.begin(), block.end(), dib.bytes().begin(), dib.bytes().end()));
    EXPECT_EQ(dib.width(), 3);
    EXPECT_EQ(dib.height(), 2);
    EXPECT_EQ(dib.header().biSize, 12u);
    EXPECT_EQ(dib.header().biBitCount, 4);
    const auto c = dib.view().colour(2);
    EXPECT_EQ(uint32_t{c.red} << 16 | uint32_t{c.green} << 8 | c.blue, bmptest::tableColour(2));
    // Nothing of a core header can be rewritten.
    Dib copy = dib;
    copy.setHeader(bitmap::BitmapInfoHeader{});
    EXPECT_EQ(copy, dib);

    auto refused = Dib::adopt(packedDib(picture(40, 2, -2, 8)));
    EXPECT_EQ(refused.check, DibCheck::negativeSize);
    EXPECT_TRUE(refused.dib.empty());
}

}  // namespace
