#include "codec/PictureSniffing.h"

#include <algorithm>
#include <string_view>

#include "bitmap/ByteOrder.h"
#include "bitmap/formats/WBMPCoder.h"

namespace codec::sniff {
namespace {

bool startsWith(std::span<const uint8_t> bytes, std::string_view text, size_t at = 0) {
    if (bytes.size() < at + text.size())
        return false;
    return std::equal(text.begin(), text.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at),
                      [](char c, uint8_t b) { return static_cast<uint8_t>(c) == b; });
}

int clampToInt(uint32_t value) {
    return static_cast<int>(std::min<uint32_t>(value, INT32_MAX));
}

}  // namespace

std::optional<Sniffed> bmp(std::span<const uint8_t> head, uint64_t) {
    if (!startsWith(head, "BM"))
        return std::nullopt;
    return Sniffed{kFormatBmp, bitmap::readLeI32(head, 18), bitmap::readLeI32(head, 22)};
}

// A WBMP has no signature: its first two bytes are 0 and its length must be
// exactly the header plus the rows its dimensions call for. Two zero bytes
// with any other length are no picture.
std::optional<Sniffed> wbmp(std::span<const uint8_t> head, uint64_t fileLength) {
    if (fileLength < 2 || head.size() < 2 || head[0] != 0 || head[1] != 0)
        return std::nullopt;
    size_t at = 2;
    const auto width = bitmap::decodeWbmpInteger(head, at);
    const auto height = width ? bitmap::decodeWbmpInteger(head, at) : std::nullopt;
    if (width && height) {
        const uint64_t rows = (uint64_t{*width} + 7) / 8 * uint64_t{*height};
        if (fileLength >= at && fileLength - at == rows)
            return Sniffed{kFormatWbmp, clampToInt(*width), clampToInt(*height)};
    }
    return Sniffed{kFormatUnknown, -1, -1};
}

// The start-of-image marker followed by any marker: JFIF, Exif, Adobe and
// plain streams alike. The size is not read from the header.
std::optional<Sniffed> jpeg(std::span<const uint8_t> head, uint64_t) {
    if (!startsWith(head, "\xFF\xD8\xFF") || head.size() < 4 || head[3] == 0x00)
        return std::nullopt;
    return Sniffed{kFormatJpeg, -1, -1};
}

std::optional<Sniffed> gif(std::span<const uint8_t> head, uint64_t) {
    if (!startsWith(head, "GIF87a") && !startsWith(head, "GIF89a"))
        return std::nullopt;
    return Sniffed{kFormatGif, bitmap::readLe16(head, 6), bitmap::readLe16(head, 8)};
}

std::optional<Sniffed> png(std::span<const uint8_t> head, uint64_t) {
    if (!startsWith(head, "\x89PNG\r\n\x1A\n"))
        return std::nullopt;
    return Sniffed{kFormatPng, static_cast<int>(bitmap::readBe32(head, 16)),
                   static_cast<int>(bitmap::readBe32(head, 20))};
}

}  // namespace codec::sniff
