#include "app/ui/view/DibImage.h"

#include <bit>

#include "app/core/document/ClipboardDib.h"
#include "bitmap/ByteOrder.h"
#include "bitmap/Dib.h"

namespace app::ui {
namespace {

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

std::optional<Masks> masksOf(const bitmap::DibView& dib) {
    const bitmap::DibLayout& layout = dib.layout();
    if (layout.compression == bitmap::kPlainRows) {
        if (layout.bitCount == 16)
            return Masks{0x7C00, 0x03E0, 0x001F};
        return Masks{0xFF0000, 0x00FF00, 0x0000FF};
    }
    const auto block = dib.block();
    if (layout.compression != bitmap::kBitFields || layout.headerSize < bitmap::kInfoHeaderSize ||
        block.size() < kMaskOffset + 12)
        return std::nullopt;
    return Masks{bitmap::readLe32(block, kMaskOffset), bitmap::readLe32(block, kMaskOffset + 4),
                 bitmap::readLe32(block, kMaskOffset + 8)};
}

QImage indexedImage(const bitmap::DibView& dib) {
    if (dib.layout().compression != bitmap::kPlainRows)
        return {};
    QImage image(dib.width(), dib.height(), QImage::Format_Indexed8);
    if (image.isNull())
        return {};
    QList<QRgb> table(256, qRgb(0, 0, 0));
    for (uint32_t i = 0; i < dib.layout().colourCount && i < 256; ++i) {
        const bitmap::Bgr c = dib.colour(i);
        table[static_cast<qsizetype>(i)] = qRgb(c.red, c.green, c.blue);
    }
    image.setColorTable(table);
    for (int y = 0; y < dib.height(); ++y) {
        uchar* line = image.scanLine(y);
        bitmap::forEachIndex(dib.row(y), dib.bitCount(), static_cast<size_t>(dib.width()),
                             [line](size_t x, int index) { line[x] = static_cast<uchar>(index); });
    }
    return image;
}

QImage colourImage(const bitmap::DibView& dib) {
    const int bitCount = dib.bitCount();
    if (bitCount == 24 && dib.layout().compression != bitmap::kPlainRows)
        return {};
    Masks masks;
    if (bitCount != 24) {
        const auto found = masksOf(dib);
        if (!found)
            return {};
        masks = *found;
    }
    const Channel red(masks.red), green(masks.green), blue(masks.blue);
    QImage image(dib.width(), dib.height(), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (int y = 0; y < dib.height(); ++y) {
        const auto row = dib.row(y);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < dib.width(); ++x) {
            const size_t at = static_cast<size_t>(x) * static_cast<size_t>(bitCount / 8);
            switch (bitCount) {
                case 24: {
                    const bitmap::Bgr c = bitmap::bgrInRow(row, static_cast<size_t>(x));
                    line[x] = qRgb(c.red, c.green, c.blue);
                    break;
                }
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
    const auto view = bitmap::DibView::over(dib);
    if (!view)
        return {};
    return view->bitCount() <= 8 ? indexedImage(*view) : colourImage(*view);
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
