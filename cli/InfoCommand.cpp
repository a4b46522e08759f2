#include <ostream>

#include "cli/Commands.h"
#include "codec/CCodec.h"

namespace cli {
namespace {

constexpr const char* kInfoHelp =
    "Usage: glyphon-cli info FILE...\n"
    "\n"
    "Prints one line per file, tab-separated: the file name, its format as\n"
    "recognised from its content (bmp, wbmp, jpg, gif, png, or 'unknown'),\n"
    "its width and its height. Formats whose header does not give the size\n"
    "report -1; unrecognised files report 0 (or -1 when they start like a\n"
    "WBMP but their length does not match).\n";

}  // namespace

int infoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    for (const auto& arg : args) {
        if (arg == "--help" || arg == "-h") {
            out << kInfoHelp;
            return kExitOk;
        }
    }
    if (args.empty()) {
        err << kInfoHelp;
        return kExitUsage;
    }
    codec::CCodec codec;
    codec.setThrowException(false);
    int status = kExitOk;
    for (const auto& file : args) {
        if (!codec.ReadImageHeader(file)) {
            err << file << ": " << codec.errordescription() << '\n';
            status = kExitFailed;
            continue;
        }
        const std::string& format = codec.FileFormat();
        out << file << '\t' << (format.empty() ? "unknown" : format) << '\t' << codec.ImageWidth()
            << '\t' << codec.ImageHeight() << '\n';
    }
    return status;
}

}  // namespace cli
