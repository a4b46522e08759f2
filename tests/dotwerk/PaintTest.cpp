// What the control shows: enlarged pixels, grid, frame, marquee, floating
// piece, the text of an empty control, and the cursors. Writes the
// screenshots of the suite.
#include <QBitmap>

#include "dotwerk/DotwerkTestSupport.h"

using namespace dotwerk;
using namespace dotwerk_test;

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kGrey = qRgb(160, 160, 160);
const QRgb kRed = qRgb(255, 0, 0);

QRgb at(const QImage& image, int x, int y) {
    return (image.pixel(x, y) & 0xFFFFFFu) | 0xFF000000u;
}

// A picture with a few black pixels, one in the last column and one in the
// last row.
void addSamplePixels(HostBitmap& bitmap) {
    const int width = bitmap.width();
    const int height = bitmap.height();
    for (int i = 0; i < std::min(width, height); i += 3)
        bitmap.setBlack(i, i, true);
    bitmap.setBlack(width - 1, 1, true);
    bitmap.setBlack(1, height - 1, true);
}

// Every enlarged pixel shows its colour; with the grid its first column and
// row are grey.
void expectEnlarged(const QImage& image, const HostBitmap& bitmap, int zoom, bool grid) {
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            const QRgb ink = bitmap.black(x, y) ? kBlack : kWhite;
            for (int dy = 0; dy < zoom; ++dy) {
                for (int dx = 0; dx < zoom; ++dx) {
                    const QRgb expected = grid && (dx == 0 || dy == 0) ? kGrey : ink;
                    const QRgb shown = at(image, zoom * x + 1 + dx, zoom * y + 1 + dy);
                    if (shown != expected) {
                        ADD_FAILURE() << "pixel " << x << "," << y << " at " << dx << "," << dy;
                        return;
                    }
                }
            }
        }
    }
}

void expectFrame(const QImage& image, int width, int height) {
    for (int x = 0; x < width; ++x) {
        EXPECT_EQ(at(image, x, 0), kGrey);
        EXPECT_EQ(at(image, x, height - 1), kGrey);
    }
    for (int y = 0; y < height; ++y) {
        EXPECT_EQ(at(image, 0, y), kGrey);
        EXPECT_EQ(at(image, width - 1, y), kGrey);
    }
}

}  // namespace

TEST(DotwerkPaint, WithoutAPictureTheControlSaysSoAtTheTop) {
    Editor editor;
    editor.control()->resize(200, 60);
    const QImage image = editor.grab();
    int dark = 0, darkBelow = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ++(y < 25 ? dark : darkBelow);
    EXPECT_GT(dark, 20);
    EXPECT_EQ(darkBelow, 0);
}

TEST(DotwerkPaint, ZoomOneShowsEveryPixelInsideTheFrame) {
    Editor editor;
    auto bitmap = HostBitmap::mono(30, 20);
    addSamplePixels(bitmap);
    editor.edit(bitmap, kModePencil);
    const QImage image = editor.grab();
    ASSERT_EQ(image.size(), QSize(32, 22));
    saveScreenshot(image.scaled(image.size() * 4), QStringLiteral("zoom1"));
    expectEnlarged(image, bitmap, 1, false);
    expectFrame(image, 32, 22);
}

TEST(DotwerkPaint, ZoomSixWithGridShowsGreyLinesBetweenThePixels) {
    Editor editor;
    auto bitmap = HostBitmap::mono(16, 10);
    addSamplePixels(bitmap);
    editor.edit(bitmap, kModePencil);
    editor->setZoom(6);
    editor->setShowGrid(true);
    const QImage image = editor.grab();
    ASSERT_EQ(image.size(), QSize(98, 62));
    saveScreenshot(image, QStringLiteral("zoom6-grid"));
    expectEnlarged(image, bitmap, 6, true);
    expectFrame(image, 98, 62);

    // Down to zoom 2 the grid goes.
    editor->setZoom(2);
    const QImage small = editor.grab();
    expectEnlarged(small, bitmap, 2, false);
}

TEST(DotwerkPaint, PicturesLargerThanTheZoomBufferArePaintedWhole) {
    Editor editor;
    auto bitmap = HostBitmap::mono(230, 150);
    addSamplePixels(bitmap);
    editor.edit(bitmap, kModePencil);
    editor->setZoom(10);
    editor->setShowGrid(true);
    const QImage image = editor.grab();
    ASSERT_EQ(image.size(), QSize(2302, 1502));
    expectEnlarged(image, bitmap, 10, true);
}

