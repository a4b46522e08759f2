#pragma once

#include <string>
#include <string_view>

#include "base/TextFormat.h"

namespace app {

// The program's one message formatter, under the name the program's code uses.
using bitmap::FormatArgument;
using bitmap::formatText;

// The text with ASCII letters in lower case.
std::string lowerCase(std::string text);
// Whether the text begins with the prefix, ASCII letters compared without
// regard to case.
bool startsWithNoCase(std::string_view text, std::string_view prefix);

}  // namespace app
