#pragma once

#include <cstddef>
#include <cstdint>

// One function per fuzz target. Each takes arbitrary bytes, runs them
// through a decoder and must return without crashing or touching memory
// outside its buffers.
namespace fuzzing {

void fuzzBmp(const uint8_t* data, size_t size);
void fuzzWbmp(const uint8_t* data, size_t size);
void fuzzGif(const uint8_t* data, size_t size);
void fuzzJpeg(const uint8_t* data, size_t size);
// PNG files through the library's decoder, and bare zlib streams through
// its inflate decoder.
void fuzzPng(const uint8_t* data, size_t size);
void fuzzInflate(const uint8_t* data, size_t size);
// Any file through the codec's loader, as a user's file would go.
void fuzzCodecLoad(const uint8_t* data, size_t size);
// The first byte picks a compression level, the rest is compressed by our
// deflate encoder and must come back unchanged through zlib and our inflate.
void fuzzDeflateRoundTrip(const uint8_t* data, size_t size);
// BMP file bytes taken as the image document's picture.
void fuzzDocumentDib(const uint8_t* data, size_t size);

}  // namespace fuzzing
