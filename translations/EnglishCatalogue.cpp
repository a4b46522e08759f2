#include "translations/EnglishCatalogue.h"

#include <algorithm>

#include "translations/EnglishCatalogueTable.h"

namespace translations {

std::optional<std::string_view> englishCatalogueText(std::string_view source) noexcept {
    const EnglishCatalogueTable table = englishCatalogueTable();
    const auto sourceOf = [&table](const EnglishCatalogueEntry& entry) {
        return table.source(entry);
    };
    const auto found = std::ranges::lower_bound(table.entries, source, {}, sourceOf);
    if (found == table.entries.end() || sourceOf(*found) != source)
        return std::nullopt;
    return table.english(*found);
}

}  // namespace translations
