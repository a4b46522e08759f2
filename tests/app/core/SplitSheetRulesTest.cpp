// What the split sheet decides without its widgets: the enabling rules and
// the picture size it shows.
#include <gtest/gtest.h>

#include "app/core/split/SplitSheetRules.h"

namespace {

TEST(SplitSheetRules, SizeModeChoosesEditsOrDisplayList) {
    const auto custom = app::tileSizeControls(0);
    EXPECT_TRUE(custom.sizeEdits);
    EXPECT_FALSE(custom.displayList);
    const auto display = app::tileSizeControls(1);
    EXPECT_FALSE(display.sizeEdits);
    EXPECT_TRUE(display.displayList);
}

TEST(SplitSheetRules, PageControlsFollowGenerateAndTheirBoxes) {
    const auto off = app::splitPageControls(false, true, true);
    EXPECT_FALSE(off.separateFolderCheck || off.folderEditAndBrowse || off.prefixCheck ||
                 off.prefixEdit);
    const auto plain = app::splitPageControls(true, false, false);
    EXPECT_TRUE(plain.separateFolderCheck && plain.prefixCheck);
    EXPECT_FALSE(plain.folderEditAndBrowse || plain.prefixEdit);
    const auto folder = app::splitPageControls(true, true, false);
    EXPECT_TRUE(folder.folderEditAndBrowse);
    EXPECT_FALSE(folder.prefixEdit);
    const auto prefix = app::splitPageControls(true, false, true);
    EXPECT_TRUE(prefix.prefixEdit);
    EXPECT_FALSE(prefix.folderEditAndBrowse);
}

TEST(SplitSheetRules, PictureSizeIsTheDisplayRectangleOverTheZoom) {
    EXPECT_EQ(app::pictureDimensionsText(150, 100), "150 x 100");
    const auto atThree = app::pictureSizeInView(450, 300, 3);
    EXPECT_EQ(atThree.width, 150);
    EXPECT_EQ(atThree.height, 300 / 3);
    const auto atOne = app::pictureSizeInView(7, 5, 1);
    EXPECT_EQ(atOne.width, 7);
    EXPECT_EQ(atOne.height, 5);
    // A zoom that was never set does not divide by zero.
    const auto unset = app::pictureSizeInView(40, 20, 0);
    EXPECT_EQ(unset.width, 40);
    EXPECT_EQ(unset.height, 20);
}

}  // namespace
