#include <gtest/gtest.h>

#include <QClipboard>
#include <QImage>
#include <QMimeData>

#include "app/core/Texts.h"
#include "app/core/document/ClipboardDib.h"
#include "app/ui/view/DibImage.h"
#include "base/FileIO.h"
#include "bitmap/ByteOrder.h"
#include "support/CliRun.h"
#include "tests/app/ui/ViewTestSupport.h"

using bitmap::DibCheck;
using view_test::ViewFixture;

namespace {

// A packed DIB with a 40-byte header (or `headerSize`), a colour table of
// `colours` entries and zero pixels, for building test pictures by hand.
std::vector<uint8_t> handMadeDib(int width, int height, int bits, int colours,
                                 uint32_t compression = 0, uint32_t headerSize = 40) {
    const int absHeight = height < 0 ? -height : height;
    const size_t stride = (static_cast<size_t>(bits) * static_cast<size_t>(width) + 31) / 32 * 4;
    const size_t masks = headerSize == 40 && compression == 3 ? 12 : 0;
    std::vector<uint8_t> dib(headerSize + masks + static_cast<size_t>(colours) * 4 +
                                 stride * static_cast<size_t>(absHeight),
                             0);
    bitmap::writeLe32(dib, 0, headerSize);
    bitmap::writeLe32(dib, 4, static_cast<uint32_t>(width));
    bitmap::writeLe32(dib, 8, static_cast<uint32_t>(height));
    bitmap::writeLe16(dib, 12, 1);
    bitmap::writeLe16(dib, 14, static_cast<uint16_t>(bits));
    bitmap::writeLe32(dib, 16, compression);
    bitmap::writeLe32(dib, 32, static_cast<uint32_t>(colours));
    return dib;
}

size_t pixelStart(const std::vector<uint8_t>& dib, int colours, size_t masks = 0) {
    return bitmap::readLe32(dib, 0) + masks + static_cast<size_t>(colours) * 4;
}

std::vector<uint8_t> withFileHeader(const std::vector<uint8_t>& dib, uint32_t pixelOffset) {
    std::vector<uint8_t> file(14 + dib.size(), 0);
    std::copy(dib.begin(), dib.end(), file.begin() + 14);
    file[0] = 'B';
    file[1] = 'M';
    bitmap::writeLe32(file, 2, static_cast<uint32_t>(14 + dib.size()));
    bitmap::writeLe32(file, 10, pixelOffset);
    return file;
}

QByteArray toBytes(const std::vector<uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

// --- BMP bytes and packed DIBs --------------------------------------------

TEST(ClipboardDib, BmpBytesCarryTheBlockByteForByte) {
    auto dib = handMadeDib(3, 2, 8, 256);
    for (size_t i = pixelStart(dib, 256); i < dib.size(); ++i)
        dib[i] = static_cast<uint8_t>(i);
    dib.push_back(0);  // blocks read from files may be longer than needed
    const auto bytes = app::bmpBytesFromPackedDib(dib);
    ASSERT_TRUE(bytes);
    EXPECT_EQ((*bytes)[0], 'B');
    EXPECT_EQ((*bytes)[1], 'M');
    EXPECT_EQ(bitmap::readLe32(*bytes, 2), 14 + dib.size());
    EXPECT_EQ(bitmap::readLe32(*bytes, 10), 14u + 40u + 1024u);
    const auto back = app::packedDibFromBmpBytes(*bytes);
    ASSERT_EQ(back.check, DibCheck::ok);
    EXPECT_EQ(back.dib, dib);
    // No BMP for a block that is no picture.
    EXPECT_FALSE(app::bmpBytesFromPackedDib(std::vector<uint8_t>(10, 0)));
}

TEST(ClipboardDib, GapBeforeThePixelsIsTakenOut) {
    auto dib = handMadeDib(2, 1, 24, 0);
    const size_t start = pixelStart(dib, 0);
    dib[start] = 1;  // first pixel's blue
    dib[start + 5] = 6;
    std::vector<uint8_t> gapped(dib.begin(), dib.begin() + static_cast<std::ptrdiff_t>(start));
    gapped.insert(gapped.end(), {0xAA, 0xBB, 0xCC, 0xDD});
    gapped.insert(gapped.end(), dib.begin() + static_cast<std::ptrdiff_t>(start), dib.end());
    const auto pasted =
        app::packedDibFromBmpBytes(withFileHeader(gapped, static_cast<uint32_t>(14 + start + 4)));
    ASSERT_EQ(pasted.check, DibCheck::ok);
    EXPECT_EQ(pasted.dib, dib);
}

TEST(ClipboardDib, TopDownRowsAreTurnedBottomUp) {
    auto dib = handMadeDib(1, -3, 24, 0);
    const size_t start = pixelStart(dib, 0);
    for (int row = 0; row < 3; ++row)
        dib[start + static_cast<size_t>(row) * 4] = static_cast<uint8_t>(10 + row);
    const auto pasted = app::packedDibFromBmpBytes(withFileHeader(dib, 14 + 40));
    ASSERT_EQ(pasted.check, DibCheck::ok);
    EXPECT_EQ(bitmap::readLeI32(pasted.dib, 8), 3);
    EXPECT_EQ(pasted.dib[start], 12);
    EXPECT_EQ(pasted.dib[start + 4], 11);
    EXPECT_EQ(pasted.dib[start + 8], 10);
}

TEST(ClipboardDib, BrokenBytesAreRefusedWithTheirReason) {
    auto dib = handMadeDib(4, 4, 8, 256);
    auto notBmp = withFileHeader(dib, 14 + 40 + 1024);
    notBmp[0] = 'X';
    EXPECT_EQ(app::packedDibFromBmpBytes(notBmp).check, DibCheck::unusable);
    auto shortFile = withFileHeader(dib, 14 + 40 + 1024);
    shortFile.resize(shortFile.size() - 3);
    EXPECT_EQ(app::packedDibFromBmpBytes(shortFile).check, DibCheck::unusable);
    auto negativeWidth = handMadeDib(4, 4, 8, 256);
    bitmap::writeLe32(negativeWidth, 4, static_cast<uint32_t>(-4));
    EXPECT_EQ(app::packedDibFromBmpBytes(withFileHeader(negativeWidth, 0)).check,
              DibCheck::negativeSize);
    EXPECT_EQ(app::packedDibFromBmpBytes(std::vector<uint8_t>{'B', 'M'}).check, DibCheck::unusable);
}

TEST(ClipboardDib, OnlyPlainDibsAreKeptAsTheyCome) {
    EXPECT_TRUE(app::isPlainPackedDib(handMadeDib(2, 2, 1, 2)));
    EXPECT_TRUE(app::isPlainPackedDib(handMadeDib(2, 2, 8, 256)));
    EXPECT_TRUE(app::isPlainPackedDib(handMadeDib(2, 2, 24, 0)));
    EXPECT_FALSE(app::isPlainPackedDib(handMadeDib(2, 2, 32, 0)));
    EXPECT_FALSE(app::isPlainPackedDib(handMadeDib(2, 2, 16, 0, 3)));
    EXPECT_FALSE(app::isPlainPackedDib(handMadeDib(2, 2, 24, 0, 0, 124)));
}

// --- Packed DIBs and images -----------------------------------------------

TEST(DibImage, DepthsBecomeImagesTopRowFirst) {
    // 1 bpp, black and white entries: top row (stored last) 1 0.
    auto mono = handMadeDib(2, 2, 1, 2);
    mono[44] = mono[45] = mono[46] = 255;  // entry 1 white
    mono[pixelStart(mono, 2) + 4] = 0x80;  // stored row 1 = top row
    const QImage monoImage = app::ui::imageFromPackedDib(mono);
    ASSERT_EQ(monoImage.format(), QImage::Format_Indexed8);
    EXPECT_EQ(monoImage.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(monoImage.pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(monoImage.pixel(0, 1), qRgb(0, 0, 0));

    // 4 bpp: two pixels per byte, high nibble first.
    auto nibbles = handMadeDib(2, 1, 4, 16);
    nibbles[40 + 3 * 4 + 1] = 200;  // entry 3 green
    nibbles[pixelStart(nibbles, 16)] = 0x30;
    const QImage nibbleImage = app::ui::imageFromPackedDib(nibbles);
    EXPECT_EQ(nibbleImage.pixel(0, 0), qRgb(0, 200, 0));
    EXPECT_EQ(nibbleImage.pixel(1, 0), qRgb(0, 0, 0));

    // 24 bpp in blue, green, red order.
    auto colour = handMadeDib(1, 1, 24, 0);
    colour[40] = 3;
    colour[41] = 2;
    colour[42] = 1;
    EXPECT_EQ(app::ui::imageFromPackedDib(colour).pixel(0, 0), qRgb(1, 2, 3));

    // 16 bpp with 5-6-5 masks: pure green.
    auto bits565 = handMadeDib(1, 1, 16, 0, 3);
    bitmap::writeLe32(bits565, 40, 0xF800);
    bitmap::writeLe32(bits565, 44, 0x07E0);
    bitmap::writeLe32(bits565, 48, 0x001F);
    bitmap::writeLe16(bits565, 52, 0x07E0);
    EXPECT_EQ(app::ui::imageFromPackedDib(bits565).pixel(0, 0), qRgb(0, 255, 0));

    // 32 bpp without masks: blue, green, red, unused.
    auto plain32 = handMadeDib(1, 1, 32, 0);
    bitmap::writeLe32(plain32, 40, 0x00102030);
    EXPECT_EQ(app::ui::imageFromPackedDib(plain32).pixel(0, 0), qRgb(0x10, 0x20, 0x30));
}

TEST(DibImage, UnpaintableBlocksGiveNoImage) {
    // An index past a short colour table shows black instead of reading on.
    auto shortTable = handMadeDib(1, 1, 8, 2);
    shortTable[pixelStart(shortTable, 2)] = 200;
    EXPECT_EQ(app::ui::imageFromPackedDib(shortTable).pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_TRUE(app::ui::imageFromPackedDib(handMadeDib(2, 2, 8, 256, 1)).isNull());
    EXPECT_TRUE(app::ui::imageFromPackedDib(std::vector<uint8_t>(30, 0)).isNull());
}

TEST(DibImage, PastedImagesBecomeOurOwnDibs) {
    QImage few(2, 1, QImage::Format_Indexed8);
    few.setColorTable({qRgb(10, 20, 30), qRgb(40, 50, 60)});
    few.setPixel(0, 0, 1);
    few.setPixel(1, 0, 0);
    const auto indexed = app::ui::packedDibFromImage(few);
    ASSERT_TRUE(indexed);
    EXPECT_EQ(bitmap::readLe16(*indexed, 14), 8);
    EXPECT_EQ(app::ui::imageFromPackedDib(*indexed).pixel(0, 0), qRgb(40, 50, 60));
    EXPECT_EQ(app::ui::imageFromPackedDib(*indexed).pixel(1, 0), qRgb(10, 20, 30));

    QImage seeThrough(3, 1, QImage::Format_ARGB32);
    seeThrough.setPixel(0, 0, qRgba(255, 0, 0, 255));
    seeThrough.setPixel(1, 0, qRgba(0, 0, 0, 0));
    seeThrough.setPixel(2, 0, qRgba(0, 0, 255, 51));
    const auto rgb = app::ui::packedDibFromImage(seeThrough);
    ASSERT_TRUE(rgb);
    EXPECT_EQ(bitmap::readLe16(*rgb, 14), 24);
    const QImage back = app::ui::imageFromPackedDib(*rgb);
    EXPECT_EQ(back.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(back.pixel(1, 0), qRgb(255, 255, 255));  // transparent: white
    EXPECT_EQ(back.pixel(2, 0), qRgb(204, 204, 255));  // a fifth of blue over white
    EXPECT_FALSE(app::ui::packedDibFromImage(QImage()));
}

// --- The view's clipboard commands ----------------------------------------

using ViewClipboardTest = ViewFixture;

TEST_F(ViewClipboardTest, CopyThenPasteGivesTheSameDib) {
    ASSERT_TRUE(doc.openChosenFile(testing_support::writeGradientBmp(work.file("g.bmp"), 40, 30)));
    const bitmap::Dib original = doc.dib();
    view->zoomTo(4);
    ASSERT_TRUE(view->canCopy());
    view->copy();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasImage());
    EXPECT_TRUE(data->hasFormat("image/bmp"));
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), QSize(40, 30));
    EXPECT_TRUE(view->canPaste());

    doc.setModified(false);
    view->paste();
    EXPECT_EQ(doc.dib(), original);
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(view->zoom(), 1);
    EXPECT_EQ(settings.codec()->bmpWidth(), 40);
    EXPECT_TRUE(ui.messages.empty());
    // The replaced picture waits in the undo file; the exchange file is gone.
    EXPECT_TRUE(bitmap::fileExists(settings.undoFilePath));
    EXPECT_FALSE(bitmap::fileExists(work.file("TMPClipboard.bmp")));
}

TEST_F(ViewClipboardTest, PasteTakesAnImageFromAnotherProgram) {
    QImage foreign(3, 2, QImage::Format_RGB32);
    foreign.fill(qRgb(0, 128, 255));
    foreign.setPixel(2, 1, qRgb(250, 10, 20));
    QGuiApplication::clipboard()->setImage(foreign);
    ASSERT_TRUE(view->canPaste());
    view->paste();
    ASSERT_TRUE(doc.hasPicture());
    EXPECT_EQ(doc.pictureWidth(), 3);
    EXPECT_EQ(doc.pictureHeight(), 2);
    EXPECT_EQ(bitmap::readLe16(doc.dib().bytes(), 14), 24);
    const QImage shown = app::ui::imageFromPackedDib(doc.dib().bytes());
    EXPECT_EQ(shown.pixel(0, 0), qRgb(0, 128, 255));
    EXPECT_EQ(shown.pixel(2, 1), qRgb(250, 10, 20));
    EXPECT_EQ(settings.codec()->bmpHeight(), 2);
    EXPECT_EQ(view->displayRect(), QRect(149, 99, 3, 2));
}

TEST_F(ViewClipboardTest, UnusualBmpBytesAreRedrawnIntoAPlainDib) {
    // A 32-bpp top-down picture, as other programs often offer it.
    auto dib = handMadeDib(2, -1, 32, 0);
    bitmap::writeLe32(dib, 40, 0x00FF0000);  // red
    bitmap::writeLe32(dib, 44, 0x000000FF);  // blue
    auto data = std::make_unique<QMimeData>();
    data->setData("image/bmp", toBytes(withFileHeader(dib, 54)));
    QGuiApplication::clipboard()->setMimeData(data.release());
    view->paste();
    ASSERT_TRUE(doc.hasPicture());
    EXPECT_TRUE(app::isPlainPackedDib(doc.dib().bytes()));
    const QImage shown = app::ui::imageFromPackedDib(doc.dib().bytes());
    EXPECT_EQ(shown.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(1, 0), qRgb(0, 0, 255));
    EXPECT_TRUE(settings.codec()->bmpExists());
}

TEST_F(ViewClipboardTest, RefusedClipboardPictureLeavesTheDocumentAlone) {
    ASSERT_TRUE(doc.openChosenFile(testing_support::writeGradientBmp(work.file("g.bmp"), 8, 8)));
    const bitmap::Dib original = doc.dib();
    auto data = std::make_unique<QMimeData>();
    // Run-length rows: nothing here can read them.
    data->setData("image/bmp",
                  toBytes(withFileHeader(handMadeDib(4, 4, 8, 256, 1), 14 + 40 + 1024)));
    QGuiApplication::clipboard()->setMimeData(data.release());
    view->paste();
    EXPECT_EQ(doc.dib(), original);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, app::text::kCannotLoadDib);
}

TEST_F(ViewClipboardTest, PictureTheCodecCannotTakeEndsInAnEmptyDocument) {
    ASSERT_TRUE(doc.openChosenFile(testing_support::writeGradientBmp(work.file("g.bmp"), 8, 8)));
    QGuiApplication::clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32));
    // The exchange folder is gone, so the pasted picture cannot reach the codec.
    settings.workingFolder = work.file("missing");
    view->paste();
    settings.workingFolder = work.path();
    EXPECT_FALSE(doc.hasPicture());
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text, app::text::kCannotLoadFile);
    // The picture it replaced is still there to undo.
    view->undo();
    EXPECT_EQ(doc.pictureWidth(), 8);
}

