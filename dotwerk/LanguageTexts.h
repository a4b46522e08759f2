#pragma once

#include <string_view>

#include "dotwerk/Texts.h"

// The texts of the control's dialogs in the language the host chose with
// the Language property (1 Czech, 2 English).
namespace dotwerk {

struct LanguageTexts {
    std::string_view textDialogTitle;
    std::string_view textLabel;
    std::string_view fontButton;
    std::string_view fontNameLabel;
    std::string_view fontSizeLabel;
    std::string_view fontStyleLabel;
    std::string_view ok;
    std::string_view cancel;
    std::string_view fontDialogTitle;
    std::string_view bold;
    std::string_view italic;
    std::string_view boldItalic;
};

inline constexpr LanguageTexts kCzech = {
    text::kTextDialogTitleCs, text::kTextLabel,        text::kFont,     text::kFontNameLabelCs,
    text::kFontSizeLabelCs,   text::kFontStyleLabelCs, text::kOk,       text::kCancelCs,
    text::kFontDialogTitleCs, text::kBoldCs,           text::kItalicCs, text::kBoldItalicCs,
};

inline constexpr LanguageTexts kEnglish = {
    text::kTextDialogTitleEn,
    text::kTextLabel,
    text::kFont,
    text::kFontNameLabelEn,
    text::kFontSizeLabelEn,
    text::kFontStyleLabelEn,
    text::kOk,
    text::kCancelEn,
    text::kFont,
    text::kBoldEn,
    text::kItalicEn,
    text::kBoldItalicEn,
};

// Texts for the language code; English for anything but 1.
inline const LanguageTexts& textsForLanguage(long long language) {
    return language == 1 ? kCzech : kEnglish;
}

}  // namespace dotwerk
