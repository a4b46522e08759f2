#include "app/ui/frame/CMainFrameCommands.h"

#include <array>

#include "app/ui/frame/CommandIds.h"

namespace app::ui {
namespace {

constexpr std::array kCommands{
    // Soubor
    CommandDescription{ID_FILE_NEW, "&Nový\tCtrl+N", "Vytvořit nový obrázek\nNový"},
    CommandDescription{ID_FILE_OPEN, "Otevřít", "Otevřít existující dokument\nOtevřít"},
    CommandDescription{ID_FILE_OPEN_PICTURE, "&Otevřít...\tCtrl+O", "Otevřít obrázek\nOtevřít"},
    CommandDescription{ID_FILE_SAVE, "&Uložit\tCtrl+S", "Uložit aktivní dokument\nUložit"},
    CommandDescription{ID_FILE_SAVE_AS, "Uložit j&ako...",
                       "Uložit aktivní dokument pod novým jménem\nUložit jako"},
    CommandDescription{ID_DOWNLOAD, "S&táhnout z Internetu...\tCtrl+T",
                       "Stáhnout obrázek z Internetu\nStáhnout z internetu"},
    CommandDescription{ID_SPLIT, "&Rozdělit obrázek...",
                       "Rozdělit obrázek na menší části\nRozdělit"},
    CommandDescription{ID_BATCH, "&Dávkové zpracování...\tCtrl+D",
                       "Dávkové zpracování více souborů\nDávková konverze"},
    CommandDescription{ID_FILE_PRINT, "&Tisk...\tCtrl+P", "Vytisknout aktivní dokument\nTisk"},
    CommandDescription{ID_FILE_PRINT_DIRECT, "Tisk", "Vytisknout aktivní dokument\nTisk"},
    CommandDescription{ID_FILE_PRINT_PREVIEW, "Ná&hled tisku",
                       "Zobrazit celé stránky\nNáhled tisku"},
    CommandDescription{ID_FILE_PRINT_SETUP, "Nastavení tis&kárny...",
                       "Změnit tiskárnu a možnosti tisku\nNastavení tisku"},
    CommandDescription{ID_FILE_MRU_FILE1, "", "Otevřít tento dokument"},
    CommandDescription{ID_FILE_MRU_FILE2, "", "Otevřít tento dokument"},
    CommandDescription{ID_FILE_MRU_FILE3, "", "Otevřít tento dokument"},
    CommandDescription{ID_FILE_MRU_FILE4, "", "Otevřít tento dokument"},
    CommandDescription{ID_APP_EXIT, "&Konec", "Ukončit aplikaci; nabídne uložení dokumentů\nKonec"},
    // Upravit
    CommandDescription{ID_EDIT_UNDO, "&Zpět\tCtrl+Z", "Vrátit zpět poslední akci\nZpět"},
    CommandDescription{ID_EDIT_CUT, "Vyj&mout\tCtrl+X",
                       "Vyjmout obrázek a vložit jej do schránky\nVyjmout"},
    CommandDescription{ID_EDIT_COPY, "&Kopírovat\tCtrl+C",
                       "Kopírovat obrázek do schránky\nKopírovat"},
    CommandDescription{ID_EDIT_PASTE, "V&ložit\tCtrl+V", "Vložit obsah schránky\nVložit"},
    // Kreslení
    CommandDescription{ID_DRAW_EDITING, "&Editace", "Zapnout editaci\nEditace"},
    CommandDescription{ID_DRAW_GRID, "&Mřížka", "Zobrazit mřížku\nZobrazit mřížku"},
    CommandDescription{ID_DRAW_TOOLBAR, "&Kreslící nástroje",
                       "Zobrazit nástrojovou lištu pro kreslení\nNástrojová lišta pro kreslení"},
    CommandDescription{ID_DRAW_CLEAR, "&Smazat plochu",
                       "Smazat kreslicí polochu\nSmazat kreslicí plochu"},
    CommandDescription{ID_DRAW_INVERT, "&Inverze barev",
                       "Zaměnit černou barvu za bílou a naopak\nInvertovat barvy"},
    CommandDescription{ID_DRAW_PENCIL, "&Tužka", "Aktivovat kreslení tužkou\nKreslení tužkou"},
    CommandDescription{ID_DRAW_ERASER, "&Guma", "Aktivovat mazání gumou\nMazání"},
    CommandDescription{ID_DRAW_LINE_WIDTH_1, "&Tenká", "Zvolit tenkou čáru\nTenká čára"},
    CommandDescription{ID_DRAW_LINE_WIDTH_2, "&Střední",
                       "Zvolit středně tlustou čáru\nStředně tlustá čára"},
    CommandDescription{ID_DRAW_LINE_WIDTH_3, "T&lustá", "Zvolit tlustou čáru\nTlustá čára"},
    CommandDescription{ID_DRAW_LINE, "Čár&a", "Kreslit čáru\nČára"},
    CommandDescription{ID_DRAW_RECTANGLE, "&Obdélník", "Kreslit pravoúhlé tvary\nObdélník"},
    CommandDescription{ID_DRAW_ELLIPSE, "&Elipsa", "Kreslit elipsu nebo kružnici\nElipsa"},
    CommandDescription{ID_DRAW_FILL, "&Vyplnit barvou",
                       "Vyplnit uzavřenou oblast barvou\nVyplnit barvou"},
    CommandDescription{ID_DRAW_TEXT, "Psát te&xt", "Psát text\nPsát text"},
    CommandDescription{ID_DRAW_SELECT, "O&značit oblast",
                       "Označit oblast pro kopírování nebo přesouvání\nOznačit oblast"},
    CommandDescription{ID_DRAW_COPY_SELECTION, "&Kopírovat",
                       "Kopírovat označenou oblast\nKopírovat"},
    CommandDescription{ID_DRAW_MOVE, "&Přesunout", "Přesunout označenou oblast\nPřesunout"},
    // Zobrazit
    CommandDescription{ID_VIEW_TOOLBAR, "&Nástroje",
                       "Zobrazit nebo skrýt nástrojovou lištu\nPřepnout nástrojovou lištu"},
    CommandDescription{ID_VIEW_STATUS_BAR, "&Stavový řádek",
                       "Zobrazit nebo skrýt stavový řádek\nPřepnout stavový řádek"},
    // Zvětšení
    CommandDescription{ID_ZOOM_IN, "Z&většit\tNum +", "Zvětšit obrázek\nZvětšit"},
    CommandDescription{ID_ZOOM_OUT, "Z&menšit\tNum -", "Zmenšit obrázek\nZmenšit"},
    CommandDescription{ID_ZOOM_MAX, "Na &maximum\tCtrl+M",
                       "Zvětšit pohled na maximum\nMaximalizovat"},
    CommandDescription{ID_CANCEL_ZOOM, "Zr&ušit zvětšení", "Zrušit zvětšení pohledu"},
    CommandDescription{ID_FIT_TO_BOX, "Do &okna", "Přizpůsobit obrázek do okna"},
    CommandDescription{ID_FIT_TO_PHONE, "Na &telefon", "Přizpůsobit obrázek na telefon"},
    CommandDescription{ID_RESIZE_PERCENT, "&Procentuálně", "Změnit velikost na zadaný poměr"},
    CommandDescription{ID_SET_HEIGHT, "Nastavit &výšku",
                       "Změnit velikost na zadanou výšku, zachovává poměr stran"},
    CommandDescription{ID_SET_WIDTH, "Nastavit &šířku",
                       "Změnit velikost na zadanou šířku, zachovává poměr stran"},
    CommandDescription{ID_PICTURE_INFO, "&Informace o obrázku\tCtrl+I",
                       "Zobrazit informace o obrázku\nInformace o obrázku"},
    CommandDescription{ID_CONVERT_BW, "Převést do &černobíla",
                       "Převést do černobíla\nDo černobíla"},
    CommandDescription{ID_CONVERSION_SETTINGS, "&Podrobné nastavení",
                       "Nastavení parametrů konverze s náhledem"},
    // Nastavení
    CommandDescription{ID_SETTINGS, "&Preference\tCtrl+U",
                       "Základní uživatelské nastavení\nNastavení"},
    // Nápověda
    CommandDescription{ID_HELP_CONTENTS, "&Obsah", "Zobrazit nápovědu"},
    CommandDescription{ID_WEB_SITE, "&Webové stránky WAP Glyphon",
                       "Navštívit webové stránky WAP Glyphon\nWebové stránky"},
    CommandDescription{ID_DOWNLOAD_NEW_VERSION, "&Stáhnout novou verzi",
                       "Stáhnout novou verzi WAPGlyphon Desktop"},
    CommandDescription{ID_APP_ABOUT, "O &aplikaci WAP Glyphon",
                       "Zobrazit informace o programu, číslo verze a copyright\nO aplikaci"},
    // Link toolbar
    CommandDescription{ID_LINK_WEB_SITE, "WAP Glyphon", "WAP Glyphon\nWAP Glyphon"},
    CommandDescription{ID_LINK_DOWNLOAD, "Stáhnout", "Stáhnout\nStáhnout"},
};

}  // namespace

std::span<const CommandDescription> commandDescriptions() {
    return kCommands;
}

QList<QKeySequence> acceleratorsOf(int commandId) {
    const auto keys = [](std::initializer_list<QKeyCombination> list) {
        QList<QKeySequence> sequences;
        for (const QKeyCombination key : list)
            sequences.append(QKeySequence(key));
        return sequences;
    };
    switch (commandId) {
        case ID_EDIT_COPY:
            return keys({Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_Insert});
        case ID_EDIT_CUT:
            return keys({Qt::CTRL | Qt::Key_X, Qt::SHIFT | Qt::Key_Delete});
        case ID_EDIT_PASTE:
            return keys({Qt::CTRL | Qt::Key_V, Qt::SHIFT | Qt::Key_Insert});
        case ID_EDIT_UNDO:
            return keys({Qt::CTRL | Qt::Key_Z, QKeyCombination(Qt::Key_Backspace),
                         Qt::ALT | Qt::Key_Backspace});
        case ID_FILE_NEW:
            return keys({Qt::CTRL | Qt::Key_N});
        case ID_FILE_OPEN:
            return keys({Qt::CTRL | Qt::Key_O});
        case ID_FILE_SAVE:
            return keys({Qt::CTRL | Qt::Key_S});
        case ID_FILE_PRINT:
            return keys({Qt::CTRL | Qt::Key_P});
        case ID_BATCH:
            return keys({Qt::CTRL | Qt::Key_D});
        case ID_DOWNLOAD:
            return keys({Qt::CTRL | Qt::Key_T});
        case ID_PICTURE_INFO:
            return keys({Qt::CTRL | Qt::Key_I});
        case ID_ZOOM_MAX:
            return keys({Qt::CTRL | Qt::Key_M});
        case ID_SETTINGS:
            return keys({Qt::CTRL | Qt::Key_U});
        case ID_ZOOM_IN:
            return keys({Qt::KeypadModifier | Qt::Key_Plus});
        case ID_ZOOM_OUT:
            return keys({Qt::KeypadModifier | Qt::Key_Minus});
        default:
            return {};
    }
}

PromptParts splitPrompt(const char* prompt) {
    const QString whole = QString::fromUtf8(prompt);
    const qsizetype newline = whole.indexOf(QLatin1Char('\n'));
    if (newline < 0)
        return {whole, {}};
    return {whole.left(newline), whole.mid(newline + 1)};
}

}  // namespace app::ui
