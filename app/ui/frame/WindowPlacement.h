#pragma once

#include <QRect>

class QMainWindow;

// The main window's size, position and toolbar layout, kept in the settings
// store beside the program's own values (group "Window"), so that the
// program opens as it was left.
namespace app::ui {

// Where a window opens the first time, on a screen whose free area is
// `available`: most of that area (not a small fixed size on a large screen),
// at least 640 x 480 where the screen allows, centred.
QRect firstStartGeometry(const QRect& available);

// Puts the window where it was left, or at firstStartGeometry on its screen
// when nothing was kept. Toolbars come back as they were placed.
void restoreWindowPlacement(QMainWindow& window);
void saveWindowPlacement(const QMainWindow& window);

}  // namespace app::ui
