// glyphon-recode IN OUT FORMAT: loads a picture as the program does (any
// format it reads, turned into its grey working picture) and saves it in
// FORMAT (bmp, wbmp, gif, png, png-trans) with the program's writers. It
// exists so the codec's whole path (process start, decoding, encoding, file
// writing) can be timed side by side with command-line peers such as djpeg,
// pngtopnm and pnmtopng, without the batch steps of glyphon-cli convert.
#include <cstdio>

#include "codec/CCodec.h"
#include "codec/FailureText.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: glyphon-recode IN OUT FORMAT\n");
        return 2;
    }
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
