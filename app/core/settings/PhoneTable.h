#pragma once

#include <optional>
#include <string>
#include <vector>

// The editable table of phones (name, display width, display height) in the
// settings store, group "Phones": "Phones Count" and one group "PhoneK" per
// phone with "Phone name", "Phone width" and "Phone heigth". Phones are
// numbered from 1. The store is the only copy: every operation opens the
// store afresh and writes go to disk before it returns, so that the program,
// its dialogs and glyphon-cli may each hold a table of their own. The first
// use after "Phones Count" went missing writes the 17 built-in phones.
namespace app {

struct BuiltInPhone {
    const char* name;
    int width;
    int height;
};

inline constexpr int kBuiltInPhoneCount = 17;
// The built-in phones in their fixed order (phone 1 first). Throws
// std::out_of_range outside 0..16.
const BuiltInPhone& builtInPhone(int position);  // 0-based, 0..16

// The three stored values of one phone.
struct PhoneRecord {
    std::string name;  // UTF-8, as stored (not cut)
    int width = 0;
    int height = 0;
};

// A name cut or padded with blanks to exactly `characters` characters
// (Unicode code points, so a UTF-8 character is never split).
std::string fitPhoneName(const std::string& name, int characters);

// The readable start of the table: phones 1, 2, ... up to the first phone
// that cannot be read, which ends it.
struct PhoneListing {
    std::vector<PhoneRecord> phones;
    // The number of the phone that ended the listing; nothing when every
    // phone of the table was read.
    std::optional<int> unreadable;
};

class PhoneTable {
public:
    // Opens the table, writing the built-in phones when the count is missing
    // (or cannot be read as a number of phones).
    PhoneTable();

    int phoneCount() const { return count_; }
    // "%-25.25s (%3dx%3d)" of the phone, or empty when there is no such
    // phone or one of its values cannot be read. The name is cut or padded
    // to 25 characters (code points, not bytes), whatever its length.
    std::string listEntry(int number) const;
    // The stored name, whole; empty when there is no such phone or it
    // cannot be read.
    std::string phoneName(int number) const;
    // -1 when there is no such phone or the value cannot be read.
    int phoneWidth(int number) const;
    int phoneHeight(int number) const;
    // All three values of the phone, or nothing when there is no such phone
    // or one of them cannot be read.
    std::optional<PhoneRecord> readPhone(int number) const;
    // Every phone up to the first that cannot be read (so a count far above
    // the phones stored costs one failed read, not one per counted phone).
    PhoneListing readPhones() const;
    // The list entries of readPhones, followed by a line saying which phone
    // could not be read when one ended the list early.
    std::vector<std::string> listEntries() const;
    void addPhone(const std::string& name, int width, int height);
    // Moves the phones after `number` down by one and deletes the last.
    // Nothing happens when `number` is not a phone of the table.
    void removePhone(int number);

    // False when the last write of this table (the built-in phones written
    // on opening, addPhone, removePhone) could not be stored.
    bool lastWriteSucceeded() const { return lastWriteOk_; }

private:
    int count_ = 0;
    bool lastWriteOk_ = true;
};

}  // namespace app
