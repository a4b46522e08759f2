#include "app/ui/split/SplitCommandUi.h"

#include "app/core/split/SplitKeepingPicture.h"
#include "app/core/split/SplitSheetRules.h"
#include "app/ui/split/SplitSheet.h"
#include "app/ui/view/PictureView.h"

namespace app::ui {

bool runSplitCommandUi(app::PictureDocument& document, app::UserInterface& ui, PictureView& view,
                       app::SplitSettings& split, const std::string& pickerFallback,
                       QWidget* window) {
    const QRect display = view.displayRect();
    const app::ViewPictureSize picture =
        app::pictureSizeInView(display.width(), display.height(), view.zoom());

    SplitSheetContext context;
    context.sourcePath = app::splitSourcePath(document, document.settings());
    context.pictureWidth = picture.width;
    context.pictureHeight = picture.height;
    context.pickerFallback = pickerFallback;
    // The output format belongs to one showing and starts at WBMP.
    codec::FormatCode format = codec::kFormatWbmp;
    {
        SplitSheet sheet(split, format, context, document.settings().saveFolder, window);
        if (sheet.exec() != QDialog::Accepted)
            return false;
    }

    const bool written =
        app::runSplitKeepingPicture(document, ui, split, format, picture.width, picture.height);
    // The picture is back as it was; so is the place the view shows it at.
    view.setDisplayRect(display);
    view.viewport()->update();
    return written;
}

}  // namespace app::ui
