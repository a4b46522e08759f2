#include "carvello/jpeg/JpegExif.h"

#include <algorithm>
#include <array>
#include <optional>

namespace carvello {

namespace {

constexpr std::array<uint8_t, 6> kExifHeader = {'E', 'x', 'i', 'f', 0, 0};
constexpr uint16_t kOrientationTag = 0x0112;
constexpr uint16_t kShortType = 3;
constexpr size_t kEntrySize = 12;

// Reads the TIFF structure inside the segment in its byte order.
class TiffReader {
public:
    TiffReader(std::span<const uint8_t> bytes, bool bigEndian)
        : bytes_(bytes), bigEndian_(bigEndian) {}

    std::optional<uint32_t> read(uint64_t at, int size) const {
        if (at + static_cast<uint64_t>(size) > bytes_.size())
            return std::nullopt;
        uint32_t value = 0;
        for (int i = 0; i < size; ++i) {
            const int shift = bigEndian_ ? 8 * (size - 1 - i) : 8 * i;
            value |= uint32_t{bytes_[static_cast<size_t>(at) + static_cast<size_t>(i)]} << shift;
        }
        return value;
    }

private:
    std::span<const uint8_t> bytes_;
    bool bigEndian_;
};

}  // namespace

int exifOrientation(std::span<const uint8_t> segment) {
    if (segment.size() < kExifHeader.size() + 8 ||
        !std::equal(kExifHeader.begin(), kExifHeader.end(), segment.begin()))
        return 0;
    const std::span<const uint8_t> tiff = segment.subspan(kExifHeader.size());
    bool bigEndian = false;
    if (tiff[0] == 'M' && tiff[1] == 'M')
        bigEndian = true;
    else if (tiff[0] != 'I' || tiff[1] != 'I')
        return 0;
    const TiffReader reader(tiff, bigEndian);
    if (reader.read(2, 2) != 42u)
        return 0;
    const auto directory = reader.read(4, 4);
    const auto count = directory ? reader.read(*directory, 2) : std::nullopt;
    if (!count)
        return 0;
    for (uint32_t i = 0; i < *count; ++i) {
        const uint64_t entry = uint64_t{*directory} + 2 + uint64_t{i} * kEntrySize;
        const auto tag = reader.read(entry, 2);
        if (!tag)
            return 0;
        if (*tag != kOrientationTag)
            continue;
        const auto value = reader.read(entry + 8, 2);
        if (reader.read(entry + 2, 2) != kShortType || reader.read(entry + 4, 4) < 1u || !value ||
            *value < 1 || *value > 8)
            return 0;
        return static_cast<int>(*value);
    }
    return 0;
}

}  // namespace carvello
