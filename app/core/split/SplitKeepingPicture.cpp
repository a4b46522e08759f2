#include "app/core/split/SplitKeepingPicture.h"

#include <cstdio>

#include "base/FileIO.h"

namespace app {

bool runSplitKeepingPicture(PictureDocument& document, UserInterface& ui, SplitSettings& split,
                            codec::FormatCode format, int pictureWidth, int pictureHeight) {
    const bool monochrome = document.isMonochrome();
    const bool modified = document.isModified();
    // Where the split command keeps the picture while it prepares the tiles;
    // it removes the file once the picture is back.
    const std::string keptPicture = document.settings().exchangeFolder() + "/TMPSplitSave.bmp";
    // A copy left over from an earlier run is not this picture.
    std::remove(keptPicture.c_str());

    const bool written = runSplitCommand(document, ui, split, format, pictureWidth, pictureHeight);
    bool restored = written;
    if (!written && bitmap::fileExists(keptPicture)) {
        restored =
            document.codec().loadBmp(keptPicture) != 0 && document.reloadFromCodec() == result::kOk;
        if (restored)
            std::remove(keptPicture.c_str());
    }
    if (restored) {
        document.setMonochrome(monochrome);
        document.setModified(modified);
    }
    return written;
}

}  // namespace app
