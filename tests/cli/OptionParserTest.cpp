#include <gtest/gtest.h>

#include "cli/OptionParser.h"
#include "support/CliRun.h"

namespace {

using cli::OptionTable;
using cli::ParseResult;
using cli::Refusal;
using Status = ParseResult::Status;

// What a walk over the arguments took.
struct Taken {
    ParseResult result;
    std::vector<std::string> operands;
    bool flag = false;
    std::string output;
};

Taken parse(const std::vector<std::string>& args, bool dashWordsAreOperands = false) {
    Taken taken;
    OptionTable table{
        .options = {cli::flagOption({"-w", "--wide"}, taken.flag),
                    cli::textOption({"-o"}, taken.output),
                    {{"--even"},
                     true,
                     [](const std::string& name, const std::string& value) -> Refusal {
                         if (value.size() % 2 != 0)
                             return name + " wants an even length";
                         return std::nullopt;
                     }}},
        .operand = [&](const std::string& operand) -> Refusal {
            if (operand == "stop")
                return "stopped";
            taken.operands.push_back(operand);
            return std::nullopt;
        },
    };
    if (dashWordsAreOperands)
        table.unknownOption = nullptr;
    taken.result = cli::parseOptions(args, table);
    return taken;
}

TEST(OptionParser, WalksTheArgumentsInOrder) {
    const struct {
        std::vector<std::string> args;
        Status status;
        std::string reason;
        std::vector<std::string> operands;
    } cases[] = {
        {{"a", "--wide", "-o", "x", "b", "--even", "xy"}, Status::ok, "", {"a", "b"}},
        {{"-"}, Status::ok, "", {"-"}},
        {{"a", "-o"}, Status::refused, "option -o needs a value", {"a"}},
        {{"--even", "xyz", "a"}, Status::refused, "--even wants an even length", {}},
        {{"a", "stop", "b"}, Status::refused, "stopped", {"a"}},
        {{"--bogus", "--help"}, Status::refused, "unknown option '--bogus'", {}},
        {{"a", "--help", "--bogus"}, Status::help, "", {"a"}},
        {{"-h"}, Status::help, "", {}},
        // "--" ends the options: what follows is taken as it stands.
        {{"-w", "--", "-o", "--help", "--", "stop"},
         Status::refused,
         "stopped",
         {"-o", "--help", "--"}},
    };
    for (const auto& c : cases) {
        const Taken taken = parse(c.args);
        EXPECT_EQ(taken.result.status, c.status) << c.args.front();
        EXPECT_EQ(taken.result.reason, c.reason) << c.args.front();
        EXPECT_EQ(taken.operands, c.operands) << c.args.front();
    }
}

TEST(OptionParser, ValuesAreTakenWhateverTheyLookLike) {
    const Taken taken = parse({"-o", "--help", "-w"});
    EXPECT_EQ(taken.result.status, Status::ok);
    EXPECT_EQ(taken.output, "--help");
    EXPECT_TRUE(taken.flag);
}

TEST(OptionParser, UnknownOptionsCanBeOperands) {
    const Taken taken = parse({"-x", "-w", "--y", "--help"}, true);
    EXPECT_EQ(taken.result.status, Status::help);
    EXPECT_EQ(taken.operands, (std::vector<std::string>{"-x", "--y"}));
    EXPECT_TRUE(taken.flag);
}

TEST(OptionParser, TheCommandsTakeDoubleDashAsTheEndOfTheirOptions) {
    const auto info = testing_support::runCli({"info", "--", "--help"});
    EXPECT_EQ(info.status, 1);
    EXPECT_EQ(info.out, "");
    EXPECT_TRUE(info.err.starts_with("--help: ")) << info.err;
    const auto convert = testing_support::runCli({"convert", "--", "-o", "x.wbmp"});
    EXPECT_EQ(convert.status, 2);
    EXPECT_NE(convert.err.find("no output given (-o)"), std::string::npos) << convert.err;
}

}  // namespace
