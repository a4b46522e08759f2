#include "dotwerk/host/PictureFiles.h"

#include <QFile>
#include <QSaveFile>

#include <cstdint>
#include <span>

namespace dotwerk_host {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr int kMaxSide = 32767;

std::uint32_t readLe(std::span<const unsigned char> bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

void writeLe(std::vector<unsigned char>& bytes, std::size_t at, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
}

std::size_t stride1(int width) {
    return ((static_cast<std::size_t>(width) + 31) / 32) * 4;
}

// A one-bit block with the colour table black, white; all pixels white.
std::vector<unsigned char> monoDib(int width, int height) {
    const std::size_t stride = stride1(width);
    std::vector<unsigned char> dib(kInfoHeaderSize + 8 + stride * static_cast<std::size_t>(height),
                                   0xFF);
    std::fill(dib.begin(), dib.begin() + kInfoHeaderSize + 8, 0);
    writeLe(dib, 0, kInfoHeaderSize, 4);
    writeLe(dib, 4, static_cast<std::uint32_t>(width), 4);
    writeLe(dib, 8, static_cast<std::uint32_t>(height), 4);
    writeLe(dib, 12, 1, 2);
    writeLe(dib, 14, 1, 2);
    writeLe(dib, 20, static_cast<std::uint32_t>(stride * static_cast<std::size_t>(height)), 4);
    writeLe(dib, 24, 3780, 4);
    writeLe(dib, 28, 3780, 4);
    // Entry 0 black (already zero), entry 1 white.
    dib[kInfoHeaderSize + 4] = dib[kInfoHeaderSize + 5] = dib[kInfoHeaderSize + 6] = 0xFF;
    return dib;
}

// WBMP multi-byte integers: seven bits per byte, high bit set on all but the
// last byte.
std::optional<std::uint32_t> readMultiByte(std::span<const unsigned char> bytes, std::size_t& at) {
    std::uint32_t value = 0;
    for (int i = 0; i < 5 && at < bytes.size(); ++i) {
        const unsigned char byte = bytes[at++];
        value = (value << 7) | (byte & 0x7Fu);
        if ((byte & 0x80u) == 0)
            return value;
    }
    return std::nullopt;
}

void writeMultiByte(QByteArray& out, std::uint32_t value) {
    unsigned char groups[5];
    int count = 0;
    do {
        groups[count++] = static_cast<unsigned char>(value & 0x7Fu);
        value >>= 7;
    } while (value != 0);
    for (int i = count - 1; i >= 0; --i)
        out.append(static_cast<char>(groups[i] | (i > 0 ? 0x80 : 0)));
}

std::optional<HostPicture> parseWbmp(std::span<const unsigned char> bytes, QString* error) {
    std::size_t at = 0;
    const auto type = readMultiByte(bytes, at);
    if (!type || *type != 0 || at >= bytes.size() || bytes[at++] != 0) {
        *error = QStringLiteral("not a WBMP of type 0");
        return std::nullopt;
    }
    const auto width = readMultiByte(bytes, at);
    const auto height = readMultiByte(bytes, at);
    if (!width || !height || *width == 0 || *height == 0 || *width > kMaxSide ||
        *height > kMaxSide) {
        *error = QStringLiteral("unusable WBMP size");
        return std::nullopt;
    }
    const int w = static_cast<int>(*width);
    const int h = static_cast<int>(*height);
    const std::size_t rowBytes = (static_cast<std::size_t>(w) + 7) / 8;
    if (bytes.size() - at < rowBytes * static_cast<std::size_t>(h)) {
        *error = QStringLiteral("WBMP file is cut short");
        return std::nullopt;
    }
    HostPicture picture{monoDib(w, h), FileFormat::Wbmp};
    const std::size_t stride = stride1(w);
    for (int y = 0; y < h; ++y) {
        // WBMP rows run top-down, bit 1 white, as index 1 of the block.
        const auto* from = bytes.data() + at + static_cast<std::size_t>(y) * rowBytes;
        auto* to =
            picture.dib.data() + kInfoHeaderSize + 8 + static_cast<std::size_t>(h - 1 - y) * stride;
        std::copy(from, from + rowBytes, to);
    }
    return picture;
}

std::optional<HostPicture> parseBmp(std::span<const unsigned char> bytes, QString* error) {
    if (bytes.size() < kFileHeaderSize + 16) {
        *error = QStringLiteral("BMP file is cut short");
        return std::nullopt;
    }
    const std::uint32_t pixelOffset = readLe(bytes, 10, 4);
    const std::uint32_t headerSize = readLe(bytes, 14, 4);
    std::size_t paletteBytes = 0;
    if (headerSize == 12) {
        const std::uint32_t bits = readLe(bytes, 14 + 10, 2);
        paletteBytes = bits <= 8 ? (std::size_t{1} << bits) * 3 : 0;
    } else if (headerSize >= kInfoHeaderSize && bytes.size() >= kFileHeaderSize + headerSize) {
        const std::uint32_t bits = readLe(bytes, 14 + 14, 2);
        const std::uint32_t used = std::min<std::uint32_t>(readLe(bytes, 14 + 32, 4), 256);
        paletteBytes =
            used != 0 ? std::size_t{used} * 4 : (bits <= 8 ? (std::size_t{1} << bits) * 4 : 0);
    } else {
        *error = QStringLiteral("unknown BMP header");
        return std::nullopt;
    }
    const std::size_t tableEnd = kFileHeaderSize + headerSize + paletteBytes;
    if (tableEnd > bytes.size() || pixelOffset < tableEnd || pixelOffset > bytes.size()) {
        *error = QStringLiteral("BMP file is cut short");
        return std::nullopt;
    }
    // The block is header and colour table followed directly by the rows,
    // wherever the file kept them.
    HostPicture picture;
    picture.dib.assign(bytes.begin() + kFileHeaderSize,
                       bytes.begin() + static_cast<std::ptrdiff_t>(tableEnd));
    picture.dib.insert(picture.dib.end(), bytes.begin() + pixelOffset, bytes.end());
    return picture;
}

}  // namespace

std::optional<HostPicture> loadPictureFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return std::nullopt;
    }
    const QByteArray data = file.readAll();
    const std::span<const unsigned char> bytes(
        reinterpret_cast<const unsigned char*>(data.constData()),
        static_cast<std::size_t>(data.size()));
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
        return parseBmp(bytes, error);
    return parseWbmp(bytes, error);
}

