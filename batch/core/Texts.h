#pragma once

#include <string_view>

#include "base/TextMark.h"

// The batch conversion's texts (UTF-8): the file selection's status, the
// run's progress, messages and summary.
namespace batch::text {

// The file selection's status line ("%s" is " " for any count but one).
inline constexpr bitmap::CatalogueText kNoFilesYet = QT_TRANSLATE_NOOP("glyphon", "0 souborů");
inline constexpr bitmap::CatalogueText kFilesReady =
    QT_TRANSLATE_NOOP("glyphon", "Souborů připraveno: %d%s");

inline constexpr bitmap::CatalogueText kNoFile = QT_TRANSLATE_NOOP("glyphon", "Žádný soubor");
inline constexpr bitmap::CatalogueText kCountingPictures =
    QT_TRANSLATE_NOOP("glyphon", "Počítám obrázky");
inline constexpr bitmap::CatalogueText kStarting = QT_TRANSLATE_NOOP("glyphon", "Začínám...");
inline constexpr bitmap::CatalogueText kCreatingOutput =
    QT_TRANSLATE_NOOP("glyphon", "Vytvářím výstupní soubor");
inline constexpr bitmap::CatalogueText kLoading = QT_TRANSLATE_NOOP("glyphon", "Nahrávám obrázek");
inline constexpr bitmap::CatalogueText kConverting =
    QT_TRANSLATE_NOOP("glyphon", "Konvertuji do černobíla...");
inline constexpr bitmap::CatalogueText kResizing = QT_TRANSLATE_NOOP("glyphon", "Měním velikost");
inline constexpr bitmap::CatalogueText kSaving =
    QT_TRANSLATE_NOOP("glyphon", "Ukládám zkonvertovaný obrázek");
inline constexpr bitmap::CatalogueText kWritingPage =
    QT_TRANSLATE_NOOP("glyphon", "Vytvářím WML stránku");
inline constexpr bitmap::CatalogueText kFinished = QT_TRANSLATE_NOOP("glyphon", "Ukončeno");

inline constexpr bitmap::CatalogueText kUnknownFormat =
    QT_TRANSLATE_NOOP("glyphon", "Kritická chyba: Neznámý formát");
inline constexpr bitmap::CatalogueText kLoadFailed =
    QT_TRANSLATE_NOOP("glyphon", "Nepodařilo se nahrát soubor %s: %s");
inline constexpr bitmap::CatalogueText kDepthShown = QT_TRANSLATE_NOOP(
    "glyphon", "Nepodporovaná barevná hloubka v souboru %s.\nProgram podporuje jen 4 a 8 bpp.\n");
inline constexpr bitmap::CatalogueText kDepthListed =
    QT_TRANSLATE_NOOP("glyphon", "Nepodporovaná barevná hloubka (%d) v souboru '%s'\n");
inline constexpr bitmap::CatalogueText kConversionFailed =
    QT_TRANSLATE_NOOP("glyphon", "Konverze souboru '%s' se nezdařila\n");
inline constexpr bitmap::CatalogueText kResizeFailed =
    QT_TRANSLATE_NOOP("glyphon", "Změna velikosti souboru '%s' se nezdařila\n");
inline constexpr bitmap::CatalogueText kSaveFailed =
    QT_TRANSLATE_NOOP("glyphon", "Nepodařilo se uložit obrázek '%s' jako '%s'\n");
inline constexpr bitmap::CatalogueText kPageFailed =
    QT_TRANSLATE_NOOP("glyphon", "Nepodařilo se vytvořit WML soubor '%s'\n");

inline constexpr bitmap::CatalogueText kSummaryCaption =
    QT_TRANSLATE_NOOP("glyphon", "Dávková konverze kompletní");
inline constexpr bitmap::CatalogueText kAllConverted =
    QT_TRANSLATE_NOOP("glyphon", "Všech %d obrázků bylo zkonvertováno úspěšně");
inline constexpr bitmap::CatalogueText kSomeFailed = QT_TRANSLATE_NOOP(
    "glyphon", "%d Souborů zkonvertováno úspěšně (z %d celkem).\n\nNastalo %d chyb:\n%s");
inline constexpr bitmap::CatalogueText kNoFilesChosen =
    QT_TRANSLATE_NOOP("glyphon", "Žádné soubory nebyly vybrány pro konverzi.\nKonverze zrušena.");
inline constexpr bitmap::CatalogueText kConfirmation =
    QT_TRANSLATE_NOOP("glyphon", "Soubory ke zkonvertování:\n\n%s\nZastavit při chybě: %s\n");
inline constexpr bitmap::CatalogueText kConfirmationCaption =
    QT_TRANSLATE_NOOP("glyphon", "Připraven na konverzi");
inline constexpr bitmap::CatalogueText kYes = QT_TRANSLATE_NOOP("glyphon", "Ano");
inline constexpr bitmap::CatalogueText kNo = QT_TRANSLATE_NOOP("glyphon", "Ne");

// Asked under a failure when the run is to stop on errors.
inline constexpr bitmap::CatalogueText kAskStopRun =
    QT_TRANSLATE_NOOP("glyphon", "Zastavit dávkovou konverzi?");

// The output folders, checked before the first picture is converted.
inline constexpr bitmap::CatalogueText kOutputFolderMissing =
    QT_TRANSLATE_NOOP("glyphon", "Složka '%s' neexistuje. Mám ji vytvořit?");
inline constexpr bitmap::CatalogueText kOutputFolderNotCreated =
    QT_TRANSLATE_NOOP("glyphon", "Složku '%s' nelze vytvořit.");
inline constexpr bitmap::CatalogueText kOutputFolderUnusable =
    QT_TRANSLATE_NOOP("glyphon", "Složku '%s' nelze použít: %s");

}  // namespace batch::text
