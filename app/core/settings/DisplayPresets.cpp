#include "app/core/settings/DisplayPresets.h"

#include <array>
#include <charconv>
#include <cstdio>

#include "app/core/QtServices.h"
#include "app/core/settings/PhoneTable.h"

namespace app {
namespace {

constexpr std::array<DisplayPreset, 9> kPresets{{
    {"ssd1306-128x64", "SSD1306 OLED 0.96\"", 128, 64},
    {"ssd1306-128x32", "SSD1306 OLED 0.91\"", 128, 32},
    {"sh1106-128x64", "SH1106 OLED 1.3\"", 128, 64},
    {"pcd8544-84x48", "PCD8544 LCD (Nokia 5110)", 84, 48},
    {"sharp-memory-400x240", "Sharp Memory LCD 2.7\"", 400, 240},
    {"epaper-2.13", "E-paper 2.13\"", 250, 122},
    {"epaper-2.9", "E-paper 2.9\"", 296, 128},
    {"epaper-4.2", "E-paper 4.2\"", 400, 300},
    {"handheld-400x240", "Handheld console", 400, 240},
}};

}  // namespace

std::span<const DisplayPreset> displayPresets() {
    return kPresets;
}

std::string displayListEntry(const DisplayPreset& preset) {
    char numbers[32];
    std::snprintf(numbers, sizeof numbers, " (%3dx%3d)", preset.width, preset.height);
    return fitPhoneName(std::string(preset.name), 25) + numbers;
}

const DisplayPreset* findDisplayPreset(std::string_view text) {
    const std::string wanted = trimmedText(text);
    // A number: its position in the list.
    int number = 0;
    const char* end = wanted.data() + wanted.size();
    const char* start = wanted.data() + (wanted.starts_with('+') ? 1 : 0);
    if (const auto [stop, error] = std::from_chars(start, end, number);
        !wanted.empty() && error == std::errc() && stop == end) {
        if (number >= 1 && number <= static_cast<int>(kPresets.size()))
            return &kPresets[static_cast<size_t>(number - 1)];
    }
    const std::string folded = caseFoldedText(wanted);
    for (const DisplayPreset& preset : kPresets) {
        if (caseFoldedText(preset.key) == folded || caseFoldedText(preset.name) == folded)
            return &preset;
    }
    return nullptr;
}

}  // namespace app
