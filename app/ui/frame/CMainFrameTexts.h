#pragma once

// The main window's texts (UTF-8): menu items, status-bar prompts and
// tooltips, dialog titles and file filters, and the shell's messages.
namespace app::ui::frametext {

inline constexpr const char* kProgramTitle = "WAP Glyphon";
inline constexpr const char* kReady = "Připraven";
inline constexpr const char* kUntitled = "Untitled";

// Status-bar lock indicators.
inline constexpr const char* kCapsLock = "CAP";
inline constexpr const char* kNumLock = "NUM";
inline constexpr const char* kScrollLock = "SCRL";

// Top-level menus.
inline constexpr const char* kMenuFile = "&Soubor";
inline constexpr const char* kMenuEdit = "&Upravit";
inline constexpr const char* kMenuDrawing = "&Kreslení";
inline constexpr const char* kMenuView = "&Zobrazit";
inline constexpr const char* kMenuZoom = "Z&většení";
inline constexpr const char* kMenuSettings = "&Nastavení";
inline constexpr const char* kMenuHelp = "&Nápověda";
// Submenus.
inline constexpr const char* kMenuFit = "&Přizpůsobit";
inline constexpr const char* kMenuResize = "Změ&nit velikost";
inline constexpr const char* kMenuLineWidth = "Šíř&ka čáry";
inline constexpr const char* kMenuShapes = "Tva&ry";
// The place of the recent-file list while it is empty.
inline constexpr const char* kRecentFilePlaceholder = "Poslední soubor";

// Toolbar window titles (shown when a toolbar floats).
inline constexpr const char* kMainToolbarTitle = "Nástroje";
inline constexpr const char* kLinkToolbarTitle = "Odkazy";
inline constexpr const char* kDrawingToolbarTitle = "Kreslení";

// Dialog titles and file filters.
inline constexpr const char* kOpenFileTitle = "Otevřít soubor";
inline constexpr const char* kFrameworkOpenTitle = "Otevřít";
inline constexpr const char* kSaveAsTitle = "Uložit jako";
inline constexpr const char* kAllSupportedFormats = "Všechny podporované formáty";
inline constexpr const char* kAllFiles = "Všechny soubory";

// Prompts of the number dialog for the resize commands.
inline constexpr const char* kPromptPercentage = "Zadejte poměr zvětšení:";
inline constexpr const char* kPromptHeight = "Zadejte novou výšku (v pixelech):";
inline constexpr const char* kPromptWidth = "Zadejte novou šířku (v pixelech):";

// Messages of the shell.
inline constexpr const char* kAskToSave = "Uložit změny do %s?";
inline constexpr const char* kReplaceFile = "%s již existuje.\nChcete jej nahradit?";
inline constexpr const char* kFolderUnusable = "Složku '%s' nelze použít: %s";

// The settings sheet and its folder page.
inline constexpr const char* kSettingsSheetTitle = "Settings";
inline constexpr const char* kDirectoriesPage = "Složky";
inline constexpr const char* kSaveFolderLabel = "Složka pro ukládání";
inline constexpr const char* kWorkingFolderLabel = "Pracovní složka";
inline constexpr const char* kBrowse = "&Procházet...";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kCancel = "Storno";

// The about box.
inline constexpr const char* kAboutVersion = "WAP Glyphon verze 3.5";
inline constexpr const char* kAboutCopyright = "Copyright © Vendra";
inline constexpr const char* kAboutContact = "Web: www.vendra.cz\nE-mail: info@vendra.cz";

}  // namespace app::ui::frametext
