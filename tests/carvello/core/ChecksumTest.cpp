#include <gtest/gtest.h>

#include <string_view>

#include "carvello/zlib/Checksums.h"

namespace {

std::span<const uint8_t> bytesOf(std::string_view text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

TEST(Checksums, KnownValuesAndSplitUpdates) {
    // Check values of the two algorithms.
    EXPECT_EQ(carvello::updateCrc32(0, bytesOf("123456789")), 0xCBF43926u);
    EXPECT_EQ(carvello::updateCrc32(0, {}), 0u);
    EXPECT_EQ(carvello::updateAdler32(1, bytesOf("Wikipedia")), 0x11E60398u);
    EXPECT_EQ(carvello::updateAdler32(1, {}), 1u);
    // The CRC of a PNG IEND chunk's type.
    EXPECT_EQ(carvello::updateCrc32(0, bytesOf("IEND")), 0xAE426082u);

    // Long inputs, fed in one piece or in odd pieces, give the same value.
    std::vector<uint8_t> data(100000);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<uint8_t>(255 - i % 251);
    const std::span<const uint8_t> all(data);
    uint32_t crc = 0, adler = 1;
    for (size_t at = 0; at < data.size(); at += 7777) {
        const auto piece = all.subspan(at, std::min<size_t>(7777, data.size() - at));
        crc = carvello::updateCrc32(crc, piece);
        adler = carvello::updateAdler32(adler, piece);
    }
    EXPECT_EQ(crc, carvello::updateCrc32(0, all));
    EXPECT_EQ(adler, carvello::updateAdler32(1, all));
    // All 0xFF bytes drive the Adler sums to their largest values.
    std::vector<uint8_t> ones(20000, 0xFF);
    uint32_t a = 1, b = 0;
    for (uint8_t v : ones) {
        a = (a + v) % 65521;
        b = (b + a) % 65521;
    }
    EXPECT_EQ(carvello::updateAdler32(1, ones), (b << 16) | a);
}

}  // namespace
