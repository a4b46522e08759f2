// Choosing the language from the environment and --lang, and the catalogue
// texts of the libraries following the chosen language.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/core/ProgramLanguage.h"
#include "base/Language.h"
#include "bitmap/Texts.h"
#include "codec/Codec.h"
#include "codec/Texts.h"
#include "support/TestSupport.h"

namespace {

using bitmap::Language;

TEST(Language, CzechLocalesOnlyAreCzech) {
    const std::pair<const char*, Language> cases[] = {
        {"cs", Language::czech},
        {"cs_CZ", Language::czech},
        {"cs_CZ.UTF-8", Language::czech},
        {"cs-CZ", Language::czech},
        {"cs@euro", Language::czech},
        {"csb_PL", Language::english},
        {"en_US.UTF-8", Language::english},
        {"de_DE", Language::english},
        {"C", Language::english},
        {"POSIX", Language::english},
        {"", Language::english},
    };
    for (const auto& [locale, expected] : cases)
        EXPECT_EQ(bitmap::languageOfLocale(locale), expected) << locale;
}

TEST(Language, EnvironmentIsReadAsQtProgramsReadIt) {
    using Environment = std::map<std::string, std::string>;
    const std::pair<Environment, Language> cases[] = {
        {{}, Language::english},
        {{{"LANG", "cs_CZ.UTF-8"}}, Language::czech},
        {{{"LANG", "en_GB.UTF-8"}}, Language::english},
        {{{"LC_MESSAGES", "cs_CZ"}, {"LANG", "en_US"}}, Language::czech},
        {{{"LC_ALL", "C"}, {"LC_MESSAGES", "cs_CZ"}}, Language::english},
        {{{"LC_ALL", ""}, {"LANG", "cs_CZ"}}, Language::czech},
        {{{"LANGUAGE", "cs"}, {"LC_ALL", "C"}}, Language::czech},
        {{{"LANGUAGE", "de:cs:en"}, {"LANG", "en_US"}}, Language::czech},
        {{{"LANGUAGE", "en_GB:cs"}, {"LANG", "cs_CZ"}}, Language::english},
        {{{"LANGUAGE", "de:fr"}, {"LANG", "cs_CZ"}}, Language::czech},
        {{{"LANGUAGE", ""}, {"LANG", "cs_CZ"}}, Language::czech},
    };
    for (const auto& [environment, expected] : cases) {
        const auto read = [&environment](const char* name) -> const char* {
            const auto found = environment.find(name);
            return found == environment.end() ? nullptr : found->second.c_str();
        };
        std::string shown;
        for (const auto& [name, value] : environment)
            shown += name + "=" + value + " ";
        EXPECT_EQ(bitmap::languageFromEnvironment(read), expected) << shown;
    }
}

TEST(Language, LangOptionIsTakenFromTheArguments) {
    struct Case {
        std::vector<std::string> arguments;
        std::optional<Language> language;
        std::vector<std::string> left;
        bool error;
    };
    const Case cases[] = {
        {{"convert", "a.bmp"}, std::nullopt, {"convert", "a.bmp"}, false},
        {{"--lang", "en", "info", "a"}, Language::english, {"info", "a"}, false},
        {{"info", "--lang=cs", "a"}, Language::czech, {"info", "a"}, false},
        {{"--lang", "cs", "--lang", "en"}, Language::english, {}, false},
        {{"--", "--lang", "en"}, std::nullopt, {"--", "--lang", "en"}, false},
        {{"--lang", "de"}, std::nullopt, {}, true},
        {{"--lang"}, std::nullopt, {}, true},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = c.arguments;
        std::string error;
        const auto language = bitmap::takeLanguageOption(arguments, error);
        EXPECT_EQ(language, c.language) << c.arguments.size();
        EXPECT_EQ(!error.empty(), c.error) << error;
        if (!c.error) {
            EXPECT_EQ(arguments, c.left);
        }
    }
}

// The libraries' messages come out in the chosen language.
class CatalogueLanguage : public ::testing::Test {
protected:
    ~CatalogueLanguage() override { app::useLanguage(Language::czech); }
};

TEST_F(CatalogueLanguage, TextsFollowTheChosenLanguage) {
    app::useLanguage(Language::english);
    EXPECT_EQ(app::programLanguage(), Language::english);
    EXPECT_EQ(std::string(bitmap::text::kCannotOpen), "Could not open the file");
    EXPECT_EQ(std::string(codec::text::kFileExists), "The file already exists");
    // Texts the catalogue writes in English stay as they are.
    EXPECT_EQ(std::string(bitmap::text::kMethodFloydSteinberg), "Floyd - Steinberg");

    app::useLanguage(Language::czech);
    EXPECT_EQ(app::programLanguage(), Language::czech);
    EXPECT_EQ(std::string(bitmap::text::kCannotOpen), "Nepodařilo se otevřít soubor");
}

TEST_F(CatalogueLanguage, CodecMessagesAreBuiltInTheChosenLanguage) {
    const testing_support::TempDir folder;
    const std::string missing = folder.file("missing.bmp");
    codec::Codec codec;
    codec.setThrowException(false);
    app::useLanguage(Language::english);
    EXPECT_EQ(codec.loadImage(missing, ""), 0);
    EXPECT_NE(codec.errordescription().find("File '" + missing + "' does not exist!"),
              std::string::npos)
        << codec.errordescription();

    app::useLanguage(Language::czech);
    EXPECT_EQ(codec.loadImage(missing, ""), 0);
    EXPECT_NE(codec.errordescription().find("Soubor '" + missing + "' neexistuje!"),
              std::string::npos)
        << codec.errordescription();
}

}  // namespace
