#include "app/ui/view/DibImage.h"

#include <bit>

#include "app/core/ClipboardDib.h"
#include "app/core/PackedDib.h"
#include "bitmap/ByteOrder.h"
#include "bitmap/Dib.h"

namespace app::ui {
namespace {

constexpr uint32_t kPlainRows = 0;
constexpr uint32_t kBitFields = 3;
constexpr size_t kMaskOffset = 40;  // masks follow the 40-byte header fields

// One colour channel held under a bit mask, widened to 8 bits.
class Channel {
public:
    explicit Channel(uint32_t mask)
        : mask_(mask),
          shift_(mask == 0 ? 0 : std::countr_zero(mask)),
          maximum_(mask == 0 ? 0 : (uint64_t{mask} >> shift_)) {}

    int value(uint32_t pixel) const {
        if (maximum_ == 0)
            return 0;
        const uint64_t raw = (uint64_t{pixel & mask_} >> shift_);
        return static_cast<int>(std::min<uint64_t>(255, raw * 255 / maximum_));
    }

private:
    uint32_t mask_;
    int shift_;
    uint64_t maximum_;
};

struct Masks {
    uint32_t red = 0;
    uint32_t green = 0;
    uint32_t blue = 0;
};

std::optional<Masks> masksOf(std::span<const uint8_t> dib, const PackedDibInfo& info) {
    if (info.compression == kPlainRows) {
        if (info.bitCount == 16)
            return Masks{0x7C00, 0x03E0, 0x001F};
        return Masks{0xFF0000, 0x00FF00, 0x0000FF};
    }
    if (info.compression != kBitFields || info.headerSize < bitmap::kInfoHeaderSize ||
        dib.size() < kMaskOffset + 12)
        return std::nullopt;
    return Masks{bitmap::readLe32(dib, kMaskOffset), bitmap::readLe32(dib, kMaskOffset + 4),
                 bitmap::readLe32(dib, kMaskOffset + 8)};
}

size_t pixelOffset(const PackedDibInfo& info) {
    const size_t masks =
        info.headerSize == bitmap::kInfoHeaderSize && info.compression == kBitFields ? 12 : 0;
    return info.headerSize + masks + size_t{info.colourCount} * info.colourEntrySize;
}

QImage indexedImage(std::span<const uint8_t> dib, const PackedDibInfo& info, size_t stride) {
    if (info.compression != kPlainRows)
        return {};
    QImage image(info.width, info.height, QImage::Format_Indexed8);
    if (image.isNull())
        return {};
    QList<QRgb> table(256, qRgb(0, 0, 0));
    for (uint32_t i = 0; i < info.colourCount && i < 256; ++i) {
        const size_t at = info.headerSize + size_t{i} * info.colourEntrySize;
        table[static_cast<qsizetype>(i)] = qRgb(dib[at + 2], dib[at + 1], dib[at]);
    }
    image.setColorTable(table);
    const size_t first = pixelOffset(info);
    for (int y = 0; y < info.height; ++y) {
        const auto row =
            dib.subspan(first + static_cast<size_t>(info.height - 1 - y) * stride, stride);
        uchar* line = image.scanLine(y);
        for (int x = 0; x < info.width; ++x)
            line[x] = static_cast<uchar>(bitmap::indexInRow(row, x, info.bitCount));
    }
    return image;
}

QImage colourImage(std::span<const uint8_t> dib, const PackedDibInfo& info, size_t stride) {
    if (info.bitCount == 24 && info.compression != kPlainRows)
        return {};
    Masks masks;
    if (info.bitCount != 24) {
        const auto found = masksOf(dib, info);
        if (!found)
            return {};
        masks = *found;
    }
    const Channel red(masks.red), green(masks.green), blue(masks.blue);
    QImage image(info.width, info.height, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const size_t first = pixelOffset(info);
    for (int y = 0; y < info.height; ++y) {
        const auto row =
            dib.subspan(first + static_cast<size_t>(info.height - 1 - y) * stride, stride);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < info.width; ++x) {
            const size_t at = static_cast<size_t>(x) * (info.bitCount / 8);
            switch (info.bitCount) {
                case 24:
                    line[x] = qRgb(row[at + 2], row[at + 1], row[at]);
                    break;
                case 16: {
                    const uint32_t pixel = bitmap::readLe16(row, at);
                    line[x] = qRgb(red.value(pixel), green.value(pixel), blue.value(pixel));
                    break;
                }
                default: {
                    const uint32_t pixel = bitmap::readLe32(row, at);
                    line[x] = qRgb(red.value(pixel), green.value(pixel), blue.value(pixel));
                    break;
                }
            }
        }
    }
    return image;
}

// A colour laid over white by its alpha.
QRgb overWhite(QRgb colour) {
    const int alpha = qAlpha(colour);
    const auto mix = [alpha](int channel) { return (channel * alpha + 255 * (255 - alpha)) / 255; };
    return qRgb(mix(qRed(colour)), mix(qGreen(colour)), mix(qBlue(colour)));
}

bool isIndexed(QImage::Format format) {
    return format == QImage::Format_Mono || format == QImage::Format_MonoLSB ||
           format == QImage::Format_Indexed8;
}

}  // namespace

QImage imageFromPackedDib(std::span<const uint8_t> dib) {
    PackedDibInfo info;
    if (inspectPackedDib(dib, info) != DibCheck::ok)
        return {};
    const size_t stride = static_cast<size_t>(
        (uint64_t{info.bitCount} * static_cast<uint64_t>(info.width) + 31) / 32 * 4);
    if (info.bitCount <= 8)
        return indexedImage(dib, info, stride);
    return colourImage(dib, info, stride);
}

std::optional<std::vector<uint8_t>> packedDibFromImage(const QImage& image) {
    if (image.isNull())
        return std::nullopt;
    const int width = image.width();
    const int height = image.height();
    if (width > bitmap::kMaxDimension || height > bitmap::kMaxDimension ||
        int64_t{width} * height > bitmap::kMaxPixels)
        return std::nullopt;
    if (isIndexed(image.format())) {
        const QImage indexed = image.convertToFormat(QImage::Format_Indexed8);
        const QList<QRgb> table = indexed.colorTable();
        std::vector<PaletteEntry> colours;
        colours.reserve(static_cast<size_t>(table.size()));
        for (const QRgb colour : table) {
            const QRgb shown = overWhite(colour);
            colours.push_back({static_cast<uint8_t>(qRed(shown)),
                               static_cast<uint8_t>(qGreen(shown)),
                               static_cast<uint8_t>(qBlue(shown))});
        }
        std::vector<uint8_t> indices;
        indices.reserve(static_cast<size_t>(width) * static_cast<size_t>(height));
        for (int y = 0; y < height; ++y) {
            const uchar* line = indexed.constScanLine(y);
            indices.insert(indices.end(), line, line + width);
        }
        return packedDibIndexed8(width, height, colours, indices);
    }
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    std::vector<uint8_t> rgb;
    rgb.reserve(size_t{3} * static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb shown = overWhite(line[x]);
            rgb.push_back(static_cast<uint8_t>(qRed(shown)));
            rgb.push_back(static_cast<uint8_t>(qGreen(shown)));
            rgb.push_back(static_cast<uint8_t>(qBlue(shown)));
        }
    }
    return packedDibRgb24(width, height, rgb);
}

}  // namespace app::ui
