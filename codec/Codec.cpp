#include "codec/Codec.h"

#include <algorithm>

#include "base/TextFormat.h"
#include "carvello/core/GraphicsException.h"
#include "codec/Texts.h"

namespace codec {

std::string operationPrefix(std::string_view operation) {
    std::string prefix = "CCodec::";
    prefix.append(operation);
    prefix.append(": ");
    return prefix;
}

Codec::Codec() = default;
Codec::~Codec() = default;

int Codec::report(CodecError code, std::string message) {
    errorCode_ = codeOf(code);
    errorText_ = std::move(message);
    ++errorSerial_;
    if (throwOnError_)
        throw carvello::GraphicsException(errorText_);
    return 0;
}

int Codec::reportCore(CodecError code, const std::string& coreText) {
    return report(code, std::string(text::kInternal) + coreText);
}

int Codec::reportTooLarge(std::string_view operation, int64_t width, int64_t height,
                          CodecError code) {
    const bool tooWide = width > bitmap::kMaxDimension || height > bitmap::kMaxDimension;
    const std::string message =
        bitmap::formatText(tooWide ? text::kPictureTooWide : text::kPictureTooLarge,
                           {static_cast<long long>(width), static_cast<long long>(height),
                            static_cast<long long>(tooWide ? bitmap::kMaxDimension : maxPixels_)});
    return report(code, operationPrefix(operation) + message);
}

void Codec::setMaxPixels(int64_t pixels) {
    maxPixels_ = std::clamp<int64_t>(pixels, 1, bitmap::kMaxPixels);
    imageProc_.setPixelLimit(maxPixels_);
}

int Codec::reportNoPicture(std::string_view operation) {
    return report(CodecError::noPicture, operationPrefix(operation) + std::string(text::kNoBitmap));
}

void Codec::replacePicture(std::optional<bitmap::Dib> dib) {
    picture_ = std::move(dib);
    reducedFrom_.reset();
}

void Codec::releasePicture() {
    picture_.reset();
    reducedFrom_.reset();
}

const bitmap::Dib* Codec::picture() const {
    return picture_ ? &*picture_ : nullptr;
}

int Codec::bmpInfo(int& width, int& height, int& bitCount) {
    if (!picture_)
        return reportNoPicture("GetBMPInfo");
    if (!imageProc_.getBMPInfo(picture(), width, height, bitCount))
        return reportCore(CodecError::infoFailed, imageProc_.lastError());
    return 1;
}

int Codec::bmpWidth() {
    int width = 0, height = 0, bitCount = 0;
    return bmpInfo(width, height, bitCount) ? width : 0;
}

int Codec::bmpHeight() {
    int width = 0, height = 0, bitCount = 0;
    return bmpInfo(width, height, bitCount) ? height : 0;
}

int Codec::bmpBpp() {
    int width = 0, height = 0, bitCount = 0;
    return bmpInfo(width, height, bitCount) ? bitCount : 0;
}

int Codec::bmpExists() const {
    return picture_ ? 1 : 0;
}

int Codec::wbmpExists() {
    int type = 0, width = 0, height = 0;
    return wbmp_.getWBMPInfo(type, width, height) ? 1 : 0;
}

int Codec::isMonochrome() {
    if (!picture_)
        return reportNoPicture("IsMonochrome");
    return bitmap::ImageProc::isAlreadyMonochrome(*picture_) ? 1 : 0;
}

int Codec::imageInfo() {
    if (!picture_)
        return reportNoPicture("ImageInfo");
    imageWidth_ = picture_->width();
    imageHeight_ = picture_->height();
    return 1;
}

}  // namespace codec
