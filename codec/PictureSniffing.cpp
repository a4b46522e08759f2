#include "codec/PictureSniffing.h"

#include <algorithm>
#include <string_view>

#include "bitmap/ByteOrder.h"
#include "bitmap/formats/WBMPCoder.h"
#include "codec/DeclaredSize.h"

namespace codec::sniff {
namespace {

bool startsWith(std::span<const uint8_t> bytes, std::string_view text, size_t at = 0) {
    if (bytes.size() < at + text.size())
        return false;
    return std::equal(text.begin(), text.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at),
                      [](char c, uint8_t b) { return static_cast<uint8_t>(c) == b; });
}

int clampToInt(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, 0, INT32_MAX));
}

// The format with the size its header fields give.
Sniffed withHeaderSize(FormatCode format, std::span<const uint8_t> head) {
    const auto fields = headerFields(format, head);
    return fields ? Sniffed{format, clampToInt(fields->size.width), clampToInt(fields->size.height)}
                  : Sniffed{format, 0, 0};
}

}  // namespace

std::optional<Sniffed> bmp(std::span<const uint8_t> head, uint64_t) {
    if (!startsWith(head, "BM"))
        return std::nullopt;
    return withHeaderSize(kFormatBmp, head);
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
            return Sniffed{kFormatWbmp, clampToInt(int64_t{*width}), clampToInt(int64_t{*height})};
    }
    return Sniffed{kFormatUnknown, -1, -1};
}

// The start-of-image marker followed by any marker: JFIF, Exif, Adobe and
// plain streams alike. The size lies in the frame header, which may come
// after the first bytes (declaredHeader walks the file to it).
std::optional<Sniffed> jpeg(std::span<const uint8_t> head, uint64_t) {
    if (!startsWith(head, "\xFF\xD8\xFF") || head.size() < 4 || head[3] == 0x00)
        return std::nullopt;
    return Sniffed{kFormatJpeg, -1, -1};
}

std::optional<Sniffed> gif(std::span<const uint8_t> head, uint64_t) {
    if (!startsWith(head, "GIF87a") && !startsWith(head, "GIF89a"))
        return std::nullopt;
    return withHeaderSize(kFormatGif, head);
}

std::optional<Sniffed> png(std::span<const uint8_t> head, uint64_t) {
    if (!startsWith(head, "\x89PNG\r\n\x1A\n"))
        return std::nullopt;
    return withHeaderSize(kFormatPng, head);
}

}  // namespace codec::sniff
