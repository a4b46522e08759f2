#pragma once

#include <QString>

namespace app::ui {

// The status bar's text for the picture on show: "96 × 60, 1 bit, 400 %"
// (size in pixels, bits per pixel, zoom as a percentage).
QString pictureStatusText(int width, int height, int bitCount, int zoom);

}  // namespace app::ui
