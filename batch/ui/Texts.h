#pragma once

#include <string_view>

#include "bitmap/TextMark.h"

#include "app/core/Texts.h"
#include "bitmap/Texts.h"
#include "codec/Texts.h"

// The texts (UTF-8) of the batch sheet, its progress window and the dialogs
// the batch conversion shares with the program: dithering, conversion
// settings, folder picker and download.
namespace batchui::text {

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
using bitmap::text::kMethodMatrixForDisplaying;
using bitmap::text::kMethodMatrixForPrinting;
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

// The conversion settings dialog with its preview.
inline constexpr std::string_view kConversionTitle =
    QT_TRANSLATE_NOOP("glyphon", "Nastavení konverze");
inline constexpr std::string_view kCurrentPosition =
    QT_TRANSLATE_NOOP("glyphon", "Aktuální pozice:");
inline constexpr std::string_view kNoPreview =
    QT_TRANSLATE_NOOP("glyphon", "Náhled není k dispozici");

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

// The download dialogs.
inline constexpr std::string_view kDownloadTitle =
    QT_TRANSLATE_NOOP("glyphon", "Stahování obrázku");
inline constexpr std::string_view kUrlPrompt = QT_TRANSLATE_NOOP("glyphon", "Zadejte URL obrázku:");
inline constexpr std::string_view kSaveToFolder = QT_TRANSLATE_NOOP("glyphon", "Uložit do složky:");
inline constexpr std::string_view kBrowse = QT_TRANSLATE_NOOP("glyphon", "Procházet");
inline constexpr std::string_view kProgressTitle =
    QT_TRANSLATE_NOOP("glyphon", "Probíhá stahování");
inline constexpr std::string_view kStatusStarting =
    QT_TRANSLATE_NOOP("glyphon", "Status: Zahajuji stahování...");
inline constexpr std::string_view kUrlEvaluating =
    QT_TRANSLATE_NOOP("glyphon", "   URL: Vyhodnocuji");
inline constexpr std::string_view kUrlConnecting = QT_TRANSLATE_NOOP("glyphon", "   URL: %1");
inline constexpr std::string_view kStatusConnecting =
    QT_TRANSLATE_NOOP("glyphon", "Status: Připojuji se na Internet...");
inline constexpr std::string_view kStatusReceived =
    QT_TRANSLATE_NOOP("glyphon", "Status: staženo %1 bytů");
inline constexpr std::string_view kUrlReceiving = QT_TRANSLATE_NOOP("glyphon", "URL: %1");

// The batch sheet.
inline constexpr std::string_view kSheetTitle = QT_TRANSLATE_NOOP("glyphon", "Dávková konverze");

// File selection.
inline constexpr std::string_view kSelectPageTitle = QT_TRANSLATE_NOOP("glyphon", "Výběr souboru");
inline constexpr std::string_view kAddFiles = QT_TRANSLATE_NOOP("glyphon", "&Přidat soubory");
inline constexpr std::string_view kAddUrl = QT_TRANSLATE_NOOP("glyphon", "Přidat &URL");
inline constexpr std::string_view kRemove = QT_TRANSLATE_NOOP("glyphon", "&Odstranit");
inline constexpr std::string_view kAddFilesTitle =
    QT_TRANSLATE_NOOP("glyphon", "Zvolte soubory pro přidání");
// The first filter of the add-files dialog, followed by the names of the
// formats it offers.
inline constexpr std::string_view kFilterAll =
    QT_TRANSLATE_NOOP("glyphon", "All Supported Image Files");

// Settings.
inline constexpr std::string_view kSettingsPageTitle = QT_TRANSLATE_NOOP("glyphon", "Nastavení");
inline constexpr std::string_view kSaveIntoFolder =
    QT_TRANSLATE_NOOP("glyphon", "Ukládat do složky:");
inline constexpr std::string_view kBrowseAmp = QT_TRANSLATE_NOOP("glyphon", "&Procházet");
inline constexpr std::string_view kOutputFormat = QT_TRANSLATE_NOOP("glyphon", "Výstupní formát");
inline constexpr std::string_view kStopOnError =
    QT_TRANSLATE_NOOP("glyphon", "&Zastavit při chybě");
inline constexpr std::string_view kWaitForConfirmation =
    QT_TRANSLATE_NOOP("glyphon", "Počkat na potvrzení");
inline constexpr std::string_view kResize = QT_TRANSLATE_NOOP("glyphon", "Změnit velikost");
inline constexpr std::string_view kFitToBox = QT_TRANSLATE_NOOP("glyphon", "Přizpůsobit do okna");
inline constexpr std::string_view kFitToPhone =
    QT_TRANSLATE_NOOP("glyphon", "Přizpůsobit pro telefon:");
inline constexpr std::string_view kBoxTimes = QT_TRANSLATE_NOOP("glyphon", "x");

// WML pages.
inline constexpr std::string_view kWmlPageTitle = QT_TRANSLATE_NOOP("glyphon", "WML stránky");
inline constexpr std::string_view kCreatePages =
    QT_TRANSLATE_NOOP("glyphon", "Vytvořit WML stránky");
inline constexpr std::string_view kPrefix =
    QT_TRANSLATE_NOOP("glyphon", "Prefix pro zdroj (např. URL):");
inline constexpr std::string_view kSeparateFolder =
    QT_TRANSLATE_NOOP("glyphon", "Zvláštní složka pro WML stránky:");
inline constexpr std::string_view kAltText = QT_TRANSLATE_NOOP("glyphon", "Náhradní text");
inline constexpr std::string_view kAltPictureName = QT_TRANSLATE_NOOP("glyphon", "Název obrázku");
inline constexpr std::string_view kAltCustom = QT_TRANSLATE_NOOP("glyphon", "Vlastní text:");

// The progress window.
inline constexpr std::string_view kProgressWindowTitle =
    QT_TRANSLATE_NOOP("glyphon", "Probíhá konverze...");
inline constexpr std::string_view kProgressFile =
    QT_TRANSLATE_NOOP("glyphon", "Zpracovávám obrázek: %1");
inline constexpr std::string_view kProgressStatus = QT_TRANSLATE_NOOP("glyphon", "Status: %1");
inline constexpr std::string_view kProgressProcessed = QT_TRANSLATE_NOOP("glyphon", "Zpracováno:");
inline constexpr std::string_view kProgressRemaining = QT_TRANSLATE_NOOP("glyphon", "Zbývá:");
inline constexpr std::string_view kProgressErrors = QT_TRANSLATE_NOOP("glyphon", "Chyby:");
inline constexpr std::string_view kProgressInitialFile = QT_TRANSLATE_NOOP("glyphon", "No File");
inline constexpr std::string_view kProgressInitialStatus =
    QT_TRANSLATE_NOOP("glyphon", "Preparing...");
inline constexpr std::string_view kProgressInitialCount = QT_TRANSLATE_NOOP("glyphon", "0");
// Shown before the run has counted its pictures.
inline constexpr std::string_view kProgressUnknown = QT_TRANSLATE_NOOP("glyphon", "Unknown");

}  // namespace batchui::text
