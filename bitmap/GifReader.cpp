#include "bitmap/GifReader.h"

#include <algorithm>
#include <array>
#include <new>
#include <vector>

#include "bitmap/ByteOrder.h"
#include "bitmap/GifErrors.h"
#include "bitmap/LzwDecoder.h"

namespace bitmap {
namespace {

constexpr uint8_t kExtensionIntroducer = 0x21;
constexpr uint8_t kImageSeparator = 0x2C;
constexpr uint8_t kTrailer = 0x3B;
constexpr uint8_t kTableFlag = 0x80;
constexpr uint8_t kInterlaceFlag = 0x40;

// Sequential reads over the file's bytes; every read is checked against the end.
class Cursor {
public:
    explicit Cursor(std::span<const uint8_t> data) : data_(data) {}

    std::optional<std::span<const uint8_t>> take(size_t n) {
        if (data_.size() - pos_ < n)
            return std::nullopt;
        const auto part = data_.subspan(pos_, n);
        pos_ += n;
        return part;
    }
    std::optional<uint8_t> byte() {
        if (pos_ >= data_.size())
            return std::nullopt;
        return data_[pos_++];
    }

private:
    std::span<const uint8_t> data_;
    size_t pos_ = 0;
};

// Entries of a colour table announced by a packed byte.
size_t tableEntries(uint8_t packed) {
    return size_t{2} << (packed & 7);
}

// Walks sub-blocks up to the zero-size one, appending their data to `joined`
// when it is given. sizeCode and dataCode report a cut-off size byte or data.
int readSubBlocks(Cursor& in, std::vector<uint8_t>* joined, int sizeCode, int dataCode) {
    for (;;) {
        const auto size = in.byte();
        if (!size)
            return sizeCode;
        if (*size == 0)
            return gifcode::kOk;
        const auto data = in.take(*size);
        if (!data)
            return dataCode;
        if (joined) {
            try {
                joined->insert(joined->end(), data->begin(), data->end());
            } catch (const std::bad_alloc&) {
                return gifcode::kOutOfMemory;
            }
        }
    }
}

int skipImage(Cursor& in) {
    const auto descriptor = in.take(9);
    if (!descriptor)
        return gifcode::kSkipImage;
    const uint8_t packed = (*descriptor)[8];
    if ((packed & kTableFlag) && !in.take(tableEntries(packed) * 3))
        return gifcode::kSkipImage;
    if (!in.byte())
        return gifcode::kSkipImage;
    return readSubBlocks(in, nullptr, gifcode::kSkipImage, gifcode::kSkipImage);
}

struct Screen {
    int width = 0;
    int height = 0;
    std::span<const uint8_t> globalTable;  // red, green, blue per entry; empty when absent
};

// Where the first image lies on the screen and how much of it is visible.
struct Placement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int visibleWidth = 0;
    int visibleRows = 0;
};

Placement place(const Screen& screen, std::span<const uint8_t> descriptor) {
    Placement p;
    p.left = readLe16(descriptor, 0);
    p.top = readLe16(descriptor, 2);
    p.width = readLe16(descriptor, 4);
    p.height = readLe16(descriptor, 6);
    p.visibleWidth = std::clamp(screen.width - p.left, 0, p.width);
    p.visibleRows = std::clamp(screen.height - p.top, 0, p.height);
    return p;
}

std::optional<Dib> makeFrame(const Screen& screen, std::span<const uint8_t> table) {
    const auto entries = static_cast<uint32_t>(table.size() / 3);
    BitmapInfoHeader h;
    h.biWidth = screen.width;
    h.biHeight = screen.height;
    h.biBitCount = 8;
    h.biSizeImage = static_cast<uint32_t>(screen.width) * static_cast<uint32_t>(screen.height);
    h.biClrUsed = entries;
    h.biClrImportant = entries;
    auto dib = Dib::create(h);
    if (!dib)
        return std::nullopt;
    auto palette = dib->palette();
    for (size_t i = 0; i < entries; ++i) {
        palette[i * 4] = table[i * 3 + 2];
        palette[i * 4 + 1] = table[i * 3 + 1];
        palette[i * 4 + 2] = table[i * 3];
        palette[i * 4 + 3] = 0;
    }
    return dib;
}

// Decodes the image rows in stored order (interlaced: four passes) and puts
// the visible part of each into the frame, top row of the screen first.
int decodeRows(LzwDecoder& decoder, const Placement& p, bool interlaced, Dib& frame) {
    if (p.visibleRows == 0 || p.visibleWidth == 0)
        return gifcode::kOk;
    const bool direct = p.visibleWidth == p.width;
    std::vector<uint8_t> scratch;
    if (!direct) {
        try {
            scratch.resize(static_cast<size_t>(p.width));
        } catch (const std::bad_alloc&) {
            return gifcode::kOutOfMemory;
        }
    }
    constexpr std::array<std::array<int, 2>, 4> kInterlacePasses{{{0, 8}, {4, 8}, {2, 4}, {1, 2}}};
    constexpr std::array<std::array<int, 2>, 1> kSequential{{{0, 1}}};
    const std::span<const std::array<int, 2>> passes =
        interlaced ? std::span<const std::array<int, 2>>(kInterlacePasses)
                   : std::span<const std::array<int, 2>>(kSequential);
    int rowsDone = 0;
    for (const auto& [firstRow, step] : passes) {
        for (int row = firstRow; row < p.height; row += step) {
            const bool visible = row < p.visibleRows;
            std::span<uint8_t> target;
            if (visible) {
                target = frame.storedRow(frame.height() - 1 - (p.top + row))
                             .subspan(static_cast<size_t>(p.left));
            }
            int code = 0;
            if (visible && direct) {
                code = decoder.read(target.first(static_cast<size_t>(p.width)));
            } else {
                std::fill(scratch.begin(), scratch.end(), 0);
                code = decoder.read(scratch);
                if (visible)
                    std::copy_n(scratch.begin(), p.visibleWidth, target.begin());
            }
            if (code != gifcode::kOk)
                return code;
            // Rows below the screen are never seen: stop once all others are in.
            if (visible && ++rowsDone == p.visibleRows)
                return gifcode::kOk;
        }
    }
    return gifcode::kOk;
}

int readFirstImage(Cursor& in, const Screen& screen, std::optional<Dib>& picture) {
    const auto descriptor = in.take(9);
    if (!descriptor)
        return gifcode::kReadImageDescriptor;
    const uint8_t packed = (*descriptor)[8];
    std::span<const uint8_t> table = screen.globalTable;
    if (packed & kTableFlag) {
        const auto local = in.take(tableEntries(packed) * 3);
        if (!local)
            return gifcode::kReadLocalPalette;
        table = *local;
    }
    if (table.empty())
        return gifcode::kUnsupportedFormat;  // no colours at all
    const auto codeSize = in.byte();
    if (!codeSize)
        return gifcode::kReadCodeSize;
    std::vector<uint8_t> data;
    if (const int code =
            readSubBlocks(in, &data, gifcode::kReadBlockSize, gifcode::kReadRasterData))
        return code;

    auto frame = makeFrame(screen, table);
    if (!frame)
        return gifcode::kOutOfMemory;
    LzwDecoder decoder;
    if (const int code = decoder.start(*codeSize, data))
        return code;
    const Placement placement = place(screen, *descriptor);
    if (const int code = decodeRows(decoder, placement, packed & kInterlaceFlag, *frame))
        return code;
    picture = std::move(frame);
    return gifcode::kOk;
}

}  // namespace

