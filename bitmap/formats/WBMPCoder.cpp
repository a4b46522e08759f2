#include "bitmap/formats/WBMPCoder.h"

#include <algorithm>
#include <array>
#include <new>
#include <string_view>

#include "base/FileIO.h"
#include "base/TextFormat.h"
#include "bitmap/Texts.h"

namespace bitmap {
namespace {

// The header is looked for in this many bytes from the start of the file.
constexpr size_t kHeaderWindow = 100;

// Largest file a valid picture within the limits can need: the header window
// plus a full-width row of bytes for every row of the largest picture.
constexpr uint64_t kMaxWbmpFileBytes =
    kHeaderWindow + static_cast<uint64_t>(kMaxPixels / 8 + kMaxDimension);

std::string concat(std::string_view prefix, std::string_view message) {
    std::string text;
    text.reserve(prefix.size() + message.size());
    text.append(prefix).append(message);
    return text;
}

enum class FieldStatus { ok, unterminated, tooLarge };

struct Field {
    FieldStatus status = FieldStatus::unterminated;
    uint32_t value = 0;
};

// Decodes one multi-byte integer and tells an integer that runs off the end
// of the bytes from one that ends but does not fit in 32 bits.
Field readField(std::span<const uint8_t> bytes, size_t& at) {
    if (const auto value = decodeWbmpInteger(bytes, at))
        return {FieldStatus::ok, *value};
    const bool ends = std::any_of(bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.end(),
                                  [](uint8_t b) { return (b & 0x80) == 0; });
    return {ends ? FieldStatus::tooLarge : FieldStatus::unterminated, 0};
}

uint64_t rowBytesFor(uint64_t width) {
    return (width + 7) / 8;
}

// Zero, negative and over-limit sizes give kWbmpBadDimensions; sizes whose
// product exceeds the pixel limit give kWbmpNoMemory; nothing when they fit.
std::optional<std::string_view> checkDimensions(int64_t width, int64_t height) {
    if (width <= 0 || height <= 0 || width > kMaxDimension || height > kMaxDimension)
        return text::kWbmpBadDimensions;
    if (width * height > kMaxPixels)
        return text::kWbmpNoMemory;
    return std::nullopt;
}

}  // namespace

std::vector<uint8_t> encodeWbmpInteger(uint32_t value) {
    std::array<uint8_t, 5> groups{};
    size_t count = 0;
    do {
        groups[count++] = static_cast<uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    std::vector<uint8_t> out;
    out.reserve(count);
    for (size_t i = count; i-- > 0;)
        out.push_back(static_cast<uint8_t>(groups[i] | (i != 0 ? 0x80 : 0x00)));
    return out;
}

std::optional<uint32_t> decodeWbmpInteger(std::span<const uint8_t> bytes, size_t& at) {
    uint32_t value = 0;
    for (size_t i = at; i < bytes.size(); ++i) {
        if (value > (UINT32_MAX >> 7))
            return std::nullopt;
        value = (value << 7) | (bytes[i] & 0x7Fu);
        if ((bytes[i] & 0x80) == 0) {
            at = i + 1;
            return value;
        }
    }
    return std::nullopt;
}

void WBMPCoder::fail(std::string message) {
    // The message buffer of the original holds 1023 characters and a
    // terminator; longer messages are cut to fit.
    constexpr size_t kMaxMessage = 1023;
    if (message.size() > kMaxMessage)
        message.resize(kMaxMessage);
    lastError_ = std::move(message);
}

void WBMPCoder::reset() {
    data_.clear();
    data_.shrink_to_fit();
    type_ = 0;
    width_ = 0;
    height_ = 0;
    rowOffset_ = 0;
}

bool WBMPCoder::loadWBMP(const std::string& path) {
    FileContents file = readWholeFile(path);
    if (file.status == ReadStatus::tooLarge) {
        // Far more than any picture within the limits needs: only the start
        // of the file can matter, the rest is ignored like any trailing data.
        if (auto prefix = readFilePrefix(path, kMaxWbmpFileBytes)) {
            file.bytes = std::move(*prefix);
            file.status = ReadStatus::ok;
        } else {
            file.status = ReadStatus::readError;
        }
    }
    switch (file.status) {
        case ReadStatus::ok:
            return loadWBMPFromMemory(file.bytes);
        case ReadStatus::cannotOpen:
            reset();
            fail(concat(text::kWbmpLoad, text::kWbmpCannotOpen));
            return false;
        case ReadStatus::tooLarge:
        case ReadStatus::readError:
            break;
    }
    reset();
    fail(concat(text::kWbmpLoad, text::kWbmpReadError));
    return false;
}

bool WBMPCoder::loadWBMPFromMemory(std::span<const uint8_t> file) {
    // Nothing is released before the new picture is copied: the bytes may be
    // this coder's own data.
    const auto refuse = [this](std::string_view message) {
        reset();
        fail(concat(text::kWbmpLoad, message));
        return false;
    };

    const auto head = file.first(std::min(file.size(), kHeaderWindow));
    if (head.size() < 4)
        return refuse(text::kWbmpReadError);

    size_t at = 0;
    const Field type = readField(head, at);
    if (type.status == FieldStatus::unterminated)
        return refuse(text::kWbmpReadError);
    if (type.status == FieldStatus::tooLarge || type.value != 0)
        return refuse(text::kWbmpBadType);

    if (at >= head.size())
        return refuse(text::kWbmpReadError);
    if ((head[at] & 0x80) != 0)
        return refuse(text::kWbmpBadFixHeader);
    ++at;

    const Field width = readField(head, at);
    if (width.status == FieldStatus::unterminated)
        return refuse(text::kWbmpReadError);
    if (width.status == FieldStatus::tooLarge)
        return refuse(text::kWbmpBadDimensions);
    const Field height = readField(head, at);
    if (height.status == FieldStatus::unterminated)
        return refuse(text::kWbmpReadError);
    if (height.status == FieldStatus::tooLarge)
        return refuse(text::kWbmpBadDimensions);
    if (const auto bad = checkDimensions(width.value, height.value))
        return refuse(*bad);

    // Both sizes are within the limits, so the product cannot overflow.
    const uint64_t expected = at + rowBytesFor(width.value) * height.value;
    if (file.size() < expected)
        return refuse(text::kWbmpReadError);

    std::vector<uint8_t> picture;
    try {
        picture.assign(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(expected));
    } catch (const std::bad_alloc&) {
        return refuse(text::kWbmpNoMemory);
    }
    data_ = std::move(picture);
    type_ = 0;
    width_ = static_cast<int>(width.value);
    height_ = static_cast<int>(height.value);
    rowOffset_ = at;
    return true;
}

bool WBMPCoder::saveWBMP(const std::string& path) {
    if (path.empty()) {
        fail(concat(text::kWbmpSave, text::kWbmpCannotOpen));
        return false;
    }
    if (data_.empty()) {
        fail(concat(text::kWbmpSave, text::kWbmpNotLoaded));
        return false;
    }
    const std::array<std::span<const uint8_t>, 1> pieces{std::span<const uint8_t>(data_)};
    switch (writeFileAtomically(path, pieces)) {
        case WriteStatus::ok:
            return true;
        case WriteStatus::cannotOpen:
            fail(concat(text::kWbmpSave, text::kWbmpCannotOpen));
            return false;
        case WriteStatus::writeError:
            break;
    }
    fail(concat(text::kWbmpSave, text::kWbmpWriteError));
    return false;
}

bool WBMPCoder::getWBMPInfo(int& type, int& width, int& height) {
    if (data_.empty()) {
        fail(concat(text::kWbmpInfo, text::kWbmpNotLoaded));
        return false;
    }
    type = type_;
    width = width_;
    height = height_;
    return true;
}

bool WBMPCoder::createWBMPheader(const Dib& dib, int type, size_t& rowOffset) {
    reset();
    if (type != 0) {
        fail(concat(text::kWbmpHeader, text::kWbmpUnsupportedType));
        return false;
    }
    const int64_t width = dib.width();
    const int64_t height = dib.height();
    if (const auto bad = checkDimensions(width, height)) {
        fail(concat(text::kWbmpHeader, *bad));
        return false;
    }
    const auto widthBytes = encodeWbmpInteger(static_cast<uint32_t>(width));
    const auto heightBytes = encodeWbmpInteger(static_cast<uint32_t>(height));
    const size_t headerLength = 2 + widthBytes.size() + heightBytes.size();
    const uint64_t total =
        headerLength + rowBytesFor(static_cast<uint64_t>(width)) * static_cast<uint64_t>(height);
    try {
        data_.assign(static_cast<size_t>(total), 0);
    } catch (const std::bad_alloc&) {
        reset();
        fail(concat(text::kWbmpHeader, text::kWbmpNoMemory));
        return false;
    }
    std::copy(widthBytes.begin(), widthBytes.end(), data_.begin() + 2);
    std::copy(heightBytes.begin(), heightBytes.end(),
              data_.begin() + 2 + static_cast<std::ptrdiff_t>(widthBytes.size()));
    type_ = 0;
    width_ = static_cast<int>(width);
    height_ = static_cast<int>(height);
    rowOffset_ = headerLength;
    rowOffset = headerLength;
    return true;
}

bool WBMPCoder::convBMPToWBMP(const Dib& dib, int type) {
    const int bits = dib.bitCount();
    if (bits != 4 && bits != 8) {
        reset();
        fail(concat(text::kWbmpToWbmp, formatText(text::kWbmpUnsupportedBpp, {bits})));
        return false;
    }
    size_t rowOffset = 0;
    if (!createWBMPheader(dib, type, rowOffset))
        return false;

    // The header's sizes must fit the rows the block really holds (a header
    // rewritten after the block was made could claim more).
    const uint64_t usedRowBytes =
        bits == 8 ? static_cast<uint64_t>(width_) : (static_cast<uint64_t>(width_) + 1) / 2;
    if (usedRowBytes > dib.stride() ||
        dib.stride() * static_cast<uint64_t>(height_) > dib.pixels().size()) {
        reset();
        fail(concat(text::kWbmpToWbmp, text::kWbmpBadLayout));
        return false;
    }

    const size_t outRowBytes = static_cast<size_t>(rowBytesFor(static_cast<uint64_t>(width_)));
    for (int r = 0; r < height_; ++r) {
        const auto in = dib.storedRow(height_ - 1 - r);
        const auto out =
            std::span(data_).subspan(rowOffset + static_cast<size_t>(r) * outRowBytes, outRowBytes);
        // Without a branch: dithered pixels come in no order a processor
        // could guess.
        forEachIndex(in, bits, static_cast<size_t>(width_), [&](size_t x, int index) {
            out[x / 8] = static_cast<uint8_t>(out[x / 8] |
                                              (static_cast<unsigned>(index != 0) << (7 - x % 8)));
        });
    }
    return true;
}

std::optional<Dib> WBMPCoder::convWBMPToBMP() {
    const uint64_t rowBytes = rowBytesFor(static_cast<uint64_t>(std::max(width_, 0)));
    if (data_.empty() || width_ <= 0 || height_ <= 0 ||
        data_.size() < rowOffset_ + rowBytes * static_cast<uint64_t>(height_)) {
        fail(concat(text::kWbmpToBmp, text::kWbmpNotLoaded));
        return std::nullopt;
    }
    BitmapInfoHeader header;
    header.biWidth = width_;
    header.biHeight = height_;
    header.biPlanes = 1;
    header.biBitCount = 1;
    auto dib = Dib::create(header);
    if (!dib) {
        fail(concat(text::kWbmpToBmp, text::kWbmpNoMemory));
        return std::nullopt;
    }
    auto palette = dib->palette();
    constexpr std::array<uint8_t, 8> kBlackWhite{0, 0, 0, 0, 255, 255, 255, 0};
    std::copy(kBlackWhite.begin(), kBlackWhite.end(), palette.begin());

    // Bits past the right edge of the last byte carry no pixels: keep them 0
    // like the row padding.
    const unsigned spare = static_cast<unsigned>(rowBytes * 8 - static_cast<uint64_t>(width_));
    const uint8_t lastMask = static_cast<uint8_t>(0xFFu << spare);
    const auto rows = std::span<const uint8_t>(data_).subspan(rowOffset_);
    for (int r = 0; r < height_; ++r) {
        const auto in = rows.subspan(static_cast<size_t>(r) * rowBytes, rowBytes);
        auto out = dib->storedRow(height_ - 1 - r);
        std::copy(in.begin(), in.end(), out.begin());
        out[rowBytes - 1] = static_cast<uint8_t>(out[rowBytes - 1] & lastMask);
    }
    return dib;
}

}  // namespace bitmap
