#pragma once

#include <string_view>

#include "app/core/Texts.h"
#include "batch/ui/Texts.h"

// The desktop program's window texts (UTF-8): the main window with its
// menus, commands, toolbars and status bar, the image view's dialogs, the
// settings sheet, the about box and the split sheet.
namespace app::ui::text {

// Texts of the lower layers the windows show too.
using app::text::kCaptionPictureInfo;
using app::text::kProgramTitle;
using batchui::text::kOk;

inline constexpr std::string_view kCancel = "Storno";
inline constexpr std::string_view kReady = "Připraven";

// Status-bar lock indicators.
inline constexpr std::string_view kCapsLock = "CAP";
inline constexpr std::string_view kNumLock = "NUM";
inline constexpr std::string_view kScrollLock = "SCRL";

// Top-level menus.
inline constexpr std::string_view kMenuFile = "&Soubor";
inline constexpr std::string_view kMenuEdit = "&Upravit";
inline constexpr std::string_view kMenuDrawing = "&Kreslení";
inline constexpr std::string_view kMenuView = "&Zobrazit";
inline constexpr std::string_view kMenuZoom = "Z&většení";
inline constexpr std::string_view kMenuSettings = "&Nastavení";
inline constexpr std::string_view kMenuHelp = "&Nápověda";
// Submenus.
inline constexpr std::string_view kMenuFit = "&Přizpůsobit";
inline constexpr std::string_view kMenuResize = "Změ&nit velikost";
inline constexpr std::string_view kMenuLineWidth = "Šíř&ka čáry";
inline constexpr std::string_view kMenuShapes = "Tva&ry";
// The place of the recent-file list while it is empty.
inline constexpr std::string_view kRecentFilePlaceholder = "Poslední soubor";

// The commands: for each its menu item (the text after a tab is the key
// shown beside it) and its status-bar prompt, then after "\n" its tooltip.
// Menu Soubor
inline constexpr std::string_view kCommandFileNew = "&Nový\tCtrl+N";
inline constexpr std::string_view kCommandFileNewPrompt = "Vytvořit nový obrázek\nNový";
// The framework's Open: its menu item and the title of its dialog.
inline constexpr std::string_view kFrameworkOpen = "Otevřít";
inline constexpr std::string_view kCommandFileOpenPrompt = "Otevřít existující dokument\nOtevřít";
inline constexpr std::string_view kCommandFileOpenPicture = "&Otevřít...\tCtrl+O";
inline constexpr std::string_view kCommandFileOpenPicturePrompt = "Otevřít obrázek\nOtevřít";
inline constexpr std::string_view kCommandFileSave = "&Uložit\tCtrl+S";
inline constexpr std::string_view kCommandFileSavePrompt = "Uložit aktivní dokument\nUložit";
inline constexpr std::string_view kCommandFileSaveAs = "Uložit j&ako...";
inline constexpr std::string_view kCommandFileSaveAsPrompt =
    "Uložit aktivní dokument pod novým jménem\nUložit jako";
inline constexpr std::string_view kCommandDownload = "S&táhnout z Internetu...\tCtrl+T";
inline constexpr std::string_view kCommandDownloadPrompt =
    "Stáhnout obrázek z Internetu\nStáhnout z internetu";
inline constexpr std::string_view kCommandSplit = "&Rozdělit obrázek...";
inline constexpr std::string_view kCommandSplitPrompt = "Rozdělit obrázek na menší části\nRozdělit";
inline constexpr std::string_view kCommandBatch = "&Dávkové zpracování...\tCtrl+D";
inline constexpr std::string_view kCommandBatchPrompt =
    "Dávkové zpracování více souborů\nDávková konverze";
inline constexpr std::string_view kCommandFilePrint = "&Tisk...\tCtrl+P";
inline constexpr std::string_view kCommandFilePrintPrompt = "Vytisknout aktivní dokument\nTisk";
inline constexpr std::string_view kCommandFilePrintDirect = "Tisk";
inline constexpr std::string_view kCommandFilePrintPreview = "Ná&hled tisku";
inline constexpr std::string_view kCommandFilePrintPreviewPrompt =
    "Zobrazit celé stránky\nNáhled tisku";
inline constexpr std::string_view kCommandFilePrintSetup = "Nastavení tis&kárny...";
inline constexpr std::string_view kCommandFilePrintSetupPrompt =
    "Změnit tiskárnu a možnosti tisku\nNastavení tisku";
inline constexpr std::string_view kCommandRecentFilePrompt = "Otevřít tento dokument";
inline constexpr std::string_view kCommandAppExit = "&Konec";
inline constexpr std::string_view kCommandAppExitPrompt =
    "Ukončit aplikaci; nabídne uložení dokumentů\nKonec";

// Menu Upravit
inline constexpr std::string_view kCommandEditUndo = "&Zpět\tCtrl+Z";
inline constexpr std::string_view kCommandEditUndoPrompt = "Vrátit zpět poslední akci\nZpět";
inline constexpr std::string_view kCommandEditCut = "Vyj&mout\tCtrl+X";
inline constexpr std::string_view kCommandEditCutPrompt =
    "Vyjmout obrázek a vložit jej do schránky\nVyjmout";
inline constexpr std::string_view kCommandEditCopy = "&Kopírovat\tCtrl+C";
inline constexpr std::string_view kCommandEditCopyPrompt =
    "Kopírovat obrázek do schránky\nKopírovat";
inline constexpr std::string_view kCommandEditPaste = "V&ložit\tCtrl+V";
inline constexpr std::string_view kCommandEditPastePrompt = "Vložit obsah schránky\nVložit";

// Menu Kreslení
inline constexpr std::string_view kCommandDrawEditing = "&Editace";
inline constexpr std::string_view kCommandDrawEditingPrompt = "Zapnout editaci\nEditace";
inline constexpr std::string_view kCommandDrawGrid = "&Mřížka";
inline constexpr std::string_view kCommandDrawGridPrompt = "Zobrazit mřížku\nZobrazit mřížku";
inline constexpr std::string_view kCommandDrawToolbar = "&Kreslící nástroje";
inline constexpr std::string_view kCommandDrawToolbarPrompt =
    "Zobrazit nástrojovou lištu pro kreslení\nNástrojová lišta pro kreslení";
inline constexpr std::string_view kCommandDrawClear = "&Smazat plochu";
inline constexpr std::string_view kCommandDrawClearPrompt =
    "Smazat kreslicí polochu\nSmazat kreslicí plochu";
inline constexpr std::string_view kCommandDrawInvert = "&Inverze barev";
inline constexpr std::string_view kCommandDrawInvertPrompt =
    "Zaměnit černou barvu za bílou a naopak\nInvertovat barvy";
inline constexpr std::string_view kCommandDrawPencil = "&Tužka";
inline constexpr std::string_view kCommandDrawPencilPrompt =
    "Aktivovat kreslení tužkou\nKreslení tužkou";
inline constexpr std::string_view kCommandDrawEraser = "&Guma";
inline constexpr std::string_view kCommandDrawEraserPrompt = "Aktivovat mazání gumou\nMazání";
inline constexpr std::string_view kCommandDrawLineWidth1 = "&Tenká";
inline constexpr std::string_view kCommandDrawLineWidth1Prompt = "Zvolit tenkou čáru\nTenká čára";
inline constexpr std::string_view kCommandDrawLineWidth2 = "&Střední";
inline constexpr std::string_view kCommandDrawLineWidth2Prompt =
    "Zvolit středně tlustou čáru\nStředně tlustá čára";
inline constexpr std::string_view kCommandDrawLineWidth3 = "T&lustá";
inline constexpr std::string_view kCommandDrawLineWidth3Prompt = "Zvolit tlustou čáru\nTlustá čára";
inline constexpr std::string_view kCommandDrawLine = "Čár&a";
inline constexpr std::string_view kCommandDrawLinePrompt = "Kreslit čáru\nČára";
inline constexpr std::string_view kCommandDrawRectangle = "&Obdélník";
inline constexpr std::string_view kCommandDrawRectanglePrompt = "Kreslit pravoúhlé tvary\nObdélník";
inline constexpr std::string_view kCommandDrawEllipse = "&Elipsa";
inline constexpr std::string_view kCommandDrawEllipsePrompt =
    "Kreslit elipsu nebo kružnici\nElipsa";
inline constexpr std::string_view kCommandDrawFill = "&Vyplnit barvou";
inline constexpr std::string_view kCommandDrawFillPrompt =
    "Vyplnit uzavřenou oblast barvou\nVyplnit barvou";
inline constexpr std::string_view kCommandDrawText = "Psát te&xt";
inline constexpr std::string_view kCommandDrawTextPrompt = "Psát text\nPsát text";
inline constexpr std::string_view kCommandDrawSelect = "O&značit oblast";
inline constexpr std::string_view kCommandDrawSelectPrompt =
    "Označit oblast pro kopírování nebo přesouvání\nOznačit oblast";
inline constexpr std::string_view kCommandDrawCopySelection = "&Kopírovat";
inline constexpr std::string_view kCommandDrawCopySelectionPrompt =
    "Kopírovat označenou oblast\nKopírovat";
inline constexpr std::string_view kCommandDrawMove = "&Přesunout";
inline constexpr std::string_view kCommandDrawMovePrompt = "Přesunout označenou oblast\nPřesunout";

// Menu Zobrazit
inline constexpr std::string_view kCommandViewToolbar = "&Nástroje";
inline constexpr std::string_view kCommandViewToolbarPrompt =
    "Zobrazit nebo skrýt nástrojovou lištu\nPřepnout nástrojovou lištu";
inline constexpr std::string_view kCommandViewStatusBar = "&Stavový řádek";
inline constexpr std::string_view kCommandViewStatusBarPrompt =
    "Zobrazit nebo skrýt stavový řádek\nPřepnout stavový řádek";

// Menu Zvětšení
inline constexpr std::string_view kCommandZoomIn = "Z&většit\tNum +";
inline constexpr std::string_view kCommandZoomInPrompt = "Zvětšit obrázek\nZvětšit";
inline constexpr std::string_view kCommandZoomOut = "Z&menšit\tNum -";
inline constexpr std::string_view kCommandZoomOutPrompt = "Zmenšit obrázek\nZmenšit";
inline constexpr std::string_view kCommandZoomMax = "Na &maximum\tCtrl+M";
inline constexpr std::string_view kCommandZoomMaxPrompt =
    "Zvětšit pohled na maximum\nMaximalizovat";
inline constexpr std::string_view kCommandCancelZoom = "Zr&ušit zvětšení";
inline constexpr std::string_view kCommandCancelZoomPrompt = "Zrušit zvětšení pohledu";
inline constexpr std::string_view kCommandFitToBox = "Do &okna";
inline constexpr std::string_view kCommandFitToBoxPrompt = "Přizpůsobit obrázek do okna";
inline constexpr std::string_view kCommandFitToPhone = "Na &telefon";
inline constexpr std::string_view kCommandFitToPhonePrompt = "Přizpůsobit obrázek na telefon";
inline constexpr std::string_view kCommandResizePercent = "&Procentuálně";
inline constexpr std::string_view kCommandResizePercentPrompt = "Změnit velikost na zadaný poměr";
inline constexpr std::string_view kCommandSetHeight = "Nastavit &výšku";
inline constexpr std::string_view kCommandSetHeightPrompt =
    "Změnit velikost na zadanou výšku, zachovává poměr stran";
inline constexpr std::string_view kCommandSetWidth = "Nastavit &šířku";
inline constexpr std::string_view kCommandSetWidthPrompt =
    "Změnit velikost na zadanou šířku, zachovává poměr stran";
inline constexpr std::string_view kCommandPictureInfo = "&Informace o obrázku\tCtrl+I";
inline constexpr std::string_view kCommandPictureInfoPrompt =
    "Zobrazit informace o obrázku\nInformace o obrázku";
inline constexpr std::string_view kCommandConvertBw = "Převést do &černobíla";
inline constexpr std::string_view kCommandConvertBwPrompt = "Převést do černobíla\nDo černobíla";
inline constexpr std::string_view kCommandConversionSettings = "&Podrobné nastavení";
inline constexpr std::string_view kCommandConversionSettingsPrompt =
    "Nastavení parametrů konverze s náhledem";

// Menu Nastavení
inline constexpr std::string_view kCommandSettings = "&Preference\tCtrl+U";
inline constexpr std::string_view kCommandSettingsPrompt =
    "Základní uživatelské nastavení\nNastavení";

// Menu Nápověda
inline constexpr std::string_view kCommandHelpContents = "&Obsah";
inline constexpr std::string_view kCommandHelpContentsPrompt = "Zobrazit nápovědu";
inline constexpr std::string_view kCommandWebSite = "&Webové stránky WAP Glyphon";
inline constexpr std::string_view kCommandWebSitePrompt =
    "Navštívit webové stránky WAP Glyphon\nWebové stránky";
inline constexpr std::string_view kCommandDownloadNewVersion = "&Stáhnout novou verzi";
inline constexpr std::string_view kCommandDownloadNewVersionPrompt =
    "Stáhnout novou verzi WAPGlyphon Desktop";
inline constexpr std::string_view kCommandAppAbout = "O &aplikaci WAP Glyphon";
inline constexpr std::string_view kCommandAppAboutPrompt =
    "Zobrazit informace o programu, číslo verze a copyright\nO aplikaci";

// The link toolbar (the web site button shows the program title).
inline constexpr std::string_view kCommandLinkWebSitePrompt = "WAP Glyphon\nWAP Glyphon";
inline constexpr std::string_view kCommandLinkDownload = "Stáhnout";
inline constexpr std::string_view kCommandLinkDownloadPrompt = "Stáhnout\nStáhnout";

// Toolbar window titles (shown when a toolbar floats).
inline constexpr std::string_view kMainToolbarTitle = "Nástroje";
inline constexpr std::string_view kLinkToolbarTitle = "Odkazy";
inline constexpr std::string_view kDrawingToolbarTitle = "Kreslení";

// Dialog titles and file filters.
inline constexpr std::string_view kOpenFileTitle = "Otevřít soubor";
inline constexpr std::string_view kSaveAsTitle = "Uložit jako";
inline constexpr std::string_view kAllSupportedFormats = "Všechny podporované formáty";
inline constexpr std::string_view kAllFiles = "Všechny soubory";

// Prompts of the number dialog for the resize commands.
inline constexpr std::string_view kPromptPercentage = "Zadejte poměr zvětšení:";
inline constexpr std::string_view kPromptHeight = "Zadejte novou výšku (v pixelech):";
inline constexpr std::string_view kPromptWidth = "Zadejte novou šířku (v pixelech):";

// Messages of the shell.
inline constexpr std::string_view kAskToSave = "Uložit změny do %s?";
inline constexpr std::string_view kReplaceFile = "%s již existuje.\nChcete jej nahradit?";
inline constexpr std::string_view kFolderUnusable = "Složku '%s' nelze použít: %s";

// The buttons of the program's message boxes.
inline constexpr std::string_view kYesButton = "&Ano";
inline constexpr std::string_view kNoButton = "&Ne";

// The settings sheet and its folder page.
inline constexpr std::string_view kSettingsSheetTitle = "Settings";
inline constexpr std::string_view kDirectoriesPage = "Složky";
inline constexpr std::string_view kSaveFolderLabel = "Složka pro ukládání";
inline constexpr std::string_view kWorkingFolderLabel = "Pracovní složka";
inline constexpr std::string_view kBrowse = "&Procházet...";

// The about box.
inline constexpr std::string_view kAboutVersion = "WAP Glyphon verze 3.5";
inline constexpr std::string_view kAboutCopyright = "Copyright © Vendra";
inline constexpr std::string_view kAboutContact = "Web: www.vendra.cz\nE-mail: info@vendra.cz";

// Editing mode.
inline constexpr std::string_view kConvertBeforeEditing =
    "Obrázek je nutné před editací zkonvertovat!";                                      // 59476
inline constexpr std::string_view kEditorUnavailable = "Nebylo možné spustit editor!";  // 130

// Picture information (its title is kCaptionPictureInfo).
inline constexpr std::string_view kWidth = "Šířka:";
inline constexpr std::string_view kHeight = "Výška:";
inline constexpr std::string_view kInfoDepth = "Barevná hloubka (bity na pixel):";
inline constexpr std::string_view kInfoSize = "Velikost (bajty):";
inline constexpr std::string_view kInfoType = "Typ:";

// New picture (with kWidth and kHeight).
inline constexpr std::string_view kNewPictureTitle = "Nový obrázek";
inline constexpr std::string_view kByPhone = "Podle telefonu";
inline constexpr std::string_view kInPixels = "V pixelech";
inline constexpr std::string_view kRemovePhone = "Odebrat telefon";
inline constexpr std::string_view kAddPhone = "Přidat telefon";
inline constexpr std::string_view kRemovePhoneQuestion = "Chcete odebrat vybraný telefon?";  // 129
inline constexpr std::string_view kChoosePhone = "Vyberte telefon ze seznamu.";
inline constexpr std::string_view kPhoneUnreadable =
    "Rozměry vybraného telefonu nelze přečíst. Vyberte jiný telefon.";

// New phone.
inline constexpr std::string_view kNewPhoneTitle = "Nový telefon";
inline constexpr std::string_view kPhoneName = "Jméno:";
inline constexpr std::string_view kDisplayWidth = "Šířka displeje:";
inline constexpr std::string_view kDisplayHeight = "Výška displeje:";

// Fit to a phone.
inline constexpr std::string_view kFitToPhoneTitle = "Přizpůsobit na telefon";
inline constexpr std::string_view kChoosePhoneLabel = "Zvolte telefon:";
inline constexpr std::string_view kChooseDisplayLabel = "Nebo zvolte displej:";

// C array options, asked when Save As writes a C array.
inline constexpr std::string_view kCArrayTitle = "Pole v jazyce C";
inline constexpr std::string_view kByteOrderGroup = "Uspořádání bajtů";
inline constexpr std::string_view kLayoutHorizontal = "Po řádcích, levý pixel v nejvyšším bitu";
inline constexpr std::string_view kLayoutVertical =
    "Stránky po 8 řádcích, horní pixel v nejnižším bitu (SSD1306)";
inline constexpr std::string_view kLayoutXbm = "Po řádcích, levý pixel v nejnižším bitu (XBM)";
inline constexpr std::string_view kInvertBits = "Nastavený bit je černý pixel";

// The number dialog (its title is kProgramTitle).
inline constexpr std::string_view kNumberPrompt = "Zadejte číslo:";

// The box dialog.
inline constexpr std::string_view kBoxTitle = "Přizpůsobit na rozměry";
inline constexpr std::string_view kNewWidth = "Nová šířka:";
inline constexpr std::string_view kNewHeight = "Nová výška:";
inline constexpr std::string_view kIgnoreAspectRatio = "Nezachovávat poměr stran";

// Checks of number fields.
inline constexpr std::string_view kEnterWholeNumber = "Zadejte celé číslo.";
inline constexpr std::string_view kEnterNumberInRange = "Zadejte celé číslo od %d do %d.";

// The split sheet (its browse button and format group show the batch
// sheet's "Procházet" and "Výstupní formát").
inline constexpr std::string_view kSplitSheetTitle = "Rozdělit obrázek";
inline constexpr std::string_view kSplitPicturePage = "Obrázek";
inline constexpr std::string_view kSplitWmlPage = "WML stránka";
inline constexpr std::string_view kSplitSource = "Zdrojový obrázek:";
inline constexpr std::string_view kSplitDimensions = "Rozměry obrázku:";
inline constexpr std::string_view kSplitOutputFolder = "Výstupní složka:";
inline constexpr std::string_view kSplitTileGroup = "Velikost okénka";
inline constexpr std::string_view kSplitCustomSize = "Vlastní velikost";
inline constexpr std::string_view kSplitDisplaySize = "Podle displeje";
inline constexpr std::string_view kSplitTimes = " x";
inline constexpr std::string_view kSplitCreatePages = "Generovat WML stránky";
inline constexpr std::string_view kSplitSeparateFolder = "Jiné umístění pro WML stránky";
inline constexpr std::string_view kSplitPrefix = "Prefix pro zdroj obrázku";

}  // namespace app::ui::text
