// Loading pictures into the codec and recognising files by their content.
#include <sys/stat.h>

#include <algorithm>

#include "bitmap/AlphaComposite.h"
#include "bitmap/ByteOrder.h"
#include "bitmap/FileIO.h"
#include "bitmap/GifReader.h"
#include "bitmap/PngFallbackReader.h"
#include "codec/CCodec.h"
#include "codec/CodecMessages.h"
#include "codec/FormatCodes.h"
#include "codec/PictureName.h"

namespace codec {
namespace {

constexpr size_t kHeaderProbeBytes = 1024;

bool startsWith(std::span<const uint8_t> bytes, std::string_view text, size_t at = 0) {
    if (bytes.size() < at + text.size())
        return false;
    return std::equal(text.begin(), text.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at),
                      [](char c, uint8_t b) { return static_cast<uint8_t>(c) == b; });
}

struct Recognised {
    std::string_view format;  // empty when not recognised
    int width = 0;
    int height = 0;
};

// A WBMP has no signature: its first two bytes are 0 and its length must be
// exactly the header plus the rows its dimensions call for.
Recognised recogniseWbmp(std::span<const uint8_t> head, uint64_t fileLength) {
    size_t at = 2;
    const auto width = bitmap::decodeWbmpInteger(head, at);
    const auto height = width ? bitmap::decodeWbmpInteger(head, at) : std::nullopt;
    if (width && height) {
        const uint64_t rows = (uint64_t{*width} + 7) / 8 * uint64_t{*height};
        if (fileLength >= at && fileLength - at == rows)
            return {"wbmp", static_cast<int>(std::min<uint32_t>(*width, INT32_MAX)),
                    static_cast<int>(std::min<uint32_t>(*height, INT32_MAX))};
    }
    return {"", -1, -1};
}

Recognised recognise(std::span<const uint8_t> head, uint64_t fileLength) {
    if (startsWith(head, "GIF87a") || startsWith(head, "GIF89a"))
        return {"gif", bitmap::readLe16(head, 6), bitmap::readLe16(head, 8)};
    if (startsWith(head, "BM"))
        return {"bmp", bitmap::readLeI32(head, 18), bitmap::readLeI32(head, 22)};
    if (startsWith(head, "\xFF\xD8\xFF\xE0") && startsWith(head, "JFIF", 6))
        return {"jpg", -1, -1};
    if (startsWith(head, "\x89PNG\r\n\x1A\n")) {
        return {"png", static_cast<int>(bitmap::readBe32(head, 16)),
                static_cast<int>(bitmap::readBe32(head, 20))};
    }
    if (fileLength >= 2 && head[0] == 0 && head[1] == 0)
        return recogniseWbmp(head, fileLength);
    return {"", 0, 0};
}

}  // namespace

int CCodec::LoadImage(const std::string& name, const std::string& localPath) {
    releasePicture();
    const PictureName target = classifyPictureName(name);
    if (target.kind == PictureName::Kind::url) {
        // A URL is not a missing file: only the download's own failure is
        // reported.
        std::string errorText;
        if (!LoadFromURL(name, localPath, errorText, showDownloadProgress_))
            return 0;
        return ImageInfo();
    }
    if (!bitmap::pathExists(target.location))
        return report(
            15, operationPrefix("LoadImage") + msg::fillIn(msg::kFileDoesNotExist, "%s", name));
    if (!LoadImageFile(target.location))
        return 0;
    return ImageInfo();
}

int CCodec::LoadImageFile(const std::string& path) {
    if (!ReadImageHeader(path))
        return 0;
    const int code = fileFormat_.empty() ? formatCodeOf(path) : formatCodeOfName(fileFormat_);
    switch (code) {
        case kFormatBmp:
            return LoadBmp(path);
        case kFormatWbmp:
            return LoadWBMP(path);
        case kFormatJpeg:
            return LoadJPEGToBMP(path, 8);
        case kFormatGif:
            return LoadGIF(path);
        case kFormatPng:
        case kFormatPngTransparent:
            return LoadPNG(path);
        default:
            return report(21, operationPrefix("LoadImageFile") + std::string(msg::kUnknownFormat));
    }
}

int CCodec::ReadImageHeader(const std::string& path) {
    const auto head = bitmap::readFilePrefix(path, kHeaderProbeBytes);
    struct stat st {};
    if (!head || ::stat(path.c_str(), &st) != 0) {
        return report(25,
                      operationPrefix("ReadImageHeader") + std::string(msg::kCannotOpenForReading));
    }
    imageWidth_ = 0;
    imageHeight_ = 0;
    // The probe is read into a zeroed buffer of full size, so fixed-offset
    // fields past the end of a short file read as 0.
    std::vector<uint8_t> buffer(kHeaderProbeBytes, 0);
    std::copy(head->begin(), head->end(), buffer.begin());
    const Recognised found = recognise(buffer, static_cast<uint64_t>(st.st_size));
    fileFormat_ = std::string(found.format);
    imageWidth_ = found.width;
    imageHeight_ = found.height;
    return 1;
}

int CCodec::LoadBmp(const std::string& path) {
    releasePicture();
    auto read = imageProc_.loadBitmap(path);
    if (!read)
        return reportCore(3, imageProc_.lastError());
    auto grey = imageProc_.changeBitmapFormatFromSimple(*read, 0, 0, 8);
    if (!grey)
        return reportCore(3, imageProc_.lastError());
    replacePicture(std::move(grey));
    return 1;
}

int CCodec::LoadWBMP(const std::string& path) {
    if (!wbmp_.loadWBMP(path)) {
        if (wbmp_.lastError().empty())
            return report(4, operationPrefix("LoadWBMP") + std::string(msg::kUnrecognised));
        return reportCore(4, wbmp_.lastError());
    }
    return ConvertWBMPToBMP();
}

int CCodec::ConvertWBMPToBMP() {
    if (!WBMPExists())
        return report(8, operationPrefix("ConvertWBMPToBMP") + std::string(msg::kNoWbmp));
    releasePicture();
    auto mono = wbmp_.convWBMPToBMP();
    if (!mono)
        return reportCore(11, wbmp_.lastError());
    auto grey = imageProc_.changeBitmapFormatFromSimple(*mono, 0, 0, 8);
    if (!grey)
        return report(14, operationPrefix("ConvertWBMPToBMP") + std::string(msg::kTo8bppFailed));
    replacePicture(std::move(grey));
    return 1;
}

int CCodec::LoadJPEGToBMP(const std::string& path, int bitCount) {
    releasePicture();
    auto picture = imageProc_.readJPEGFile(path, bitCount);
    if (!picture)
        return reportCore(5, imageProc_.lastError());
    replacePicture(std::move(picture));
    return 1;
}

int CCodec::LoadGIF(const std::string& path) {
    releasePicture();
    const auto file = bitmap::readWholeFile(path);
    if (file.status != bitmap::ReadStatus::ok)
        return report(25, operationPrefix("LoadGIF") + std::string(msg::kCannotOpenForReading));
    bitmap::GifReader reader(file.bytes);
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
        return reportCore(13, imageProc_.lastError());
    replacePicture(std::move(grey));
    return 1;
}

bool CCodec::loadPngWithFallbackReader(const std::string& path) {
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

int CCodec::LoadPNG(const std::string& path) {
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
    return reportCore(26, libraryError);
}

}  // namespace codec
