// The main window driven through its commands, with the dialogs filled in
// as a user would: the everyday path from a picture to a WBMP on disk, undo,
// the clipboard, downloads, and the failures that must leave the picture
// and the files as they were.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>

#include <unistd.h>

#include <filesystem>

#include "app/core/settings/PhoneTable.h"
#include "app/ui/dialogs/FitToPhoneDialog.h"
#include "app/ui/frame/CommandIds.h"
#include "app/ui/view/PictureView.h"
#include "batch/ui/ConversionPreviewDialog.h"
#include "batch/ui/DownloadDialog.h"
#include "batch/ui/DownloadProgressDialog.h"
#include "bitmap/gif/GifWriter.h"
#include "support/LocalServer.h"
#include "tests/app/ui/AppuiTestSupport.h"
#include "tests/app/ui/WbmpReading.h"

namespace appui_test {
namespace {

using namespace app::ui;
namespace fs = std::filesystem;

ModalScript::Handler cancelDialog() {
    return [](QWidget& widget) { ModalScript::closeWidget(widget); };
}

class WorkflowTest : public FrameTest {
protected:
    void saveAs(const std::string& path, int filterIndex) {
        ModalScript script;
        script.then(chooseFile(path, filterIndex));
        run(ID_FILE_SAVE_AS, script);
    }
    std::vector<uint8_t> pixelsOf(const std::vector<uint8_t>& dib) const { return dib; }
};

TEST_F(WorkflowTest, FromAPictureToAWbmpFittedToAPhone) {
    const auto source = writeGradientBmp(work.file("gradient.bmp"), 320, 160);
    open(source);
    ASSERT_TRUE(doc().hasPicture()) << (messages.empty() ? "" : messages[0].text.toStdString());
    EXPECT_EQ(doc().pictureWidth(), 320);
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("gradient.bmp[*] - WAP Glyphon"));

    // Fit to the first phone of the table.
    const app::PhoneTable phones;
    const int phoneWidth = phones.phoneWidth(1);
    const int phoneHeight = phones.phoneHeight(1);
    ModalScript fit;
    fit.then<FitToPhoneDialog>([](FitToPhoneDialog& dialog) {
        dialog.phoneList().setCurrentRow(0);
        dialog.accept();
    });
    run(ID_FIT_TO_PHONE, fit);
    EXPECT_LE(doc().pictureWidth(), phoneWidth);
    EXPECT_LE(doc().pictureHeight(), phoneHeight);
    EXPECT_TRUE(doc().pictureWidth() == phoneWidth || doc().pictureHeight() == phoneHeight);
    EXPECT_TRUE(doc().isModified());

    // The conversion settings: OK stores the method; the picture as it is
    // becomes the undo picture.
    fs::remove(settings.undoFilePath);
    ModalScript preview;
    preview.then<batchui::ConversionPreviewDialog>([](batchui::ConversionPreviewDialog& dialog) {
        auto* floyd = dialog.findChildren<QAbstractButton*>().value(0);
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
            if (button->text() == QStringLiteral("Floyd - Steinberg"))
                floyd = button;
        ASSERT_NE(floyd, nullptr);
        floyd->click();
        dialog.accept();
    });
    run(ID_CONVERSION_SETTINGS, preview);
    EXPECT_EQ(settings.ditheringMethod, 4);
    EXPECT_TRUE(fs::exists(settings.undoFilePath));

    run(ID_CONVERT_BW);
    EXPECT_TRUE(doc().isMonochrome());
    EXPECT_TRUE(messages.empty());

    const int width = doc().pictureWidth();
    const int height = doc().pictureHeight();
    saveAs(work.file("save/phone.b"), 1);
    const std::string written = work.file("save/phone.wbmp");
    ASSERT_TRUE(fs::exists(written));
    EXPECT_FALSE(fs::exists(work.file("save/phone.b")));
    EXPECT_EQ(doc().pathName(), written);
    EXPECT_FALSE(doc().isModified());
    EXPECT_FALSE(enabled(ID_FILE_SAVE));

