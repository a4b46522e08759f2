#pragma once

#include <cstdint>

// The marker codes the JPEG decoder meets (the byte after 0xFF).
namespace carvello::jpeg {

inline constexpr uint8_t kSOF0 = 0xC0;  // baseline
inline constexpr uint8_t kSOF1 = 0xC1;  // extended sequential
inline constexpr uint8_t kSOF2 = 0xC2;  // progressive
inline constexpr uint8_t kSOF3 = 0xC3;  // lossless
inline constexpr uint8_t kDHT = 0xC4;
inline constexpr uint8_t kSOF5 = 0xC5;
inline constexpr uint8_t kSOF6 = 0xC6;
inline constexpr uint8_t kSOF7 = 0xC7;
inline constexpr uint8_t kSOF9 = 0xC9;   // extended sequential, arithmetic
inline constexpr uint8_t kSOF10 = 0xCA;  // progressive, arithmetic
inline constexpr uint8_t kDAC = 0xCC;
inline constexpr uint8_t kRST0 = 0xD0;
inline constexpr uint8_t kRST7 = 0xD7;
inline constexpr uint8_t kSOI = 0xD8;
inline constexpr uint8_t kEOI = 0xD9;
inline constexpr uint8_t kSOS = 0xDA;
inline constexpr uint8_t kDQT = 0xDB;
inline constexpr uint8_t kDRI = 0xDD;
inline constexpr uint8_t kDHP = 0xDE;
inline constexpr uint8_t kAPP0 = 0xE0;
inline constexpr uint8_t kAPP1 = 0xE1;   // Exif
inline constexpr uint8_t kAPP14 = 0xEE;  // Adobe
inline constexpr uint8_t kAPP15 = 0xEF;
inline constexpr uint8_t kCOM = 0xFE;

}  // namespace carvello::jpeg
