#pragma once

#include <span>
#include <string>
#include <string_view>

// Today's small one-bit displays, fixed and kept beside the phone table
// (never in it): OLED and LCD modules, memory LCDs, e-paper panels and a
// handheld console. Pictures are fitted to them as to a phone's display.
namespace app {

struct DisplayPreset {
    // One word for the command line ("ssd1306-128x64").
    std::string_view key;
    // What the lists show ("SSD1306 OLED 0.96\"").
    std::string_view name;
    int width;
    int height;
};

// Every preset, in the order the lists show them.
std::span<const DisplayPreset> displayPresets();

// "%-25.25s (%3dx%3d)" of a preset, as the phone list shows a phone.
std::string displayListEntry(const DisplayPreset& preset);

// The preset that `text` names: its number in the list (from 1), its key
// or its name, compared without regard to case and to blanks around it;
// null for none.
const DisplayPreset* findDisplayPreset(std::string_view text);

}  // namespace app
