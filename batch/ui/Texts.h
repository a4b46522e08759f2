#pragma once

#include <string_view>

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

inline constexpr std::string_view kOk = "OK";
inline constexpr std::string_view kCancel = "Zrušit";

// Threshold edits.
inline constexpr std::string_view kThresholdLabel = "Úroveň thresholdingu:";
inline constexpr std::string_view kIntegerRange = "Zadejte celé číslo mezi %1 a %2.";

// The group of dithering methods. The conversion settings dialog names the
// methods as the bitmap core does; the dithering page writes two of them
// with a small letter.
inline constexpr std::string_view kDitheringGroup = "Typ ditheringu";
using bitmap::text::kMethodFloydSteinberg;
using bitmap::text::kMethodMatrixForDisplaying;
using bitmap::text::kMethodMatrixForPrinting;
using bitmap::text::kMethodRandom;
using bitmap::text::kMethodThresholding;
inline constexpr std::string_view kMethodMatrixDisplaying = "Matrix for displaying";
inline constexpr std::string_view kMethodMatrixPrinting = "Matrix for printing";
// The newer methods follow the five in two columns of their own.
inline constexpr std::string_view kDiffusionMethods = "Rozptyl chyby:";
inline constexpr std::string_view kMaskMethods = "Prahové masky:";

// The options below the methods in the conversion settings dialog.
inline constexpr std::string_view kDitherOptionsGroup = "Volby a úpravy před ditheringem";
inline constexpr std::string_view kSerpentine = "Střídat směr řádků (serpentine)";
inline constexpr std::string_view kStrength = "Síla rozptylu chyby (%):";
inline constexpr std::string_view kLinearLight = "Dithering v lineárním světle";
inline constexpr std::string_view kAutoLevels = "Automaticky roztáhnout úrovně";
inline constexpr std::string_view kBrightness = "Jas:";
inline constexpr std::string_view kContrast = "Kontrast:";
inline constexpr std::string_view kGamma = "Gama:";
inline constexpr std::string_view kInvert = "Invertovat";

// The dithering page of the batch sheet.
inline constexpr std::string_view kDitheringPageTitle = "Dithering";

// The conversion settings dialog with its preview.
inline constexpr std::string_view kConversionTitle = "Nastavení konverze";
inline constexpr std::string_view kCurrentPosition = "Aktuální pozice:";
inline constexpr std::string_view kNoPreview = "Náhled není k dispozici";

// The folder picker (with kFolderExists and kCannotCreateFolder).
inline constexpr std::string_view kFolderPickerTitle = "Najít složku";
inline constexpr std::string_view kChangeDrive = "Změnit disk:";
inline constexpr std::string_view kNewFolderButton = "&Nová složka";
inline constexpr std::string_view kNewFolderTitle = "Nová složka";
inline constexpr std::string_view kNewFolderPrompt = "Zadejte jméno složky:";

// The download dialogs.
inline constexpr std::string_view kDownloadTitle = "Stahování obrázku";
inline constexpr std::string_view kUrlPrompt = "Zadejte URL obrázku:";
inline constexpr std::string_view kSaveToFolder = "Uložit do složky:";
inline constexpr std::string_view kBrowse = "Procházet";
inline constexpr std::string_view kProgressTitle = "Probíhá stahování";
inline constexpr std::string_view kStatusStarting = "Status: Zahajuji stahování...";
inline constexpr std::string_view kUrlEvaluating = "   URL: Vyhodnocuji";
inline constexpr std::string_view kUrlConnecting = "   URL: %1";
inline constexpr std::string_view kStatusConnecting = "Status: Připojuji se na Internet...";
inline constexpr std::string_view kStatusReceived = "Status: staženo %1 bytů";
inline constexpr std::string_view kUrlReceiving = "URL: %1";

// The batch sheet.
inline constexpr std::string_view kSheetTitle = "Dávková konverze";

// File selection.
inline constexpr std::string_view kSelectPageTitle = "Výběr souboru";
inline constexpr std::string_view kAddFiles = "&Přidat soubory";
inline constexpr std::string_view kAddUrl = "Přidat &URL";
inline constexpr std::string_view kRemove = "&Odstranit";
inline constexpr std::string_view kAddFilesTitle = "Zvolte soubory pro přidání";
// The first filter of the add-files dialog, followed by the names of the
// formats it offers.
inline constexpr std::string_view kFilterAll = "All Supported Image Files";

// Settings.
inline constexpr std::string_view kSettingsPageTitle = "Nastavení";
inline constexpr std::string_view kSaveIntoFolder = "Ukládat do složky:";
inline constexpr std::string_view kBrowseAmp = "&Procházet";
inline constexpr std::string_view kOutputFormat = "Výstupní formát";
inline constexpr std::string_view kStopOnError = "&Zastavit při chybě";
inline constexpr std::string_view kWaitForConfirmation = "Počkat na potvrzení";
inline constexpr std::string_view kResize = "Změnit velikost";
inline constexpr std::string_view kFitToBox = "Přizpůsobit do okna";
inline constexpr std::string_view kFitToPhone = "Přizpůsobit pro telefon:";
inline constexpr std::string_view kBoxTimes = "x";

// WML pages.
inline constexpr std::string_view kWmlPageTitle = "WML stránky";
inline constexpr std::string_view kCreatePages = "Vytvořit WML stránky";
inline constexpr std::string_view kPrefix = "Prefix pro zdroj (např. URL):";
inline constexpr std::string_view kSeparateFolder = "Zvláštní složka pro WML stránky:";
inline constexpr std::string_view kAltText = "Náhradní text";
inline constexpr std::string_view kAltPictureName = "Název obrázku";
inline constexpr std::string_view kAltCustom = "Vlastní text:";

// The progress window.
inline constexpr std::string_view kProgressWindowTitle = "Probíhá konverze...";
inline constexpr std::string_view kProgressFile = "Zpracovávám obrázek: %1";
inline constexpr std::string_view kProgressStatus = "Status: %1";
inline constexpr std::string_view kProgressProcessed = "Zpracováno:";
inline constexpr std::string_view kProgressRemaining = "Zbývá:";
inline constexpr std::string_view kProgressErrors = "Chyby:";
inline constexpr std::string_view kProgressInitialFile = "No File";
inline constexpr std::string_view kProgressInitialStatus = "Preparing...";
inline constexpr std::string_view kProgressInitialCount = "0";
// Shown before the run has counted its pictures.
inline constexpr std::string_view kProgressUnknown = "Unknown";

}  // namespace batchui::text
