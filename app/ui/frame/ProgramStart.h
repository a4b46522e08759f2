#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/Language.h"

namespace app::ui {

// What the command line asks of the desktop program before any window opens.
struct ProgramStart {
    bitmap::Language language = bitmap::Language::czech;
    bool showHelp = false;
    bool showVersion = false;
    // Why the command line cannot be followed; empty when it can.
    std::string error;
    // The arguments left for the program (the program's name first).
    std::vector<std::string> arguments;
};

// Reads --lang, --help and --version from `arguments` (the program's name
// first); the language is --lang's, else the environment's.
ProgramStart readProgramStart(std::vector<std::string> arguments,
                              const bitmap::EnvironmentReader& environment);

}  // namespace app::ui
