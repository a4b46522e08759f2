#include "app/core/split/WmlText.h"

#include <cctype>
#include <string_view>

namespace app {
namespace {

void appendEncoded(std::string& out, unsigned char byte) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += '%';
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
}

bool isHexDigit(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

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

std::string escapeWml(std::string_view text, char quote) {
    std::string escaped;
    for (const char c : escapeXml(text, quote)) {
        if (c == '$')
            escaped += '$';
        escaped += c;
    }
    return escaped;
}

std::string urlEncodeFileName(std::string_view name) {
    static constexpr std::string_view kKept = "-._~!$&'()*+,;=@";
    std::string encoded;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80 && (std::isalnum(byte) || kKept.find(c) != std::string_view::npos))
            encoded += c;
        else
            appendEncoded(encoded, byte);
    }
    return encoded;
}

std::string urlEncodePrefix(std::string_view prefix) {
    static constexpr std::string_view kNeverInUrls = " \"<>^`{|}";
    std::string encoded;
    for (size_t i = 0; i < prefix.size(); ++i) {
        const auto byte = static_cast<unsigned char>(prefix[i]);
        const bool encodedAlready = prefix[i] == '%' && i + 2 < prefix.size() &&
                                    isHexDigit(prefix[i + 1]) && isHexDigit(prefix[i + 2]);
        if (byte < 0x20 || byte >= 0x7F || kNeverInUrls.find(prefix[i]) != std::string_view::npos ||
            (prefix[i] == '%' && !encodedAlready))
            appendEncoded(encoded, byte);
        else
            encoded += prefix[i];
    }
    return encoded;
}

}  // namespace app
