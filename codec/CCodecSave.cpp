// Writing the current picture and keeping the undo file.
#include "bitmap/FileIO.h"
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

namespace {
// Formats this build can write.
bool canWrite(int code) {
    return code == kFormatBmp || code == kFormatWbmp;
}
}  // namespace

int CCodec::saveInFormat(int code, const std::string& path) {
    return code == kFormatBmp ? SaveBMP(path) : SaveWBMP(path);
}

int CCodec::SaveAs(const std::string& path, const std::string& format, int refuseIfExists) {
    const int code = formatCodeOfName(format);
    if (code == kFormatUnknown)
        return report(21,
                      operationPrefix("SaveAs") + std::string(msg::kUnknownFileFormat) + format);
    if (refuseIfExists && bitmap::fileExists(path))
        return report(1, operationPrefix("SaveAs") + std::string(msg::kFileExists));
    if (code == kFormatJpeg) {
        std::string text(msg::kSavingNotSupported);
        text.replace(text.find("%s"), 2, format);
        return report(0, text);
    }
    if (!canWrite(code))
        return report(21,
                      operationPrefix("SaveAs") + std::string(msg::kUnknownFileFormat) + format);
    return saveInFormat(code, path);
}

int CCodec::MakeUndoFile() {
    if (undoFile_.empty())
        return 1;
    int code = formatCodeOf(undoFile_);
    if (code == kFormatUnknown)
        code = kFormatGif;
    if (!canWrite(code))
        return report(24, operationPrefix("MakeUndoFile") + std::string(msg::kCannotSaveInFormat));
    return saveInFormat(code, undoFile_);
}

}  // namespace codec
