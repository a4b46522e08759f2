#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bitmap {

// The two languages the programs speak. Czech texts are the source texts;
// English comes from the translation.
enum class Language { czech, english };

// "cs" or "en" (as given to --lang); nothing for any other name.
std::optional<Language> languageNamed(std::string_view name);

// The language for a locale name such as "cs_CZ.UTF-8", "cs" or "en_GB":
// Czech for a Czech locale, English for every other.
Language languageOfLocale(std::string_view locale);

// Reads one environment variable; null when it is not set.
using EnvironmentReader = std::function<const char*(const char*)>;

// The language the environment asks for, as Qt programs read it: the first
// Czech or English entry of LANGUAGE (a colon-separated list), else the first
// of LC_ALL, LC_MESSAGES and LANG that is set and not empty; English when
// none is.
Language languageFromEnvironment(const EnvironmentReader& read);
Language languageFromEnvironment();

// Removes "--lang NAME" or "--lang=NAME" from `arguments` (every occurrence;
// the last wins) and returns the language it names. Nothing when the option
// is absent; `error` holds a message and nothing is returned when the name
// is missing or unknown.
std::optional<Language> takeLanguageOption(std::vector<std::string>& arguments, std::string& error);

}  // namespace bitmap
