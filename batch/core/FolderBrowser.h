#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

// The folder-choosing dialog's model: where it opens, the sub-folders it
// lists, going into them and up, the drives (here the file system's root,
// the home folder and mounted volumes) with the folder last used on each,
// and making a new folder.
namespace batch {

// The folder a picker opens at for `wanted`: the folder itself when it
// exists, the folder of a file, or else the nearest existing folder above
// it. A name with no "/" left to cut at falls back to `fallback` (or, when
// that does not exist either, the current folder). "\" counts as "/". The
// result is absolute and has no trailing "/" (apart from the root).
std::string startFolder(const std::string& wanted, const std::string& fallback);

class FolderBrowser {
public:
    // `drives` are absolute folders; the root "/" is always among them.
    FolderBrowser(const std::string& folder, std::vector<std::string> drives);

    const std::string& current() const { return current_; }

    // "[..]" (except at the root) followed by every sub-folder, hidden ones
    // included, as "[name]", in name order. A folder that cannot be read
    // lists only "[..]".
    std::vector<std::string> entries() const;

    // Goes into a listed entry (with or without its brackets); "[..]" goes
    // up one folder. False, and nothing changes, when the entry is not a
    // folder (any more).
    bool enter(std::string_view entry);

    // Goes to a folder typed or pasted as a path: absolute, relative to the
    // current folder, or starting with "~" for the home folder. False, and
    // nothing changes, when it names no existing folder.
    bool goTo(const std::string& path);

    const std::vector<std::string>& drives() const { return drives_; }
    // The drive holding the current folder: the one with the longest path
    // that the current folder lies in.
    int currentDrive() const;
    // Goes back to the folder last used on that drive (its root at first).
    void chooseDrive(int index);

    enum class CreateResult { created, exists, failed };
    // Makes current folder + "/" + name and goes into it. A name that is
    // empty or holds a "/" is refused as failed.
    CreateResult createFolder(const std::string& name);

private:
    void moveTo(std::string folder);

    std::string current_;
    std::vector<std::string> drives_;
    std::map<std::string, std::string> lastFolderOnDrive_;
};

}  // namespace batch
