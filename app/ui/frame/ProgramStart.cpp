#include "app/ui/frame/ProgramStart.h"

#include <algorithm>

namespace app::ui {

ProgramStart readProgramStart(std::vector<std::string> arguments,
                              const bitmap::EnvironmentReader& environment) {
    ProgramStart start;
    const auto chosen = bitmap::takeLanguageOption(arguments, start.error);
    start.language = chosen.value_or(bitmap::languageFromEnvironment(environment));
    const auto given = [&arguments](const char* option) {
        return std::find(arguments.begin() + (arguments.empty() ? 0 : 1), arguments.end(),
                         option) != arguments.end();
    };
    start.showHelp = given("--help") || given("-h");
    start.showVersion = given("--version");
    start.arguments = std::move(arguments);
    return start;
}

}  // namespace app::ui
