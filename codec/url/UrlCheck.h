#pragma once

#include <string>
#include <string_view>

namespace codec {

// What the download dialog does with the text typed as a picture's URL
// when the user presses OK.
struct UrlCheckResult {
    enum class Refusal { none, unsupportedScheme, empty, folderMissing };
    Refusal refusal = Refusal::none;
    std::string url;      // the normalised URL when accepted
    std::string message;  // the message box text when refused
    std::string caption;  // and its caption
    bool accepted() const { return refusal == Refusal::none; }
};

// Accepts http://, https://, ftp://, file://, info:// and counter:// URLs
// as typed (surrounding white space removed); refuses any other scheme and
// an empty text; puts "file://" before local paths (absolute, "./", "../",
// "~/", an existing relative path, or a drive path with ":\") and
// "http://" before anything else. Finally the download folder must exist.
UrlCheckResult checkDownloadUrl(std::string_view text, const std::string& downloadFolder);

}  // namespace codec
