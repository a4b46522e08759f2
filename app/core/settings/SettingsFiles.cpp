// How glyphon-cli opens the settings store. Reading the store through Qt
// costs the loading of Qt itself (several milliseconds, most of a short
// conversion), so a store whose files are plain is read here; any write,
// and any file with something this reading is not sure of, goes to Qt's
// own store. The desktop program and the tests link Qt and always use it.
#include "app/core/settings/SettingsFiles.h"

#include <sys/stat.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <memory>

#include "app/core/QtServices.h"
#include "app/core/settings/StoredSettings.h"
#include "base/FileIO.h"

namespace app {
namespace {

constexpr const char* kOrganisation = "Vendra";
constexpr const char* kProgram = "WAP Glyphon";
// What Qt reads of the system's settings when XDG_CONFIG_DIRS is not set.
constexpr const char* kSystemFolder = "/etc/xdg";
// Settings files are a few kilobytes; a larger one is left to Qt.
constexpr uint64_t kLargestPlainFile = uint64_t{1} << 20;

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool fileIsMissing(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) != 0 && errno == ENOENT;
}

// Set once this run has written to the store: from then on the files read
// at first are out of date, and every store is Qt's.
std::atomic<bool> storeWritten{false};

// The plain values, read once per run; nothing when Qt must read them.
const std::optional<IniValues>& plainValues() {
    static const std::optional<IniValues> values = []() -> std::optional<IniValues> {
        const auto paths = settingsFilePaths();
        if (!paths)
            return std::nullopt;
        return readPlainSettingsFiles(*paths);
    }();
    return values;
}

// Reads the values read at first until the first change, which opens Qt's
// store and leaves everything after it to that store.
class PlainSettings final : public StoredSettings {
public:
    explicit PlainSettings(const IniValues& values) : values_(values) {}

    using StoredSettings::readInt;
    std::optional<std::string> readString(const std::string& key) const override {
        if (qtStore_)
            return qtStore_->readString(key);
        return plainValue(key);
    }
    std::optional<int> readInt(const std::string& key) const override {
        if (qtStore_)
            return qtStore_->readInt(key);
        const auto text = plainValue(key);
        return text ? plainSettingsNumber(*text) : std::nullopt;
    }
    void write(const std::string& key, const std::string& text) override {
        changing().write(key, text);
    }
    void write(const std::string& key, int number) override { changing().write(key, number); }
    void remove(const std::string& key) override { changing().remove(key); }
    bool commit() override { return !qtStore_ || qtStore_->commit(); }
    std::string location() const override {
        return qtStore_ ? qtStore_->location() : qtServices().openSettings()->location();
    }

private:
    std::optional<std::string> plainValue(const std::string& key) const {
        const auto found = values_.find(key);
        if (found == values_.end())
            return std::nullopt;
        return found->second;
    }
    StoredSettings& changing() {
        if (!qtStore_) {
            storeWritten.store(true);
            qtStore_ = qtServices().openSettings();
        }
        return *qtStore_;
    }

    const IniValues& values_;
    std::unique_ptr<StoredSettings> qtStore_;
};

}  // namespace

std::optional<std::vector<std::string>> settingsFilePaths() {
    std::string userFolder = environment("XDG_CONFIG_HOME");
    if (userFolder.empty()) {
        const std::string home = environment("HOME");
        if (home.empty())
            return std::nullopt;
        userFolder = home + "/.config";
    }
    const std::string systemFolders = environment("XDG_CONFIG_DIRS");
    if (userFolder.front() != '/' || (!systemFolders.empty() && systemFolders != kSystemFolder))
        return std::nullopt;
    const std::string system = kSystemFolder;
    const std::string organisation = kOrganisation;
    return std::vector<std::string>{
        userFolder + "/" + organisation + "/" + kProgram + ".conf",
        userFolder + "/" + organisation + ".conf",
        system + "/" + organisation + "/" + kProgram + ".conf",
        system + "/" + organisation + ".conf",
    };
}

std::optional<IniValues> readPlainSettingsFiles(const std::vector<std::string>& paths) {
    IniValues merged;
    for (const std::string& path : paths) {
        if (fileIsMissing(path))
            continue;
        const bitmap::FileContents file = bitmap::readWholeFile(path, kLargestPlainFile);
        if (file.status != bitmap::ReadStatus::ok)
            return std::nullopt;
        const auto values = readPlainIniSettings(
            std::string_view(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()));
        if (!values)
            return std::nullopt;
        // A value of an earlier file wins.
        merged.insert(values->begin(), values->end());
    }
    return merged;
}

std::unique_ptr<StoredSettings> openSettings() {
    // Qt linked in (the desktop program, the tests): its store, always.
    if (linkedQtServices() == nullptr && !storeWritten.load()) {
        if (const auto& values = plainValues())
            return std::make_unique<PlainSettings>(*values);
    }
    return qtServices().openSettings();
}

}  // namespace app
