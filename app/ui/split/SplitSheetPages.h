#pragma once

#include <QWidget>
#include <string>

#include "app/core/split/SplitCommand.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace app::ui {

// Where the split sheet's pages start and what they show besides the
// settings.
struct SplitSheetContext {
    std::string sourcePath;
    int pictureWidth = 0;
    int pictureHeight = 0;
    // Where the folder picker starts when a folder text names no folder.
    std::string pickerFallback;
};

// Page "Obrázek": the source, its size, the output folder, the tile size
// (typed or a listed display's) and the output format.
class SplitPicturePage : public QWidget {
    Q_OBJECT
public:
    SplitPicturePage(app::SplitSettings& split, codec::FormatCode& format,
                     const SplitSheetContext& context, QWidget* parent = nullptr);

    // Checks the tile size (1..1024 each); a number out of range shows the
    // range message and keeps the user on the page. Otherwise stores the
    // page and gives true.
    bool leave();

private:
    void browse();
    void applyEnablingRule();

    app::SplitSettings& split_;
    codec::FormatCode& format_;
    std::string pickerFallback_;
    QLineEdit* folderEdit_;
    QRadioButton* customSize_;
    QRadioButton* displaySize_;
    QLineEdit* tileWidth_;
    QLineEdit* tileHeight_;
    QListWidget* displays_;
    QButtonGroup* formats_;
};

// Page "WML stránka": whether pages are written, a folder of their own and
// the prefix of the tiles' sources.
class SplitWmlPage : public QWidget {
    Q_OBJECT
public:
    SplitWmlPage(app::SplitSettings& split, const SplitSheetContext& context,
                 QWidget* parent = nullptr);

    void leave();

private:
    void browse();
    void applyEnablingRule();

    app::SplitSettings& split_;
    std::string pickerFallback_;
    QCheckBox* createPages_;
    QCheckBox* separateFolder_;
    QLineEdit* folderEdit_;
    QPushButton* browse_;
    QCheckBox* prefixCheck_;
    QLineEdit* prefixEdit_;
};

}  // namespace app::ui
