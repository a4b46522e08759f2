// Selecting, copying and moving pieces, and how writing Mode treats them.
#include "dotwerk/DotwerkTestSupport.h"

using namespace dotwerk;
using namespace dotwerk_test;

namespace {

// A 20 x 20 picture with a 2 x 2 black square at (2, 2) and a black pixel at
// (12, 13), selected from (1, 1) to (5, 5): the piece is 4 x 4.
struct SelectedPicture {
    SelectedPicture() : bitmap(HostBitmap::mono(20, 20)) {
        for (const QPoint& p : {QPoint(2, 2), QPoint(3, 2), QPoint(2, 3), QPoint(3, 3)})
            bitmap.setBlack(p.x(), p.y(), true);
        bitmap.setBlack(12, 13, true);
        editor.edit(bitmap, kModeSelect);
        editor.drag({1, 1}, {{8, 9}, {5, 5}});
    }
    std::vector<QPoint> pixels() {
        EXPECT_EQ(editor->loadDib(), 0);
        return bitmap.blackPixels();
    }

    Editor editor;
    HostBitmap bitmap;
};

const std::vector<QPoint> kOriginal = {{2, 2}, {3, 2}, {2, 3}, {3, 3}, {12, 13}};

}  // namespace

TEST(DotwerkSelection, SelectingChangesNoPixelAndIsReported) {
    SelectedPicture s;
    EXPECT_TRUE(s.editor->isSelected());
    EXPECT_FALSE(s.editor->isModified());
    EXPECT_EQ(s.pixels(), kOriginal);
    // A click without dragging empties the selection.
    s.editor.click({7, 7});
    EXPECT_FALSE(s.editor->isSelected());
}

TEST(DotwerkSelection, OtherModesDropTheSelection) {
    SelectedPicture s;
    s.editor->setMode(kModePencil);
    EXPECT_FALSE(s.editor->isSelected());
    s.editor->setMode(kModeSelect);
    s.editor->setMode(kModeCopy);
    EXPECT_EQ(s.editor->mode(), kModeSelect);
}

TEST(DotwerkSelection, CopyModeNeedsASelection) {
    Editor editor;
    auto bitmap = HostBitmap::mono(10, 10);
    editor.edit(bitmap, kModePencil);
    editor->setMode(kModeCopy);
    EXPECT_EQ(editor->mode(), kModePencil);
    editor->setMode(kModeMove);
    EXPECT_EQ(editor->mode(), kModePencil);
    EXPECT_FALSE(editor->isModified());
}

TEST(DotwerkSelection, CopiedPieceFollowsTheMouseAndDropsWithAnd) {
    SelectedPicture s;
    s.editor->setMode(kModeCopy);
    EXPECT_EQ(s.editor->mode(), kModeCopy);
    EXPECT_TRUE(s.editor->isSelected());
    // Hovering shows the piece without changing the picture.
    s.editor.move({9, 9}, Qt::NoButton);
    s.editor.move({11, 12}, Qt::NoButton);
    EXPECT_EQ(s.pixels(), kOriginal);
    EXPECT_FALSE(s.editor->isModified());

    s.editor.click({11, 12});
    EXPECT_EQ(s.editor->mode(), kModeNone);
    EXPECT_FALSE(s.editor->isSelected());
    EXPECT_TRUE(s.editor->isModified());
    // The piece's black square lands at (12, 13); the white parts of the
    // piece leave (12, 13) black and everything else as it was.
    const std::vector<QPoint> expected = {{2, 2},   {3, 2},   {2, 3},   {3, 3},
                                          {12, 13}, {13, 13}, {12, 14}, {13, 14}};
    EXPECT_EQ(s.pixels(), expected);
    s.editor->undo();
    EXPECT_EQ(s.pixels(), kOriginal);
}

TEST(DotwerkSelection, MovedPieceLeavesWhiteBehindAndKeepsBlackUnderIt) {
    SelectedPicture s;
    s.editor->setMode(kModeMove);
    EXPECT_TRUE(s.editor->isModified());
    EXPECT_EQ(s.pixels(), std::vector<QPoint>{QPoint(12, 13)});
    // Dropped so that its white corner covers the black pixel at (12, 13).
    s.editor.move({11, 12}, Qt::NoButton);
    s.editor.click({11, 12});
    const std::vector<QPoint> expected = {{12, 13}, {13, 13}, {12, 14}, {13, 14}};
    EXPECT_EQ(s.pixels(), expected);
    // Undo goes back to the picture before the move began.
    s.editor->undo();
    EXPECT_EQ(s.pixels(), kOriginal);
}

TEST(DotwerkSelection, DropNearTheEdgeClipsThePiece) {
    SelectedPicture s;
    s.editor->setMode(kModeCopy);
    s.editor->setZoom(2);
    s.editor.click({40, 40});
    // The pixel under the mouse is clamped to (19, 19); the piece's black
    // square would start at (20, 20), outside.
    EXPECT_EQ(s.pixels(), kOriginal);
}

TEST(DotwerkSelection, RightButtonCancelsAMoveAndRestoresTheArea) {
    SelectedPicture s;
    s.editor->setMode(kModeMove);
    s.editor.move({14, 14}, Qt::NoButton);
    s.editor.rightClick({14, 14});
    EXPECT_EQ(s.editor->mode(), kModeNone);
    EXPECT_FALSE(s.editor->isSelected());
    EXPECT_EQ(s.pixels(), kOriginal);
}

TEST(DotwerkSelection, RightButtonDiscardsACopy) {
    SelectedPicture s;
    s.editor->setMode(kModeCopy);
    s.editor.move({14, 14}, Qt::NoButton);
    s.editor.rightClick({14, 14});
    EXPECT_EQ(s.editor->mode(), kModeNone);
    EXPECT_FALSE(s.editor->isModified());
    EXPECT_EQ(s.pixels(), kOriginal);
}

TEST(DotwerkSelection, WritingModeWhileAPieceFloatsCancelsItFirst) {
    SelectedPicture s;
    s.editor->setMode(kModeMove);
    s.editor.move({14, 14}, Qt::NoButton);
    s.editor->setMode(kModePencil);
    EXPECT_EQ(s.editor->mode(), kModePencil);
    EXPECT_EQ(s.pixels(), kOriginal);

    // From a floating copy to move: the copy is cancelled, and without a
    // selection the move does not start.
    SelectedPicture t;
    t.editor->setMode(kModeCopy);
    t.editor->setMode(kModeMove);
    EXPECT_EQ(t.editor->mode(), kModeNone);
    EXPECT_EQ(t.pixels(), kOriginal);
}
