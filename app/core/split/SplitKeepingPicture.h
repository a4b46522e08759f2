#pragma once

#include "app/core/split/SplitCommand.h"

namespace app {

// Runs the split command (see runSplitCommand) so that the document comes
// out of it as it went in: its picture, and with it the black-and-white and
// modified flags, which the preparation of the tiles changed on the way.
// When the split fails after the picture was prepared, the picture kept
// aside for the command is put back as well, instead of leaving the
// document with the resized black-and-white copy made for the tiles.
bool runSplitKeepingPicture(PictureDocument& document, UserInterface& ui, SplitSettings& split,
                            codec::FormatCode format, int pictureWidth, int pictureHeight);

}  // namespace app
