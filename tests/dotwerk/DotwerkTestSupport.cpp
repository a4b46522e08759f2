#include "dotwerk/DotwerkTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTimer>

namespace dotwerk_test {
namespace {

void putLe(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

QString controlLibraryPath() {
    return QStringLiteral(DOTWERK_LIBRARY_PATH);
}

void saveScreenshot(const QImage& image, const QString& name) {
    const QString folder = QStringLiteral(DOTWERK_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    EXPECT_TRUE(image.save(folder + QStringLiteral("/dotwerk-") + name + QStringLiteral(".png")));
}

HostBitmap::HostBitmap(int width, int height, int bitCount, std::vector<std::uint32_t> palette,
                       std::uint32_t fill, bool coreHeader)
    : width_(width), height_(height), bitCount_(bitCount) {
    const std::size_t headerSize = coreHeader ? 12 : 40;
    const std::size_t entrySize = coreHeader ? 3 : 4;
    stride_ =
        ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bitCount) + 31) / 32) * 4;
    pixelOffset_ = headerSize + palette.size() * entrySize;
    bytes_.assign(pixelOffset_ + stride_ * static_cast<std::size_t>(height), 0);
    putLe(bytes_, 0, static_cast<std::uint32_t>(headerSize), 4);
    if (coreHeader) {
        putLe(bytes_, 4, static_cast<std::uint32_t>(width), 2);
        putLe(bytes_, 6, static_cast<std::uint32_t>(height), 2);
        putLe(bytes_, 8, 1, 2);
        putLe(bytes_, 10, static_cast<std::uint32_t>(bitCount), 2);
    } else {
        putLe(bytes_, 4, static_cast<std::uint32_t>(width), 4);
        putLe(bytes_, 8, static_cast<std::uint32_t>(height), 4);
        putLe(bytes_, 12, 1, 2);
        putLe(bytes_, 14, static_cast<std::uint32_t>(bitCount), 2);
        putLe(bytes_, 20, static_cast<std::uint32_t>(stride_ * static_cast<std::size_t>(height)),
              4);
        const bool fullTable = bitCount <= 8 && palette.size() == (std::size_t{1} << bitCount);
        putLe(bytes_, 32, fullTable ? 0 : static_cast<std::uint32_t>(palette.size()), 4);
    }
    for (std::size_t i = 0; i < palette.size(); ++i)
        putLe(bytes_, headerSize + i * entrySize, palette[i], static_cast<int>(entrySize));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            setIndex(x, y, fill);
    refreshRecord();
}

HostBitmap HostBitmap::mono(int width, int height) {
    return HostBitmap(width, height, 1, {0x000000u, 0xFFFFFFu}, 1);
}

HostBitmap::HostBitmap(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {
    refreshRecord();
}

std::size_t HostBitmap::rowOffset(int y) const {
    return pixelOffset_ + static_cast<std::size_t>(height_ - 1 - y) * stride_;
}

std::uint32_t HostBitmap::index(int x, int y) const {
    const std::uint8_t* row = bytes_.data() + rowOffset(y);
    const auto ux = static_cast<std::size_t>(x);
    switch (bitCount_) {
        case 1:
            return (row[ux / 8] >> (7 - ux % 8)) & 1u;
        case 4:
            return (row[ux / 2] >> (ux % 2 == 0 ? 4 : 0)) & 0xFu;
        case 8:
            return row[ux];
        default: {
            const std::size_t at = ux * static_cast<std::size_t>(bitCount_ / 8);
            return std::uint32_t{row[at]} | (std::uint32_t{row[at + 1]} << 8) |
                   (std::uint32_t{row[at + 2]} << 16);
        }
    }
}

void HostBitmap::setIndex(int x, int y, std::uint32_t index) {
    std::uint8_t* row = bytes_.data() + rowOffset(y);
    const auto ux = static_cast<std::size_t>(x);
    switch (bitCount_) {
        case 1: {
            const auto mask = static_cast<std::uint8_t>(0x80u >> (ux % 8));
            row[ux / 8] =
                static_cast<std::uint8_t>(index ? (row[ux / 8] | mask) : (row[ux / 8] & ~mask));
            break;
        }
        case 4: {
            const unsigned shift = ux % 2 == 0 ? 4 : 0;
            row[ux / 2] = static_cast<std::uint8_t>((row[ux / 2] & ~(0xFu << shift)) |
                                                    ((index & 0xFu) << shift));
            break;
        }
        case 8:
            row[ux] = static_cast<std::uint8_t>(index);
            break;
        default: {
            const std::size_t at = ux * static_cast<std::size_t>(bitCount_ / 8);
            const std::uint32_t colour = index != 0 ? 0xFFFFFFu : 0;
            row[at] = static_cast<std::uint8_t>(colour);
            row[at + 1] = static_cast<std::uint8_t>(colour >> 8);
            row[at + 2] = static_cast<std::uint8_t>(colour >> 16);
        }
    }
}

std::vector<QPoint> HostBitmap::blackPixels() const {
    std::vector<QPoint> result;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (black(x, y))
                result.emplace_back(x, y);
    return result;
}

EventLog::EventLog(dotwerk::DotwerkClient& control) {
    QObject::connect(&control, &dotwerk::DotwerkClient::OnSize, &context_,
                     [this](qlonglong cx, qlonglong cy) {
                         sizes.emplace_back(static_cast<int>(cx), static_cast<int>(cy));
                     });
    QObject::connect(&control, &dotwerk::DotwerkClient::OnModified, &context_,
                     [this] { ++modifications; });
}

Editor::Editor() : host_(std::make_unique<QWidget>()) {
    host_->resize(400, 300);
    QString reason;
    const bool created = wrapper_.create(host_.get(), controlLibraryPath(), &reason);
    EXPECT_TRUE(created) << reason.toStdString();
    host_->show();
    if (created)
        control()->show();
}

Editor::~Editor() = default;

void Editor::edit(HostBitmap& bitmap, short mode) {
    ASSERT_EQ(wrapper_.initFromHdib(bitmap.handle()), 0);
    wrapper_.setMode(mode);
}

QPoint Editor::screenPoint(QPoint pixel) const {
    const int zoom = wrapper_.zoom();
    return {zoom * pixel.x() + 1 + zoom / 2, zoom * pixel.y() + 1 + zoom / 2};
}

void Editor::sendMouse(QEvent::Type type, QPoint position, Qt::MouseButton button,
                       Qt::MouseButtons buttons) {
    const QPointF local(position);
    QMouseEvent event(type, local, control()->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(control(), &event);
}

void Editor::press(QPoint pixel, Qt::MouseButton button) {
    held_ |= button;
    sendMouse(QEvent::MouseButtonPress, screenPoint(pixel), button, held_);
}

void Editor::move(QPoint pixel, Qt::MouseButtons held) {
    sendMouse(QEvent::MouseMove, screenPoint(pixel), Qt::NoButton, held);
}

void Editor::release(QPoint pixel, Qt::MouseButton button) {
    held_ &= ~Qt::MouseButtons(button);
    sendMouse(QEvent::MouseButtonRelease, screenPoint(pixel), button, held_);
}

void Editor::rightClick(QPoint pixel) {
    press(pixel, Qt::RightButton);
    release(pixel, Qt::RightButton);
}

void Editor::click(QPoint pixel) {
    press(pixel);
    release(pixel);
}

void Editor::drag(QPoint from, std::initializer_list<QPoint> through) {
    press(from);
    QPoint last = from;
    for (const QPoint& p : through) {
        move(p, held_);
        last = p;
    }
    release(last);
}

QImage Editor::grab() const {
    return control()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void whileModal(const std::function<void()>& trigger, const std::function<void(QDialog&)>& fill) {
    bool filled = false;
    // Looks for the dialog every few milliseconds until it shows.
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || filled)
            return;
        filled = true;
        poll.stop();
        fill(*dialog);
    });
    // The watchdog closes whatever is still open.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    watchdog.setInterval(5000);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        while (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    poll.start();
    watchdog.start();
    trigger();
    EXPECT_TRUE(filled) << "no dialog was shown";
}

}  // namespace dotwerk_test
