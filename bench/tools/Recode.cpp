// glyphon-recode IN OUT FORMAT: loads a picture as the program does (any
// format it reads, turned into its grey working picture) and saves it in
// FORMAT (bmp, wbmp, gif, png, png-trans) with the program's writers. It
// exists so the codec's whole path (process start, decoding, encoding, file
// writing) can be timed side by side with command-line peers such as djpeg,
// pngtopnm and pnmtopng, without the batch steps of glyphon-cli convert.
// FORMAT colour-bmp decodes a JPEG in colour instead (as where a colour
// picture is really needed) and writes it as a 24-bit BMP.
#include <cstdio>
#include <cstring>
#include <string>

#include "bitmap/Dib.h"
#include "bitmap/ImageProc.h"
#include "carvello/core/GraphicsException.h"
#include "carvello/core/RasterImage.h"
#include "carvello/core/RasterOrientation.h"
#include "carvello/jpeg/JpegDecoder.h"
#include "codec/CCodec.h"
#include "codec/FailureText.h"

namespace {

// A 24-bit BMP of the picture, written by the program's BMP writer.
bool writeColourBmp(const Carvello::RasterImage& image, const char* path) {
    bitmap::BitmapInfoHeader header;
    header.biWidth = static_cast<int32_t>(image.width());
    header.biHeight = static_cast<int32_t>(image.height());
    header.biBitCount = 24;
    auto dib = bitmap::Dib::create(header);
    if (!dib)
        return false;
    for (uint32_t y = 0; y < image.height(); ++y) {
        const auto from = image.row(y);
        const auto to = dib->view().row(static_cast<int>(y));
        for (uint32_t x = 0; x < image.width(); ++x)
            std::memcpy(&to[size_t{x} * 3], &from[size_t{x} * 4], 3);
    }
    return bitmap::ImageProc().saveBitmap(path, *dib);
}

int colourBmp(const char* in, const char* out) {
    try {
        Carvello::RasterImage image;
        Carvello::JpegDecoder decoder;
        decoder.readImageFile(in, image);
        Carvello::applyExifOrientation(image, decoder.orientation());
        if (!writeColourBmp(image, out)) {
            std::fprintf(stderr, "glyphon-recode: cannot write %s\n", out);
            return 1;
        }
    } catch (const Carvello::GraphicsException& error) {
        std::fprintf(stderr, "glyphon-recode: %s\n", error.what());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: glyphon-recode IN OUT FORMAT\n");
        return 2;
    }
    if (std::string(argv[3]) == "colour-bmp")
        return colourBmp(argv[1], argv[2]);
    codec::CCodec codec;
    codec.setThrowException(false);
    const unsigned serial = codec.errorSerial();
    if (!codec.LoadImageFile(argv[1]) || !codec.SaveAs(argv[2], argv[3], 0)) {
        // A GIF that cannot be read reports no error of its own.
        std::fprintf(stderr, "glyphon-recode: %s\n", codec::failureText(codec, serial).c_str());
        return 1;
    }
    return 0;
}
