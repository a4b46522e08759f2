#pragma once

#include <QString>

// Where the program finds the editor control's library (libdotwerk.so) to
// register it when the control cannot be created by its class id.
namespace app::ui {

// The first that exists of: beside the program, where `make install` puts
// it (lib/glyphon beside bin/), and the build tree's dotwerk folder beside
// the program's folder. The path beside the program when none exists.
QString controlLibraryNear(const QString& programFolder);

}  // namespace app::ui
