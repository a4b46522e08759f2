#pragma once

#include <functional>
#include <initializer_list>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The one option parser of the glyphon-cli commands: each command describes
// its options in a table and the parser walks the arguments in order.
namespace cli {

// Why an option or operand was refused; nothing when it was taken.
using Refusal = std::optional<std::string>;

// One option: its names, whether the next argument is its value, and what
// taking it does. The handler gets the name as given and the value ("" for
// an option without one).
struct OptionSpec {
    std::vector<std::string_view> names;
    bool takesValue = false;
    std::function<Refusal(const std::string& name, const std::string& value)> apply;
};

// An option without a value that sets `target`.
OptionSpec flagOption(std::initializer_list<std::string_view> names, bool& target);
// An option whose value is stored in `target`; given again, the last wins.
OptionSpec textOption(std::initializer_list<std::string_view> names, std::string& target);
OptionSpec textOption(std::initializer_list<std::string_view> names,
                      std::optional<std::string>& target);

// A command's arguments: its options, and what becomes of the rest.
struct OptionTable {
    std::vector<OptionSpec> options;
    // Takes each argument that is not an option, in order.
    std::function<Refusal(const std::string& argument)> operand;
    // The reason an unknown "-x" is refused; when empty, such arguments
    // are operands too.
    std::function<std::string(const std::string& argument)> unknownOption = unknownOptionReason;

    static std::string unknownOptionReason(const std::string& argument);
};

struct ParseResult {
    enum class Status { ok, help, refused };
    Status status = Status::ok;
    std::string reason;  // why, when refused
};

// Walks the arguments in order. "-h" and "--help" ask for help and end the
// walk at once; "--" ends the options, so every argument after it is an
// operand; "-" alone is an operand. An option with a value takes the next
// argument, whatever it looks like. The first refusal ends the walk.
ParseResult parseOptions(const std::vector<std::string>& args, const OptionTable& table);

// Writes "glyphon-cli COMMAND: WHY" and where to find the usage, and
// returns the exit status for bad usage.
int usageError(std::ostream& err, std::string_view command, const std::string& why);

}  // namespace cli
