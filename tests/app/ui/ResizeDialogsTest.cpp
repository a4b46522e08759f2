#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "app/ui/dialogs/BoxDialog.h"
#include "app/ui/dialogs/NumberDialog.h"
#include "tests/app/ui/ViewTestSupport.h"

using app::ui::BoxDialog;
using app::ui::NumberDialog;
using view_test::saveScreenshot;

namespace {

struct ResizeDialogsTest : ::testing::Test {
    testing_support::RecordingUi ui;
};

QStringList labelTexts(QWidget& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

TEST_F(ResizeDialogsTest, NumberDialogShowsItsPromptAndTakesAnyWholeNumber) {
    NumberDialog dialog(QString::fromUtf8("Zadejte poměr zvětšení:"), 100, ui);
    EXPECT_TRUE(labelTexts(dialog).contains(QString::fromUtf8("Zadejte poměr zvětšení:")));
    EXPECT_FALSE(labelTexts(dialog).contains(QString::fromUtf8("Zadejte číslo:")));
    EXPECT_EQ(dialog.edit().text(), "100");
    saveScreenshot(dialog, "dialog-number");
    dialog.edit().setText(" -15 ");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.value(), -15);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ResizeDialogsTest, NumberDialogStaysOpenForSomethingElse) {
    NumberDialog dialog(QString(), 7, ui);
    EXPECT_TRUE(labelTexts(dialog).contains(QString::fromUtf8("Zadejte číslo:")));
    for (const char* typed : {"abc", "", "1.5", "99999999999"}) {
        dialog.edit().setText(typed);
        dialog.accept();
        EXPECT_NE(dialog.result(), QDialog::Accepted) << typed;
    }
    ASSERT_EQ(ui.messages.size(), 4u);
    EXPECT_EQ(ui.messages[0].text, "Zadejte celé číslo.");
    EXPECT_EQ(dialog.value(), 7);
    dialog.edit().setText("2147483647");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.value(), 2147483647);
}

TEST_F(ResizeDialogsTest, BoxDialogStartsAtThePictureSizeAndChecksBothSides) {
    BoxDialog dialog(96, 60, ui);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Přizpůsobit na rozměry"));
    EXPECT_EQ(dialog.widthEdit().text(), "96");
    EXPECT_EQ(dialog.heightEdit().text(), "60");
    EXPECT_EQ(dialog.ignoreAspectRatioBox().text(), QString::fromUtf8("Nezachovávat poměr stran"));
    EXPECT_FALSE(dialog.ignoreAspectRatioBox().isChecked());
    saveScreenshot(dialog, "dialog-box");

    dialog.widthEdit().setText("0");
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Zadejte celé číslo od 1 do 4096.");
    dialog.widthEdit().setText("4096");
    dialog.heightEdit().setText("4097");
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(ui.messages.size(), 2u);

    dialog.heightEdit().setText("1");
    dialog.ignoreAspectRatioBox().setChecked(true);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.boxWidth(), 4096);
    EXPECT_EQ(dialog.boxHeight(), 1);
    EXPECT_TRUE(dialog.ignoreAspectRatio());
}

}  // namespace
