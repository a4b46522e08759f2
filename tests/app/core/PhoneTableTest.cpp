// The phone table in a settings store of the test's own.
#include <gtest/gtest.h>

#include <QSettings>
#include <QStringList>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "app/core/settings/PhoneTable.h"
#include "app/qt/SettingsStore.h"
#include "support/SettingsSandbox.h"
#include "support/TestSupport.h"

using testing_support::readText;
using testing_support::SettingsSandbox;

namespace {

namespace fs = std::filesystem;

QSettings store() {
    return QSettings(QSettings::UserScope, "Vendra", "WAP Glyphon");
}

void setValue(const QString& key, const QVariant& value) {
    QSettings settings(QSettings::UserScope, "Vendra", "WAP Glyphon");
    settings.setValue(key, value);
    settings.sync();
}

void removeKey(const QString& key) {
    QSettings settings(QSettings::UserScope, "Vendra", "WAP Glyphon");
    settings.remove(key);
    settings.sync();
}

QVariant value(const QString& key) {
    QSettings settings(QSettings::UserScope, "Vendra", "WAP Glyphon");
    return settings.value(key);
}

// Name, width and height of phone k as stored.
struct Stored {
    std::string name;
    int width;
    int height;
    bool operator==(const Stored&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Stored& phone) {
    return out << phone.name << ' ' << phone.width << 'x' << phone.height;
}
Stored stored(int k) {
    const QString group = QString("Phones/Phone%1/").arg(k);
    return {value(group + "Phone name").toString().toStdString(),
            value(group + "Phone width").toInt(), value(group + "Phone heigth").toInt()};
}
Stored builtIn(int k) {
    const app::BuiltInPhone& phone = app::builtInPhone(k - 1);
    return {phone.name, phone.width, phone.height};
}

std::string padded(const std::string& name, int blanks) {
    return name + std::string(static_cast<size_t>(blanks), ' ');
}

struct PhoneTableTest : ::testing::Test {
    SettingsSandbox sandbox;
};

TEST(BuiltInPhones, TheSeventeenInTheirOrder) {
    EXPECT_EQ(app::kBuiltInPhoneCount, 17);
    EXPECT_STREQ(app::builtInPhone(0).name, "Nokia 7110");
    EXPECT_EQ(app::builtInPhone(0).width, 96);
    EXPECT_EQ(app::builtInPhone(0).height, 44);
    EXPECT_STREQ(app::builtInPhone(4).name, "Ericsson R380");
    EXPECT_EQ(app::builtInPhone(4).width, 310);
    EXPECT_EQ(app::builtInPhone(4).height, 100);
    EXPECT_STREQ(app::builtInPhone(6).name, "Motorola P1088");
    EXPECT_EQ(app::builtInPhone(6).height, 272);
    EXPECT_STREQ(app::builtInPhone(16).name, "Alcatel One Touch 700");
    EXPECT_EQ(app::builtInPhone(16).width, 96);
    EXPECT_EQ(app::builtInPhone(16).height, 64);
    EXPECT_THROW(app::builtInPhone(17), std::out_of_range);
    EXPECT_THROW(app::builtInPhone(-1), std::out_of_range);
}

TEST_F(PhoneTableTest, TheFirstUseWritesTheBuiltInPhones) {
    ASSERT_FALSE(fs::exists(sandbox.settingsFile()));
    app::PhoneTable table;
    EXPECT_TRUE(table.lastWriteSucceeded());
    EXPECT_EQ(table.phoneCount(), 17);
    for (int k = 1; k <= 17; ++k) {
        EXPECT_EQ(stored(k), builtIn(k)) << k;
        EXPECT_EQ(table.phoneName(k), builtIn(k).name);
        EXPECT_EQ(table.phoneWidth(k), builtIn(k).width);
        EXPECT_EQ(table.phoneHeight(k), builtIn(k).height);
    }
    // On disk, with the value names as the program has always spelled them.
    const std::string file = readText(sandbox.settingsFile());
    EXPECT_NE(file.find("[Phones]\n"), std::string::npos) << file;
    EXPECT_NE(file.find("Phones%20Count=17\n"), std::string::npos) << file;
    EXPECT_NE(file.find("Phone1\\Phone%20name=Nokia 7110\n"), std::string::npos) << file;
    EXPECT_NE(file.find("Phone5\\Phone%20width=310\n"), std::string::npos) << file;
    EXPECT_NE(file.find("Phone17\\Phone%20heigth=64\n"), std::string::npos) << file;
    EXPECT_EQ(file.find("height"), std::string::npos) << file;
    // The next table reads them and writes nothing.
    const auto before = fs::last_write_time(sandbox.settingsFile());
    app::PhoneTable again;
    EXPECT_EQ(again.phoneCount(), 17);
    EXPECT_EQ(fs::last_write_time(sandbox.settingsFile()), before);
}

TEST_F(PhoneTableTest, ListEntryOfTheNokia7110) {
    app::PhoneTable table;
    EXPECT_EQ(table.listEntry(1), "Nokia 7110" + std::string(15, ' ') + " ( 96x 44)");
    EXPECT_EQ(table.listEntry(1), "Nokia 7110                ( 96x 44)");
}

TEST_F(PhoneTableTest, ListEntriesOfAllBuiltInPhones) {
    app::PhoneTable table;
    EXPECT_EQ(table.listEntry(5), padded("Ericsson R380", 12) + " (310x100)");
    EXPECT_EQ(table.listEntry(7), padded("Motorola P1088", 11) + " (192x272)");
    EXPECT_EQ(table.listEntry(15), padded("Alcatel One Touch 300", 4) + " ( 96x 49)");
    for (int k = 1; k <= 17; ++k)
        EXPECT_EQ(table.listEntry(k).size(), 35u) << k;
}

TEST_F(PhoneTableTest, NoSuchPhone) {
    app::PhoneTable table;
    for (int number : {0, -1, 18, 1000}) {
        EXPECT_EQ(table.listEntry(number), "") << number;
        EXPECT_EQ(table.phoneName(number), "") << number;
        EXPECT_EQ(table.phoneWidth(number), -1) << number;
        EXPECT_EQ(table.phoneHeight(number), -1) << number;
        EXPECT_EQ(table.readPhone(number), std::nullopt) << number;
    }
}

TEST_F(PhoneTableTest, APhoneBeyondTheCountIsNotReadEvenWhenItsGroupIsThere) {
    app::PhoneTable first;
    setValue("Phones/Phone18/Phone name", "Hidden");
    setValue("Phones/Phone18/Phone width", 1);
    setValue("Phones/Phone18/Phone heigth", 1);
    app::PhoneTable table;
    EXPECT_EQ(table.listEntry(18), "");
    EXPECT_EQ(table.phoneWidth(18), -1);
}

TEST_F(PhoneTableTest, AValueThatCannotBeReadEmptiesTheEntry) {
    app::PhoneTable first;
    setValue("Phones/Phone2/Phone width", "wide");          // text, no number
    setValue("Phones/Phone3/Phone heigth", "99999999999");  // beyond 32 bits
    removeKey("Phones/Phone4/Phone name");
    setValue("Phones/Phone5/Phone name", QStringList{"Ericsson", "R380"});  // a list
    app::PhoneTable table;
    EXPECT_EQ(table.listEntry(2), "");
    EXPECT_EQ(table.phoneWidth(2), -1);
    EXPECT_EQ(table.phoneHeight(2), 60);
    EXPECT_EQ(table.listEntry(3), "");
    EXPECT_EQ(table.phoneWidth(3), 96);
    EXPECT_EQ(table.phoneHeight(3), -1);
    EXPECT_EQ(table.listEntry(4), "");
    EXPECT_EQ(table.phoneName(4), "");
    EXPECT_EQ(table.phoneWidth(4), 105);
    EXPECT_EQ(table.listEntry(5), "");
    EXPECT_EQ(table.readPhone(5), std::nullopt);
    EXPECT_EQ(table.listEntry(6), padded("Motorola T2288", 11) + " ( 96x 64)");
}

TEST_F(PhoneTableTest, ValuesWrittenByHandAreRead) {
    fs::create_directories(sandbox.folder() + "/Vendra");
    testing_support::writeFile(sandbox.settingsFile(),
                               "[Phones]\n"
                               "Phones%20Count=2\n"
                               "Phone1\\Phone%20name=\"Nokia, 3310\"\n"
                               "Phone1\\Phone%20width=84\n"
                               "Phone1\\Phone%20heigth=48\n"
                               "Phone2\\Phone%20name=Wide\n"
                               "Phone2\\Phone%20width=1234\n"
                               "Phone2\\Phone%20heigth=-5\n");
    app::PhoneTable table;
    EXPECT_EQ(table.phoneCount(), 2);
    EXPECT_EQ(table.listEntry(1), padded("Nokia, 3310", 14) + " ( 84x 48)");
    // printf's widths: wider numbers take more room, negatives keep the sign.
    EXPECT_EQ(table.listEntry(2), padded("Wide", 21) + " (1234x -5)");
}

TEST_F(PhoneTableTest, LongNamesAreCutTo25Characters) {
    app::PhoneTable table;
    const std::string thirty = "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234";
    const std::string forty = "Nokia Communicator 9110i with long name!";
    ASSERT_EQ(thirty.size(), 30u);
    ASSERT_EQ(forty.size(), 40u);
    table.addPhone(thirty, 101, 80);
    table.addPhone(forty, 640, 200);
    EXPECT_EQ(table.listEntry(18), "ABCDEFGHIJKLMNOPQRSTUVWXY (101x 80)");
    EXPECT_EQ(table.listEntry(19), "Nokia Communicator 9110i  (640x200)");
    // The stored name stays whole.
    EXPECT_EQ(table.phoneName(19), forty);
    // As does a name far beyond the program's 30-byte read buffer.
    const std::string longer(300, 'n');
    table.addPhone(longer, 1, 1);
    EXPECT_EQ(table.listEntry(20), std::string(25, 'n') + " (  1x  1)");
    EXPECT_EQ(table.phoneName(20), longer);
}

TEST_F(PhoneTableTest, CzechNamesAreCutAndPaddedByCharacters) {
    app::PhoneTable table;
    // 38 characters, 51 bytes: cut after "úpěl", never inside a character.
    const std::string sentence =
        "P\xc5\x99\xc3\xad\x6c\x69\xc5\xa1 \xc5\xbe\x6c\x75\xc5\xa5\x6f\x75\xc4\x8d\x6b\xc3\xbd "
        "k\xc5\xaf\xc5\x88 \xc3\xba\x70\xc4\x9b\x6c \xc4\x8f\xc3\xa1\x62\x65\x6c\x73\x6b\xc3\xa9 "
        "\xc3\xb3\x64\x79";
    table.addPhone(sentence, 96, 65);
    EXPECT_EQ(
        table.listEntry(18),
        "P\xc5\x99\xc3\xad\x6c\x69\xc5\xa1 \xc5\xbe\x6c\x75\xc5\xa5\x6f\x75\xc4\x8d\x6b\xc3\xbd "
        "k\xc5\xaf\xc5\x88 \xc3\xba\x70\xc4\x9b\x6c ( 96x 65)");
    // 7 characters in 10 bytes get 18 blanks.
    const std::string happy = "\xc5\xa0\xc5\xa5\x61stn\xc3\xbd";  // Šťastný
    table.addPhone(happy, 96, 65);
    EXPECT_EQ(table.listEntry(19), padded(happy, 18) + " ( 96x 65)");
    // A character beyond the 16-bit range counts as one.
    const std::string emoji = "\xf0\x9f\x93\xb1";  // mobile phone
    std::string name;
    for (int i = 0; i < 30; ++i)
        name += emoji;
    table.addPhone(name, 10, 10);
    std::string cut;
    for (int i = 0; i < 25; ++i)
        cut += emoji;
    EXPECT_EQ(table.listEntry(20), cut + " ( 10x 10)");
}

TEST(FitPhoneName, CutsAndPadsByCharacters) {
    EXPECT_EQ(app::fitPhoneName("", 3), "   ");
    EXPECT_EQ(app::fitPhoneName("abcdef", 3), "abc");
    EXPECT_EQ(app::fitPhoneName("\xc4\x8d\xc4\x8d\xc4\x8d\xc4\x8d", 3), "\xc4\x8d\xc4\x8d\xc4\x8d");
    EXPECT_EQ(app::fitPhoneName("\xc4\x8d", 3), "\xc4\x8d  ");
    EXPECT_EQ(app::fitPhoneName("abc", 0), "");
    EXPECT_EQ(app::fitPhoneName("abc", -4), "");
}

TEST_F(PhoneTableTest, AddPhoneWritesTheCountAndTheNewGroup) {
    app::PhoneTable table;
    table.addPhone("Nokia 3310", 84, 48);
    EXPECT_TRUE(table.lastWriteSucceeded());
    EXPECT_EQ(table.phoneCount(), 18);
    EXPECT_EQ(table.listEntry(18), padded("Nokia 3310", 15) + " ( 84x 48)");
    EXPECT_EQ(stored(18), (Stored{"Nokia 3310", 84, 48}));
    const std::string file = readText(sandbox.settingsFile());
    EXPECT_NE(file.find("Phones%20Count=18\n"), std::string::npos) << file;
    EXPECT_NE(file.find("Phone18\\Phone%20heigth=48\n"), std::string::npos) << file;
    app::PhoneTable next;
    EXPECT_EQ(next.phoneCount(), 18);
    EXPECT_EQ(next.phoneWidth(18), 84);
    EXPECT_EQ(next.phoneName(18), "Nokia 3310");
}

TEST_F(PhoneTableTest, TwoHoldersOfTheTableDoNotOverwriteEachOther) {
    app::PhoneTable dialog;
    app::PhoneTable cli;
    dialog.addPhone("From the dialog", 100, 50);
    cli.addPhone("From the command line", 120, 60);
    EXPECT_EQ(cli.phoneCount(), 19);
    app::PhoneTable table;
    EXPECT_EQ(table.phoneCount(), 19);
    EXPECT_EQ(table.phoneName(18), "From the dialog");
    EXPECT_EQ(table.phoneName(19), "From the command line");
    dialog.removePhone(1);
    EXPECT_EQ(dialog.phoneCount(), 18);
    EXPECT_EQ(app::PhoneTable().phoneName(18), "From the command line");
}

TEST_F(PhoneTableTest, RemovingPhone1Of17) {
    app::PhoneTable table;
    table.removePhone(1);
    EXPECT_TRUE(table.lastWriteSucceeded());
    EXPECT_EQ(table.phoneCount(), 16);
    for (int k = 1; k <= 16; ++k)
        EXPECT_EQ(stored(k), builtIn(k + 1)) << k;
    QSettings settings = store();
    settings.beginGroup("Phones");
    EXPECT_FALSE(settings.childGroups().contains("Phone17"));
    EXPECT_EQ(settings.childGroups().size(), 16);
    EXPECT_EQ(settings.value("Phones Count").toInt(), 16);
    const std::string file = readText(sandbox.settingsFile());
    EXPECT_EQ(file.find("Phone17\\"), std::string::npos) << file;
    EXPECT_NE(file.find("Phones%20Count=16\n"), std::string::npos) << file;
    app::PhoneTable next;
    EXPECT_EQ(next.phoneCount(), 16);
    EXPECT_EQ(next.listEntry(1), padded("Nokia 6210", 15) + " ( 96x 60)");
    EXPECT_EQ(next.listEntry(17), "");
}

TEST_F(PhoneTableTest, RemovingTheLastPhoneOnlyDeletesItsGroup) {
    app::PhoneTable table;
    // Whatever lies below the last phone's group goes with it.
    setValue("Phones/Phone17/Extra/Deeper/Value", 1);
    setValue("Phones/Phone17/Extra/Other", "x");
    table.removePhone(17);
    EXPECT_EQ(table.phoneCount(), 16);
    for (int k = 1; k <= 16; ++k)
        EXPECT_EQ(stored(k), builtIn(k)) << k;
    QSettings settings = store();
    settings.beginGroup("Phones");
    EXPECT_FALSE(settings.childGroups().contains("Phone17"));
    EXPECT_EQ(readText(sandbox.settingsFile()).find("Phone17"), std::string::npos);
}

TEST_F(PhoneTableTest, RemovingANumberBeyondTheTableDoesNothing) {
    app::PhoneTable table;
    const std::string before = readText(sandbox.settingsFile());
    for (int number : {18, 1000, 0, -1}) {
        table.removePhone(number);
        EXPECT_EQ(table.phoneCount(), 17) << number;
    }
    EXPECT_EQ(readText(sandbox.settingsFile()), before);
    EXPECT_FALSE(store().childGroups().isEmpty());
    QSettings settings = store();
    settings.beginGroup("Phones");
    EXPECT_FALSE(settings.childGroups().contains("Phone0"));
    EXPECT_EQ(settings.childGroups().size(), 17);
}

TEST_F(PhoneTableTest, APhoneThatCannotBeReadIsSkippedWhenMovingDown) {
    app::PhoneTable first;
    setValue("Phones/Phone5/Phone width", "broken");
    app::PhoneTable table;
    table.removePhone(3);
    EXPECT_EQ(table.phoneCount(), 16);
    EXPECT_EQ(stored(1), builtIn(1));
    EXPECT_EQ(stored(2), builtIn(2));
    EXPECT_EQ(stored(3), builtIn(4));
    // Phone 5 could not be read: phone 4 keeps what it had.
    EXPECT_EQ(stored(4), builtIn(4));
    for (int k = 5; k <= 16; ++k)
        EXPECT_EQ(stored(k), builtIn(k + 1)) << k;
}

TEST_F(PhoneTableTest, RemovingEveryPhoneLeavesAnEmptyTable) {
    app::PhoneTable table;
    for (int i = 0; i < 17; ++i)
        table.removePhone(1);
    EXPECT_EQ(table.phoneCount(), 0);
    app::PhoneTable next;
    EXPECT_EQ(next.phoneCount(), 0);  // an empty table is not a missing one
    next.addPhone("Only", 10, 20);
    EXPECT_EQ(app::PhoneTable().listEntry(1), padded("Only", 21) + " ( 10x 20)");
}

TEST_F(PhoneTableTest, DeletingTheCountBringsTheBuiltInPhonesBack) {
    app::PhoneTable table;
    table.removePhone(1);
    table.addPhone("Mine", 1, 2);
    setValue("Phones/Phone3/Phone name", "Changed");
    removeKey("Phones/Phones Count");
    app::PhoneTable next;
    EXPECT_EQ(next.phoneCount(), 17);
    for (int k = 1; k <= 17; ++k)
        EXPECT_EQ(stored(k), builtIn(k)) << k;
    EXPECT_NE(readText(sandbox.settingsFile()).find("Phones%20Count=17\n"), std::string::npos);
}

TEST_F(PhoneTableTest, ACountThatIsNoNumberOfPhonesCountsAsMissing) {
    for (const QVariant& count : {QVariant("many"), QVariant("-3"), QVariant("1e2")}) {
        app::PhoneTable first;
        setValue("Phones/Phone1/Phone name", "Changed");
        setValue("Phones/Phones Count", count);
        app::PhoneTable table;
        EXPECT_EQ(table.phoneCount(), 17) << count.toString().toStdString();
        EXPECT_EQ(stored(1), builtIn(1));
    }
}

TEST_F(PhoneTableTest, AStoreThatCannotBeWrittenIsReported) {
    // A file where the store's folder should be.
    testing_support::writeFile(sandbox.folder() + "/Vendra", "not a folder");
    app::PhoneTable table;
    EXPECT_FALSE(table.lastWriteSucceeded());
    // Nothing is stored, so there is no phone to read.
    EXPECT_EQ(table.phoneCount(), 0);
    EXPECT_EQ(table.listEntry(1), "");
    EXPECT_EQ(table.phoneWidth(1), -1);
    table.addPhone("Nowhere", 10, 10);
    EXPECT_FALSE(table.lastWriteSucceeded());
    EXPECT_EQ(table.phoneCount(), 0);
}

TEST_F(PhoneTableTest, AChangeThatCannotBeWrittenLeavesTheCount) {
    app::PhoneTable table;
    ASSERT_TRUE(table.lastWriteSucceeded());
    // The store's folder turns into a file.
    fs::remove_all(sandbox.folder() + "/Vendra");
    testing_support::writeFile(sandbox.folder() + "/Vendra", "not a folder");
    table.removePhone(1);
    EXPECT_FALSE(table.lastWriteSucceeded());
    EXPECT_EQ(table.phoneCount(), 17);
    table.addPhone("Nowhere", 10, 10);
    EXPECT_FALSE(table.lastWriteSucceeded());
    EXPECT_EQ(table.phoneCount(), 17);
}

}  // namespace
