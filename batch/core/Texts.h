#pragma once

#include <string_view>

// The batch conversion's texts (UTF-8): the file selection's status, the
// run's progress, messages and summary.
namespace batch::text {

// The file selection's status line ("%s" is " " for any count but one).
inline constexpr std::string_view kNoFilesYet = "0 souborů";
inline constexpr std::string_view kFilesReady = "Souborů připraveno: %d%s";

inline constexpr std::string_view kNoFile = "Žádný soubor";
inline constexpr std::string_view kCountingPictures = "Počítám obrázky";
inline constexpr std::string_view kStarting = "Začínám...";
inline constexpr std::string_view kCreatingOutput = "Vytvářím výstupní soubor";
inline constexpr std::string_view kLoading = "Nahrávám obrázek";
inline constexpr std::string_view kConverting = "Konvertuji do černobíla...";
inline constexpr std::string_view kResizing = "Měním velikost";
inline constexpr std::string_view kSaving = "Ukládám zkonvertovaný obrázek";
inline constexpr std::string_view kWritingPage = "Vytvářím WML stránku";
inline constexpr std::string_view kFinished = "Ukončeno";

inline constexpr std::string_view kUnknownFormat = "Kritická chyba: Neznámý formát";
inline constexpr std::string_view kLoadFailed = "Nepodařilo se nahrát soubor %s: %s";
inline constexpr std::string_view kDepthShown =
    "Nepodporovaná barevná hloubka v souboru %s.\nProgram podporuje jen 4 a 8 bpp.\n";
inline constexpr std::string_view kDepthListed =
    "Nepodporovaná barevná hloubka (%d) v souboru '%s'\n";
inline constexpr std::string_view kConversionFailed = "Konverze souboru '%s' se nezdařila\n";
inline constexpr std::string_view kResizeFailed = "Změna velikosti souboru '%s' se nezdařila\n";
inline constexpr std::string_view kSaveFailed = "Nepodařilo se uložit obrázek '%s' jako '%s'\n";
inline constexpr std::string_view kPageFailed = "Nepodařilo se vytvořit WML soubor '%s'\n";

inline constexpr std::string_view kSummaryCaption = "Dávková konverze kompletní";
inline constexpr std::string_view kAllConverted = "Všech %d obrázků bylo zkonvertováno úspěšně";
inline constexpr std::string_view kSomeFailed =
    "%d Souborů zkonvertováno úspěšně (z %d celkem).\n\nNastalo %d chyb:\n%s";
inline constexpr std::string_view kNoFilesChosen =
    "Žádné soubory nebyly vybrány pro konverzi.\nKonverze zrušena.";
inline constexpr std::string_view kConfirmation =
    "Soubory ke zkonvertování:\n\n%s\nZastavit při chybě: %s\n";
inline constexpr std::string_view kConfirmationCaption = "Připraven na konverzi";
inline constexpr std::string_view kYes = "Ano";
inline constexpr std::string_view kNo = "Ne";

}  // namespace batch::text
