#include "bitmap/formats/OneBitFiles.h"

#include <cctype>
#include <cstdio>

namespace bitmap {
namespace {

bool isLight(Bgr colour) {
    // 0.299, 0.587 and 0.114 in thousandths; middle grey is 127.5.
    return 299 * colour.red + 587 * colour.green + 114 * colour.blue >= 127500;
}

using Pixels = std::vector<std::vector<bool>>;

size_t widthOf(const Pixels& white) {
    return white.empty() ? 0 : white.front().size();
}

// The bytes of a row, eight pixels each, with bit(p) giving the bit of
// pixel p within its byte (0 = least significant).
template <typename BitOf>
void packRow(const std::vector<bool>& row, bool setWhenWhite, BitOf bitOf,
             std::vector<uint8_t>& out) {
    for (size_t x0 = 0; x0 < row.size(); x0 += 8) {
        uint8_t byte = 0;
        for (size_t p = 0; p < 8 && x0 + p < row.size(); ++p)
            if (row[x0 + p] == setWhenWhite)
                byte = static_cast<uint8_t>(byte | (1u << bitOf(p)));
        out.push_back(byte);
    }
}

size_t msbFirst(size_t p) {
    return 7 - p;
}
size_t lsbFirst(size_t p) {
    return p;
}

std::vector<uint8_t> arrayBytes(const Pixels& white, const CArrayOptions& options) {
    const bool setWhenWhite = !options.invert;
    std::vector<uint8_t> bytes;
    switch (options.layout) {
        case CArrayLayout::horizontal:
            for (const auto& row : white)
                packRow(row, setWhenWhite, msbFirst, bytes);
            break;
        case CArrayLayout::xbm:
            for (const auto& row : white)
                packRow(row, setWhenWhite, lsbFirst, bytes);
            break;
        case CArrayLayout::vertical:
            for (size_t page = 0; page * 8 < white.size(); ++page) {
                for (size_t x = 0; x < widthOf(white); ++x) {
                    uint8_t byte = 0;
                    for (size_t bit = 0; bit < 8 && page * 8 + bit < white.size(); ++bit)
                        if (white[page * 8 + bit][x] == setWhenWhite)
                            byte = static_cast<uint8_t>(byte | (1u << bit));
                    bytes.push_back(byte);
                }
            }
            break;
    }
    return bytes;
}

// "  0x00, 0x1f, ..." with `perLine` bytes a line.
void appendHexLines(std::string& text, const std::vector<uint8_t>& bytes, size_t perLine) {
    char hex[8];
    for (size_t i = 0; i < bytes.size(); ++i) {
        text += i % perLine == 0 ? "    " : " ";
        std::snprintf(hex, sizeof hex, "0x%02x", bytes[i]);
        text += hex;
        if (i + 1 < bytes.size())
            text += ',';
        if (i % perLine == perLine - 1 || i + 1 == bytes.size())
            text += '\n';
    }
}

std::string upper(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

const char* layoutText(CArrayLayout layout) {
    switch (layout) {
        case CArrayLayout::horizontal:
            return "rows of bytes from the top, leftmost pixel in the most significant bit";
        case CArrayLayout::vertical:
            return "pages of 8 rows from the top, one byte per column, top row in the least "
                   "significant bit";
        case CArrayLayout::xbm:
            return "rows of bytes from the top, leftmost pixel in the least significant bit";
    }
    return "";
}

}  // namespace

Pixels whitePixels(const DibView& picture) {
    Pixels white;
    const int bits = picture.bitCount();
    if (picture.width() <= 0 || !picture.holdsRows() || picture.stride() < picture.rowBytes() ||
        (bits != 1 && bits != 4 && bits != 8 && bits != 24))
        return white;
    const auto width = static_cast<size_t>(picture.width());
    std::vector<bool> lightIndex(256, false);
    if (bits != 24)
        for (size_t i = 0; i < picture.layout().colourCount && i < 256; ++i)
            lightIndex[i] = isLight(picture.colour(i));
    white.reserve(static_cast<size_t>(picture.height()));
    for (int y = 0; y < picture.height(); ++y) {
        std::vector<bool> row(width);
        const auto bytes = picture.row(y);
        if (bits == 24)
            for (size_t x = 0; x < width; ++x)
                row[x] = isLight(bgrInRow(bytes, x));
        else
            forEachIndex(bytes, bits, width, [&](size_t x, int index) {
                row[x] = lightIndex[static_cast<size_t>(index)];
            });
        white.push_back(std::move(row));
    }
    return white;
}

std::vector<uint8_t> encodePbm(const DibView& picture) {
    const Pixels white = whitePixels(picture);
    const std::string header =
        "P4\n" + std::to_string(widthOf(white)) + " " + std::to_string(white.size()) + "\n";
    std::vector<uint8_t> bytes(header.begin(), header.end());
    // PBM sets a bit for each black pixel.
    for (const auto& row : white)
        packRow(row, false, msbFirst, bytes);
    return bytes;
}

std::string encodeXbm(const DibView& picture, std::string_view name) {
    const Pixels white = whitePixels(picture);
    const std::string id(name);
    std::string text = "#define " + id + "_width " + std::to_string(widthOf(white)) + "\n" +
                       "#define " + id + "_height " + std::to_string(white.size()) + "\n" +
                       "static unsigned char " + id + "_bits[] = {\n";
    std::vector<uint8_t> bytes;
    for (const auto& row : white)
        packRow(row, false, lsbFirst, bytes);
    appendHexLines(text, bytes, 12);
    text += "};\n";
    return text;
}

std::string encodeCArray(const DibView& picture, std::string_view name,
                         const CArrayOptions& options) {
    const Pixels white = whitePixels(picture);
    const std::string id(name);
    const std::string constant = upper(id);
    const std::vector<uint8_t> bytes = arrayBytes(white, options);
    std::string text = "/* " + id + ": " + std::to_string(widthOf(white)) + " x " +
                       std::to_string(white.size()) + " pixels, one bit each, " +
                       layoutText(options.layout) + "; a set bit is a " +
                       (options.invert ? "black" : "white") + " pixel. */\n";
    text += "#define " + constant + "_WIDTH " + std::to_string(widthOf(white)) + "\n";
    text += "#define " + constant + "_HEIGHT " + std::to_string(white.size()) + "\n";
    text += "const unsigned char " + id + "[" + std::to_string(bytes.size()) + "] = {\n";
    appendHexLines(text, bytes, 16);
    text += "};\n";
    return text;
}

std::string identifierFromPath(std::string_view path) {
    const size_t slash = path.find_last_of('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string_view::npos && dot > 0)
        name = name.substr(0, dot);
    std::string id;
    for (const char c : name) {
        const auto u = static_cast<unsigned char>(c);
        id += (std::isalnum(u) && u < 0x80) || c == '_' ? c : '_';
    }
    if (id.empty())
        return "picture";
    if (std::isdigit(static_cast<unsigned char>(id.front())))
        id.insert(id.begin(), '_');
    return id;
}

}  // namespace bitmap
