#include "cli/OutputNames.h"

#include "bitmap/FileIO.h"
#include "codec/DownloadFile.h"
#include "codec/PictureName.h"

namespace cli {

std::string baseNameWithoutExtension(std::string_view input) {
    while (input.size() > 1 && input.ends_with('/'))
        input.remove_suffix(1);
    const auto slash = input.rfind('/');
    std::string_view name = slash == std::string_view::npos ? input : input.substr(slash + 1);
    const auto dot = name.rfind('.');
    if (dot != std::string_view::npos && dot > 0)
        name = name.substr(0, dot);
    return name.empty() ? std::string("picture") : std::string(name);
}

std::string inputStem(std::string_view input) {
    if (codec::classifyPictureName(input).kind == codec::PictureName::Kind::url) {
        const std::string segment = codec::urlLastSegment(input);
        return baseNameWithoutExtension(segment.empty() ? std::string("picture") : segment);
    }
    return baseNameWithoutExtension(input);
}

std::string uniqueOutputPath(const std::string& folder, const std::string& stem,
                             std::string_view extension, std::set<std::string>& reserved) {
    const std::string prefix = folder.empty() || folder.ends_with('/') ? folder : folder + "/";
    const std::string suffix = "." + std::string(extension);
    std::string candidate = prefix + stem + suffix;
    for (int n = 1; bitmap::pathExists(candidate) || reserved.contains(candidate); ++n)
        candidate = prefix + stem + "(" + std::to_string(n) + ")" + suffix;
    reserved.insert(candidate);
    return candidate;
}

}  // namespace cli
