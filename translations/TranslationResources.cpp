#include "translations/TranslationResources.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE names a function in the global namespace.
static void initGlyphonTranslations() {
    Q_INIT_RESOURCE(glyphon_translations);
}

namespace translations {

void registerTranslationResources() {
    static const bool registered = (initGlyphonTranslations(), true);
    (void)registered;
}

}  // namespace translations