TEST_F(ViewClipboardTest, CutEmptiesTheDocumentAndKeepsThePictureForUndo) {
    ASSERT_TRUE(doc.openChosenFile(testing_support::writeGradientBmp(work.file("g.bmp"), 20, 10)));
    std::remove(settings.undoFilePath.c_str());
    view->cut();
    EXPECT_FALSE(doc.hasPicture());
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(view->displayRect().isEmpty());
    EXPECT_FALSE(view->canCopy());
    EXPECT_TRUE(bitmap::fileExists(settings.undoFilePath));
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat("image/bmp"));
    ASSERT_TRUE(view->canUndo());
    view->undo();
    ASSERT_TRUE(doc.hasPicture());
    EXPECT_EQ(doc.pictureWidth(), 20);
    EXPECT_EQ(view->displayRect().size(), QSize(20, 10));
}

TEST_F(ViewClipboardTest, PasteIsOfferedOnlyForPictures) {
    QGuiApplication::clipboard()->setText("words only");
    EXPECT_FALSE(view->canPaste());
    view->paste();  // nothing to take: nothing happens
    EXPECT_FALSE(doc.hasPicture());
    EXPECT_TRUE(ui.messages.empty());
    QGuiApplication::clipboard()->setImage(QImage(2, 2, QImage::Format_RGB32));
    EXPECT_TRUE(view->canPaste());
}

}  // namespace
