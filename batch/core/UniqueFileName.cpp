#include "batch/core/UniqueFileName.h"
#include "app/core/PathText.h"

#include <algorithm>
#include <limits>

#include "base/FileIO.h"

namespace batch {
namespace {

// The number in "(digits)" when the text is all digits and fits.
bool parseCounter(const std::string& digits, long long& value) {
    if (digits.empty() || digits.size() > 17)
        return false;
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    value = std::stoll(digits);
    return true;
}

}  // namespace

void MakeUniqueFileName(std::string& path) {
    MakeUniqueFileName(path, [](const std::string& name) { return bitmap::pathExists(name); });
}

void MakeUniqueFileName(std::string& path, const std::function<bool(const std::string&)>& exists) {
    while (exists(path)) {
        // A name without any "." gets its counter at the end.
        size_t dot = app::extensionDot(path);
        if (dot == std::string::npos)
            dot = path.size();
        const std::string extension = path.substr(dot);
        const size_t open = path.rfind('(', dot);
        long long counter = 0;
        if (dot > 0 && path[dot - 1] == ')' && open != std::string::npos && open > 0 &&
            parseCounter(path.substr(open + 1, dot - 1 - open - 1), counter)) {
            path = path.substr(0, open) + "(" + std::to_string(counter + 1) + ")" + extension;
        } else {
            path = path.substr(0, dot) + "(1)" + extension;
        }
    }
}

}  // namespace batch
