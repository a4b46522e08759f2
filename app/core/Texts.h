#pragma once

#include <string_view>

#include "base/TextMark.h"

#include "codec/Texts.h"

// The program's core texts (UTF-8): the document's messages and captions,
// the split and new-picture commands' messages and the settings' checks. The
// numbers are those of the program's string table, where texts are shared.
namespace app::text {

// The program's own title: the caption of the framework-level messages and
// of the main window.
inline constexpr bitmap::CatalogueText kProgramTitle = QT_TRANSLATE_NOOP("glyphon", "WAP Glyphon");
// The title of a document without a name.
inline constexpr bitmap::CatalogueText kUntitled = QT_TRANSLATE_NOOP("glyphon", "Untitled");

inline constexpr bitmap::CatalogueText kDibTooLarge =
    QT_TRANSLATE_NOOP("glyphon", "Obrázek DIB je příliš velký");  // 59394
inline constexpr bitmap::CatalogueText kCannotLoadDib =
    QT_TRANSLATE_NOOP("glyphon", "Nelze nahrát DIB");  // 59395
inline constexpr bitmap::CatalogueText kCannotSaveDib =
    QT_TRANSLATE_NOOP("glyphon", "Nelze uložit DIB");  // 59396
inline constexpr bitmap::CatalogueText kFileDoesNotExist =
    QT_TRANSLATE_NOOP("glyphon", "Soubor neexistuje");  // 59399
// The last line of a phone list whose phone %d cannot be read: the list
// stops there.
inline constexpr bitmap::CatalogueText kPhoneListStops =
    QT_TRANSLATE_NOOP("glyphon", "(telefon %d nelze přečíst, seznam končí)");
inline constexpr bitmap::CatalogueText kCannotLoadFile =
    QT_TRANSLATE_NOOP("glyphon", "Soubor nelze nahrát");  // 59400
inline constexpr bitmap::CatalogueText kCannotConvert =
    QT_TRANSLATE_NOOP("glyphon", "Obrázek nelze zkonvertovat");  // 59401
inline constexpr bitmap::CatalogueText kSaveError =
    QT_TRANSLATE_NOOP("glyphon", "Chyba při ukládání obrázku");  // 59402
inline constexpr bitmap::CatalogueText kUnsupportedDepth = QT_TRANSLATE_NOOP(
    "glyphon",
    "Tento obrázek má nepodporovanou barevnou hloubku.\r\nProgram podporuje pouze 4 nebo "
    "8bpp.");  // 59403
// The framework's own prompts for a document that cannot be opened or saved.
inline constexpr bitmap::CatalogueText kFailedToOpenDocument =
    QT_TRANSLATE_NOOP("glyphon", "Dokument nelze otevřít.");
inline constexpr bitmap::CatalogueText kFailedToSaveDocument =
    QT_TRANSLATE_NOOP("glyphon", "Dokument nelze uložit.");

// 59411, the same text as the codec's.
using codec::text::kCaptionError;
inline constexpr bitmap::CatalogueText kCannotOpenFile =
    QT_TRANSLATE_NOOP("glyphon", "Nepodařilo se otevřít soubor: %s");  // 59443
inline constexpr bitmap::CatalogueText kHeaderUnreadable =
    QT_TRANSLATE_NOOP("glyphon", "Nepodařilo se přečíst hlavičku souboru '%s'.");  // 59445
inline constexpr bitmap::CatalogueText kHeaderInfo =
    QT_TRANSLATE_NOOP("glyphon", "Informace:\n\nFormát: %s\nŠířka: %d\nVýška: %d\n");  // 59446
inline constexpr bitmap::CatalogueText kSeveralDropped = QT_TRANSLATE_NOOP(
    "glyphon", "Nelze otevřít více obrázků zároveň.\nPrvní použitelný bude otevřen");  // 59447
inline constexpr bitmap::CatalogueText kNothingDroppedOpened =
    QT_TRANSLATE_NOOP("glyphon", "Nelze otevřít žádný známý soubor");  // 59448
inline constexpr bitmap::CatalogueText kResizeFailed =
    QT_TRANSLATE_NOOP("glyphon", "Chyba při změně velikosti");  // 59459
inline constexpr bitmap::CatalogueText kNoCounterNumber =
    QT_TRANSLATE_NOOP("glyphon", "Nebylo zadáno žádné číslo");  // 59462
inline constexpr bitmap::CatalogueText kCounterFailed =
    QT_TRANSLATE_NOOP("glyphon", "Chyba při vytváření počítadla:\n%s");  // 59463
inline constexpr bitmap::CatalogueText kCounterUnreadable =
    QT_TRANSLATE_NOOP("glyphon", "Chyba při čtení počítadla:\n%s");  // 59464
inline constexpr bitmap::CatalogueText kSavePngFailed =
    QT_TRANSLATE_NOOP("glyphon", "SavePNG: %s (errcode %d)");
inline constexpr bitmap::CatalogueText kCaptionSaveError =
    QT_TRANSLATE_NOOP("glyphon", "Chyba při ukládání");  // 59472
inline constexpr bitmap::CatalogueText kCaptionPictureInfo =
    QT_TRANSLATE_NOOP("glyphon", "Informace o obrázku");  // 59473
inline constexpr bitmap::CatalogueText kCaptionInfo =
    QT_TRANSLATE_NOOP("glyphon", "Info");  // 59474

// The New command.
inline constexpr bitmap::CatalogueText kCannotCreatePicture =
    QT_TRANSLATE_NOOP("glyphon", "Obrázek o rozměrech %d x %d nelze vytvořit.");

// The split command.
inline constexpr bitmap::CatalogueText kSplitFolderMissing =
    QT_TRANSLATE_NOOP("glyphon", "Výstupní složka neexistuje. Mám ji vytvořit?");
inline constexpr bitmap::CatalogueText kCaptionCreateFolder =
    QT_TRANSLATE_NOOP("glyphon", "Vytvořit složku");
inline constexpr bitmap::CatalogueText kCannotPrepareSplit =
    QT_TRANSLATE_NOOP("glyphon", "Nelze připravit obrázek: %s");
inline constexpr bitmap::CatalogueText kSplitFailed =
    QT_TRANSLATE_NOOP("glyphon", "Chyba při rozdělování obrázku: %s");
inline constexpr bitmap::CatalogueText kSplitDone =
    QT_TRANSLATE_NOOP("glyphon", "Obrázek rozdělen.\nVýsledky uloženy v '%sX.Y.%s'\n");
inline constexpr bitmap::CatalogueText kSplitPagesWritten =
    QT_TRANSLATE_NOOP("glyphon", "WML stránky vytvořeny");
inline constexpr bitmap::CatalogueText kSplitPagesWrittenIn =
    QT_TRANSLATE_NOOP("glyphon", "WML stránky vytvořeny a uloženy v %s");
inline constexpr bitmap::CatalogueText kCaptionDone =
    QT_TRANSLATE_NOOP("glyphon", "Operace kompletní");

// Why a folder of the settings cannot be used.
inline constexpr bitmap::CatalogueText kFolderMissing =
    QT_TRANSLATE_NOOP("glyphon", "složka neexistuje");
inline constexpr bitmap::CatalogueText kNotAFolder = QT_TRANSLATE_NOOP("glyphon", "nejde o složku");
inline constexpr bitmap::CatalogueText kFolderNotWritable =
    QT_TRANSLATE_NOOP("glyphon", "do složky nelze zapisovat");

}  // namespace app::text
