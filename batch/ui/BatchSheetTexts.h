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
// The first filter of the add-files dialog, followed by the names of the
// formats it offers.
inline constexpr char kFilterAll[] = "All Supported Image Files";

// Settings.
inline constexpr char kSettingsPageTitle[] = "Nastavení";
inline constexpr char kSaveIntoFolder[] = "Ukládat do složky:";
inline constexpr char kBrowseAmp[] = "&Procházet";
inline constexpr char kOutputFormat[] = "Výstupní formát";
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
