#include "app/core/settings/PhoneTable.h"

#include <array>
#include <climits>
#include <cstdio>
#include <stdexcept>

#include "app/core/QtServices.h"
#include "app/core/TextFormat.h"
#include "app/core/Texts.h"
#include "app/core/settings/StoredSettings.h"

namespace app {
namespace {

constexpr std::array<BuiltInPhone, kBuiltInPhoneCount> kBuiltInPhones{{
    {"Nokia 7110", 96, 44},
    {"Nokia 6210", 96, 60},
    {"Nokia 6250", 96, 60},
    {"Ericsson R320", 105, 49},
    {"Ericsson R380", 310, 100},
    {"Motorola T2288", 96, 64},
    {"Motorola P1088", 192, 272},
    {"Motorola V2088", 96, 54},
    {"Motorola V2288", 96, 64},
    {"Siemens S35i", 101, 80},
    {"Siemens C35i", 101, 54},
    {"Siemens M35i", 101, 54},
    {"Bosch 1866", 104, 64},
    {"Samsung SGH A110", 128, 64},
    {"Alcatel One Touch 300", 96, 49},
    {"Alcatel One Touch 500", 96, 64},
    {"Alcatel One Touch 700", 96, 64},
}};

// The width of the name in a list entry.
constexpr int kListNameCharacters = 25;

const std::string kCountKey = "Phones/Phones Count";

std::string phoneGroup(int number) {
    return "Phones/Phone" + std::to_string(number);
}
std::string nameKey(int number) {
    return phoneGroup(number) + "/Phone name";
}
std::string widthKey(int number) {
    return phoneGroup(number) + "/Phone width";
}
// The value name is spelled "heigth" in the store.
std::string heightKey(int number) {
    return phoneGroup(number) + "/Phone heigth";
}

// The stored count, or nothing when it is missing or is not a number of
// phones.
std::optional<int> readCount(const StoredSettings& store) {
    const auto count = store.readInt(kCountKey);
    if (!count || *count < 0)
        return std::nullopt;
    return count;
}

std::optional<PhoneRecord> readStoredPhone(const StoredSettings& store, int number) {
    const auto name = store.readString(nameKey(number));
    const auto width = store.readInt(widthKey(number));
    const auto height = store.readInt(heightKey(number));
    if (!name || !width || !height)
        return std::nullopt;
    return PhoneRecord{*name, *width, *height};
}

void writePhone(StoredSettings& store, int number, const std::string& name, int width, int height) {
    store.write(nameKey(number), name);
    store.write(widthKey(number), width);
    store.write(heightKey(number), height);
}

// "%-25.25s (%3dx%3d)" of the phone.
std::string listEntryOf(const PhoneRecord& phone) {
    char numbers[32];
    std::snprintf(numbers, sizeof numbers, " (%3dx%3d)", phone.width, phone.height);
    return fitPhoneName(phone.name, kListNameCharacters) + numbers;
}

}  // namespace

const BuiltInPhone& builtInPhone(int position) {
    if (position < 0 || position >= kBuiltInPhoneCount)
        throw std::out_of_range("builtInPhone: no built-in phone at position " +
                                std::to_string(position));
    return kBuiltInPhones[static_cast<size_t>(position)];
}

std::string fitPhoneName(const std::string& name, int characters) {
    const QtServices& text = qtServices();
    std::u32string codePoints = text.codePoints(name);
    const auto wanted = static_cast<size_t>(characters < 0 ? 0 : characters);
    if (codePoints.size() > wanted)
        codePoints.resize(wanted);
    std::string fitted = text.fromCodePoints(codePoints);
    fitted.append(wanted - codePoints.size(), ' ');
    return fitted;
}

PhoneTable::PhoneTable() {
    {
        const auto store = openSettings();
        if (const auto count = readCount(*store)) {
            count_ = *count;
            return;
        }
        // A first use, or "Phones Count" was deleted: the built-in phones,
        // the count first, overwriting whatever the groups Phone1..Phone17
        // held. The store writes them to disk in one go.
        store->write(kCountKey, kBuiltInPhoneCount);
        for (int k = 1; k <= kBuiltInPhoneCount; ++k) {
            const BuiltInPhone& phone = builtInPhone(k - 1);
            writePhone(*store, k, phone.name, phone.width, phone.height);
        }
        lastWriteOk_ = store->commit();
    }
    // Read the count again from the store as it now is: when the writes did
    // not arrive there is no table (0 phones).
    count_ = readCount(*openSettings()).value_or(0);
}

std::string PhoneTable::listEntry(int number) const {
    const auto phone = readPhone(number);
    return phone ? listEntryOf(*phone) : std::string();
}

PhoneListing PhoneTable::readPhones() const {
    PhoneListing listing;
    const auto store = openSettings();
    for (int number = 1; number <= count_; ++number) {
        auto phone = readStoredPhone(*store, number);
        if (!phone) {
            listing.unreadable = number;
            break;
        }
        listing.phones.push_back(std::move(*phone));
    }
    return listing;
}

std::vector<std::string> PhoneTable::listEntries() const {
    const PhoneListing listing = readPhones();
    std::vector<std::string> entries;
    for (const PhoneRecord& phone : listing.phones)
        entries.push_back(listEntryOf(phone));
    if (listing.unreadable)
        entries.push_back(
            formatText(text::kPhoneListStops, {static_cast<long long>(*listing.unreadable)}));
    return entries;
}

std::optional<PhoneRecord> PhoneTable::readPhone(int number) const {
    if (number < 1 || number > count_)
        return std::nullopt;
    return readStoredPhone(*openSettings(), number);
}

std::string PhoneTable::phoneName(int number) const {
    if (number < 1 || number > count_)
        return {};
    return openSettings()->readString(nameKey(number)).value_or(std::string());
}

int PhoneTable::phoneWidth(int number) const {
    if (number < 1 || number > count_)
        return -1;
    return openSettings()->readInt(widthKey(number)).value_or(-1);
}

int PhoneTable::phoneHeight(int number) const {
    if (number < 1 || number > count_)
        return -1;
    return openSettings()->readInt(heightKey(number)).value_or(-1);
}

void PhoneTable::addPhone(const std::string& name, int width, int height) {
    const auto store = openSettings();
    // Another holder of the table may have changed it since this one was
    // opened: count from what is stored now.
    count_ = readCount(*store).value_or(count_);
    if (count_ == INT_MAX) {
        lastWriteOk_ = false;
        return;
    }
    ++count_;
    store->write(kCountKey, count_);
    writePhone(*store, count_, name, width, height);
    lastWriteOk_ = store->commit();
    if (!lastWriteOk_)
        --count_;  // nothing was stored
}

void PhoneTable::removePhone(int number) {
    const auto store = openSettings();
    count_ = readCount(*store).value_or(count_);
    if (number < 1 || number > count_)
        return;
    for (int c = number; c < count_; ++c) {
        // A phone that cannot be read is skipped and leaves phone c as it is.
        if (const auto next = readStoredPhone(*store, c + 1))
            writePhone(*store, c, next->name, next->width, next->height);
    }
    // The last phone's group goes with everything below it.
    store->remove(phoneGroup(count_));
    --count_;
    store->write(kCountKey, count_);
    lastWriteOk_ = store->commit();
    if (!lastWriteOk_)
        ++count_;  // nothing was stored
}

}  // namespace app
