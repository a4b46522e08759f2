// The text tool and its dialog.
#include <QApplication>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "dotwerk/DotwerkTestSupport.h"

using namespace dotwerk;
using namespace dotwerk_test;

namespace {

QString lineText(QDialog& dialog, const char* name) {
    auto* line = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    EXPECT_NE(line, nullptr) << name;
    return line != nullptr ? line->text() : QString();
}

QPushButton* button(QDialog& dialog, const char* name) {
    auto* found = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void typeText(QDialog& dialog, const QString& text) {
    dialog.findChild<QLineEdit*>(QStringLiteral("text"))->setText(text);
}

// Clicks the dialog's Font button and picks `font` in the font dialog.
void chooseFont(QDialog& dialog, const QFont& font) {
    whileModal([&] { button(dialog, "fontButton")->click(); },
               [&](QDialog& fontDialog) {
                   auto* chooser = qobject_cast<QFontDialog*>(&fontDialog);
                   ASSERT_NE(chooser, nullptr);
                   chooser->setCurrentFont(font);
                   chooser->accept();
               });
}

}  // namespace

TEST(DotwerkText, DialogSpeaksTheChosenLanguageAndShowsTheStartingFont) {
    Editor editor;
    ASSERT_EQ(editor->initFromDimensions(40, 20), 0);
    editor->setLanguage(1);
    whileModal([&] { editor->setMode(kModeText); },
               [&](QDialog& dialog) {
                   EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Vložit text"));
                   EXPECT_EQ(button(dialog, "cancel")->text(), "Storno");
                   EXPECT_EQ(button(dialog, "ok")->text(), "OK");
                   EXPECT_EQ(button(dialog, "fontButton")->text(), "Font");
                   EXPECT_EQ(lineText(dialog, "fontName"), "Arial");
                   // -13 pixels at 96 dots per inch: 9.75 points, shown as 10.
                   EXPECT_EQ(dialog.logicalDpiY(), 96);
                   EXPECT_EQ(lineText(dialog, "fontSize"), "10");
                   EXPECT_EQ(lineText(dialog, "fontStyle"), "");
                   auto* text = dialog.findChild<QLineEdit*>(QStringLiteral("text"));
                   EXPECT_EQ(text->maxLength(), 100);
                   saveScreenshot(dialog.grab().toImage(), QStringLiteral("text-dialog"));
                   dialog.reject();
               });
    // Cancel ends in mode 0.
    EXPECT_EQ(editor->mode(), kModeNone);
    EXPECT_EQ(editor->undoCount(), 0);

    editor->setLanguage(2);
    whileModal([&] { editor->setMode(kModeText); },
               [&](QDialog& dialog) {
                   EXPECT_EQ(dialog.windowTitle(), "Insert text");
                   EXPECT_EQ(button(dialog, "cancel")->text(), "Cancel");
                   dialog.reject();
               });
}

TEST(DotwerkText, FontDialogUpdatesTheSizeAndStyleLines) {
    Editor editor;
    ASSERT_EQ(editor->initFromDimensions(40, 20), 0);
    editor->setLanguage(1);
    whileModal([&] { editor->setMode(kModeText); },
               [&](QDialog& dialog) {
                   QFont boldItalic(QStringLiteral("DejaVu Sans"));
                   boldItalic.setPixelSize(24);
                   boldItalic.setWeight(QFont::Bold);
                   boldItalic.setItalic(true);
                   chooseFont(dialog, boldItalic);
                   EXPECT_EQ(lineText(dialog, "fontName"), "DejaVu Sans");
                   EXPECT_EQ(lineText(dialog, "fontSize"), "18");
                   EXPECT_EQ(lineText(dialog, "fontStyle"), QString::fromUtf8("Tučné kurzíva"));

                   QFont italic(QStringLiteral("DejaVu Sans"));
                   italic.setPixelSize(24);
                   italic.setItalic(true);
                   chooseFont(dialog, italic);
                   EXPECT_EQ(lineText(dialog, "fontStyle"), QString::fromUtf8("Kurzíva"));

                   QFont bold(QStringLiteral("DejaVu Sans"));
                   bold.setPixelSize(16);
                   bold.setWeight(QFont::Bold);
                   chooseFont(dialog, bold);
                   EXPECT_EQ(lineText(dialog, "fontStyle"), QString::fromUtf8("Tučně"));
                   EXPECT_EQ(lineText(dialog, "fontSize"), "12");
                   dialog.reject();
               });
    // Cancelling the text dialog keeps the old font for next time.
    editor->setLanguage(2);
    whileModal([&] { editor->setMode(kModeText); },
               [&](QDialog& dialog) {
                   EXPECT_EQ(lineText(dialog, "fontName"), "Arial");
                   QFont bold(QStringLiteral("DejaVu Sans"));
                   bold.setPixelSize(16);
                   bold.setWeight(QFont::Bold);
                   chooseFont(dialog, bold);
                   EXPECT_EQ(lineText(dialog, "fontStyle"), "Bold");
                   typeText(dialog, QStringLiteral("A"));
                   dialog.accept();
               });
    // After OK the chosen font stays with the control.
    editor->setMode(kModeNone);
    whileModal([&] { editor->setMode(kModeText); },
               [&](QDialog& dialog) {
                   EXPECT_EQ(lineText(dialog, "fontName"), "DejaVu Sans");
                   EXPECT_EQ(lineText(dialog, "fontStyle"), "Bold");
                   dialog.reject();
               });
}

TEST(DotwerkText, AcceptedTextFloatsAndDropsAsBlackPixels) {
    Editor editor;
    auto bitmap = HostBitmap::mono(80, 30);
    editor.edit(bitmap, kModeNone);
    whileModal([&] { editor->setMode(kModeText); },
               [&](QDialog& dialog) {
                   typeText(dialog, QStringLiteral("Hi"));
                   dialog.accept();
               });
    EXPECT_EQ(editor->mode(), kModeText);
    EXPECT_FALSE(editor->isModified());
    editor.move({10, 5}, Qt::NoButton);
    editor.click({10, 5});
    EXPECT_EQ(editor->mode(), kModeNone);
    EXPECT_TRUE(editor->isModified());
    ASSERT_EQ(editor->loadDib(), 0);
    const auto pixels = bitmap.blackPixels();
    ASSERT_FALSE(pixels.empty());
    for (const QPoint& p : pixels) {
        EXPECT_GE(p.x(), 10);
        EXPECT_GE(p.y(), 5);
        EXPECT_LT(p.x(), 10 + 30);
        EXPECT_LT(p.y(), 5 + 20);
    }
    // "H" has two upright strokes: some column holds several black pixels.
    int tallest = 0;
    for (int x = 10; x < 40; ++x) {
        int count = 0;
        for (int y = 0; y < 30; ++y)
            count += bitmap.black(x, y) ? 1 : 0;
        tallest = std::max(tallest, count);
    }
    EXPECT_GE(tallest, 7);
    editor->undo();
    ASSERT_EQ(editor->loadDib(), 0);
    EXPECT_TRUE(bitmap.blackPixels().empty());
}

TEST(DotwerkText, EmptyTextOrRightButtonEndsTheTextMode) {
    Editor editor;
    auto bitmap = HostBitmap::mono(40, 20);
    editor.edit(bitmap, kModeNone);
    whileModal([&] { editor->setMode(kModeText); }, [&](QDialog& dialog) { dialog.accept(); });
    EXPECT_EQ(editor->mode(), kModeNone);

    whileModal([&] { editor->setMode(kModeText); },
               [&](QDialog& dialog) {
                   typeText(dialog, QStringLiteral("x"));
                   dialog.accept();
               });
    editor.move({3, 3}, Qt::NoButton);
    editor.rightClick({3, 3});
    EXPECT_EQ(editor->mode(), kModeNone);
    EXPECT_FALSE(editor->isModified());
    ASSERT_EQ(editor->loadDib(), 0);
    EXPECT_TRUE(bitmap.blackPixels().empty());
}