    const auto wbmp = readWbmp(written);
    ASSERT_TRUE(wbmp);
    EXPECT_EQ(wbmp->width, width);
    EXPECT_EQ(wbmp->height, height);
    // Dark on the left, light on the right, as the gradient was.
    int whiteLeft = 0, whiteRight = 0;
    for (int y = 0; y < height; ++y) {
        whiteLeft += wbmp->white[y][0];
        whiteRight += wbmp->white[y][width - 1];
    }
    EXPECT_EQ(whiteLeft, 0);
    EXPECT_EQ(whiteRight, height);

    // The saved file is in the recent-file list, and the window's title
    // names it.
    EXPECT_EQ(frame().recentFiles().paths().value(0), QString::fromStdString(written));
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("phone.wbmp[*] - WAP Glyphon"));
}

TEST_F(WorkflowTest, UndoAfterConvertBringsBackTheGreyPicture) {
    open(writeGradientBmp(work.file("g.bmp"), 40, 20));
    const auto before = doc().dib();
    EXPECT_FALSE(enabled(ID_EDIT_UNDO));

    run(ID_CONVERT_BW);
    ASSERT_TRUE(doc().isMonochrome());
    ASSERT_NE(doc().dib(), before);
    // Convert keeps no new undo picture: the one from Open is the picture
    // before the conversion.
    ASSERT_TRUE(enabled(ID_EDIT_UNDO));

    run(ID_EDIT_UNDO);
    EXPECT_EQ(doc().pictureWidth(), 40);
    EXPECT_EQ(doc().pictureHeight(), 20);
    EXPECT_TRUE(doc().undoUsed());
    // One level only: undo is spent; Save stays possible (the last action
    // was an undo).
    EXPECT_FALSE(enabled(ID_EDIT_UNDO));
    EXPECT_TRUE(enabled(ID_FILE_SAVE));
    // The grey levels are back: more than two distinct bytes in the rows.
    const auto dib = doc().dib().bytes();
    std::set<uint8_t> values(dib.end() - 40, dib.end());
    EXPECT_GT(values.size(), 2u);
}

TEST_F(WorkflowTest, PasteTakesThePictureOnTheClipboard) {
    QImage image(24, 12, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(0, 0, 12, 12, Qt::black);
    QGuiApplication::clipboard()->setImage(image);
    ASSERT_TRUE(enabled(ID_EDIT_PASTE));
    EXPECT_FALSE(enabled(ID_EDIT_COPY));

    run(ID_EDIT_PASTE);
    ASSERT_TRUE(doc().hasPicture());
    EXPECT_EQ(doc().pictureWidth(), 24);
    EXPECT_EQ(doc().pictureHeight(), 12);
    EXPECT_TRUE(doc().isModified());
    EXPECT_TRUE(enabled(ID_EDIT_COPY));
    EXPECT_TRUE(enabled(ID_FILE_SAVE_AS));
    // The codec holds the pasted picture too: converting works on it.
    EXPECT_EQ(doc().codec().bmpWidth(), 24);

    // Cut puts it back on the clipboard and empties the document.
    QGuiApplication::clipboard()->clear();
    run(ID_EDIT_CUT);
    EXPECT_FALSE(doc().hasPicture());
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasImage() ||
                QGuiApplication::clipboard()->mimeData()->hasFormat("image/bmp"));
}

