#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <QMouseEvent>
#include <QPrinter>
#include <QScrollBar>

#include "app/ui/dialogs/PictureInfoDialog.h"
#include "bitmap/ImageProc.h"
#include "support/CliRun.h"
#include "tests/app/ui/ViewTestSupport.h"

using view_test::saveScreenshot;
using view_test::ViewFixture;
using view_test::whenModalOpens;

namespace {

using ViewTest = ViewFixture;

// A 2 x 2 grey picture: 0 and 80 in the top row, 160 and 255 below.
std::string writeTwoByTwo(const std::string& path) {
    auto dib = testing_support::makeGreyDib(2, 2, 8);
    testing_support::setPixel(dib, 0, 0, 0);
    testing_support::setPixel(dib, 1, 0, 80);
    testing_support::setPixel(dib, 0, 1, 160);
    testing_support::setPixel(dib, 1, 1, 255);
    bitmap::ImageProc proc;
    EXPECT_TRUE(proc.saveBitmap(path, dib));
    return path;
}

QImage grabClient(app::ui::PictureView& view) {
    return view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST_F(ViewTest, ZoomThreeCentresAndZoomTenScrollsWithMargins) {
    ASSERT_TRUE(doc.openChosenFile(testing_support::writeGradientBmp(work.file("g.bmp"), 40, 30)));
    EXPECT_EQ(view->zoom(), 1);
    EXPECT_EQ(view->displayRect(), QRect(130, 85, 40, 30));
    view->zoomTo(3);
    EXPECT_EQ(view->displayRect(), QRect(90, 55, 120, 90));
    saveScreenshot(*view, "view-zoom3");

    view->zoomTo(10);
    EXPECT_EQ(view->zoom(), 10);
    EXPECT_EQ(view->displayRect(), QRect(8, 8, 400, 300));
    // Both scroll bars show, each over the picture plus 16 pixels.
    const QSize client = view->viewport()->size();
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), 416 - client.width());
    EXPECT_EQ(view->verticalScrollBar()->maximum(), 316 - client.height());
    // A new layout starts at the top left corner again.
    view->horizontalScrollBar()->setValue(50);
    view->zoomTo(0);
    EXPECT_EQ(view->horizontalScrollBar()->value(), 0);
    // Back to a fitting zoom: the scroll bars go.
    view->zoomTo(1);
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(view->displayRect(), QRect(130, 85, 40, 30));
}

TEST_F(ViewTest, ZoomCommandsStopAtTheirLimits) {
    ASSERT_TRUE(doc.openChosenFile(testing_support::writeGradientBmp(work.file("g.bmp"), 8, 8)));
    view->zoomOut();
    EXPECT_EQ(view->zoom(), 1);
    EXPECT_FALSE(view->canCancelZoom());
    view->zoomIn();
    EXPECT_EQ(view->zoom(), 2);
    EXPECT_TRUE(view->canCancelZoom());
    view->zoomToMaximum();
    EXPECT_EQ(view->zoom(), 10);
    view->zoomIn();
    EXPECT_EQ(view->zoom(), 10);
    view->zoomTo(55);  // no request of the view: nothing changes
    EXPECT_EQ(view->zoom(), 10);
    view->cancelZoom();
    EXPECT_EQ(view->zoom(), 1);
}

TEST_F(ViewTest, PaintsEachPixelAsABlockOfZoomSquaredPixels) {
    ASSERT_TRUE(doc.openChosenFile(writeTwoByTwo(work.file("four.bmp"))));
    view->zoomTo(3);
    const QRect shown = view->displayRect();
    ASSERT_EQ(shown, QRect(147, 97, 6, 6));
    const QImage client = grabClient(*view);
    const int greys[2][2] = {{0, 80}, {160, 255}};
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            const int grey = greys[y / 3][x / 3];
            EXPECT_EQ(client.pixel(shown.left() + x, shown.top() + y), qRgb(grey, grey, grey))
                << x << "," << y;
        }
    // A thin frame just around the picture, then the window's neutral
    // background, which is neither white nor black.
    const QRgb frame = view->palette().color(QPalette::Shadow).rgb();
    const QRgb background = view->viewport()->palette().color(QPalette::Dark).rgb();
    EXPECT_NE(background, qRgb(255, 255, 255));
    EXPECT_NE(background, qRgb(0, 0, 0));
    EXPECT_NE(background, frame);
    for (const QPoint& edge :
         {QPoint(shown.left() - 1, shown.top()), QPoint(shown.right() + 1, shown.bottom()),
          QPoint(shown.left(), shown.bottom() + 1), QPoint(shown.left() + 2, shown.top() - 1)}) {
        EXPECT_EQ(client.pixel(edge), frame) << edge.x() << "," << edge.y();
    }
    EXPECT_EQ(client.pixel(shown.left() - 2, shown.top()), background);
    EXPECT_EQ(client.pixel(shown.right() + 2, shown.bottom()), background);
    EXPECT_EQ(client.pixel(shown.left(), shown.bottom() + 2), background);
}

