// Pencil, eraser, shapes with their rubber bands, and the flood fill, checked
// on the pixels loadDib writes back.
#include <algorithm>

#include "dotwerk/DotwerkTestSupport.h"

using namespace dotwerk;
using namespace dotwerk_test;

namespace {

std::vector<QPoint> block(int left, int top, int width, int height) {
    std::vector<QPoint> points;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            points.emplace_back(x, y);
    return points;
}

QRect boundsOf(const std::vector<QPoint>& points) {
    QRect bounds;
    for (const QPoint& p : points)
        bounds |= QRect(p, QSize(1, 1));
    return bounds;
}

std::vector<QPoint> pixelsAfter(Editor& editor, HostBitmap& bitmap) {
    EXPECT_EQ(editor->loadDib(), 0);
    return bitmap.blackPixels();
}

}  // namespace

TEST(DotwerkPencil, AClickSetsADotOfThePenWidth) {
    Editor editor;
    auto bitmap = HostBitmap::mono(16, 16);
    editor.edit(bitmap, kModePencil);
    editor.click({8, 8});
    EXPECT_EQ(pixelsAfter(editor, bitmap), block(8, 8, 1, 1));

    editor->clear();
    editor->setLineWidth(2);
    editor.click({8, 8});
    EXPECT_EQ(pixelsAfter(editor, bitmap), block(7, 7, 2, 2));

    editor->clear();
    editor->setLineWidth(3);
    editor.click({8, 8});
    EXPECT_EQ(pixelsAfter(editor, bitmap), block(6, 6, 4, 4));
}

TEST(DotwerkPencil, DraggingDrawsConnectedLinesClampedToThePicture) {
    Editor editor;
    auto bitmap = HostBitmap::mono(12, 8);
    editor.edit(bitmap, kModePencil);
    editor->setZoom(3);
    // Far past the right edge: the stroke ends in the last column.
    editor.drag({2, 3}, {{6, 3}, {40, 3}});
    EXPECT_EQ(pixelsAfter(editor, bitmap), block(2, 3, 10, 1));

    editor->clear();
    editor.drag({0, 0}, {{3, 3}, {3, 7}});
    const std::vector<QPoint> expected = {{0, 0}, {1, 1}, {2, 2}, {3, 3},
                                          {3, 4}, {3, 5}, {3, 6}, {3, 7}};
    EXPECT_EQ(pixelsAfter(editor, bitmap), expected);
}

TEST(DotwerkPencil, EraserPaintsWhiteWithTheSamePen) {
    Editor editor;
    auto bitmap = HostBitmap::mono(10, 10);
    editor.edit(bitmap, kModeNone);
    editor->invertColor();
    editor->setMode(kModeEraser);
    editor->setLineWidth(2);
    editor.drag({3, 5}, {{6, 5}});
    ASSERT_EQ(editor->loadDib(), 0);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(bitmap.black(x, y), !(x >= 2 && x <= 6 && y >= 4 && y <= 5)) << x << "," << y;
}

TEST(DotwerkShapes, RubberBandRectangleLeavesOnlyTheLastOneAndWhatWasThere) {
    Editor editor;
    auto bitmap = HostBitmap::mono(30, 30);
    // Black pixels that earlier rubber bands pass over.
    bitmap.setBlack(20, 2, true);
    bitmap.setBlack(2, 20, true);
    editor.edit(bitmap, kModeRectangle);
    editor->setZoom(2);
    editor.drag({2, 2}, {{25, 25}, {20, 8}, {8, 20}, {10, 10}});
    std::vector<QPoint> expected;
    for (const QPoint& p : block(2, 2, 9, 9))
        if (p.x() == 2 || p.x() == 10 || p.y() == 2 || p.y() == 10)
            expected.push_back(p);
    expected.emplace_back(20, 2);
    expected.emplace_back(2, 20);
    std::sort(expected.begin(), expected.end(),
              [](QPoint a, QPoint b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); });
    EXPECT_EQ(pixelsAfter(editor, bitmap), expected);
    // One change for the whole drag.
    editor->undo();
    EXPECT_EQ(pixelsAfter(editor, bitmap), (std::vector<QPoint>{{20, 2}, {2, 20}}));
}

TEST(DotwerkShapes, EllipseAroundItsCentreSpansTheRadiiBothWays) {
    Editor editor;
    auto bitmap = HostBitmap::mono(24, 24);
    editor.edit(bitmap, kModeEllipse);
    editor.drag({10, 10}, {{14, 12}});
    const auto pixels = pixelsAfter(editor, bitmap);
    EXPECT_EQ(boundsOf(pixels), QRect(QPoint(6, 8), QPoint(14, 12)));
    // Symmetric about the centre, with the four extreme points on it.
    for (const QPoint& p : pixels) {
        EXPECT_TRUE(bitmap.black(20 - p.x(), p.y())) << p.x() << "," << p.y();
        EXPECT_TRUE(bitmap.black(p.x(), 20 - p.y())) << p.x() << "," << p.y();
    }
    for (const QPoint& p : {QPoint(6, 10), QPoint(14, 10), QPoint(10, 8), QPoint(10, 12)})
        EXPECT_TRUE(bitmap.black(p.x(), p.y()));
    EXPECT_FALSE(bitmap.black(10, 10));
}

