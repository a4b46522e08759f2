// The batch command of the main window end to end: the sheet filled in as a
// user would, a run over files of every kind and a URL from a loopback
// server, the progress window's texts, the boxes, and a long run.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <filesystem>

#include "app/ui/frame/BatchAndSplitCommands.h"
#include "app/ui/frame/CommandIds.h"
#include "app/ui/view/PictureView.h"
#include "batch/ui/BatchFilesPage.h"
#include "batch/ui/BatchProgressDialog.h"
#include "batch/ui/BatchSettingsPage.h"
#include "batch/ui/BatchSheet.h"
#include "batch/ui/BatchWmlPage.h"
#include "batch/ui/DownloadDialog.h"
#include "qtsupport/ChildControl.h"
#include "support/LocalServer.h"
#include "tests/app/ui/AppuiTestSupport.h"
#include "tests/app/ui/BatchTestSupport.h"
#include "tests/app/ui/WbmpReading.h"

namespace fs = std::filesystem;
using namespace app::ui;
using appui_test::ModalScript;
using appui_test::ProgressWatcher;
using appui_test::writeGradientBmp;
using testing_support::readText;

using qt_test::child;

namespace {

void dropFiles(QWidget& target, const std::vector<std::string>& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const std::string& path : paths)
        urls.append(QUrl::fromLocalFile(QString::fromStdString(path)));
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    QDropEvent drop(QPointF(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
}

// The settings page's choices of the runs below.
void chooseOutput(batchui::BatchSheet& sheet, const std::string& folder, bool wbmp,
                  bool stopOnError, bool confirm) {
    ASSERT_TRUE(sheet.showPage(batchui::BatchSheet::kSettingsPage));
    batchui::BatchSettingsPage& page = sheet.settingsPage();
    child<QLineEdit>(page, "outputFolderEdit").setText(QString::fromStdString(folder));
    child<QRadioButton>(page, wbmp ? "wbmpButton" : "bmpButton").click();
    child<QCheckBox>(page, "stopOnErrorCheck").setChecked(stopOnError);
    child<QCheckBox>(page, "confirmationCheck").setChecked(confirm);
}

void chooseWmlPages(batchui::BatchSheet& sheet) {
    ASSERT_TRUE(sheet.showPage(batchui::BatchSheet::kWmlPage));
    auto& create = child<QCheckBox>(sheet.wml(), "createPagesCheck");
    if (!create.isChecked())
        create.click();
}

class BatchCommandTest : public appui_test::FrameTest {
protected:
    BatchCommandTest() : out(work.file("out")) { fs::create_directories(out); }

    std::vector<std::string> filesIn(const std::string& folder) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string out;
};

TEST_F(BatchCommandTest, CommandIsOfferedWithItsKeyAndNeedsNoPicture) {
    QAction& batch = command(ID_BATCH);
    EXPECT_TRUE(batch.isEnabled());
    EXPECT_EQ(batch.shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
    EXPECT_TRUE(frame().mainToolBar()->actions().contains(&batch));
    EXPECT_TRUE(frame().fileMenu()->actions().contains(&batch));
}

TEST_F(BatchCommandTest, MixedFilesAndAUrlBecomeWbmpPicturesWithPages) {
    const std::string sources = work.file("sources");
    const std::string served = work.file("served");
    fs::create_directories(sources);
    fs::create_directories(served);
    const std::string bmp = writeGradientBmp(sources + "/bmp.bmp", 40, 30);
    // A GIF written by the program's own codec, a PNG by Qt and a JPEG by
    // cjpeg when it is there.
    auto& codec = *settings.codec();
    ASSERT_TRUE(codec.loadBmp(writeGradientBmp(work.file("g.bmp"), 24, 12)));
    const std::string gif = sources + "/gif.gif";
    ASSERT_TRUE(codec.saveAs(gif, "gif", 0));
    const std::string png = sources + "/png.png";
    QImage picture(16, 20, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(QString::fromStdString(png)));
    std::vector<std::string> files{bmp, gif, png};
    std::vector<std::string> expected{"bmp", "gif", "png"};
    if (testing_support::hasTool("cjpeg")) {
        const std::string jpeg = sources + "/jpeg.jpg";
        ASSERT_EQ(testing_support::runCommand("cjpeg -outfile " + testing_support::quote(jpeg) +
                                              " " + testing_support::quote(bmp))
                      .exitCode,
                  0);
        files.push_back(jpeg);
        expected.push_back("jpeg");
    }
    writeGradientBmp(served + "/remote.bmp", 30, 16);
    LocalServer server(LocalServer::Kind::http, served);
    expected.push_back("download.remote");

    ProgressWatcher watcher(&frame().view());
    ModalScript script;
    script
        .then<batchui::BatchSheet>([&](batchui::BatchSheet& sheet) {
            dropFiles(sheet.selection(), files);
            child<QPushButton>(sheet.selection(), "addUrlButton").click();
            chooseOutput(sheet, out, true, false, false);
            chooseWmlPages(sheet);
            sheet.accept();
        })
        .then<batchui::DownloadDialog>([&](batchui::DownloadDialog& dialog) {
            child<QLineEdit>(dialog, "urlEdit")
                .setText(QString::fromStdString(server.url("/files/remote.bmp")));
            dialog.accept();
        });
    run(ID_BATCH, script);

    const int total = static_cast<int>(expected.size());
    ASSERT_EQ(messages.size(), 1u) << messages[0].text.toStdString();
    EXPECT_EQ(messages[0].text.toStdString(),
              "Všech " + std::to_string(total) + " obrázků bylo zkonvertováno úspěšně");
    EXPECT_EQ(messages[0].caption.toStdString(), "Dávková konverze kompletní");
    EXPECT_EQ(messages[0].icon, app::MessageIcon::information);

    std::vector<std::string> wanted;
    for (const std::string& name : expected) {
        wanted.push_back(name + ".wbmp");
        wanted.push_back(name + ".wml");
        const auto read = appui_test::readWbmp(out + "/" + name + ".wbmp");
        ASSERT_TRUE(read) << name;
        const std::string page = readText(out + "/" + name + ".wml");
        EXPECT_NE(
            page.find("<img src=\"" + name + ".wbmp\" width=\"" + std::to_string(read->width) +
                      "\" height=\"" + std::to_string(read->height) + "\""),
            std::string::npos)
            << page;
    }
    std::sort(wanted.begin(), wanted.end());
    EXPECT_EQ(filesIn(out), wanted);
    // The fetched file was only lent to the run.
    EXPECT_FALSE(fs::exists(saveFolder + "/download.remote.bmp"));

    // The progress window's texts, in order.
    std::vector<std::string> statuses{"Počítám obrázky", "Začínám..."};
    for (int i = 0; i < total; ++i)
        for (const char* status :
             {"Vytvářím výstupní soubor", "Nahrávám obrázek", "Konvertuji do černobíla...",
              "Ukládám zkonvertovaný obrázek", "Vytvářím WML stránku", "Ukončeno"})
            statuses.push_back(status);
    EXPECT_EQ(watcher.statuses(), statuses);
    ASSERT_GE(watcher.steps.size(), 2u);
    EXPECT_EQ(watcher.steps[0].file.toStdString(), "Zpracovávám obrázek: Žádný soubor");
    EXPECT_EQ(watcher.steps[0].remaining.toStdString(), "Zbývá:   Unknown");
    EXPECT_EQ(watcher.steps[1].remaining.toStdString(), "Zbývá:   " + std::to_string(total));
    const auto finished = watcher.finishedEntries();
    ASSERT_EQ(static_cast<int>(finished.size()), total);
    for (int i = 0; i < total; ++i) {
        EXPECT_EQ(finished[i].processed.toStdString(), "Zpracováno:   " + std::to_string(i + 1));
        EXPECT_EQ(finished[i].remaining.toStdString(), "Zbývá:   " + std::to_string(total - i - 1));
        EXPECT_EQ(finished[i].errors.toStdString(), "Chyby:  0");
    }
    EXPECT_EQ(finished.back().file.toStdString(),
              "Zpracovávám obrázek: " + saveFolder + "/download.remote.bmp");
    // The progress window is gone; the document holds what it held before
    // the run: nothing.
    EXPECT_TRUE(frame().findChildren<batchui::BatchProgressDialog*>().isEmpty());
    EXPECT_FALSE(doc().hasPicture());
}

TEST_F(BatchCommandTest, ErrorsStopInBoxesAndTheConfirmationLeadsBackToTheSheet) {
    const std::string good = writeGradientBmp(work.file("good.bmp"), 12, 12);
    const std::string broken = work.file("broken.bmp");
    testing_support::writeFile(broken, std::string("BM not a picture"));
    int sheetsShown = 0;
    ModalScript script;
    const auto fill = [&](batchui::BatchSheet& sheet) {
        ++sheetsShown;
        if (sheetsShown == 1) {
            dropFiles(sheet.selection(), {broken, good});
            chooseOutput(sheet, out, false, true, true);
        } else {
            // Shown again with the values as they stood.
            EXPECT_EQ(sheet.selection().entries().size(), 2);
            EXPECT_EQ(sheet.selection().statusText().toStdString(), "Souborů připraveno: 2 ");
            EXPECT_TRUE(child<QCheckBox>(sheet.settingsPage(), "confirmationCheck").isChecked());
        }
        sheet.accept();
    };
    script.then<batchui::BatchSheet>(fill).then<batchui::BatchSheet>(fill);
    // The failure asks whether to stop: No goes on with the next file.
    answers = {QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::No};
    run(ID_BATCH, script);

    EXPECT_EQ(sheetsShown, 2);
    ASSERT_EQ(messages.size(), 4u);
    const std::string confirmation =
        "Soubory ke zkonvertování:\n\n" + broken + "\n" + good + "\n\nZastavit při chybě: Ano\n";
    for (int i : {0, 1}) {
        EXPECT_EQ(messages[i].text.toStdString(), confirmation);
        EXPECT_EQ(messages[i].caption.toStdString(), "Připraven na konverzi");
        EXPECT_TRUE(messages[i].buttons.testFlag(QMessageBox::Cancel));
    }
    EXPECT_EQ(messages[2].caption.toStdString(), "Chyba");
    EXPECT_EQ(messages[2].icon, app::MessageIcon::error);
    EXPECT_EQ(messages[2].buttons, QMessageBox::Yes | QMessageBox::No);
    const std::string question = messages[2].text.toStdString();
    const std::string ask = "\n\nZastavit dávkovou konverzi?";
    EXPECT_EQ(question.rfind("Nepodařilo se nahrát soubor " + broken + ": ", 0), 0u) << question;
    ASSERT_TRUE(question.ends_with(ask)) << question;
    EXPECT_EQ(messages[3].text.toStdString(),
              "1 Souborů zkonvertováno úspěšně (z 2 celkem).\n\nNastalo 1 chyb:\n" +
                  question.substr(0, question.size() - ask.size()) + "\n");
    EXPECT_EQ(messages[3].icon, app::MessageIcon::warning);
    EXPECT_EQ(filesIn(out), std::vector<std::string>{"good.bmp"});
}

TEST_F(BatchCommandTest, YesAtAFailureStopsTheRunThere) {
    const std::string broken = work.file("broken.bmp");
    testing_support::writeFile(broken, std::string("BM not a picture"));
    const std::string good = writeGradientBmp(work.file("good.bmp"), 12, 12);
    ModalScript script;
    script.then<batchui::BatchSheet>([&](batchui::BatchSheet& sheet) {
        dropFiles(sheet.selection(), {broken, good});
        chooseOutput(sheet, out, false, true, false);
        sheet.accept();
    });
    answers = {QMessageBox::Yes};
    run(ID_BATCH, script);

    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[0].text.endsWith(QString::fromUtf8("Zastavit dávkovou konverzi?")));
    EXPECT_EQ(
        messages[1].text.toStdString().rfind("0 Souborů zkonvertováno úspěšně (z 2 celkem).", 0),
        0u)
        << messages[1].text.toStdString();
    EXPECT_TRUE(filesIn(out).empty());
}

TEST_F(BatchCommandTest, AMissingOutputFolderIsOfferedForCreatingBeforeTheRun) {
    const std::string good = writeGradientBmp(work.file("good.bmp"), 12, 12);
    const std::string missing = work.file("new/pictures");
    int sheetsShown = 0;
    const auto fill = [&](batchui::BatchSheet& sheet) {
        if (++sheetsShown == 1) {
            dropFiles(sheet.selection(), {good});
            chooseOutput(sheet, missing, false, false, false);
        }
        sheet.accept();
    };
    ModalScript script;
    script.then<batchui::BatchSheet>(fill).then<batchui::BatchSheet>(fill);
    // No goes back to the sheet with nothing converted; Yes makes the folder.
    answers = {QMessageBox::No, QMessageBox::Yes};
    run(ID_BATCH, script);

    EXPECT_EQ(sheetsShown, 2);
    ASSERT_EQ(messages.size(), 3u);
    for (int i : {0, 1}) {
        EXPECT_EQ(messages[i].text.toStdString(),
                  "Složka '" + missing + "' neexistuje. Mám ji vytvořit?");
        EXPECT_EQ(messages[i].caption.toStdString(), "Vytvořit složku");
        EXPECT_EQ(messages[i].buttons, QMessageBox::Yes | QMessageBox::No);
    }
    EXPECT_EQ(messages[2].text.toStdString(), "Všech 1 obrázků bylo zkonvertováno úspěšně");
    EXPECT_EQ(messages[2].icon, app::MessageIcon::information);
    EXPECT_EQ(filesIn(missing), std::vector<std::string>{"good.bmp"});
}

TEST_F(BatchCommandTest, AFolderThatCannotBeMadeStopsTheRunBeforeItStarts) {
    const std::string good = writeGradientBmp(work.file("good.bmp"), 12, 12);
    // A file stands where the folder would go.
    const std::string blocker = work.file("blocker");
    testing_support::writeFile(blocker, std::string("x"));
    int sheetsShown = 0;
    const auto fill = [&](batchui::BatchSheet& sheet) {
        if (++sheetsShown == 1) {
            dropFiles(sheet.selection(), {good});
            chooseOutput(sheet, blocker + "/out", false, false, false);
            sheet.accept();
        } else {
            sheet.reject();
        }
    };
    ModalScript script;
    script.then<batchui::BatchSheet>(fill).then<batchui::BatchSheet>(fill);
    run(ID_BATCH, script);

    EXPECT_EQ(sheetsShown, 2);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text.toStdString(), "Složku '" + blocker + "/out' nelze vytvořit.");
    EXPECT_EQ(messages[1].icon, app::MessageIcon::error);
    EXPECT_FALSE(frame().findChild<batchui::BatchProgressDialog*>());
}

TEST_F(BatchCommandTest, ARunWithFailuresLeavesItsListForTheNextOne) {
    const std::string broken = work.file("broken.bmp");
    testing_support::writeFile(broken, std::string("BM not a picture"));
    const std::string good = writeGradientBmp(work.file("good.bmp"), 12, 12);
    const auto runWith = [&](const std::vector<std::string>& files, QStringList& listed) {
        ModalScript script;
        script.then<batchui::BatchSheet>([&](batchui::BatchSheet& sheet) {
            listed = sheet.selection().entries();
            if (!files.empty())
                dropFiles(sheet.selection(), files);
            chooseOutput(sheet, out, false, false, false);
            sheet.accept();
        });
        run(ID_BATCH, script);
    };
    QStringList listed;
    runWith({broken, good}, listed);
    EXPECT_TRUE(listed.isEmpty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, app::MessageIcon::warning);

    // The next sheet opens with the list; once it all converts, the one
    // after opens empty.
    testing_support::writeFile(broken, testing_support::readText(good));
    runWith({}, listed);
    EXPECT_EQ(listed, (QStringList{QString::fromStdString(broken), QString::fromStdString(good)}));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].icon, app::MessageIcon::information);
    ModalScript last;
    last.then<batchui::BatchSheet>([&](batchui::BatchSheet& sheet) {
        EXPECT_TRUE(sheet.selection().entries().isEmpty());
        sheet.reject();
    });
    run(ID_BATCH, last);
}

