#pragma once

#include <string>
#include <vector>

#include "app/core/UserInterface.h"
#include "batch/core/BatchSettings.h"

// The folders a batch run writes into, checked before the first picture is
// converted: a run into a folder that is not there would fail on every
// entry, one save error after another.
namespace batch {

// The folders the settings write into: the output folder and, when the
// pages go elsewhere, the WML folder. Empty texts (the current folder) and
// repeats are left out.
std::vector<std::string> outputFolders(const BatchSettings& settings);

// Makes sure every output folder can take the run's files. A missing folder
// is offered for creating (No leaves it missing); one that cannot be made or
// used is reported. True when all of them are ready.
bool prepareOutputFolders(const BatchSettings& settings, app::UserInterface& ui);

}  // namespace batch
