#include "cli/TerminalPicture.h"

#include "bitmap/Dithering.h"

namespace cli {

std::string renderHalfBlocks(const bitmap::Dib& picture, bool invert) {
    static const char* const kGlyphs[4] = {" ", "\u2584", "\u2580", "\u2588"};  // -, low, up, full
    const auto grey = bitmap::greyLevels(picture.palette());
    const int width = picture.width();
    const int height = picture.height();
    const auto lit = [&](int x, int y) {
        if (y >= height)
            return false;
        const auto row = picture.storedRow(height - 1 - y);
        const int index = bitmap::indexInRow(row, x, picture.bitCount());
        return (grey[static_cast<size_t>(index)] >= 128) != invert;
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