TEST_F(BatchCommandTest, EmptyListAndCancelConvertNothingAndSettingsLastTheProgram) {
    ModalScript cancelled;
    cancelled.then<batchui::BatchSheet>([&](batchui::BatchSheet& sheet) {
        chooseOutput(sheet, out, true, false, false);
        sheet.reject();
    });
    run(ID_BATCH, cancelled);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(frame().batchAndSplit().batchState().settings.outputFolder, saveFolder);

    ModalScript empty;
    empty.then<batchui::BatchSheet>([&](batchui::BatchSheet& sheet) {
        chooseOutput(sheet, out, true, false, false);
        sheet.accept();
    });
    run(ID_BATCH, empty);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text.toStdString(),
              "Žádné soubory nebyly vybrány pro konverzi.\nKonverze zrušena.");
    EXPECT_EQ(messages[0].caption.toStdString(), "Chyba");
    EXPECT_TRUE(filesIn(out).empty());

    // The next command opens with what the last one stored.
    ModalScript again;
    again.then<batchui::BatchSheet>([&](batchui::BatchSheet& sheet) {
        EXPECT_EQ(child<QLineEdit>(sheet.settingsPage(), "outputFolderEdit").text().toStdString(),
                  out);
        EXPECT_TRUE(child<QRadioButton>(sheet.settingsPage(), "wbmpButton").isChecked());
        EXPECT_EQ(sheet.selection().statusText().toStdString(), "0 souborů");
        sheet.reject();
    });
    run(ID_BATCH, again);
}