TEST_F(WorkflowTest, SaveOnAJpegOrAGifAsksForANameAndLeavesTheFile) {
    if (!testing_support::hasTool("cjpeg"))
        GTEST_SKIP() << "cjpeg is not installed";
    const auto bmp = writeGradientBmp(work.file("src.bmp"), 16, 16);
    const std::string jpeg = work.file("p.jpg");
    ASSERT_EQ(testing_support::runCommand("cjpeg -outfile " + testing_support::quote(jpeg) + " " +
                                          testing_support::quote(bmp))
                  .exitCode,
              0);
    const auto jpegBytes = testing_support::readFile(jpeg);
    open(jpeg);
    ASSERT_TRUE(doc().hasPicture());
    run(ID_CONVERT_BW);
    ASSERT_TRUE(enabled(ID_FILE_SAVE));
    // The program writes no JPEG: Save asks where the picture goes.
    ModalScript saveJpeg;
    saveJpeg.then(chooseFile(work.file("p.wbmp"), 1));
    run(ID_FILE_SAVE, saveJpeg);
    EXPECT_EQ(testing_support::readFile(jpeg), jpegBytes);
    EXPECT_TRUE(fs::exists(work.file("p.wbmp")));
    EXPECT_FALSE(doc().isModified());
    EXPECT_TRUE(messages.empty());

    auto dib = testing_support::makeGreyDib(8, 8, 8);
    const std::string gif = work.file("p.gif");
    ASSERT_EQ(bitmap::GifWriter(dib).save(gif, true), 0);
    const auto gifBytes = testing_support::readFile(gif);
    ModalScript openGif;
    openGif.then(chooseFile(gif));
    run(ID_FILE_OPEN_PICTURE, openGif);
    ASSERT_EQ(doc().pathName(), gif);
    run(ID_CONVERT_BW);

    // Save on a GIF opens Save As; cancelling it writes nothing.
    ModalScript saveGif;
    bool sawSaveAs = false;
    saveGif.then([&](QWidget& widget) {
        sawSaveAs = widget.windowTitle() == QStringLiteral("Uložit jako");
        ModalScript::closeWidget(widget);
    });
    run(ID_FILE_SAVE, saveGif);
    EXPECT_TRUE(sawSaveAs);
    EXPECT_EQ(testing_support::readFile(gif), gifBytes);
    EXPECT_TRUE(doc().isModified());
}

TEST_F(WorkflowTest, SaveAsAsksBeforeReplacingTheFileItWouldWrite) {
    open(writeGradientBmp(work.file("g.bmp"), 16, 16));
    const std::string existing = work.file("save/keep.bmp");
    testing_support::writeFile(existing, std::string("precious"));

    // Typed "keep.png" but saved as BMP: the file written is keep.bmp, and
    // that is the one the question names. No: the dialog comes back; then
    // cancel.
    answers.push_back(QMessageBox::No);
    ModalScript script;
    script.then(chooseFile(work.file("save/keep.png"), 2)).then(cancelDialog());
    run(ID_FILE_SAVE_AS, script);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("keep.bmp")));
    EXPECT_EQ(testing_support::readFile(existing),
              std::vector<uint8_t>({'p', 'r', 'e', 'c', 'i', 'o', 'u', 's'}));

    // Yes replaces it.
    ModalScript again;
    again.then(chooseFile(work.file("save/keep.png"), 2));
    run(ID_FILE_SAVE_AS, again);
    EXPECT_EQ(doc().pathName(), existing);
    EXPECT_EQ(testing_support::readFile(existing).at(0), 'B');
}

TEST_F(WorkflowTest, DroppingThreeFilesTellsOnceAndOpensTheFirstThatLoads) {
    testing_support::writeFile(work.file("broken.bmp"), std::string("not a picture"));
    const auto second = writeGradientBmp(work.file("second.bmp"), 30, 10);
    const auto third = writeGradientBmp(work.file("third.bmp"), 50, 10);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(work.file("broken.bmp"))),
                  QUrl::fromLocalFile(QString::fromStdString(second)),
                  QUrl::fromLocalFile(QString::fromStdString(third))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame(), &drop);
    QApplication::processEvents();
    QApplication::processEvents();

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              QString::fromUtf8("Nelze otevřít více obrázků zároveň.\nPrvní použitelný bude "
                                "otevřen"));
    EXPECT_EQ(messages[0].caption, QStringLiteral("Info"));
    EXPECT_EQ(doc().pathName(), second);
    EXPECT_EQ(doc().pictureWidth(), 30);
}

TEST_F(WorkflowTest, APictureThatCannotBeOpenedLeavesThePreviousOne) {
    const auto good = writeGradientBmp(work.file("good.bmp"), 20, 10);
    open(good);
    const auto picture = doc().dib();
    const std::string bad = work.file("bad.png");
    testing_support::writeFile(bad, std::string("\x89PNG\r\n\x1a\n-broken-", 17));
    const auto badBytes = testing_support::readFile(bad);

    open(bad);
    ASSERT_EQ(messages.size(), 1u);
    // The box names the file first, then says what went wrong.
    const QStringList lines = messages[0].text.split('\n');
    EXPECT_EQ(lines.value(0).toStdString(), bad);
    EXPECT_TRUE(lines.value(1).startsWith(QString::fromUtf8("Nepodařilo se otevřít soubor: ")));
    EXPECT_EQ(messages[0].caption, QStringLiteral("Chyba"));
    EXPECT_EQ(messages[0].icon, app::MessageIcon::error);
    EXPECT_EQ(doc().dib(), picture);
    EXPECT_EQ(doc().pathName(), good);
    EXPECT_EQ(testing_support::readFile(bad), badBytes);
    // The codec still holds the old picture: a conversion works on it.
    EXPECT_EQ(doc().codec().bmpWidth(), 20);
}

