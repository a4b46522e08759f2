// The image view's printing: the picture at its size on screen.
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/ui/view/PictureView.h"

namespace app::ui {

void PictureView::printPicture(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    // While editing, the page shows the picture as it is in the control.
    takeBackEditedPicture();
    if (!document_.hasPicture())
        return;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const app::ViewRect where = app::printRect(
        document_.pictureWidth(), document_.pictureHeight(), zoom_, logicalDpiX(), logicalDpiY(),
        printer.logicalDpiX(), printer.logicalDpiY(), page.width(), page.height());
    drawPicture(painter, QRect(where.left, where.top, where.width(), where.height()));
}

void PictureView::print() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        printPicture(printer);
}

void PictureView::printDirect() {
    QPrinter printer(QPrinter::HighResolution);
    printPicture(printer);
}

void PictureView::printPreview() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { printPicture(*target); });
    dialog.exec();
}

}  // namespace app::ui