TEST(DotwerkShapes, LineRunsBetweenItsEndsWithFlatEnds) {
    Editor editor;
    auto bitmap = HostBitmap::mono(20, 12);
    editor.edit(bitmap, kModeLine);
    editor.drag({2, 2}, {{10, 9}, {8, 6}});
    const std::vector<QPoint> diagonal = {{2, 2}, {3, 3}, {4, 3}, {5, 4}, {6, 5}, {7, 5}, {8, 6}};
    EXPECT_EQ(pixelsAfter(editor, bitmap), diagonal);

    editor->clear();
    editor->setLineWidth(2);
    editor.drag({3, 6}, {{12, 6}});
    // Two pixels thick across the line, and no further than its ends.
    EXPECT_EQ(boundsOf(pixelsAfter(editor, bitmap)), QRect(QPoint(3, 5), QPoint(12, 6)));
}

TEST(DotwerkShapes, RightButtonTakesBackTheShapeBeingDragged) {
    // Rectangle and ellipse as described; the line drag is taken back the
    // same way.
    for (const short mode : {kModeRectangle, kModeEllipse, kModeLine}) {
        SCOPED_TRACE(mode);
        Editor editor;
        auto bitmap = HostBitmap::mono(20, 20);
        bitmap.setBlack(5, 5, true);
        editor.edit(bitmap, mode);
        editor.press({4, 4});
        editor.move({12, 12});
        editor.rightClick({12, 12});
        // The left button's release no longer draws.
        editor.move({15, 15});
        editor.release({15, 15});
        // The change had begun: the snapshot and the flag stay.
        EXPECT_TRUE(editor->isModified());
        EXPECT_EQ(editor->undoCount(), 1);
        EXPECT_EQ(pixelsAfter(editor, bitmap), std::vector<QPoint>{QPoint(5, 5)});
        // The tool still works afterwards.
        editor.drag({1, 1}, {{3, 3}});
        EXPECT_GT(pixelsAfter(editor, bitmap).size(), 1u);
    }
}

TEST(DotwerkShapes, RightButtonOutsideADragLeavesShapesAlone) {
    Editor editor;
    auto bitmap = HostBitmap::mono(20, 20);
    editor.edit(bitmap, kModeRectangle);
    editor.drag({2, 2}, {{6, 6}});
    editor.rightClick({6, 6});
    EXPECT_EQ(pixelsAfter(editor, bitmap).size(), 16u);
}

TEST(DotwerkFill, FillsTheEnclosedWhiteAreaOnly) {
    Editor editor;
    auto bitmap = HostBitmap::mono(20, 20);
    editor.edit(bitmap, kModeRectangle);
    editor.drag({4, 4}, {{12, 10}});
    editor->setMode(kModeFill);
    editor.click({8, 7});
    const auto pixels = pixelsAfter(editor, bitmap);
    EXPECT_EQ(pixels, block(4, 4, 9, 7));
    // Filling the outside then leaves no white pixel; the fill stops at the
    // picture's edges.
    editor.click({0, 19});
    EXPECT_EQ(pixelsAfter(editor, bitmap).size(), 400u);
}

TEST(DotwerkFill, FillOnABlackPixelChangesNothing) {
    Editor editor;
    auto bitmap = HostBitmap::mono(10, 10);
    bitmap.setBlack(3, 3, true);
    editor.edit(bitmap, kModeFill);
    editor.click({3, 3});
    EXPECT_EQ(pixelsAfter(editor, bitmap), std::vector<QPoint>{QPoint(3, 3)});
    // Outside the picture (on the frame) nothing happens either.
    editor->setZoom(4);
    editor.sendMouse(QEvent::MouseButtonPress, QPoint(100, 100), Qt::LeftButton, Qt::LeftButton);
    editor.sendMouse(QEvent::MouseButtonRelease, QPoint(100, 100), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(pixelsAfter(editor, bitmap), std::vector<QPoint>{QPoint(3, 3)});
}

TEST(DotwerkMouse, ScreenPositionsMapToPixelsPastTheFrame) {
    Editor editor;
    auto bitmap = HostBitmap::mono(10, 10);
    editor.edit(bitmap, kModePencil);
    editor->setZoom(3);
    // Screen x 1..3 is pixel 0, 4..6 pixel 1.
    for (const int screen : {1, 3, 4, 6, 7}) {
        editor->clear();
        editor.sendMouse(QEvent::MouseButtonPress, QPoint(screen, 4), Qt::LeftButton,
                         Qt::LeftButton);
        editor.sendMouse(QEvent::MouseButtonRelease, QPoint(screen, 4), Qt::LeftButton,
                         Qt::NoButton);
        EXPECT_EQ(pixelsAfter(editor, bitmap), std::vector<QPoint>{QPoint((screen - 1) / 3, 1)})
            << screen;
    }
}
