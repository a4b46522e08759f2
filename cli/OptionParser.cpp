#include "cli/OptionParser.h"

#include <algorithm>
#include <ostream>

#include "app/core/TextFormat.h"
#include "cli/Texts.h"
#include "cli/commands/Commands.h"

namespace cli {
namespace {

bool looksLikeOption(const std::string& argument) {
    return argument.size() > 1 && argument[0] == '-';
}

const OptionSpec* findOption(const OptionTable& table, const std::string& argument) {
    for (const OptionSpec& spec : table.options) {
        if (std::ranges::find(spec.names, argument) != spec.names.end())
            return &spec;
    }
    return nullptr;
}

ParseResult refused(std::string reason) {
    return {ParseResult::Status::refused, std::move(reason)};
}

}  // namespace

OptionSpec flagOption(std::initializer_list<std::string_view> names, bool& target) {
    return {names, false, [&target](const std::string&, const std::string&) -> Refusal {
                target = true;
                return std::nullopt;
            }};
}

OptionSpec textOption(std::initializer_list<std::string_view> names, std::string& target) {
    return {names, true, [&target](const std::string&, const std::string& value) -> Refusal {
                target = value;
                return std::nullopt;
            }};
}

OptionSpec textOption(std::initializer_list<std::string_view> names,
                      std::optional<std::string>& target) {
    return {names, true, [&target](const std::string&, const std::string& value) -> Refusal {
                target = value;
                return std::nullopt;
            }};
}

std::string OptionTable::unknownOptionReason(const std::string& argument) {
    return app::formatText(text::kUnknownOption, {argument});
}

ParseResult parseOptions(const std::vector<std::string>& args, const OptionTable& table) {
    bool optionsEnded = false;
    for (size_t next = 0; next < args.size();) {
        const std::string& argument = args[next++];
        Refusal refusal;
        if (optionsEnded || !looksLikeOption(argument)) {
            refusal = table.operand(argument);
        } else if (argument == "-h" || argument == "--help") {
            return {ParseResult::Status::help, {}};
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (const OptionSpec* spec = findOption(table, argument)) {
            if (spec->takesValue && next >= args.size())
                return refused(app::formatText(text::kOptionNeedsValue, {argument}));
            refusal = spec->apply(argument, spec->takesValue ? args[next++] : std::string());
        } else if (table.unknownOption) {
            return refused(table.unknownOption(argument));
        } else {
            refusal = table.operand(argument);
        }
        if (refusal)
            return refused(std::move(*refusal));
    }
    return {};
}

int usageError(std::ostream& err, std::string_view command, const std::string& why) {
    err << app::formatText(text::kUsageMessage, {command, why, command});
    return kExitUsage;
}

}  // namespace cli
