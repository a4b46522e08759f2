#include "bitmap/gif/GifReader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <vector>

#include "bitmap/ByteOrder.h"
#include "bitmap/gif/GifErrors.h"
#include "bitmap/gif/LzwDecoder.h"

namespace bitmap {
namespace {

constexpr uint8_t kExtensionIntroducer = 0x21;
constexpr uint8_t kImageSeparator = 0x2C;
constexpr uint8_t kTrailer = 0x3B;
constexpr uint8_t kGraphicControlLabel = 0xF9;
constexpr uint8_t kTableFlag = 0x80;
constexpr uint8_t kInterlaceFlag = 0x40;
constexpr uint8_t kTransparencyFlag = 0x01;

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

// An extension after its introducer. A graphic control extension sets or
// clears the transparent index of the image that follows it; the contents
// of every other extension are skipped.
int readExtension(Cursor& in, std::optional<uint8_t>& transparentIndex) {
    const auto label = in.byte();
    if (!label)
        return gifcode::kReadExtensionCode;
    if (*label == kGraphicControlLabel) {
        // Its first sub-block: packed fields, delay (2 bytes), transparent index.
        const auto size = in.byte();
        if (!size)
            return gifcode::kReadExtensionSize;
        if (*size == 0)
            return gifcode::kOk;
        const auto fields = in.take(*size);
        if (!fields)
            return gifcode::kReadExtensionData;
        if (fields->size() >= 4)
            transparentIndex = ((*fields)[0] & kTransparencyFlag)
                                   ? std::optional<uint8_t>((*fields)[3])
                                   : std::nullopt;
    }
    return readSubBlocks(in, nullptr, gifcode::kReadExtensionSize, gifcode::kReadExtensionData);
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

    bool coversScreen(const Screen& s) const {
        return left == 0 && top == 0 && visibleWidth == s.width && visibleRows == s.height;
    }
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

// The visible part of the image, one row at a time, each row allocated when
// the data first reaches it: a file that declares a large image and ends
// early costs only the rows its data filled.
class VisibleRows {
public:
    bool prepare(const Placement& p) {
        width_ = static_cast<size_t>(p.visibleWidth);
        try {
            rows_.resize(static_cast<size_t>(p.visibleRows));
        } catch (const std::bad_alloc&) {
            return false;
        }
        return true;
    }
    // Row r (0 = top of the image), allocated and zeroed on first use;
    // empty when memory runs out.
    std::span<uint8_t> row(int r) {
        auto& row = rows_[static_cast<size_t>(r)];
        if (row.empty()) {
            try {
                row.resize(width_);
            } catch (const std::bad_alloc&) {
                return {};
            }
        }
        return row;
    }
    // Row r as decoded; empty when the data never reached it.
    std::span<const uint8_t> decoded(int r) const { return rows_[static_cast<size_t>(r)]; }
    int count() const { return static_cast<int>(rows_.size()); }

private:
    size_t width_ = 0;
    std::vector<std::vector<uint8_t>> rows_;
};

// Decodes the image rows in stored order (interlaced: four passes) and keeps
// the visible part of each.
int decodeRows(LzwDecoder& decoder, const Placement& p, bool interlaced, VisibleRows& rows) {
    if (p.visibleRows == 0 || p.visibleWidth == 0)
        return gifcode::kOk;
    const bool direct = p.visibleWidth == p.width;
    std::vector<uint8_t> scratch;
    if (!direct || p.visibleRows < p.height) {
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
                target = rows.row(row);
                if (target.empty())
                    return gifcode::kOutOfMemory;
            }
            int code = 0;
            if (visible && direct) {
                code = decoder.read(target);
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

constexpr std::array<uint8_t, 3> kWhite{255, 255, 255};

// The index that paints the part of the screen the image does not cover.
struct Background {
    uint8_t index = 0;
    bool makeWhite = false;  // false: an entry of the table, kept as it is
};

// An index no decoded pixel uses (past the table first), made white; when
// the image uses all 256, the table's lightest entry (white, if it has one).
Background chooseBackground(const VisibleRows& rows, std::span<const uint8_t> table) {
    std::array<bool, 256> used{};
    for (int r = 0; r < rows.count(); ++r)
        for (const uint8_t index : rows.decoded(r))
            used[index] = true;
    const size_t entries = table.size() / 3;
    for (size_t k = 0; k < used.size(); ++k) {
        const size_t index = (entries + k) % used.size();
        if (!used[index])
            return {static_cast<uint8_t>(index), true};
    }
    Background lightest;
    unsigned lightestLuma = 0;
    for (size_t i = 0; i < entries; ++i) {
        const unsigned luma =
            299u * table[i * 3] + 587u * table[i * 3 + 1] + 114u * table[i * 3 + 2];
        if (luma > lightestLuma) {
            lightest.index = static_cast<uint8_t>(i);
            lightestLuma = luma;
        }
    }
    return lightest;
}

// The screen-sized picture: the colour table with its white entries, the
// background everywhere, and the image's visible rows in their place.
std::optional<Dib> buildFrame(const Screen& screen, std::span<const uint8_t> table,
                              std::optional<uint8_t> transparentIndex, const Placement& p,
                              const VisibleRows& rows) {
    std::optional<Background> background;
    if (!p.coversScreen(screen)) {
        background =
            transparentIndex ? Background{*transparentIndex, true} : chooseBackground(rows, table);
    }
    std::optional<uint8_t> whiteIndices[2] = {transparentIndex, std::nullopt};
    if (background && background->makeWhite)
        whiteIndices[1] = background->index;
    size_t entries = table.size() / 3;
    for (const auto& white : whiteIndices)
        if (white)
            entries = std::max<size_t>(entries, size_t{*white} + 1);

    BitmapInfoHeader h;
    h.biWidth = screen.width;
    h.biHeight = screen.height;
    h.biBitCount = 8;
    h.biSizeImage = static_cast<uint32_t>(screen.width) * static_cast<uint32_t>(screen.height);
    h.biClrUsed = static_cast<uint32_t>(entries);
    h.biClrImportant = static_cast<uint32_t>(entries);
    auto dib = Dib::create(h);
    if (!dib)
        return std::nullopt;

    auto palette = dib->palette();
    auto setEntry = [&palette](size_t i, std::span<const uint8_t> rgb) {
        palette[i * 4] = rgb[2];
        palette[i * 4 + 1] = rgb[1];
        palette[i * 4 + 2] = rgb[0];
        palette[i * 4 + 3] = 0;
    };
    for (size_t i = 0; i < table.size() / 3; ++i)
        setEntry(i, table.subspan(i * 3, 3));
    for (const auto& white : whiteIndices)
        if (white)
            setEntry(*white, kWhite);

    if (background) {
        auto pixels = dib->pixels();
        std::fill(pixels.begin(), pixels.end(), background->index);
    }
    for (int r = 0; r < rows.count(); ++r) {
        const auto row = rows.decoded(r);
        if (row.empty())
            continue;
        auto target = dib->storedRow(screen.height - 1 - (p.top + r));
        std::copy(row.begin(), row.end(), target.begin() + p.left);
    }
    return dib;
}

int readFirstImage(Cursor& in, const Screen& screen, std::optional<uint8_t> transparentIndex,
                   std::optional<Dib>& picture) {
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

    LzwDecoder decoder;
    if (const int code = decoder.start(*codeSize, data))
        return code;
    const Placement placement = place(screen, *descriptor);
    VisibleRows rows;
    if (!rows.prepare(placement))
        return gifcode::kOutOfMemory;
    if (const int code = decodeRows(decoder, placement, packed & kInterlaceFlag, rows))
        return code;
    picture = buildFrame(screen, table, transparentIndex, placement, rows);
    return picture ? gifcode::kOk : gifcode::kOutOfMemory;
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
    if (!limits_.allows(screen.width, screen.height))
        return gifcode::kOutOfMemory;
    const uint8_t packed = (*descriptor)[4];
    if (packed & kTableFlag) {
        const auto table = in.take(tableEntries(packed) * 3);
        if (!table)
            return gifcode::kReadGlobalPalette;
        screen.globalTable = *table;
    }

    bool haveImage = false;
    std::optional<uint8_t> transparentIndex;
    for (;;) {
        const auto separator = in.byte();
        if (!separator) {
            // A file that ends after its first image without the trailer is
            // still taken; one that ends before any image has nothing to show.
            return haveImage ? gifcode::kOk : gifcode::kReadImageDescriptor;
        }
        switch (*separator) {
            case kExtensionIntroducer: {
                // Extensions after the first image belong to later ones.
                std::optional<uint8_t> later;
                if (const int code = readExtension(in, haveImage ? later : transparentIndex))
                    return code;
                break;
            }
            case kImageSeparator: {
                const int code = haveImage ? skipImage(in)
                                           : readFirstImage(in, screen, transparentIndex, picture_);
                if (code != gifcode::kOk)
                    return code;
                haveImage = true;
                break;
            }
            case kTrailer:
                return haveImage ? gifcode::kOk : gifcode::kReadImageDescriptor;
            case 0x00:
                // Stray zero bytes between blocks (a sub-block terminator
                // too many) are skipped, as other readers do.
                break;
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
