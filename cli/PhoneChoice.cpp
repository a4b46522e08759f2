#include "cli/PhoneChoice.h"

#include <limits>
#include <vector>

#include "app/core/QtServices.h"
#include "app/core/TextFormat.h"
#include "app/core/settings/PhoneTable.h"
#include "cli/Texts.h"

namespace cli {
namespace {

// The largest display side taken from the table, as for --fit sizes.
constexpr int kLargestSide = 1 << 20;

std::optional<Size> usableSize(const app::PhoneRecord& phone, int number, std::string& why) {
    if (phone.width < 1 || phone.height < 1 || phone.width > kLargestSide ||
        phone.height > kLargestSide) {
        why = app::formatText(text::kNoUsableDisplay,
                              {number, phone.name, phone.width, phone.height});
        return std::nullopt;
    }
    return Size{phone.width, phone.height};
}

}  // namespace

std::string phoneRangeText(int count) {
    if (count == 0)
        return std::string(text::kPhoneTableEmpty);
    if (count == 1)
        return std::string(text::kOnlyPhoneOne);
    return app::formatText(text::kPhoneRange, {count});
}

std::optional<Size> resolvePhone(const std::string& text, std::string& why) {
    const std::string trimmed = app::trimmedText(text);
    if (trimmed.empty()) {
        why = text::kNoPhoneGiven;
        return std::nullopt;
    }
    const app::PhoneTable table;
    const int count = table.phoneCount();

    // By number first.
    const auto number =
        parseInt(trimmed, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    if (number && *number >= 1 && *number <= count) {
        const auto phone = table.readPhone(*number);
        if (!phone) {
            why = app::formatText(text::kPhoneUnreadable, {*number});
            return std::nullopt;
        }
        return usableSize(*phone, *number, why);
    }

    // Then by name; a name the program allowed may look like a number.
    // Only as far as the phones can be read: the first that cannot be ends
    // the search.
    const app::PhoneListing listing = table.readPhones();
    const std::string folded = app::caseFoldedText(trimmed);
    std::vector<int> matches;
    for (size_t k = 0; k < listing.phones.size(); ++k) {
        const std::string name = app::trimmedText(listing.phones[k].name);
        if (!name.empty() && app::caseFoldedText(name) == folded)
            matches.push_back(static_cast<int>(k) + 1);
    }
    if (matches.empty()) {
        if (listing.unreadable)
            why = app::formatText(text::kNoPhoneNamedBefore, {trimmed, *listing.unreadable});
        else if (number)
            why = app::formatText(text::kNoPhoneNumbered, {trimmed, phoneRangeText(count)});
        else
            why = app::formatText(text::kNoPhoneNamed, {trimmed});
        return std::nullopt;
    }
    std::optional<app::PhoneRecord> chosen;
    int chosenNumber = 0;
    for (int k : matches) {
        const auto phone = table.readPhone(k);
        if (!phone)
            continue;
        if (chosen && (chosen->width != phone->width || chosen->height != phone->height)) {
            std::string numbers;
            for (int m : matches)
                numbers += (numbers.empty() ? "" : ", ") + std::to_string(m);
            why = app::formatText(text::kAmbiguousPhoneName, {trimmed, numbers});
            return std::nullopt;
        }
        if (!chosen) {
            chosen = phone;
            chosenNumber = k;
        }
    }
    if (!chosen) {
        why = app::formatText(text::kPhoneUnreadable, {matches.front()});
        return std::nullopt;
    }
    return usableSize(*chosen, chosenNumber, why);
}

}  // namespace cli
