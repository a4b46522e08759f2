#include "cli/Cli.h"

#include <iostream>

#include "cli/Commands.h"

namespace cli {
namespace {

constexpr const char* kUsage =
    "Usage: glyphon-cli COMMAND [OPTIONS]\n"
    "\n"
    "Converts pictures (BMP, WBMP, GIF, JPEG, PNG) into one-bit WBMP pictures\n"
    "for WAP phones, and PBM, XBM or C arrays for small displays.\n"
    "\n"
    "Commands:\n"
    "  convert INPUT... -o OUT   convert pictures to WBMP or BMP\n"
    "  info FILE...              print each file's format, width and height\n"
    "  show FILE                 print a picture in the terminal\n"
    "  split INPUT -o FOLDER     cut a picture into tiles (--tile WxH)\n"
    "  counter FOLDER NUMBER     build a counter WBMP from digit pictures\n"
    "  phones list|add|remove    show or edit the table of phones\n"
    "  displays list             show the small displays --display fits to\n"
    "\n"
    "Run 'glyphon-cli COMMAND --help' for the options of a command.\n";

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << kUsage;
        return kExitUsage;
    }
    const std::string& command = args.front();
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "--help" || command == "-h" || command == "help") {
        out << kUsage;
        return kExitOk;
    }
    if (command == "convert")
        return convertCommand(rest, out, err);
    if (command == "info")
        return infoCommand(rest, out, err);
    if (command == "show")
        return showCommand(rest, out, err);
    if (command == "split")
        return splitCommand(rest, out, err);
    if (command == "counter")
        return counterCommand(rest, out, err);
    if (command == "phones")
        return phonesCommand(rest, out, err);
    if (command == "displays")
        return displaysCommand(rest, out, err);
    err << "glyphon-cli: unknown command '" << command << "'\n\n" << kUsage;
    return kExitUsage;
}

int run(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return run(args, std::cout, std::cerr);
}

}  // namespace cli
