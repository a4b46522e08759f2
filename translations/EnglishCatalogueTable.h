#pragma once

#include <span>
#include <string_view>

// The English catalogue's table, made from glyphon_en.ts when the program is
// built (tools/).
namespace translations {

struct EnglishCatalogueEntry {
    std::string_view source;   // the text as the sources write it
    std::string_view english;  // what QTranslator gives for it
};

// Every entry, sorted by source text byte by byte, each source once.
std::span<const EnglishCatalogueEntry> englishCatalogueEntries() noexcept;

}  // namespace translations
