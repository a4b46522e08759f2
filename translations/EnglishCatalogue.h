#pragma once

#include <optional>
#include <string_view>

namespace translations {

// The English text of one of the program's texts (UTF-8, as written in the
// sources), from the English catalogue built into the program; nullopt when
// the catalogue has none. Needs no Qt; the view stays valid for the whole
// run.
std::optional<std::string_view> englishCatalogueText(std::string_view source) noexcept;

}  // namespace translations
