#pragma once

#include <string_view>

#include "base/TextMark.h"

#include "bitmap/Texts.h"

// The codec facade's texts (UTF-8): its error messages, the URL loader's and
// the download check's messages, and the file dialogs' format descriptions.
namespace codec::text {

inline constexpr bitmap::CatalogueText kInternal =
    QT_TRANSLATE_NOOP("glyphon", "Interní funkce nalezla či způsobila tuto chybu:\n");
// The same texts as the bitmap core's.
using bitmap::text::kCannotOpen;
using bitmap::text::kNoBitmap;
using bitmap::text::kUnrecognised;
using bitmap::text::kWriteError;
inline constexpr bitmap::CatalogueText kNoWbmp =
    QT_TRANSLATE_NOOP("glyphon", "WBMP obrázek dosud nebyl vytvořen");
inline constexpr bitmap::CatalogueText kTo8bppFailed =
    QT_TRANSLATE_NOOP("glyphon", "Nepodařilo se zkonvertovat do 8bpp");
inline constexpr bitmap::CatalogueText kFileDoesNotExist =
    QT_TRANSLATE_NOOP("glyphon", "Soubor '%s' neexistuje!");
inline constexpr bitmap::CatalogueText kUnknownFormat =
    QT_TRANSLATE_NOOP("glyphon", "Neznámý formát");
inline constexpr bitmap::CatalogueText kUnknownFileFormat =
    QT_TRANSLATE_NOOP("glyphon", "Neznámý formát souboru:");
inline constexpr bitmap::CatalogueText kFileExists =
    QT_TRANSLATE_NOOP("glyphon", "Soubor již existuje");
inline constexpr bitmap::CatalogueText kSavingNotSupported =
    QT_TRANSLATE_NOOP("glyphon", "Ukládání %s není podporováno");
inline constexpr bitmap::CatalogueText kCannotSaveInFormat =
    QT_TRANSLATE_NOOP("glyphon", "Nelze ukládat v daném formátu");
inline constexpr bitmap::CatalogueText kCannotOpenForReading =
    QT_TRANSLATE_NOOP("glyphon", "Nelze otevřít soubor pro čtení");
inline constexpr bitmap::CatalogueText kBadPreviewArea =
    QT_TRANSLATE_NOOP("glyphon", "Neplatná oblast náhledu");
inline constexpr bitmap::CatalogueText kGifSaveError =
    QT_TRANSLATE_NOOP("glyphon", "Chyba #%d při ukládání GIF souboru: %s");
inline constexpr bitmap::CatalogueText kGifReadError =
    QT_TRANSLATE_NOOP("glyphon", "Chyba #%d při čtení GIF souboru: %s");
inline constexpr bitmap::CatalogueText kCannotCreateFolder =
    QT_TRANSLATE_NOOP("glyphon", "Nelze vytvořit složku");
inline constexpr bitmap::CatalogueText kFolderExists =
    QT_TRANSLATE_NOOP("glyphon", "Složka již existuje");
inline constexpr bitmap::CatalogueText kSplitFailed =
    QT_TRANSLATE_NOOP("glyphon", "Nepodařilo se rozdělit obrázek");
inline constexpr bitmap::CatalogueText kBadTileSize =
    QT_TRANSLATE_NOOP("glyphon", "Neplatná velikost dílku");
inline constexpr bitmap::CatalogueText kDigitPictureMissing =
    QT_TRANSLATE_NOOP("glyphon", "Nepodařilo se načíst obrázek pro číslici %d");
inline constexpr bitmap::CatalogueText kCannotSaveCounter =
    QT_TRANSLATE_NOOP("glyphon", "Nelze uložit výsledný WBMP obrázek");
inline constexpr bitmap::CatalogueText kBadCounterValue =
    QT_TRANSLATE_NOOP("glyphon", "Neplatná hodnota počítadla");
inline constexpr bitmap::CatalogueText kBadTargetSize =
    QT_TRANSLATE_NOOP("glyphon", "Neplatná cílová velikost obrázku");
inline constexpr bitmap::CatalogueText kPictureTooLarge = QT_TRANSLATE_NOOP(
    "glyphon", "Obrázek %s × %s pixelů překračuje limit počtu pixelů MaxPixels (%s)");
inline constexpr bitmap::CatalogueText kPictureTooWide =
    QT_TRANSLATE_NOOP("glyphon", "Obrázek %s × %s pixelů překračuje limit šířky obrázku (%s)");

// Loading from a URL.
inline constexpr bitmap::CatalogueText kCannotCreateLocalFile =
    QT_TRANSLATE_NOOP("glyphon", "Nelze vytvořit lokální soubor '%s'");
inline constexpr bitmap::CatalogueText kUrlPictureNotLoaded =
    QT_TRANSLATE_NOOP("glyphon", "Chyba během načítání obrázku z %s do kodeku");
inline constexpr bitmap::CatalogueText kHttpRefused =
    QT_TRANSLATE_NOOP("glyphon", "Server odmítl HTTP spojení pro obrázek '%s'");
inline constexpr bitmap::CatalogueText kCannotConnect = QT_TRANSLATE_NOOP(
    "glyphon", "Nepodařilo se připojit k URL '%s'\nUjistěte se, zda máte správné URL");
inline constexpr bitmap::CatalogueText kDownloadFailed =
    QT_TRANSLATE_NOOP("glyphon", "Chyba během stahování z %s");
inline constexpr bitmap::CatalogueText kNoDownloader = QT_TRANSLATE_NOOP(
    "glyphon", "Nelze stahovat z %s: knihovna libcurl (balíček libcurl4) není nainstalována");

// The check of a typed URL before a download.
inline constexpr bitmap::CatalogueText kCaptionError = QT_TRANSLATE_NOOP("glyphon", "Chyba");
inline constexpr bitmap::CatalogueText kUnsupportedUrl =
    QT_TRANSLATE_NOOP("glyphon", "Nepodporovaný formát URL '%s'");
inline constexpr bitmap::CatalogueText kEnterUrl =
    QT_TRANSLATE_NOOP("glyphon", "Zadejte URL obrázku");
inline constexpr bitmap::CatalogueText kCaptionNoUrl =
    QT_TRANSLATE_NOOP("glyphon", "Nebylo zadáno URL!");
inline constexpr bitmap::CatalogueText kFolderNotFound =
    QT_TRANSLATE_NOOP("glyphon", "Složka nenalezena: '%s'");

// A file dialog's description of one format ("BMP File").
inline constexpr bitmap::CatalogueText kFormatFile = QT_TRANSLATE_NOOP("glyphon", "%s File");

}  // namespace codec::text
