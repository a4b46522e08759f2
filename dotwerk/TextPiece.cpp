#include "dotwerk/TextPiece.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace dotwerk {

DotwerkPicture renderTextPiece(const QString& text, const QFont& font) {
    if (text.isEmpty())
        return {};
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(text);
    const int height = metrics.height();
    if (!DotwerkPicture::sizeAllowed(width, height))
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(0, metrics.ascent(), text);
    }
    DotwerkPicture piece(width, height);
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x)
            if (qGray(line[x]) < 128)
                piece.setInk(QPoint(x, y), Ink::Black);
    }
    return piece;
}

}  // namespace dotwerk
