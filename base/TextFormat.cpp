#include "base/TextFormat.h"

namespace bitmap {

std::string formatText(std::string_view pattern, const std::vector<FormatArgument>& arguments) {
    std::string text;
    text.reserve(pattern.size() + 32);
    size_t next = 0;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c != '%' || i + 1 == pattern.size()) {
            text += c;
            continue;
        }
        const char kind = pattern[i + 1];
        if (kind == '%') {
            text += '%';
            ++i;
        } else if ((kind == 's' || kind == 'd') && next < arguments.size()) {
            const FormatArgument& argument = arguments[next++];
            if (const auto* value = std::get_if<long long>(&argument))
                text += std::to_string(*value);
            else
                text += std::get<std::string_view>(argument);
            ++i;
        } else {
            text += c;
        }
    }
    return text;
}

}  // namespace bitmap