TEST(DotwerkPaint, ShownPixelsMatchThePictureAfterDrawing) {
    Editor editor;
    auto bitmap = HostBitmap::mono(20, 20);
    editor.edit(bitmap, kModeRectangle);
    editor->setZoom(3);
    editor.drag({2, 2}, {{15, 15}, {6, 6}});
    ASSERT_EQ(editor->loadDib(), 0);
    expectEnlarged(editor.grab(), bitmap, 3, false);
}

TEST(DotwerkPaint, MarqueeAndFloatingPieceShowOverThePicture) {
    Editor editor;
    auto bitmap = HostBitmap::mono(24, 16);
    for (int y = 2; y < 6; ++y)
        for (int x = 2; x < 6; ++x)
            bitmap.setBlack(x, y, (x + y) % 2 == 0);
    editor.edit(bitmap, kModeSelect);
    editor->setZoom(5);
    editor.drag({1, 1}, {{7, 7}});
    QImage image = editor.grab();
    // The marquee runs through the screen points 5 * 1 + 1 and 5 * 7 + 1.
    for (int i = 6; i <= 36; ++i) {
        EXPECT_EQ(at(image, i, 6), kRed) << i;
        EXPECT_EQ(at(image, 36, i), kRed) << i;
    }
    editor->setMode(kModeCopy);
    EXPECT_NE(at(editor.grab(), 6, 6), kRed);

    editor.move({12, 8}, Qt::NoButton);
    image = editor.grab();
    saveScreenshot(image, QStringLiteral("floating-piece"));
    // The piece's pixel (1, 1) is black (2 + 2 is even) and shows at (13, 9).
    const auto shown = [&](int x, int y) { return at(image, 5 * x + 3, 5 * y + 3); };
    EXPECT_EQ(shown(13, 9), kBlack);
    EXPECT_EQ(shown(14, 9), kWhite);
    EXPECT_EQ(shown(14, 10), kBlack);
    // The picture itself is unchanged until the drop.
    const auto before = bitmap.bytes();
    ASSERT_EQ(editor->loadDib(), 0);
    EXPECT_EQ(bitmap.bytes(), before);

    // Moving on takes the piece's image along.
    editor.move({2, 10}, Qt::NoButton);
    image = editor.grab();
    EXPECT_EQ(shown(13, 9), kWhite);
    EXPECT_EQ(shown(3, 11), kBlack);
}

TEST(DotwerkCursors, EachToolHasItsCursorWithTheTipAtTheHotSpot) {
    Editor editor;
    ASSERT_EQ(editor->initFromDimensions(10, 10), 0);
    struct Expected {
        short mode;
        QPoint hotSpot;
        bool tipDrawn;
    };
    const Expected expected[] = {
        {kModePencil, {5, 15}, true},  {kModeEraser, {1, 12}, true},
        {kModeFill, {3, 14}, true},    {kModeRectangle, {8, 8}, false},
        {kModeEllipse, {8, 8}, false}, {kModeSelect, {8, 8}, false},
        {kModeLine, {8, 8}, false},
    };
    QImage sheet(32 * 4, 32, QImage::Format_RGB32);
    sheet.fill(qRgb(128, 160, 128));
    for (const auto& e : expected) {
        editor->setMode(e.mode);
        if (e.mode == kModePencil || e.mode == kModeEraser || e.mode == kModeFill ||
            e.mode == kModeLine) {
            // Black where the bitmap is set, white where only the mask is.
            const QCursor shown = editor.control()->cursor();
            const QImage bits = shown.bitmap().toImage();
            const QImage mask = shown.mask().toImage();
            const int left = 32 * (e.mode == kModePencil   ? 0
                                   : e.mode == kModeEraser ? 1
                                   : e.mode == kModeFill   ? 2
                                                           : 3);
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x)
                    if (mask.pixelIndex(x, y) == 1)
                        sheet.setPixel(left + x, y, bits.pixelIndex(x, y) == 1 ? kBlack : kWhite);
        }
        const QCursor cursor = editor.control()->cursor();
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor) << e.mode;
        EXPECT_EQ(cursor.hotSpot(), e.hotSpot) << e.mode;
        const QImage image = cursor.bitmap().toImage();
        ASSERT_EQ(image.size(), QSize(32, 32)) << e.mode;
        EXPECT_EQ(image.pixelIndex(e.hotSpot) == 1, e.tipDrawn) << e.mode;
    }
    saveScreenshot(sheet.scaled(sheet.size() * 4), QStringLiteral("cursors"));
    editor->setMode(kModeNone);
    EXPECT_EQ(editor.control()->cursor().shape(), Qt::ArrowCursor);
}