TEST_F(BatchCommandTest, TwoHundredPicturesWithPagesKeepEveryEntryOnce) {
    constexpr int kCount = 200;
    const std::string sources = work.file("many");
    fs::create_directories(sources);
    std::vector<std::string> files;
    for (int i = 0; i < kCount; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/p%03d.bmp", i);
        files.push_back(writeGradientBmp(sources + name, 6 + i % 5, 4 + i % 3));
    }
    ProgressWatcher watcher(&frame().view());
    // Closing the main window in the middle of the run is refused.
    bool closeAccepted = true;
    watcher.onStep = [&](size_t step) {
        if (step == 300)
            closeAccepted = frame().close();
    };
    ModalScript script;
    script.then<batchui::BatchSheet>([&](batchui::BatchSheet& sheet) {
        dropFiles(sheet.selection(), files);
        EXPECT_EQ(sheet.selection().statusText().toStdString(), "Souborů připraveno: 200 ");
        chooseOutput(sheet, out, true, false, false);
        chooseWmlPages(sheet);
        sheet.accept();
    });
    run(ID_BATCH, script);

    EXPECT_FALSE(closeAccepted);
    EXPECT_TRUE(frame().isVisible());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text.toStdString(), "Všech 200 obrázků bylo zkonvertováno úspěšně");
    const auto names = filesIn(out);
    ASSERT_EQ(names.size(), 2u * kCount);
    for (int i = 0; i < kCount; ++i) {
        char stem[16];
        std::snprintf(stem, sizeof stem, "p%03d", i);
        EXPECT_TRUE(std::binary_search(names.begin(), names.end(), std::string(stem) + ".wbmp"))
            << stem;
        EXPECT_TRUE(std::binary_search(names.begin(), names.end(), std::string(stem) + ".wml"))
            << stem;
        const auto read = appui_test::readWbmp(out + "/" + stem + ".wbmp");
        ASSERT_TRUE(read) << stem;
        EXPECT_EQ(read->width, 6 + i % 5);
    }
    const auto finished = watcher.finishedEntries();
    ASSERT_EQ(finished.size(), static_cast<size_t>(kCount));
    for (int i = 0; i < kCount; ++i) {
        EXPECT_EQ(finished[i].processed.toStdString(), "Zpracováno:   " + std::to_string(i + 1));
        EXPECT_EQ(finished[i].file.toStdString(), "Zpracovávám obrázek: " + files[i]);
        if (i > 0) {
            // Both windows repainted while the entry was converted.
            EXPECT_GT(finished[i].progressPaints, finished[i - 1].progressPaints) << i;
            EXPECT_GT(finished[i].viewPaints, finished[i - 1].viewPaints) << i;
        }
    }
}

}  // namespace
