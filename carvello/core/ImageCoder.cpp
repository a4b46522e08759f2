#include "carvello/core/ImageCoder.h"

#include <algorithm>
#include <utility>

namespace carvello {

ImageCoder::~ImageCoder() = default;

void ImageCoder::setProgressFunction(ProgressFunction function, void* userData) {
    progress_ = std::move(function);
    userData_ = userData;
}

bool ImageCoder::reportProgress(unsigned pass, unsigned passCount, unsigned percent) {
    if (!progress_)
        return false;
    bool cancel = false;
    progress_(*this, userData_, pass, passCount, std::min(percent, 100u), cancel);
    return cancel;
}

}  // namespace carvello
