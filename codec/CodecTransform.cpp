// Black-and-white conversion, resizing and the dithered preview.
#include <algorithm>
#include <climits>
#include <cstdint>

#include "codec/Codec.h"
#include "codec/ResizeTarget.h"
#include "codec/Texts.h"

namespace codec {
namespace {

int clampToInt(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

}  // namespace

int Codec::convertBmpToMonochrome(int method, int threshold) {
    return convertBmpToMonochrome(method, threshold, {});
}

int Codec::convertBmpToMonochrome(int method, int threshold, const bitmap::DitherOptions& options) {
    if (!picture_)
        return reportNoPicture("ConvertBMPToMonochrome");
    if (!makeUndoFile())
        return 0;
    if (options.tone.changesNothing() && bitmap::ImageProc::isAlreadyMonochrome(*picture_))
        return 1;
    threshold = std::clamp(threshold, 0, 255);
    if (!imageProc_.toMonochrome(*picture_, method, threshold, options))
        return reportCore(CodecError::monochromeFailed, imageProc_.lastError());
    return 1;
}

int Codec::transformBmp(int width, int height, int bitCount) {
    if (!picture_)
        return reportNoPicture("TransformBMP");
    if (!makeUndoFile())
        return 0;
    const auto mode =
        alwaysHalftone_ ? bitmap::ResampleMode::halftone : bitmap::ResampleMode::automatic;
    auto result = imageProc_.changeBitmapFormatFromSimple(*picture_, width, height, bitCount, mode);
    if (!result)
        return reportCore(CodecError::transformFailed, imageProc_.lastError());
    replacePicture(std::move(result));
    return 1;
}

PictureSize Codec::sourceSize() const {
    if (reducedFrom_)
        return *reducedFrom_;
    return {picture_->width(), picture_->height()};
}

int Codec::resizeBy(const ResizeTarget& target) {
    // A picture loaded reduced is sized as the full picture would be.
    const PictureSize source = sourceSize();
    const auto size = resizedSize(target, source.width, source.height);
    if (!size)
        return 0;
    return transformBmp(clampToInt(size->width), clampToInt(size->height), picture_->bitCount());
}

int Codec::resizeTo(int width, int height, int exact) {
    if (!picture_)
        return reportNoPicture("ResizeTo");
    if (width <= 0 || height <= 0)
        return report(CodecError::badArgument,
                      operationPrefix("ResizeTo") + std::string(text::kBadTargetSize));
    using Kind = ResizeTarget::Kind;
    return resizeBy({exact ? Kind::exact : Kind::fit, width, height, 100});
}

int Codec::resizePercentual(int percentage) {
    if (!picture_)
        return reportNoPicture("ResizePercentual");
    if (percentage <= 0)
        return report(CodecError::badArgument,
                      operationPrefix("ResizePercentual") + std::string(text::kBadTargetSize));
    return resizeBy({ResizeTarget::Kind::percent, 0, 0, percentage});
}

std::vector<uint8_t> Codec::preview(int x, int y, int width, int height, int method,
                                    int threshold) {
    return preview(x, y, width, height, method, threshold, {});
}

std::vector<uint8_t> Codec::preview(int x, int y, int width, int height, int method, int threshold,
                                    const bitmap::DitherOptions& options) {
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
