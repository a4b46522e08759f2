#include "cli/TerminalPicture.h"

#include <vector>

namespace cli {
namespace {

// Whiteness of each colour index, from the blue byte of its table entry.
std::vector<bool> whiteIndices(const bitmap::Dib& picture) {
    const auto table = picture.palette();
    std::vector<bool> white(256, false);
    for (size_t i = 0; i < 256 && i * 4 < table.size(); ++i)
        white[i] = table[i * 4] >= 128;
    return white;
}

int indexAt(const bitmap::Dib& picture, int x, int y) {
    const auto row = picture.storedRow(picture.height() - 1 - y);
    switch (picture.bitCount()) {
        case 1:
            return (row[x / 8] >> (7 - x % 8)) & 1;
        case 4:
            return x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0F;
        default:
            return row[x];
    }
}

}  // namespace

std::string renderHalfBlocks(const bitmap::Dib& picture, bool invert) {
    static const char* const kGlyphs[4] = {" ", "\u2584", "\u2580", "\u2588"};  // -, low, up, full
    const auto white = whiteIndices(picture);
    const int width = picture.width();
    const int height = picture.height();
    const auto lit = [&](int x, int y) {
        if (y >= height)
            return false;
        return white[static_cast<size_t>(indexAt(picture, x, y))] != invert;
    };
    std::string text;
    for (int y = 0; y < height; y += 2) {
        for (int x = 0; x < width; ++x)
            text += kGlyphs[(lit(x, y) ? 2 : 0) + (lit(x, y + 1) ? 1 : 0)];
        text += '\n';
    }
    return text;
}

}  // namespace cli
