#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "app/core/settings/DisplayPresets.h"
#include "app/core/settings/PhoneTable.h"
#include "app/ui/dialogs/CSourceOptionsDialog.h"
#include "app/ui/dialogs/FitToPhoneDialog.h"
#include "app/ui/dialogs/NewPhoneDialog.h"
#include "app/ui/dialogs/NewPictureDialog.h"
#include "tests/app/ui/ViewTestSupport.h"

using app::ui::CSourceOptionsDialog;
using app::ui::FitToPhoneDialog;
using app::ui::NewPhoneDialog;
using app::ui::NewPictureDialog;
using view_test::saveScreenshot;
using view_test::whenModalOpens;

namespace {

struct PhoneDialogsTest : ::testing::Test {
    testing_support::ScopedSettingsStore store;
    testing_support::RecordingUi ui;
};

QString entry(int number) {
    return QString::fromStdString(app::PhoneTable().listEntry(number));
}

TEST_F(PhoneDialogsTest, NewPictureOpensByPhoneWithEveryPhoneListed) {
    NewPictureDialog dialog(ui);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Nový obrázek"));
    EXPECT_TRUE(dialog.byPhoneButton().isChecked());
    EXPECT_FALSE(dialog.inPixelsButton().isChecked());
    ASSERT_EQ(dialog.phoneList().count(), 17);
    EXPECT_EQ(dialog.phoneList().currentRow(), 0);
    EXPECT_EQ(dialog.phoneList().item(0)->text(), QString("Nokia 7110                ( 96x 44)"));
    EXPECT_EQ(dialog.phoneList().item(16)->text(), entry(17));
    EXPECT_EQ(dialog.widthEdit().text(), "0");
    EXPECT_EQ(dialog.heightEdit().text(), "0");
    // By phone: the list and its buttons work, the size fields do not.
    EXPECT_TRUE(dialog.phoneList().isEnabled());
    EXPECT_TRUE(dialog.removePhoneButton().isEnabled());
    EXPECT_TRUE(dialog.addPhoneButton().isEnabled());
    EXPECT_FALSE(dialog.widthEdit().isEnabled());
    EXPECT_FALSE(dialog.heightEdit().isEnabled());
    saveScreenshot(dialog, "dialog-new-picture");
}

TEST_F(PhoneDialogsTest, ChoosingInPixelsSwapsWhatCanBeUsed) {
    NewPictureDialog dialog(ui);
    dialog.inPixelsButton().click();
    EXPECT_FALSE(dialog.byPhoneButton().isChecked());
    EXPECT_FALSE(dialog.phoneList().isEnabled());
    EXPECT_FALSE(dialog.removePhoneButton().isEnabled());
    EXPECT_FALSE(dialog.addPhoneButton().isEnabled());
    EXPECT_TRUE(dialog.widthEdit().isEnabled());
    EXPECT_TRUE(dialog.heightEdit().isEnabled());
    dialog.byPhoneButton().click();
    EXPECT_FALSE(dialog.inPixelsButton().isChecked());
    EXPECT_TRUE(dialog.phoneList().isEnabled());
    EXPECT_FALSE(dialog.widthEdit().isEnabled());
}

TEST_F(PhoneDialogsTest, ByPhoneGivesTheChosenPhonesDisplay) {
    NewPictureDialog dialog(ui);
    dialog.phoneList().setCurrentRow(4);  // Ericsson R380
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.pictureWidth(), 310);
    EXPECT_EQ(dialog.pictureHeight(), 100);
}

TEST_F(PhoneDialogsTest, InPixelsChecksTheRangeAndStaysOpenOnAMistake) {
    NewPictureDialog dialog(ui);
    dialog.inPixelsButton().click();
    dialog.widthEdit().setText("2001");
    dialog.heightEdit().setText("80");
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Zadejte celé číslo od 0 do 2000.");
    dialog.widthEdit().setText("seven");
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(ui.messages.size(), 2u);
    dialog.widthEdit().setText("2000");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.pictureWidth(), 2000);
    EXPECT_EQ(dialog.pictureHeight(), 80);
}

TEST_F(PhoneDialogsTest, RemovingAPhoneAsksFirst) {
    NewPictureDialog dialog(ui);
    dialog.phoneList().setCurrentRow(0);
    ui.answers = {false};
    dialog.removeSelectedPhone();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Chcete odebrat vybraný telefon?");
    EXPECT_EQ(ui.messages[0].icon, app::MessageIcon::question);
    EXPECT_EQ(app::PhoneTable().phoneCount(), 17);

    ui.answers = {true};
    dialog.removeSelectedPhone();
    EXPECT_EQ(app::PhoneTable().phoneCount(), 16);
    // The list shows the table again, from its first row.
    ASSERT_EQ(dialog.phoneList().count(), 16);
    EXPECT_TRUE(dialog.phoneList().item(0)->text().startsWith("Nokia 6210"));
    EXPECT_EQ(dialog.phoneList().currentRow(), 0);
    EXPECT_TRUE(dialog.byPhoneButton().isChecked());
}

