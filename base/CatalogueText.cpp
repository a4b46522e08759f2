#include "base/CatalogueText.h"

#include <atomic>

namespace bitmap {
namespace {

std::atomic<TextTranslator> installedTranslator{nullptr};

}  // namespace

void setTextTranslator(TextTranslator translator) noexcept {
    installedTranslator.store(translator, std::memory_order_release);
}

std::string_view translated(std::string_view source) noexcept {
    const TextTranslator translator = installedTranslator.load(std::memory_order_acquire);
    return translator ? translator(source) : source;
}

}  // namespace bitmap
