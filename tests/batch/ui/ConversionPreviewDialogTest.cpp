#include <QButtonGroup>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "app/core/settings/AppSettings.h"
#include "batch/core/PreviewWindow.h"
#include "batch/ui/ConversionPreviewDialog.h"
#include "codec/Codec.h"
#include "support/TestSupport.h"
#include "tests/qtsupport/WidgetTestSupport.h"
#include "widgets/StepButtons.h"

namespace {

using batchui_test::MessageRecorder;

constexpr int kPw = batchui::ConversionPreviewDialog::kPreviewWidth;
constexpr int kPh = batchui::ConversionPreviewDialog::kPreviewHeight;

class ConversionPreviewTest : public ::testing::Test {
protected:
    ConversionPreviewTest() {
        owner.setThrowException(false);
        settings.ditheringMethod = 2;
        settings.threshold = 77;
    }

    void load(int width, int height, const std::function<int(int, int)>& shade) {
        const auto path = batchui_test::writeGreyBmp(dir.file("p.bmp"), width, height, shade);
        ASSERT_TRUE(owner.loadImageFile(path));
    }

    template <typename T>
    static T& child(QWidget& dialog, const char* name) {
        T* found = dialog.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return *found;
    }

    static QRadioButton& methodButton(QWidget& dialog, const QString& text) {
        for (QRadioButton* button : dialog.findChildren<QRadioButton*>())
            if (button->text() == text)
                return *button;
        ADD_FAILURE() << "no button " << text.toStdString();
        return *dialog.findChild<QRadioButton*>();
    }

    // What the codec itself gives for that window, as top-down pixels.
    QImage expectedPreview(int x, int y, int method, int threshold,
                           const bitmap::DitherOptions& options = {}) {
        const auto rows =
            batch::monoRowsFromDib(owner.preview(x, y, kPw, kPh, method, threshold, options));
        EXPECT_TRUE(rows);
        QImage image(kPw, kPh, QImage::Format_RGB32);
        for (int row = 0; row < kPh; ++row)
            for (int column = 0; column < kPw; ++column) {
                const int bit = (rows->row(row)[column / 8] >> (7 - column % 8)) & 1;
                image.setPixel(column, row, 0xff000000u | rows->colours[bit]);
            }
        return image;
    }

    static QImage shown(const batchui::ConversionPreviewDialog& dialog) {
        return dialog.previewImage().convertToFormat(QImage::Format_RGB32);
    }

    testing_support::TempDir dir;
    app::AppSettings settings;
    codec::Codec owner;
};

// A picture with something to see everywhere: black and white squares of
// 8 pixels, and a grey ramp for the threshold to cut.
int pattern(int x, int y) {
    return ((x / 8 + y / 8) % 2) ? 255 : (x * 3 + y) % 256;
}

}  // namespace

TEST_F(ConversionPreviewTest, PictureNoLargerThanThePreviewCannotPan) {
    load(kPw, kPh - 40, pattern);
    batchui::ConversionPreviewDialog dialog(settings, owner);
    EXPECT_FALSE(child<QSlider>(dialog, "horizontalSlider").isEnabled());
    EXPECT_FALSE(child<QSlider>(dialog, "verticalSlider").isEnabled());
    EXPECT_EQ(child<QLabel>(dialog, "positionLabel").text(), "[   0,   0 ]");
    EXPECT_EQ(dialog.windowX(), 0);
    EXPECT_EQ(dialog.windowY(), 0);
    // The dialog opens with the settings' values.
    EXPECT_TRUE(methodButton(dialog, "Matrix for Displaying").isChecked());
    EXPECT_EQ(child<QLineEdit>(dialog, "thresholdEdit").text(), "77");
    ASSERT_EQ(dialog.previewImage().size(), QSize(kPw, kPh));
    EXPECT_EQ(shown(dialog), expectedPreview(0, 0, 2, 77));
    // On the screen only the part that lies on the picture.
    EXPECT_EQ(child<QLabel>(dialog, "previewLabel").pixmap().size(), QSize(kPw, kPh - 40));
    batchui_test::saveScreenshot(dialog, "conversion-settings");
}

