#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "app/core/settings/StoredSettings.h"
#include "base/Language.h"

// What the program's core takes from Qt outside its windows: the settings
// store (QSettings), Qt's translators for a program with an application
// object and Qt's rules for Unicode text (trimming, case folding), so that a
// phone name is matched and a stored value read exactly as the desktop
// program does it.
//
// The desktop program and the tests link these in (app/qt) and say so with
// useQtServices at start. glyphon-cli does not link Qt: it loads the
// services from the module libglyphon-qt.so at the first call that needs
// one, so a run that needs none (--help, a conversion whose every setting
// was given, a message in either language) starts without loading Qt.
namespace app {

struct QtServices {
    // Raised whenever the table changes shape; a module of another build is
    // refused.
    static constexpr int kVersion = 2;
    int version = kVersion;
    std::unique_ptr<StoredSettings> (*openSettings)() = nullptr;
    // Told of every language change (installs Qt's translators in a program
    // with an application object).
    void (*languageChosen)(bitmap::Language language) = nullptr;
    // UTF-8 text without leading and trailing white space (Unicode's).
    std::string (*trimmed)(std::string_view text) = nullptr;
    // UTF-8 text case-folded, for comparing names without regard to case.
    std::string (*caseFolded)(std::string_view text) = nullptr;
    // The code points of UTF-8 text (a malformed sequence becomes U+FFFD),
    // and UTF-8 text from code points.
    std::u32string (*codePoints)(std::string_view text) = nullptr;
    std::string (*fromCodePoints)(std::u32string_view points) = nullptr;
};

// Uses the services linked into the program from now on.
void useQtServices(const QtServices& services);

// The services: those given to useQtServices, else those of the module
// (loaded at the first call). Throws std::runtime_error saying why when
// the module cannot be loaded.
const QtServices& qtServices();

// The services given to useQtServices (Qt linked into the program), else
// null.
const QtServices* linkedQtServices();

// The services when they are already at hand (given or loaded), without
// loading anything; null otherwise.
const QtServices* qtServicesIfLoaded();

// Shortcuts for the text rules.
std::string trimmedText(std::string_view text);
std::string caseFoldedText(std::string_view text);

}  // namespace app
