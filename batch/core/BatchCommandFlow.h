#pragma once

#include <functional>
#include <string>

#include "app/core/UserInterface.h"
#include "app/core/settings/AppSettings.h"
#include "batch/core/BatchSettings.h"

// The batch command up to the start of the run: the sheet's starting
// values, the values it gives back, and the round trip between the sheet,
// the empty-list box and the confirmation box.
namespace batch {

// What the program keeps for the batch command while it runs.
struct BatchProgramState {
    BatchSettings settings;
    // The folder files were last added from.
    std::string lastAddFolder;
    // The file list of the last run when some of it failed: the next
    // command starts with it, so the failed entries can be tried again.
    std::string keptFileList;
};

// The values of one command that are not bound to the settings: the
// settings page's output folder and flags, the dithering page's values and
// the file list. A new command starts them afresh.
struct BatchSheetValues {
    std::string outputFolder;
    int ditheringMethod = 0;
    int threshold = 128;
    bool stopOnError = false;
    bool waitForConfirmation = false;
    std::string fileList;  // every entry followed by "\n"
};

// Prepares the settings and the sheet's values before the first showing:
// an empty output folder takes the program's save folder, an empty WML
// folder the output folder, and the dithering values left to the program
// (-1) take its current method and threshold.
BatchSheetValues openingSheetValues(BatchSettings& settings, const app::AppSettings& program);

// After OK: the output folder and the dithering values go back into the
// settings (the pages store the others themselves).
void storeSheetValues(BatchSettings& settings, const BatchSheetValues& values);

// Shows the sheet (true for OK) until the user starts the run or gives up.
// OK with an empty list shows the no-files box and gives up; output folders
// that are missing (and not created when offered) or unusable go back to the
// sheet; with the confirmation asked for, Cancel in its box goes back to the
// sheet with the values as they stand. True when the run should start.
bool chooseBatchRun(BatchSettings& settings, BatchSheetValues& values, app::UserInterface& ui,
                    const std::function<bool(BatchSheetValues&)>& showSheet);

}  // namespace batch
