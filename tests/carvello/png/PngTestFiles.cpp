#include "tests/carvello/png/PngTestFiles.h"

#include <stdexcept>

#include "carvello/zlib/Checksums.h"
#include "support/TestSupport.h"

namespace pngtest {

void append(Bytes& to, std::span<const uint8_t> bytes) {
    to.insert(to.end(), bytes.begin(), bytes.end());
}

Bytes bytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

namespace {
void put32(Bytes& to, uint32_t v) {
    to.push_back(static_cast<uint8_t>(v >> 24));
    to.push_back(static_cast<uint8_t>(v >> 16));
    to.push_back(static_cast<uint8_t>(v >> 8));
    to.push_back(static_cast<uint8_t>(v));
}
}  // namespace

Bytes chunk(std::string_view type, std::span<const uint8_t> data, bool badCrc) {
    Bytes out;
    put32(out, static_cast<uint32_t>(data.size()));
    Bytes typeAndData = bytesOf(type);
    append(typeAndData, data);
    append(out, typeAndData);
    uint32_t crc = carvello::updateCrc32(0, typeAndData);
    put32(out, badCrc ? crc ^ 1 : crc);
    return out;
}

Bytes ihdr(uint32_t width, uint32_t height, uint8_t depth, uint8_t colorType, uint8_t interlace) {
    Bytes data;
    put32(data, width);
    put32(data, height);
    data.insert(data.end(), {depth, colorType, 0, 0, interlace});
    return chunk("IHDR", data);
}

Bytes signature() {
    return {137, 80, 78, 71, 13, 10, 26, 10};
}

Bytes zlibStored(std::span<const uint8_t> bytes) {
    Bytes out = {0x78, 0x01};
    size_t at = 0;
    do {
        const size_t n = std::min<size_t>(65535, bytes.size() - at);
        const bool last = at + n == bytes.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<uint8_t>(n));
        out.push_back(static_cast<uint8_t>(n >> 8));
        out.push_back(static_cast<uint8_t>(~n));
        out.push_back(static_cast<uint8_t>(~n >> 8));
        out.insert(out.end(), bytes.begin() + at, bytes.begin() + at + n);
        at += n;
    } while (at < bytes.size());
    put32(out, carvello::updateAdler32(1, bytes));
    return out;
}

Bytes zlibCompress(std::span<const uint8_t> bytes, int level, int strategy) {
    testing_support::TempDir dir;
    testing_support::writeFile(dir.file("in"), bytes);
    const std::string script =
        "import sys,zlib\n"
        "d=open(sys.argv[1],'rb').read()\n"
        "c=zlib.compressobj(int(sys.argv[3]),zlib.DEFLATED,15,9,int(sys.argv[4]))\n"
        "open(sys.argv[2],'wb').write(c.compress(d)+c.flush())\n";
    testing_support::writeFile(dir.file("z.py"), script);
    const auto result = testing_support::runCommand(
        "python3 " + testing_support::quote(dir.file("z.py")) + " " +
        testing_support::quote(dir.file("in")) + " " + testing_support::quote(dir.file("out")) +
        " " + std::to_string(level) + " " + std::to_string(strategy));
    if (result.exitCode != 0)
        throw std::runtime_error("python3 zlib failed: " + result.err);
    return testing_support::readFile(dir.file("out"));
}

Bytes unfilteredRows(std::span<const uint8_t> pixels, size_t rowBytes) {
    Bytes out;
    for (size_t at = 0; at < pixels.size(); at += rowBytes) {
        out.push_back(0);
        out.insert(out.end(), pixels.begin() + at, pixels.begin() + at + rowBytes);
    }
    return out;
}

Bytes pngFile(const Bytes& header, const Bytes& zlibData, const Bytes& beforeData,
              const Bytes& afterData) {
    Bytes out = signature();
    append(out, header);
    append(out, beforeData);
    append(out, chunk("IDAT", zlibData));
    append(out, afterData);
    append(out, chunk("IEND", {}));
    return out;
}

void BitWriter::bits(uint32_t value, unsigned count) {
    for (unsigned i = 0; i < count; ++i) {
        current_ |= ((value >> i) & 1u) << used_;
        if (++used_ == 8) {
            bytes_.push_back(static_cast<uint8_t>(current_));
            current_ = 0;
            used_ = 0;
        }
    }
}

void BitWriter::code(uint32_t code, unsigned length) {
    for (unsigned i = length; i-- > 0;)
        bits((code >> i) & 1u, 1);
}

Bytes BitWriter::finish() {
    Bytes out = bytes_;
    if (used_ > 0)
        out.push_back(static_cast<uint8_t>(current_));
    return out;
}

std::string suiteFolder() {
    return testing_support::sourceDir() + "/tests/data/pngsuite/png";
}

}  // namespace pngtest
