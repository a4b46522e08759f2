#include "batch/ui/DownloadDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/core/settings/AppSettings.h"
#include "batch/ui/Texts.h"
#include "codec/url/UrlCheck.h"
#include "widgets/FolderPickerDialog.h"
#include "widgets/MessageBoxes.h"
#include "widgets/OkCancelButtons.h"
#include "widgets/Translate.h"

namespace batchui {

namespace {
namespace text = batchui::text;
constexpr int kUrlMaxLength = 256;
}  // namespace

DownloadDialog::Remembered& DownloadDialog::remembered() {
    static Remembered values;
    return values;
}

DownloadDialog::DownloadDialog(const app::AppSettings& settings, Mode mode, QWidget* parent)
    : QDialog(parent), mode_(mode) {
    Remembered& values = remembered();
    if (values.downloadFolder.empty())
        values.downloadFolder = settings.saveFolderOrTemp();

    setWindowTitle(translate(text::kDownloadTitle));
    auto* urlLabel = new QLabel(translate(text::kUrlPrompt), this);
    urlEdit_ = new QLineEdit(QString::fromStdString(values.lastUrl), this);
    urlEdit_->setObjectName("urlEdit");
    urlEdit_->setMaxLength(kUrlMaxLength);
    urlEdit_->setMinimumWidth(urlEdit_->fontMetrics().averageCharWidth() * 48);
    urlLabel->setBuddy(urlEdit_);

    auto* folderLabel = new QLabel(translate(text::kSaveToFolder), this);
    folderLabel->setObjectName("folderLabel");
    folderEdit_ = new QLineEdit(QString::fromStdString(values.downloadFolder), this);
    folderEdit_->setObjectName("folderEdit");
    folderLabel->setBuddy(folderEdit_);
    auto* browseButton = new QPushButton(translate(text::kBrowse), this);
    browseButton->setObjectName("browseButton");
    browseButton->setAutoDefault(false);
    connect(browseButton, &QPushButton::clicked, this, &DownloadDialog::browse);

    auto* buttons = widgets::makeOkZrusitButtons(*this);

    auto* grid = new QGridLayout;
    grid->addWidget(urlLabel, 0, 0, 1, 2);
    grid->addWidget(urlEdit_, 1, 0, 1, 2);
    grid->addWidget(folderLabel, 2, 0, 1, 2);
    grid->addWidget(folderEdit_, 3, 0);
    grid->addWidget(browseButton, 3, 1);
    grid->setColumnStretch(0, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const bool showFolder = mode_ == withFolder;
    folderLabel->setVisible(showFolder);
    folderEdit_->setVisible(showFolder);
    browseButton->setVisible(showFolder);
    urlEdit_->setFocus();
    urlEdit_->selectAll();
}

void DownloadDialog::browse() {
    widgets::FolderPickerDialog::chooseInto(*folderEdit_, folderEdit_->text().toStdString(), this);
}

void DownloadDialog::accept() {
    Remembered& values = remembered();
    values.lastUrl = urlEdit_->text().toStdString();
    if (mode_ == withFolder)
        values.downloadFolder = folderEdit_->text().toStdString();

    const codec::UrlCheckResult check =
        codec::checkDownloadUrl(values.lastUrl, values.downloadFolder);
    if (!check.accepted()) {
        widgets::showMessage(this, {QString::fromStdString(check.message),
                                    QString::fromStdString(check.caption), QMessageBox::Critical});
        QLineEdit* wrong =
            check.refusal == codec::UrlCheckResult::Refusal::folderMissing && mode_ == withFolder
                ? folderEdit_
                : urlEdit_;
        wrong->setFocus();
        wrong->selectAll();
        return;
    }
    url_ = check.url;
    QDialog::accept();
}

}  // namespace batchui