TEST_F(WorkflowTest, AFolderThatCannotBeWrittenKeepsPictureAndFiles) {
    const auto source = writeGradientBmp(work.file("g.bmp"), 20, 10);
    open(source);
    const auto picture = doc().dib();
    // The folder chosen in the dialog turns into a file before the picture
    // is written: nothing can be created in it, not even by root.
    const std::string folder = work.file("out");
    fs::create_directories(folder);
    ModalScript script;
    script.then([&](QWidget& dialog) {
        fs::remove_all(folder);
        testing_support::writeFile(folder, std::string("keep"));
        chooseFile(folder + "/picture.b", 1)(dialog);
    });
    run(ID_FILE_SAVE_AS, script);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text.toStdString(), folder + "/picture.wbmp\nChyba při ukládání obrázku");
    EXPECT_EQ(testing_support::readFile(folder), std::vector<uint8_t>({'k', 'e', 'e', 'p'}));
    EXPECT_EQ(doc().pathName(), source);
    EXPECT_EQ(doc().dib(), picture);
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("g.bmp[*] - WAP Glyphon"));
    // The source file is as it was.
    EXPECT_EQ(readWbmp(source), std::nullopt);
    EXPECT_EQ(testing_support::readFile(source).at(0), 'B');
}

class DownloadTest : public WorkflowTest {
protected:
    void SetUp() override {
        served = work.file("served");
        fs::create_directories(served);
        writeGradientBmp(served + "/remote.bmp", 36, 18);
        server = std::make_unique<LocalServer>(LocalServer::Kind::http, served);
    }
    void download(const std::string& url, const std::string& folder) {
        ModalScript script;
        script.then<batchui::DownloadDialog>([url, folder](batchui::DownloadDialog& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("urlEdit"))
                ->setText(QString::fromStdString(url));
            dialog.findChild<QLineEdit*>(QStringLiteral("folderEdit"))
                ->setText(QString::fromStdString(folder));
            dialog.accept();
        });
        run(ID_DOWNLOAD, script);
    }
    std::string served;
    std::unique_ptr<LocalServer> server;
};

TEST_F(DownloadTest, APictureFromALoopbackServerIsKeptAndShown) {
    const std::string into = work.file("downloads");
    fs::create_directories(into);
    download(server->url("/files/remote.bmp"), into);
    ASSERT_TRUE(messages.empty()) << messages[0].text.toStdString();
    EXPECT_EQ(doc().pictureWidth(), 36);
    EXPECT_TRUE(fs::exists(into + "/remote.bmp"));
    EXPECT_EQ(doc().pathName(), into + "/remote.bmp");
    EXPECT_FALSE(doc().isModified());
    // The progress window followed the download and is gone again.
    EXPECT_FALSE(frame().downloadProgress().isVisible());
    EXPECT_TRUE(frame().downloadProgress().statusLine().contains(
        QString::number(fs::file_size(into + "/remote.bmp"))))
        << frame().downloadProgress().statusLine().toStdString();
}

TEST_F(DownloadTest, AFailedDownloadLeavesThePictureAndTheFolder) {
    const auto source = writeGradientBmp(work.file("g.bmp"), 20, 10);
    open(source);
    const auto picture = doc().dib();
    const std::string into = work.file("downloads");
    fs::create_directories(into);

    download(server->url("/files/missing.bmp"), into);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Chyba"));
    EXPECT_EQ(messages[0].icon, app::MessageIcon::error);
    EXPECT_FALSE(messages[0].text.isEmpty());
    EXPECT_EQ(doc().dib(), picture);
    EXPECT_EQ(doc().pathName(), source);
    EXPECT_TRUE(fs::is_empty(into));
}

}  // namespace
}  // namespace appui_test
