#include "app/core/settings/IniSettingsText.h"

#include <charconv>

namespace app {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmedBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isPlainKeyCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ' ||
           c == '_' || c == '-' || c == '.';
}

// Well-formed UTF-8 (no overlong forms, surrogates or code points above
// U+10FFFF), as Qt decodes it without replacing anything.
bool isWellFormedUtf8(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        size_t length = 0;
        char32_t point = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            point = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            point = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            point = lead & 0x07u;
        } else {
            return false;
        }
        if (text.size() - i < length)
            return false;
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            point = (point << 6) | (next & 0x3Fu);
        }
        const char32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        if (point < smallest || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

// A key or group name as QSettings writes it: "\" stands for "/", "%XX"
// for a character it had to escape (a space, for one). Only plain ASCII
// names are read here.
std::optional<std::string> plainKey(std::string_view written) {
    std::string key;
    for (size_t i = 0; i < written.size(); ++i) {
        const char c = written[i];
        if (c == '\\') {
            key += '/';
        } else if (c == '%') {
            // Exactly two hexadecimal digits.
            const char* digits = written.data() + i + 1;
            int code = 0;
            if (i + 2 >= written.size() ||
                std::from_chars(digits, digits + 2, code, 16).ptr != digits + 2 || code < 0x20 ||
                code >= 0x7F)
                return std::nullopt;
            key += static_cast<char>(code);
            i += 2;
        } else if (isPlainKeyCharacter(c)) {
            key += c;
        } else {
            return std::nullopt;
        }
    }
    if (key.empty())
        return std::nullopt;
    return key;
}

// A value QSettings reads as the text it shows: no quoting, escapes, lists
// or typed values. Blanks around it are not part of it.
std::optional<std::string> plainValue(std::string_view written) {
    const std::string_view value = trimmedBlanks(written);
    if (!value.empty() && value.front() == '@')
        return std::nullopt;
    for (const char c : value) {
        if (c == '"' || c == '\\' || c == ',')
            return std::nullopt;
    }
    return std::string(value);
}

// The group a "[Name]" line opens ("" for "[General]"), with its trailing
// "/", or nothing.
std::optional<std::string> groupOfLine(std::string_view line) {
    const size_t close = line.find(']');
    if (close == std::string_view::npos || !trimmedBlanks(line.substr(close + 1)).empty())
        return std::nullopt;
    const std::string_view name = trimmedBlanks(line.substr(1, close - 1));
    std::string lower;
    for (const char c : name)
        lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    if (lower == "general")
        return std::string();
    auto group = plainKey(name);
    if (!group)
        return std::nullopt;
    return *group + '/';
}

}  // namespace

std::optional<IniValues> readPlainIniSettings(std::string_view text) {
    if (!isWellFormedUtf8(text) || text.starts_with("\xEF\xBB\xBF"))
        return std::nullopt;
    IniValues values;
    std::string group;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = trimmedBlanks(text.substr(start, end - start));
        start = end + 1;
        if (line.empty())
            continue;
        for (const char c : line) {
            const auto byte = static_cast<unsigned char>(c);
            if (c == ';' || c == '#' || (byte < 0x20 && c != '\t') || byte == 0x7F)
                return std::nullopt;
        }
        if (line.front() == '[') {
            auto opened = groupOfLine(line);
            if (!opened)
                return std::nullopt;
            group = std::move(*opened);
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            return std::nullopt;
        const auto key = plainKey(trimmedBlanks(line.substr(0, equals)));
        auto value = plainValue(line.substr(equals + 1));
        if (!key || !value)
            return std::nullopt;
        // A name given twice is read by rules of Qt's own.
        if (!values.emplace(group + *key, std::move(*value)).second)
            return std::nullopt;
    }
    return values;
}

std::optional<int> plainSettingsNumber(std::string_view text) {
    const bool plus = !text.empty() && text.front() == '+';
    if (plus)
        text.remove_prefix(1);
    const bool minus = !plus && !text.empty() && text.front() == '-';
    const std::string_view digits = minus ? text.substr(1) : text;
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return number;
}

}  // namespace app
