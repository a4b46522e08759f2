#pragma once

#include "app/core/CMFCTest2Doc.h"
#include "app/core/DocumentHost.h"
#include "app/core/UserInterface.h"

// The New command after its dialog: a blank white picture of the chosen
// size becomes the document's picture and the codec's.
namespace app {

// Builds the blank picture first, so that a size that cannot be made leaves
// the previous picture as it was (with a message). Otherwise: editing ends,
// the document is emptied and named save folder + "/Untitled.bmp", takes the
// blank picture and hands it to the codec through an exchange file
// ("TMPEdit<n>.bmp", deleted once loaded); the picture counts as black and
// white; it is saved under its name unless a file of that name already
// exists (a new picture never overwrites a file), and the first Save of the
// document asks for a name. True when the document holds the new picture.
bool newPictureCommand(CMFCTest2Doc& document, DocumentHost& host, UserInterface& ui, int width,
                       int height);

}  // namespace app
