#pragma once

#include <string_view>

#include "codec/Texts.h"

// The program's core texts (UTF-8): the document's messages and captions,
// the split and new-picture commands' messages and the settings' checks. The
// numbers are those of the program's string table, where texts are shared.
namespace app::text {

// The program's own title: the caption of the framework-level messages and
// of the main window.
inline constexpr std::string_view kProgramTitle = "WAP Glyphon";
// The title of a document without a name.
inline constexpr std::string_view kUntitled = "Untitled";

inline constexpr std::string_view kDibTooLarge = "Obrázek DIB je příliš velký";  // 59394
inline constexpr std::string_view kCannotLoadDib = "Nelze nahrát DIB";           // 59395
inline constexpr std::string_view kCannotSaveDib = "Nelze uložit DIB";           // 59396
inline constexpr std::string_view kFileDoesNotExist = "Soubor neexistuje";       // 59399
// The last line of a phone list whose phone %d cannot be read: the list
// stops there.
inline constexpr std::string_view kPhoneListStops = "(telefon %d nelze přečíst, seznam končí)";
inline constexpr std::string_view kCannotLoadFile = "Soubor nelze nahrát";        // 59400
inline constexpr std::string_view kCannotConvert = "Obrázek nelze zkonvertovat";  // 59401
inline constexpr std::string_view kSaveError = "Chyba při ukládání obrázku";      // 59402
inline constexpr std::string_view kUnsupportedDepth =
    "Tento obrázek má nepodporovanou barevnou hloubku.\r\nProgram podporuje pouze 4 nebo "
    "8bpp.";  // 59403
// The framework's own prompts for a document that cannot be opened or saved.
inline constexpr std::string_view kFailedToOpenDocument = "Dokument nelze otevřít.";
inline constexpr std::string_view kFailedToSaveDocument = "Dokument nelze uložit.";

// 59411, the same text as the codec's.
using codec::text::kCaptionError;
inline constexpr std::string_view kCannotOpenFile = "Nepodařilo se otevřít soubor: %s";  // 59443
inline constexpr std::string_view kHeaderUnreadable =
    "Nepodařilo se přečíst hlavičku souboru '%s'.";  // 59445
inline constexpr std::string_view kHeaderInfo =
    "Informace:\n\nFormát: %s\nŠířka: %d\nVýška: %d\n";  // 59446
inline constexpr std::string_view kSeveralDropped =
    "Nelze otevřít více obrázků zároveň.\nPrvní použitelný bude otevřen";  // 59447
inline constexpr std::string_view kNothingDroppedOpened =
    "Nelze otevřít žádný známý soubor";                                                   // 59448
inline constexpr std::string_view kResizeFailed = "Chyba při změně velikosti";            // 59459
inline constexpr std::string_view kNoCounterNumber = "Nebylo zadáno žádné číslo";         // 59462
inline constexpr std::string_view kCounterFailed = "Chyba při vytváření počítadla:\n%s";  // 59463
inline constexpr std::string_view kCounterUnreadable = "Chyba při čtení počítadla:\n%s";  // 59464
inline constexpr std::string_view kSavePngFailed = "SavePNG: %s (errcode %d)";
inline constexpr std::string_view kCaptionSaveError = "Chyba při ukládání";     // 59472
inline constexpr std::string_view kCaptionPictureInfo = "Informace o obrázku";  // 59473
inline constexpr std::string_view kCaptionInfo = "Info";                        // 59474

// The New command.
inline constexpr std::string_view kCannotCreatePicture =
    "Obrázek o rozměrech %d x %d nelze vytvořit.";

// The split command.
inline constexpr std::string_view kSplitFolderMissing =
    "Výstupní složka neexistuje. Mám ji vytvořit?";
inline constexpr std::string_view kCaptionCreateFolder = "Vytvořit složku";
inline constexpr std::string_view kCannotPrepareSplit = "Nelze připravit obrázek: %s";
inline constexpr std::string_view kSplitFailed = "Chyba při rozdělování obrázku: %s";
inline constexpr std::string_view kSplitDone = "Obrázek rozdělen.\nVýsledky uloženy v '%sX.Y.%s'\n";
inline constexpr std::string_view kSplitPagesWritten = "WML stránky vytvořeny";
inline constexpr std::string_view kSplitPagesWrittenIn = "WML stránky vytvořeny a uloženy v %s";
inline constexpr std::string_view kCaptionDone = "Operace kompletní";

// Why a folder of the settings cannot be used.
inline constexpr std::string_view kFolderMissing = "složka neexistuje";
inline constexpr std::string_view kNotAFolder = "nejde o složku";
inline constexpr std::string_view kFolderNotWritable = "do složky nelze zapisovat";

}  // namespace app::text
