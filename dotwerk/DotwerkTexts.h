#pragma once

// The control's texts in its two languages (1 Czech, 2 English), UTF-8.

namespace dotwerk::texts {

// Shown by a control that has no picture yet, in either language.
inline constexpr char kNotInitialised[] = "Neinicializováno";

struct LanguageTexts {
    const char* textDialogTitle;
    const char* textLabel;
    const char* fontButton;
    const char* fontNameLabel;
    const char* fontSizeLabel;
    const char* fontStyleLabel;
    const char* ok;
    const char* cancel;
    const char* fontDialogTitle;
    const char* bold;
    const char* italic;
    const char* boldItalic;
    const char* propertyPageCaption;
};

inline constexpr LanguageTexts kCzech = {
    "Vložit text", "Text:", "Font",  "Písmo:",  "Velikost:",     "Styl:",   "OK",
    "Storno",      "Písmo", "Tučně", "Kurzíva", "Tučné kurzíva", "General",
};

inline constexpr LanguageTexts kEnglish = {
    "Insert text", "Text:", "Font", "Font:",  "Size:",       "Style:",  "OK",
    "Cancel",      "Font",  "Bold", "Italic", "Bold italic", "General",
};

// The stand-alone host's own texts (English, as the rest of the host).
inline constexpr char kHostUntitled[] = "Untitled";
inline constexpr char kHostSaveChanges[] = "Save the changes to %1?";

// Texts for the language code; English for anything but 1.
inline const LanguageTexts& forLanguage(long long language) {
    return language == 1 ? kCzech : kEnglish;
}

}  // namespace dotwerk::texts
