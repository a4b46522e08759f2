#pragma once

#include <memory>
#include <optional>
#include <string>

namespace app {

// The program's settings store as the deciding code sees it: values under
// "Group/Name" keys ("Settings/DSD", "Phones/Phone3/Phone name"), read as
// text or as whole numbers. The store itself is Qt's (see app/qt); this
// view keeps Qt out of everything that only reads and writes values.
class StoredSettings {
public:
    virtual ~StoredSettings() = default;

    // A text value, or nothing when it is missing or not text (a list, for
    // example, is not).
    virtual std::optional<std::string> readString(const std::string& key) const = 0;
    // A 32-bit whole number, or nothing when it is missing, not a whole
    // decimal number, or out of range.
    virtual std::optional<int> readInt(const std::string& key) const = 0;
    // The same, and nothing for a number outside [minimum, maximum].
    std::optional<int> readInt(const std::string& key, int minimum, int maximum) const {
        const auto value = readInt(key);
        if (!value || *value < minimum || *value > maximum)
            return std::nullopt;
        return value;
    }

    virtual void write(const std::string& key, const std::string& text) = 0;
    virtual void write(const std::string& key, int number) = 0;
    // Removes the value, or the group with everything below it.
    virtual void remove(const std::string& key) = 0;
    // Writes the changes to the file now; false when they could not be.
    virtual bool commit() = 0;
    // The file that holds the store.
    virtual std::string location() const = 0;
};

// Opens the program's settings store. In glyphon-cli this loads Qt at the
// first call (see QtServices.h), so a run that needs no stored value never
// does.
std::unique_ptr<StoredSettings> openSettings();

}  // namespace app
