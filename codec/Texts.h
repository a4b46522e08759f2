#pragma once

#include <string_view>

#include "bitmap/Texts.h"

// The codec facade's texts (UTF-8): its error messages, the URL loader's and
// the download check's messages, and the file dialogs' format descriptions.
namespace codec::text {

inline constexpr std::string_view kInternal = "Interní funkce nalezla či způsobila tuto chybu:\n";
// The same texts as the bitmap core's.
using bitmap::text::kNoBitmap;
using bitmap::text::kUnrecognised;
using bitmap::text::kCannotOpen;
using bitmap::text::kWriteError;
inline constexpr std::string_view kNoWbmp = "WBMP obrázek dosud nebyl vytvořen";
inline constexpr std::string_view kTo8bppFailed = "Nepodařilo se zkonvertovat do 8bpp";
inline constexpr std::string_view kFileDoesNotExist = "Soubor '%s' neexistuje!";
inline constexpr std::string_view kUnknownFormat = "Neznámý formát";
inline constexpr std::string_view kUnknownFileFormat = "Neznámý formát souboru:";
inline constexpr std::string_view kFileExists = "Soubor již existuje";
inline constexpr std::string_view kSavingNotSupported = "Ukládání %s není podporováno";
inline constexpr std::string_view kCannotSaveInFormat = "Nelze ukládat v daném formátu";
inline constexpr std::string_view kCannotOpenForReading = "Nelze otevřít soubor pro čtení";
inline constexpr std::string_view kBadPreviewArea = "Neplatná oblast náhledu";
inline constexpr std::string_view kGifSaveError = "Chyba #%d při ukládání GIF souboru: %s";
inline constexpr std::string_view kGifReadError = "Chyba #%d při čtení GIF souboru: %s";
inline constexpr std::string_view kCannotCreateFolder = "Nelze vytvořit složku";
inline constexpr std::string_view kFolderExists = "Složka již existuje";
inline constexpr std::string_view kSplitFailed = "Nepodařilo se rozdělit obrázek";
inline constexpr std::string_view kBadTileSize = "Neplatná velikost dílku";
inline constexpr std::string_view kDigitPictureMissing =
    "Nepodařilo se načíst obrázek pro číslici %d";
inline constexpr std::string_view kCannotSaveCounter = "Nelze uložit výsledný WBMP obrázek";
inline constexpr std::string_view kBadCounterValue = "Neplatná hodnota počítadla";
inline constexpr std::string_view kBadTargetSize = "Neplatná cílová velikost obrázku";
inline constexpr std::string_view kPictureTooLarge =
    "Obrázek %s × %s pixelů překračuje limit počtu pixelů MaxPixels (%s)";
inline constexpr std::string_view kPictureTooWide =
    "Obrázek %s × %s pixelů překračuje limit šířky obrázku (%s)";

// Loading from a URL.
inline constexpr std::string_view kCannotCreateLocalFile = "Nelze vytvořit lokální soubor '%s'";
inline constexpr std::string_view kUrlPictureNotLoaded =
    "Chyba během načítání obrázku z %s do kodeku";
inline constexpr std::string_view kHttpRefused = "Server odmítl HTTP spojení pro obrázek '%s'";
inline constexpr std::string_view kCannotConnect =
    "Nepodařilo se připojit k URL '%s'\nUjistěte se, zda máte správné URL";
inline constexpr std::string_view kDownloadFailed = "Chyba během stahování z %s";

// The check of a typed URL before a download.
inline constexpr std::string_view kCaptionError = "Chyba";
inline constexpr std::string_view kUnsupportedUrl = "Nepodporovaný formát URL '%s'";
inline constexpr std::string_view kEnterUrl = "Zadejte URL obrázku";
inline constexpr std::string_view kCaptionNoUrl = "Nebylo zadáno URL!";
inline constexpr std::string_view kFolderNotFound = "Složka nenalezena: '%s'";

// A file dialog's description of one format ("BMP File").
inline constexpr std::string_view kFormatFile = "%s File";

}  // namespace codec::text
