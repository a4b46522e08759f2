#pragma once

#include "batch/core/BatchSettings.h"

// Which controls of the batch sheet's pages can be used, and the limits
// their numbers must keep.
namespace batch {

inline constexpr int kMaxBoxWidth = 1280;
inline constexpr int kMaxBoxHeight = 1024;

// The settings page's resize controls.
struct ResizeControls {
    bool modeButtons = false;  // "Přizpůsobit do okna" / "Přizpůsobit pro telefon:"
    bool boxEdits = false;     // box width and height
    bool phoneList = false;
};
// Resizing off greys them all; on, the box edits go with the box mode and
// the phone list with the phone mode.
ResizeControls resizeControls(bool resizeEnabled, ResizeMode mode);

// The WML page's controls apart from "Vytvořit WML stránky" itself.
struct WmlControls {
    bool prefixCheck = false;
    bool prefixEdit = false;
    bool separateFolderCheck = false;
    bool folderEditAndBrowse = false;
    bool altTextButtons = false;
    bool customAltTextEdit = false;
};
// Without pages everything else is greyed; with pages, each edit follows
// its own check box or button.
WmlControls wmlControls(bool createPages, const WmlPageOptions& options);

// The phone the settings page's list shows when it opens: the phone chosen
// last time while the table still lists it, otherwise the first.
int openingPhoneIndex(int phoneIndex, int phoneCount);

}  // namespace batch
