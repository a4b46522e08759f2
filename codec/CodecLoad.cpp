// Loading pictures into the codec and recognising files by their content.
#include <algorithm>

#include "base/FileIO.h"
#include "base/TextFormat.h"
#include "bitmap/AlphaComposite.h"
#include "bitmap/bridges/PngFallbackReader.h"
#include "bitmap/gif/GifReader.h"
#include "codec/Codec.h"
#include "codec/DeclaredSize.h"
#include "codec/PictureFormats.h"
#include "codec/PictureName.h"
#include "codec/Texts.h"
#include "codec/url/SpooledInput.h"

namespace codec {

bool Codec::withinLimits(const PictureSize& size) const {
    return size.width <= bitmap::kMaxDimension && size.height <= bitmap::kMaxDimension &&
           size.pixels() <= maxPixels_;
}

int Codec::loadImage(const std::string& name, const std::string& localPath) {
    releasePicture();
    const PictureName target = classifyPictureName(name);
    if (target.kind == PictureName::Kind::url) {
        // A URL is not a missing file: only the download's own failure is
        // reported.
        std::string errorText;
        if (!loadFromUrl(name, localPath, errorText, showDownloadProgress_))
            return 0;
        return imageInfo();
    }
    if (!bitmap::pathExists(target.location))
        return report(
            CodecError::pictureNotFound,
            operationPrefix("LoadImage") + bitmap::formatText(text::kFileDoesNotExist, {name}));
    if (!loadImageFile(target.location))
        return 0;
    return imageInfo();
}

int Codec::loadImageFile(const std::string& name) {
    // The input is opened once: a pipe or /dev/stdin is read into a copy
    // that the header reader and the loader may both open.
    const auto input = SpooledInput::open(name);
    if (!input)
        return report(CodecError::cannotOpenFile, operationPrefix("ReadImageHeader") +
                                                      std::string(text::kCannotOpenForReading));
    const std::string& path = input->path();
    if (!readHeaderOf(path))
        return 0;
    // The name's extension decides what the content does not.
    const PictureFormat* format =
        fileFormat_.empty() ? formatOfPath(name) : formatOfName(fileFormat_);
    if (!format || !format->readable())
        return report(CodecError::unknownFormat,
                      operationPrefix("LoadImageFile") + std::string(text::kUnknownFormat));
    // A header that announces too large a picture is refused before its
    // decoder allocates anything; a picture that turns out larger than its
    // header said is refused once decoded.
    if (const auto size = declaredSize(format->code, path); size && !withinLimits(*size))
        return reportTooLarge("LoadImageFile", size->width, size->height);
    if (!format->load(*this, path))
        return 0;
    if (picture_ && !withinLimits(sourceSize())) {
        const PictureSize size = sourceSize();
        releasePicture();
        return reportTooLarge("LoadImageFile", size.width, size.height);
    }
    return 1;
}

int Codec::readImageHeader(const std::string& name) {
    const auto input = SpooledInput::open(name);
    if (!input)
        return report(CodecError::cannotOpenFile, operationPrefix("ReadImageHeader") +
                                                      std::string(text::kCannotOpenForReading));
    return readHeaderOf(input->path());
}

int Codec::readHeaderOf(const std::string& path) {
    const auto found = sniffFile(path);
    if (!found) {
        return report(CodecError::cannotOpenFile, operationPrefix("ReadImageHeader") +
                                                      std::string(text::kCannotOpenForReading));
    }
    fileFormat_ = std::string(formatName(found->format));
    imageWidth_ = found->width;
    imageHeight_ = found->height;
    declaredBits_ = 0;
    // The header's own fields, a JPEG's frame header included, where the
    // first bytes hold no size.
    if (const auto header = declaredHeader(found->format, path)) {
        imageWidth_ = static_cast<int>(std::min<int64_t>(header->size.width, INT32_MAX));
        imageHeight_ = static_cast<int>(std::min<int64_t>(header->size.height, INT32_MAX));
        declaredBits_ = header->bitsPerPixel;
    }
    return 1;
}

int Codec::loadBmp(const std::string& path) {
    releasePicture();
    auto read = imageProc_.loadBitmap(path);
    if (!read)
        return reportCore(CodecError::bmpNotLoaded, imageProc_.lastError());
    auto grey = imageProc_.changeBitmapFormatFromSimple(*read, 0, 0, 8);
    if (!grey)
        return reportCore(CodecError::bmpNotLoaded, imageProc_.lastError());
    replacePicture(std::move(grey));
    return 1;
}

int Codec::loadWbmp(const std::string& path) {
    if (!wbmp_.loadWBMP(path)) {
        if (wbmp_.lastError().empty())
            return report(CodecError::wbmpNotLoaded,
                          operationPrefix("LoadWBMP") + std::string(text::kUnrecognised));
        return reportCore(CodecError::wbmpNotLoaded, wbmp_.lastError());
    }
    return convertWbmpToBmp();
}

int Codec::convertWbmpToBmp() {
    if (!wbmpExists())
        return report(CodecError::noWbmp,
                      operationPrefix("ConvertWBMPToBMP") + std::string(text::kNoWbmp));
    releasePicture();
    auto mono = wbmp_.convWBMPToBMP();
    if (!mono)
        return reportCore(CodecError::wbmpToBmpFailed, wbmp_.lastError());
    auto grey = imageProc_.changeBitmapFormatFromSimple(*mono, 0, 0, 8);
    if (!grey)
        return report(CodecError::monochromeFailed,
                      operationPrefix("ConvertWBMPToBMP") + std::string(text::kTo8bppFailed));
    replacePicture(std::move(grey));
    return 1;
}

int Codec::loadJpegToBmp(const std::string& path, int bitCount) {
    releasePicture();
    // Reduced only for a resize that averages: keeping one pixel of many
    // would pick other pixels from a reduced picture.
    bitmap::JpegReduction reduction;
    const bool reduce = plannedResize_.has_value() && alwaysHalftone_;
    if (reduce) {
        const ResizeTarget target = *plannedResize_;
        reduction.neededSize = [target](int64_t width, int64_t height) {
            const auto size = resizedSize(target, width, height);
            return size ? bitmap::JpegNeededSize{size->width, size->height}
                        : bitmap::JpegNeededSize{};
        };
    }
    auto picture = imageProc_.readJPEGFile(path, bitCount, reduce ? &reduction : nullptr);
    if (!picture)
        return reportCore(CodecError::jpegNotLoaded, imageProc_.lastError());
    replacePicture(std::move(picture));
    if (reduction.denominator > 1)
        reducedFrom_ = PictureSize{reduction.fullWidth, reduction.fullHeight};
    return 1;
}

int Codec::loadGif(const std::string& path) {
    releasePicture();
    const auto file = bitmap::readWholeFile(path);
    if (file.status != bitmap::ReadStatus::ok)
        return report(CodecError::cannotOpenFile,
                      operationPrefix("LoadGIF") + std::string(text::kCannotOpenForReading));
    bitmap::DecodeLimits limits;
    limits.maxPixels = imageProc_.pixelLimit();
    bitmap::GifReader reader(file.bytes, limits);
    lastGifReadResult_ = reader.load();
    // A GIF that cannot be read fails without a report of its own; the
    // reader's code stays available in lastGifReadResult().
    if (lastGifReadResult_ != 0)
        return 0;
    auto frame = reader.takePicture();
    if (!frame)
        return 0;
    auto grey = imageProc_.changeBitmapFormatFromSimple(*frame, 0, 0, 8);
    if (!grey)
        return reportCore(CodecError::transformFailed, imageProc_.lastError());
    replacePicture(std::move(grey));
    return 1;
}

bool Codec::loadPngWithFallbackReader(const std::string& path) {
    bitmap::PngFallbackReader reader;
    int code = reader.open(path);
    if (code == 0)
        code = reader.readHeader();
    if (code == 0)
        code = reader.readImage();
    if (code != 0)
        return false;
    auto block = reader.makeBitmap();
    reader.close();
    if (!block || block->size() < bitmap::kInfoHeaderSize)
        return false;
    const auto header = bitmap::BitmapInfoHeader::parse(*block);
    const std::span<uint8_t> pixels = std::span(*block).subspan(bitmap::kInfoHeaderSize);
    // Transparent parts of the picture are shown on white paper.
    bitmap::compositeOverWhite(pixels);
    auto grey = imageProc_.changeBitmapFormatFrom32(header, pixels, 0, 0, 8);
    if (!grey)
        return false;
    replacePicture(std::move(grey));
    return true;
}

int Codec::loadPng(const std::string& path) {
    releasePicture();
    if (auto picture = imageProc_.readPNGFile(path)) {
        replacePicture(std::move(picture));
        return 1;
    }
    // The library decoder refused the file; libpng may still read it. Its
    // codes are not shown: the library decoder's message says what is wrong.
    const std::string libraryError = imageProc_.lastError();
    if (loadPngWithFallbackReader(path))
        return 1;
    return reportCore(CodecError::pngNotLoaded, libraryError);
}

}  // namespace codec
