#pragma once

#include <QSettings>
#include <QString>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

#include "app/qt/LinkedQtServices.h"
#include "support/TestSupport.h"

// Keeps the tests away from the user's settings store (~/.config/Vendra).
//
// Every test program that includes this header points the settings store
// (QSettings, user scope, native and INI formats) and XDG_CONFIG_HOME, which
// spawned programs inherit, at a folder of its own before main() runs and
// removes that folder at exit. A SettingsSandbox gives one test a fresh,
// empty store in a temporary folder and points back at the program's folder
// when it goes away.
namespace testing_support {

// Sets an environment variable for as long as it lives, then puts back what
// was there (or unsets it).
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

inline void pointSettingsStoreAt(const std::string& folder) {
    const QString path = QString::fromStdString(folder);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path);
}

// The folder of the whole test program.
class ProgramSettingsFolder {
public:
    ProgramSettingsFolder() {
        // The store and the catalogues linked in, not loaded from the module.
        app::qt::useLinkedQtServices();
        std::string pattern =
            (std::filesystem::temp_directory_path() / "glyphon-settings-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
        ::setenv("XDG_CONFIG_HOME", path_.c_str(), 1);
        pointSettingsStoreAt(path_);
    }
    ~ProgramSettingsFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ProgramSettingsFolder(const ProgramSettingsFolder&) = delete;
    ProgramSettingsFolder& operator=(const ProgramSettingsFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

inline const ProgramSettingsFolder programSettingsFolder;

// A fresh, empty settings store for one test.
class SettingsSandbox {
public:
    SettingsSandbox() : xdg_("XDG_CONFIG_HOME", dir_.path()) { pointSettingsStoreAt(dir_.path()); }
    ~SettingsSandbox() { pointSettingsStoreAt(programSettingsFolder.path()); }
    SettingsSandbox(const SettingsSandbox&) = delete;
    SettingsSandbox& operator=(const SettingsSandbox&) = delete;

    // The folder that holds the store.
    const std::string& folder() const { return dir_.path(); }
    // Where QSettings keeps organisation "Vendra", application "WAP Glyphon".
    std::string settingsFile() const { return dir_.path() + "/Vendra/WAP Glyphon.conf"; }

private:
    TempDir dir_;
    ScopedEnv xdg_;
};

}  // namespace testing_support
