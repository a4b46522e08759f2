#include "codec/url/UrlCheck.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "base/FileIO.h"
#include "base/TextFormat.h"
#include "codec/PictureName.h"
#include "codec/Texts.h"

namespace codec {
namespace {

constexpr std::array<std::string_view, 6> kAcceptedSchemes{"http://", "https://", "ftp://",
                                                           "file://", "info://",  "counter://"};

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

std::string_view trimmed(std::string_view text) {
    const auto isSpace = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isLocalPath(std::string_view text) {
    const auto driveColon = text.find(":\\");
    if (driveColon != std::string_view::npos && driveColon > 0)
        return true;
    if (text.starts_with('/') || text.starts_with("./") || text.starts_with("../") ||
        text.starts_with("~/"))
        return true;
    return bitmap::pathExists(std::string(text));
}

UrlCheckResult refuse(UrlCheckResult::Refusal why, std::string message, std::string_view caption) {
    return {why, {}, std::move(message), std::string(caption)};
}

}  // namespace

UrlCheckResult checkDownloadUrl(std::string_view typed, const std::string& downloadFolder) {
    using Refusal = UrlCheckResult::Refusal;
    const std::string_view entered = trimmed(typed);
    std::string url;
    const bool known =
        std::any_of(kAcceptedSchemes.begin(), kAcceptedSchemes.end(),
                    [&](std::string_view s) { return startsWithIgnoringCase(entered, s); });
    if (known) {
        url = entered;
    } else if (const auto scheme = entered.find("://"); scheme != std::string_view::npos) {
        return refuse(Refusal::unsupportedScheme,
                      bitmap::formatText(text::kUnsupportedUrl, {entered.substr(0, scheme + 2)}),
                      text::kCaptionError);
    } else if (entered.empty()) {
        return refuse(Refusal::empty, std::string(text::kEnterUrl), text::kCaptionNoUrl);
    } else if (isLocalPath(entered)) {
        url = "file://" + classifyPictureName(entered).location;
    } else {
        url = "http://" + std::string(entered);
    }
    if (!bitmap::directoryExists(downloadFolder))
        return refuse(Refusal::folderMissing,
                      bitmap::formatText(text::kFolderNotFound, {downloadFolder}),
                      text::kCaptionError);
    return {Refusal::none, std::move(url), {}, {}};
}

}  // namespace codec
