#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "codec/CCodec.h"
#include "codec/FailureText.h"

namespace codec {

// The application's handle on its one codec: creates the codec with itself,
// destroys it with itself, and forwards each call unchanged. The throw
// switch can only be turned off through it.
class CodecOwner {
public:
    CodecOwner() : codec_(std::make_unique<CCodec>()) {}

    int errorcode() const { return codec_->errorcode(); }
    const std::string& errordescription() const { return codec_->errordescription(); }
    void disableThrowException() { codec_->setThrowException(false); }
    void setUndoFile(const std::string& path) { codec_->setUndoFile(path); }
    void setShowDownloadProgress(bool on) { codec_->setShowDownloadProgress(on); }
    void setDownloadProgress(DownloadProgress* sink) { codec_->setDownloadProgress(sink); }
    void setAlwaysHalftone(bool on) { codec_->setAlwaysHalftone(on); }
    void setPlannedResize(std::optional<ResizeTarget> target) { codec_->setPlannedResize(target); }
    void setMaxPixels(int64_t pixels) { codec_->setMaxPixels(pixels); }
    int64_t MaxPixels() const { return codec_->MaxPixels(); }
    void setDownloadTimeout(long seconds) { codec_->setDownloadTimeout(seconds); }
    void setCArrayOptions(const bitmap::CArrayOptions& options) {
        codec_->setCArrayOptions(options);
    }
    unsigned errorSerial() const { return codec_->errorSerial(); }
    // Why the last operation failed (see codec::failureText).
    std::string failureText(unsigned serialBefore) const {
        return codec::failureText(*codec_, serialBefore);
    }
    const std::string& FileFormat() const { return codec_->FileFormat(); }
    int ImageWidth() const { return codec_->ImageWidth(); }
    int ImageHeight() const { return codec_->ImageHeight(); }

    int LoadImage(const std::string& name, const std::string& localPath) {
        return codec_->LoadImage(name, localPath);
    }
    int LoadImageFile(const std::string& path) { return codec_->LoadImageFile(path); }
    int LoadFromURL(const std::string& url, const std::string& localPath, std::string& errorText,
                    bool showProgress) {
        return codec_->LoadFromURL(url, localPath, errorText, showProgress);
    }
    int ReadImageHeader(const std::string& path) { return codec_->ReadImageHeader(path); }
    int LoadBmp(const std::string& path) { return codec_->LoadBmp(path); }
    int LoadWBMP(const std::string& path) { return codec_->LoadWBMP(path); }
    int LoadJPEGToBMP(const std::string& path, int bitCount) {
        return codec_->LoadJPEGToBMP(path, bitCount);
    }
    int LoadGIF(const std::string& path) { return codec_->LoadGIF(path); }
    int LoadPNG(const std::string& path) { return codec_->LoadPNG(path); }
    int ConvertWBMPToBMP() { return codec_->ConvertWBMPToBMP(); }
    int ImageInfo() { return codec_->ImageInfo(); }
    int GetBMPInfo(int& width, int& height, int& bitCount) {
        return codec_->GetBMPInfo(width, height, bitCount);
    }
    int GetBMPWidth() { return codec_->GetBMPWidth(); }
    int GetBMPHeight() { return codec_->GetBMPHeight(); }
    int GetBMPBpp() { return codec_->GetBMPBpp(); }
    int BMPExists() const { return codec_->BMPExists(); }
    int WBMPExists() { return codec_->WBMPExists(); }
    int IsMonochrome() { return codec_->IsMonochrome(); }
    int SaveBMP(const std::string& path) { return codec_->SaveBMP(path); }
    std::optional<std::vector<uint8_t>> BmpFileBytes() { return codec_->BmpFileBytes(); }
    int ConvertBMPToWBMP(int type) { return codec_->ConvertBMPToWBMP(type); }
    int SaveWBMP(const std::string& path) { return codec_->SaveWBMP(path); }
    int SaveGIF(const std::string& path) { return codec_->SaveGIF(path); }
    int SavePNG(const std::string& path) { return codec_->SavePNG(path); }
    int SavePNGTransparentWhite(const std::string& path) {
        return codec_->SavePNGTransparentWhite(path);
    }
    int SavePBM(const std::string& path) { return codec_->SavePBM(path); }
    int SaveXBM(const std::string& path) { return codec_->SaveXBM(path); }
    int SaveCArray(const std::string& path) { return codec_->SaveCArray(path); }
    int SaveAs(const std::string& path, const std::string& format, int refuseIfExists) {
        return codec_->SaveAs(path, format, refuseIfExists);
    }
    int MakeUndoFile() { return codec_->MakeUndoFile(); }
    int ConvertBMPToMonochrome(int method, int threshold) {
        return codec_->ConvertBMPToMonochrome(method, threshold);
    }
    int ConvertBMPToMonochrome(int method, int threshold, const bitmap::DitherOptions& options) {
        return codec_->ConvertBMPToMonochrome(method, threshold, options);
    }
    int TransformBMP(int width, int height, int bitCount) {
        return codec_->TransformBMP(width, height, bitCount);
    }
    int ResizeTo(int width, int height, int exact) {
        return codec_->ResizeTo(width, height, exact);
    }
    int ResizePercentual(int percentage) { return codec_->ResizePercentual(percentage); }
    int Split(int tileWidth, int tileHeight, const std::string& folder, const std::string& format) {
        return codec_->Split(tileWidth, tileHeight, folder, format);
    }
    int WBMPCounter(const std::string& digitFolder, const std::string& outputPath, int value,
                    int digitCount) {
        return codec_->WBMPCounter(digitFolder, outputPath, value, digitCount);
    }
    std::vector<uint8_t> GetPreview(int x, int y, int width, int height, int method,
                                    int threshold) {
        return codec_->GetPreview(x, y, width, height, method, threshold);
    }
    std::vector<uint8_t> GetPreview(int x, int y, int width, int height, int method, int threshold,
                                    const bitmap::DitherOptions& options) {
        return codec_->GetPreview(x, y, width, height, method, threshold, options);
    }

private:
    std::unique_ptr<CCodec> codec_;
};

}  // namespace codec
