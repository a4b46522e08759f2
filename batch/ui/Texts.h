#pragma once

#include <string_view>

#include "base/TextMark.h"

#include "app/core/Texts.h"
#include "bitmap/Texts.h"
#include "codec/Texts.h"
#include "widgets/Texts.h"
#include "widgets/Translate.h"

// The texts (UTF-8) of the batch sheet, its progress window, and the
// conversion settings and download dialogs the program's commands show too.
namespace batchui::text {

// The shared dialogs' texts the batch windows show too.
using widgets::text::kAutoLevels;
using widgets::text::kBrightness;
using widgets::text::kCancel;
using widgets::text::kCannotCreateFolder;
using widgets::text::kCaptionError;
using widgets::text::kChangeDrive;
using widgets::text::kContrast;
using widgets::text::kDiffusionMethods;
using widgets::text::kDitheringGroup;
using widgets::text::kDitheringPageTitle;
using widgets::text::kDitherOptionsGroup;
using widgets::text::kFolderExists;
using widgets::text::kFolderPath;
using widgets::text::kFolderPickerTitle;
using widgets::text::kGamma;
using widgets::text::kIntegerRange;
using widgets::text::kInvert;
using widgets::text::kLinearLight;
using widgets::text::kMaskMethods;
using widgets::text::kMethodFloydSteinberg;
using widgets::text::kMethodMatrixDisplaying;
using widgets::text::kMethodMatrixPrinting;
using widgets::text::kMethodRandom;
using widgets::text::kMethodThresholding;
using widgets::text::kNewFolderButton;
using widgets::text::kNewFolderPrompt;
using widgets::text::kNewFolderTitle;
using widgets::text::kNoSuchFolder;
using widgets::text::kOk;
using widgets::text::kProgramTitle;
using widgets::text::kSerpentine;
using widgets::text::kStorno;
using widgets::text::kStrength;
using widgets::text::kThresholdLabel;

using bitmap::text::kMethodMatrixForDisplaying;
using bitmap::text::kMethodMatrixForPrinting;

// The conversion settings dialog with its preview.
inline constexpr std::string_view kConversionTitle =
    QT_TRANSLATE_NOOP("glyphon", "Nastavení konverze");
inline constexpr std::string_view kCurrentPosition =
    QT_TRANSLATE_NOOP("glyphon", "Aktuální pozice:");
inline constexpr std::string_view kNoPreview =
    QT_TRANSLATE_NOOP("glyphon", "Náhled není k dispozici");

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

namespace batchui {
// The batch windows show their texts as the shared dialogs do.
using widgets::translate;
}  // namespace batchui
