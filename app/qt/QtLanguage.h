#pragma once

#include <string_view>

#include "bitmap/Language.h"

// The program's languages through Qt's translation system.
namespace app::qt {

// The English text of a catalogue entry, from the catalogue built into the
// program (read at the first call); the entry itself when it has none.
std::string_view englishText(std::string_view source) noexcept;

// In a program with an application object: installs the translators of the
// program and the editor control for English, and Qt's own Czech catalogue
// for Czech.
void followLanguage(bitmap::Language language);

}  // namespace app::qt