TEST_F(ConversionPreviewTest, SlidersMoveTheWindowOverThePicture) {
    // Dark above row 100, light below; 100 pixels wider and 60 taller than
    // the preview.
    load(kPw + 100, kPh + 60, [](int x, int y) { return y < 100 ? pattern(x, y) / 4 : 230; });
    batchui::ConversionPreviewDialog dialog(settings, owner);
    auto& horizontal = child<QSlider>(dialog, "horizontalSlider");
    auto& vertical = child<QSlider>(dialog, "verticalSlider");
    EXPECT_TRUE(horizontal.isEnabled());
    EXPECT_TRUE(vertical.isEnabled());
    EXPECT_EQ(horizontal.minimum(), 0);
    EXPECT_EQ(horizontal.maximum(), 100);
    EXPECT_EQ(horizontal.value(), 0);

    horizontal.setValue(50);
    EXPECT_EQ(dialog.windowX(), 50);
    EXPECT_EQ(child<QLabel>(dialog, "positionLabel").text(), "[  50,   0 ]");
    EXPECT_EQ(shown(dialog), expectedPreview(50, 0, 2, 77));

    vertical.setValue(100);
    EXPECT_EQ(dialog.windowY(), 60);
    EXPECT_EQ(child<QLabel>(dialog, "positionLabel").text(), "[  50,  60 ]");
    const QImage preview = shown(dialog);
    EXPECT_EQ(preview, expectedPreview(50, 60, 2, 77));
    // Top down on the screen: picture row 60 (dark) at the top, the light
    // rows at the bottom.
    EXPECT_EQ(preview.pixel(0, kPh - 1), 0xffffffffu);
    int darkInTopRow = 0;
    for (int x = 0; x < kPw; ++x)
        darkInTopRow += preview.pixel(x, 0) == 0xff000000u;
    EXPECT_GT(darkInTopRow, kPw / 4);
}

TEST_F(ConversionPreviewTest, CancelStoresNothingOkStoresMethodAndThreshold) {
    load(300, 300, pattern);
    {
        batchui::ConversionPreviewDialog dialog(settings, owner);
        methodButton(dialog, "Floyd - Steinberg").click();
        child<widgets::StepButtons>(dialog, "thresholdSteps").upButton()->click();
        EXPECT_EQ(child<QLineEdit>(dialog, "thresholdEdit").text(), "78");
        EXPECT_EQ(shown(dialog), expectedPreview(0, 0, 4, 78));
        dialog.reject();
    }
    EXPECT_EQ(settings.ditheringMethod, 2);
    EXPECT_EQ(settings.threshold, 77);

    batchui::ConversionPreviewDialog dialog(settings, owner);
    methodButton(dialog, "Random").click();
    child<QLineEdit>(dialog, "thresholdEdit").setText(" 200 ");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(settings.ditheringMethod, 1);
    EXPECT_EQ(settings.threshold, 200);
}

TEST_F(ConversionPreviewTest, ThresholdOutsideTheRangeKeepsTheDialogOpen) {
    load(100, 100, pattern);
    batchui::ConversionPreviewDialog dialog(settings, owner);
    dialog.show();
    auto& edit = child<QLineEdit>(dialog, "thresholdEdit");
    for (const char* typed : {"256", "-1", "abc", ""}) {
        MessageRecorder recorder;
        edit.setText(typed);
        dialog.accept();
        ASSERT_EQ(recorder.messages.size(), 1u) << typed;
        EXPECT_EQ(recorder.messages[0].text.toStdString(), "Zadejte celé číslo mezi 0 a 255.");
        EXPECT_EQ(recorder.messages[0].caption.toStdString(), "WAP Glyphon");
        EXPECT_TRUE(dialog.isVisible()) << typed;
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(settings.threshold, 77);
    }
    // The limits themselves are fine.
    edit.setText("255");
    dialog.accept();
    EXPECT_EQ(settings.threshold, 255);
}