TEST_F(PhoneDialogsTest, AddedPhoneJoinsTheTableAndTheList) {
    NewPictureDialog dialog(ui);
    QString shownTitle;
    whenModalOpens([&](QDialog& open) {
        shownTitle = open.windowTitle();
        auto* phone = qobject_cast<NewPhoneDialog*>(&open);
        ASSERT_NE(phone, nullptr);
        phone->nameEdit().setText(QString::fromUtf8("Testovací telefon"));
        phone->widthEdit().setText("120");
        phone->heightEdit().setText("160");
        phone->accept();
    });
    dialog.addPhone();
    EXPECT_EQ(shownTitle, QString::fromUtf8("Nový telefon"));
    const app::PhoneTable phones;
    ASSERT_EQ(phones.phoneCount(), 18);
    EXPECT_EQ(phones.phoneName(18), "Testovací telefon");
    EXPECT_EQ(phones.phoneWidth(18), 120);
    EXPECT_EQ(phones.phoneHeight(18), 160);
    ASSERT_EQ(dialog.phoneList().count(), 18);
    EXPECT_EQ(dialog.phoneList().item(17)->text(),
              QString::fromUtf8("Testovací telefon         (120x160)"));

    // Cancelling the new-phone dialog adds nothing.
    whenModalOpens([](QDialog& open) { open.reject(); });
    dialog.addPhone();
    EXPECT_EQ(app::PhoneTable().phoneCount(), 18);
}

TEST_F(PhoneDialogsTest, EmptyPhoneTableAsksForAPhoneInsteadOfAnEmptySize) {
    for (int left = 17; left > 0; --left)
        app::PhoneTable().removePhone(1);
    ASSERT_EQ(app::PhoneTable().phoneCount(), 0);
    NewPictureDialog dialog(ui);
    EXPECT_EQ(dialog.phoneList().count(), 0);
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Vyberte telefon ze seznamu.");
    dialog.removeSelectedPhone();  // nothing selected: no question
    EXPECT_EQ(ui.messages.size(), 1u);

    FitToPhoneDialog fit(ui);
    fit.accept();
    EXPECT_NE(fit.result(), QDialog::Accepted);
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(PhoneDialogsTest, NewPhoneKeepsTheNameShortAndTheSizeInRange) {
    NewPhoneDialog dialog(ui);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Nový telefon"));
    dialog.nameEdit().setText(QString(30, QChar('x')));
    EXPECT_EQ(dialog.nameEdit().text().size(), 25);
    dialog.widthEdit().setText("9001");
    dialog.heightEdit().setText("10");
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Zadejte celé číslo od 0 do 9000.");
    dialog.widthEdit().setText("9000");
    dialog.heightEdit().setText("-1");
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    dialog.heightEdit().setText("0");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.phoneName(), std::string(25, 'x'));
    EXPECT_EQ(dialog.displayWidth(), 9000);
    EXPECT_EQ(dialog.displayHeight(), 0);
    saveScreenshot(dialog, "dialog-new-phone");
}

TEST_F(PhoneDialogsTest, FitToPhoneSharesTheChosenRowProgramWide) {
    {
        FitToPhoneDialog dialog(ui);
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Přizpůsobit na telefon"));
        ASSERT_EQ(dialog.phoneList().count(), 17);
        EXPECT_EQ(dialog.phoneList().item(3)->text(), entry(4));
        EXPECT_EQ(dialog.phoneList().currentRow(), 0);
        EXPECT_EQ(FitToPhoneDialog::chosenPosition(), 0);
        // Every change of the selection is kept at once, even if cancelled.
        dialog.phoneList().setCurrentRow(5);
        EXPECT_EQ(FitToPhoneDialog::chosenPosition(), 5);
        saveScreenshot(dialog, "dialog-fit-to-phone");
        dialog.reject();
    }
    EXPECT_EQ(FitToPhoneDialog::chosenPosition(), 5);
    // The next dialog starts from the first phone again.
    FitToPhoneDialog next(ui);
    EXPECT_EQ(FitToPhoneDialog::chosenPosition(), 0);
    next.phoneList().setCurrentRow(16);
    next.accept();
    EXPECT_EQ(next.result(), QDialog::Accepted);
    EXPECT_EQ(FitToPhoneDialog::chosenPosition(), 16);
}

TEST_F(PhoneDialogsTest, FitDialogOffersTheDisplaysInASecondList) {
    FitToPhoneDialog dialog(ui);
    ASSERT_EQ(dialog.displayList().count(), static_cast<int>(app::displayPresets().size()));
    EXPECT_EQ(dialog.displayList().item(0)->text(),
              QString::fromUtf8("SSD1306 OLED 0.96\"        (128x 64)"));
    EXPECT_EQ(dialog.displayList().currentRow(), -1);
    EXPECT_EQ(dialog.chosenDisplay(), -1);
    // Choosing in one list clears the other.
    dialog.displayList().setCurrentRow(3);
    EXPECT_EQ(dialog.chosenDisplay(), 3);
    EXPECT_EQ(dialog.phoneList().currentRow(), -1);
    saveScreenshot(dialog, "dialog-fit-to-display");
    dialog.phoneList().setCurrentRow(2);
    EXPECT_EQ(dialog.chosenDisplay(), -1);
    EXPECT_EQ(dialog.displayList().currentRow(), -1);
    // A display alone is a choice.
    dialog.displayList().setCurrentRow(7);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(dialog.chosenDisplay(), 7);
}

TEST_F(PhoneDialogsTest, CArrayOptionsGoInAndComeBack) {
    const bitmap::CArrayOptions given{bitmap::CArrayLayout::vertical, true};
    CSourceOptionsDialog dialog(given);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Pole v jazyce C"));
    EXPECT_EQ(dialog.options(), given);
    dialog.layouts().button(static_cast<int>(bitmap::CArrayLayout::xbm))->click();
    dialog.invertBox().click();
    EXPECT_EQ(dialog.options(), (bitmap::CArrayOptions{bitmap::CArrayLayout::xbm, false}));
    saveScreenshot(dialog, "dialog-c-array");
}

}  // namespace
