#include "base/Language.h"

#include <cstdlib>

namespace bitmap {

std::optional<Language> languageNamed(std::string_view name) {
    if (name == "cs")
        return Language::czech;
    if (name == "en")
        return Language::english;
    return std::nullopt;
}

Language languageOfLocale(std::string_view locale) {
    // "cs", "cs_CZ", "cs_CZ.UTF-8", "cs-CZ", "cs@euro"; not "csb" (Kashubian).
    const bool czech =
        locale.substr(0, 2) == "cs" && (locale.size() == 2 || locale.find_first_of("_-.@", 2) == 2);
    return czech ? Language::czech : Language::english;
}

Language languageFromEnvironment(const EnvironmentReader& read) {
    if (const char* list = read("LANGUAGE")) {
        std::string_view rest(list);
        while (!rest.empty()) {
            const size_t colon = rest.find(':');
            const std::string_view entry = rest.substr(0, colon);
            const std::string_view base = entry.substr(0, entry.find_first_of("_-.@"));
            if (base == "cs" || base == "en")
                return languageOfLocale(entry);
            rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
        }
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = read(name);
        if (value != nullptr && *value != '\0')
            return languageOfLocale(value);
    }
    return Language::english;
}

Language languageFromEnvironment() {
    return languageFromEnvironment([](const char* name) { return std::getenv(name); });
}

std::optional<Language> takeLanguageOption(std::vector<std::string>& arguments,
                                           std::string& error) {
    std::optional<Language> chosen;
    error.clear();
    for (size_t i = 0; i < arguments.size();) {
        std::string name;
        size_t taken = 0;
        if (arguments[i] == "--lang") {
            if (i + 1 >= arguments.size()) {
                error = "option --lang needs a value (cs or en)";
                return std::nullopt;
            }
            name = arguments[i + 1];
            taken = 2;
        } else if (arguments[i].rfind("--lang=", 0) == 0) {
            name = arguments[i].substr(7);
            taken = 1;
        } else if (arguments[i] == "--") {
            break;
        } else {
            ++i;
            continue;
        }
        chosen = languageNamed(name);
        if (!chosen) {
            error = "unknown language '" + name + "' (use cs or en)";
            return std::nullopt;
        }
        arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i),
                        arguments.begin() + static_cast<std::ptrdiff_t>(i + taken));
    }
    return chosen;
}

}  // namespace bitmap
