#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <QEvent>
#include <QImage>
#include <QPoint>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "dotwerk/DotwerkClient.h"
#include "dotwerk/DotwerkInterface.h"

// Helpers of the editor control's tests: a host window holding a control
// created by class id, host bitmaps, synthetic mouse gestures and a way to
// fill modal dialogs. The suite runs on the offscreen platform with the
// component store in a temporary folder (see DotwerkTestEnvironment.cpp).
namespace dotwerk_test {

// The folder of the component store the tests use.
QString storeFolder();
// The built control library.
QString controlLibraryPath();
// Saves an image as DOTWERK_SCREENSHOT_DIR/dotwerk-<name>.png.
void saveScreenshot(const QImage& image, const QString& name);

// A device-independent bitmap block owned by the test, with the handle
// record the control gets.
class HostBitmap {
public:
    // A bitmap with a 40-byte header (or the 12-byte core header), the given
    // depth and colour table (blue, green, red per entry); pixels all index
    // `fill` (for 24 and 32 bits: white when fill is non-zero).
    HostBitmap(int width, int height, int bitCount, std::vector<std::uint32_t> palette,
               std::uint32_t fill, bool coreHeader = false);
    // A one-bit bitmap with the colour table black, white, all white.
    static HostBitmap mono(int width, int height);
    // A block of raw bytes, for malformed input.
    explicit HostBitmap(std::vector<std::uint8_t> bytes);

    HostBitmap(const HostBitmap&) = delete;
    HostBitmap& operator=(const HostBitmap&) = delete;

    long long handle() { return dotwerk::handleOf(&record_); }
    dotwerk::DibHandleRecord& record() { return record_; }
    std::vector<std::uint8_t>& bytes() { return bytes_; }
    // Re-points the record at the bytes after they were replaced.
    void refreshRecord() { record_ = {bytes_.data(), bytes_.size()}; }

    int width() const { return width_; }
    int height() const { return height_; }
    std::uint32_t index(int x, int y) const;
    void setIndex(int x, int y, std::uint32_t index);
    // For the mono bitmap: index 0 is black.
    bool black(int x, int y) const { return index(x, y) == 0; }
    void setBlack(int x, int y, bool black) { setIndex(x, y, black ? 0 : 1); }
    // Positions of the black pixels, row by row.
    std::vector<QPoint> blackPixels() const;
    std::size_t rowOffset(int y) const;

private:
    std::vector<std::uint8_t> bytes_;
    dotwerk::DibHandleRecord record_;
    int width_ = 0;
    int height_ = 0;
    int bitCount_ = 0;
    std::size_t pixelOffset_ = 0;
    std::size_t stride_ = 0;
};

// Records the control's events.
struct EventLog {
    explicit EventLog(dotwerk::DotwerkClient& control);
    std::vector<QSize> sizes;
    int modifications = 0;

private:
    QObject context_;  // disconnects when the log goes away
};

// A control created by class id inside a shown host widget.
class Editor {
public:
    Editor();
    ~Editor();
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    dotwerk::DotwerkClient& operator*() { return wrapper_; }
    dotwerk::DotwerkClient* operator->() { return &wrapper_; }
    QWidget* control() const { return wrapper_.control(); }

    // Gives the control the bitmap and sets a mode.
    void edit(HostBitmap& bitmap, short mode);

    // Mouse gestures at picture pixels (at the current zoom); a pixel maps to
    // the middle of its enlarged square.
    QPoint screenPoint(QPoint pixel) const;
    void press(QPoint pixel, Qt::MouseButton button = Qt::LeftButton);
    void move(QPoint pixel, Qt::MouseButtons held = Qt::LeftButton);
    void release(QPoint pixel, Qt::MouseButton button = Qt::LeftButton);
    void rightClick(QPoint pixel);
    void click(QPoint pixel);
    // Press at `from`, move through `through` and release at the last point.
    void drag(QPoint from, std::initializer_list<QPoint> through);
    // Raw events at a position in the control.
    void sendMouse(QEvent::Type type, QPoint position, Qt::MouseButton button,
                   Qt::MouseButtons buttons);

    QImage grab() const;

private:
    std::unique_ptr<QWidget> host_;
    dotwerk::DotwerkClient wrapper_;
    Qt::MouseButtons held_;
};

// Runs `trigger`, which opens a modal dialog, and calls `fill` on that dialog
// once it shows; `fill` must close it. A dialog still open after a few
// seconds is rejected so that no test hangs.
void whileModal(const std::function<void()>& trigger, const std::function<void(QDialog&)>& fill);

}  // namespace dotwerk_test
