#pragma once

#include <QCoreApplication>
#include <QString>

#include <string>
#include <string_view>

namespace app {

// A UTF-8 text (a catalogue entry or any other view of UTF-8 bytes) as a
// QString.
inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text of the program's catalogues in the language chosen at start: its
// translation when one is loaded, the text itself otherwise. The catalogues
// mark their texts with this context for lupdate.
inline QString tr(std::string_view text) {
    const std::string source(text);
    return QCoreApplication::translate("glyphon", source.c_str());
}

}  // namespace app
