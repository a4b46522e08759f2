#pragma once

// The numeric ids of the program's commands: menu items, toolbar buttons
// and accelerators. Every command is one QAction carrying its id, so tests
// and the update rules can name a command by number.
namespace app::ui {

enum CommandId : int {
    // File
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,  // the framework's open (Ctrl+O)
    ID_FILE_OPEN_PICTURE = 32787,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_DIRECT = 57608,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_MRU_FILE1 = 57616,
    ID_FILE_MRU_FILE2 = 57617,
    ID_FILE_MRU_FILE3 = 57618,
    ID_FILE_MRU_FILE4 = 57619,
    ID_APP_EXIT = 57665,

    // Edit
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_UNDO = 57643,

    // Zoom and picture
    ID_ZOOM_IN = 32781,
    ID_ZOOM_OUT = 32782,
    ID_ZOOM_MAX = 32783,
    ID_CANCEL_ZOOM = 32811,
    ID_PICTURE_INFO = 32785,
    ID_CONVERT_BW = 32788,
    ID_RESIZE_PERCENT = 32803,
    ID_SET_WIDTH = 32805,
    ID_SET_HEIGHT = 32807,
    ID_FIT_TO_BOX = 32812,
    ID_FIT_TO_PHONE = 32813,
    ID_CONVERSION_SETTINGS = 32814,

    // Tools
    ID_BATCH = 32795,
    ID_DOWNLOAD = 32797,
    ID_SPLIT = 32802,
    ID_SETTINGS = 32771,

    // Help and links
    ID_APP_ABOUT = 57664,
    ID_HELP_CONTENTS = 32868,
    ID_WEB_SITE = 32864,
    ID_DOWNLOAD_NEW_VERSION = 32865,
    ID_LINK_WEB_SITE = 32819,
    ID_LINK_DOWNLOAD = 32820,

    // Window
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,

    // Editing mode
    ID_DRAW_GRID = 32840,
    ID_DRAW_EDITING = 32841,
    ID_DRAW_CLEAR = 32842,
    ID_DRAW_LINE_WIDTH_1 = 32845,
    ID_DRAW_ERASER = 32846,
    ID_DRAW_PENCIL = 32847,
    ID_DRAW_LINE_WIDTH_2 = 32848,
    ID_DRAW_LINE_WIDTH_3 = 32849,
    ID_DRAW_TOOLBAR = 32850,
    ID_DRAW_INVERT = 32851,
    ID_DRAW_RECTANGLE = 32855,
    ID_DRAW_ELLIPSE = 32856,
    ID_DRAW_FILL = 32857,
    ID_DRAW_SELECT = 32858,
    ID_DRAW_COPY_SELECTION = 32859,
    ID_DRAW_MOVE = 32860,
    ID_DRAW_TEXT = 32861,
    ID_DRAW_LINE = 32862,
};

}  // namespace app::ui
