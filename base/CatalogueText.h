#pragma once

#include <string_view>

namespace bitmap {

// Turns a catalogue text into the language chosen at start. The function
// returns a view that stays valid for the rest of the run and may be called
// from any thread.
using TextTranslator = std::string_view (*)(std::string_view source);

// Sets the translator every catalogue text goes through from now on; null
// shows the texts as they are written.
void setTextTranslator(TextTranslator translator) noexcept;

// `source` in the chosen language: the source itself without a translator or
// when the translator knows no translation of it.
std::string_view translated(std::string_view source) noexcept;

// An entry of a catalogue that holds no Qt: it keeps its source text and
// turns into the translated text wherever a text is read from it, so the code
// that builds messages from the catalogue speaks the chosen language.
class CatalogueText {
public:
    // Catalogue entries are written as plain literals.
    // NOLINTNEXTLINE(google-explicit-constructor)
    constexpr CatalogueText(const char* source) : source_(source) {}

    constexpr std::string_view source() const noexcept { return source_; }
    // NOLINTNEXTLINE(google-explicit-constructor)
    operator std::string_view() const noexcept { return translated(source_); }
    std::string_view text() const noexcept { return translated(source_); }

    friend bool operator==(const CatalogueText& a, std::string_view b) noexcept {
        return a.text() == b;
    }
    template <class Stream>
    friend Stream& operator<<(Stream& out, const CatalogueText& t) {
        out << t.text();
        return out;
    }

private:
    std::string_view source_;
};

}  // namespace bitmap
