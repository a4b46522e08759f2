#include "app/core/WmlText.h"

namespace app {

std::string escapeXml(std::string_view text, char quote) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        if (c == '&')
            escaped += "&amp;";
        else if (c == '<')
            escaped += "&lt;";
        else if (c == '>')
            escaped += "&gt;";
        else if (c == quote && c == '\'')
            escaped += "&apos;";
        else if (c == quote && c == '"')
            escaped += "&quot;";
        else
            escaped += c;
    }
    return escaped;
}

}  // namespace app
