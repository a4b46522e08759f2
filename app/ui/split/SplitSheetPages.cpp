#include "app/ui/split/SplitSheetPages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/core/settings/PhoneTable.h"
#include "app/core/split/SplitSheetRules.h"
#include "app/ui/Texts.h"
#include "app/ui/Translate.h"
#include "widgets/FolderPickerDialog.h"
#include "widgets/FormatFilters.h"
#include "widgets/IntegerEdit.h"

namespace app::ui {
namespace {

template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromUtf8(name));
    return widget;
}

QLineEdit* sideEdit(int value, const char* name, QWidget* parent) {
    auto* edit = named(new QLineEdit(QString::number(value), parent), name);
    edit->setMaxLength(10);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
    return edit;
}

QPushButton* browseButton(QWidget* parent) {
    auto* button =
        named(new QPushButton(translate(batchui::text::kBrowse), parent), "browseButton");
    button->setAutoDefault(false);
    return button;
}

}  // namespace

SplitPicturePage::SplitPicturePage(app::SplitSettings& split, codec::FormatCode& format,
                                   const SplitSheetContext& context, QWidget* parent)
    : QWidget(parent),
      split_(split),
      format_(format),
      pickerFallback_(context.pickerFallback),
      formats_(new QButtonGroup(this)) {
    setWindowTitle(translate(text::kSplitPicturePage));

    auto* source =
        named(new QLineEdit(QString::fromStdString(context.sourcePath), this), "sourceEdit");
    source->setReadOnly(true);
    source->setMinimumWidth(source->fontMetrics().averageCharWidth() * 44);
    auto* dimensions = named(new QLabel(QString::fromStdString(app::pictureDimensionsText(
                                            context.pictureWidth, context.pictureHeight)),
                                        this),
                             "dimensionsLabel");
    folderEdit_ =
        named(new QLineEdit(QString::fromStdString(split.outputFolder), this), "outputFolderEdit");
    auto* browse = browseButton(this);
    connect(browse, &QPushButton::clicked, this, &SplitPicturePage::browse);

    auto* top = new QGridLayout;
    top->addWidget(new QLabel(translate(text::kSplitSource), this), 0, 0);
    top->addWidget(source, 0, 1, 1, 2);
    top->addWidget(new QLabel(translate(text::kSplitDimensions), this), 1, 0);
    top->addWidget(dimensions, 1, 1, 1, 2);
    top->addWidget(new QLabel(translate(text::kSplitOutputFolder), this), 2, 0);
    top->addWidget(folderEdit_, 2, 1);
    top->addWidget(browse, 2, 2);
    top->setColumnStretch(1, 1);

    auto* tileGroup = new QGroupBox(translate(text::kSplitTileGroup), this);
    customSize_ =
        named(new QRadioButton(translate(text::kSplitCustomSize), tileGroup), "customSizeButton");
    displaySize_ =
        named(new QRadioButton(translate(text::kSplitDisplaySize), tileGroup), "displaySizeButton");
    (split.sizeMode == 1 ? displaySize_ : customSize_)->setChecked(true);
    tileWidth_ = sideEdit(split.tileWidth, "tileWidthEdit", tileGroup);
    tileHeight_ = sideEdit(split.tileHeight, "tileHeightEdit", tileGroup);
    displays_ = named(new QListWidget(tileGroup), "displayList");
    for (int position = 0; position < app::kBuiltInPhoneCount; ++position)
        displays_->addItem(QString::fromUtf8(app::builtInPhone(position).name));
    displays_->setCurrentRow(split.displayPosition);
    displays_->setMinimumHeight(displays_->sizeHintForRow(0) * 6);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(tileWidth_);
    sizeRow->addWidget(new QLabel(translate(text::kSplitTimes), tileGroup));
    sizeRow->addWidget(tileHeight_);
    sizeRow->addStretch();
    auto* tileLayout = new QGridLayout(tileGroup);
    tileLayout->addWidget(customSize_, 0, 0);
    tileLayout->addLayout(sizeRow, 0, 1);
    tileLayout->addWidget(displaySize_, 1, 0, Qt::AlignTop);
    tileLayout->addWidget(displays_, 1, 1);
    tileLayout->setColumnStretch(1, 1);

    auto* formatGroup = new QGroupBox(translate(batchui::text::kOutputFormat), this);
    auto* bmp =
        named(new QRadioButton(widgets::formatLabel(codec::kFormatBmp), formatGroup), "bmpButton");
    auto* wbmp = named(new QRadioButton(widgets::formatLabel(codec::kFormatWbmp), formatGroup),
                       "wbmpButton");
    formats_->addButton(bmp, codec::kFormatBmp);
    formats_->addButton(wbmp, codec::kFormatWbmp);
    (format == codec::kFormatBmp ? bmp : wbmp)->setChecked(true);
    auto* formatLayout = new QHBoxLayout(formatGroup);
    formatLayout->addWidget(bmp);
    formatLayout->addWidget(wbmp);
    formatLayout->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tileGroup, 1);
    layout->addWidget(formatGroup);

    for (QRadioButton* button : {customSize_, displaySize_})
        connect(button, &QRadioButton::clicked, this, &SplitPicturePage::applyEnablingRule);
    applyEnablingRule();
}

