#pragma once

#include <string_view>

#include "base/TextMark.h"

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

inline constexpr std::string_view kCancel = QT_TRANSLATE_NOOP("glyphon", "Storno");
inline constexpr std::string_view kReady = QT_TRANSLATE_NOOP("glyphon", "Připraven");

// Status-bar lock indicators.
inline constexpr std::string_view kCapsLock = QT_TRANSLATE_NOOP("glyphon", "CAP");
inline constexpr std::string_view kNumLock = QT_TRANSLATE_NOOP("glyphon", "NUM");
inline constexpr std::string_view kScrollLock = QT_TRANSLATE_NOOP("glyphon", "SCRL");

// Top-level menus.
inline constexpr std::string_view kMenuFile = QT_TRANSLATE_NOOP("glyphon", "&Soubor");
inline constexpr std::string_view kMenuEdit = QT_TRANSLATE_NOOP("glyphon", "&Upravit");
inline constexpr std::string_view kMenuDrawing = QT_TRANSLATE_NOOP("glyphon", "&Kreslení");
inline constexpr std::string_view kMenuView = QT_TRANSLATE_NOOP("glyphon", "&Zobrazit");
inline constexpr std::string_view kMenuZoom = QT_TRANSLATE_NOOP("glyphon", "Z&většení");
inline constexpr std::string_view kMenuSettings = QT_TRANSLATE_NOOP("glyphon", "&Nastavení");
inline constexpr std::string_view kMenuHelp = QT_TRANSLATE_NOOP("glyphon", "&Nápověda");
// Submenus.
inline constexpr std::string_view kMenuFit = QT_TRANSLATE_NOOP("glyphon", "&Přizpůsobit");
inline constexpr std::string_view kMenuResize = QT_TRANSLATE_NOOP("glyphon", "Změ&nit velikost");
inline constexpr std::string_view kMenuLineWidth = QT_TRANSLATE_NOOP("glyphon", "Šíř&ka čáry");
inline constexpr std::string_view kMenuShapes = QT_TRANSLATE_NOOP("glyphon", "Tva&ry");
// The place of the recent-file list while it is empty.
inline constexpr std::string_view kRecentFilePlaceholder =
    QT_TRANSLATE_NOOP("glyphon", "Poslední soubor");

// The commands: for each its menu item (the text after a tab is the key
// shown beside it) and its status-bar prompt, then after "\n" its tooltip.
// Menu Soubor
inline constexpr std::string_view kCommandFileNew = QT_TRANSLATE_NOOP("glyphon", "&Nový\tCtrl+N");
inline constexpr std::string_view kCommandFileNewPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Vytvořit nový obrázek\nNový");
// The framework's Open: its menu item and the title of its dialog.
inline constexpr std::string_view kFrameworkOpen = QT_TRANSLATE_NOOP("glyphon", "Otevřít");
inline constexpr std::string_view kCommandFileOpenPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Otevřít existující dokument\nOtevřít");
inline constexpr std::string_view kCommandFileOpenPicture =
    QT_TRANSLATE_NOOP("glyphon", "&Otevřít...\tCtrl+O");
inline constexpr std::string_view kCommandFileOpenPicturePrompt =
    QT_TRANSLATE_NOOP("glyphon", "Otevřít obrázek\nOtevřít");
inline constexpr std::string_view kCommandFileSave =
    QT_TRANSLATE_NOOP("glyphon", "&Uložit\tCtrl+S");
inline constexpr std::string_view kCommandFileSavePrompt =
    QT_TRANSLATE_NOOP("glyphon", "Uložit aktivní dokument\nUložit");
inline constexpr std::string_view kCommandFileSaveAs =
    QT_TRANSLATE_NOOP("glyphon", "Uložit j&ako...");
inline constexpr std::string_view kCommandFileSaveAsPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Uložit aktivní dokument pod novým jménem\nUložit jako");
inline constexpr std::string_view kCommandDownload =
    QT_TRANSLATE_NOOP("glyphon", "S&táhnout z Internetu...\tCtrl+T");
inline constexpr std::string_view kCommandDownloadPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Stáhnout obrázek z Internetu\nStáhnout z internetu");
inline constexpr std::string_view kCommandSplit =
    QT_TRANSLATE_NOOP("glyphon", "&Rozdělit obrázek...");
