#pragma once

#include <string_view>

#include "bitmap/TextMark.h"

// The batch conversion's texts (UTF-8): the file selection's status, the
// run's progress, messages and summary.
namespace batch::text {

// The file selection's status line ("%s" is " " for any count but one).
inline constexpr std::string_view kNoFilesYet = QT_TRANSLATE_NOOP("glyphon", "0 souborů");
inline constexpr std::string_view kFilesReady =
    QT_TRANSLATE_NOOP("glyphon", "Souborů připraveno: %d%s");

inline constexpr std::string_view kNoFile = QT_TRANSLATE_NOOP("glyphon", "Žádný soubor");
inline constexpr std::string_view kCountingPictures =
    QT_TRANSLATE_NOOP("glyphon", "Počítám obrázky");
inline constexpr std::string_view kStarting = QT_TRANSLATE_NOOP("glyphon", "Začínám...");
inline constexpr std::string_view kCreatingOutput =
    QT_TRANSLATE_NOOP("glyphon", "Vytvářím výstupní soubor");
inline constexpr std::string_view kLoading = QT_TRANSLATE_NOOP("glyphon", "Nahrávám obrázek");
inline constexpr std::string_view kConverting =
    QT_TRANSLATE_NOOP("glyphon", "Konvertuji do černobíla...");
inline constexpr std::string_view kResizing = QT_TRANSLATE_NOOP("glyphon", "Měním velikost");
inline constexpr std::string_view kSaving =
    QT_TRANSLATE_NOOP("glyphon", "Ukládám zkonvertovaný obrázek");
inline constexpr std::string_view kWritingPage =
    QT_TRANSLATE_NOOP("glyphon", "Vytvářím WML stránku");
inline constexpr std::string_view kFinished = QT_TRANSLATE_NOOP("glyphon", "Ukončeno");

inline constexpr std::string_view kUnknownFormat =
    QT_TRANSLATE_NOOP("glyphon", "Kritická chyba: Neznámý formát");
inline constexpr std::string_view kLoadFailed =
    QT_TRANSLATE_NOOP("glyphon", "Nepodařilo se nahrát soubor %s: %s");
inline constexpr std::string_view kDepthShown = QT_TRANSLATE_NOOP(
    "glyphon", "Nepodporovaná barevná hloubka v souboru %s.\nProgram podporuje jen 4 a 8 bpp.\n");
inline constexpr std::string_view kDepthListed =
    QT_TRANSLATE_NOOP("glyphon", "Nepodporovaná barevná hloubka (%d) v souboru '%s'\n");
inline constexpr std::string_view kConversionFailed =
    QT_TRANSLATE_NOOP("glyphon", "Konverze souboru '%s' se nezdařila\n");
inline constexpr std::string_view kResizeFailed =
    QT_TRANSLATE_NOOP("glyphon", "Změna velikosti souboru '%s' se nezdařila\n");
inline constexpr std::string_view kSaveFailed =
    QT_TRANSLATE_NOOP("glyphon", "Nepodařilo se uložit obrázek '%s' jako '%s'\n");
inline constexpr std::string_view kPageFailed =
    QT_TRANSLATE_NOOP("glyphon", "Nepodařilo se vytvořit WML soubor '%s'\n");

inline constexpr std::string_view kSummaryCaption =
    QT_TRANSLATE_NOOP("glyphon", "Dávková konverze kompletní");
inline constexpr std::string_view kAllConverted =
    QT_TRANSLATE_NOOP("glyphon", "Všech %d obrázků bylo zkonvertováno úspěšně");
inline constexpr std::string_view kSomeFailed = QT_TRANSLATE_NOOP(
    "glyphon", "%d Souborů zkonvertováno úspěšně (z %d celkem).\n\nNastalo %d chyb:\n%s");
inline constexpr std::string_view kNoFilesChosen =
    QT_TRANSLATE_NOOP("glyphon", "Žádné soubory nebyly vybrány pro konverzi.\nKonverze zrušena.");
inline constexpr std::string_view kConfirmation =
    QT_TRANSLATE_NOOP("glyphon", "Soubory ke zkonvertování:\n\n%s\nZastavit při chybě: %s\n");
inline constexpr std::string_view kConfirmationCaption =
    QT_TRANSLATE_NOOP("glyphon", "Připraven na konverzi");
inline constexpr std::string_view kYes = QT_TRANSLATE_NOOP("glyphon", "Ano");
inline constexpr std::string_view kNo = QT_TRANSLATE_NOOP("glyphon", "Ne");

}  // namespace batch::text
