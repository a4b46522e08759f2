// glyphon-recode IN OUT FORMAT: loads a picture as the program does (any
// format it reads, turned into its grey working picture) and saves it in
// FORMAT (bmp, wbmp, gif, png, png-trans) with the program's writers. It
// exists so the codec's whole path (process start, decoding, encoding, file
// writing) can be timed side by side with command-line peers such as djpeg,
// pngtopnm and pnmtopng, without the batch steps of glyphon-cli convert.
// FORMAT colour-bmp decodes a JPEG in colour instead (as where a colour
// picture is really needed), into the program's 24-bit picture, and writes
// it as a BMP. The codec's messages speak the language glyphon-cli speaks:
// the environment's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), or --lang cs|en.
#include <cstdio>
#include <string>
#include <vector>

#include "app/core/ProgramLanguage.h"
#include "base/Language.h"
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
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string languageError;
    const auto chosen = bitmap::takeLanguageOption(args, languageError);
    if (!languageError.empty() || args.size() != 3) {
        if (!languageError.empty())
            std::fprintf(stderr, "glyphon-recode: %s\n", languageError.c_str());
        std::fprintf(stderr, "usage: glyphon-recode [--lang cs|en] IN OUT FORMAT\n");
        return 2;
    }
    const bitmap::Language language = chosen.value_or(bitmap::languageFromEnvironment());
    if (language != app::programLanguage())
        app::useLanguage(language);
    const char* in = args[0].c_str();
    const char* out = args[1].c_str();
    if (args[2] == "colour-bmp")
        return colourBmp(in, out);
    codec::Codec codec;
    codec.setThrowException(false);
    const unsigned serial = codec.errorSerial();
    if (!codec.loadImageFile(in) || !codec.saveAs(out, args[2], 0)) {
        // A GIF that cannot be read reports no error of its own.
        std::fprintf(stderr, "glyphon-recode: %s\n", codec::failureText(codec, serial).c_str());
        return 1;
    }
    return 0;
}
