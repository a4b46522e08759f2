#pragma once

#include <cstdint>
#include <span>

// The two checksums of PNG files: CRC-32 over each chunk's type and data
// (ISO 3309 / ITU-T V.42 polynomial), and Adler-32 over a zlib stream's
// uncompressed bytes.
namespace carvello {

// Continues a CRC-32 over more bytes. Start with crc = 0; the running value
// is the finished CRC of everything passed so far.
uint32_t updateCrc32(uint32_t crc, std::span<const uint8_t> bytes);

// Continues an Adler-32 over more bytes. Start with adler = 1.
uint32_t updateAdler32(uint32_t adler, std::span<const uint8_t> bytes);

}  // namespace carvello
