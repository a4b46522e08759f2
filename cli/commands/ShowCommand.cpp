#include <sys/ioctl.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <optional>
#include <ostream>

#include "app/core/TextFormat.h"
#include "cli/Conversion.h"
#include "cli/OptionParser.h"
#include "cli/Texts.h"
#include "cli/commands/Commands.h"
#include "cli/terminal/DownloadProgressLine.h"
#include "cli/terminal/ProgressLine.h"
#include "cli/terminal/TerminalPicture.h"

namespace cli {
namespace {

constexpr const char* kShowHelp =
    "Usage: glyphon-cli show [--invert] [--width N] FILE\n"
    "       glyphon-cli show [--invert] [--width N] URL\n"
    "\n"
    "Prints the picture with Unicode half-block characters, two picture rows\n"
    "per text line. Grey pictures are first converted to black and white with\n"
    "Floyd - Steinberg at threshold 128. White pixels are drawn in the\n"
    "terminal's text colour; --invert draws the black ones instead.\n"
    "A picture wider than the terminal is scaled down to its width (the\n"
    "source pixels averaged), keeping its aspect ratio; --width N sets the\n"
    "width instead. Without a terminal the width is $COLUMNS, or 80.\n";

// The terminal's width in characters: that of standard output when it is a
// terminal, else $COLUMNS, else 80.
int terminalWidth() {
    winsize size{};
    if (::isatty(STDOUT_FILENO) && ::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 &&
        size.ws_col > 0)
        return size.ws_col;
    if (const char* columns = std::getenv("COLUMNS")) {
        if (const auto width = parseInt(columns, 1, 100000))
            return *width;
    }
    return 80;
}

}  // namespace

int showCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                const GlobalOptions& global) {
    std::string file;
    bool invert = false;
    std::optional<int> width;
    auto unexpected = [](const std::string& arg) {
        return app::formatText(text::kUnexpectedArgument, {arg});
    };
    const OptionTable table{
        .options = {flagOption({"--invert"}, invert),
                    {{"--width"},
                     true,
                     [&](const std::string&, const std::string& value) -> Refusal {
                         width = parseInt(value, 1, 100000);
                         if (!width)
                             return std::string(text::kBadShowWidth);
                         return std::nullopt;
                     }}},
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
    codec::Codec codec;
    prepareCodec(codec, global);
    DownloadProgressLine download(err, stderrIsTerminal());
    reportDownloads(codec, download);
    const unsigned serial = codec.errorSerial();
    // One character per pixel: a picture wider than the terminal is
    // scaled down to its width first.
    const int columns = width.value_or(terminalWidth());
    // Only the terminal's width is shown: a JPEG that much wider is decoded
    // reduced (the resize below still averages what is left to shrink).
    codec.setPlannedResize(
        codec::ResizeTarget{codec::ResizeTarget::Kind::fit, columns, INT_MAX, 100});
    const auto fitTerminal = [&] {
        return (codec.bmpWidth() <= columns && !codec.reducedFrom()) ||
               codec.resizeTo(columns, codec.bmpHeight(), 0) != 0;
    };
    if (!loadPicture(codec, file) || !fitTerminal() ||
        !codec.convertBmpToMonochrome(bitmap::kFloydSteinberg, 128)) {
        err << file << ": " << failureText(codec, serial) << '\n';
        return kExitFailed;
    }
    out << renderHalfBlocks(*codec.picture(), invert);
    return kExitOk;
}

}  // namespace cli
