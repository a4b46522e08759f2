#include <algorithm>
#include <limits>
#include <ostream>

#include "app/core/TextFormat.h"
#include "cli/Conversion.h"
#include "cli/OptionParser.h"
#include "cli/Texts.h"
#include "cli/commands/Commands.h"

namespace cli {
namespace {

constexpr const char* kCounterHelp =
    "Usage: glyphon-cli counter DIGIT_FOLDER NUMBER -o OUT.wbmp\n"
    "\n"
    "Builds a counter picture showing NUMBER from the digit pictures 0 to 9 in\n"
    "DIGIT_FOLDER (each found as N.bmp, N.wbmp, N.jpg, N.gif or N.png, tried in\n"
    "that order), each converted to black and white, placed side by side and\n"
    "aligned at the bottom. NUMBER is taken as typed: 007 shows three digits.\n"
    "All ten digit pictures must be there.\n"
    "\n"
    "Options:\n"
    "  -o OUT.wbmp     the WBMP file to write; an existing file is never replaced\n"
    "  -h, --help      show this text\n"
    "\n"
    "Exit status: 0 when the counter was written, 1 on failure, 2 for bad usage.\n";

struct CounterRequest {
    std::string folder;
    std::string number;
    std::string output;
};

std::optional<CounterRequest> parse(const std::vector<std::string>& args, std::ostream& err,
                                    bool& helpAsked) {
    CounterRequest request;
    std::vector<std::string> operands;
    const OptionTable table{
        .options = {textOption({"-o"}, request.output)},
        .operand = [&](const std::string& operand) -> Refusal {
            operands.push_back(operand);
            return std::nullopt;
        },
    };
    const ParseResult parsed = parseOptions(args, table);
    if (parsed.status == ParseResult::Status::help) {
        helpAsked = true;
        return std::nullopt;
    }
    auto bad = [&](const std::string& why) {
        usageError(err, "counter", why);
        return std::nullopt;
    };
    if (parsed.status == ParseResult::Status::refused)
        return bad(parsed.reason);
    if (operands.size() != 2)
        return bad(std::string(text::kCounterOperands));
    request.folder = operands[0];
    request.number = operands[1];
    if (request.number.empty() ||
        !std::ranges::all_of(request.number, [](char c) { return c >= '0' && c <= '9'; }))
        return bad(std::string(text::kDigitsOnly));
    if (request.output.empty())
        return bad(std::string(text::kNoOutput));
    return request;
}

// The number's value without its leading zeros, when it fits an int.
std::optional<int> numberValue(const std::string& digits) {
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0;
    return parseInt(std::string_view(digits).substr(first), 0, std::numeric_limits<int>::max());
}

}  // namespace

int counterCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const GlobalOptions& global) {
    bool helpAsked = false;
    const auto request = parse(args, err, helpAsked);
    if (helpAsked) {
        out << kCounterHelp;
        return kExitOk;
    }
    if (!request)
        return kExitUsage;
    const auto value = numberValue(request->number);
    if (!value) {
        err << app::formatText(text::kCommandMessage, {"counter", text::kNumberTooLarge});
        return kExitUsage;
    }
    codec::Codec codec;
    prepareCodec(codec, global);
    if (!codec.wbmpCounter(request->folder, request->output, *value,
                           static_cast<int>(request->number.size()))) {
        err << request->output << ": " << codec.errordescription() << '\n';
        return kExitFailed;
    }
    out << request->output << '\n';
    return kExitOk;
}

}  // namespace cli
