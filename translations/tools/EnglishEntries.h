#pragma once

#include <QByteArray>

#include <utility>
#include <vector>

#include "translations/tools/TsMessages.h"

namespace translations::tools {

// A source text and its English text, both UTF-8.
using EnglishEntry = std::pair<QByteArray, QByteArray>;

// What the program's English lookup through QTranslator gives for each
// source text: a message of context "glyphon", else one of "glyphon-cli",
// with a finished, non-empty translation and no disambiguating comment
// (lrelease leaves out unfinished, vanished and obsolete messages, and a
// lookup without a comment does not find a commented one; an empty text
// lets the lookup go on to the next context). Sorted by source text byte by
// byte, each source once. Throws std::runtime_error for a message given
// twice in one context.
std::vector<EnglishEntry> englishEntries(const std::vector<TsMessage>& messages);

}  // namespace translations::tools
