#pragma once

#include <QCoreApplication>
#include <QString>

#include <string>
#include <string_view>

namespace dotwerk {

// A text of the control's catalogue as its widgets show it: its translation
// when the host loaded one, the text itself otherwise. The catalogue marks
// its texts with this context for lupdate.
inline QString translate(std::string_view text) {
    const std::string source(text);
    return QCoreApplication::translate("dotwerk", source.c_str());
}

}  // namespace dotwerk
