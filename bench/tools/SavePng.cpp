// glyphon-save-png IN OUT: loads a picture as the program does (any format it
// reads, turned into its grey working picture) and saves it with the
// program's PNG writer. It exists so the whole save path (process start,
// load, PNG encoding, file writing) can be timed side by side with
// command-line encoders such as pnmtopng.
#include <cstdio>

#include "codec/CCodec.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: glyphon-save-png IN OUT\n");
        return 2;
    }
    codec::CCodec codec;
    codec.setThrowException(false);
    if (!codec.LoadImageFile(argv[1]) || !codec.SavePNG(argv[2])) {
        std::fprintf(stderr, "glyphon-save-png: %s\n", codec.errordescription().c_str());
        return 1;
    }
    return 0;
}
