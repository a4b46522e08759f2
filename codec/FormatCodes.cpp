#include "codec/FormatCodes.h"

#include <array>
#include <cctype>
#include <utility>

namespace codec {
namespace {

constexpr std::array<std::pair<std::string_view, int>, 8> kExtensions{{
    {"bmp", kFormatBmp},
    {"wbmp", kFormatWbmp},
    {"wbm", kFormatWbmp},
    {"jpg", kFormatJpeg},
    {"jpeg", kFormatJpeg},
    {"gif", kFormatGif},
    {"png", kFormatPng},
    {"png-trans", kFormatPngTransparent},
}};

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

}  // namespace

int formatCodeOf(std::string_view name) {
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return kFormatUnknown;
    const std::string_view extension = name.substr(dot + 1);
    for (const auto& [text, code] : kExtensions) {
        if (equalsIgnoringCase(extension, text))
            return code;
    }
    return kFormatUnknown;
}

int formatCodeOfName(std::string_view format) {
    return formatCodeOf("." + std::string(format));
}

std::string_view formatName(int code) {
    static constexpr std::array<std::string_view, 6> kNames{"bmp", "wbmp", "jpg",
                                                            "gif", "png",  "png"};
    if (code < 0 || code >= static_cast<int>(kNames.size()))
        return {};
    return kNames[static_cast<size_t>(code)];
}

}  // namespace codec