inline constexpr std::string_view kCommandSplitPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Rozdělit obrázek na menší části\nRozdělit");
inline constexpr std::string_view kCommandBatch =
    QT_TRANSLATE_NOOP("glyphon", "&Dávkové zpracování...\tCtrl+D");
inline constexpr std::string_view kCommandBatchPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Dávkové zpracování více souborů\nDávková konverze");
inline constexpr std::string_view kCommandFilePrint =
    QT_TRANSLATE_NOOP("glyphon", "&Tisk...\tCtrl+P");
inline constexpr std::string_view kCommandFilePrintPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Vytisknout aktivní dokument\nTisk");
inline constexpr std::string_view kCommandFilePrintDirect = QT_TRANSLATE_NOOP("glyphon", "Tisk");
inline constexpr std::string_view kCommandFilePrintPreview =
    QT_TRANSLATE_NOOP("glyphon", "Ná&hled tisku");
inline constexpr std::string_view kCommandFilePrintPreviewPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Zobrazit celé stránky\nNáhled tisku");
inline constexpr std::string_view kCommandFilePrintSetup =
    QT_TRANSLATE_NOOP("glyphon", "Nastavení tis&kárny...");
inline constexpr std::string_view kCommandFilePrintSetupPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Změnit tiskárnu a možnosti tisku\nNastavení tisku");
inline constexpr std::string_view kCommandRecentFilePrompt =
    QT_TRANSLATE_NOOP("glyphon", "Otevřít tento dokument");
inline constexpr std::string_view kCommandAppExit = QT_TRANSLATE_NOOP("glyphon", "&Konec");
inline constexpr std::string_view kCommandAppExitPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Ukončit aplikaci; nabídne uložení dokumentů\nKonec");

// Menu Upravit
inline constexpr std::string_view kCommandEditUndo = QT_TRANSLATE_NOOP("glyphon", "&Zpět\tCtrl+Z");
inline constexpr std::string_view kCommandEditUndoPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Vrátit zpět poslední akci\nZpět");
inline constexpr std::string_view kCommandEditCut =
    QT_TRANSLATE_NOOP("glyphon", "Vyj&mout\tCtrl+X");
inline constexpr std::string_view kCommandEditCutPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Vyjmout obrázek a vložit jej do schránky\nVyjmout");
inline constexpr std::string_view kCommandEditCopy =
    QT_TRANSLATE_NOOP("glyphon", "&Kopírovat\tCtrl+C");
inline constexpr std::string_view kCommandEditCopyPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Kopírovat obrázek do schránky\nKopírovat");
inline constexpr std::string_view kCommandEditPaste =
    QT_TRANSLATE_NOOP("glyphon", "V&ložit\tCtrl+V");
inline constexpr std::string_view kCommandEditPastePrompt =
    QT_TRANSLATE_NOOP("glyphon", "Vložit obsah schránky\nVložit");

// Menu Kreslení
inline constexpr std::string_view kCommandDrawEditing = QT_TRANSLATE_NOOP("glyphon", "&Editace");
inline constexpr std::string_view kCommandDrawEditingPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Zapnout editaci\nEditace");
inline constexpr std::string_view kCommandDrawGrid = QT_TRANSLATE_NOOP("glyphon", "&Mřížka");
inline constexpr std::string_view kCommandDrawGridPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Zobrazit mřížku\nZobrazit mřížku");
inline constexpr std::string_view kCommandDrawToolbar =
    QT_TRANSLATE_NOOP("glyphon", "&Kreslící nástroje");
inline constexpr std::string_view kCommandDrawToolbarPrompt = QT_TRANSLATE_NOOP(
    "glyphon", "Zobrazit nástrojovou lištu pro kreslení\nNástrojová lišta pro kreslení");
inline constexpr std::string_view kCommandDrawClear =
    QT_TRANSLATE_NOOP("glyphon", "&Smazat plochu");
inline constexpr std::string_view kCommandDrawClearPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Smazat kreslicí polochu\nSmazat kreslicí plochu");
inline constexpr std::string_view kCommandDrawInvert =
    QT_TRANSLATE_NOOP("glyphon", "&Inverze barev");
