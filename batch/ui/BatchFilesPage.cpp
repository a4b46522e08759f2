#include "batch/ui/BatchFilesPage.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <memory>

#include "app/core/settings/AppSettings.h"
#include "batch/core/BatchFileSelection.h"
#include "batch/ui/DownloadDialog.h"
#include "batch/ui/Texts.h"
#include "widgets/FileDialogs.h"
#include "widgets/FormatFilters.h"
#include "widgets/Translate.h"

namespace batchui {

namespace {

namespace text = batchui::text;

QPushButton* pageButton(std::string_view label, const char* name, QWidget* parent) {
    auto* button = new QPushButton(translate(label), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

BatchFilesPage::BatchFilesPage(const std::string& fileList, std::string& lastAddFolder,
                               const app::AppSettings& settings, QWidget* parent)
    : QWidget(parent),
      lastAddFolder_(lastAddFolder),
      settings_(settings),
      list_(new QListWidget(this)),
      status_(new QLabel(this)) {
    setWindowTitle(translate(text::kSelectPageTitle));
    setAcceptDrops(true);

    list_->setObjectName("entryList");
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setMinimumSize(360, 200);
    connect(list_, &QListWidget::itemDoubleClicked, this, &BatchFilesPage::removeEntry);
    status_->setObjectName("statusLine");
    status_->setTextFormat(Qt::PlainText);

    auto* add = pageButton(text::kAddFiles, "addFilesButton", this);
    auto* addUrl = pageButton(text::kAddUrl, "addUrlButton", this);
    auto* remove = pageButton(text::kRemove, "removeButton", this);
    connect(add, &QPushButton::clicked, this, &BatchFilesPage::addFiles);
    connect(addUrl, &QPushButton::clicked, this, &BatchFilesPage::addUrl);
    connect(remove, &QPushButton::clicked, this, &BatchFilesPage::removeSelected);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(addUrl);
    buttons->addWidget(remove);
    buttons->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(list_, 1);
    row->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row, 1);
    layout->addWidget(status_);

    for (const std::string& entry : batch::fileListEntries(fileList))
        list_->addItem(QString::fromStdString(entry));
    // A list refilled when the sheet comes back shows its count at once.
    if (list_->count() > 0)
        showCount();
    else
        status_->setText(QString::fromStdString(batch::initialSelectionStatus()));
}

std::string BatchFilesPage::fileList() const {
    std::vector<std::string> entries;
    for (int row = 0; row < list_->count(); ++row)
        entries.push_back(list_->item(row)->text().toStdString());
    return batch::buildFileList(entries);
}

QStringList BatchFilesPage::entries() const {
    QStringList texts;
    for (int row = 0; row < list_->count(); ++row)
        texts.append(list_->item(row)->text());
    return texts;
}

QString BatchFilesPage::statusText() const {
    return status_->text();
}

void BatchFilesPage::showCount() {
    status_->setText(QString::fromStdString(batch::selectionStatus(list_->count())));
}

void BatchFilesPage::addEntries(const QStringList& entries) {
    for (const QString& entry : entries)
        if (batch::isListableEntry(entry.toStdString()))
            list_->addItem(entry);
    showCount();
}

void BatchFilesPage::addFiles() {
    QFileDialog dialog(this, translate(text::kAddFilesTitle),
                       QString::fromStdString(lastAddFolder_));
    // The program's own dialog: the same on every desktop, and its patterns
    // match names in any case.
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    widgets::prepareFileDialog(
        dialog, widgets::filterTexts(codec::batchAddDialogFilters(text::kFilterAll)), 1);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return;
    addEntries(chosen);
    lastAddFolder_ = dialog.directory().absolutePath().toStdString();
}

void BatchFilesPage::addUrl() {
    DownloadDialog dialog(settings_, DownloadDialog::urlOnly, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    addEntries({QString::fromStdString(batch::listedUrl(dialog.url()))});
}

void BatchFilesPage::removeSelected() {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    for (QListWidgetItem* item : selected)
        std::unique_ptr<QListWidgetItem> removed(list_->takeItem(list_->row(item)));
    showCount();
}

void BatchFilesPage::removeEntry(QListWidgetItem* item) {
    if (!item)
        return;
    std::unique_ptr<QListWidgetItem> removed(list_->takeItem(list_->row(item)));
    showCount();
}

void BatchFilesPage::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void BatchFilesPage::dropEvent(QDropEvent* event) {
    QStringList pictures;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        // A folder is not a picture, whatever its name.
        if (batch::isDroppablePicture(path.toStdString()) && !QFileInfo(path).isDir())
            pictures.append(path);
    }
    event->acceptProposedAction();
    if (!pictures.isEmpty())
        addEntries(pictures);
}

}  // namespace batchui
