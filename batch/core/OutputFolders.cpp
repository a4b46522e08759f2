#include "batch/core/OutputFolders.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "app/core/TextFormat.h"
#include "app/core/settings/Preferences.h"
#include "batch/core/Texts.h"

namespace batch {

std::vector<std::string> outputFolders(const BatchSettings& settings) {
    std::vector<std::string> folders;
    const auto add = [&folders](const std::string& folder) {
        if (!folder.empty() && std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(folder);
    };
    add(settings.outputFolder);
    if (settings.createWmlPages && settings.wml.separateFolder)
        add(settings.wml.folder);
    return folders;
}

bool prepareOutputFolders(const BatchSettings& settings, app::UserInterface& ui) {
    for (const std::string& folder : outputFolders(settings)) {
        std::error_code error;
        if (!std::filesystem::exists(folder, error)) {
            if (!ui.askYesNo(app::formatText(text::kOutputFolderMissing, {folder}),
                             std::string(app::text::kCaptionCreateFolder),
                             app::MessageIcon::question))
                return false;
            std::filesystem::create_directories(folder, error);
        }
        if (const auto problem = app::folderProblem(folder)) {
            ui.error(error ? app::formatText(text::kOutputFolderNotCreated, {folder})
                           : app::formatText(text::kOutputFolderUnusable, {folder, *problem}));
            return false;
        }
    }
    return true;
}

}  // namespace batch
