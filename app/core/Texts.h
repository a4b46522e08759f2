#pragma once

#include <string_view>

#include "bitmap/TextMark.h"

#include "codec/Texts.h"

// The program's core texts (UTF-8): the document's messages and captions,
// the split and new-picture commands' messages and the settings' checks. The
// numbers are those of the program's string table, where texts are shared.
namespace app::text {

// The program's own title: the caption of the framework-level messages and
// of the main window.
inline constexpr std::string_view kProgramTitle = QT_TRANSLATE_NOOP("glyphon", "WAP Glyphon");
// The title of a document without a name.
inline constexpr std::string_view kUntitled = QT_TRANSLATE_NOOP("glyphon", "Untitled");

inline constexpr std::string_view kDibTooLarge =
    QT_TRANSLATE_NOOP("glyphon", "Obrázek DIB je příliš velký");  // 59394
inline constexpr std::string_view kCannotLoadDib =
    QT_TRANSLATE_NOOP("glyphon", "Nelze nahrát DIB");  // 59395
inline constexpr std::string_view kCannotSaveDib =
    QT_TRANSLATE_NOOP("glyphon", "Nelze uložit DIB");  // 59396
inline constexpr std::string_view kFileDoesNotExist =
    QT_TRANSLATE_NOOP("glyphon", "Soubor neexistuje");  // 59399
// The last line of a phone list whose phone %d cannot be read: the list
// stops there.
inline constexpr std::string_view kPhoneListStops =
    QT_TRANSLATE_NOOP("glyphon", "(telefon %d nelze přečíst, seznam končí)");
inline constexpr std::string_view kCannotLoadFile =
    QT_TRANSLATE_NOOP("glyphon", "Soubor nelze nahrát");  // 59400
inline constexpr std::string_view kCannotConvert =
    QT_TRANSLATE_NOOP("glyphon", "Obrázek nelze zkonvertovat");  // 59401
inline constexpr std::string_view kSaveError =
    QT_TRANSLATE_NOOP("glyphon", "Chyba při ukládání obrázku");  // 59402
inline constexpr std::string_view kUnsupportedDepth = QT_TRANSLATE_NOOP(
    "glyphon",
    "Tento obrázek má nepodporovanou barevnou hloubku.\r\nProgram podporuje pouze 4 nebo "
    "8bpp.");  // 59403
// The framework's own prompts for a document that cannot be opened or saved.
inline constexpr std::string_view kFailedToOpenDocument =
    QT_TRANSLATE_NOOP("glyphon", "Dokument nelze otevřít.");
inline constexpr std::string_view kFailedToSaveDocument =
    QT_TRANSLATE_NOOP("glyphon", "Dokument nelze uložit.");

// 59411, the same text as the codec's.
using codec::text::kCaptionError;
inline constexpr std::string_view kCannotOpenFile =
    QT_TRANSLATE_NOOP("glyphon", "Nepodařilo se otevřít soubor: %s");  // 59443
inline constexpr std::string_view kHeaderUnreadable =
    QT_TRANSLATE_NOOP("glyphon", "Nepodařilo se přečíst hlavičku souboru '%s'.");  // 59445
inline constexpr std::string_view kHeaderInfo =
    QT_TRANSLATE_NOOP("glyphon", "Informace:\n\nFormát: %s\nŠířka: %d\nVýška: %d\n");  // 59446
inline constexpr std::string_view kSeveralDropped = QT_TRANSLATE_NOOP(
    "glyphon", "Nelze otevřít více obrázků zároveň.\nPrvní použitelný bude otevřen");  // 59447
inline constexpr std::string_view kNothingDroppedOpened =
    QT_TRANSLATE_NOOP("glyphon", "Nelze otevřít žádný známý soubor");  // 59448
inline constexpr std::string_view kResizeFailed =
    QT_TRANSLATE_NOOP("glyphon", "Chyba při změně velikosti");  // 59459
inline constexpr std::string_view kNoCounterNumber =
    QT_TRANSLATE_NOOP("glyphon", "Nebylo zadáno žádné číslo");  // 59462
inline constexpr std::string_view kCounterFailed =
    QT_TRANSLATE_NOOP("glyphon", "Chyba při vytváření počítadla:\n%s");  // 59463
inline constexpr std::string_view kCounterUnreadable =
    QT_TRANSLATE_NOOP("glyphon", "Chyba při čtení počítadla:\n%s");  // 59464
inline constexpr std::string_view kSavePngFailed =
    QT_TRANSLATE_NOOP("glyphon", "SavePNG: %s (errcode %d)");
inline constexpr std::string_view kCaptionSaveError =
    QT_TRANSLATE_NOOP("glyphon", "Chyba při ukládání");  // 59472
inline constexpr std::string_view kCaptionPictureInfo =
    QT_TRANSLATE_NOOP("glyphon", "Informace o obrázku");                                // 59473
inline constexpr std::string_view kCaptionInfo = QT_TRANSLATE_NOOP("glyphon", "Info");  // 59474

// The New command.
inline constexpr std::string_view kCannotCreatePicture =
    QT_TRANSLATE_NOOP("glyphon", "Obrázek o rozměrech %d x %d nelze vytvořit.");

// The split command.
inline constexpr std::string_view kSplitFolderMissing =
    QT_TRANSLATE_NOOP("glyphon", "Výstupní složka neexistuje. Mám ji vytvořit?");
inline constexpr std::string_view kCaptionCreateFolder =
    QT_TRANSLATE_NOOP("glyphon", "Vytvořit složku");
inline constexpr std::string_view kCannotPrepareSplit =
    QT_TRANSLATE_NOOP("glyphon", "Nelze připravit obrázek: %s");
inline constexpr std::string_view kSplitFailed =
    QT_TRANSLATE_NOOP("glyphon", "Chyba při rozdělování obrázku: %s");
inline constexpr std::string_view kSplitDone =
    QT_TRANSLATE_NOOP("glyphon", "Obrázek rozdělen.\nVýsledky uloženy v '%sX.Y.%s'\n");
inline constexpr std::string_view kSplitPagesWritten =
    QT_TRANSLATE_NOOP("glyphon", "WML stránky vytvořeny");
inline constexpr std::string_view kSplitPagesWrittenIn =
    QT_TRANSLATE_NOOP("glyphon", "WML stránky vytvořeny a uloženy v %s");
inline constexpr std::string_view kCaptionDone = QT_TRANSLATE_NOOP("glyphon", "Operace kompletní");

// Why a folder of the settings cannot be used.
inline constexpr std::string_view kFolderMissing =
    QT_TRANSLATE_NOOP("glyphon", "složka neexistuje");
inline constexpr std::string_view kNotAFolder = QT_TRANSLATE_NOOP("glyphon", "nejde o složku");
inline constexpr std::string_view kFolderNotWritable =
    QT_TRANSLATE_NOOP("glyphon", "do složky nelze zapisovat");

}  // namespace app::text
