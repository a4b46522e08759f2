#include "carvello/zlib/Checksums.h"

#include <algorithm>
#include <array>

namespace carvello {
namespace {

// Slicing-by-four tables for the reflected polynomial 0xEDB88320.
using CrcTables = std::array<std::array<uint32_t, 256>, 4>;

constexpr CrcTables makeCrcTables() {
    CrcTables tables{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        tables[0][n] = c;
    }
    for (uint32_t n = 0; n < 256; ++n) {
        for (size_t t = 1; t < 4; ++t)
            tables[t][n] = (tables[t - 1][n] >> 8) ^ tables[0][tables[t - 1][n] & 0xFF];
    }
    return tables;
}

constexpr CrcTables kCrcTables = makeCrcTables();

}  // namespace

uint32_t updateCrc32(uint32_t crc, std::span<const uint8_t> bytes) {
    uint32_t c = crc ^ 0xFFFFFFFFu;
    size_t i = 0;
    for (; i + 4 <= bytes.size(); i += 4) {
        c ^= static_cast<uint32_t>(bytes[i]) | (static_cast<uint32_t>(bytes[i + 1]) << 8) |
             (static_cast<uint32_t>(bytes[i + 2]) << 16) |
             (static_cast<uint32_t>(bytes[i + 3]) << 24);
        c = kCrcTables[3][c & 0xFF] ^ kCrcTables[2][(c >> 8) & 0xFF] ^
            kCrcTables[1][(c >> 16) & 0xFF] ^ kCrcTables[0][c >> 24];
    }
    for (; i < bytes.size(); ++i)
        c = kCrcTables[0][(c ^ bytes[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

uint32_t updateAdler32(uint32_t adler, std::span<const uint8_t> bytes) {
    constexpr uint32_t kModulus = 65521;
    // 5552 is the largest run for which the sums cannot overflow 32 bits.
    constexpr size_t kRun = 5552;
    uint32_t a = adler & 0xFFFF;
    uint32_t b = adler >> 16;
    size_t i = 0;
    while (i < bytes.size()) {
        const size_t end = std::min(bytes.size(), i + kRun);
        for (; i < end; ++i) {
            a += bytes[i];
            b += a;
        }
        a %= kModulus;
        b %= kModulus;
    }
    return (b << 16) | a;
}

}  // namespace carvello
