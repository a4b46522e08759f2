#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace app {

using FormatArgument = std::variant<std::string_view, long long>;

// Fills a message pattern: each "%s" or "%d" takes the next argument in
// turn, "%%" gives "%". Placeholders without an argument are left as they
// are, so a wrong pattern can never read past the arguments.
std::string formatText(std::string_view pattern, const std::vector<FormatArgument>& arguments);

}  // namespace app

namespace app {

// The text with ASCII letters in lower case.
std::string lowerCase(std::string text);
// Whether the text begins with the prefix, ASCII letters compared without
// regard to case.
bool startsWithNoCase(std::string_view text, std::string_view prefix);

}  // namespace app
