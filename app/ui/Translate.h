#pragma once

#include <QString>

#include <string_view>

#include "app/qt/QtText.h"

namespace app::ui {

// A text of the catalogue as the program's windows show it. Every text a
// widget of the desktop program shows passes here and comes out in the
// language chosen at start.
inline QString translate(std::string_view text) {
    return app::tr(text);
}

}  // namespace app::ui
