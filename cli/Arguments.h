#pragma once

#include <optional>
#include <string>
#include <string_view>

// Small parsing helpers for the command-line options.
namespace cli {

struct Size {
    int width = 0;
    int height = 0;
};

// "96x60" (or "96X60") with both numbers positive.
std::optional<Size> parseSize(std::string_view text);

// A whole number in [minimum, maximum].
std::optional<int> parseInt(std::string_view text, int minimum, int maximum);

// A method's code or its key (bitmap::kDitherMethodKeys: thresholding,
// random, display, print, floyd-steinberg, atkinson, ...; case ignored).
std::optional<int> parseDitherMethod(std::string_view text);

}  // namespace cli
