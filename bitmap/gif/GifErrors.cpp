#include "bitmap/gif/GifErrors.h"

#include <array>

#include "bitmap/Texts.h"

namespace bitmap {
namespace {

constexpr std::array<CatalogueText, kGifErrorCount> kMessages = {
    text::kGifNoError,
    text::kGifLoadBmp,
    text::kGifLoadBmpToWindow,
    text::kGifLoadWbmp,
    text::kGifLoadJpeg,
    text::kGifLoadGif,
    text::kGifSaveBmp,
    text::kGifSaveWbmp,
    text::kGifSaveTemporaryBmp,
    text::kGifNoBmp,
    text::kGifNoWbmp,  // 10
    text::kGifNoFile,
    text::kGifCannotCreateFile,
    text::kGifUnknownFileType,
    text::kGifUnsupportedBitCount,
    text::kGifUnsupportedCompression,
    text::kGifWbmpToBmpFailed,
    text::kGifMonochromeFailed,
    text::kGifResizeFailed,
    text::kGifHttpRefused,
    text::kGifHttpFailed,  // 20
    text::kGifUserAbort,
    text::kGifOutOfMemory,
    text::kGifUnsupportedFormat,
    text::kGifCannotOpen,
    text::kGifCodecLoadFailed,
    "",
    "",
    "",
    text::kGifOutOfSync,
    text::kGifReadSignature,  // 30
    text::kGifReadScreenDescriptor,
    text::kGifReadGlobalPalette,
    text::kGifReadImageDescriptor,
    text::kGifReadCodeSize,
    text::kGifReadBlockSize,
    text::kGifReadRasterData,
    text::kGifReadLocalPalette,
    text::kGifSkipImage,
    text::kGifReadExtensionCode,
    text::kGifReadExtensionSize,  // 40
    text::kGifReadExtensionData,
    text::kGifUnknownSeparator,
    text::kGifSaverOutOfSync,
    text::kGifWriteFailed,
    text::kGifNoImageToSave,
    text::kGifUnhandledException,
    "",
    "",
    "",
    text::kLzwInitFailed,  // 50
    text::kLzwInternal,
    text::kLzwNotReady,
    text::kLzwReadError,
    text::kLzwTableFull,
    text::kLzwWidthTooBig,
    "",
    "",
    "",
    "",
    text::kPngNoFile,  // 60
    "",
    "",
    "",
    "",
};

}  // namespace

std::string_view gifErrorMessage(int code) {
    if (code < 0 || code >= kGifErrorCount)
        return {};
    return kMessages[static_cast<size_t>(code)];
}

}  // namespace bitmap
