// glyphon-cli starts without Qt: the settings store and Qt's text rules
// come from a module loaded at the first need, the English texts from a
// table built into the program.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/SettingsSandbox.h"
#include "support/TestSupport.h"

namespace {

using testing_support::quote;
using testing_support::runCommand;

// The shared objects the dynamic loader opened for a run of glyphon-cli.
std::string objectsLoadedBy(const std::string& arguments, const std::string& environment = {}) {
    const auto run = runCommand(environment + " LD_DEBUG=files " +
                                quote(testing_support::cliPath()) + " " + arguments + " 2>&1");
    return run.out;
}

bool loadsQt(const std::string& trace) {
    return trace.find("libQt6Core") != std::string::npos &&
           trace.find("libglyphon-qt.so") != std::string::npos;
}

TEST(StartUp, QtIsLoadedOnlyWhenASettingIsNeeded) {
    const testing_support::SettingsSandbox sandbox;
    const auto needed = runCommand("readelf -d " + quote(testing_support::cliPath()));
    ASSERT_EQ(needed.exitCode, 0);
    EXPECT_EQ(needed.out.find("Qt"), std::string::npos) << needed.out;
    // Nor libpng: only a PNG the codec library refuses needs it.
    EXPECT_EQ(needed.out.find("libpng"), std::string::npos) << needed.out;

    EXPECT_FALSE(loadsQt(objectsLoadedBy("--help", "LANG=en_US.UTF-8")));
    EXPECT_FALSE(loadsQt(objectsLoadedBy("--version")));
    // A message needs no Qt in either language (the English table is built
    // in); the limit given on the command line needs no stored one.
    const std::string missing = "--max-pixels 1000 info /nonexistent/a.bmp";
    const std::string czech = objectsLoadedBy("--lang cs " + missing);
    EXPECT_FALSE(loadsQt(czech));
    EXPECT_NE(czech.find("Nelze otevřít soubor pro čtení"), std::string::npos) << czech;
    const std::string english = objectsLoadedBy("--lang en " + missing);
    EXPECT_FALSE(loadsQt(english));
    EXPECT_NE(english.find("Cannot open the file for reading"), std::string::npos) << english;
    const std::string sample = testing_support::sourceDir() + "/samples/landscape.bmp";
    // An English conversion, on threads or not, ends with the English
    // summary without Qt.
    for (const char* jobs : {"1", "2"}) {
        const testing_support::TempDir out;
        const std::string converted =
            objectsLoadedBy("--lang en convert " + quote(sample) + " " + quote(sample) + " " +
                            quote(sample) + " -o " + quote(out.path()) + " -j " + jobs);
        EXPECT_FALSE(loadsQt(converted)) << jobs;
        EXPECT_NE(converted.find("All pictures were converted successfully (3)"), std::string::npos)
            << converted;
    }
    // A plain settings file is read without Qt; one with a value only Qt
    // reads (quoted text) is Qt's, and still gives its limit.
    std::filesystem::create_directories(sandbox.folder() + "/Vendra");
    const std::string limited = "--lang cs show " + quote(sample);
    testing_support::writeFile(sandbox.settingsFile(), std::string("[Settings]\nMaxPixels=99\n"));
    const std::string plain = objectsLoadedBy(limited);
    EXPECT_FALSE(loadsQt(plain));
    EXPECT_NE(plain.find("MaxPixels (99)"), std::string::npos) << plain;
    testing_support::writeFile(sandbox.settingsFile(),
                               std::string("[Settings]\nMaxPixels=\"98\"\n"));
    const std::string quoted = objectsLoadedBy(limited);
    EXPECT_TRUE(loadsQt(quoted));
    EXPECT_NE(quoted.find("MaxPixels (98)"), std::string::npos) << quoted;
    // The phone table lives in the settings store.
    const std::string phones = objectsLoadedBy("phones list");
    EXPECT_TRUE(loadsQt(phones));
    EXPECT_NE(phones.find("Nokia 7110"), std::string::npos) << phones;
}

}  // namespace
