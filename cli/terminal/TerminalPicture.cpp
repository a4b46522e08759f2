#include "cli/terminal/TerminalPicture.h"

#include "bitmap/dither/Dithering.h"

namespace cli {

std::string renderHalfBlocks(const bitmap::Dib& picture, bool invert) {
    static const char* const kGlyphs[4] = {" ", "\u2584", "\u2580", "\u2588"};  // -, low, up, full
    const auto grey = bitmap::greyLevels(picture.palette());
    const int width = picture.width();
    const int height = picture.height();
    const bitmap::DibView view = picture.view();
    const auto lit = [&](int x, int y) {
        if (y >= height)
            return false;
        return (grey[static_cast<size_t>(view.index(x, y))] >= 128) != invert;
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
