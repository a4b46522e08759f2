#include <gtest/gtest.h>

#include <climits>

#include "app/core/document/ViewLayout.h"

using app::layoutEditor;
using app::layoutPicture;
using app::printRect;
using app::ViewRect;
using app::zoomForRequest;

namespace {

TEST(ViewZoom, RequestsSetStepOrKeepTheZoomWithinOneToTen) {
    EXPECT_EQ(zoomForRequest(3, 0), 3);
    EXPECT_EQ(zoomForRequest(3, 7), 7);
    EXPECT_EQ(zoomForRequest(3, 1), 1);
    EXPECT_EQ(zoomForRequest(3, 10), 10);
    EXPECT_EQ(zoomForRequest(3, 100), 4);
    EXPECT_EQ(zoomForRequest(3, -100), 2);
    // The limits hold in both directions.
    EXPECT_EQ(zoomForRequest(10, 100), 10);
    EXPECT_EQ(zoomForRequest(1, -100), 1);
    // Anything else is no request at all.
    for (const int request : {11, -1, 99, 101, -99, INT_MIN, INT_MAX})
        EXPECT_FALSE(zoomForRequest(3, request)) << request;
}

TEST(ViewLayout, PictureThatFitsIsCentred) {
    const auto layout = layoutPicture(40, 30, 3, 300, 200);
    EXPECT_EQ(layout.zoom, 3);
    EXPECT_EQ(layout.display, (ViewRect{90, 55, 210, 145}));
    EXPECT_EQ(layout.scrollWidth, 120);
    EXPECT_EQ(layout.scrollHeight, 90);
}

TEST(ViewLayout, PictureThatDoesNotFitStartsEightPixelsInAndScrollsWithMargins) {
    const auto layout = layoutPicture(40, 30, 10, 300, 200);
    EXPECT_EQ(layout.display, (ViewRect{8, 8, 408, 308}));
    EXPECT_EQ(layout.scrollWidth, 416);
    EXPECT_EQ(layout.scrollHeight, 316);
    // Each side is decided on its own: a wide, low picture scrolls across
    // only and stays centred from top to bottom.
    const auto wide = layoutPicture(100, 10, 4, 300, 200);
    EXPECT_EQ(wide.display, (ViewRect{8, 80, 408, 120}));
    EXPECT_EQ(wide.scrollWidth, 416);
    EXPECT_EQ(wide.scrollHeight, 40);
}

TEST(ViewLayout, EditorControlIsFramedAndFillsTheScrollExtentOfASideThatDoesNotFit) {
    // 96 x 60 at zoom 4 in 300 x 300: W = 386 does not fit, H = 242 does.
    const auto layout = layoutEditor(96, 60, 4, 300, 300);
    EXPECT_EQ(layout.display, (ViewRect{8, 29, 410, 271}));
    EXPECT_EQ(layout.scrollWidth, 402);
    EXPECT_EQ(layout.scrollHeight, 242);
    // Both sides fit: the framed picture is centred.
    EXPECT_EQ(layoutEditor(10, 10, 1, 300, 200).display, (ViewRect{144, 94, 156, 106}));
}

TEST(ViewLayout, TheSixteenPixelMarginDecidesAtTheEdge) {
    // 284 + 16 = 300 does not exceed the client: still centred.
    EXPECT_EQ(layoutPicture(284, 10, 1, 300, 200).display.left, 8);
    EXPECT_EQ(layoutPicture(284, 10, 1, 300, 200).scrollWidth, 284);
    // One more pixel and it no longer fits.
    EXPECT_EQ(layoutPicture(285, 10, 1, 300, 200).display.left, 8);
    EXPECT_EQ(layoutPicture(285, 10, 1, 300, 200).scrollWidth, 301);
}

TEST(ViewLayout, CentringTruncatesLikeTheWindowDoes) {
    // Client 0..301 and a picture 100 wide: 150 - 50.
    EXPECT_EQ(layoutPicture(100, 10, 1, 301, 200).display.left, 100);
    // An odd picture width: 150 - 49 (99 / 2 truncated).
    EXPECT_EQ(layoutPicture(99, 10, 1, 300, 200).display.left, 101);
    EXPECT_EQ(layoutPicture(99, 10, 1, 300, 200).display.right, 200);
}

TEST(ViewLayout, EmptyPictureAndOddInputsStaySane) {
    const auto empty = layoutPicture(0, 0, 4, 300, 200);
    EXPECT_TRUE(empty.display.isEmpty());
    EXPECT_EQ(empty.scrollWidth, 0);
    EXPECT_EQ(empty.scrollHeight, 0);
    EXPECT_EQ(empty.display.left, 150);
    // A zoom outside 1..10 is clamped, not used.
    EXPECT_EQ(layoutPicture(10, 10, 0, 300, 200).zoom, 1);
    EXPECT_EQ(layoutPicture(10, 10, 55, 300, 200).zoom, 10);
    // No client area at all: everything scrolls.
    const auto hidden = layoutPicture(10, 10, 2, 0, 0);
    EXPECT_EQ(hidden.display, (ViewRect{8, 8, 28, 28}));
    EXPECT_EQ(hidden.scrollWidth, 36);
    // The largest sizes never overflow into negative coordinates.
    const auto huge = layoutPicture(INT_MAX, INT_MAX, 10, 300, 200);
    EXPECT_GT(huge.display.right, huge.display.left);
    EXPECT_GT(huge.scrollWidth, 0);
}

TEST(ViewPrinting, PictureKeepsItsScreenSizeOnThePage) {
    // 40 x 30 at zoom 3 on a 96 dpi screen, printed at 600 dpi: 750 x 562.
    EXPECT_EQ(printRect(40, 30, 3, 96, 96, 600, 600, 4800, 6600), (ViewRect{2025, 0, 2775, 562}));
}

TEST(ViewPrinting, LargePictureIsShrunkToThePageKeepingItsProportions) {
    // 1000 x 500 at zoom 2 would be 12500 x 6250 dots; the page is 5000 wide.
    const ViewRect wide = printRect(1000, 500, 2, 96, 96, 600, 600, 5000, 7000);
    EXPECT_EQ(wide, (ViewRect{0, 0, 5000, 2500}));
    // A tall one fills the height and is centred across.
    const ViewRect tall = printRect(100, 1000, 1, 100, 100, 100, 100, 500, 400);
    EXPECT_EQ(tall, (ViewRect{230, 0, 270, 400}));
}

TEST(ViewPrinting, NothingToPrintGivesAnEmptyRectangle) {
    EXPECT_TRUE(printRect(0, 10, 1, 96, 96, 600, 600, 100, 100).isEmpty());
    EXPECT_TRUE(printRect(10, 10, 1, 96, 96, 600, 600, 0, 100).isEmpty());
    EXPECT_TRUE(printRect(10, 10, 1, 0, 96, 600, 600, 100, 100).isEmpty());
    // Extreme resolutions and sizes stay within the page.
    const ViewRect extreme = printRect(INT_MAX, 1, 10, 1, 1, INT_MAX, INT_MAX, 1000, 1000);
    EXPECT_LE(extreme.right, 1000);
    EXPECT_GE(extreme.height(), 1);
}

}  // namespace