inline constexpr std::string_view kCommandDrawInvertPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Zaměnit černou barvu za bílou a naopak\nInvertovat barvy");
inline constexpr std::string_view kCommandDrawPencil = QT_TRANSLATE_NOOP("glyphon", "&Tužka");
inline constexpr std::string_view kCommandDrawPencilPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Aktivovat kreslení tužkou\nKreslení tužkou");
inline constexpr std::string_view kCommandDrawEraser = QT_TRANSLATE_NOOP("glyphon", "&Guma");
inline constexpr std::string_view kCommandDrawEraserPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Aktivovat mazání gumou\nMazání");
inline constexpr std::string_view kCommandDrawLineWidth1 = QT_TRANSLATE_NOOP("glyphon", "&Tenká");
inline constexpr std::string_view kCommandDrawLineWidth1Prompt =
    QT_TRANSLATE_NOOP("glyphon", "Zvolit tenkou čáru\nTenká čára");
inline constexpr std::string_view kCommandDrawLineWidth2 = QT_TRANSLATE_NOOP("glyphon", "&Střední");
inline constexpr std::string_view kCommandDrawLineWidth2Prompt =
    QT_TRANSLATE_NOOP("glyphon", "Zvolit středně tlustou čáru\nStředně tlustá čára");
inline constexpr std::string_view kCommandDrawLineWidth3 = QT_TRANSLATE_NOOP("glyphon", "T&lustá");
inline constexpr std::string_view kCommandDrawLineWidth3Prompt =
    QT_TRANSLATE_NOOP("glyphon", "Zvolit tlustou čáru\nTlustá čára");
inline constexpr std::string_view kCommandDrawLine = QT_TRANSLATE_NOOP("glyphon", "Čár&a");
inline constexpr std::string_view kCommandDrawLinePrompt =
    QT_TRANSLATE_NOOP("glyphon", "Kreslit čáru\nČára");
inline constexpr std::string_view kCommandDrawRectangle = QT_TRANSLATE_NOOP("glyphon", "&Obdélník");
inline constexpr std::string_view kCommandDrawRectanglePrompt =
    QT_TRANSLATE_NOOP("glyphon", "Kreslit pravoúhlé tvary\nObdélník");
inline constexpr std::string_view kCommandDrawEllipse = QT_TRANSLATE_NOOP("glyphon", "&Elipsa");
inline constexpr std::string_view kCommandDrawEllipsePrompt =
    QT_TRANSLATE_NOOP("glyphon", "Kreslit elipsu nebo kružnici\nElipsa");
inline constexpr std::string_view kCommandDrawFill =
    QT_TRANSLATE_NOOP("glyphon", "&Vyplnit barvou");
inline constexpr std::string_view kCommandDrawFillPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Vyplnit uzavřenou oblast barvou\nVyplnit barvou");
inline constexpr std::string_view kCommandDrawText = QT_TRANSLATE_NOOP("glyphon", "Psát te&xt");
inline constexpr std::string_view kCommandDrawTextPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Psát text\nPsát text");
inline constexpr std::string_view kCommandDrawSelect =
    QT_TRANSLATE_NOOP("glyphon", "O&značit oblast");
inline constexpr std::string_view kCommandDrawSelectPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Označit oblast pro kopírování nebo přesouvání\nOznačit oblast");
inline constexpr std::string_view kCommandDrawCopySelection =
    QT_TRANSLATE_NOOP("glyphon", "&Kopírovat");
inline constexpr std::string_view kCommandDrawCopySelectionPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Kopírovat označenou oblast\nKopírovat");
inline constexpr std::string_view kCommandDrawMove = QT_TRANSLATE_NOOP("glyphon", "&Přesunout");
inline constexpr std::string_view kCommandDrawMovePrompt =
    QT_TRANSLATE_NOOP("glyphon", "Přesunout označenou oblast\nPřesunout");

// Menu Zobrazit
inline constexpr std::string_view kCommandViewToolbar = QT_TRANSLATE_NOOP("glyphon", "&Nástroje");
inline constexpr std::string_view kCommandViewToolbarPrompt = QT_TRANSLATE_NOOP(
    "glyphon", "Zobrazit nebo skrýt nástrojovou lištu\nPřepnout nástrojovou lištu");
inline constexpr std::string_view kCommandViewStatusBar =
    QT_TRANSLATE_NOOP("glyphon", "&Stavový řádek");
inline constexpr std::string_view kCommandViewStatusBarPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Zobrazit nebo skrýt stavový řádek\nPřepnout stavový řádek");