TEST_F(ConversionPreviewTest, StepsAndTypedThresholdsRedrawThePreview) {
    load(300, 300, pattern);
    batchui::ConversionPreviewDialog dialog(settings, owner);
    dialog.show();
    auto& edit = child<QLineEdit>(dialog, "thresholdEdit");
    auto& steps = child<widgets::StepButtons>(dialog, "thresholdSteps");

    // A typed value is taken when the edit is left and is where steps start.
    edit.setText("100");
    emit edit.editingFinished();
    EXPECT_EQ(shown(dialog), expectedPreview(0, 0, 2, 100));
    steps.downButton()->click();
    EXPECT_EQ(edit.text(), "99");
    EXPECT_EQ(shown(dialog), expectedPreview(0, 0, 2, 99));

    // Steps from a value typed but not yet taken, too.
    edit.setText("254");
    steps.upButton()->click();
    steps.upButton()->click();
    EXPECT_EQ(edit.text(), "255");
    edit.setFocus();
    QTest::keyClick(&edit, Qt::Key_Down);
    EXPECT_EQ(edit.text(), "254");
    EXPECT_EQ(shown(dialog), expectedPreview(0, 0, 2, 254));

    // A value outside the range never reaches the preview.
    edit.setText("999");
    emit edit.editingFinished();
    EXPECT_EQ(shown(dialog), expectedPreview(0, 0, 2, 254));
}

TEST_F(ConversionPreviewTest, WithoutAPictureThereIsNoPreview) {
    batchui::ConversionPreviewDialog dialog(settings, owner);
    EXPECT_TRUE(dialog.previewImage().isNull());
    EXPECT_EQ(child<QLabel>(dialog, "previewLabel").text().toStdString(),
              "Náhled není k dispozici");
    EXPECT_FALSE(child<QSlider>(dialog, "horizontalSlider").isEnabled());
    EXPECT_EQ(child<QLabel>(dialog, "positionLabel").text(), "[   0,   0 ]");
}

TEST_F(ConversionPreviewTest, ASmallPictureFillsThePreviewInEvenBlocks) {
    struct Case {
        int width, height;
        QSize shown;  // on the screen
    };
    // The largest whole factor that fits; a part as large as the preview
    // (or a side that already fills it) stays at 1:1.
    const Case cases[] = {{40, 30, {200, 150}},
                          {7, 80, {14, 160}},
                          {150, 100, {150, 100}},
                          {kPw + 50, 20, {kPw, 20}}};
    for (const Case& c : cases) {
        load(c.width, c.height, pattern);
        batchui::ConversionPreviewDialog dialog(settings, owner);
        const QImage screen = child<QLabel>(dialog, "previewLabel").pixmap().toImage();
        ASSERT_EQ(screen.size(), c.shown) << c.width << "x" << c.height;
        const int factor = c.shown.width() / std::min(c.width, kPw);
        const QImage codec = shown(dialog);
        for (int y = 0; y < screen.height(); y += 3)
            for (int x = 0; x < screen.width(); x += 3)
                ASSERT_EQ(screen.pixel(x, y) | 0xff000000u, codec.pixel(x / factor, y / factor))
                    << x << "," << y;
    }
}

