#include "app/ui/frame/PictureStatus.h"

#include "app/core/TextFormat.h"
#include "app/ui/Texts.h"
#include "app/ui/Translate.h"

namespace app::ui {
namespace {

// Czech counts: 1 bit, 2 to 4 bity, any other number bitů.
std::string_view bitsPattern(int bitCount) {
    if (bitCount == 1)
        return text::kStatusBitsOne;
    if (bitCount >= 2 && bitCount <= 4)
        return text::kStatusBitsFew;
    return text::kStatusBitsMany;
}

}  // namespace

QString pictureStatusText(int width, int height, int bitCount, int zoom) {
    // The patterns as the window shows them (translated), filled in.
    const auto fill = [](std::string_view pattern, const std::vector<app::FormatArgument>& values) {
        return app::formatText(translate(pattern).toStdString(), values);
    };
    const std::string bits = fill(bitsPattern(bitCount), {static_cast<long long>(bitCount)});
    return QString::fromStdString(
        fill(text::kStatusPicture, {static_cast<long long>(width), static_cast<long long>(height),
                                    bits, static_cast<long long>(zoom) * 100}));
}

}  // namespace app::ui
