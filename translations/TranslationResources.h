#pragma once

namespace translations {

// Makes the translations built into the program readable under ":/i18n"
// (glyphon_en.qm, dotwerk_en.qm). Cheap; may be called any number of times.
void registerTranslationResources();

}  // namespace translations
