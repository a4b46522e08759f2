// Writing the current picture and keeping the undo file.
#include "base/FileIO.h"
#include "base/TextFormat.h"
#include "bitmap/gif/GifWriter.h"
#include "codec/Codec.h"
#include "codec/FailureText.h"
#include "codec/PictureFormats.h"
#include "codec/Texts.h"

namespace codec {

int Codec::saveBmp(const std::string& path) {
    if (!picture_)
        return reportNoPicture("SaveBMP");
    if (!imageProc_.saveBitmap(path, *picture_))
        return reportCore(CodecError::bmpNotSaved, imageProc_.lastError());
    return 1;
}

std::optional<std::vector<uint8_t>> Codec::bmpFileBytes() {
    if (!picture_) {
        reportNoPicture("SaveBMP");
        return std::nullopt;
    }
    auto file = imageProc_.bitmapFile(*picture_);
    if (!file)
        reportCore(CodecError::bmpNotSaved, imageProc_.lastError());
    return file;
}

int Codec::convertBmpToWbmp(int type) {
    if (!picture_)
        return reportNoPicture("ConvertBMPToWBMP");
    if (!wbmp_.convBMPToWBMP(*picture_, type))
        return reportCore(CodecError::bmpToWbmpFailed, wbmp_.lastError());
    return 1;
}

int Codec::saveWbmp(const std::string& path) {
    if (!convertBmpToWbmp(0))
        return 0;
    if (!wbmp_.saveWBMP(path))
        return reportCore(CodecError::wbmpNotSaved, wbmp_.lastError());
    return 1;
}

int Codec::reportSavingNotSupported(std::string_view format) {
    return report(CodecError::savingNotSupported,
                  bitmap::formatText(text::kSavingNotSupported, {format}));
}

int Codec::saveGif(const std::string& path) {
    if (!picture_)
        return reportNoPicture("SaveGIF");
    const bitmap::GifWriter writer(*picture_);
    lastWriterResult_ = writer.save(path, true);
    if (lastWriterResult_ == 0)
        return 1;
    return report(CodecError::gifNotSaved, gifResultText(text::kGifSaveError, lastWriterResult_));
}

int Codec::savePng(const std::string& path) {
    if (!picture_)
        return reportNoPicture("SavePNG");
    if (!imageProc_.savePNG(path, *picture_))
        return reportCore(CodecError::pngNotSaved, imageProc_.lastError());
    return 1;
}

int Codec::savePngTransparentWhite(const std::string& path) {
    if (!picture_)
        return reportNoPicture("SavePNGTransparentWhite");
    if (!imageProc_.savePNGTransparentWhite(path, *picture_))
        return reportCore(CodecError::pngNotSaved, imageProc_.lastError());
    return 1;
}

int Codec::saveOneBitFile(std::string_view operation, const std::string& path,
                          std::span<const uint8_t> bytes) {
    const std::span<const uint8_t> pieces[] = {bytes};
    switch (bitmap::writeFileAtomically(path, pieces)) {
        case bitmap::WriteStatus::ok:
            return 1;
        case bitmap::WriteStatus::cannotOpen:
            return report(CodecError::oneBitFileNotSaved,
                          operationPrefix(operation) + std::string(text::kCannotOpen));
        case bitmap::WriteStatus::writeError:
            break;
    }
    return report(CodecError::oneBitFileNotSaved,
                  operationPrefix(operation) + std::string(text::kWriteError));
}

int Codec::savePbm(const std::string& path) {
    if (!picture_)
        return reportNoPicture("SavePBM");
    return saveOneBitFile("SavePBM", path, bitmap::encodePbm(picture_->view()));
}

int Codec::saveXbm(const std::string& path) {
    if (!picture_)
        return reportNoPicture("SaveXBM");
    const std::string text = bitmap::encodeXbm(picture_->view(), bitmap::identifierFromPath(path));
    return saveOneBitFile("SaveXBM", path,
                          {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

int Codec::saveCArray(const std::string& path) {
    if (!picture_)
        return reportNoPicture("SaveCArray");
    const std::string text =
        bitmap::encodeCArray(picture_->view(), bitmap::identifierFromPath(path), cArrayOptions_);
    return saveOneBitFile("SaveCArray", path,
                          {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

int Codec::saveAs(const std::string& path, const std::string& format, int refuseIfExists) {
    const PictureFormat* written = formatOfName(format);
    if (!written)
        return report(CodecError::unknownFormat,
                      operationPrefix("SaveAs") + std::string(text::kUnknownFileFormat) + format);
    if (refuseIfExists && bitmap::fileExists(path))
        return report(CodecError::cannotCreateFile,
                      operationPrefix("SaveAs") + std::string(text::kFileExists));
    if (!written->writable())
        return reportSavingNotSupported(format);
    return written->save(*this, path);
}

int Codec::makeUndoFile() {
    if (undoFile_.empty())
        return 1;
    // A name of no known format is written as GIF.
    const PictureFormat* format = formatOfPath(undoFile_);
    if (!format)
        format = formatByCode(kFormatGif);
    if (!format->writable() || !format->undoPicture)
        return report(CodecError::undoFormatNotWritable,
                      operationPrefix("MakeUndoFile") + std::string(text::kCannotSaveInFormat));
    return format->save(*this, undoFile_);
}

}  // namespace codec
