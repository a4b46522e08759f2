#pragma once

#include <string>
#include <string_view>

#include "bitmap/Messages.h"

// The codec facade's message texts, in one place.
namespace codec::msg {

inline constexpr std::string_view kInternal = "Interní funkce nalezla či způsobila tuto chybu:\n";
// The same texts as the bitmap core's.
using bitmap::msg::kNoBitmap;
using bitmap::msg::kUnrecognised;
using bitmap::msg::kCannotOpen;
using bitmap::msg::kWriteError;
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

// The pattern with its first occurrence of the placeholder ("%s", "%d")
// replaced by the value.
inline std::string fillIn(std::string_view pattern, std::string_view placeholder,
                          std::string_view value) {
    std::string text(pattern);
    const auto at = text.find(placeholder);
    if (at != std::string::npos)
        text.replace(at, placeholder.size(), value);
    return text;
}

// A GIF result pattern ("Chyba #%d ...: %s") filled with the reader's or
// writer's code and its text.
std::string gifResultText(std::string_view pattern, int code);

}  // namespace codec::msg
