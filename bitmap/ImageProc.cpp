#include "bitmap/ImageProc.h"

#include "bitmap/Texts.h"

namespace bitmap {

namespace {
// The error buffer holds 1024 bytes including its terminator.
constexpr size_t kMaxErrorBytes = 1023;
}  // namespace

void ImageProc::fail(std::string_view prefix, std::string_view message) {
    lastError_.assign(prefix);
    lastError_.append(message);
    if (lastError_.size() > kMaxErrorBytes) {
        // Cut on a character boundary so the text stays valid UTF-8.
        size_t cut = kMaxErrorBytes;
        while (cut > 0 && (static_cast<unsigned char>(lastError_[cut]) & 0xC0) == 0x80)
            --cut;
        lastError_.resize(cut);
    }
}

bool ImageProc::getBMPInfo(const Dib* dib, int& width, int& height, int& bitCount) {
    if (dib == nullptr || dib->empty()) {
        fail(text::kGetBMPInfo, text::kNoBitmap);
        return false;
    }
    width = dib->width();
    height = dib->height();
    bitCount = dib->bitCount();
    return true;
}

bool ImageProc::makeGrayShadesPalette(std::span<uint8_t> table, int depth) {
    if (depth != 1 && depth != 4 && depth != 8) {
        fail(text::kMakeGrayShadesPalette, text::kBadDepth);
        return false;
    }
    const int entries = 1 << depth;
    const int step = 256 / entries;
    for (int i = 0; i < entries && static_cast<size_t>(i) * 4 + 3 < table.size(); ++i) {
        const auto grey = static_cast<uint8_t>(step / 2 + step * i);
        table[i * 4 + 0] = grey;
        table[i * 4 + 1] = grey;
        table[i * 4 + 2] = grey;
        table[i * 4 + 3] = 0;
    }
    return true;
}

}  // namespace bitmap
