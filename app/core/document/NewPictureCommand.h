#pragma once

#include <cstdint>
#include <vector>

#include "app/core/UserInterface.h"
#include "app/core/document/DocumentHost.h"
#include "app/core/document/PictureDocument.h"

// The New command after its dialog: a blank white picture of the chosen
// size becomes the document's picture and the codec's.
namespace app {

// The document takes a blank picture (from makeBlankPicture) and hands it
// to the codec through an exchange file ("TMPEdit<n>.bmp"); the zoom goes
// back to 1 and the document counts as modified. When the codec cannot
// load it the document ends empty (with a message). True when both hold it.
bool CreateBlankPicture(PictureDocument& document, DocumentHost& host, std::vector<uint8_t> blank);

// Builds the blank picture first, so that a size that cannot be made leaves
// the previous picture as it was (with a message). Otherwise: editing ends,
// the document is emptied and named save folder + "/Untitled.bmp" and takes
// the blank picture (CreateBlankPicture); the picture counts as black and
// white; it is saved under its name unless a file of that name already
// exists (a new picture never overwrites a file), editing mode starts, and
// the first Save of the document asks for a name. True when the document
// holds the new picture.
bool newPictureCommand(PictureDocument& document, DocumentHost& host, UserInterface& ui, int width,
                       int height);

}  // namespace app
