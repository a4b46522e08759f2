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
#include <fstream>
#include <string>
#include <vector>

#include "carvello/core/GraphicsException.h"
#include "carvello/core/RasterImage.h"
#include "carvello/core/RasterOrientation.h"
#include "carvello/jpeg/JpegDecoder.h"
#include "codec/CCodec.h"
#include "codec/FailureText.h"

namespace {

void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// A 24-bit bottom-up BMP of the picture.
bool writeColourBmp(const Carvello::RasterImage& image, const char* path) {
    const uint32_t width = image.width();
    const uint32_t height = image.height();
    const uint32_t stride = (width * 3 + 3) & ~3u;
    std::vector<uint8_t> head;
    head.push_back('B');
    head.push_back('M');
    put32(head, 54 + stride * height);
    put32(head, 0);
    put32(head, 54);
    put32(head, 40);
    put32(head, width);
    put32(head, height);
    put16(head, 1);
    put16(head, 24);
    put32(head, 0);
    put32(head, stride * height);
    put32(head, 2835);
    put32(head, 2835);
    put32(head, 0);
    put32(head, 0);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(head.data()),
              static_cast<std::streamsize>(head.size()));
    std::vector<uint8_t> row(stride, 0);
    for (uint32_t y = height; y-- > 0;) {
        const auto pixels = image.row(y);
        for (uint32_t x = 0; x < width; ++x)
            std::memcpy(&row[size_t{x} * 3], &pixels[size_t{x} * 4], 3);
        out.write(reinterpret_cast<const char*>(row.data()), stride);
    }
    return static_cast<bool>(out);
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
