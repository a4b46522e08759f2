// Painting of the control: the enlarged picture with its grid, the selection
// marquee and the frame, and the refresh of changed picture rectangles.
#include <QPaintEvent>
#include <QPainter>

#include "dotwerk/DotwerkControl.h"
#include "dotwerk/Texts.h"
#include "dotwerk/Translate.h"

namespace dotwerk {
namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QColor kGridColour(160, 160, 160);
const QColor kMarqueeColour(255, 0, 0);
// The margin around a changed rectangle that is repainted with it.
constexpr int kRefreshMargin = 3;

// Division that rounds towards minus infinity.
int floorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

}  // namespace

QRect DotwerkControl::screenRectOf(const QRect& pictureRect) const {
    return {zoom_ * pictureRect.left() + 1, zoom_ * pictureRect.top() + 1,
            zoom_ * pictureRect.width(), zoom_ * pictureRect.height()};
}

QRect DotwerkControl::picturePartOf(const QRect& screenRect) const {
    // Screen pixel s shows picture pixel (s - 1) / zoom; the first is the
    // frame.
    const int left = floorDiv(screenRect.left() - 1, zoom_);
    const int top = floorDiv(screenRect.top() - 1, zoom_);
    const int right = floorDiv(screenRect.right() - 1, zoom_);
    const int bottom = floorDiv(screenRect.bottom() - 1, zoom_);
    return QRect(QPoint(left, top), QPoint(right, bottom)) & editor_.currentPicture().rect();
}

void DotwerkControl::refreshPicture(QPoint a, QPoint b) {
    const QRect area = QRect(a, b).normalized().adjusted(-kRefreshMargin, -kRefreshMargin,
                                                         kRefreshMargin, kRefreshMargin) &
                       editor_.currentPicture().rect();
    if (!area.isEmpty())
        update(screenRectOf(area));
}

void DotwerkControl::repaintAll() {
    update();
}

void DotwerkControl::marqueeChanged(const QRect& before, const QRect& after) {
    for (const QRect& marquee : {before, after})
        if (!marquee.isEmpty())
            update(screenRectOf(marquee).adjusted(-1, -1, 1, 1));
}

void DotwerkControl::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const DotwerkPicture& picture = editor_.currentPicture();
    if (picture.isNull()) {
        painter.fillRect(rect(), Qt::white);
        painter.setPen(Qt::black);
        painter.drawText(rect(), Qt::AlignHCenter | Qt::AlignTop, translate(text::kNotInitialised));
        return;
    }
    const QRect part = picturePartOf(event->rect());
    if (!part.isEmpty())
        paintPicturePart(painter, part);
    // A host may make the control larger than the framed picture; the rest
    // shows the control's background.
    const QRegion beside = QRegion(event->rect()) -
                           QRegion(0, 0, zoom_ * picture.width() + 2, zoom_ * picture.height() + 2);
    for (const QRect& area : beside)
        painter.fillRect(area, palette().brush(backgroundRole()));

    if (editor_.isMarqueeShown()) {
        const QRect selection = editor_.selection();
        painter.setPen(QPen(kMarqueeColour, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(zoom_ * selection.left() + 1, zoom_ * selection.top() + 1,
                         zoom_ * selection.width(), zoom_ * selection.height());
    }
    // The frame lies just outside the picture, on the control's outermost
    // pixels.
    painter.setPen(QPen(kGridColour, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, zoom_ * picture.width() + 1, zoom_ * picture.height() + 1);
}

void DotwerkControl::paintPicturePart(QPainter& painter, const QRect& part) {
    // The buffer takes this many picture pixels at a time.
    const int tileColumns = std::max(1, zoomBuffer_.width() / zoom_);
    const int tileRows = std::max(1, zoomBuffer_.height() / zoom_);
    for (int top = part.top(); top <= part.bottom(); top += tileRows) {
        for (int left = part.left(); left <= part.right(); left += tileColumns) {
            const QRect tile = QRect(left, top, tileColumns, tileRows) & part;
            composeTile(tile);
            painter.drawImage(QPoint(zoom_ * tile.left() + 1, zoom_ * tile.top() + 1), zoomBuffer_,
                              QRect(0, 0, zoom_ * tile.width(), zoom_ * tile.height()));
        }
    }
}

void DotwerkControl::composeTile(const QRect& tile) {
    const QRgb grid = kGridColour.rgb();
    const int rowWidth = zoom_ * tile.width();
    for (int y = 0; y < tile.height(); ++y) {
        auto* first = reinterpret_cast<QRgb*>(zoomBuffer_.scanLine(zoom_ * y));
        for (int x = 0; x < tile.width(); ++x) {
            const QPoint p(tile.left() + x, tile.top() + y);
            const QRgb colour = editor_.shownInk(p) == Ink::Black ? kBlack : kWhite;
            QRgb* block = first + zoom_ * x;
            for (int i = 0; i < zoom_; ++i)
                block[i] = colour;
            // Grid lines run along the left and top edge of every enlarged
            // pixel.
            if (showGrid_)
                block[0] = grid;
        }
        for (int line = 1; line < zoom_; ++line) {
            auto* copy = reinterpret_cast<QRgb*>(zoomBuffer_.scanLine(zoom_ * y + line));
            std::copy(first, first + rowWidth, copy);
        }
        if (showGrid_)
            std::fill(first, first + rowWidth, grid);
    }
}

}  // namespace dotwerk
