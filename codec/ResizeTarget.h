#pragma once

#include <cstdint>
#include <optional>

#include "codec/DeclaredSize.h"

namespace codec {

// A change of size as the resize commands make it: into a box keeping the
// aspect ratio (resizeTo without exact), to an exact size, or by a
// percentage (resizePercentual).
struct ResizeTarget {
    enum class Kind { fit, exact, percent };
    Kind kind = Kind::fit;
    int width = 0;
    int height = 0;
    int percent = 100;
};

// The size a width x height picture gets from the change, never below
// 1 x 1; nothing for a box or percentage the commands refuse (0 or less).
std::optional<PictureSize> resizedSize(const ResizeTarget& target, int64_t width, int64_t height);

}  // namespace codec
