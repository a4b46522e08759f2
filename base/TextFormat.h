#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Filling in the placeholders of a text: the one formatter of the program's
// messages, from the bitmap core up to the windows and the command-line tool.
namespace bitmap {

using FormatArgument = std::variant<std::string_view, long long>;

// Fills a message pattern: each "%s" or "%d" takes the next argument in
// turn, "%%" gives "%". Placeholders without an argument are left as they
// are, so a wrong pattern can never read past the arguments.
std::string formatText(std::string_view pattern, const std::vector<FormatArgument>& arguments);

}  // namespace bitmap
