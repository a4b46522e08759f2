#include "codec/CCodec.h"

#include <algorithm>

#include "bitmap/TextFormat.h"
#include "carvello/core/GraphicsException.h"
#include "codec/Texts.h"

namespace codec {

std::string operationPrefix(std::string_view operation) {
    std::string prefix = "CCodec::";
    prefix.append(operation);
    prefix.append(": ");
    return prefix;
}

CCodec::CCodec() = default;
CCodec::~CCodec() = default;

int CCodec::report(CodecError code, std::string message) {
    errorCode_ = codeOf(code);
    errorText_ = std::move(message);
    ++errorSerial_;
    if (throwOnError_)
        throw Carvello::GraphicsException(errorText_);
    return 0;
}

int CCodec::reportCore(CodecError code, const std::string& coreText) {
    return report(code, std::string(text::kInternal) + coreText);
}

int CCodec::reportTooLarge(std::string_view operation, int64_t width, int64_t height,
                           CodecError code) {
    const bool tooWide = width > bitmap::kMaxDimension || height > bitmap::kMaxDimension;
    const std::string message =
        bitmap::formatText(tooWide ? text::kPictureTooWide : text::kPictureTooLarge,
                           {static_cast<long long>(width), static_cast<long long>(height),
                            static_cast<long long>(tooWide ? bitmap::kMaxDimension : maxPixels_)});
    return report(code, operationPrefix(operation) + message);
}

void CCodec::setMaxPixels(int64_t pixels) {
    maxPixels_ = std::clamp<int64_t>(pixels, 1, bitmap::kMaxPixels);
    imageProc_.setPixelLimit(maxPixels_);
}

int CCodec::reportNoPicture(std::string_view operation) {
    return report(CodecError::noPicture, operationPrefix(operation) + std::string(text::kNoBitmap));
}

void CCodec::replacePicture(std::optional<bitmap::Dib> dib) {
    picture_ = std::move(dib);
    reducedFrom_.reset();
}

void CCodec::releasePicture() {
    picture_.reset();
    reducedFrom_.reset();
}

const bitmap::Dib* CCodec::picture() const {
    return picture_ ? &*picture_ : nullptr;
}

int CCodec::GetBMPInfo(int& width, int& height, int& bitCount) {
    if (!picture_)
        return reportNoPicture("GetBMPInfo");
    if (!imageProc_.getBMPInfo(picture(), width, height, bitCount))
        return reportCore(CodecError::infoFailed, imageProc_.lastError());
    return 1;
}

int CCodec::GetBMPWidth() {
    int width = 0, height = 0, bitCount = 0;
    return GetBMPInfo(width, height, bitCount) ? width : 0;
}

int CCodec::GetBMPHeight() {
    int width = 0, height = 0, bitCount = 0;
    return GetBMPInfo(width, height, bitCount) ? height : 0;
}

int CCodec::GetBMPBpp() {
    int width = 0, height = 0, bitCount = 0;
    return GetBMPInfo(width, height, bitCount) ? bitCount : 0;
}

int CCodec::BMPExists() const {
    return picture_ ? 1 : 0;
}

int CCodec::WBMPExists() {
    int type = 0, width = 0, height = 0;
    return wbmp_.getWBMPInfo(type, width, height) ? 1 : 0;
}

int CCodec::IsMonochrome() {
    if (!picture_)
        return reportNoPicture("IsMonochrome");
    return bitmap::ImageProc::isAlreadyMonochrome(*picture_) ? 1 : 0;
}

int CCodec::ImageInfo() {
    if (!picture_)
        return reportNoPicture("ImageInfo");
    imageWidth_ = picture_->width();
    imageHeight_ = picture_->height();
    return 1;
}

}  // namespace codec
