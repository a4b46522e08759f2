#include "app/core/ProgramLanguage.h"

#include <atomic>

#include "app/core/QtServices.h"
#include "base/CatalogueText.h"
#include "translations/EnglishCatalogue.h"

namespace app {
namespace {

std::atomic<bitmap::Language> chosen{bitmap::Language::czech};

// From the table built into the program, so that an English glyphon-cli
// run needs no Qt for its texts.
std::string_view englishText(std::string_view source) noexcept {
    return translations::englishCatalogueText(source).value_or(source);
}

}  // namespace

void useLanguage(bitmap::Language language) {
    bitmap::setTextTranslator(language == bitmap::Language::english ? &englishText : nullptr);
    chosen.store(language);
    if (const QtServices* services = qtServicesIfLoaded())
        services->languageChosen(language);
}

bitmap::Language programLanguage() {
    return chosen.load();
}

}  // namespace app
