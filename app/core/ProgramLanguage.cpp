#include "app/core/ProgramLanguage.h"

#include <atomic>

#include "app/core/QtServices.h"
#include "bitmap/CatalogueText.h"

namespace app {
namespace {

std::atomic<bitmap::Language> chosen{bitmap::Language::czech};

// The English catalogue is Qt's: it is loaded at the first text that needs
// it, so a run that prints nothing translated never loads it.
std::string_view englishText(std::string_view source) noexcept {
    try {
        return qtServices().englishText(source);
    } catch (...) {
        // No catalogue to be had: the text as it is written.
        return source;
    }
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
