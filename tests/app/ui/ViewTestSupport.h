#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/ui/view/PictureView.h"
#include "tests/app/core/DocumentFixture.h"

// Helpers of the view and dialog tests: a document with its view, modal
// dialogs answered from a timer, and screenshots into the build folder.
namespace view_test {

// Runs `work` on the next modal dialog once its event loop is running, so a
// test can fill and close it without anyone clicking.
inline void whenModalOpens(std::function<void(QDialog&)> work) {
    QTimer::singleShot(0, qApp, [work = std::move(work)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "no modal dialog is open";
        work(*dialog);
    });
}

// Saves a picture of the widget as <build>/screenshots/<name>.png.
inline void saveScreenshot(QWidget& widget, const QString& name) {
    const QString folder = QStringLiteral(APPUI_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    if (!widget.isVisible())
        widget.show();
    QApplication::processEvents();
    EXPECT_TRUE(widget.grab().save(folder + "/" + name + ".png")) << name.toStdString();
}

// The view's side of the document: a changed picture lays the view out
// again, New and Open put its zoom back to 1.
class ViewHost : public app::DocumentHost {
public:
    void pictureChanged() override {
        if (view)
            view->relayout();
    }
    void resetZoom() override {
        if (view)
            view->zoomTo(1);
    }
    app::ui::PictureView* view = nullptr;
};

// A document with its codec and a shown view whose client area is exactly
// clientWidth x clientHeight while no scroll bar is shown.
struct ViewFixture : ::testing::Test {
    static constexpr int clientWidth = 300;
    static constexpr int clientHeight = 200;

    ViewFixture() {
        settings.tempFolder = work.path() + "/";
        settings.saveFolder = work.path();
        settings.workingFolder = work.path();
        settings.createCodec();
        view = std::make_unique<app::ui::PictureView>(doc, settings, ui);
        host.view = view.get();
        view->show();
        const QSize frame = view->size() - view->viewport()->size();
        view->resize(QSize(clientWidth, clientHeight) + frame);
        QApplication::processEvents();
    }
    ~ViewFixture() override { host.view = nullptr; }

    testing_support::ScopedSettingsStore store;
    testing_support::TempDir work;
    app::AppSettings settings;
    testing_support::RecordingUi ui;
    ViewHost host;
    app::PictureDocument doc{settings, ui, host};
    std::unique_ptr<app::ui::PictureView> view;
};

}  // namespace view_test
