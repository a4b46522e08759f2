#include "batch/core/BatchSheetRules.h"

namespace batch {

ResizeControls resizeControls(bool resizeEnabled, ResizeMode mode) {
    if (!resizeEnabled)
        return {};
    return {true, mode == ResizeMode::box, mode == ResizeMode::phone};
}

WmlControls wmlControls(bool createPages, const WmlPageOptions& options) {
    if (!createPages)
        return {};
    WmlControls controls;
    controls.prefixCheck = true;
    controls.prefixEdit = options.prefixEnabled;
    controls.separateFolderCheck = true;
    controls.folderEditAndBrowse = options.separateFolder;
    controls.altTextButtons = true;
    controls.customAltTextEdit = options.altTextMode == 1;
    return controls;
}

int openingPhoneIndex(int phoneIndex, int phoneCount) {
    return phoneIndex >= 0 && phoneIndex < phoneCount ? phoneIndex : 0;
}

}  // namespace batch
