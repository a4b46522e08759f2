// The dispatch interface: properties, methods, events and undo.
#include <QMetaMethod>

#include "dotwerk/DotwerkTestSupport.h"

using namespace dotwerk;
using namespace dotwerk_test;

namespace {

const QPoint kDot(5, 5);

}  // namespace

TEST(DotwerkInterface, EveryDispatchIdReachesAMemberOfItsName) {
    Editor editor;
    const QMetaObject& meta = *editor.control()->metaObject();
    for (const DispatchEntry& entry : kDispatchTable) {
        if (entry.isProperty) {
            EXPECT_GE(meta.indexOfProperty(entry.name), 0) << entry.name;
            continue;
        }
        bool found = false;
        for (int i = 0; i < meta.methodCount(); ++i)
            found = found || meta.method(i).name() == entry.name;
        EXPECT_TRUE(found) << entry.name;
    }
    EXPECT_FALSE(editor->invokeHelper(static_cast<DispId>(17)).isValid());
    // Arguments that cannot become the parameter's type fail the call.
    EXPECT_FALSE(
        editor->invokeHelper(DispId::InitFromDimensions, {QStringLiteral("x"), 3}).isValid());
    EXPECT_FALSE(editor->invokeHelper(DispId::InitFromDimensions, {3}).isValid());
}

TEST(DotwerkInterface, BeforeAPictureTheControlHasNoSizeAndIgnoresModes) {
    Editor editor;
    long long cx = -1, cy = -1;
    editor->imageSize(&cx, &cy);
    EXPECT_EQ(cx, 0);
    EXPECT_EQ(cy, 0);
    editor->setMode(kModePencil);
    EXPECT_EQ(editor->mode(), kModeNone);
    EXPECT_EQ(editor->initFromHdib(0), -1);
    EXPECT_EQ(editor->loadDib(), -1);
    EXPECT_EQ(editor->invertColor(), 0);
    EXPECT_FALSE(editor->isModified());
    EXPECT_EQ(editor->undoCount(), 0);
    EXPECT_FALSE(editor->isSelected());
}

TEST(DotwerkInterface, InitFromDimensionsMakesAWhitePictureOfThatSize) {
    Editor editor;
    EventLog sizes(*editor);
    ASSERT_EQ(editor->initFromDimensions(17, 9), 0);
    long long cx = 0, cy = 0;
    editor->imageSize(&cx, &cy);
    EXPECT_EQ(cx, 17);
    EXPECT_EQ(cy, 9);
    EXPECT_EQ(editor.control()->size(), QSize(19, 11));
    ASSERT_FALSE(sizes.sizes.empty());
    EXPECT_EQ(sizes.sizes.back(), QSize(19, 11));
    // Sizes that make no picture are refused and change nothing.
    EXPECT_EQ(editor->initFromDimensions(0, 5), -1);
    EXPECT_EQ(editor->initFromDimensions(4, -2), -1);
    editor->imageSize(&cx, &cy);
    EXPECT_EQ(cx, 17);
}

TEST(DotwerkInterface, ZoomStaysWithinOneToTenAndSizesTheControl) {
    Editor editor;
    ASSERT_EQ(editor->initFromDimensions(20, 10), 0);
    EventLog sizes(*editor);
    editor->setZoom(4);
    EXPECT_EQ(editor->zoom(), 4);
    EXPECT_EQ(editor.control()->size(), QSize(82, 42));
    ASSERT_FALSE(sizes.sizes.empty());
    EXPECT_EQ(sizes.sizes.back(), QSize(82, 42));
    for (short refused : {0, 11, -3}) {
        editor->setZoom(refused);
        EXPECT_EQ(editor->zoom(), 4);
    }
    editor->setZoom(10);
    EXPECT_EQ(editor.control()->size(), QSize(202, 102));
}

TEST(DotwerkInterface, GridNeedsZoomAboveTwoAndGoesOffWhenZoomDrops) {
    Editor editor;
    ASSERT_EQ(editor->initFromDimensions(8, 8), 0);
    editor->setZoom(2);
    editor->setShowGrid(true);
    EXPECT_FALSE(editor->showGrid());
    editor->setZoom(3);
    editor->setShowGrid(true);
    EXPECT_TRUE(editor->showGrid());
    editor->setZoom(5);
    EXPECT_TRUE(editor->showGrid());
    editor->setZoom(2);
    EXPECT_FALSE(editor->showGrid());
    editor->setZoom(3);
    EXPECT_FALSE(editor->showGrid());
}

