#include "widgets/FolderPickerDialog.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QResizeEvent>
#include <QStorageInfo>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "widgets/MessageBoxes.h"
#include "widgets/NewFolderDialog.h"
#include "widgets/Texts.h"
#include "widgets/Translate.h"

namespace widgets {

namespace {

namespace text = widgets::text;

// A path that shortens itself in the middle when it does not fit; the whole
// path is its tool tip.
class PathLabel : public QLabel {
public:
    explicit PathLabel(QWidget* parent) : QLabel(parent) {
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    }
    void setPath(const QString& path) {
        path_ = path;
        setToolTip(path);
        fit();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        fit();
    }

private:
    void fit() {
        setText(fontMetrics().elidedText(path_, Qt::ElideMiddle, contentsRect().width()));
    }
    QString path_;
};

bool isSystemMount(const QString& root) {
    static const std::array<QString, 5> hidden{"/proc", "/sys", "/dev", "/run", "/snap"};
    if (root.startsWith("/run/media/"))
        return false;
    return std::any_of(hidden.begin(), hidden.end(), [&](const QString& prefix) {
        return root == prefix || root.startsWith(prefix + "/");
    });
}

QPushButton* dialogButton(std::string_view label, QWidget* parent) {
    auto* button = new QPushButton(translate(label), parent);
    // Return in the list goes into a folder; it must not close the dialog.
    button->setAutoDefault(false);
    return button;
}

}  // namespace

std::vector<std::string> FolderPickerDialog::systemDrives() {
    std::vector<std::string> drives{"/", QDir::homePath().toStdString()};
    std::vector<std::string> volumes;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (volume.isValid() && volume.isReady() && !isSystemMount(root))
            volumes.push_back(root.toStdString());
    }
    std::sort(volumes.begin(), volumes.end());
    for (const std::string& volume : volumes) {
        if (std::find(drives.begin(), drives.end(), volume) == drives.end())
            drives.push_back(volume);
    }
    return drives;
}

FolderPickerDialog::FolderPickerDialog(std::string& folder, QWidget* parent,
                                       const std::string& fallbackFolder)
    : QDialog(parent),
      folder_(folder),
      browser_(batch::startFolder(folder, fallbackFolder.empty() ? QDir::homePath().toStdString()
                                                                 : fallbackFolder),
               systemDrives()) {
    setWindowTitle(translate(text::kFolderPickerTitle));

    folderLabel_ = new PathLabel(this);
    folderLabel_->setObjectName("folderLabel");
    list_ = new QListWidget(this);
    list_->setObjectName("folderList");
    list_->setMinimumSize(260, 220);
    connect(list_, &QListWidget::itemActivated, this, &FolderPickerDialog::enter);

    auto* driveLabel = new QLabel(translate(text::kChangeDrive), this);
    drives_ = new QComboBox(this);
    drives_->setObjectName("driveBox");
    driveLabel->setBuddy(drives_);
    for (const std::string& drive : browser_.drives())
        drives_->addItem(QString::fromStdString(drive));
    connect(drives_, &QComboBox::activated, this, &FolderPickerDialog::chooseDrive);

    auto* pathLabel = new QLabel(translate(text::kFolderPath), this);
    pathEdit_ = new QLineEdit(this);
    pathEdit_->setObjectName("pathEdit");
    pathLabel->setBuddy(pathEdit_);
    connect(pathEdit_, &QLineEdit::returnPressed, this, &FolderPickerDialog::goToTypedPath);

    auto* ok = dialogButton(text::kOk, this);
    ok->setObjectName("okButton");
    auto* cancel = dialogButton(text::kCancel, this);
    cancel->setObjectName("cancelButton");
    auto* newFolder = dialogButton(text::kNewFolderButton, this);
    newFolder->setObjectName("newFolderButton");
    connect(ok, &QPushButton::clicked, this, &FolderPickerDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &FolderPickerDialog::reject);
    connect(newFolder, &QPushButton::clicked, this, &FolderPickerDialog::makeNewFolder);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addSpacing(12);
    buttons->addWidget(newFolder);
    buttons->addStretch();

    auto* layout = new QGridLayout(this);
    layout->addWidget(folderLabel_, 0, 0);
    layout->addWidget(list_, 1, 0);
    layout->addLayout(buttons, 1, 1);
    layout->addWidget(driveLabel, 2, 0);
    layout->addWidget(drives_, 3, 0);
    layout->addWidget(pathLabel, 4, 0);
    layout->addWidget(pathEdit_, 5, 0, 1, 2);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(0, 1);

    refresh();
    list_->setFocus();
}

void FolderPickerDialog::refresh() {
    static_cast<PathLabel*>(folderLabel_)->setPath(QString::fromStdString(browser_.current()));
    list_->clear();
    for (const std::string& entry : browser_.entries())
        list_->addItem(QString::fromStdString(entry));
    if (list_->count() > 0)
        list_->setCurrentRow(0);
    drives_->setCurrentIndex(browser_.currentDrive());
    pathEdit_->setText(QString::fromStdString(browser_.current()));
}

bool FolderPickerDialog::goToTypedPath() {
    const QString typed = pathEdit_->text();
    // An emptied field stands for the folder the list shows.
    if (typed.trimmed().isEmpty() ||
        typed.trimmed() == QString::fromStdString(browser_.current())) {
        pathEdit_->setText(QString::fromStdString(browser_.current()));
        return true;
    }
    if (!browser_.goTo(typed.toStdString())) {
        widgets::showMessage(this, {translate(text::kNoSuchFolder).arg(typed.trimmed()),
                                    translate(text::kCaptionError), QMessageBox::Critical});
        pathEdit_->setFocus();
        pathEdit_->selectAll();
        return false;
    }
    refresh();
    return true;
}

void FolderPickerDialog::enter(QListWidgetItem* item) {
    if (!item)
        return;
    // A folder removed since it was listed is simply not entered; the list
    // is read again either way.
    browser_.enter(item->text().toStdString());
    refresh();
}

void FolderPickerDialog::chooseDrive(int index) {
    browser_.chooseDrive(index);
    refresh();
}

void FolderPickerDialog::makeNewFolder() {
    NewFolderDialog ask(this);
    if (ask.exec() != QDialog::Accepted)
        return;
    using Result = batch::FolderBrowser::CreateResult;
    switch (browser_.createFolder(ask.name().toStdString())) {
        case Result::created:
            refresh();
            break;
        case Result::exists:
            widgets::showMessage(this, {translate(text::kFolderExists),
                                        translate(text::kCaptionError), QMessageBox::Critical});
            break;
        case Result::failed:
            widgets::showMessage(this, {translate(text::kCannotCreateFolder),
                                        translate(text::kCaptionError), QMessageBox::Critical});
            break;
    }
}

void FolderPickerDialog::accept() {
    // A path typed but not yet gone to is the folder chosen.
    if (!goToTypedPath())
        return;
    folder_ = browser_.current();
    QDialog::accept();
}

void FolderPickerDialog::chooseInto(QLineEdit& edit, const std::string& start, QWidget* parent,
                                    const std::string& fallbackFolder) {
    std::string folder = start;
    FolderPickerDialog picker(folder, parent, fallbackFolder);
    if (picker.exec() == QDialog::Accepted)
        edit.setText(QString::fromStdString(folder));
}

}  // namespace widgets
