#pragma once

#include <QString>

#include <string_view>

#include "app/core/QtText.h"

namespace app::ui {

// A text of the catalogue as the program's windows show it. Every text a
// widget of the desktop program shows passes here, so that its translation
// can be switched on in this one place.
inline QString translate(std::string_view text) {
    return qs(text);
}

}  // namespace app::ui
