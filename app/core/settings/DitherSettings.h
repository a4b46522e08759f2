#pragma once

#include "app/core/settings/StoredSettings.h"
#include "bitmap/dither/DitherOptions.h"
#include "bitmap/formats/OneBitFiles.h"

// The dithering settings added beside the classic method and threshold,
// each under a value name of its own in the group "Settings". The classic
// "IxDithering" keeps its meaning (0..4): for a newer method it holds the
// classic method closest to it, and "DitheringMethod" names the method.
namespace app {

struct DitherSettings {
    int method = 0;
    bitmap::DitherOptions options;
    bitmap::CArrayOptions cArray;
};

// Reads what the store holds; the classic method is `classicMethod` (the
// value of "IxDithering") unless "DitheringMethod" names a newer method
// whose closest classic method it is (a program that knows only the
// classic methods may have changed "IxDithering" since). Values that are
// missing or out of range keep their defaults.
DitherSettings readDitherSettings(const StoredSettings& store, int classicMethod);

// Writes the new values (removing those at their defaults), and
// "IxDithering" as the classic method closest to settings.method (a number
// that is no method is written as it is).
void writeDitherSettings(StoredSettings& store, const DitherSettings& settings);

}  // namespace app
