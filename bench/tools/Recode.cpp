// glyphon-recode IN OUT FORMAT: loads a picture as the program does (any
// format it reads, turned into its grey working picture) and saves it in
// FORMAT (bmp, wbmp, gif, png, png-trans) with the program's writers. It
// exists so the codec's whole path (process start, decoding, encoding, file
// writing) can be timed side by side with command-line peers such as djpeg,
// pngtopnm and pnmtopng, without the batch steps of glyphon-cli convert.
// FORMAT colour-bmp decodes a JPEG in colour instead (as where a colour
// picture is really needed), into the program's 24-bit picture, and writes
// it as a BMP.
#include <cstdio>
#include <string>

#include "bitmap/ImageProc.h"
#include "codec/Codec.h"
#include "codec/FailureText.h"

namespace {

// The program's colour path: the JPEG decoded into its 24 bpp picture,
// saved by its BMP writer.
int colourBmp(const char* in, const char* out) {
    bitmap::ImageProc proc;
    auto dib = proc.readJPEGFile(in, 24);
    if (!dib) {
        std::fprintf(stderr, "glyphon-recode: %s\n", proc.lastError().c_str());
        return 1;
    }
    if (!proc.saveBitmap(out, *dib)) {
        std::fprintf(stderr, "glyphon-recode: cannot write %s\n", out);
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
    codec::Codec codec;
    codec.setThrowException(false);
    const unsigned serial = codec.errorSerial();
    if (!codec.loadImageFile(argv[1]) || !codec.saveAs(argv[2], argv[3], 0)) {
        // A GIF that cannot be read reports no error of its own.
        std::fprintf(stderr, "glyphon-recode: %s\n", codec::failureText(codec, serial).c_str());
        return 1;
    }
    return 0;
}
