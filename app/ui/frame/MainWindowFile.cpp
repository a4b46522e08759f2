// The file and picture commands of the main window: the dialogs that come
// before the document's commands, and the save question.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "app/core/PathText.h"
#include "app/core/TextFormat.h"
#include "app/core/Texts.h"
#include "app/core/document/NewPictureCommand.h"
#include "app/core/settings/DisplayPresets.h"
#include "app/ui/Texts.h"
#include "app/ui/Translate.h"
#include "app/ui/dialogs/BoxDialog.h"
#include "app/ui/dialogs/CSourceOptionsDialog.h"
#include "app/ui/dialogs/FitToPhoneDialog.h"
#include "app/ui/dialogs/NewPictureDialog.h"
#include "app/ui/dialogs/NumberDialog.h"
#include "app/ui/frame/MainWindow.h"
#include "app/ui/view/PictureView.h"
#include "batch/ui/ConversionPreviewDialog.h"
#include "batch/ui/DownloadDialog.h"
#include "bitmap/DibLayout.h"
#include "widgets/FileDialogs.h"
#include "widgets/FormatFilters.h"

namespace app::ui {
namespace {

using widgets::chosenFilterIndex;
using widgets::prepareFileDialog;

// What the resize commands accept: a size of nothing (or less) would be
// refused by the codec without a word, so the dialog names the range and
// stays open instead. Sides go as far as a picture's may.
constexpr int kLargestPercentage = 10000;
constexpr int kLargestSide = static_cast<int>(bitmap::kMaxDimension);

std::string toStd(const QString& text) {
    return text.toStdString();
}

}  // namespace

QString MainWindow::initialFolder() const {
    const std::string& last = document_->lastFolder();
    return QString::fromStdString(last.empty() ? settings_.saveFolderOrTemp() : last);
}

bool MainWindow::saveModified() {
    const bool modified = document_->isModified() || editorModified();
    document_->setModified(modified);
    if (!hasPicture() || !(modified || document_->undoUsed()))
        return true;
    const std::string& name =
        document_->pathName().empty() ? document_->title() : document_->pathName();
    switch (ui_.askYesNoCancel(app::formatText(text::kAskToSave, {name}), "",
                               app::MessageIcon::warning)) {
        case QtUserInterface::Answer::no:
            return true;
        case QtUserInterface::Answer::cancel:
            return false;
        case QtUserInterface::Answer::yes:
            break;
    }
    if (!doSave())
        return false;
    // A picture that Save could not write (a JPEG, a failed write) is not
    // safe yet: ask where to put it rather than drop the changes.
    if (document_->isModified() || document_->undoUsed())
        return doSaveAs();
    return true;
}

bool MainWindow::doSave() {
    if (document_->save() == app::SaveOutcome::saveAsRequired)
        return doSaveAs();
    updateTitle();
    return true;
}

bool MainWindow::doSaveAs() {
    const QStringList filters = widgets::filterTexts(codec::saveDialogFilters());
    int filterIndex = 1;
    QString chosenName;
    for (;;) {
        QFileDialog dialog(this, translate(text::kSaveAsTitle), initialFolder());
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The file that is written has the chosen type's extension, which
        // may not be the name typed: the question is asked below, about
        // the file that would really be replaced.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        widgets::prepareFileDialog(dialog, filters, filterIndex);
        if (!chosenName.isEmpty())
            dialog.selectFile(chosenName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return false;
        const QString chosen = dialog.selectedFiles().constFirst();
        filterIndex = widgets::chosenFilterIndex(dialog, filters);
        const codec::FormatCode type =
            codec::saveDialogFormats()[static_cast<size_t>(filterIndex - 1)];
        const std::string target = app::PictureDocument::saveAsTarget(toStd(chosen), type);
        if (QFileInfo::exists(QString::fromStdString(target)) &&
            !ui_.askYesNo(app::formatText(text::kReplaceFile, {target}),
                          std::string(text::kSaveAsTitle), app::MessageIcon::warning)) {
            chosenName = chosen;
            continue;
        }
        if (type == codec::kFormatCArray) {
            // How the array is packed, remembered for the next time.
            CSourceOptionsDialog options(settings_.cArrayOptions, this);
            if (options.exec() != QDialog::Accepted)
                return false;
            settings_.cArrayOptions = options.options();
        }
        document_->saveAs(toStd(chosen), type);
        updateTitle();
        return document_->pathName() == target && !document_->isModified();
    }
}

void MainWindow::onFileNew() {
    if (!saveModified())
        return;
    NewPictureDialog dialog(ui_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    app::newPictureCommand(*document_, *this, ui_, dialog.pictureWidth(), dialog.pictureHeight());
    updateTitle();
}

void MainWindow::onFileOpen() {
    if (!saveModified())
        return;
    const QStringList filters =
        widgets::filterTexts(codec::openDialogFilters(text::kAllSupportedFormats));
    QFileDialog dialog(this, translate(text::kOpenFileTitle), initialFolder());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    widgets::prepareFileDialog(dialog, filters, openFilterIndex_);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    openFilterIndex_ = widgets::chosenFilterIndex(dialog, filters);
    document_->openChosenFile(toStd(dialog.selectedFiles().constFirst()));
    updateTitle();
}

bool MainWindow::openDocumentFile(const QString& path) {
    const bool existed = QFileInfo::exists(path);
    const bool opened = document_->openDocument(toStd(path));
    // A missing file has been reported by the document; a file that is
    // there but cannot be read is reported here, with the reason.
    if (!opened && existed)
        ui_.error(app::aboutFile(toStd(path), app::formatText(app::text::kCannotOpenFile,
                                                              {document_->loadErrorText()})));
    updateTitle();
    updateCommands();
    return opened;
}

void MainWindow::onOpenRecentFile(int position) {
    const QString path = recentFiles_.paths().value(position);
    if (path.isEmpty() || !saveModified())
        return;
    // An entry that no longer opens leaves the list.
    if (!openDocumentFile(path)) {
        recentFiles_.remove(path);
        rebuildRecentFileMenu();
    }
}

void MainWindow::onDownload() {
    if (!saveModified())
        return;
    batchui::DownloadDialog dialog(settings_, batchui::DownloadDialog::withFolder, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    document_->downloadText(dialog.url(), batchui::DownloadDialog::remembered().downloadFolder);
    updateTitle();
}

void MainWindow::onConvert() {
    document_->convertToMonochromeCommand();
}

void MainWindow::onResizePercent() {
    NumberDialog dialog(translate(text::kPromptPercentage), 100, ui_, this, 1, kLargestPercentage);
    if (dialog.exec() == QDialog::Accepted)
        document_->resizeByPercentage(dialog.value());
}

void MainWindow::onSetHeight() {
    NumberDialog dialog(translate(text::kPromptHeight), document_->codec().bmpHeight(), ui_, this,
                        1, kLargestSide);
    if (dialog.exec() == QDialog::Accepted)
        document_->setHeightCommand(dialog.value());
}

void MainWindow::onSetWidth() {
    NumberDialog dialog(translate(text::kPromptWidth), document_->codec().bmpWidth(), ui_, this, 1,
                        kLargestSide);
    if (dialog.exec() == QDialog::Accepted)
        document_->setWidthCommand(dialog.value());
}

void MainWindow::onFitToBox() {
    BoxDialog dialog(document_->codec().bmpWidth(), document_->codec().bmpHeight(), ui_, this);
    if (dialog.exec() == QDialog::Accepted)
        document_->fitToBoxCommand(dialog.boxWidth(), dialog.boxHeight(),
                                   dialog.ignoreAspectRatio());
}

void MainWindow::onFitToPhone() {
    FitToPhoneDialog dialog(ui_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (dialog.chosenDisplay() >= 0) {
        const app::DisplayPreset& display =
            app::displayPresets()[static_cast<size_t>(dialog.chosenDisplay())];
        document_->fitToBoxCommand(display.width, display.height, false);
        return;
    }
    document_->fitToPhoneCommand(FitToPhoneDialog::chosenPosition());
}

void MainWindow::onConversionSettings() {
    batchui::ConversionPreviewDialog dialog(settings_, document_->codec(), this);
    dialog.exec();
    // The picture as it is now is the one an undo goes back to.
    document_->snapshotForUndo(true);
}

}  // namespace app::ui
