#include "cli/PhoneChoice.h"

#include <QString>
#include <limits>
#include <vector>

#include "app/core/PhoneTable.h"

namespace cli {
namespace {

// The largest display side taken from the table, as for --fit sizes.
constexpr int kLargestSide = 1 << 20;

std::string phonesText(int count) {
    if (count == 0)
        return "the phone table is empty";
    if (count == 1)
        return "the table has phone 1 only";
    return "the table has phones 1 to " + std::to_string(count);
}

std::optional<Size> usableSize(const app::PhoneRecord& phone, int number, std::string& why) {
    if (phone.width < 1 || phone.height < 1 || phone.width > kLargestSide ||
        phone.height > kLargestSide) {
        why = "phone " + std::to_string(number) + " ('" + phone.name +
              "') has no usable display (" + std::to_string(phone.width) + "x" +
              std::to_string(phone.height) + ")";
        return std::nullopt;
    }
    return Size{phone.width, phone.height};
}

}  // namespace

std::optional<Size> resolvePhone(const std::string& text, std::string& why) {
    const QString wanted = QString::fromStdString(text).trimmed();
    if (wanted.isEmpty()) {
        why = "no phone given";
        return std::nullopt;
    }
    const app::PhoneTable table;
    const int count = table.PhoneCount();

    // By number first.
    const std::string trimmed = wanted.toStdString();
    const auto number =
        parseInt(trimmed, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    if (number && *number >= 1 && *number <= count) {
        const auto phone = table.ReadPhone(*number);
        if (!phone) {
            why = "phone " + std::to_string(*number) + " cannot be read from the phone table";
            return std::nullopt;
        }
        return usableSize(*phone, *number, why);
    }

    // Then by name; a name the program allowed may look like a number.
    // Only as far as the phones can be read: the first that cannot be ends
    // the search.
    const app::PhoneListing listing = table.ReadPhones();
    std::vector<int> matches;
    for (size_t k = 0; k < listing.phones.size(); ++k) {
        const QString name = QString::fromStdString(listing.phones[k].name).trimmed();
        if (!name.isEmpty() && name.compare(wanted, Qt::CaseInsensitive) == 0)
            matches.push_back(static_cast<int>(k) + 1);
    }
    if (matches.empty()) {
        if (listing.unreadable)
            why = "no phone named '" + trimmed + "' before phone " +
                  std::to_string(*listing.unreadable) +
                  ", which cannot be read from the phone table";
        else if (number)
            why = "no phone " + trimmed + ": " + phonesText(count);
        else
            why = "no phone named '" + trimmed +
                  "' in the phone table (see 'glyphon-cli phones list')";
        return std::nullopt;
    }
    std::optional<app::PhoneRecord> chosen;
    int chosenNumber = 0;
    for (int k : matches) {
        const auto phone = table.ReadPhone(k);
        if (!phone)
            continue;
        if (chosen && (chosen->width != phone->width || chosen->height != phone->height)) {
            std::string numbers;
            for (int m : matches)
                numbers += (numbers.empty() ? "" : ", ") + std::to_string(m);
            why = "the name '" + trimmed + "' fits phones " + numbers +
                  " of different sizes; give the phone's number";
            return std::nullopt;
        }
        if (!chosen) {
            chosen = phone;
            chosenNumber = k;
        }
    }
    if (!chosen) {
        why = "phone " + std::to_string(matches.front()) + " cannot be read from the phone table";
        return std::nullopt;
    }
    return usableSize(*chosen, chosenNumber, why);
}

}  // namespace cli
