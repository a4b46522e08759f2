#include <ostream>

#include "app/core/TextFormat.h"
#include "cli/Commands.h"
#include "cli/Conversion.h"
#include "cli/DownloadProgressLine.h"
#include "cli/OptionParser.h"
#include "cli/ProgressLine.h"
#include "cli/TerminalPicture.h"
#include "cli/Texts.h"

namespace cli {
namespace {

constexpr const char* kShowHelp =
    "Usage: glyphon-cli show [--invert] FILE\n"
    "       glyphon-cli show [--invert] URL\n"
    "\n"
    "Prints the picture with Unicode half-block characters, two picture rows\n"
    "per text line. Grey pictures are first converted to black and white with\n"
    "Floyd - Steinberg at threshold 128. White pixels are drawn in the\n"
    "terminal's text colour; --invert draws the black ones instead.\n";

}  // namespace

int showCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string file;
    bool invert = false;
    auto unexpected = [](const std::string& arg) {
        return app::formatText(text::kUnexpectedArgument, {arg});
    };
    const OptionTable table{
        .options = {flagOption({"--invert"}, invert)},
        .operand = [&](const std::string& arg) -> Refusal {
            if (!file.empty())
                return unexpected(arg);
            file = arg;
            return std::nullopt;
        },
        .unknownOption = unexpected,
    };
    const ParseResult parsed = parseOptions(args, table);
    if (parsed.status == ParseResult::Status::help) {
        out << kShowHelp;
        return kExitOk;
    }
    if (parsed.status == ParseResult::Status::refused) {
        err << app::formatText(text::kCommandMessage, {"show", parsed.reason}) << kShowHelp;
        return kExitUsage;
    }
    if (file.empty()) {
        err << kShowHelp;
        return kExitUsage;
    }
    codec::CCodec codec;
    prepareCodec(codec);
    DownloadProgressLine download(err, stderrIsTerminal());
    reportDownloads(codec, download);
    const unsigned serial = codec.errorSerial();
    if (!loadPicture(codec, file) || !codec.ConvertBMPToMonochrome(bitmap::kFloydSteinberg, 128)) {
        err << file << ": " << failureText(codec, serial) << '\n';
        return kExitFailed;
    }
    out << renderHalfBlocks(*codec.picture(), invert);
    return kExitOk;
}

}  // namespace cli
