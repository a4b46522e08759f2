#pragma once

#include "bitmap/gif/GifErrors.h"

// Limits shared by the LZW encoder and decoder of GIF image data.
namespace bitmap {

constexpr int kLzwMaxCodes = 4096;     // codes 0 to 4095
constexpr int kLzwMaxWidth = 12;       // bits of the widest code
constexpr int kLzwMaxMinCodeSize = 8;  // pixel indices are bytes

// 0 when a coder can start with this minimum code size, otherwise the
// result code that refuses it.
inline int checkLzwMinCodeSize(int minCodeSize) {
    if (minCodeSize > kLzwMaxMinCodeSize)
        return gifcode::kLzwWidthTooBig;
    if (minCodeSize < 1)
        return gifcode::kLzwInitFailed;
    return 0;
}

}  // namespace bitmap
