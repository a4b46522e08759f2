#pragma once

#include <optional>

// The arithmetic of the image view, kept apart from the widgets so that it
// can be checked on its own: the zoom steps, where the magnified picture is
// drawn in the scrolled client area and how far that area scrolls, and where
// a printed page puts the picture.
namespace app {

inline constexpr int kMinZoom = 1;
inline constexpr int kMaxZoom = 10;
// Zoom requests besides 1..10.
inline constexpr int kZoomKeep = 0;
inline constexpr int kZoomStepIn = 100;
inline constexpr int kZoomStepOut = -100;
// Margin around a picture that does not fit the client area: 8 pixels on
// each side, so the scroll extent is the picture plus 16.
inline constexpr int kViewMargin = 8;

// The zoom a request leads to: 0 keeps the current zoom, 1..10 sets it, 100
// and -100 step it by one within 1..10. Nothing for any other request.
std::optional<int> zoomForRequest(int currentZoom, int request);

struct ViewRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const ViewRect&) const = default;
};

struct ViewLayout {
    int zoom = 1;
    ViewRect display;     // where the picture is drawn, in scrolled coordinates
    int scrollWidth = 0;  // the extent the client area scrolls over
    int scrollHeight = 0;
    bool operator==(const ViewLayout&) const = default;
};

// Lays out a picture of pictureWidth x pictureHeight pixels at `zoom` in a
// client area of clientWidth x clientHeight. A side that fits (with 16
// pixels to spare) is centred with truncating divisions and scrolls over the
// picture alone; a side that does not starts 8 pixels in and scrolls over
// the picture plus 16. An empty picture (0 x 0) gives an empty rectangle
// centred in the client area and nothing to scroll. The zoom is clamped to
// 1..10 and sizes below 0 count as 0.
ViewLayout layoutPicture(int pictureWidth, int pictureHeight, int zoom, int clientWidth,
                         int clientHeight);

// Where the editor control goes in editing mode: the control shows the
// picture magnified by `zoom` inside a 1-pixel frame, W = zoom * w + 2 by
// H = zoom * h + 2. A side that fits (with 16 pixels to spare) is centred
// like the picture and scrolls over W (or H); on a side that does not, the
// control starts 8 pixels in, is W + 16 wide (or H + 16 high) and scrolls
// over as much. `display` is the control's rectangle.
ViewLayout layoutEditor(int pictureWidth, int pictureHeight, int zoom, int clientWidth,
                        int clientHeight);

// Where a printed page draws the picture: the size it has on screen at
// `zoom` (screen pixels converted to printer dots through the two
// resolutions), shrunk with its proportions kept when that does not fit the
// page, and placed at the top of the page, centred across it. All sizes in
// the printer's dots; an empty picture or page gives an empty rectangle.
ViewRect printRect(int pictureWidth, int pictureHeight, int zoom, int screenDpiX, int screenDpiY,
                   int printerDpiX, int printerDpiY, int pageWidth, int pageHeight);

}  // namespace app