// Menu Zvětšení
inline constexpr std::string_view kCommandZoomIn = QT_TRANSLATE_NOOP("glyphon", "Z&většit\tNum +");
inline constexpr std::string_view kCommandZoomInPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Zvětšit obrázek\nZvětšit");
inline constexpr std::string_view kCommandZoomOut = QT_TRANSLATE_NOOP("glyphon", "Z&menšit\tNum -");
inline constexpr std::string_view kCommandZoomOutPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Zmenšit obrázek\nZmenšit");
inline constexpr std::string_view kCommandZoomMax =
    QT_TRANSLATE_NOOP("glyphon", "Na &maximum\tCtrl+M");
inline constexpr std::string_view kCommandZoomMaxPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Zvětšit pohled na maximum\nMaximalizovat");
inline constexpr std::string_view kCommandCancelZoom =
    QT_TRANSLATE_NOOP("glyphon", "Zr&ušit zvětšení");
inline constexpr std::string_view kCommandCancelZoomPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Zrušit zvětšení pohledu");
inline constexpr std::string_view kCommandFitToBox = QT_TRANSLATE_NOOP("glyphon", "Do &okna");
inline constexpr std::string_view kCommandFitToBoxPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Přizpůsobit obrázek do okna");
inline constexpr std::string_view kCommandFitToPhone = QT_TRANSLATE_NOOP("glyphon", "Na &telefon");
inline constexpr std::string_view kCommandFitToPhonePrompt =
    QT_TRANSLATE_NOOP("glyphon", "Přizpůsobit obrázek na telefon");
inline constexpr std::string_view kCommandResizePercent =
    QT_TRANSLATE_NOOP("glyphon", "&Procentuálně");
inline constexpr std::string_view kCommandResizePercentPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Změnit velikost na zadaný poměr");
inline constexpr std::string_view kCommandSetHeight =
    QT_TRANSLATE_NOOP("glyphon", "Nastavit &výšku");
inline constexpr std::string_view kCommandSetHeightPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Změnit velikost na zadanou výšku, zachovává poměr stran");
inline constexpr std::string_view kCommandSetWidth =
    QT_TRANSLATE_NOOP("glyphon", "Nastavit &šířku");
inline constexpr std::string_view kCommandSetWidthPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Změnit velikost na zadanou šířku, zachovává poměr stran");
inline constexpr std::string_view kCommandPictureInfo =
    QT_TRANSLATE_NOOP("glyphon", "&Informace o obrázku\tCtrl+I");
inline constexpr std::string_view kCommandPictureInfoPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Zobrazit informace o obrázku\nInformace o obrázku");
inline constexpr std::string_view kCommandConvertBw =
    QT_TRANSLATE_NOOP("glyphon", "Převést do &černobíla");
inline constexpr std::string_view kCommandConvertBwPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Převést do černobíla\nDo černobíla");
inline constexpr std::string_view kCommandConversionSettings =
    QT_TRANSLATE_NOOP("glyphon", "&Podrobné nastavení");
inline constexpr std::string_view kCommandConversionSettingsPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Nastavení parametrů konverze s náhledem");

// Menu Nastavení
inline constexpr std::string_view kCommandSettings =
    QT_TRANSLATE_NOOP("glyphon", "&Preference\tCtrl+U");
inline constexpr std::string_view kCommandSettingsPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Základní uživatelské nastavení\nNastavení");

// Menu Nápověda
inline constexpr std::string_view kCommandHelpContents = QT_TRANSLATE_NOOP("glyphon", "&Obsah");
inline constexpr std::string_view kCommandHelpContentsPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Zobrazit nápovědu");
inline constexpr std::string_view kCommandWebSite =
    QT_TRANSLATE_NOOP("glyphon", "&Webové stránky WAP Glyphon");
inline constexpr std::string_view kCommandWebSitePrompt =
    QT_TRANSLATE_NOOP("glyphon", "Navštívit webové stránky WAP Glyphon\nWebové stránky");
inline constexpr std::string_view kCommandDownloadNewVersion =
    QT_TRANSLATE_NOOP("glyphon", "&Stáhnout novou verzi");
inline constexpr std::string_view kCommandDownloadNewVersionPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Stáhnout novou verzi WAPGlyphon Desktop");
inline constexpr std::string_view kCommandAppAbout =
    QT_TRANSLATE_NOOP("glyphon", "O &aplikaci WAP Glyphon");
inline constexpr std::string_view kCommandAppAboutPrompt = QT_TRANSLATE_NOOP(
    "glyphon", "Zobrazit informace o programu, číslo verze a copyright\nO aplikaci");

