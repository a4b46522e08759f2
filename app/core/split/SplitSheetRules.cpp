#include "app/core/split/SplitSheetRules.h"

#include <algorithm>

#include "app/core/TextFormat.h"

namespace app {

TileSizeControls tileSizeControls(int sizeMode) {
    const bool custom = sizeMode == 0;
    return {custom, !custom};
}

SplitPageControls splitPageControls(bool createPages, bool separateFolder, bool prefixEnabled) {
    if (!createPages)
        return {};
    return {true, separateFolder, true, prefixEnabled};
}

std::string pictureDimensionsText(int width, int height) {
    return formatText("%d x %d", {static_cast<long long>(width), static_cast<long long>(height)});
}

ViewPictureSize pictureSizeInView(int displayWidth, int displayHeight, int zoom) {
    const int divisor = std::max(zoom, 1);
    return {std::max(displayWidth, 0) / divisor, std::max(displayHeight, 0) / divisor};
}

}  // namespace app
