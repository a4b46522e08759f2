// The dithering settings stored beside the classic method, and the display
// presets.
#include <gtest/gtest.h>

#include <QStringList>

#include "app/core/settings/AppSettings.h"
#include "app/core/settings/DisplayPresets.h"
#include "app/qt/SettingsStore.h"
#include "support/SettingsSandbox.h"

namespace {

using testing_support::SettingsSandbox;

QVariant stored(const char* name) {
    return app::SettingsStore().settings().value(QString("Settings/") + name);
}

TEST(DitherSettings, WrittenBesideTheClassicValuesAndReadBack) {
    SettingsSandbox sandbox;
    app::AppSettings written;
    written.ditheringMethod = bitmap::kStucki;
    written.threshold = 90;
    written.ditherOptions = {
        .serpentine = true,
        .strength = 80,
        .linearLight = true,
        .tone = {
            .autoLevels = true, .brightness = -10, .contrast = 25, .gamma = 180, .invert = true}};
    written.cArrayOptions = {bitmap::CArrayLayout::vertical, true};
    written.writeSettings();
    // An older program reads Floyd - Steinberg, the classic method closest
    // to Stucki.
    EXPECT_EQ(stored("IxDithering").toInt(), bitmap::kFloydSteinberg);
    EXPECT_EQ(stored("DitheringMethod").toString(), "stucki");
    EXPECT_EQ(stored("TresholdValue").toInt(), 90);

    app::AppSettings read;
    read.readSettings();
    EXPECT_EQ(read.ditheringMethod, bitmap::kStucki);
    EXPECT_EQ(read.ditherOptions, written.ditherOptions);
    EXPECT_EQ(read.cArrayOptions.layout, bitmap::CArrayLayout::vertical);
    EXPECT_TRUE(read.cArrayOptions.invert);

    // An older program that chose Random since then is heard.
    app::SettingsStore().settings().setValue("Settings/IxDithering", bitmap::kRandom);
    read.readSettings();
    EXPECT_EQ(read.ditheringMethod, bitmap::kRandom);

    // Back at the defaults, only the classic values are left.
    read.ditherOptions = {};
    read.cArrayOptions = {};
    read.writeSettings();
    app::SettingsStore store;
    store.settings().beginGroup("Settings");
    EXPECT_EQ(store.settings().childKeys(),
              (QStringList{"DSD", "DWD", "IxDithering", "TresholdValue"}));
}

TEST(DitherSettings, ClassicMethodsAndBadValues) {
    SettingsSandbox sandbox;
    app::AppSettings written;
    written.ditheringMethod = bitmap::kMatrixForPrinting;
    written.writeSettings();
    EXPECT_EQ(stored("IxDithering").toInt(), bitmap::kMatrixForPrinting);

    // Values out of range or of no method keep their defaults.
    app::SettingsStore store;
    QSettings& s = store.settings();
    s.setValue("Settings/DitheringMethod", "no-such-method");
    s.setValue("Settings/DitherStrength", 101);
    s.setValue("Settings/AdjustGamma", 5);
    s.setValue("Settings/AdjustInvert", 2);
    s.setValue("Settings/CArrayLayout", "diagonal");
    s.sync();
    app::AppSettings read;
    read.readSettings();
    EXPECT_EQ(read.ditheringMethod, bitmap::kMatrixForPrinting);
    EXPECT_EQ(read.ditherOptions, bitmap::DitherOptions{});
    EXPECT_EQ(read.cArrayOptions.layout, bitmap::CArrayLayout::horizontal);
}

TEST(DisplayPresets, ListedAndFoundByNumberKeyOrName) {
    const auto presets = app::displayPresets();
    ASSERT_EQ(presets.size(), 9u);
    EXPECT_EQ(app::displayListEntry(presets[0]), "SSD1306 OLED 0.96\"        (128x 64)");
    struct Case {
        const char* text;
        int width;
        int height;
    };
    const Case cases[] = {{"1", 128, 64},
                          {" ssd1306-128X32 ", 128, 32},
                          {"pcd8544 lcd (nokia 5110)", 84, 48},
                          {"epaper-2.13", 250, 122},
                          {"9", 400, 240},
                          {"epaper-2.9", 296, 128}};
    for (const Case& c : cases) {
        const app::DisplayPreset* found = app::findDisplayPreset(c.text);
        ASSERT_NE(found, nullptr) << c.text;
        EXPECT_EQ(found->width, c.width) << c.text;
        EXPECT_EQ(found->height, c.height) << c.text;
    }
    for (const char* unknown : {"0", "10", "", "ssd1306"})
        EXPECT_EQ(app::findDisplayPreset(unknown), nullptr) << unknown;
}

}  // namespace