// The link toolbar (the web site button shows the program title).
inline constexpr std::string_view kCommandLinkWebSitePrompt =
    QT_TRANSLATE_NOOP("glyphon", "WAP Glyphon\nWAP Glyphon");
inline constexpr std::string_view kCommandLinkDownload = QT_TRANSLATE_NOOP("glyphon", "Stáhnout");
inline constexpr std::string_view kCommandLinkDownloadPrompt =
    QT_TRANSLATE_NOOP("glyphon", "Stáhnout\nStáhnout");

// Toolbar window titles (shown when a toolbar floats).
inline constexpr std::string_view kMainToolbarTitle = QT_TRANSLATE_NOOP("glyphon", "Nástroje");
inline constexpr std::string_view kLinkToolbarTitle = QT_TRANSLATE_NOOP("glyphon", "Odkazy");
inline constexpr std::string_view kDrawingToolbarTitle = QT_TRANSLATE_NOOP("glyphon", "Kreslení");

// Dialog titles and file filters.
inline constexpr std::string_view kOpenFileTitle = QT_TRANSLATE_NOOP("glyphon", "Otevřít soubor");
inline constexpr std::string_view kSaveAsTitle = QT_TRANSLATE_NOOP("glyphon", "Uložit jako");
inline constexpr std::string_view kAllSupportedFormats =
    QT_TRANSLATE_NOOP("glyphon", "Všechny podporované formáty");

// Prompts of the number dialog for the resize commands.
inline constexpr std::string_view kPromptPercentage =
    QT_TRANSLATE_NOOP("glyphon", "Zadejte poměr zvětšení:");
inline constexpr std::string_view kPromptHeight =
    QT_TRANSLATE_NOOP("glyphon", "Zadejte novou výšku (v pixelech):");
inline constexpr std::string_view kPromptWidth =
    QT_TRANSLATE_NOOP("glyphon", "Zadejte novou šířku (v pixelech):");

// Messages of the shell.
inline constexpr std::string_view kAskToSave = QT_TRANSLATE_NOOP("glyphon", "Uložit změny do %s?");
inline constexpr std::string_view kReplaceFile =
    QT_TRANSLATE_NOOP("glyphon", "%s již existuje.\nChcete jej nahradit?");
inline constexpr std::string_view kFolderUnusable =
    QT_TRANSLATE_NOOP("glyphon", "Složku '%s' nelze použít: %s");

// The buttons of the program's message boxes.
inline constexpr std::string_view kYesButton = QT_TRANSLATE_NOOP("glyphon", "&Ano");
inline constexpr std::string_view kNoButton = QT_TRANSLATE_NOOP("glyphon", "&Ne");

// The settings sheet and its folder page.
inline constexpr std::string_view kSettingsSheetTitle = QT_TRANSLATE_NOOP("glyphon", "Settings");
inline constexpr std::string_view kDirectoriesPage = QT_TRANSLATE_NOOP("glyphon", "Složky");
inline constexpr std::string_view kSaveFolderLabel =
    QT_TRANSLATE_NOOP("glyphon", "Složka pro ukládání");
inline constexpr std::string_view kWorkingFolderLabel =
    QT_TRANSLATE_NOOP("glyphon", "Pracovní složka");
inline constexpr std::string_view kBrowse = QT_TRANSLATE_NOOP("glyphon", "&Procházet...");

// The about box.
inline constexpr std::string_view kAboutVersion =
    QT_TRANSLATE_NOOP("glyphon", "WAP Glyphon verze 3.5");
inline constexpr std::string_view kAboutCopyright =
    QT_TRANSLATE_NOOP("glyphon", "Copyright © Vendra");
inline constexpr std::string_view kAboutContact =
    QT_TRANSLATE_NOOP("glyphon", "Web: www.vendra.cz\nE-mail: info@vendra.cz");

// Editing mode.
inline constexpr std::string_view kConvertBeforeEditing =
    QT_TRANSLATE_NOOP("glyphon", "Obrázek je nutné před editací zkonvertovat!");  // 59476
inline constexpr std::string_view kEditorUnavailable =
    QT_TRANSLATE_NOOP("glyphon", "Nebylo možné spustit editor!");  // 130