bool savePictureFile(const QString& path, const HostPicture& picture, QString* error) {
    const std::span<const unsigned char> dib(picture.dib);
    QByteArray out;
    if (picture.format == FileFormat::Bmp) {
        const std::uint32_t headerSize = readLe(dib, 0, 4);
        std::size_t paletteBytes = 0;
        if (headerSize == 12) {
            const std::uint32_t bits = readLe(dib, 10, 2);
            paletteBytes = bits <= 8 ? (std::size_t{1} << bits) * 3 : 0;
        } else {
            const std::uint32_t bits = readLe(dib, 14, 2);
            const std::uint32_t used = std::min<std::uint32_t>(readLe(dib, 32, 4), 256);
            paletteBytes =
                used != 0 ? std::size_t{used} * 4 : (bits <= 8 ? (std::size_t{1} << bits) * 4 : 0);
        }
        std::vector<unsigned char> header(kFileHeaderSize, 0);
        header[0] = 'B';
        header[1] = 'M';
        writeLe(header, 2, static_cast<std::uint32_t>(kFileHeaderSize + dib.size()), 4);
        writeLe(header, 10, static_cast<std::uint32_t>(kFileHeaderSize + headerSize + paletteBytes),
                4);
        out.append(reinterpret_cast<const char*>(header.data()),
                   static_cast<qsizetype>(header.size()));
        out.append(reinterpret_cast<const char*>(dib.data()), static_cast<qsizetype>(dib.size()));
    } else {
        const int w = static_cast<int>(readLe(dib, 4, 4));
        const int h = static_cast<int>(readLe(dib, 8, 4));
        const std::size_t rowBytes = (static_cast<std::size_t>(w) + 7) / 8;
        const std::size_t stride = stride1(w);
        out.append('\0');
        out.append('\0');
        writeMultiByte(out, static_cast<std::uint32_t>(w));
        writeMultiByte(out, static_cast<std::uint32_t>(h));
        for (int y = 0; y < h; ++y) {
            const auto* row =
                dib.data() + kInfoHeaderSize + 8 + static_cast<std::size_t>(h - 1 - y) * stride;
            out.append(reinterpret_cast<const char*>(row), static_cast<qsizetype>(rowBytes));
        }
    }
    // The file is replaced only once the new one is complete: a failed save
    // leaves the one on disk as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

HostPicture blankPicture(int width, int height) {
    return {monoDib(width, height), FileFormat::Wbmp};
}

}  // namespace dotwerk_host
