#include "batch/core/BatchFileSelection.h"
#include "app/core/PathText.h"

#include <string_view>

#include "app/core/TextFormat.h"
#include "batch/core/Texts.h"
#include "codec/PictureFormats.h"

namespace batch {
namespace {

constexpr std::string_view kFileScheme = "file://";

}  // namespace

std::string initialSelectionStatus() {
    return std::string(text::kNoFilesYet);
}

std::string selectionStatus(int count) {
    return app::formatText(text::kFilesReady,
                           {static_cast<long long>(count), count == 1 ? "" : " "});
}

bool isDroppablePicture(const std::string& path) {
    // The extension after the last "." of the name itself, not of a folder.
    const size_t dot = app::extensionDot(path);
    if (dot == std::string::npos)
        return false;
    const codec::PictureFormat* format = codec::formatOfPath(path.substr(dot));
    return format && !format->variant;
}

std::string listedUrl(const std::string& url) {
    if (app::startsWithNoCase(url, kFileScheme))
        return url.substr(kFileScheme.size());
    return url;
}

bool isDownloadEntry(const std::string& entry) {
    return entry.find("://") != std::string::npos;
}

bool isListableEntry(const std::string& entry) {
    return !entry.empty() && entry.find_first_of("\r\n") == std::string::npos;
}

std::string buildFileList(const std::vector<std::string>& entries) {
    std::string list;
    for (const std::string& entry : entries)
        list += entry + "\n";
    return list;
}

std::vector<std::string> fileListEntries(const std::string& fileList) {
    std::vector<std::string> entries;
    size_t start = 0;
    while (start < fileList.size()) {
        const size_t end = fileList.find('\n', start);
        if (end == std::string::npos) {
            entries.push_back(fileList.substr(start));
            break;
        }
        entries.push_back(fileList.substr(start, end - start));
        start = end + 1;
    }
    return entries;
}

}  // namespace batch
