#include "translations/EnglishCatalogue.h"

#include <algorithm>

#include "translations/EnglishCatalogueTable.h"

namespace translations {

std::optional<std::string_view> englishCatalogueText(std::string_view source) noexcept {
    const auto entries = englishCatalogueEntries();
    const auto found =
        std::ranges::lower_bound(entries, source, {}, &EnglishCatalogueEntry::source);
    if (found == entries.end() || found->source != source)
        return std::nullopt;
    return found->english;
}

}  // namespace translations
