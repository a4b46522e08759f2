#include "app/core/document/ViewLayout.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace app {
namespace {

// Sizes are worked out in 64 bits and brought back within a range where
// adding the margins and halving can never overflow.
// Resolutions beyond any real device are taken as this limit, so the
// products of printRect stay far inside 64 bits.
constexpr int kDpiLimit = 100000;

constexpr int64_t kLargestExtent = std::numeric_limits<int>::max() / 4;

int clampExtent(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, 0, kLargestExtent));
}

struct AxisLayout {
    int start = 0;
    int scrollExtent = 0;
    bool fits = true;
};

// One axis of the layout. The centre uses the client's first and last
// coordinate exactly as the window reports them (0 and the client size).
AxisLayout layoutAxis(int magnified, int clientSize) {
    if (magnified + 2 * kViewMargin > clientSize)
        return {kViewMargin, magnified + 2 * kViewMargin, false};
    const int clientFirst = 0;
    const int clientLast = clientSize;
    return {(clientFirst + clientLast) / 2 - magnified / 2, magnified, true};
}

}  // namespace

std::optional<int> zoomForRequest(int currentZoom, int request) {
    if (request == kZoomStepIn)
        return std::min(currentZoom + 1, kMaxZoom);
    if (request == kZoomStepOut)
        return std::max(currentZoom - 1, kMinZoom);
    if (request == kZoomKeep)
        return std::clamp(currentZoom, kMinZoom, kMaxZoom);
    if (request >= kMinZoom && request <= kMaxZoom)
        return request;
    return std::nullopt;
}

ViewLayout layoutPicture(int pictureWidth, int pictureHeight, int zoom, int clientWidth,
                         int clientHeight) {
    ViewLayout layout;
    layout.zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    const int magnifiedWidth = clampExtent(int64_t{std::max(pictureWidth, 0)} * layout.zoom);
    const int magnifiedHeight = clampExtent(int64_t{std::max(pictureHeight, 0)} * layout.zoom);
    const int clientW = clampExtent(clientWidth);
    const int clientH = clampExtent(clientHeight);
    const AxisLayout across = layoutAxis(magnifiedWidth, clientW);
    const AxisLayout down = layoutAxis(magnifiedHeight, clientH);
    layout.display = {across.start, down.start, across.start + magnifiedWidth,
                      down.start + magnifiedHeight};
    layout.scrollWidth = across.scrollExtent;
    layout.scrollHeight = down.scrollExtent;
    return layout;
}

ViewLayout layoutEditor(int pictureWidth, int pictureHeight, int zoom, int clientWidth,
                        int clientHeight) {
    ViewLayout layout;
    layout.zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    const int framedWidth = clampExtent(int64_t{std::max(pictureWidth, 0)} * layout.zoom + 2);
    const int framedHeight = clampExtent(int64_t{std::max(pictureHeight, 0)} * layout.zoom + 2);
    const AxisLayout across = layoutAxis(framedWidth, clampExtent(clientWidth));
    const AxisLayout down = layoutAxis(framedHeight, clampExtent(clientHeight));
    // On a side that does not fit, the control is as long as the whole
    // scroll extent.
    const int controlWidth = across.fits ? framedWidth : across.scrollExtent;
    const int controlHeight = down.fits ? framedHeight : down.scrollExtent;
    layout.display = {across.start, down.start, across.start + controlWidth,
                      down.start + controlHeight};
    layout.scrollWidth = across.scrollExtent;
    layout.scrollHeight = down.scrollExtent;
    return layout;
}

ViewRect printRect(int pictureWidth, int pictureHeight, int zoom, int screenDpiX, int screenDpiY,
                   int printerDpiX, int printerDpiY, int pageWidth, int pageHeight) {
    if (pictureWidth <= 0 || pictureHeight <= 0 || pageWidth <= 0 || pageHeight <= 0 ||
        screenDpiX <= 0 || screenDpiY <= 0 || printerDpiX <= 0 || printerDpiY <= 0)
        return {};
    const int64_t scale = std::clamp(zoom, kMinZoom, kMaxZoom);
    const auto dpi = [](int value) { return int64_t{std::min(value, kDpiLimit)}; };
    // The size on screen, in printer dots (at least one dot each way).
    int64_t width =
        std::max<int64_t>(1, int64_t{pictureWidth} * scale * dpi(printerDpiX) / dpi(screenDpiX));
    int64_t height =
        std::max<int64_t>(1, int64_t{pictureHeight} * scale * dpi(printerDpiY) / dpi(screenDpiY));
    if (width > pageWidth || height > pageHeight) {
        // Shrink by the tighter of the two ratios: that side fills the page.
        const double across = static_cast<double>(pageWidth) / static_cast<double>(width);
        const double down = static_cast<double>(pageHeight) / static_cast<double>(height);
        if (across <= down) {
            height = std::clamp<int64_t>(static_cast<int64_t>(static_cast<double>(height) * across),
                                         1, pageHeight);
            width = pageWidth;
        } else {
            width = std::clamp<int64_t>(static_cast<int64_t>(static_cast<double>(width) * down), 1,
                                        pageWidth);
            height = pageHeight;
        }
    }
    const int left = static_cast<int>((pageWidth - width) / 2);
    return {left, 0, left + static_cast<int>(width), static_cast<int>(height)};
}

}  // namespace app
