#pragma once

#include <string>

// The editable table of phones (name, display width, display height) in the
// settings store, group "Phones": "Phones Count" and one group "PhoneK" per
// phone with "Phone name", "Phone width" and "Phone heigth". Phones are
// numbered from 1. The store is the only copy: every operation reads or
// writes it directly. The first use after "Phones Count" went missing
// writes the 17 built-in phones.
namespace app {

struct BuiltInPhone {
    const char* name;
    int width;
    int height;
};

inline constexpr int kBuiltInPhoneCount = 17;
// The built-in phones in their fixed order (phone 1 first).
const BuiltInPhone& builtInPhone(int position);  // 0-based, 0..16

class PhoneTable {
public:
    // Opens the table, writing the built-in phones when the count is missing.
    PhoneTable();

    int PhoneCount() const { return count_; }
    // "%-25.25s (%3dx%3d)" of the phone, or empty when there is no such
    // phone or one of its values cannot be read.
    std::string ListEntry(int number) const;
    std::string PhoneName(int number) const;
    // -1 when there is no such phone or the value cannot be read.
    int PhoneWidth(int number) const;
    int PhoneHeight(int number) const;
    void AddPhone(const std::string& name, int width, int height);
    // Moves the phones after `number` down by one and deletes the last.
    void RemovePhone(int number);

private:
    int count_ = 0;
};

}  // namespace app
