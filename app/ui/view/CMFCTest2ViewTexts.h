#pragma once

// The texts (UTF-8) of the image view and of the small dialogs it and the
// document's commands show: picture information, new picture, new phone,
// fit to a phone, the number dialog and the box dialog.
namespace app::ui::text {

// Buttons shared by the dialogs.
inline constexpr char kOk[] = "OK";
inline constexpr char kCancel[] = "Storno";

// Picture information.
inline constexpr char kPictureInfoTitle[] = "Informace o obrázku";
inline constexpr char kInfoWidth[] = "Šířka:";
inline constexpr char kInfoHeight[] = "Výška:";
inline constexpr char kInfoDepth[] = "Barevná hloubka (bity na pixel):";
inline constexpr char kInfoSize[] = "Velikost (bajty):";
inline constexpr char kInfoType[] = "Typ:";

// New picture.
inline constexpr char kNewPictureTitle[] = "Nový obrázek";
inline constexpr char kByPhone[] = "Podle telefonu";
inline constexpr char kInPixels[] = "V pixelech";
inline constexpr char kRemovePhone[] = "Odebrat telefon";
inline constexpr char kAddPhone[] = "Přidat telefon";
inline constexpr char kWidth[] = "Šířka:";
inline constexpr char kHeight[] = "Výška:";
inline constexpr char kRemovePhoneQuestion[] = "Chcete odebrat vybraný telefon?";  // 129
inline constexpr char kChoosePhone[] = "Vyberte telefon ze seznamu.";
inline constexpr char kPhoneUnreadable[] =
    "Rozměry vybraného telefonu nelze přečíst. Vyberte jiný telefon.";

// New phone.
inline constexpr char kNewPhoneTitle[] = "Nový telefon";
inline constexpr char kPhoneName[] = "Jméno:";
inline constexpr char kDisplayWidth[] = "Šířka displeje:";
inline constexpr char kDisplayHeight[] = "Výška displeje:";

// Fit to a phone.
inline constexpr char kFitToPhoneTitle[] = "Přizpůsobit na telefon";
inline constexpr char kChoosePhoneLabel[] = "Zvolte telefon:";
inline constexpr char kChooseDisplayLabel[] = "Nebo zvolte displej:";

// C array options, asked when Save As writes a C array.
inline constexpr char kCArrayTitle[] = "Pole v jazyce C";
inline constexpr char kByteOrderGroup[] = "Uspořádání bajtů";
inline constexpr char kLayoutHorizontal[] = "Po řádcích, levý pixel v nejvyšším bitu";
inline constexpr char kLayoutVertical[] =
    "Stránky po 8 řádcích, horní pixel v nejnižším bitu (SSD1306)";
inline constexpr char kLayoutXbm[] = "Po řádcích, levý pixel v nejnižším bitu (XBM)";
inline constexpr char kInvertBits[] = "Nastavený bit je černý pixel";

// Number dialog.
inline constexpr char kNumberTitle[] = "WAP Glyphon";
inline constexpr char kNumberPrompt[] = "Zadejte číslo:";

// Box dialog.
inline constexpr char kBoxTitle[] = "Přizpůsobit na rozměry";
inline constexpr char kNewWidth[] = "Nová šířka:";
inline constexpr char kNewHeight[] = "Nová výška:";
inline constexpr char kIgnoreAspectRatio[] = "Nezachovávat poměr stran";

// Checks of number fields.
inline constexpr char kEnterWholeNumber[] = "Zadejte celé číslo.";
inline constexpr char kEnterNumberInRange[] = "Zadejte celé číslo od %d do %d.";

}  // namespace app::ui::text
