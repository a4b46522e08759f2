#include <limits>
#include <ostream>

#include "app/core/QtServices.h"
#include "app/core/TextFormat.h"
#include "app/core/settings/PhoneTable.h"
#include "app/core/settings/StoredSettings.h"
#include "cli/Arguments.h"
#include "cli/OptionParser.h"
#include "cli/PhoneChoice.h"
#include "cli/Texts.h"
#include "cli/commands/Commands.h"

namespace cli {
namespace {

constexpr const char* kPhonesHelp =
    "Usage: glyphon-cli phones list\n"
    "       glyphon-cli phones add NAME WIDTH HEIGHT\n"
    "       glyphon-cli phones remove NUMBER\n"
    "\n"
    "Shows and edits the table of phones whose displays pictures are fitted to.\n"
    "The desktop program uses the same table (settings of \"Vendra\", \"WAP\n"
    "Glyphon\"). The first use of a missing table writes the 17 built-in phones.\n"
    "\n"
    "  list                    print one line per phone: its number, its name\n"
    "                          cut or padded to 25 characters and its display\n"
    "                          size, as in \"1. Nokia 7110                ( 96x 44)\"\n"
    "  add NAME WIDTH HEIGHT   add a phone at the end of the table. NAME has 1 to\n"
    "                          25 characters and is neither a number nor the name\n"
    "                          of a phone in the table (letters compared without\n"
    "                          regard to case); WIDTH and HEIGHT are the display's\n"
    "                          size in pixels, whole numbers from 1 to 9000\n"
    "  remove NUMBER           remove the phone with that number; the phones\n"
    "                          after it move up by one\n"
    "\n"
    "Options:\n"
    "  -h, --help      show this text\n"
    "\n"
    "Exit status: 0 on success, 1 when the phone table could not be written,\n"
    "2 for bad usage.\n";

// As the program's new-phone dialog limits the name.
constexpr int kLongestName = 25;
// The dialog takes 0 to 9000; a display of 0 pixels cannot be fitted to.
constexpr int kSmallestSide = 1;
constexpr int kLargestSide = 9000;

int usage(std::ostream& err, const std::string& why) {
    return usageError(err, "phones", why);
}

int writeFailed(std::ostream& err) {
    err << app::formatText(text::kCommandMessage,
                           {"phones", app::formatText(text::kPhoneTableNotWritten,
                                                      {app::openSettings()->location()})});
    return kExitFailed;
}

// Why the name cannot be a new phone's name, or empty when it can.
std::string nameProblem(const std::string& name, const app::PhoneTable& table) {
    const app::QtServices& unicode = app::qtServices();
    const std::u32string characters = unicode.codePoints(name);
    if (unicode.fromCodePoints(characters) != name)
        return std::string(text::kNameNotUtf8);
    const std::string trimmed = unicode.trimmed(name);
    if (trimmed.empty())
        return std::string(text::kNameEmpty);
    if (characters.size() > static_cast<size_t>(kLongestName))
        return app::formatText(text::kNameTooLong,
                               {static_cast<long long>(characters.size()), kLongestName});
    for (const char32_t c : characters) {
        if (c < 0x20 || (c >= 0x7F && c < 0xA0))
            return std::string(text::kNameControlCharacter);
    }
    if (parseInt(trimmed, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()))
        return app::formatText(text::kNameIsNumber, {name});
    const app::PhoneListing listing = table.readPhones();
    const std::string folded = unicode.caseFolded(trimmed);
    for (size_t k = 0; k < listing.phones.size(); ++k) {
        const std::string other = unicode.trimmed(listing.phones[k].name);
        if (unicode.caseFolded(other) == folded)
            return app::formatText(text::kNameTaken, {static_cast<long long>(k + 1), other});
    }
    return {};
}

int listPhones(std::ostream& out, std::ostream& err) {
    const app::PhoneTable table;
    if (!table.lastWriteSucceeded())
        return writeFailed(err);
    const app::PhoneListing listing = table.readPhones();
    const std::vector<std::string> entries = table.listEntries();
    for (size_t k = 0; k < listing.phones.size(); ++k)
        out << k + 1 << ". " << entries[k] << '\n';
    if (listing.unreadable) {
        // The table goes no further than its first phone that cannot be
        // read, however many phones its count claims.
        err << app::formatText(
            text::kCommandMessage,
            {"phones",
             app::formatText(text::kPhoneListStops, {*listing.unreadable, table.phoneCount()})});
        return kExitFailed;
    }
    return kExitOk;
}

int addPhone(const std::vector<std::string>& operands, std::ostream& out, std::ostream& err) {
    if (operands.size() != 3)
        return usage(err, std::string(text::kAddOperands));
    const auto width = parseInt(operands[1], kSmallestSide, kLargestSide);
    if (!width)
        return usage(err, app::formatText(text::kBadWidth, {operands[1]}));
    const auto height = parseInt(operands[2], kSmallestSide, kLargestSide);
    if (!height)
        return usage(err, app::formatText(text::kBadHeight, {operands[2]}));
    app::PhoneTable table;
    if (!table.lastWriteSucceeded())
        return writeFailed(err);
    if (const std::string problem = nameProblem(operands[0], table); !problem.empty())
        return usage(err, problem);
    table.addPhone(operands[0], *width, *height);
    if (!table.lastWriteSucceeded())
        return writeFailed(err);
    out << table.phoneCount() << ". " << table.listEntry(table.phoneCount()) << '\n';
    return kExitOk;
}

int removePhone(const std::vector<std::string>& operands, std::ostream& out, std::ostream& err) {
    if (operands.size() != 1)
        return usage(err, std::string(text::kRemoveOperands));
    app::PhoneTable table;
    if (!table.lastWriteSucceeded())
        return writeFailed(err);
    const int count = table.phoneCount();
    if (count == 0)
        return usage(err, std::string(text::kPhoneTableEmpty));
    const auto number =
        parseInt(operands[0], std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    if (!number)
        return usage(err, app::formatText(text::kBadPhoneNumber, {count, operands[0]}));
    if (*number < 1 || *number > count)
        return usage(err,
                     app::formatText(text::kNoPhoneNumbered, {operands[0], phoneRangeText(count)}));
    const std::string entry = table.listEntry(*number);
    table.removePhone(*number);
    if (!table.lastWriteSucceeded())
        return writeFailed(err);
    out << app::formatText(text::kPhoneRemoved, {*number, entry});
    return kExitOk;
}

}  // namespace

int phonesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  const GlobalOptions&) {
    std::vector<std::string> words;
    // Anything but the help options is an action or its operand ("-1" too).
    const OptionTable table{
        .options = {},
        .operand = [&](const std::string& word) -> Refusal {
            words.push_back(word);
            return std::nullopt;
        },
        .unknownOption = nullptr,
    };
    if (parseOptions(args, table).status == ParseResult::Status::help) {
        out << kPhonesHelp;
        return kExitOk;
    }
    if (words.empty()) {
        err << kPhonesHelp;
        return kExitUsage;
    }
    const std::string& action = words.front();
    const std::vector<std::string> operands(words.begin() + 1, words.end());
    if (action == "list") {
        if (!operands.empty())
            return usage(err, std::string(text::kListTakesNoArguments));
        return listPhones(out, err);
    }
    if (action == "add")
        return addPhone(operands, out, err);
    if (action == "remove")
        return removePhone(operands, out, err);
    return usage(err, app::formatText(text::kUnknownAction, {action}));
}

}  // namespace cli
