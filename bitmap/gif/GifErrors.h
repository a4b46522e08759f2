#pragma once

#include <string_view>

// Result codes of the GIF reader, the GIF writer and the LZW engine, and the
// texts that go with them. 0 is success; every other code names one failure.
namespace bitmap {

namespace gifcode {
constexpr int kOk = 0;
constexpr int kCannotCreateFile = 12;
constexpr int kUnsupportedBitCount = 14;
constexpr int kOutOfMemory = 22;
constexpr int kUnsupportedFormat = 23;
constexpr int kReadSignature = 30;
constexpr int kReadScreenDescriptor = 31;
constexpr int kReadGlobalPalette = 32;
constexpr int kReadImageDescriptor = 33;
constexpr int kReadCodeSize = 34;
constexpr int kReadBlockSize = 35;
constexpr int kReadRasterData = 36;
constexpr int kReadLocalPalette = 37;
constexpr int kSkipImage = 38;
constexpr int kReadExtensionCode = 39;
constexpr int kReadExtensionSize = 40;
constexpr int kReadExtensionData = 41;
constexpr int kUnknownSeparator = 42;
constexpr int kSaverOutOfSync = 43;
constexpr int kWriteFailed = 44;
constexpr int kNoImageToSave = 45;
constexpr int kUnhandledException = 46;
constexpr int kLzwInitFailed = 50;
constexpr int kLzwInternal = 51;
constexpr int kLzwNotReady = 52;
constexpr int kLzwReadError = 53;
constexpr int kLzwTableFull = 54;
constexpr int kLzwWidthTooBig = 55;
}  // namespace gifcode

// Number of codes in the table (0 to 64).
constexpr int kGifErrorCount = 65;

// The text of a code; empty for codes without one and for codes outside the table.
std::string_view gifErrorMessage(int code);

}  // namespace bitmap
