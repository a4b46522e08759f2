// The download dialog's text: counter pictures, header information, or a
// URL to fetch.
#include <algorithm>
#include <cstdio>

#include "app/core/PathText.h"
#include "app/core/TextFormat.h"
#include "app/core/Texts.h"
#include "app/core/document/PictureDocument.h"

namespace app {
namespace {

// The number at the start of the text, with the count of its digits; a
// value too large for the counter is capped rather than wrapped.
int leadingNumber(const std::string& text, int& digitCount) {
    long long value = 0;
    digitCount = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        value = std::min<long long>(value * 10 + (c - '0'), INT32_MAX);
        ++digitCount;
    }
    return static_cast<int>(value);
}

}  // namespace

void PictureDocument::downloadText(const std::string& text, const std::string& folder) {
    if (host_.isEditing())
        host_.endEditing();
    modified_ = false;
    if (startsWithNoCase(text, "counter://")) {
        counterText(text.substr(10), folder);
        return;
    }
    if (startsWithNoCase(text, "info://")) {
        infoText(text.substr(7));
        return;
    }
    // The local file is named after the URL's last segment, or the one
    // before it when the URL ends in "/".
    std::string name;
    const auto last = text.rfind('/');
    if (last != std::string::npos) {
        name = text.substr(last + 1);
        if (name.empty()) {
            const std::string cut = text.substr(0, last);
            const auto before = cut.rfind('/');
            name = before == std::string::npos ? cut : cut.substr(before + 1);
        }
    }
    std::string localPath = folder + "/" + name;
    std::string errorText;
    if (fetchUrl(text, localPath, errorText) != result::kOk)
        ui_.error(aboutFile(text, errorText));
}

void PictureDocument::counterText(const std::string& counterRequest, const std::string& folder) {
    const auto colon = counterRequest.rfind(':');
    const std::string numberPart =
        colon == std::string::npos ? counterRequest : counterRequest.substr(colon + 1);
    const std::string source =
        colon == std::string::npos ? std::string() : counterRequest.substr(0, colon);
    if (numberPart.empty()) {
        ui_.error(std::string(text::kNoCounterNumber));
        return;
    }
    int digitCount = 0;
    const int number = leadingNumber(numberPart, digitCount);
    const std::string outputFolder = folder.empty() ? settings_.saveFolderOrTemp() : folder;
    const std::string outputPath = formatText("%s/%d.bmp", {outputFolder, number});
    if (!codec().wbmpCounter(source, outputPath, number, digitCount)) {
        ui_.error(formatText(text::kCounterFailed, {codec().errordescription()}));
        return;
    }
    if (openPicture(outputPath, false) != result::kOk) {
        ui_.error(formatText(text::kCounterUnreadable, {codec().errordescription()}));
        return;
    }
    std::remove(outputPath.c_str());
}

void PictureDocument::infoText(const std::string& path) {
    if (codec().readImageHeader(path)) {
        ui_.inform(formatText(text::kHeaderInfo,
                              {codec().fileFormat(), static_cast<long long>(codec().imageWidth()),
                               static_cast<long long>(codec().imageHeight())}),
                   std::string(text::kCaptionPictureInfo), MessageIcon::information);
    } else {
        ui_.inform(formatText(text::kHeaderUnreadable, {path}),
                   std::string(text::kCaptionPictureInfo), MessageIcon::information);
    }
}

}  // namespace app
