// The main window's shell commands: settings sheet, about box, printing.
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/ui/dialogs/AboutBox.h"
#include "app/ui/dialogs/SettingsSheet.h"
#include "app/ui/frame/MainWindow.h"
#include "app/ui/view/PictureView.h"

namespace app::ui {

void MainWindow::onSettings() {
    SettingsSheet sheet(settings_, ui_, this);
    sheet.exec();
}

void MainWindow::onAbout() {
    AboutBox about(this);
    about.exec();
}

QPrinter& MainWindow::printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void MainWindow::onPrint() {
    QPrintDialog dialog(&printer(), this);
    if (dialog.exec() == QDialog::Accepted)
        view_->printPicture(printer());
}

void MainWindow::onPrintDirect() {
    view_->printPicture(printer());
}

void MainWindow::onPrintPreview() {
    QPrintPreviewDialog dialog(&printer(), this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { view_->printPicture(*target); });
    dialog.exec();
}

void MainWindow::onPrintSetup() {
    QPageSetupDialog dialog(&printer(), this);
    dialog.exec();
}

}  // namespace app::ui
