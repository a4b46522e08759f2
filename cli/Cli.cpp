#include "cli/Cli.h"

#include <exception>
#include <iostream>

#include "app/core/ProgramLanguage.h"
#include "app/core/TextFormat.h"
#include "base/Language.h"
#include "cli/InterruptCleanup.h"
#include "cli/Texts.h"
#include "cli/commands/Commands.h"

namespace cli {
namespace {

constexpr const char* kUsage =
    "Usage: glyphon-cli [--lang cs|en] [--max-pixels N] [--timeout S] COMMAND [OPTIONS]\n"
    "\n"
    "Converts pictures (BMP, WBMP, GIF, JPEG, PNG) into one-bit WBMP pictures\n"
    "for WAP phones, and PBM, XBM or C arrays for small displays.\n"
    "\n"
    "Commands:\n"
    "  convert INPUT... -o OUT   convert pictures to WBMP or BMP\n"
    "  info FILE...              print each file's format, size and bit depth\n"
    "  show FILE                 print a picture in the terminal\n"
    "  split INPUT -o FOLDER     cut a picture into tiles (--tile WxH)\n"
    "  counter FOLDER NUMBER     build a counter WBMP from digit pictures\n"
    "  phones list|add|remove    show or edit the table of phones\n"
    "  displays list             show the small displays --display fits to\n"
    "\n"
    "Options for every command (--lang anywhere, the others before it):\n"
    "  --lang cs|en     the language of messages (default: the environment's\n"
    "                   LANGUAGE, LC_ALL, LC_MESSAGES or LANG; Czech for a\n"
    "                   Czech locale, English otherwise)\n"
    "  --max-pixels N   refuse pictures of more than N pixels (default: the\n"
    "                   settings' MaxPixels, at most 268435456)\n"
    "  --timeout S      give up a download after S seconds in all (default 600)\n"
    "\n"
    "Run 'glyphon-cli COMMAND --help' for the options of a command.\n";

// Speaks the language --lang chose while a command runs, and the one spoken
// before afterwards.
class LanguageScope {
public:
    explicit LanguageScope(std::optional<bitmap::Language> language) {
        if (language && *language != before_) {
            app::useLanguage(*language);
            changed_ = true;
        }
    }
    ~LanguageScope() {
        if (changed_)
            app::useLanguage(before_);
    }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;

private:
    bitmap::Language before_ = app::programLanguage();
    bool changed_ = false;
};

}  // namespace

int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    std::vector<std::string> args = arguments;
    std::string languageError;
    const auto language = bitmap::takeLanguageOption(args, languageError);
    if (!languageError.empty()) {
        err << "glyphon-cli: " << languageError << "\n\n" << kUsage;
        return kExitUsage;
    }
    const LanguageScope speaking(language);
    GlobalOptions global;
    if (const auto why = takeGlobalOptions(args, global)) {
        err << "glyphon-cli: " << *why << "\n\n" << kUsage;
        return kExitUsage;
    }
    if (args.empty()) {
        err << kUsage;
        return kExitUsage;
    }
    const std::string& command = args.front();
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "--version") {
        out << "glyphon-cli (WAP Glyphon) " GLYPHON_VERSION "\n";
        return kExitOk;
    }
    if (command == "--help" || command == "-h" || command == "help") {
        out << kUsage;
        return kExitOk;
    }
    if (command == "convert")
        return convertCommand(rest, out, err, global);
    if (command == "info")
        return infoCommand(rest, out, err, global);
    if (command == "show")
        return showCommand(rest, out, err, global);
    if (command == "split")
        return splitCommand(rest, out, err, global);
    if (command == "counter")
        return counterCommand(rest, out, err, global);
    if (command == "phones")
        return phonesCommand(rest, out, err, global);
    if (command == "displays")
        return displaysCommand(rest, out, err);
    err << app::formatText(text::kUnknownCommand, {command}) << kUsage;
    return kExitUsage;
}

int run(int argc, char** argv) {
    cleanUpOnInterrupt();
    // The environment's language. Nothing is loaded for it before a text
    // is translated.
    if (const auto language = bitmap::languageFromEnvironment(); language != app::programLanguage())
        app::useLanguage(language);
    try {
        std::vector<std::string> args(argv + 1, argv + argc);
        const int status = run(args, std::cout, std::cerr);
        // Output that could not be written (a closed pipe, a full disk) is a
        // failed run.
        std::cout.flush();
        return status == kExitOk && !std::cout ? kExitFailed : status;
    } catch (const std::exception& failure) {
        // Out of memory, or Qt's module missing when the settings store is
        // needed: said, and the run fails rather than aborting.
        std::cout.flush();
        std::cerr << "glyphon-cli: " << failure.what() << "\n";
        return kExitFailed;
    }
}

}  // namespace cli
