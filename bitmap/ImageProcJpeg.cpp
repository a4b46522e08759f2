// ImageProc's bridge to the codec library's JPEG decoder.
#include "bitmap/ImageProc.h"
#include "bitmap/Texts.h"
#include "carvello/core/GraphicsException.h"
#include "carvello/core/RasterImage.h"
#include "carvello/core/RasterOrientation.h"
#include "carvello/jpeg/JpegDecoder.h"

namespace bitmap {

std::optional<Dib> ImageProc::readJPEGFile(const std::string& path, int bitsPerPixel) {
    if (path.empty()) {
        fail(text::kReadJPEGFile, text::kCannotOpen);
        return std::nullopt;
    }
    Carvello::RasterImage image;
    try {
        Carvello::JpegDecoder decoder;
        decoder.setPixelLimit(static_cast<uint64_t>(pixelLimit_ > 0 ? pixelLimit_ : 1));
        decoder.readImageFile(path, image);
        // Camera pictures are stored as the sensor saw them: turned upright
        // here, the program and the command-line tool both show them so.
        Carvello::applyExifOrientation(image, decoder.orientation());
    } catch (const Carvello::GraphicsException& error) {
        fail(text::kReadJPEGFile, error.what());
        return std::nullopt;
    }

    BitmapInfoHeader header;
    header.biWidth = static_cast<int32_t>(image.width());
    header.biHeight = static_cast<int32_t>(image.height());
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = 0;
    header.biSizeImage = static_cast<uint32_t>(uint64_t{image.width()} * 4 * image.height());
    header.biXPelsPerMeter = 3790;
    header.biYPelsPerMeter = 3780;
    header.biClrUsed = 0;
    header.biClrImportant = 0;
    return changeBitmapFormatFrom32(header, image.pixels(), header.biWidth, header.biHeight,
                                    bitsPerPixel);
}

}  // namespace bitmap
