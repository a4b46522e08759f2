#pragma once

#include <QString>

#include <string_view>

namespace app {

// A UTF-8 text (a catalogue entry or any other view of UTF-8 bytes) as a
// QString.
inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace app