TEST_F(ViewTest, ScrolledViewPaintsThePartInSight) {
    ASSERT_TRUE(doc.openChosenFile(testing_support::writeGradientBmp(work.file("g.bmp"), 40, 30)));
    view->zoomTo(10);
    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    const QImage client = grabClient(*view);
    // Scrolled to the end, the picture's last column ends 8 pixels before
    // the window's edge: white (column 39), then 248 (column 38) to its left.
    const QSize size = view->viewport()->size();
    EXPECT_EQ(client.pixel(size.width() - 9, size.height() - 9), qRgb(255, 255, 255));
    EXPECT_EQ(client.pixel(size.width() - 19, size.height() - 9), qRgb(248, 248, 248));
    const QRgb frame = view->palette().color(QPalette::Shadow).rgb();
    EXPECT_EQ(client.pixel(size.width() - 8, size.height() - 9), frame);
    const QRgb background = view->viewport()->palette().color(QPalette::Dark).rgb();
    EXPECT_EQ(client.pixel(size.width() - 7, size.height() - 9), background);
}

TEST_F(ViewTest, NothingIsPaintedWithoutAPicture) {
    view->zoomTo(4);
    EXPECT_TRUE(view->displayRect().isEmpty());
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), 0);
    const QImage client = grabClient(*view);
    const QRgb background = view->viewport()->palette().color(QPalette::Dark).rgb();
    EXPECT_EQ(client.pixel(150, 100), background);
    EXPECT_FALSE(view->canCopy());
    EXPECT_FALSE(view->canZoomToMaximum());
    EXPECT_FALSE(view->canCancelZoom());
    EXPECT_FALSE(view->canUndo());
}

TEST_F(ViewTest, UndoIsOffRightAfterAnUndoUntilThePictureChangesAgain) {
    ASSERT_TRUE(doc.openChosenFile(testing_support::writeGradientBmp(work.file("g.bmp"), 20, 10)));
    EXPECT_FALSE(view->canUndo());
    doc.convertToMonochromeCommand();
    ASSERT_TRUE(doc.isMonochrome());
    EXPECT_TRUE(view->canUndo());
    view->undo();
    EXPECT_FALSE(view->canUndo());
    // The grey picture is back (more than the two colours of the conversion).
    ASSERT_TRUE(doc.hasPicture());
    EXPECT_EQ(doc.pictureWidth(), 20);
    doc.resizeByPercentage(200);
    EXPECT_EQ(doc.pictureWidth(), 40);
    EXPECT_TRUE(view->canUndo());
    // The layout followed the resized picture.
    EXPECT_EQ(view->displayRect().size(), QSize(40, 20));
}

TEST_F(ViewTest, PictureInformationShowsTheCodecsPicture) {
    ASSERT_TRUE(doc.openChosenFile(testing_support::writeGradientBmp(work.file("g.bmp"), 40, 30)));
    app::ui::PictureInfoDialog dialog(settings.codec());
    EXPECT_EQ(dialog.widthText(), "40");
    EXPECT_EQ(dialog.heightText(), "30");
    EXPECT_EQ(dialog.depthText(), "8");
    EXPECT_EQ(dialog.sizeText(), "1200");
    EXPECT_EQ(dialog.typeText(), "BMP");
    saveScreenshot(dialog, "dialog-picture-info");
}

TEST_F(ViewTest, PictureInformationOfAnEmptyCodecStaysEmpty) {
    app::ui::PictureInfoDialog empty(settings.codec());
    EXPECT_TRUE(empty.widthText().isEmpty());
    EXPECT_TRUE(empty.sizeText().isEmpty());
    EXPECT_TRUE(empty.typeText().isEmpty());
    app::ui::PictureInfoDialog noCodec(nullptr);
    EXPECT_TRUE(noCodec.heightText().isEmpty());
}

TEST_F(ViewTest, DoubleClickShowsThePictureInformation) {
    ASSERT_TRUE(doc.openChosenFile(testing_support::writeGradientBmp(work.file("g.bmp"), 12, 7)));
    QString shownWidth;
    QString title;
    whenModalOpens([&](QDialog& dialog) {
        title = dialog.windowTitle();
        if (auto* info = qobject_cast<app::ui::PictureInfoDialog*>(&dialog))
            shownWidth = info->widthText();
        dialog.accept();
    });
    const QPointF at(10, 10);
    QMouseEvent click(QEvent::MouseButtonDblClick, at, view->viewport()->mapToGlobal(at),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &click);
    EXPECT_EQ(title, QString::fromUtf8("Informace o obrázku"));
    EXPECT_EQ(shownWidth, "12");
}

TEST_F(ViewTest, PrintingWritesAPage) {
    ASSERT_TRUE(doc.openChosenFile(testing_support::writeGradientBmp(work.file("g.bmp"), 40, 30)));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = QString::fromStdString(work.file("page.pdf"));
    printer.setOutputFileName(pdf);
    view->printPicture(printer);
    EXPECT_GT(QFileInfo(pdf).size(), 0);
}

}  // namespace
