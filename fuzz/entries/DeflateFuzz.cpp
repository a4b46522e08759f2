// Fuzz work for the deflate encoder: the first byte picks the level (0 to 3),
// the rest is compressed, split at points the input also chooses, and must
// come back unchanged through zlib's inflate and through our own.
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <span>
#include <vector>

#include "carvello/core/BufferedByteStream.h"
#include "carvello/zlib/Checksums.h"
#include "carvello/zlib/DeflateEncoder.h"
#include "carvello/zlib/InflateDecoder.h"
#include "fuzz/entries/FuzzEntries.h"

namespace fuzzing {
namespace {

class Collect : public carvello::DeflateOutput {
public:
    void putBytes(std::span<const uint8_t> b) override {
        bytes.insert(bytes.end(), b.begin(), b.end());
    }
    std::vector<uint8_t> bytes;
};

void checkWithZlib(const std::vector<uint8_t>& stream, std::span<const uint8_t> input) {
    std::vector<uint8_t> out(input.size() + 1);
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        std::abort();
    z.next_in = const_cast<Bytef*>(stream.data());
    z.avail_in = static_cast<uInt>(stream.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    const int status = inflate(&z, Z_FINISH);
    const size_t produced = out.size() - z.avail_out;
    const bool everythingUsed = z.avail_in == 0;
    inflateEnd(&z);
    if (status != Z_STREAM_END || !everythingUsed || produced != input.size() ||
        !std::equal(input.begin(), input.end(), out.begin()))
        std::abort();
}

void checkWithOurInflate(const std::vector<uint8_t>& stream, std::span<const uint8_t> input) {
    carvello::BufferedByteStream source(stream);
    carvello::PNGInflateDecoder inflate;
    std::vector<uint8_t> out(input.size());
    try {
        inflate.openStream(source);
        inflate.decompress(source, out);
    } catch (...) {
        std::abort();
    }
    if (!std::equal(input.begin(), input.end(), out.begin()))
        std::abort();
    if (inflate.adler32() != carvello::updateAdler32(1, input))
        std::abort();
}

}  // namespace

void fuzzDeflateRoundTrip(const uint8_t* data, size_t size) {
    if (size == 0)
        return;
    const int level = data[0] & 3;
    const std::span<const uint8_t> input(data + 1, size - 1);

    const std::vector<uint8_t> whole = carvello::deflateToZlib(input, level);
    checkWithZlib(whole, input);
    checkWithOurInflate(whole, input);

    // The same bytes in pieces (sizes taken from the second input byte)
    // must give the same stream.
    const size_t piece = size > 1 ? size_t{data[1]} * 7 + 1 : 1;
    Collect pieces;
    carvello::PNGDeflateEncoder encoder;
    encoder.setCompressionLevel(level);
    encoder.begin(pieces);
    for (size_t at = 0; at < input.size(); at += piece)
        encoder.compress(pieces, input.subspan(at, std::min(piece, input.size() - at)));
    encoder.finish(pieces);
    if (pieces.bytes != whole)
        std::abort();
}

}  // namespace fuzzing
