#pragma once

#include <QString>

#include <string_view>

#include "app/qt/QtText.h"

namespace widgets {

// A text of the catalogue as the batch windows and the shared dialogs show
// it. Every text these widgets show passes here and comes out in the
// language chosen at start.
inline QString translate(std::string_view text) {
    return app::tr(text);
}

}  // namespace widgets
