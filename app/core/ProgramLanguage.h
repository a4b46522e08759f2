#pragma once

#include "base/Language.h"

namespace app {

// Speaks `language` from now on: the catalogues of every library (through
// bitmap's text translator and, when an application object exists, Qt's
// translators, the editor control's included) and, in Czech, Qt's own
// dialogs. Czech needs no translation of the program's texts, which are
// written in Czech; English loads the translations built into the program.
// May be called again to change the language (the tests do).
void useLanguage(bitmap::Language language);

// The language chosen last by useLanguage (Czech before any choice).
bitmap::Language programLanguage();

}  // namespace app
