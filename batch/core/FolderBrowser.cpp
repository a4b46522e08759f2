#include "batch/core/FolderBrowser.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace batch {
namespace {

namespace fs = std::filesystem;

std::string withSlashes(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

bool isFolder(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::is_directory(path, error);
}

bool exists(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::exists(path, error);
}

// Absolute, without "." and ".." parts and without a trailing "/".
std::string normalised(const std::string& path) {
    std::error_code error;
    fs::path absolute = fs::absolute(withSlashes(path), error);
    if (error)
        absolute = fs::path(withSlashes(path));
    std::string text = absolute.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text.empty() ? std::string("/") : text;
}

std::string currentFolder() {
    std::error_code error;
    const fs::path here = fs::current_path(error);
    return error ? std::string("/") : normalised(here.string());
}

// Names in the order a reader expects: letters without regard to case, and
// names differing only in case in a fixed order.
bool lessByName(const std::string& a, const std::string& b) {
    const auto folded = [](std::string text) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return text;
    };
    const std::string foldedA = folded(a), foldedB = folded(b);
    return foldedA != foldedB ? foldedA < foldedB : a < b;
}

bool liesIn(const std::string& folder, const std::string& drive) {
    if (drive == "/")
        return true;
    return folder == drive || (folder.size() > drive.size() && folder.starts_with(drive) &&
                               folder[drive.size()] == '/');
}

std::string joined(const std::string& folder, const std::string& name) {
    return folder == "/" ? "/" + name : folder + "/" + name;
}

}  // namespace

std::string startFolder(const std::string& wanted, const std::string& fallback) {
    std::string path = withSlashes(wanted);
    while (!path.empty()) {
        if (isFolder(path))
            return normalised(path);
        if (exists(path))
            return normalised(fs::path(normalised(path)).parent_path().string());
        const auto cut = path.find_last_of('/');
        if (cut == std::string::npos || path == "/")
            break;
        path = cut == 0 ? std::string("/") : path.substr(0, cut);
    }
    if (!fallback.empty())
        return startFolder(fallback, std::string());
    return currentFolder();
}

FolderBrowser::FolderBrowser(const std::string& folder, std::vector<std::string> drives) {
    drives_.push_back("/");
    for (const std::string& drive : drives) {
        const std::string path = normalised(drive);
        if (std::find(drives_.begin(), drives_.end(), path) == drives_.end())
            drives_.push_back(path);
    }
    moveTo(startFolder(folder, std::string()));
}

std::vector<std::string> FolderBrowser::entries() const {
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(current_, fs::directory_options::skip_permission_denied, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code typeError;
        if (it->is_directory(typeError))
            names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end(), lessByName);
    std::vector<std::string> listed;
    if (current_ != "/")
        listed.push_back("[..]");
    for (const std::string& name : names)
        listed.push_back("[" + name + "]");
    return listed;
}

bool FolderBrowser::enter(std::string_view entry) {
    std::string name(entry);
    if (name.size() >= 2 && name.front() == '[' && name.back() == ']')
        name = name.substr(1, name.size() - 2);
    if (name == "..") {
        if (current_ == "/")
            return false;
        moveTo(fs::path(current_).parent_path().string());
        return true;
    }
    if (name.empty() || name == "." || name.find('/') != std::string::npos)
        return false;
    const std::string target = joined(current_, name);
    if (!isFolder(target))
        return false;
    moveTo(target);
    return true;
}

bool FolderBrowser::goTo(const std::string& path) {
    std::string typed = withSlashes(path);
    // Blanks around a pasted path are no part of it.
    const auto first = typed.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return false;
    typed = typed.substr(first, typed.find_last_not_of(" \t\r\n") - first + 1);
    const char* home = std::getenv("HOME");
    if (home && *home && (typed == "~" || typed.starts_with("~/")))
        typed = std::string(home) + typed.substr(1);
    const std::string target = typed.front() == '/' ? typed : joined(current_, typed);
    if (!isFolder(target))
        return false;
    moveTo(target);
    return true;
}

int FolderBrowser::currentDrive() const {
    int best = 0;
    for (size_t i = 0; i < drives_.size(); ++i) {
        if (liesIn(current_, drives_[i]) && drives_[i].size() > drives_[best].size())
            best = static_cast<int>(i);
    }
    return best;
}

void FolderBrowser::chooseDrive(int index) {
    if (index < 0 || static_cast<size_t>(index) >= drives_.size())
        return;
    const std::string& drive = drives_[static_cast<size_t>(index)];
    const auto remembered = lastFolderOnDrive_.find(drive);
    const std::string folder = remembered != lastFolderOnDrive_.end() ? remembered->second : drive;
    // A folder removed in the meantime gives way to its nearest parent.
    moveTo(startFolder(folder, drive));
}

FolderBrowser::CreateResult FolderBrowser::createFolder(const std::string& name) {
    if (name.empty() || name.find('/') != std::string::npos)
        return CreateResult::failed;
    const std::string target = joined(current_, name);
    if (exists(target))
        return CreateResult::exists;
    std::error_code error;
    if (!fs::create_directory(target, error) || error)
        return exists(target) ? CreateResult::exists : CreateResult::failed;
    moveTo(target);
    return CreateResult::created;
}

void FolderBrowser::moveTo(std::string folder) {
    current_ = normalised(folder);
    lastFolderOnDrive_[drives_[static_cast<size_t>(currentDrive())]] = current_;
}

}  // namespace batch
