#include "codec/DeclaredSize.h"

#include <array>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "base/FileIO.h"
#include "bitmap/ByteOrder.h"
#include "bitmap/formats/WBMPCoder.h"
#include "codec/PictureFormats.h"

namespace codec {
namespace {

// Enough for every header read here but the JPEG's.
constexpr size_t kHeaderBytes = 32;

std::optional<DeclaredHeader> bmpFields(std::span<const uint8_t> head) {
    if (head.size() < 26)
        return std::nullopt;
    // The old OS/2 core header keeps 16-bit sizes; every later one 32-bit
    // sizes, with a negative height for rows stored top row first.
    if (bitmap::readLe32(head, 14) == 12)
        return DeclaredHeader{{bitmap::readLe16(head, 18), bitmap::readLe16(head, 20)},
                              bitmap::readLe16(head, 24)};
    return DeclaredHeader{
        {std::llabs(bitmap::readLeI32(head, 18)), std::llabs(bitmap::readLeI32(head, 22))},
        head.size() >= 30 ? bitmap::readLe16(head, 28) : 0};
}

// The colour table's bits when the file has a global one, else the colour
// resolution the screen descriptor gives.
std::optional<DeclaredHeader> gifFields(std::span<const uint8_t> head) {
    if (head.size() < 11)
        return std::nullopt;
    const uint8_t packed = head[10];
    const int bits = (packed & 0x80) != 0 ? (packed & 7) + 1 : ((packed >> 4) & 7) + 1;
    return DeclaredHeader{{bitmap::readLe16(head, 6), bitmap::readLe16(head, 8)}, bits};
}

std::optional<DeclaredHeader> pngFields(std::span<const uint8_t> head) {
    if (head.size() < 26)
        return std::nullopt;
    int channels = 0;  // 0 for a colour type that does not exist
    switch (head[25]) {
        case 0:  // grey
        case 3:  // palette
            channels = 1;
            break;
        case 2:
            channels = 3;
            break;
        case 4:
            channels = 2;
            break;
        case 6:
            channels = 4;
            break;
        default:
            break;
    }
    return DeclaredHeader{{bitmap::readBe32(head, 16), bitmap::readBe32(head, 20)},
                          head[24] * channels};
}

std::optional<DeclaredHeader> wbmpFields(std::span<const uint8_t> head) {
    size_t at = 2;
    const auto width = bitmap::decodeWbmpInteger(head, at);
    const auto height = width ? bitmap::decodeWbmpInteger(head, at) : std::nullopt;
    if (!width || !height)
        return std::nullopt;
    return DeclaredHeader{{*width, *height}, 1};
}

bool isFrameMarker(int marker) {
    // SOF0..SOF15 less DHT (C4), JPG (C8) and DAC (CC).
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Walks the segments from the start of the image to the first frame
// header. Each step moves forward, so a file of any content ends the walk.
std::optional<DeclaredHeader> jpegHeader(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (in.get() != 0xFF || in.get() != 0xD8)
        return std::nullopt;
    for (;;) {
        int marker = in.get();
        while (marker != EOF && marker != 0xFF)
            marker = in.get();  // bytes between segments
        while (marker == 0xFF)
            marker = in.get();  // fill bytes
        if (marker == EOF || marker == 0xD9 || marker == 0xDA)
            return std::nullopt;  // no frame before the picture data
        if ((marker >= 0xD0 && marker <= 0xD8) || marker == 0x01)
            continue;  // markers without a segment
        std::array<char, 6> field{};
        if (!in.read(field.data(), 2))
            return std::nullopt;
        const int length = (static_cast<uint8_t>(field[0]) << 8) | static_cast<uint8_t>(field[1]);
        if (length < 2)
            return std::nullopt;
        if (isFrameMarker(marker)) {
            // precision, height, width, components
            if (length < 8 || !in.read(field.data(), 6))
                return std::nullopt;
            const auto byte = [&](int i) { return static_cast<uint8_t>(field[i]); };
            return DeclaredHeader{{(byte(3) << 8) | byte(4), (byte(1) << 8) | byte(2)},
                                  byte(0) * byte(5)};
        }
        // A segment that ends inside the bytes read already is passed over
        // in them: seeking would drop them and read the file again.
        const std::streamsize rest = length - 2;
        if (rest <= in.rdbuf()->in_avail())
            in.ignore(rest);
        else if (!in.seekg(rest, std::ios::cur))
            return std::nullopt;
    }
}

}  // namespace

std::optional<DeclaredHeader> headerFields(int formatCode, std::span<const uint8_t> head) {
    switch (formatCode) {
        case kFormatBmp:
            return bmpFields(head);
        case kFormatWbmp:
            return wbmpFields(head);
        case kFormatGif:
            return gifFields(head);
        case kFormatPng:
        case kFormatPngTransparent:
            return pngFields(head);
        default:
            return std::nullopt;
    }
}

std::optional<DeclaredHeader> declaredHeader(int formatCode, const std::string& path) {
    if (formatCode == kFormatJpeg)
        return jpegHeader(path);
    const auto head = bitmap::readFilePrefix(path, kHeaderBytes);
    if (!head)
        return std::nullopt;
    return headerFields(formatCode, *head);
}

std::optional<PictureSize> declaredSize(int formatCode, const std::string& path) {
    const auto header = declaredHeader(formatCode, path);
    return header ? std::optional<PictureSize>(header->size) : std::nullopt;
}

}  // namespace codec
