#pragma once

#include <string_view>

#include "base/TextMark.h"

#include "app/core/Texts.h"
#include "bitmap/Texts.h"
#include "codec/Texts.h"

// The texts (UTF-8) of the program's shared dialogs and controls: OK and
// cancel rows, number edits, the dithering page and options, the folder
// picker and the new-folder dialog.
namespace widgets::text {
// Texts of the lower layers these windows show too.
using app::text::kCaptionError;
using app::text::kProgramTitle;
using codec::text::kCannotCreateFolder;
using codec::text::kFolderExists;
inline constexpr std::string_view kOk = QT_TRANSLATE_NOOP("glyphon", "OK");
inline constexpr std::string_view kCancel = QT_TRANSLATE_NOOP("glyphon", "Zrušit");
// Cancel wherever no other word is given for it, as in the program's windows.
inline constexpr std::string_view kStorno = QT_TRANSLATE_NOOP("glyphon", "Storno");
// Threshold edits.
inline constexpr std::string_view kThresholdLabel =
    QT_TRANSLATE_NOOP("glyphon", "Úroveň thresholdingu:");
inline constexpr std::string_view kIntegerRange =
    QT_TRANSLATE_NOOP("glyphon", "Zadejte celé číslo mezi %1 a %2.");
// The group of dithering methods. The conversion settings dialog names the
// methods as the bitmap core does; the dithering page writes two of them
// with a small letter.
inline constexpr std::string_view kDitheringGroup = QT_TRANSLATE_NOOP("glyphon", "Typ ditheringu");
using bitmap::text::kMethodFloydSteinberg;
using bitmap::text::kMethodRandom;
using bitmap::text::kMethodThresholding;
inline constexpr std::string_view kMethodMatrixDisplaying =
    QT_TRANSLATE_NOOP("glyphon", "Matrix for displaying");
inline constexpr std::string_view kMethodMatrixPrinting =
    QT_TRANSLATE_NOOP("glyphon", "Matrix for printing");
// The newer methods follow the five in two columns of their own.
inline constexpr std::string_view kDiffusionMethods =
    QT_TRANSLATE_NOOP("glyphon", "Rozptyl chyby:");
inline constexpr std::string_view kMaskMethods = QT_TRANSLATE_NOOP("glyphon", "Prahové masky:");
// The options below the methods in the conversion settings dialog.
inline constexpr std::string_view kDitherOptionsGroup =
    QT_TRANSLATE_NOOP("glyphon", "Volby a úpravy před ditheringem");
inline constexpr std::string_view kSerpentine =
    QT_TRANSLATE_NOOP("glyphon", "Střídat směr řádků (serpentine)");
inline constexpr std::string_view kStrength =
    QT_TRANSLATE_NOOP("glyphon", "Síla rozptylu chyby (%):");
inline constexpr std::string_view kLinearLight =
    QT_TRANSLATE_NOOP("glyphon", "Dithering v lineárním světle");
inline constexpr std::string_view kAutoLevels =
    QT_TRANSLATE_NOOP("glyphon", "Automaticky roztáhnout úrovně");
inline constexpr std::string_view kBrightness = QT_TRANSLATE_NOOP("glyphon", "Jas:");
inline constexpr std::string_view kContrast = QT_TRANSLATE_NOOP("glyphon", "Kontrast:");
inline constexpr std::string_view kGamma = QT_TRANSLATE_NOOP("glyphon", "Gama:");
inline constexpr std::string_view kInvert = QT_TRANSLATE_NOOP("glyphon", "Invertovat");
// The dithering page of the batch sheet.
inline constexpr std::string_view kDitheringPageTitle = QT_TRANSLATE_NOOP("glyphon", "Dithering");
// The folder picker (with kFolderExists and kCannotCreateFolder).
inline constexpr std::string_view kFolderPickerTitle = QT_TRANSLATE_NOOP("glyphon", "Najít složku");
inline constexpr std::string_view kChangeDrive = QT_TRANSLATE_NOOP("glyphon", "Změnit disk:");
inline constexpr std::string_view kNewFolderButton = QT_TRANSLATE_NOOP("glyphon", "&Nová složka");
inline constexpr std::string_view kNewFolderTitle = QT_TRANSLATE_NOOP("glyphon", "Nová složka");
inline constexpr std::string_view kNewFolderPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Zadejte jméno složky:");
// The field where a folder's path can be typed or pasted.
inline constexpr std::string_view kFolderPath = QT_TRANSLATE_NOOP("glyphon", "&Cesta:");
inline constexpr std::string_view kNoSuchFolder =
    QT_TRANSLATE_NOOP("glyphon", "Složka '%1' neexistuje.");
}  // namespace widgets::text
