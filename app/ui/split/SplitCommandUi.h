#pragma once

#include <string>

#include "app/core/split/SplitCommand.h"

class QWidget;

namespace app::ui {

class PictureView;

// The split command of the main window: shows the split sheet for the
// picture as the view shows it, then splits, writes the pages and reports
// (see app::runSplitCommand), and puts the view's display rectangle back.
// `pickerFallback` is where the folder picker starts when a folder text
// names no folder. True when the tiles were written.
bool runSplitCommandUi(app::PictureDocument& document, app::UserInterface& ui, PictureView& view,
                       app::SplitSettings& split, const std::string& pickerFallback,
                       QWidget* window);

}  // namespace app::ui
