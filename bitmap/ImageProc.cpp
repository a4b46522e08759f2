#include "bitmap/ImageProc.h"

#include "bitmap/Messages.h"

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
        while (cut > 0 && (static_cast<unsigned char>(lastError_[cut]) & 0xC0) == 0x80) --cut;
        lastError_.resize(cut);
    }
}

bool ImageProc::getBMPInfo(const Dib* dib, int& width, int& height, int& bitCount) {
    if (dib == nullptr || dib->empty()) {
        fail(msg::kGetBMPInfo, msg::kNoBitmap);
        return false;
    }
    width = dib->width();
    height = dib->height();
    bitCount = dib->bitCount();
    return true;
}

}  // namespace bitmap
