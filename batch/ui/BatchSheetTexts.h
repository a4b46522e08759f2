#pragma once

// The texts of the batch sheet and its progress window (UTF-8).
namespace batchui::text {

inline constexpr char kSheetTitle[] = "Dávková konverze";

// File selection.
inline constexpr char kSelectPageTitle[] = "Výběr souboru";
inline constexpr char kAddFiles[] = "&Přidat soubory";
inline constexpr char kAddUrl[] = "Přidat &URL";
inline constexpr char kRemove[] = "&Odstranit";
inline constexpr char kAddFilesTitle[] = "Zvolte soubory pro přidání";
inline constexpr char kFilterAll[] = "All Supported Image Files (BMP, JPEG, WBMP, GIF)";
inline constexpr char kFilterAllPatterns[] = "*.BMP;*.WBM;*.WBMP;*.JPG;*.JPEG;*.GIF";
inline constexpr char kFilterBmp[] = "BMP File";
inline constexpr char kFilterBmpPatterns[] = "*.BMP";
inline constexpr char kFilterWbmp[] = "WBMP File";
inline constexpr char kFilterWbmpPatterns[] = "*.WBM;*.WBMP";
inline constexpr char kFilterJpeg[] = "JPEG File";
inline constexpr char kFilterJpegPatterns[] = "*.JPG;*.JPEG";
inline constexpr char kFilterGif[] = "GIF File";
inline constexpr char kFilterGifPatterns[] = "*.GIF";

// Settings.
inline constexpr char kSettingsPageTitle[] = "Nastavení";
inline constexpr char kSaveIntoFolder[] = "Ukládat do složky:";
inline constexpr char kBrowseAmp[] = "&Procházet";
inline constexpr char kOutputFormat[] = "Výstupní formát";
inline constexpr char kBmp[] = "BMP";
inline constexpr char kWbmp[] = "WBMP";
inline constexpr char kStopOnError[] = "&Zastavit při chybě";
inline constexpr char kWaitForConfirmation[] = "Počkat na potvrzení";
inline constexpr char kResize[] = "Změnit velikost";
inline constexpr char kFitToBox[] = "Přizpůsobit do okna";
inline constexpr char kFitToPhone[] = "Přizpůsobit pro telefon:";
inline constexpr char kBoxTimes[] = "x";

// WML pages.
inline constexpr char kWmlPageTitle[] = "WML stránky";
inline constexpr char kCreatePages[] = "Vytvořit WML stránky";
inline constexpr char kPrefix[] = "Prefix pro zdroj (např. URL):";
inline constexpr char kSeparateFolder[] = "Zvláštní složka pro WML stránky:";
inline constexpr char kAltText[] = "Náhradní text";
inline constexpr char kAltPictureName[] = "Název obrázku";
inline constexpr char kAltCustom[] = "Vlastní text:";

// The progress window.
inline constexpr char kProgressWindowTitle[] = "Probíhá konverze...";
inline constexpr char kProgressFile[] = "Zpracovávám obrázek: %1";
inline constexpr char kProgressStatus[] = "Status: %1";
inline constexpr char kProgressProcessed[] = "Zpracováno:";
inline constexpr char kProgressRemaining[] = "Zbývá:";
inline constexpr char kProgressErrors[] = "Chyby:";
inline constexpr char kProgressInitialFile[] = "No File";
inline constexpr char kProgressInitialStatus[] = "Preparing...";
inline constexpr char kProgressInitialCount[] = "0";
inline constexpr char kProgressInitialRemaining[] = "Unknown";

}  // namespace batchui::text
