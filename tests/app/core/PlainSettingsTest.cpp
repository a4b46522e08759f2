// glyphon-cli reads a plain settings file without Qt. Every file it reads
// must give what QSettings gives for every key, and every file it is not
// sure of must be left to QSettings.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "app/core/settings/IniSettingsText.h"
#include "app/core/settings/SettingsFiles.h"
#include "app/qt/SettingsStore.h"
#include "support/SettingsSandbox.h"
#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ScopedEnv;
using testing_support::SettingsSandbox;
using testing_support::TempDir;

struct FileCase {
    const char* text;
    bool plain;  // read without Qt
};

const FileCase kFiles[] = {
    {"[Settings]\nDSD=/home/jana/Obr\xC3\xA1zky\nIxDithering=3\nTresholdValue=128\n", true},
    {"[Phones]\nCount=2\nPhone1\\Phone%20name=Nokia 7110\nPhone1\\Width=96\n"
     "Phone2\\Phone%20name=\xC5\xA0koda \xC4\x8D\xC3\xADslo 2\n",
     true},
    {"Top=1\n[General]\nAlso=2\n[Settings]\n  Key  =  value with  inner  spaces \t\n", true},
    {"[Settings]\r\nA=1\r\n\r\n\r\nB=two words\r\n", true},
    {"[Settings]\nEmpty=\nBlank=   \nEquals=a=b\n[Phones\\Phone1]\nWidth=5\n", true},
    {"[Numbers]\np=+5\nz=-0\nl=007\nmax=2147483647\nover=2147483648\nmin=-2147483648\n"
     "under=-2147483649\ne=1e3\nh=0x10\npm=+-5\nmp=-+5\nsp=1 2\nd=1.0\n",
     true},
    {"[Settings]\nName=\"quoted\"\n", false},
    {"[Settings]\nList=a,b\n", false},
    {"[Settings]\nGeometry=@ByteArray(abc)\n", false},
    {"[Settings]\nPath=C:\\\\x\n", false},
    {"; a comment\n[Settings]\nA=1\n", false},
    {"[Settings]\nA=1;2\n", false},
    {"[Settings]\n#A=1\n", false},
    {"[Settings]\nA=1\nA=2\n", false},
    {"[Settings]\nnot a pair\n", false},
    {"[%General]\nA=1\n", false},
    {"[Settings]\nA=%U0041\n[B%2]\nC=1\n", false},
    {"\xEF\xBB\xBF[Settings]\nA=1\n", false},
    {"[Settings]\nA=\xFF\n", false},
    {"[Settings]\nA=\x01\n", false},
};

// The keys a case is asked for: all it holds, and some it does not.
std::set<std::string> keysToAsk(const app::IniValues& values) {
    std::set<std::string> keys = {"Settings/DSD", "Missing", "Settings", "Phones/Phone1"};
    for (const auto& [key, value] : values)
        keys.insert(key);
    return keys;
}

TEST(PlainSettings, GivesWhatQtGivesOrLeavesTheFileToQt) {
    for (const FileCase& file : kFiles) {
        SCOPED_TRACE(file.text);
        const SettingsSandbox sandbox;
        fs::create_directories(sandbox.folder() + "/Vendra");
        testing_support::writeFile(sandbox.settingsFile(), std::string(file.text));
        const auto values = app::readPlainIniSettings(file.text);
        ASSERT_EQ(values.has_value(), file.plain);
        if (!values)
            continue;
        const app::SettingsStore qt;
        for (const std::string& key : keysToAsk(*values)) {
            SCOPED_TRACE(key);
            const auto found = values->find(key);
            const auto text =
                found == values->end() ? std::nullopt : std::optional<std::string>(found->second);
            EXPECT_EQ(text, qt.readString(key));
            EXPECT_EQ(text ? app::plainSettingsNumber(*text) : std::nullopt, qt.readInt(key));
        }
    }
}

TEST(PlainSettings, FilesFollowTheEnvironmentAsQtDoes) {
    const ScopedEnv home("HOME", "/home/jana");
    const ScopedEnv systemFolders("XDG_CONFIG_DIRS", "");
    {
        const ScopedEnv user("XDG_CONFIG_HOME", "");
        const auto paths = app::settingsFilePaths();
        ASSERT_TRUE(paths);
        EXPECT_EQ(*paths, (std::vector<std::string>{
                              "/home/jana/.config/Vendra/WAP Glyphon.conf",
                              "/home/jana/.config/Vendra.conf",
                              "/etc/xdg/Vendra/WAP Glyphon.conf",
                              "/etc/xdg/Vendra.conf",
                          }));
    }
    const ScopedEnv user("XDG_CONFIG_HOME", "/tmp/c");
    EXPECT_EQ(app::settingsFilePaths()->front(), "/tmp/c/Vendra/WAP Glyphon.conf");
    // Where this reading cannot be sure what Qt would read, Qt reads.
    {
        const ScopedEnv relative("XDG_CONFIG_HOME", "config");
        EXPECT_FALSE(app::settingsFilePaths());
    }
    const ScopedEnv other("XDG_CONFIG_DIRS", "/opt/xdg:/etc/xdg");
    EXPECT_FALSE(app::settingsFilePaths());
}

TEST(PlainSettings, TheFirstFileWinsAndAMissingFileHoldsNothing) {
    const TempDir dir;
    const std::string user = dir.file("user.conf");
    const std::string system = dir.file("system.conf");
    testing_support::writeFile(user, std::string("[Settings]\nA=user\n"));
    testing_support::writeFile(system, std::string("[Settings]\nA=system\nB=system\n"));
    const auto values = app::readPlainSettingsFiles({user, dir.file("none.conf"), system});
    ASSERT_TRUE(values);
    EXPECT_EQ(*values, (app::IniValues{{"Settings/A", "user"}, {"Settings/B", "system"}}));
    // A file that is there but cannot be read, or is not plain: Qt's turn.
    fs::create_directories(dir.file("folder.conf"));
    EXPECT_FALSE(app::readPlainSettingsFiles({dir.file("folder.conf")}));
    testing_support::writeFile(system, std::string("[Settings]\nA=\"x\"\n"));
    EXPECT_FALSE(app::readPlainSettingsFiles({user, system}));
}

}  // namespace
