#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// The English catalogue's table, made from glyphon_en.ts when the program is
// built (tools/).
namespace translations {

// Where an entry's two texts lie in the table's block of texts. The table
// holds offsets rather than pointers, so the loader has nothing to patch in
// it when the program starts.
struct EnglishCatalogueEntry {
    uint32_t sourceAt;  // the text as the sources write it
    uint32_t sourceSize;
    uint32_t englishAt;  // what QTranslator gives for it
    uint32_t englishSize;
};

struct EnglishCatalogueTable {
    std::string_view texts;
    // Sorted by source text byte by byte, each source once.
    std::span<const EnglishCatalogueEntry> entries;

    std::string_view source(const EnglishCatalogueEntry& entry) const noexcept {
        return {texts.data() + entry.sourceAt, entry.sourceSize};
    }
    std::string_view english(const EnglishCatalogueEntry& entry) const noexcept {
        return {texts.data() + entry.englishAt, entry.englishSize};
    }
};

EnglishCatalogueTable englishCatalogueTable() noexcept;

}  // namespace translations
