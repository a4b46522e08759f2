#include "app/ui/split/SplitSheet.h"
#include "app/ui/Texts.h"
#include "app/ui/Translate.h"

namespace app::ui {

SplitSheet::SplitSheet(app::SplitSettings& split, codec::FormatCode& format,
                       const SplitSheetContext& context, const std::string& saveFolder,
                       QWidget* parent)
    : widgets::PropertySheet(translate(text::kSplitSheetTitle), parent) {
    app::prepareSplitSettings(split, context.sourcePath, saveFolder);
    picture_ = new SplitPicturePage(split, format, context, this);
    wml_ = new SplitWmlPage(split, context, this);
    addPage(picture_, [this] { return picture_->leave(); });
    addPage(wml_, [this] {
        wml_->leave();
        return true;
    });
}

}  // namespace app::ui