int GifReader::load() {
    picture_.reset();
    result_ = loadBlocks();
    if (result_ != gifcode::kOk)
        picture_.reset();
    return result_;
}

int GifReader::loadBlocks() {
    Cursor in(file_);
    // The signature is not compared: the caller has recognised the file already.
    if (!in.take(6))
        return gifcode::kReadSignature;
    const auto descriptor = in.take(7);
    if (!descriptor)
        return gifcode::kReadScreenDescriptor;
    Screen screen;
    screen.width = readLe16(*descriptor, 0);
    screen.height = readLe16(*descriptor, 2);
    if (screen.width == 0 || screen.height == 0)
        return gifcode::kUnsupportedFormat;
    if (int64_t{screen.width} * screen.height > kMaxPixels)
        return gifcode::kOutOfMemory;
    const uint8_t packed = (*descriptor)[4];
    if (packed & kTableFlag) {
        const auto table = in.take(tableEntries(packed) * 3);
        if (!table)
            return gifcode::kReadGlobalPalette;
        screen.globalTable = *table;
    }

    bool haveImage = false;
    for (;;) {
        const auto separator = in.byte();
        if (!separator) {
            // A file that ends after its first image without the trailer is
            // still taken; one that ends before any image has nothing to show.
            return haveImage ? gifcode::kOk : gifcode::kReadImageDescriptor;
        }
        switch (*separator) {
            case kExtensionIntroducer: {
                if (!in.byte())
                    return gifcode::kReadExtensionCode;
                if (const int code = readSubBlocks(in, nullptr, gifcode::kReadExtensionSize,
                                                   gifcode::kReadExtensionData))
                    return code;
                break;
            }
            case kImageSeparator: {
                const int code = haveImage ? skipImage(in) : readFirstImage(in, screen, picture_);
                if (code != gifcode::kOk)
                    return code;
                haveImage = true;
                break;
            }
            case kTrailer:
                return haveImage ? gifcode::kOk : gifcode::kReadImageDescriptor;
            default:
                return gifcode::kUnknownSeparator;
        }
    }
}

std::optional<Dib> GifReader::takePicture() {
    std::optional<Dib> taken = std::move(picture_);
    picture_.reset();
    return taken;
}

}  // namespace bitmap
