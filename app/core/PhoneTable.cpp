#include "app/core/PhoneTable.h"

#include <QList>
#include <QSettings>
#include <QString>
#include <array>
#include <climits>
#include <cstdio>
#include <stdexcept>

#include "app/core/Texts.h"
#include "app/core/SettingsStore.h"
#include "app/core/TextFormat.h"

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

const QString kCountKey = QStringLiteral("Phones/Phones Count");

QString phoneGroup(int number) {
    return QStringLiteral("Phones/Phone%1").arg(number);
}
QString nameKey(int number) {
    return phoneGroup(number) + QStringLiteral("/Phone name");
}
QString widthKey(int number) {
    return phoneGroup(number) + QStringLiteral("/Phone width");
}
// The value name is spelled "heigth" in the store.
QString heightKey(int number) {
    return phoneGroup(number) + QStringLiteral("/Phone heigth");
}

// The stored count, or nothing when it is missing or is not a number of
// phones.
std::optional<int> readCount(const SettingsStore& store) {
    const auto count = store.readInt(kCountKey);
    if (!count || *count < 0)
        return std::nullopt;
    return count;
}

std::optional<PhoneRecord> readPhone(const SettingsStore& store, int number) {
    const auto name = store.readString(nameKey(number));
    const auto width = store.readInt(widthKey(number));
    const auto height = store.readInt(heightKey(number));
    if (!name || !width || !height)
        return std::nullopt;
    return PhoneRecord{*name, *width, *height};
}

void writePhone(QSettings& settings, int number, const QString& name, int width, int height) {
    settings.setValue(nameKey(number), name);
    settings.setValue(widthKey(number), width);
    settings.setValue(heightKey(number), height);
}

// Sends the pending writes to disk; true when they arrived.
bool commit(QSettings& settings) {
    settings.sync();
    return settings.status() == QSettings::NoError;
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
    QList<uint> codePoints = toQString(name).toUcs4();
    const auto wanted = static_cast<qsizetype>(characters < 0 ? 0 : characters);
    if (codePoints.size() > wanted)
        codePoints.resize(wanted);
    QString fitted = QString::fromUcs4(reinterpret_cast<const char32_t*>(codePoints.constData()),
                                       codePoints.size());
    for (qsizetype i = codePoints.size(); i < wanted; ++i)
        fitted += QLatin1Char(' ');
    return toStdString(fitted);
}

PhoneTable::PhoneTable() {
    {
        SettingsStore store;
        if (const auto count = readCount(store)) {
            count_ = *count;
            return;
        }
        // A first use, or "Phones Count" was deleted: the built-in phones,
        // the count first, overwriting whatever the groups Phone1..Phone17
        // held. The store writes them to disk in one go.
        QSettings& settings = store.settings();
        settings.setValue(kCountKey, kBuiltInPhoneCount);
        for (int k = 1; k <= kBuiltInPhoneCount; ++k) {
            const BuiltInPhone& phone = builtInPhone(k - 1);
            writePhone(settings, k, QString::fromUtf8(phone.name), phone.width, phone.height);
        }
        lastWriteOk_ = commit(settings);
    }
    // Read the count again from the store as it now is: when the writes did
    // not arrive there is no table (0 phones).
    count_ = readCount(SettingsStore()).value_or(0);
}

std::string PhoneTable::ListEntry(int number) const {
    const auto phone = ReadPhone(number);
    return phone ? listEntryOf(*phone) : std::string();
}

PhoneListing PhoneTable::ReadPhones() const {
    PhoneListing listing;
    const SettingsStore store;
    for (int number = 1; number <= count_; ++number) {
        auto phone = readPhone(store, number);
        if (!phone) {
            listing.unreadable = number;
            break;
        }
        listing.phones.push_back(std::move(*phone));
    }
    return listing;
}

std::vector<std::string> PhoneTable::ListEntries() const {
    const PhoneListing listing = ReadPhones();
    std::vector<std::string> entries;
    for (const PhoneRecord& phone : listing.phones)
        entries.push_back(listEntryOf(phone));
    if (listing.unreadable)
        entries.push_back(
            formatText(text::kPhoneListStops, {static_cast<long long>(*listing.unreadable)}));
    return entries;
}

std::optional<PhoneRecord> PhoneTable::ReadPhone(int number) const {
    if (number < 1 || number > count_)
        return std::nullopt;
    SettingsStore store;
    return readPhone(store, number);
}

std::string PhoneTable::PhoneName(int number) const {
    if (number < 1 || number > count_)
        return {};
    SettingsStore store;
    return store.readString(nameKey(number)).value_or(std::string());
}

int PhoneTable::PhoneWidth(int number) const {
    if (number < 1 || number > count_)
        return -1;
    SettingsStore store;
    return store.readInt(widthKey(number)).value_or(-1);
}

int PhoneTable::PhoneHeight(int number) const {
    if (number < 1 || number > count_)
        return -1;
    SettingsStore store;
    return store.readInt(heightKey(number)).value_or(-1);
}

void PhoneTable::AddPhone(const std::string& name, int width, int height) {
    SettingsStore store;
    // Another holder of the table may have changed it since this one was
    // opened: count from what is stored now.
    count_ = readCount(store).value_or(count_);
    if (count_ == INT_MAX) {
        lastWriteOk_ = false;
        return;
    }
    QSettings& settings = store.settings();
    ++count_;
    settings.setValue(kCountKey, count_);
    writePhone(settings, count_, toQString(name), width, height);
    lastWriteOk_ = commit(settings);
    if (!lastWriteOk_)
        --count_;  // nothing was stored
}

void PhoneTable::RemovePhone(int number) {
    SettingsStore store;
    count_ = readCount(store).value_or(count_);
    if (number < 1 || number > count_)
        return;
    QSettings& settings = store.settings();
    for (int c = number; c < count_; ++c) {
        // A phone that cannot be read is skipped and leaves phone c as it is.
        if (const auto next = readPhone(store, c + 1))
            writePhone(settings, c, toQString(next->name), next->width, next->height);
    }
    // The last phone's group goes with everything below it.
    settings.remove(phoneGroup(count_));
    --count_;
    settings.setValue(kCountKey, count_);
    lastWriteOk_ = commit(settings);
    if (!lastWriteOk_)
        ++count_;  // nothing was stored
}

}  // namespace app
