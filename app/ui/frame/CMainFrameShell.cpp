// The main window's shell commands: settings sheet, about box, printing.
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/ui/dialogs/AboutBox.h"
#include "app/ui/dialogs/SettingsSheet.h"
#include "app/ui/frame/CMainFrame.h"
#include "app/ui/view/CMFCTest2View.h"

namespace app::ui {

void CMainFrame::onSettings() {
    SettingsSheet sheet(settings_, ui_, this);
    sheet.exec();
}

void CMainFrame::onAbout() {
    AboutBox about(this);
    about.exec();
}

QPrinter& CMainFrame::printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void CMainFrame::onPrint() {
    QPrintDialog dialog(&printer(), this);
    if (dialog.exec() == QDialog::Accepted)
        view_->printPicture(printer());
}

void CMainFrame::onPrintDirect() {
    view_->printPicture(printer());
}

void CMainFrame::onPrintPreview() {
    QPrintPreviewDialog dialog(&printer(), this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { view_->printPicture(*target); });
    dialog.exec();
}

void CMainFrame::onPrintSetup() {
    QPageSetupDialog dialog(&printer(), this);
    dialog.exec();
}

}  // namespace app::ui
