#pragma once

#include <string_view>

#include "bitmap/TextMark.h"

#include "bitmap/Texts.h"

// The codec facade's texts (UTF-8): its error messages, the URL loader's and
// the download check's messages, and the file dialogs' format descriptions.
namespace codec::text {

inline constexpr std::string_view kInternal =
    QT_TRANSLATE_NOOP("glyphon", "Interní funkce nalezla či způsobila tuto chybu:\n");
// The same texts as the bitmap core's.
using bitmap::text::kCannotOpen;
using bitmap::text::kNoBitmap;
using bitmap::text::kUnrecognised;
using bitmap::text::kWriteError;
inline constexpr std::string_view kNoWbmp =
    QT_TRANSLATE_NOOP("glyphon", "WBMP obrázek dosud nebyl vytvořen");
inline constexpr std::string_view kTo8bppFailed =
    QT_TRANSLATE_NOOP("glyphon", "Nepodařilo se zkonvertovat do 8bpp");
inline constexpr std::string_view kFileDoesNotExist =
    QT_TRANSLATE_NOOP("glyphon", "Soubor '%s' neexistuje!");
inline constexpr std::string_view kUnknownFormat = QT_TRANSLATE_NOOP("glyphon", "Neznámý formát");
inline constexpr std::string_view kUnknownFileFormat =
    QT_TRANSLATE_NOOP("glyphon", "Neznámý formát souboru:");
inline constexpr std::string_view kFileExists = QT_TRANSLATE_NOOP("glyphon", "Soubor již existuje");
inline constexpr std::string_view kSavingNotSupported =
    QT_TRANSLATE_NOOP("glyphon", "Ukládání %s není podporováno");
inline constexpr std::string_view kCannotSaveInFormat =
    QT_TRANSLATE_NOOP("glyphon", "Nelze ukládat v daném formátu");
inline constexpr std::string_view kCannotOpenForReading =
    QT_TRANSLATE_NOOP("glyphon", "Nelze otevřít soubor pro čtení");
inline constexpr std::string_view kBadPreviewArea =
    QT_TRANSLATE_NOOP("glyphon", "Neplatná oblast náhledu");
inline constexpr std::string_view kGifSaveError =
    QT_TRANSLATE_NOOP("glyphon", "Chyba #%d při ukládání GIF souboru: %s");
inline constexpr std::string_view kGifReadError =
    QT_TRANSLATE_NOOP("glyphon", "Chyba #%d při čtení GIF souboru: %s");
inline constexpr std::string_view kCannotCreateFolder =
    QT_TRANSLATE_NOOP("glyphon", "Nelze vytvořit složku");
inline constexpr std::string_view kFolderExists =
    QT_TRANSLATE_NOOP("glyphon", "Složka již existuje");
inline constexpr std::string_view kSplitFailed =
    QT_TRANSLATE_NOOP("glyphon", "Nepodařilo se rozdělit obrázek");
inline constexpr std::string_view kBadTileSize =
    QT_TRANSLATE_NOOP("glyphon", "Neplatná velikost dílku");
inline constexpr std::string_view kDigitPictureMissing =
    QT_TRANSLATE_NOOP("glyphon", "Nepodařilo se načíst obrázek pro číslici %d");
inline constexpr std::string_view kCannotSaveCounter =
    QT_TRANSLATE_NOOP("glyphon", "Nelze uložit výsledný WBMP obrázek");
inline constexpr std::string_view kBadCounterValue =
    QT_TRANSLATE_NOOP("glyphon", "Neplatná hodnota počítadla");
inline constexpr std::string_view kBadTargetSize =
    QT_TRANSLATE_NOOP("glyphon", "Neplatná cílová velikost obrázku");
inline constexpr std::string_view kPictureTooLarge = QT_TRANSLATE_NOOP(
    "glyphon", "Obrázek %s × %s pixelů překračuje limit počtu pixelů MaxPixels (%s)");
inline constexpr std::string_view kPictureTooWide =
    QT_TRANSLATE_NOOP("glyphon", "Obrázek %s × %s pixelů překračuje limit šířky obrázku (%s)");

// Loading from a URL.
inline constexpr std::string_view kCannotCreateLocalFile =
    QT_TRANSLATE_NOOP("glyphon", "Nelze vytvořit lokální soubor '%s'");
inline constexpr std::string_view kUrlPictureNotLoaded =
    QT_TRANSLATE_NOOP("glyphon", "Chyba během načítání obrázku z %s do kodeku");
inline constexpr std::string_view kHttpRefused =
    QT_TRANSLATE_NOOP("glyphon", "Server odmítl HTTP spojení pro obrázek '%s'");
inline constexpr std::string_view kCannotConnect = QT_TRANSLATE_NOOP(
    "glyphon", "Nepodařilo se připojit k URL '%s'\nUjistěte se, zda máte správné URL");
inline constexpr std::string_view kDownloadFailed =
    QT_TRANSLATE_NOOP("glyphon", "Chyba během stahování z %s");
inline constexpr std::string_view kNoDownloader = QT_TRANSLATE_NOOP(
    "glyphon", "Nelze stahovat z %s: knihovna libcurl (balíček libcurl4) není nainstalována");

// The check of a typed URL before a download.
inline constexpr std::string_view kCaptionError = QT_TRANSLATE_NOOP("glyphon", "Chyba");
inline constexpr std::string_view kUnsupportedUrl =
    QT_TRANSLATE_NOOP("glyphon", "Nepodporovaný formát URL '%s'");
inline constexpr std::string_view kEnterUrl = QT_TRANSLATE_NOOP("glyphon", "Zadejte URL obrázku");
inline constexpr std::string_view kCaptionNoUrl =
    QT_TRANSLATE_NOOP("glyphon", "Nebylo zadáno URL!");
inline constexpr std::string_view kFolderNotFound =
    QT_TRANSLATE_NOOP("glyphon", "Složka nenalezena: '%s'");

// A file dialog's description of one format ("BMP File").
inline constexpr std::string_view kFormatFile = QT_TRANSLATE_NOOP("glyphon", "%s File");

}  // namespace codec::text
