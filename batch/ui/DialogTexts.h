#pragma once

// The texts of the batch dialogs shared with the program (UTF-8).
namespace batchui::text {

inline constexpr char kProgramTitle[] = "WAP Glyphon";
inline constexpr char kOk[] = "OK";
inline constexpr char kCancel[] = "Zrušit";
inline constexpr char kCaptionError[] = "Chyba";

// Threshold edits.
inline constexpr char kThresholdLabel[] = "Úroveň thresholdingu:";
inline constexpr char kIntegerRange[] = "Zadejte celé číslo mezi %1 a %2.";

// The group of dithering methods; the conversion settings dialog writes two
// of the names with a capital letter.
inline constexpr char kDitheringGroup[] = "Typ ditheringu";
inline constexpr char kMethodThresholding[] = "Thresholding";
inline constexpr char kMethodRandom[] = "Random";
inline constexpr char kMethodMatrixDisplaying[] = "Matrix for displaying";
inline constexpr char kMethodMatrixPrinting[] = "Matrix for printing";
inline constexpr char kMethodMatrixDisplayingTitle[] = "Matrix for Displaying";
inline constexpr char kMethodMatrixPrintingTitle[] = "Matrix for Printing";
inline constexpr char kMethodFloydSteinberg[] = "Floyd - Steinberg";
// The newer methods follow the five in two columns of their own.
inline constexpr char kDiffusionMethods[] = "Rozptyl chyby:";
inline constexpr char kMaskMethods[] = "Prahové masky:";

// The options below the methods in the conversion settings dialog.
inline constexpr char kDitherOptionsGroup[] = "Volby a úpravy před ditheringem";
inline constexpr char kSerpentine[] = "Střídat směr řádků (serpentine)";
inline constexpr char kStrength[] = "Síla rozptylu chyby (%):";
inline constexpr char kLinearLight[] = "Dithering v lineárním světle";
inline constexpr char kAutoLevels[] = "Automaticky roztáhnout úrovně";
inline constexpr char kBrightness[] = "Jas:";
inline constexpr char kContrast[] = "Kontrast:";
inline constexpr char kGamma[] = "Gama:";
inline constexpr char kInvert[] = "Invertovat";

// The dithering page of the batch sheet.
inline constexpr char kDitheringPageTitle[] = "Dithering";

// The conversion settings dialog with its preview.
inline constexpr char kConversionTitle[] = "Nastavení konverze";
inline constexpr char kCurrentPosition[] = "Aktuální pozice:";
inline constexpr char kNoPreview[] = "Náhled není k dispozici";

// The folder picker.
inline constexpr char kFolderPickerTitle[] = "Najít složku";
inline constexpr char kChangeDrive[] = "Změnit disk:";
inline constexpr char kNewFolderButton[] = "&Nová složka";
inline constexpr char kNewFolderTitle[] = "Nová složka";
inline constexpr char kNewFolderPrompt[] = "Zadejte jméno složky:";
inline constexpr char kFolderExists[] = "Složka již existuje";
inline constexpr char kCannotCreateFolder[] = "Nelze vytvořit složku";

// The download dialogs.
inline constexpr char kDownloadTitle[] = "Stahování obrázku";
inline constexpr char kUrlPrompt[] = "Zadejte URL obrázku:";
inline constexpr char kSaveToFolder[] = "Uložit do složky:";
inline constexpr char kBrowse[] = "Procházet";
inline constexpr char kProgressTitle[] = "Probíhá stahování";
inline constexpr char kStatusStarting[] = "Status: Zahajuji stahování...";
inline constexpr char kUrlEvaluating[] = "   URL: Vyhodnocuji";
inline constexpr char kUrlConnecting[] = "   URL: %1";
inline constexpr char kStatusConnecting[] = "Status: Připojuji se na Internet...";
inline constexpr char kStatusReceived[] = "Status: staženo %1 bytů";
inline constexpr char kUrlReceiving[] = "URL: %1";

}  // namespace batchui::text
