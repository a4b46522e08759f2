#include "app/ui/frame/MainWindowCommands.h"

#include <array>

#include "app/ui/Texts.h"
#include "app/ui/Translate.h"
#include "app/ui/frame/CommandIds.h"

namespace app::ui {
namespace {

constexpr std::array kCommands{
    // Soubor
    CommandDescription{ID_FILE_NEW, text::kCommandFileNew, text::kCommandFileNewPrompt},
    CommandDescription{ID_FILE_OPEN, text::kFrameworkOpen, text::kCommandFileOpenPrompt},
    CommandDescription{ID_FILE_OPEN_PICTURE, text::kCommandFileOpenPicture,
                       text::kCommandFileOpenPicturePrompt},
    CommandDescription{ID_FILE_SAVE, text::kCommandFileSave, text::kCommandFileSavePrompt},
    CommandDescription{ID_FILE_SAVE_AS, text::kCommandFileSaveAs, text::kCommandFileSaveAsPrompt},
    CommandDescription{ID_DOWNLOAD, text::kCommandDownload, text::kCommandDownloadPrompt},
    CommandDescription{ID_SPLIT, text::kCommandSplit, text::kCommandSplitPrompt},
    CommandDescription{ID_BATCH, text::kCommandBatch, text::kCommandBatchPrompt},
    CommandDescription{ID_FILE_PRINT, text::kCommandFilePrint, text::kCommandFilePrintPrompt},
    CommandDescription{ID_FILE_PRINT_DIRECT, text::kCommandFilePrintDirect,
                       text::kCommandFilePrintPrompt},
    CommandDescription{ID_FILE_PRINT_PREVIEW, text::kCommandFilePrintPreview,
                       text::kCommandFilePrintPreviewPrompt},
    CommandDescription{ID_FILE_PRINT_SETUP, text::kCommandFilePrintSetup,
                       text::kCommandFilePrintSetupPrompt},
    CommandDescription{ID_FILE_MRU_FILE1, {}, text::kCommandRecentFilePrompt},
    CommandDescription{ID_FILE_MRU_FILE2, {}, text::kCommandRecentFilePrompt},
    CommandDescription{ID_FILE_MRU_FILE3, {}, text::kCommandRecentFilePrompt},
    CommandDescription{ID_FILE_MRU_FILE4, {}, text::kCommandRecentFilePrompt},
    CommandDescription{ID_APP_EXIT, text::kCommandAppExit, text::kCommandAppExitPrompt},
    // Upravit
    CommandDescription{ID_EDIT_UNDO, text::kCommandEditUndo, text::kCommandEditUndoPrompt},
    CommandDescription{ID_EDIT_CUT, text::kCommandEditCut, text::kCommandEditCutPrompt},
    CommandDescription{ID_EDIT_COPY, text::kCommandEditCopy, text::kCommandEditCopyPrompt},
    CommandDescription{ID_EDIT_PASTE, text::kCommandEditPaste, text::kCommandEditPastePrompt},
    // Kreslení
    CommandDescription{ID_DRAW_EDITING, text::kCommandDrawEditing, text::kCommandDrawEditingPrompt},
    CommandDescription{ID_DRAW_GRID, text::kCommandDrawGrid, text::kCommandDrawGridPrompt},
    CommandDescription{ID_DRAW_TOOLBAR, text::kCommandDrawToolbar, text::kCommandDrawToolbarPrompt},
    CommandDescription{ID_DRAW_CLEAR, text::kCommandDrawClear, text::kCommandDrawClearPrompt},
    CommandDescription{ID_DRAW_INVERT, text::kCommandDrawInvert, text::kCommandDrawInvertPrompt},
    CommandDescription{ID_DRAW_PENCIL, text::kCommandDrawPencil, text::kCommandDrawPencilPrompt},
    CommandDescription{ID_DRAW_ERASER, text::kCommandDrawEraser, text::kCommandDrawEraserPrompt},
    CommandDescription{ID_DRAW_LINE_WIDTH_1, text::kCommandDrawLineWidth1,
                       text::kCommandDrawLineWidth1Prompt},
    CommandDescription{ID_DRAW_LINE_WIDTH_2, text::kCommandDrawLineWidth2,
                       text::kCommandDrawLineWidth2Prompt},
    CommandDescription{ID_DRAW_LINE_WIDTH_3, text::kCommandDrawLineWidth3,
                       text::kCommandDrawLineWidth3Prompt},
    CommandDescription{ID_DRAW_LINE, text::kCommandDrawLine, text::kCommandDrawLinePrompt},
    CommandDescription{ID_DRAW_RECTANGLE, text::kCommandDrawRectangle,
                       text::kCommandDrawRectanglePrompt},
    CommandDescription{ID_DRAW_ELLIPSE, text::kCommandDrawEllipse, text::kCommandDrawEllipsePrompt},
    CommandDescription{ID_DRAW_FILL, text::kCommandDrawFill, text::kCommandDrawFillPrompt},
    CommandDescription{ID_DRAW_TEXT, text::kCommandDrawText, text::kCommandDrawTextPrompt},
    CommandDescription{ID_DRAW_SELECT, text::kCommandDrawSelect, text::kCommandDrawSelectPrompt},
    CommandDescription{ID_DRAW_COPY_SELECTION, text::kCommandDrawCopySelection,
                       text::kCommandDrawCopySelectionPrompt},
    CommandDescription{ID_DRAW_MOVE, text::kCommandDrawMove, text::kCommandDrawMovePrompt},
    // Zobrazit
    CommandDescription{ID_VIEW_TOOLBAR, text::kCommandViewToolbar, text::kCommandViewToolbarPrompt},
    CommandDescription{ID_VIEW_STATUS_BAR, text::kCommandViewStatusBar,
                       text::kCommandViewStatusBarPrompt},
    // Zvětšení
    CommandDescription{ID_ZOOM_IN, text::kCommandZoomIn, text::kCommandZoomInPrompt},
    CommandDescription{ID_ZOOM_OUT, text::kCommandZoomOut, text::kCommandZoomOutPrompt},
    CommandDescription{ID_ZOOM_MAX, text::kCommandZoomMax, text::kCommandZoomMaxPrompt},
    CommandDescription{ID_CANCEL_ZOOM, text::kCommandCancelZoom, text::kCommandCancelZoomPrompt},
    CommandDescription{ID_FIT_TO_BOX, text::kCommandFitToBox, text::kCommandFitToBoxPrompt},
    CommandDescription{ID_FIT_TO_PHONE, text::kCommandFitToPhone, text::kCommandFitToPhonePrompt},
    CommandDescription{ID_RESIZE_PERCENT, text::kCommandResizePercent,
                       text::kCommandResizePercentPrompt},
    CommandDescription{ID_SET_HEIGHT, text::kCommandSetHeight, text::kCommandSetHeightPrompt},
    CommandDescription{ID_SET_WIDTH, text::kCommandSetWidth, text::kCommandSetWidthPrompt},
    CommandDescription{ID_PICTURE_INFO, text::kCommandPictureInfo, text::kCommandPictureInfoPrompt},
    CommandDescription{ID_CONVERT_BW, text::kCommandConvertBw, text::kCommandConvertBwPrompt},
    CommandDescription{ID_CONVERSION_SETTINGS, text::kCommandConversionSettings,
                       text::kCommandConversionSettingsPrompt},
    // Nastavení
    CommandDescription{ID_SETTINGS, text::kCommandSettings, text::kCommandSettingsPrompt},
    // Nápověda
    CommandDescription{ID_HELP_CONTENTS, text::kCommandHelpContents,
                       text::kCommandHelpContentsPrompt},
    CommandDescription{ID_WEB_SITE, text::kCommandWebSite, text::kCommandWebSitePrompt},
    CommandDescription{ID_DOWNLOAD_NEW_VERSION, text::kCommandDownloadNewVersion,
                       text::kCommandDownloadNewVersionPrompt},
    CommandDescription{ID_APP_ABOUT, text::kCommandAppAbout, text::kCommandAppAboutPrompt},
    // Link toolbar
    CommandDescription{ID_LINK_WEB_SITE, text::kProgramTitle.source(),
                       text::kCommandLinkWebSitePrompt},
    CommandDescription{ID_LINK_DOWNLOAD, text::kCommandLinkDownload,
                       text::kCommandLinkDownloadPrompt},
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
        // The keypad's + and - as the program has them. Some platforms drop
        // the keypad flag before shortcuts are matched, so the plain keys
        // are listed too (they are the same keys there); Ctrl with +, =,
        // - and 0 zoom as in other programs.
        case ID_ZOOM_IN:
            return keys({Qt::KeypadModifier | Qt::Key_Plus, QKeyCombination(Qt::Key_Plus),
                         Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal});
        case ID_ZOOM_OUT:
            return keys({Qt::KeypadModifier | Qt::Key_Minus, QKeyCombination(Qt::Key_Minus),
                         Qt::CTRL | Qt::Key_Minus});
        case ID_CANCEL_ZOOM:
            return keys({Qt::CTRL | Qt::Key_0});
        default:
            return {};
    }
}

PromptParts splitPrompt(std::string_view prompt) {
    const QString whole = translate(prompt);
    const qsizetype newline = whole.indexOf(QLatin1Char('\n'));
    if (newline < 0)
        return {whole, {}};
    return {whole.left(newline), whole.mid(newline + 1)};
}

}  // namespace app::ui
