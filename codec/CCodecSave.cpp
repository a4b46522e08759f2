// Writing the current picture and keeping the undo file.
#include "bitmap/FileIO.h"
#include "bitmap/GifErrors.h"
#include "bitmap/GifWriter.h"
#include "codec/CCodec.h"
#include "codec/CodecMessages.h"
#include "codec/FormatCodes.h"

namespace codec {

int CCodec::SaveBMP(const std::string& path) {
    if (!picture_)
        return reportNoPicture("SaveBMP");
    if (!imageProc_.saveBitmap(path, *picture_))
        return reportCore(9, imageProc_.lastError());
    return 1;
}

int CCodec::ConvertBMPToWBMP(int type) {
    if (!picture_)
        return reportNoPicture("ConvertBMPToWBMP");
    if (!wbmp_.convBMPToWBMP(*picture_, type))
        return reportCore(12, wbmp_.lastError());
    return 1;
}

int CCodec::SaveWBMP(const std::string& path) {
    if (!ConvertBMPToWBMP(0))
        return 0;
    if (!wbmp_.saveWBMP(path))
        return reportCore(10, wbmp_.lastError());
    return 1;
}

// Writes by format code; every known code but JPEG's.
int CCodec::saveInFormat(int code, const std::string& path) {
    switch (code) {
        case kFormatBmp:
            return SaveBMP(path);
        case kFormatWbmp:
            return SaveWBMP(path);
        case kFormatGif:
            return SaveGIF(path);
        case kFormatPng:
            return SavePNG(path);
        default:
            return SavePNGTransparentWhite(path);
    }
}

int CCodec::reportSavingNotSupported(std::string_view format) {
    return report(0, msg::fillIn(msg::kSavingNotSupported, "%s", format));
}

int CCodec::SaveGIF(const std::string& path) {
    if (!picture_)
        return reportNoPicture("SaveGIF");
    const bitmap::GifWriter writer(*picture_);
    lastWriterResult_ = writer.save(path, true);
    if (lastWriterResult_ == 0)
        return 1;
    return report(20, msg::gifResultText(msg::kGifSaveError, lastWriterResult_));
}

int CCodec::SavePNG(const std::string& path) {
    if (!picture_)
        return reportNoPicture("SavePNG");
    if (!imageProc_.savePNG(path, *picture_))
        return reportCore(27, imageProc_.lastError());
    return 1;
}

int CCodec::SavePNGTransparentWhite(const std::string& path) {
    if (!picture_)
        return reportNoPicture("SavePNGTransparentWhite");
    if (!imageProc_.savePNGTransparentWhite(path, *picture_))
        return reportCore(27, imageProc_.lastError());
    return 1;
}

int CCodec::SaveAs(const std::string& path, const std::string& format, int refuseIfExists) {
    const int code = formatCodeOfName(format);
    if (code == kFormatUnknown)
        return report(21,
                      operationPrefix("SaveAs") + std::string(msg::kUnknownFileFormat) + format);
    if (refuseIfExists && bitmap::fileExists(path))
        return report(1, operationPrefix("SaveAs") + std::string(msg::kFileExists));
    if (code == kFormatJpeg)
        return reportSavingNotSupported(format);
    return saveInFormat(code, path);
}

int CCodec::MakeUndoFile() {
    if (undoFile_.empty())
        return 1;
    int code = formatCodeOf(undoFile_);
    if (code == kFormatUnknown)
        code = kFormatGif;
    // JPEG cannot be written, and a transparent PNG is no use as an undo
    // picture.
    if (code == kFormatJpeg || code == kFormatPngTransparent)
        return report(24, operationPrefix("MakeUndoFile") + std::string(msg::kCannotSaveInFormat));
    return saveInFormat(code, undoFile_);
}

namespace msg {
std::string gifResultText(std::string_view pattern, int code) {
    return fillIn(fillIn(pattern, "%d", std::to_string(code)), "%s", bitmap::gifErrorMessage(code));
}
}  // namespace msg

}  // namespace codec
