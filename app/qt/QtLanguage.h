#pragma once

#include "base/Language.h"

// The program's languages through Qt's translation system.
namespace app::qt {

// In a program with an application object: installs the translators of the
// program and the editor control for English, and Qt's own Czech catalogue
// for Czech.
void followLanguage(bitmap::Language language);

}  // namespace app::qt