// Picture information (its title is kCaptionPictureInfo).
inline constexpr std::string_view kWidth = QT_TRANSLATE_NOOP("glyphon", "Šířka:");
inline constexpr std::string_view kHeight = QT_TRANSLATE_NOOP("glyphon", "Výška:");
inline constexpr std::string_view kInfoDepth =
    QT_TRANSLATE_NOOP("glyphon", "Barevná hloubka (bity na pixel):");
inline constexpr std::string_view kInfoSize = QT_TRANSLATE_NOOP("glyphon", "Velikost (bajty):");
inline constexpr std::string_view kInfoType = QT_TRANSLATE_NOOP("glyphon", "Typ:");

// New picture (with kWidth and kHeight).
inline constexpr std::string_view kNewPictureTitle = QT_TRANSLATE_NOOP("glyphon", "Nový obrázek");
inline constexpr std::string_view kByPhone = QT_TRANSLATE_NOOP("glyphon", "Podle telefonu");
inline constexpr std::string_view kInPixels = QT_TRANSLATE_NOOP("glyphon", "V pixelech");
inline constexpr std::string_view kRemovePhone = QT_TRANSLATE_NOOP("glyphon", "Odebrat telefon");
inline constexpr std::string_view kAddPhone = QT_TRANSLATE_NOOP("glyphon", "Přidat telefon");
inline constexpr std::string_view kRemovePhoneQuestion =
    QT_TRANSLATE_NOOP("glyphon", "Chcete odebrat vybraný telefon?");  // 129
inline constexpr std::string_view kChoosePhone =
    QT_TRANSLATE_NOOP("glyphon", "Vyberte telefon ze seznamu.");
inline constexpr std::string_view kPhoneUnreadable =
    QT_TRANSLATE_NOOP("glyphon", "Rozměry vybraného telefonu nelze přečíst. Vyberte jiný telefon.");

// New phone.
inline constexpr std::string_view kNewPhoneTitle = QT_TRANSLATE_NOOP("glyphon", "Nový telefon");
inline constexpr std::string_view kPhoneName = QT_TRANSLATE_NOOP("glyphon", "Jméno:");
inline constexpr std::string_view kDisplayWidth = QT_TRANSLATE_NOOP("glyphon", "Šířka displeje:");
inline constexpr std::string_view kDisplayHeight = QT_TRANSLATE_NOOP("glyphon", "Výška displeje:");

// Fit to a phone.
inline constexpr std::string_view kFitToPhoneTitle =
    QT_TRANSLATE_NOOP("glyphon", "Přizpůsobit na telefon");
inline constexpr std::string_view kChoosePhoneLabel =
    QT_TRANSLATE_NOOP("glyphon", "Zvolte telefon:");
inline constexpr std::string_view kChooseDisplayLabel =
    QT_TRANSLATE_NOOP("glyphon", "Nebo zvolte displej:");

// C array options, asked when Save As writes a C array.
inline constexpr std::string_view kCArrayTitle = QT_TRANSLATE_NOOP("glyphon", "Pole v jazyce C");
inline constexpr std::string_view kByteOrderGroup =
    QT_TRANSLATE_NOOP("glyphon", "Uspořádání bajtů");
inline constexpr std::string_view kLayoutHorizontal =
    QT_TRANSLATE_NOOP("glyphon", "Po řádcích, levý pixel v nejvyšším bitu");
inline constexpr std::string_view kLayoutVertical =
    QT_TRANSLATE_NOOP("glyphon", "Stránky po 8 řádcích, horní pixel v nejnižším bitu (SSD1306)");
inline constexpr std::string_view kLayoutXbm =
    QT_TRANSLATE_NOOP("glyphon", "Po řádcích, levý pixel v nejnižším bitu (XBM)");
inline constexpr std::string_view kInvertBits =
    QT_TRANSLATE_NOOP("glyphon", "Nastavený bit je černý pixel");

// The number dialog (its title is kProgramTitle).
inline constexpr std::string_view kNumberPrompt = QT_TRANSLATE_NOOP("glyphon", "Zadejte číslo:");

// The box dialog.
inline constexpr std::string_view kBoxTitle =
    QT_TRANSLATE_NOOP("glyphon", "Přizpůsobit na rozměry");
inline constexpr std::string_view kNewWidth = QT_TRANSLATE_NOOP("glyphon", "Nová šířka:");
inline constexpr std::string_view kNewHeight = QT_TRANSLATE_NOOP("glyphon", "Nová výška:");
inline constexpr std::string_view kIgnoreAspectRatio =
    QT_TRANSLATE_NOOP("glyphon", "Nezachovávat poměr stran");

