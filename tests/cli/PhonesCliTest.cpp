// glyphon-cli phones, and the --phone choice of convert and split, with the
// settings store in a temporary folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/core/settings/PhoneTable.h"
#include "cli/PhoneChoice.h"
#include "support/CliRun.h"
#include "support/SettingsSandbox.h"
#include "support/TestSupport.h"

using testing_support::SettingsSandbox;

namespace {

testing_support::CliRun cli(const std::vector<std::string>& args) {
    return testing_support::runCli(args);
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

const std::string kNokia7110 = "Nokia 7110                ( 96x 44)";

struct PhonesCli : ::testing::Test {
    SettingsSandbox sandbox;
};

TEST_F(PhonesCli, ListsTheBuiltInPhonesOnAFirstStart) {
    const auto run = cli({"phones", "list"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const auto listed = lines(run.out);
    ASSERT_EQ(listed.size(), 17u);
    EXPECT_EQ(listed[0], "1. " + kNokia7110);
    EXPECT_EQ(listed[4], "5. Ericsson R380             (310x100)");
    EXPECT_EQ(listed[16], "17. Alcatel One Touch 700     ( 96x 64)");
    const app::PhoneTable table;
    for (int k = 1; k <= 17; ++k)
        EXPECT_EQ(listed[static_cast<size_t>(k - 1)],
                  std::to_string(k) + ". " + table.listEntry(k));
}

TEST_F(PhonesCli, ListStopsAtTheFirstPhoneThatCannotBeRead) {
    // A count far beyond the phones stored costs one failed read.
    const app::PhoneTable builtIn;
    for (const auto& [count, unreadable, listed] :
         {std::tuple{1000000000, 18, 17}, std::tuple{17, 3, 2}}) {
        QSettings settings(QSettings::UserScope, "Vendra", "WAP Glyphon");
        settings.setValue("Phones/Phones Count", count);
        if (unreadable == 3)
            settings.remove("Phones/Phone3");
        settings.sync();
        const auto run = cli({"phones", "list"});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(lines(run.out).size(), static_cast<size_t>(listed));
        EXPECT_EQ(run.err, "glyphon-cli phones: phone " + std::to_string(unreadable) +
                               " cannot be read; the list stops there (the table claims " +
                               std::to_string(count) + " phones)\n");
        const app::PhoneTable table;
        const auto entries = table.listEntries();
        ASSERT_EQ(entries.size(), static_cast<size_t>(listed + 1));
        EXPECT_EQ(entries.back(),
                  "(telefon " + std::to_string(unreadable) + " nelze přečíst, seznam končí)");
    }
}

TEST_F(PhonesCli, AddsAPhoneAtTheEnd) {
    const auto run = cli({"phones", "add", "Nokia 3310", "84", "48"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "18. Nokia 3310                ( 84x 48)\n");
    const auto listed = lines(cli({"phones", "list"}).out);
    ASSERT_EQ(listed.size(), 18u);
    EXPECT_EQ(listed[17], "18. Nokia 3310                ( 84x 48)");
    // The limits: 25 characters, 1 and 9000 pixels.
    EXPECT_EQ(cli({"phones", "add", std::string(25, 'a'), "1", "9000"}).status, 0);
    // 25 Czech characters are more than 25 bytes.
    std::string czech;
    for (int i = 0; i < 25; ++i)
        czech += "\xc5\x99";  // ř
    const auto added = cli({"phones", "add", czech, "9000", "1"});
    ASSERT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(added.out, "20. " + czech + " (9000x  1)\n");
    EXPECT_EQ(app::PhoneTable().phoneCount(), 20);
}

TEST_F(PhonesCli, RefusesBadNamesAndSizes) {
    std::string longCzech;
    for (int i = 0; i < 26; ++i)
        longCzech += "\xc5\xbe";  // ž
    const struct {
        std::vector<std::string> args;
        std::string why;
    } cases[] = {
        {{"phones", "add", "", "96", "44"}, "empty"},
        {{"phones", "add", "   ", "96", "44"}, "empty"},
        {{"phones", "add", std::string(26, 'a'), "96", "44"}, "26 characters"},
        {{"phones", "add", longCzech, "96", "44"}, "26 characters"},
        {{"phones", "add", "bad\nname", "96", "44"}, "control character"},
        {{"phones", "add", "bad\xff", "96", "44"}, "UTF-8"},
        {{"phones", "add", "7110", "96", "44"}, "number"},
        {{"phones", "add", "nokia 7110", "96", "44"}, "phone 1 is already named 'Nokia 7110'"},
        {{"phones", "add", " NOKIA 6210 ", "96", "44"}, "phone 2"},
        {{"phones", "add", "New", "0", "44"}, "WIDTH must be a whole number from 1 to 9000"},
        {{"phones", "add", "New", "9001", "44"}, "WIDTH"},
        {{"phones", "add", "New", "96.5", "44"}, "WIDTH"},
        {{"phones", "add", "New", "-96", "44"}, "WIDTH"},
        {{"phones", "add", "New", "96", "0"}, "HEIGHT must be a whole number from 1 to 9000"},
        {{"phones", "add", "New", "96", "44x"}, "HEIGHT"},
        {{"phones", "add", "New", "96"}, "add needs a NAME, a WIDTH and a HEIGHT"},
        {{"phones", "add", "New", "96", "44", "1"}, "add needs"},
    };
    for (const auto& c : cases) {
        const auto run = cli(c.args);
        EXPECT_EQ(run.status, 2) << c.args[2];
        EXPECT_EQ(run.out, "") << c.args[2];
        EXPECT_NE(run.err.find(c.why), std::string::npos) << c.args[2] << ": " << run.err;
        EXPECT_NE(run.err.find("glyphon-cli phones --help"), std::string::npos) << run.err;
    }
    EXPECT_EQ(app::PhoneTable().phoneCount(), 17);
}

TEST_F(PhonesCli, RemovesAPhoneByNumber) {
    const auto run = cli({"phones", "remove", "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "removed 1. " + kNokia7110 + "\n");
    const auto listed = lines(cli({"phones", "list"}).out);
    ASSERT_EQ(listed.size(), 16u);
    EXPECT_EQ(listed[0], "1. Nokia 6210                ( 96x 60)");
    EXPECT_EQ(listed[15], "16. Alcatel One Touch 700     ( 96x 64)");
    // The last one.
    EXPECT_EQ(cli({"phones", "remove", "16"}).status, 0);
    EXPECT_EQ(app::PhoneTable().phoneCount(), 15);
}

TEST_F(PhonesCli, RefusesNumbersOutsideTheTable) {
    for (const std::string number : {"0", "18", "-1", "abc", "1.5", "", "99999999999"}) {
        const auto run = cli({"phones", "remove", number});
        EXPECT_EQ(run.status, 2) << number;
        EXPECT_NE(run.err.find("1 to 17"), std::string::npos) << number << ": " << run.err;
    }
    EXPECT_EQ(cli({"phones", "remove"}).status, 2);
    EXPECT_EQ(cli({"phones", "remove", "1", "2"}).status, 2);
    EXPECT_EQ(app::PhoneTable().phoneCount(), 17);
    // An empty table has nothing to remove.
    for (int k = 0; k < 17; ++k)
        ASSERT_EQ(cli({"phones", "remove", "1"}).status, 0);
    EXPECT_EQ(cli({"phones", "list"}).out, "");
    const auto run = cli({"phones", "remove", "1"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("empty"), std::string::npos) << run.err;
}

TEST_F(PhonesCli, HelpAndUsage) {
    const auto help = cli({"phones", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: glyphon-cli phones list"), std::string::npos);
    EXPECT_NE(help.out.find("glyphon-cli phones add NAME WIDTH HEIGHT"), std::string::npos);
    EXPECT_NE(help.out.find("glyphon-cli phones remove NUMBER"), std::string::npos);
    // The example in the help is what list prints.
    EXPECT_NE(help.out.find("\"1. " + kNokia7110 + "\""), std::string::npos) << help.out;
    EXPECT_EQ(cli({"phones", "add", "-h"}).status, 0);
    EXPECT_EQ(cli({"phones", "list", "--help"}).out, help.out);

    const auto bare = cli({"phones"});
    EXPECT_EQ(bare.status, 2);
    EXPECT_EQ(bare.err, help.out);
    const auto unknown = cli({"phones", "rename", "1"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("unknown action 'rename'"), std::string::npos);
    EXPECT_EQ(cli({"phones", "list", "extra"}).status, 2);

    const auto usage = cli({"--help"});
    EXPECT_NE(usage.out.find("  phones list|add|remove"), std::string::npos) << usage.out;
    // Nothing of this touched the store beyond the built-in phones.
    EXPECT_EQ(app::PhoneTable().phoneCount(), 17);
}

TEST_F(PhonesCli, AStoreThatCannotBeWrittenFails) {
    testing_support::writeFile(sandbox.folder() + "/Vendra", "not a folder");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"phones", "add", "New", "96", "44"},
          std::vector<std::string>{"phones", "list"},
          std::vector<std::string>{"phones", "remove", "1"}}) {
        const auto run = cli(args);
        EXPECT_EQ(run.status, 1) << args[1];
        EXPECT_EQ(run.out, "") << args[1];
        EXPECT_EQ(run.err, "glyphon-cli phones: the phone table could not be written to " +
                               sandbox.settingsFile() + "\n");
    }
}

TEST_F(PhonesCli, TheProgramAndTheCommandShareTheTable) {
    // In this process.
    app::PhoneTable table;
    table.addPhone("Written here", 11, 22);
    // In another process, which finds the store through XDG_CONFIG_HOME.
    const std::string program = testing_support::quote(testing_support::cliPath());
    const auto listed = testing_support::runCommand(program + " phones list");
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_NE(listed.out.find("18. Written here              ( 11x 22)\n"), std::string::npos)
        << listed.out;
    const auto added = testing_support::runCommand(program + " phones add 'Written there' 33 44");
    ASSERT_EQ(added.exitCode, 0) << added.err;
    // A table opened afterwards here sees it.
    const app::PhoneTable after;
    EXPECT_EQ(after.phoneCount(), 19);
    EXPECT_EQ(after.phoneName(19), "Written there");
    EXPECT_EQ(cli({"phones", "remove", "18"}).status, 0);
    const auto again = testing_support::runCommand(program + " phones list");
    EXPECT_NE(again.out.find("18. Written there             ( 33x 44)\n"), std::string::npos)
        << again.out;
}

// resolvePhone: a phone number or a phone name.

struct PhoneChoice : ::testing::Test {
    SettingsSandbox sandbox;

    std::optional<cli::Size> resolve(const std::string& text) {
        why.clear();
        return cli::resolvePhone(text, why);
    }
    std::string why;
};

void expectSize(const std::optional<cli::Size>& size, int width, int height) {
    ASSERT_TRUE(size.has_value());
    EXPECT_EQ(size->width, width);
    EXPECT_EQ(size->height, height);
}

TEST_F(PhoneChoice, ByNumber) {
    expectSize(resolve("1"), 96, 44);
    expectSize(resolve("5"), 310, 100);
    expectSize(resolve("17"), 96, 64);
    expectSize(resolve(" 7 "), 192, 272);
    expectSize(resolve("007"), 192, 272);
    for (const std::string number : {"0", "18", "-2"}) {
        EXPECT_FALSE(resolve(number)) << number;
        EXPECT_EQ(why, "no phone " + number + ": the table has phones 1 to 17");
    }
}

TEST_F(PhoneChoice, ByNameWithoutRegardToCase) {
    expectSize(resolve("Nokia 7110"), 96, 44);
    expectSize(resolve("nokia 7110"), 96, 44);
    expectSize(resolve("  SIEMENS S35I "), 101, 80);
    app::PhoneTable().addPhone("\xc5\xa0\xc5\xa5\x61stn\xc3\xbd", 120, 90);  // Šťastný
    expectSize(resolve("\xc5\xa1\xc5\xa5\x41STN\xc3\x9d"), 120, 90);         // šťASTNÝ
    EXPECT_FALSE(resolve("Nokia"));
    EXPECT_EQ(why, "no phone named 'Nokia' in the phone table (see 'glyphon-cli phones list')");
    EXPECT_FALSE(resolve(""));
    EXPECT_EQ(why, "no phone given");
    EXPECT_FALSE(resolve("   "));
    EXPECT_EQ(why, "no phone given");
}

TEST_F(PhoneChoice, FollowsTheStoredTable) {
    EXPECT_EQ(cli({"phones", "remove", "1"}).status, 0);
    expectSize(resolve("1"), 96, 60);
    EXPECT_FALSE(resolve("Nokia 7110"));
    EXPECT_FALSE(resolve("17"));
    EXPECT_EQ(why, "no phone 17: the table has phones 1 to 16");
    for (int k = 0; k < 15; ++k)
        ASSERT_EQ(cli({"phones", "remove", "1"}).status, 0);
    EXPECT_FALSE(resolve("2"));
    EXPECT_EQ(why, "no phone 2: the table has phone 1 only");
    ASSERT_EQ(cli({"phones", "remove", "1"}).status, 0);
    EXPECT_FALSE(resolve("1"));
    EXPECT_EQ(why, "no phone 1: the phone table is empty");
}

TEST_F(PhoneChoice, PhonesTheProgramAllowsButTheCommandDoesNot) {
    app::PhoneTable table;
    // A name that looks like a number, beyond the table's numbers.
    table.addPhone("2000", 50, 40);
    expectSize(resolve("2000"), 50, 40);
    // A number within the table is a number.
    table.addPhone("3", 51, 41);
    expectSize(resolve("3"), 96, 60);
    // A display of 0 pixels, as the program's dialog allows.
    table.addPhone("Zero", 0, 44);
    EXPECT_FALSE(resolve("zero"));
    EXPECT_EQ(why, "phone 20 ('Zero') has no usable display (0x44)");
    EXPECT_FALSE(resolve("20"));
    // The same name twice: fine when the sizes agree, refused when not.
    table.addPhone("nokia 7110", 96, 44);
    expectSize(resolve("Nokia 7110"), 96, 44);
    table.addPhone("NOKIA 7110", 128, 128);
    EXPECT_FALSE(resolve("Nokia 7110"));
    EXPECT_EQ(why,
              "the name 'Nokia 7110' fits phones 1, 21, 22 of different sizes; give the "
              "phone's number");
    expectSize(resolve("22"), 128, 128);
}

TEST_F(PhoneChoice, APhoneThatCannotBeRead) {
    app::PhoneTable table;
    QSettings settings(QSettings::UserScope, "Vendra", "WAP Glyphon");
    settings.setValue("Phones/Phone2/Phone width", "wide");
    settings.sync();
    EXPECT_FALSE(resolve("2"));
    EXPECT_EQ(why, "phone 2 cannot be read from the phone table");
    // Names are looked for only before the phone that cannot be read.
    for (const char* name : {"Nokia 6210", "Nokia 6250"}) {
        EXPECT_FALSE(resolve(name));
        EXPECT_EQ(why, "no phone named '" + std::string(name) +
                           "' before phone 2, which cannot be read from the phone table");
    }
    expectSize(resolve("Nokia 7110"), 96, 44);
}

}  // namespace