TEST(DotwerkInterface, LineWidthCodesOneToThreeSelectPensOneTwoAndFour) {
    Editor editor;
    EXPECT_EQ(editor->lineWidth(), 1);
    editor->setLineWidth(3);
    EXPECT_EQ(editor->lineWidth(), 3);
    editor->setLineWidth(4);
    EXPECT_EQ(editor->lineWidth(), 3);
    editor->setLineWidth(0);
    EXPECT_EQ(editor->lineWidth(), 3);
    editor->setLineWidth(2);
    EXPECT_EQ(editor->lineWidth(), 2);

    // Code 3 draws 4 pixels wide.
    auto bitmap = HostBitmap::mono(30, 20);
    editor.edit(bitmap, kModeLine);
    editor->setLineWidth(3);
    editor.drag({5, 10}, {{20, 10}});
    ASSERT_EQ(editor->loadDib(), 0);
    for (int y = 0; y < 20; ++y)
        EXPECT_EQ(bitmap.black(12, y), y >= 8 && y <= 11) << y;
}

TEST(DotwerkInterface, SetLanguageTakesOnlyCzechOrEnglish) {
    Editor editor;
    EXPECT_EQ(editor->setLanguage(1), 0);
    EXPECT_EQ(editor->setLanguage(3), -1);
    EXPECT_EQ(editor->setLanguage(0), -1);
    EXPECT_EQ(editor->setLanguage(2), 0);
}

TEST(DotwerkInterface, UndoRestoresOnceAndKeepsTheModifiedFlag) {
    Editor editor;
    auto bitmap = HostBitmap::mono(12, 12);
    editor.edit(bitmap, kModePencil);
    EXPECT_EQ(editor->undoCount(), 0);
    EXPECT_FALSE(editor->isModified());

    editor.click(kDot);
    EXPECT_EQ(editor->undoCount(), 1);
    EXPECT_TRUE(editor->isModified());
    ASSERT_EQ(editor->loadDib(), 0);
    EXPECT_TRUE(bitmap.black(kDot.x(), kDot.y()));
    EXPECT_FALSE(editor->isModified());

    editor.click({7, 7});
    EXPECT_EQ(editor->undo(), 0);
    EXPECT_EQ(editor->undoCount(), 0);
    EXPECT_TRUE(editor->isModified());
    ASSERT_EQ(editor->loadDib(), 0);
    EXPECT_EQ(bitmap.blackPixels(), std::vector<QPoint>{kDot});

    // A second undo does nothing; redo never does anything.
    EXPECT_EQ(editor->undo(), 0);
    EXPECT_EQ(editor->redo(), 0);
    ASSERT_EQ(editor->loadDib(), 0);
    EXPECT_EQ(bitmap.blackPixels(), std::vector<QPoint>{kDot});
}

TEST(DotwerkInterface, OnModifiedFiresWhenAChangeBeginsButNotForUndo) {
    Editor editor;
    auto bitmap = HostBitmap::mono(12, 12);
    editor.edit(bitmap, kModePencil);
    EventLog modified(*editor);
    editor.drag({1, 1}, {{2, 2}, {3, 3}});
    EXPECT_EQ(modified.modifications, 1);
    editor->invertColor();
    editor->clear();
    EXPECT_EQ(modified.modifications, 3);
    editor->undo();
    editor->redo();
    editor->setZoom(3);
    EXPECT_EQ(modified.modifications, 3);
}

TEST(DotwerkInterface, InvertAndClearChangeEveryPixelAndCanBeUndone) {
    Editor editor;
    auto bitmap = HostBitmap::mono(9, 3);
    bitmap.setBlack(4, 1, true);
    editor.edit(bitmap, kModeNone);
    editor->invertColor();
    ASSERT_EQ(editor->loadDib(), 0);
    EXPECT_EQ(bitmap.blackPixels().size(), 26u);
    EXPECT_FALSE(bitmap.black(4, 1));
    editor->clear();
    ASSERT_EQ(editor->loadDib(), 0);
    EXPECT_TRUE(bitmap.blackPixels().empty());
    editor->undo();
    ASSERT_EQ(editor->loadDib(), 0);
    EXPECT_EQ(bitmap.blackPixels().size(), 26u);
}

TEST(DotwerkInterface, ModeOutsideZeroToTenIsIgnored) {
    Editor editor;
    ASSERT_EQ(editor->initFromDimensions(8, 8), 0);
    editor->setMode(kModeEllipse);
    editor->setMode(11);
    editor->setMode(-1);
    EXPECT_EQ(editor->mode(), kModeEllipse);
}
