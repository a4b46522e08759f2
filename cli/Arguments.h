#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// "0".."4" or a method name: thresholding, random, display, print,
// floyd-steinberg (case ignored).
std::optional<int> parseDitherMethod(std::string_view text);

// Walks an argument list, handing out option values.
class ArgumentCursor {
public:
    explicit ArgumentCursor(std::vector<std::string> args) : args_(std::move(args)) {}
    bool done() const { return next_ >= args_.size(); }
    const std::string& take() { return args_[next_++]; }
    // The value after an option, or nothing when the list ends.
    std::optional<std::string> value() {
        if (done())
            return std::nullopt;
        return take();
    }

private:
    std::vector<std::string> args_;
    size_t next_ = 0;
};

}  // namespace cli
