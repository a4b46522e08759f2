// Black-and-white conversion, resizing and the dithered preview.
#include <algorithm>
#include <climits>
#include <cstdint>

#include "codec/CCodec.h"
#include "codec/Texts.h"

namespace codec {
namespace {

int clampToInt(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

// The largest size that fits into the box with the picture's aspect ratio:
// the side that limits the scale fills the box, the other is rounded to the
// nearest pixel. Never less than 1 x 1, so that a tiny box still shrinks
// the picture instead of leaving it as it is.
struct FittedSize {
    int64_t width;
    int64_t height;
};
FittedSize fitIntoBox(int64_t w, int64_t h, int64_t boxW, int64_t boxH) {
    // The box is narrower than the picture's shape when boxW / w <= boxH / h.
    if (boxW * h <= boxH * w)
        return {boxW, std::clamp<int64_t>((2 * h * boxW + w) / (2 * w), 1, boxH)};
    return {std::clamp<int64_t>((2 * w * boxH + h) / (2 * h), 1, boxW), boxH};
}

// A side that comes out as 0 or less is 1 pixel.
int atLeastOne(int64_t side) {
    return std::max(clampToInt(side), 1);
}

}  // namespace

int CCodec::ConvertBMPToMonochrome(int method, int threshold) {
    return ConvertBMPToMonochrome(method, threshold, {});
}

int CCodec::ConvertBMPToMonochrome(int method, int threshold,
                                   const bitmap::DitherOptions& options) {
    if (!picture_)
        return reportNoPicture("ConvertBMPToMonochrome");
    if (!MakeUndoFile())
        return 0;
    if (options.tone.changesNothing() && bitmap::ImageProc::isAlreadyMonochrome(*picture_))
        return 1;
    threshold = std::clamp(threshold, 0, 255);
    if (!imageProc_.toMonochrome(*picture_, method, threshold, options))
        return reportCore(CodecError::monochromeFailed, imageProc_.lastError());
    return 1;
}

int CCodec::TransformBMP(int width, int height, int bitCount) {
    if (!picture_)
        return reportNoPicture("TransformBMP");
    if (!MakeUndoFile())
        return 0;
    const auto mode =
        alwaysHalftone_ ? bitmap::ResampleMode::halftone : bitmap::ResampleMode::automatic;
    auto result = imageProc_.changeBitmapFormatFromSimple(*picture_, width, height, bitCount, mode);
    if (!result)
        return reportCore(CodecError::transformFailed, imageProc_.lastError());
    replacePicture(std::move(result));
    return 1;
}

int CCodec::ResizeTo(int width, int height, int exact) {
    if (!picture_)
        return reportNoPicture("ResizeTo");
    const int bitCount = picture_->bitCount();
    if (width <= 0 || height <= 0)
        return report(CodecError::badArgument,
                      operationPrefix("ResizeTo") + std::string(text::kBadTargetSize));
    if (exact)
        return TransformBMP(width, height, bitCount);
    const FittedSize fitted = fitIntoBox(picture_->width(), picture_->height(), width, height);
    return TransformBMP(clampToInt(fitted.width), clampToInt(fitted.height), bitCount);
}

int CCodec::ResizePercentual(int percentage) {
    if (!picture_)
        return reportNoPicture("ResizePercentual");
    if (percentage <= 0)
        return report(CodecError::badArgument,
                      operationPrefix("ResizePercentual") + std::string(text::kBadTargetSize));
    const int64_t w = picture_->width();
    const int64_t h = picture_->height();
    return TransformBMP(atLeastOne(w * percentage / 100), atLeastOne(h * percentage / 100),
                        picture_->bitCount());
}

std::vector<uint8_t> CCodec::GetPreview(int x, int y, int width, int height, int method,
                                        int threshold) {
    return GetPreview(x, y, width, height, method, threshold, {});
}

std::vector<uint8_t> CCodec::GetPreview(int x, int y, int width, int height, int method,
                                        int threshold, const bitmap::DitherOptions& options) {
    if (!picture_) {
        reportNoPicture("GetPreview");
        return {};
    }
    // The preview works on an 8 bpp copy of the requested rectangle; a
    // picture at another depth is brought to 8 bpp grey first.
    std::optional<bitmap::Dib> grey;
    const bitmap::Dib* source = &*picture_;
    if (source->bitCount() != 8) {
        grey = imageProc_.changeBitmapFormatFromSimple(*source, 0, 0, 8);
        if (!grey) {
            reportCore(CodecError::transformFailed, imageProc_.lastError());
            return {};
        }
        source = &*grey;
    }

    bitmap::BitmapInfoHeader header = source->header();
    header.biWidth = width;
    header.biHeight = height;
    header.biSizeImage = static_cast<uint32_t>(std::max(width, 0)) * std::max(height, 0);
    auto crop = bitmap::Dib::create(header);
    if (!crop) {
        report(CodecError::transformFailed,
               operationPrefix("GetPreview") + std::string(text::kBadPreviewArea));
        return {};
    }
    std::copy(source->palette().begin(), source->palette().end(), crop->palette().begin());

    // Copy the part of the rectangle that lies inside the picture; the rest
    // stays index 0.
    const int64_t firstColumn = std::max<int64_t>(x, 0);
    const int64_t endColumn = std::min<int64_t>(int64_t{x} + width, source->width());
    for (int row = 0; row < height; ++row) {
        const int64_t pictureRow = int64_t{y} + row;
        if (pictureRow < 0 || pictureRow >= source->height() || firstColumn >= endColumn)
            continue;
        const auto from = source->storedRow(source->height() - 1 - static_cast<int>(pictureRow));
        auto to = crop->storedRow(height - 1 - row);
        std::copy(from.begin() + firstColumn, from.begin() + endColumn,
                  to.begin() + (firstColumn - x));
    }

    // Dither the crop with the tones of the whole picture. The undo file
    // belongs to the user's picture, so the preview never writes it.
    const bitmap::ToneCurve tone = bitmap::toneCurveFor(source->view(), options);
    const bool keep =
        options.tone.changesNothing() && bitmap::ImageProc::isAlreadyMonochrome(*crop);
    if (!keep &&
        !imageProc_.toMonochrome(*crop, method, std::clamp(threshold, 0, 255), options, &tone)) {
        reportCore(CodecError::monochromeFailed, imageProc_.lastError());
        return {};
    }
    auto mono = imageProc_.changeBitmapFormatFromSimple(*crop, 0, 0, 1);
    if (!mono) {
        reportCore(CodecError::transformFailed, imageProc_.lastError());
        return {};
    }
    auto table = mono->palette();
    const uint8_t entries[8] = {0, 0, 0, 255, 255, 255, 255, 255};
    std::copy(std::begin(entries), std::end(entries), table.begin());
    const auto bytes = mono->bytes();
    return {bytes.begin(), bytes.end()};
}

}  // namespace codec
