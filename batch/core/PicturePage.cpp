#include "batch/core/PicturePage.h"
#include "app/core/PathText.h"

#include <cstdint>
#include <span>

#include "app/core/split/WmlText.h"
#include "base/FileIO.h"

namespace batch {
namespace {

using app::fileNameOf;
using app::withoutExtension;

std::string folderWithSeparator(const std::string& folder) {
    if (folder.empty() || folder.back() == '/')
        return folder;
    return folder + "/";
}

// A prefix may be a URL, a drive or a folder of either platform, so any of
// these endings already separates it from the name.
std::string prefixWithSeparator(const std::string& prefix) {
    if (prefix.empty())
        return prefix;
    const char last = prefix.back();
    if (last == '/' || last == ':' || last == '\\')
        return prefix;
    return prefix + "/";
}

}  // namespace

void completeWmlPageOptions(WmlPageOptions& options) {
    if (options.separateFolder)
        options.folder = folderWithSeparator(options.folder);
    if (options.prefixEnabled)
        options.prefix = prefixWithSeparator(options.prefix);
}

PicturePagePlan planPicturePage(const std::string& outputPath, const WmlPageOptions& options) {
    PicturePagePlan plan;
    const std::string pictureName = fileNameOf(outputPath);
    if (options.separateFolder && !options.folder.empty())
        plan.path = folderWithSeparator(options.folder) + withoutExtension(pictureName) + ".wml";
    else
        plan.path = withoutExtension(outputPath) + ".wml";
    // The source is a URL: the name is encoded as a path segment, the
    // prefix only where it holds what no URL may carry. The file keeps its
    // name on disk.
    plan.source = app::urlEncodeFileName(pictureName);
    if (options.prefixEnabled)
        plan.source = app::urlEncodePrefix(prefixWithSeparator(options.prefix)) + plan.source;
    plan.altText = options.altTextMode == 1 ? options.customAltText : pictureName;
    return plan;
}

std::string picturePageBytes(const PicturePagePlan& plan, int width, int height) {
    std::string bytes(app::kWmlProlog);
    bytes += "  <card id=\"crd_image\">\r\n    <p>\r\n       ";
    bytes += "<img src=\"" + app::escapeWml(plan.source, '"') + "\" width=\"" +
             std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" alt=\"" +
             app::escapeWml(plan.altText, '"') + "\"/>\r\n";
    bytes += "    </p>\r\n  </card>\r\n";
    bytes += app::kWmlFooter;
    return bytes;
}

PicturePageResult writePicturePage(const std::string& outputPath, WmlPageOptions& options,
                                   int width, int height) {
    completeWmlPageOptions(options);
    const PicturePagePlan plan = planPicturePage(outputPath, options);
    PicturePageResult result;
    result.pagePath = plan.path;
    // Without a picture name there is nothing to show and no page name.
    if (fileNameOf(outputPath).empty())
        return result;
    const std::string bytes = picturePageBytes(plan, width, height);
    const std::span<const uint8_t> piece(reinterpret_cast<const uint8_t*>(bytes.data()),
                                         bytes.size());
    result.written =
        bitmap::writeFileAtomically(plan.path, std::span(&piece, 1)) == bitmap::WriteStatus::ok;
    return result;
}

}  // namespace batch
