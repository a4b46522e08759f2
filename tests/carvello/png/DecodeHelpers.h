#pragma once

#include <string>

#include "carvello/core/RasterImage.h"
#include "tests/carvello/png/PngTestFiles.h"

namespace pngtest {

// Decodes PNG bytes with the library decoder from memory. Returns "ok" or
// the kind of exception and its text: "bad: ..." (BadPngStream), "png: ..."
// (other PngError), "graphics: ...", "stream: ..." (InputByteStream),
// "inflate: ..." (PNGInflateDecoder).
std::string decodeOutcome(const Bytes& file, carvello::RasterImage& image);
std::string decodeOutcome(const Bytes& file);

}  // namespace pngtest
