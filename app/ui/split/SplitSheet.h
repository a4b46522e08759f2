#pragma once

#include "app/ui/split/SplitSheetPages.h"
#include "widgets/PropertySheet.h"

namespace app::ui {

// "Rozdělit obrázek": the split sheet with its pages "Obrázek" and "WML
// stránka". Opening it fills in the settings' first-use values (display
// position, tile size, folders); each page stores into the settings when
// it is left.
class SplitSheet : public widgets::PropertySheet {
    Q_OBJECT
public:
    SplitSheet(app::SplitSettings& split, codec::FormatCode& format,
               const SplitSheetContext& context, const std::string& saveFolder,
               QWidget* parent = nullptr);

    SplitPicturePage& picturePage() const { return *picture_; }
    SplitWmlPage& wmlPage() const { return *wml_; }

private:
    SplitPicturePage* picture_ = nullptr;
    SplitWmlPage* wml_ = nullptr;
};

}  // namespace app::ui
