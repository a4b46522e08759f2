#pragma once

// Limits shared by the LZW encoder and decoder of GIF image data.
namespace bitmap {

constexpr int kLzwMaxCodes = 4096;     // codes 0 to 4095
constexpr int kLzwMaxWidth = 12;       // bits of the widest code
constexpr int kLzwMaxMinCodeSize = 8;  // pixel indices are bytes

}  // namespace bitmap