// Checks of number fields.
inline constexpr std::string_view kEnterWholeNumber =
    QT_TRANSLATE_NOOP("glyphon", "Zadejte celé číslo.");
inline constexpr std::string_view kEnterNumberInRange =
    QT_TRANSLATE_NOOP("glyphon", "Zadejte celé číslo od %d do %d.");

// The split sheet (its browse button and format group show the batch
// sheet's "Procházet" and "Výstupní formát").
inline constexpr std::string_view kSplitSheetTitle =
    QT_TRANSLATE_NOOP("glyphon", "Rozdělit obrázek");
inline constexpr std::string_view kSplitPicturePage = QT_TRANSLATE_NOOP("glyphon", "Obrázek");
inline constexpr std::string_view kSplitWmlPage = QT_TRANSLATE_NOOP("glyphon", "WML stránka");
inline constexpr std::string_view kSplitSource = QT_TRANSLATE_NOOP("glyphon", "Zdrojový obrázek:");
inline constexpr std::string_view kSplitDimensions =
    QT_TRANSLATE_NOOP("glyphon", "Rozměry obrázku:");
inline constexpr std::string_view kSplitOutputFolder =
    QT_TRANSLATE_NOOP("glyphon", "Výstupní složka:");
inline constexpr std::string_view kSplitTileGroup = QT_TRANSLATE_NOOP("glyphon", "Velikost okénka");
inline constexpr std::string_view kSplitCustomSize =
    QT_TRANSLATE_NOOP("glyphon", "Vlastní velikost");
inline constexpr std::string_view kSplitDisplaySize =
    QT_TRANSLATE_NOOP("glyphon", "Podle displeje");
inline constexpr std::string_view kSplitTimes = QT_TRANSLATE_NOOP("glyphon", " x");
inline constexpr std::string_view kSplitCreatePages =
    QT_TRANSLATE_NOOP("glyphon", "Generovat WML stránky");
inline constexpr std::string_view kSplitSeparateFolder =
    QT_TRANSLATE_NOOP("glyphon", "Jiné umístění pro WML stránky");
inline constexpr std::string_view kSplitPrefix =
    QT_TRANSLATE_NOOP("glyphon", "Prefix pro zdroj obrázku");

// The status bar's pane for the picture: its size, depth and zoom
// ("96 × 60, 1 bit, 400 %"). The depth takes the form of its number.
inline constexpr std::string_view kStatusPicture =
    QT_TRANSLATE_NOOP("glyphon", "%d × %d, %s, %d %%");
inline constexpr std::string_view kStatusBitsOne = QT_TRANSLATE_NOOP("glyphon", "%d bit");
inline constexpr std::string_view kStatusBitsFew =
    QT_TRANSLATE_NOOP("glyphon", "%d bity");  // 2 to 4
inline constexpr std::string_view kStatusBitsMany = QT_TRANSLATE_NOOP("glyphon", "%d bitů");

// glyphon --help.
inline constexpr std::string_view kProgramUsage = QT_TRANSLATE_NOOP(
    "glyphon",
    "Použití: glyphon [--lang cs|en] [OBRÁZEK]\n"
    "\n"
    "WAP Glyphon převádí obrázky (BMP, WBMP, GIF, JPEG, PNG) na jednobitové obrázky\n"
    "WBMP pro telefony WAP, rozřeže velký obrázek na dílky se stránkami WML, převede\n"
    "mnoho souborů najednou a dovolí upravit výsledek bod po bodu. OBRÁZEK je soubor\n"
    "nebo adresa URL, kterou program otevře hned po spuštění.\n"
    "\n"
    "Volby:\n"
    "  --lang cs|en   jazyk programu (jinak podle proměnných LANGUAGE, LC_ALL,\n"
    "                 LC_MESSAGES a LANG: čeština pro české prostředí, jinak\n"
    "                 angličtina)\n"
    "  --help         vypíše tuto nápovědu a skončí\n"
    "  --version      vypíše verzi programu a skončí\n"
    "\n"
    "Převod bez okna nabízí glyphon-cli.\n");
// A --lang option the program does not know; %s is the option's text.
inline constexpr std::string_view kProgramBadLanguage =
    QT_TRANSLATE_NOOP("glyphon", "glyphon: %s\n");

}  // namespace app::ui::text
