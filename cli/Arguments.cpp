#include "cli/Arguments.h"

#include <array>
#include <cctype>
#include <charconv>

#include "bitmap/dither/DitherMethod.h"

namespace cli {

std::optional<int> parseInt(std::string_view text, int minimum, int maximum) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    if (value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

std::optional<Size> parseSize(std::string_view text) {
    const auto x = text.find_first_of("xX");
    if (x == std::string_view::npos)
        return std::nullopt;
    const auto width = parseInt(text.substr(0, x), 1, 1 << 20);
    const auto height = parseInt(text.substr(x + 1), 1, 1 << 20);
    if (!width || !height)
        return std::nullopt;
    return Size{*width, *height};
}

std::optional<int> parseDitherMethod(std::string_view text) {
    if (auto code = parseInt(text, 0, bitmap::kDitherMethodCount - 1))
        return code;
    std::string lower;
    for (char c : text)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (int m = 0; m < bitmap::kDitherMethodCount; ++m) {
        if (lower == bitmap::kDitherMethodKeys[m])
            return m;
    }
    return std::nullopt;
}

}  // namespace cli
