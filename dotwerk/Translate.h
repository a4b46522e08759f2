#pragma once

#include <QString>

#include <string_view>

namespace dotwerk {

// A text of the control's catalogue as its widgets show it. Every text the
// control shows passes here, so that its translation can be switched on in
// this one place.
inline QString translate(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace dotwerk
