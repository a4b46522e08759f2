#include "cli/Arguments.h"

#include <array>
#include <cctype>
#include <charconv>

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
    if (auto code = parseInt(text, 0, 4))
        return code;
    static constexpr std::array<std::string_view, 5> kNames{"thresholding", "random", "display",
                                                            "print", "floyd-steinberg"};
    std::string lower;
    for (char c : text)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (size_t i = 0; i < kNames.size(); ++i) {
        if (lower == kNames[i])
            return static_cast<int>(i);
    }
    return std::nullopt;
}

}  // namespace cli
