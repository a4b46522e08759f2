#pragma once

#include <QtGlobal>

#include <string_view>

// The control's texts (UTF-8) in its two languages: Czech (…Cs) and English
// (…En), one entry where both languages write the same. The control links
// nothing of the program, so it keeps texts of its own. The texts marked for
// lupdate follow the translation the host loads; the text dialog's texts,
// unmarked, follow the Language property the host sets instead.
namespace dotwerk::text {

// Shown by a control that has no picture yet, in either language.
inline constexpr std::string_view kNotInitialised =
    QT_TRANSLATE_NOOP("dotwerk", "Neinicializováno");

// The caption of the property page.
inline constexpr std::string_view kPropertyPageCaption = QT_TRANSLATE_NOOP("dotwerk", "General");

// The text dialog.
inline constexpr std::string_view kTextDialogTitleCs = "Vložit text";
inline constexpr std::string_view kTextDialogTitleEn = "Insert text";
inline constexpr std::string_view kTextLabel = "Text:";
// The font button in both languages; the English font dialog's title too.
inline constexpr std::string_view kFont = "Font";
inline constexpr std::string_view kFontNameLabelCs = "Písmo:";
inline constexpr std::string_view kFontNameLabelEn = "Font:";
inline constexpr std::string_view kFontSizeLabelCs = "Velikost:";
inline constexpr std::string_view kFontSizeLabelEn = "Size:";
inline constexpr std::string_view kFontStyleLabelCs = "Styl:";
inline constexpr std::string_view kFontStyleLabelEn = "Style:";
inline constexpr std::string_view kOk = "OK";
inline constexpr std::string_view kCancelCs = "Storno";
inline constexpr std::string_view kCancelEn = "Cancel";

// The font dialog and the font styles.
inline constexpr std::string_view kFontDialogTitleCs = "Písmo";
inline constexpr std::string_view kBoldCs = "Tučně";
inline constexpr std::string_view kBoldEn = "Bold";
inline constexpr std::string_view kItalicCs = "Kurzíva";
inline constexpr std::string_view kItalicEn = "Italic";
inline constexpr std::string_view kBoldItalicCs = "Tučné kurzíva";
inline constexpr std::string_view kBoldItalicEn = "Bold italic";

// The stand-alone host's own texts (English, as the rest of the host).
inline constexpr std::string_view kHostUntitled = QT_TRANSLATE_NOOP("dotwerk", "Untitled");
inline constexpr std::string_view kHostSaveChanges =
    QT_TRANSLATE_NOOP("dotwerk", "Save the changes to %1?");

}  // namespace dotwerk::text