void SplitPicturePage::applyEnablingRule() {
    const app::TileSizeControls controls = app::tileSizeControls(displaySize_->isChecked() ? 1 : 0);
    tileWidth_->setEnabled(controls.sizeEdits);
    tileHeight_->setEnabled(controls.sizeEdits);
    displays_->setEnabled(controls.displayList);
}

void SplitPicturePage::browse() {
    widgets::FolderPickerDialog::chooseInto(*folderEdit_, folderEdit_->text().toStdString(), this,
                                            pickerFallback_);
}

bool SplitPicturePage::leave() {
    const auto width =
        widgets::readIntegerInRange(*tileWidth_, app::kMinTileSide, app::kMaxTileSide);
    if (!width)
        return false;
    const auto height =
        widgets::readIntegerInRange(*tileHeight_, app::kMinTileSide, app::kMaxTileSide);
    if (!height)
        return false;
    split_.tileWidth = *width;
    split_.tileHeight = *height;
    split_.sizeMode = displaySize_->isChecked() ? 1 : 0;
    if (displays_->currentRow() >= 0)
        split_.displayPosition = displays_->currentRow();
    split_.outputFolder = folderEdit_->text().toStdString();
    format_ = static_cast<codec::FormatCode>(formats_->checkedId());
    return true;
}

SplitWmlPage::SplitWmlPage(app::SplitSettings& split, const SplitSheetContext& context,
                           QWidget* parent)
    : QWidget(parent), split_(split), pickerFallback_(context.pickerFallback) {
    setWindowTitle(translate(text::kSplitWmlPage));
    createPages_ =
        named(new QCheckBox(translate(text::kSplitCreatePages), this), "createPagesCheck");
    createPages_->setChecked(split.createPages);
    separateFolder_ =
        named(new QCheckBox(translate(text::kSplitSeparateFolder), this), "separateFolderCheck");
    separateFolder_->setChecked(split.separateWmlFolder);
    folderEdit_ =
        named(new QLineEdit(QString::fromStdString(split.wmlFolder), this), "wmlFolderEdit");
    browse_ = browseButton(this);
    connect(browse_, &QPushButton::clicked, this, &SplitWmlPage::browse);
    prefixCheck_ = named(new QCheckBox(translate(text::kSplitPrefix), this), "prefixCheck");
    prefixCheck_->setChecked(split.prefixEnabled);
    prefixEdit_ = named(new QLineEdit(QString::fromStdString(split.prefix), this), "prefixEdit");

    auto* folderRow = new QHBoxLayout;
    folderRow->addSpacing(20);
    folderRow->addWidget(folderEdit_, 1);
    folderRow->addWidget(browse_);
    auto* prefixRow = new QHBoxLayout;
    prefixRow->addSpacing(20);
    prefixRow->addWidget(prefixEdit_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createPages_);
    layout->addSpacing(6);
    layout->addWidget(separateFolder_);
    layout->addLayout(folderRow);
    layout->addWidget(prefixCheck_);
    layout->addLayout(prefixRow);
    layout->addStretch();

    for (QCheckBox* box : {createPages_, separateFolder_, prefixCheck_})
        connect(box, &QCheckBox::clicked, this, &SplitWmlPage::applyEnablingRule);
    applyEnablingRule();
}

void SplitWmlPage::applyEnablingRule() {
    const app::SplitPageControls controls = app::splitPageControls(
        createPages_->isChecked(), separateFolder_->isChecked(), prefixCheck_->isChecked());
    separateFolder_->setEnabled(controls.separateFolderCheck);
    folderEdit_->setEnabled(controls.folderEditAndBrowse);
    browse_->setEnabled(controls.folderEditAndBrowse);
    prefixCheck_->setEnabled(controls.prefixCheck);
    prefixEdit_->setEnabled(controls.prefixEdit);
}

void SplitWmlPage::browse() {
    widgets::FolderPickerDialog::chooseInto(*folderEdit_, folderEdit_->text().toStdString(), this,
                                            pickerFallback_);
}

void SplitWmlPage::leave() {
    split_.createPages = createPages_->isChecked();
    split_.separateWmlFolder = separateFolder_->isChecked();
    split_.wmlFolder = folderEdit_->text().toStdString();
    split_.prefixEnabled = prefixCheck_->isChecked();
    split_.prefix = prefixEdit_->text().toStdString();
}

}  // namespace app::ui
