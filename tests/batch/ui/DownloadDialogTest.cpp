#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>

#include "app/core/settings/AppSettings.h"
#include "batch/ui/DownloadDialog.h"
#include "support/TestSupport.h"
#include "tests/qtsupport/WidgetTestSupport.h"
#include "widgets/FolderPickerDialog.h"

namespace {

using batchui_test::MessageRecorder;

class DownloadDlgTest : public ::testing::Test {
protected:
    DownloadDlgTest() {
        // Every test starts as a fresh program would.
        batchui::DownloadDialog::remembered() = {};
        settings.saveFolder = dir.path();
    }
    ~DownloadDlgTest() override { batchui::DownloadDialog::remembered() = {}; }

    static QLineEdit& urlEdit(batchui::DownloadDialog& dialog) {
        return *dialog.findChild<QLineEdit*>("urlEdit");
    }
    static QLineEdit& folderEdit(batchui::DownloadDialog& dialog) {
        return *dialog.findChild<QLineEdit*>("folderEdit");
    }

    // Types the text, presses OK and gives the messages shown.
    static std::vector<widgets::Message> submit(batchui::DownloadDialog& dialog,
                                                const QString& text) {
        MessageRecorder recorder;
        urlEdit(dialog).setText(text);
        dialog.accept();
        return recorder.messages;
    }

    testing_support::TempDir dir;
    app::AppSettings settings;
};

}  // namespace

TEST_F(DownloadDlgTest, AcceptsTheNormalisedUrlAndRemembersTheText) {
    batchui::DownloadDialog dialog(settings, batchui::DownloadDialog::urlOnly);
    EXPECT_EQ(dialog.windowTitle().toStdString(), "Stahování obrázku");
    EXPECT_EQ(urlEdit(dialog).maxLength(), 256);
    EXPECT_TRUE(submit(dialog, "www.example.com/logo.gif").empty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.url(), "http://www.example.com/logo.gif");
    EXPECT_EQ(batchui::DownloadDialog::remembered().lastUrl, "www.example.com/logo.gif");

    // The next dialog opens with the text typed last.
    batchui::DownloadDialog next(settings, batchui::DownloadDialog::urlOnly);
    EXPECT_EQ(urlEdit(next).text(), "www.example.com/logo.gif");
}

TEST_F(DownloadDlgTest, RefusalsShowTheirMessageAndKeepTheDialogOpen) {
    batchui::DownloadDialog dialog(settings, batchui::DownloadDialog::withFolder);
    dialog.show();

    auto messages = submit(dialog, "gopher://host/a.gif");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text.toStdString(), "Nepodporovaný formát URL 'gopher:/'");
    EXPECT_EQ(messages[0].caption.toStdString(), "Chyba");
    EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(urlEdit(dialog).text(), "gopher://host/a.gif");
    EXPECT_EQ(batchui::DownloadDialog::remembered().lastUrl, "gopher://host/a.gif");

    messages = submit(dialog, "");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text.toStdString(), "Zadejte URL obrázku");
    EXPECT_EQ(messages[0].caption.toStdString(), "Nebylo zadáno URL!");
    EXPECT_TRUE(dialog.isVisible());

    const std::string missing = dir.file("no/such/folder");
    folderEdit(dialog).setText(QString::fromStdString(missing));
    messages = submit(dialog, "http://host/a.gif");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text.toStdString(), "Složka nenalezena: '" + missing + "'");
    EXPECT_EQ(messages[0].caption.toStdString(), "Chyba");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    // Put right, the same dialog is accepted.
    folderEdit(dialog).setText(QString::fromStdString(dir.path()));
    EXPECT_TRUE(submit(dialog, "http://host/a.gif").empty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(batchui::DownloadDialog::remembered().downloadFolder, dir.path());
}

TEST_F(DownloadDlgTest, UrlOnlyModeHidesTheFolderButStillNeedsIt) {
    batchui::DownloadDialog withFolder(settings, batchui::DownloadDialog::withFolder);
    withFolder.show();
    for (const char* name : {"folderLabel", "folderEdit", "browseButton"})
        EXPECT_TRUE(withFolder.findChild<QWidget*>(name)->isVisible()) << name;
    batchui_test::saveScreenshot(withFolder, "download");

    batchui::DownloadDialog urlOnly(settings, batchui::DownloadDialog::urlOnly);
    urlOnly.show();
    for (const char* name : {"folderLabel", "folderEdit", "browseButton"})
        EXPECT_FALSE(urlOnly.findChild<QWidget*>(name)->isVisible()) << name;
    batchui_test::saveScreenshot(urlOnly, "download-url-only");

    batchui::DownloadDialog::remembered().downloadFolder = dir.file("gone");
    const auto messages = submit(urlOnly, "host/a.gif");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text.toStdString(), "Složka nenalezena: '" + dir.file("gone") + "'");
    EXPECT_TRUE(urlOnly.isVisible());
}

TEST_F(DownloadDlgTest, DownloadFolderStartsAtTheSaveFolderAndCancelKeepsValues) {
    batchui::DownloadDialog first(settings, batchui::DownloadDialog::withFolder);
    EXPECT_EQ(folderEdit(first).text().toStdString(), dir.path());
    EXPECT_EQ(batchui::DownloadDialog::remembered().downloadFolder, dir.path());

    // Without a save folder, the temporary folder.
    batchui::DownloadDialog::remembered() = {};
    settings.saveFolder.clear();
    batchui::DownloadDialog second(settings, batchui::DownloadDialog::withFolder);
    EXPECT_EQ(batchui::DownloadDialog::remembered().downloadFolder, settings.saveFolderOrTemp());

    // Cancel remembers neither the text nor the folder.
    batchui::DownloadDialog::remembered() = {"http://before/", dir.path()};
    batchui::DownloadDialog cancelled(settings, batchui::DownloadDialog::withFolder);
    urlEdit(cancelled).setText("http://typed/");
    folderEdit(cancelled).setText("/elsewhere");
    cancelled.reject();
    EXPECT_EQ(batchui::DownloadDialog::remembered().lastUrl, "http://before/");
    EXPECT_EQ(batchui::DownloadDialog::remembered().downloadFolder, dir.path());
}

TEST_F(DownloadDlgTest, BrowseChoosesTheFolderInThePicker) {
    std::filesystem::create_directories(dir.file("pictures"));
    batchui::DownloadDialog dialog(settings, batchui::DownloadDialog::withFolder);
    dialog.show();
    batchui_test::whenModalOpens([&](QWidget& widget) {
        auto* picker = qobject_cast<widgets::FolderPickerDialog*>(&widget);
        ASSERT_NE(picker, nullptr);
        EXPECT_EQ(picker->currentFolder(), dir.path());
        auto* list = picker->findChild<QListWidget*>("folderList");
        const auto found = list->findItems("[pictures]", Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        emit list->itemActivated(found[0]);
        picker->accept();
    });
    dialog.findChild<QPushButton*>("browseButton")->click();
    EXPECT_EQ(folderEdit(dialog).text().toStdString(), dir.file("pictures"));
}
