// The host bitmap: reading every supported form, writing back in its own
// form, and refusing blocks that do not hold what their header says.
#include <random>

#include "dotwerk/DotwerkTestSupport.h"

using namespace dotwerk;
using namespace dotwerk_test;

namespace {

std::vector<std::uint32_t> randomPalette(std::mt19937& random, std::size_t entries) {
    std::vector<std::uint32_t> palette(entries);
    for (auto& colour : palette)
        colour = random() & 0xFFFFFFu;
    return palette;
}

// Fills every byte after the colour table, row padding included.
void scramblePixels(HostBitmap& bitmap, std::mt19937& random, std::size_t pixelOffset) {
    auto& bytes = bitmap.bytes();
    for (std::size_t i = pixelOffset; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(random());
}

std::vector<std::uint8_t> header40(std::int32_t width, std::int32_t height, int bits,
                                   std::uint32_t compression = 0, std::uint32_t used = 0) {
    std::vector<std::uint8_t> bytes(40, 0);
    const auto put = [&](std::size_t at, std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i)
            bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    put(0, 40, 4);
    put(4, static_cast<std::uint32_t>(width), 4);
    put(8, static_cast<std::uint32_t>(height), 4);
    put(12, 1, 2);
    put(14, static_cast<std::uint32_t>(bits), 2);
    put(16, compression, 4);
    put(32, used, 4);
    return bytes;
}

}  // namespace

TEST(DotwerkHostDib, RoundTripWithoutEditsLeavesEveryByteOfTheBlock) {
    std::mt19937 random(20);
    Editor editor;
    for (const int bits : {1, 4, 8}) {
        for (const int width : {1, 3, 7, 13, 33}) {
            for (const bool core : {false, true}) {
                SCOPED_TRACE(testing::Message()
                             << bits << " bpp, width " << width << (core ? ", core header" : ""));
                const std::size_t entries = std::size_t{1} << bits;
                HostBitmap bitmap(width, 5, bits, randomPalette(random, entries), 0, core);
                const std::size_t pixelOffset = (core ? 12 : 40) + entries * (core ? 3 : 4);
                scramblePixels(bitmap, random, pixelOffset);
                const auto before = bitmap.bytes();
                ASSERT_EQ(editor->initFromHdib(bitmap.handle()), 0);
                ASSERT_EQ(editor->loadDib(), 0);
                EXPECT_EQ(bitmap.bytes(), before);
            }
        }
    }
    for (const int bits : {24, 32}) {
        HostBitmap bitmap(5, 3, bits, {}, 0);
        scramblePixels(bitmap, random, 40);
        const auto before = bitmap.bytes();
        ASSERT_EQ(editor->initFromHdib(bitmap.handle()), 0);
        ASSERT_EQ(editor->loadDib(), 0);
        EXPECT_EQ(bitmap.bytes(), before) << bits;
    }
}

TEST(DotwerkHostDib, ColoursDarkerThanMiddleGreyAreBlack) {
    Editor editor;
    // 8 bits with a grey ramp: indices below 128 are black.
    std::vector<std::uint32_t> ramp(256);
    for (std::uint32_t i = 0; i < 256; ++i)
        ramp[i] = i * 0x010101u;
    HostBitmap bitmap(4, 1, 8, ramp, 0);
    bitmap.setIndex(0, 0, 0);
    bitmap.setIndex(1, 0, 127);
    bitmap.setIndex(2, 0, 128);
    bitmap.setIndex(3, 0, 255);
    editor.edit(bitmap, kModeNone);
    editor->invertColor();
    ASSERT_EQ(editor->loadDib(), 0);
    // Changed pixels take the entries nearest to white and black.
    EXPECT_EQ(bitmap.index(0, 0), 255u);
    EXPECT_EQ(bitmap.index(1, 0), 255u);
    EXPECT_EQ(bitmap.index(2, 0), 0u);
    EXPECT_EQ(bitmap.index(3, 0), 0u);
}

TEST(DotwerkHostDib, EditsAreWrittenInTheBlocksOwnForm) {
    Editor editor;
    // A 4-bit table where white is entry 9 and black entry 3; a core header.
    std::vector<std::uint32_t> palette(16, 0x808080u);
    palette[3] = 0x000000u;
    palette[9] = 0xFFFFFFu;
    HostBitmap bitmap(7, 4, 4, palette, 9, true);
    editor.edit(bitmap, kModePencil);
    editor.click({6, 0});
    editor.click({0, 3});
    ASSERT_EQ(editor->loadDib(), 0);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(bitmap.index(x, y), (x == 6 && y == 0) || (x == 0 && y == 3) ? 3u : 9u)
                << x << "," << y;

    HostBitmap colour(3, 2, 24, {}, 1);
    editor.edit(colour, kModePencil);
    editor.click({1, 1});
    ASSERT_EQ(editor->loadDib(), 0);
    EXPECT_EQ(colour.index(1, 1), 0u);
    EXPECT_EQ(colour.index(0, 1), 0xFFFFFFu);
}

TEST(DotwerkHostDib, TopDownBlocksKeepTheirRowOrder) {
    Editor editor;
    auto bitmap = HostBitmap::mono(8, 3);
    // Negative height: the first stored row is the top row.
    auto& bytes = bitmap.bytes();
    const std::int32_t height = -3;
    for (int i = 0; i < 4; ++i)
        bytes[8 + static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(static_cast<std::uint32_t>(height) >> (8 * i));
    editor.edit(bitmap, kModePencil);
    editor.click({2, 0});
    ASSERT_EQ(editor->loadDib(), 0);
    // HostBitmap counts rows bottom-up, so the top row is its row 2.
    EXPECT_EQ(bitmap.blackPixels(), std::vector<QPoint>{QPoint(2, 2)});
}

TEST(DotwerkHostDib, BlocksThatDoNotHoldTheirPictureAreRefused) {
    Editor editor;
    auto good = HostBitmap::mono(6, 4);
    editor.edit(good, kModePencil);

    std::vector<std::vector<std::uint8_t>> bad;
    bad.push_back({});
    bad.push_back({40, 0, 0});
    auto shortHeader = header40(4, 4, 1);
    shortHeader.resize(39);
    bad.push_back(shortHeader);
    bad.push_back({12, 0, 0, 0, 4, 0, 4, 0});  // core header cut short
    for (const std::uint32_t size : {0u, 11u, 13u, 39u, 41u, 0xFFFFFFFFu}) {
        auto block = header40(1, 1, 1);
        block[0] = static_cast<std::uint8_t>(size);
        block[1] = static_cast<std::uint8_t>(size >> 8);
        block[2] = static_cast<std::uint8_t>(size >> 16);
        block[3] = static_cast<std::uint8_t>(size >> 24);
        block.resize(80, 0);
        bad.push_back(block);
    }
    const auto withRows = [](std::vector<std::uint8_t> block, std::size_t extra) {
        block.resize(block.size() + extra, 0xFF);
        return block;
    };
    // Palette of 2 entries and 4 rows of 4 bytes need 40 + 8 + 16 bytes.
    bad.push_back(withRows(header40(6, 4, 1), 8 + 15));
    bad.push_back(withRows(header40(6, -4, 1), 8 + 15));
    bad.push_back(withRows(header40(0, 4, 1), 64));
    bad.push_back(withRows(header40(6, 0, 1), 64));
    bad.push_back(withRows(header40(-6, 4, 1), 64));
    bad.push_back(withRows(header40(0x7FFFFFFF, 1, 1), 4096));
    bad.push_back(withRows(header40(1, 0x7FFFFFFF, 1), 4096));
    bad.push_back(withRows(header40(1, INT32_MIN, 1), 4096));
    bad.push_back(withRows(header40(40000, 40000, 8), 4096));
    bad.push_back(withRows(header40(6, 4, 1, 0, 0x40000000u), 4096));
    bad.push_back(withRows(header40(6, 4, 8, 1), 4096));  // run-length compressed
    bad.push_back(withRows(header40(6, 4, 16), 4096));
    bad.push_back(withRows(header40(6, 4, 2), 4096));

    for (std::size_t i = 0; i < bad.size(); ++i) {
        // Each block lives in its own allocation of exactly its size, so a
        // read past it is caught by the address sanitizer.
        HostBitmap block(bad[i]);
        EXPECT_EQ(editor->initFromHdib(block.handle()), -1) << "block " << i;
    }
    // A record without a block, and one whose length says less than the
    // block holds.
    HostBitmap empty(std::vector<std::uint8_t>{});
    empty.record() = {nullptr, 100};
    EXPECT_EQ(editor->initFromHdib(empty.handle()), -1);
    auto cut = HostBitmap::mono(6, 4);
    cut.record().length -= 1;
    EXPECT_EQ(editor->initFromHdib(cut.handle()), -1);

    // The picture given before stays, and loadDib still writes to it.
    long long cx = 0, cy = 0;
    editor->imageSize(&cx, &cy);
    EXPECT_EQ(cx, 6);
    EXPECT_EQ(cy, 4);
    editor.click({1, 1});
    EXPECT_EQ(editor->loadDib(), 0);
    EXPECT_EQ(good.blackPixels(), std::vector<QPoint>{QPoint(1, 1)});
}

TEST(DotwerkHostDib, LoadDibRefusesABlockThatNoLongerFitsThePicture) {
    Editor editor;
    auto bitmap = HostBitmap::mono(10, 10);
    editor.edit(bitmap, kModePencil);
    editor.click({3, 3});

    // The host shrank its block since lending it.
    bitmap.record().length = 40;
    EXPECT_EQ(editor->loadDib(), -1);
    EXPECT_TRUE(editor->isModified());
    bitmap.refreshRecord();

    // A new picture of another size cannot go into the lent block.
    const auto before = bitmap.bytes();
    ASSERT_EQ(editor->initFromDimensions(20, 20), 0);
    EXPECT_EQ(editor->loadDib(), -1);
    EXPECT_EQ(bitmap.bytes(), before);
    // One of the same size can.
    ASSERT_EQ(editor->initFromDimensions(10, 10), 0);
    editor->invertColor();
    EXPECT_EQ(editor->loadDib(), 0);
    EXPECT_EQ(bitmap.blackPixels().size(), 100u);
}