TEST_F(ConversionPreviewTest, ATypedThresholdRedrawsAsItIsTyped) {
    load(300, 300, pattern);
    batchui::ConversionPreviewDialog dialog(settings, owner);
    dialog.show();
    auto& edit = child<QLineEdit>(dialog, "thresholdEdit");
    edit.setFocus();
    edit.selectAll();
    QTest::keyClicks(&edit, "2");
    EXPECT_EQ(shown(dialog), expectedPreview(0, 0, 2, 2));
    QTest::keyClicks(&edit, "00");
    EXPECT_EQ(shown(dialog), expectedPreview(0, 0, 2, 200));
    // Beyond the range the preview waits.
    QTest::keyClicks(&edit, "0");
    EXPECT_EQ(shown(dialog), expectedPreview(0, 0, 2, 200));
}

TEST_F(ConversionPreviewTest, NewerMethodsAndOptionsDriveThePreviewAndAreStoredOnOk) {
    load(300, 300, pattern);
    settings.ditherOptions.strength = 80;
    batchui::ConversionPreviewDialog dialog(settings, owner);
    // Every method has its button, the five classic ones first.
    const auto buttons = dialog.findChildren<QRadioButton*>();
    ASSERT_EQ(buttons.size(), bitmap::kDitherMethodCount);
    EXPECT_EQ(buttons[4]->text(), "Floyd - Steinberg");
    EXPECT_EQ(buttons[5]->text(), "Atkinson");
    EXPECT_EQ(buttons[17]->text(), "Blue noise");
    auto& serpentine = child<QCheckBox>(dialog, "serpentine");
    auto& strength = child<QSpinBox>(dialog, "strength");
    EXPECT_EQ(strength.value(), 80);
    // Serpentine and strength mean nothing to a threshold mask.
    EXPECT_FALSE(serpentine.isEnabled());

    methodButton(dialog, "Atkinson").click();
    EXPECT_TRUE(serpentine.isEnabled());
    EXPECT_TRUE(strength.isEnabled());
    bitmap::DitherOptions options{.strength = 80};
    EXPECT_EQ(shown(dialog), expectedPreview(0, 0, bitmap::kAtkinson, 77, options));
    serpentine.click();
    child<QCheckBox>(dialog, "linearLight").click();
    child<QSpinBox>(dialog, "brightness").setValue(-20);
    child<QDoubleSpinBox>(dialog, "gamma").setValue(1.5);
    options.serpentine = true;
    options.linearLight = true;
    options.tone.brightness = -20;
    options.tone.gamma = 150;
    EXPECT_EQ(shown(dialog), expectedPreview(0, 0, bitmap::kAtkinson, 77, options));

    methodButton(dialog, "Bayer 8 x 8").click();
    EXPECT_FALSE(strength.isEnabled());
    EXPECT_EQ(shown(dialog), expectedPreview(0, 0, bitmap::kBayer8, 77, options));
    child<QCheckBox>(dialog, "invert").click();
    options.tone.invert = true;
    EXPECT_EQ(shown(dialog), expectedPreview(0, 0, bitmap::kBayer8, 77, options));
    batchui_test::saveScreenshot(dialog, "conversion-settings-newer-methods");

    dialog.accept();
    EXPECT_EQ(settings.ditheringMethod, bitmap::kBayer8);
    EXPECT_EQ(settings.ditherOptions, options);
}

TEST_F(ConversionPreviewTest, CancelKeepsTheStoredOptions) {
    load(100, 100, pattern);
    settings.ditheringMethod = bitmap::kBlueNoise;
    settings.ditherOptions.tone.contrast = 30;
    batchui::ConversionPreviewDialog dialog(settings, owner);
    EXPECT_TRUE(methodButton(dialog, "Blue noise").isChecked());
    EXPECT_EQ(child<QSpinBox>(dialog, "contrast").value(), 30);
    methodButton(dialog, "Stucki").click();
    child<QSpinBox>(dialog, "contrast").setValue(0);
    child<QCheckBox>(dialog, "autoLevels").click();
    dialog.reject();
    EXPECT_EQ(settings.ditheringMethod, bitmap::kBlueNoise);
    EXPECT_EQ(settings.ditherOptions, (bitmap::DitherOptions{.tone = {.contrast = 30}}));
}
