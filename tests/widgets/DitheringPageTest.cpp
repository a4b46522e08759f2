#include <QLineEdit>
#include <QRadioButton>

#include "tests/qtsupport/WidgetTestSupport.h"
#include "widgets/DitheringPage.h"

namespace {

QRadioButton* checkedMethod(widgets::DitheringPage& page) {
    for (QRadioButton* button : page.findChildren<QRadioButton*>())
        if (button->isChecked())
            return button;
    return nullptr;
}

}  // namespace

TEST(DitheringPage, ValuesGoInAndComeBack) {
    widgets::DitheringPage page;
    EXPECT_EQ(page.windowTitle(), "Dithering");
    page.setValues(3, 90);
    ASSERT_NE(checkedMethod(page), nullptr);
    EXPECT_EQ(checkedMethod(page)->text(), "Matrix for printing");
    int method = -7, threshold = -7;
    ASSERT_TRUE(page.readValues(method, threshold));
    EXPECT_EQ(method, 3);
    EXPECT_EQ(threshold, 90);

    // The user's choice is read back.
    for (QRadioButton* button : page.findChildren<QRadioButton*>())
        if (button->text() == "Floyd - Steinberg")
            button->click();
    page.findChild<QLineEdit*>("thresholdEdit")->setText("0");
    ASSERT_TRUE(page.readValues(method, threshold));
    EXPECT_EQ(method, 4);
    EXPECT_EQ(threshold, 0);

    // No method of its own (the program's) leaves every button clear.
    page.setValues(-1, 255);
    EXPECT_EQ(checkedMethod(page), nullptr);
    ASSERT_TRUE(page.readValues(method, threshold));
    EXPECT_EQ(method, -1);
    EXPECT_EQ(threshold, 255);
    page.setValues(0, 128);
    batchui_test::saveScreenshot(page, "dithering-page");
}

TEST(DitheringPage, ThresholdOutsideTheRangeKeepsTheUserOnThePage) {
    widgets::DitheringPage page;
    page.show();
    page.setValues(1, 128);
    auto* edit = page.findChild<QLineEdit*>("thresholdEdit");
    for (const char* typed : {"256", "-1", "12x", ""}) {
        batchui_test::MessageRecorder recorder;
        edit->setText(typed);
        int method = 9, threshold = 9;
        EXPECT_FALSE(page.readValues(method, threshold)) << typed;
        ASSERT_EQ(recorder.messages.size(), 1u) << typed;
        EXPECT_EQ(recorder.messages[0].text.toStdString(), "Zadejte celé číslo mezi 0 a 255.");
        EXPECT_EQ(recorder.messages[0].icon, QMessageBox::Warning);
        // Nothing read, and the edit is where the user fixes it.
        EXPECT_EQ(method, 9);
        EXPECT_EQ(threshold, 9);
        EXPECT_TRUE(edit->hasFocus() || !page.isActiveWindow());
        EXPECT_EQ(edit->selectedText(), edit->text());
    }
}
