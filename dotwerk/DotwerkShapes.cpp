// The drawing operations of DotwerkPicture: dots, lines, outlines and the
// flood fill. All of them draw in whole pixels without smoothing.
#include <cstdlib>
#include <vector>

#include "dotwerk/DotwerkPicture.h"

namespace dotwerk {

QRect DotwerkPicture::penFootprint(QPoint p, int penWidth) {
    const int w = std::max(1, penWidth);
    return {p.x() - w / 2, p.y() - w / 2, w, w};
}

// Calls plot(point, xMajor) for every pixel of the line from a to b, both
// ends included (Bresenham); xMajor tells whether the line runs more across
// than down.
template <typename PlotPoint>
void DotwerkPicture::walkLine(QPoint a, QPoint b, PlotPoint plot) {
    const std::int64_t dx = std::llabs(std::int64_t{b.x()} - a.x());
    const std::int64_t dy = -std::llabs(std::int64_t{b.y()} - a.y());
    const int stepX = a.x() < b.x() ? 1 : -1;
    const int stepY = a.y() < b.y() ? 1 : -1;
    const bool xMajor = dx >= -dy;
    std::int64_t error = dx + dy;
    QPoint p = a;
    for (;;) {
        plot(p, xMajor);
        if (p == b)
            break;
        const std::int64_t twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.rx() += stepX;
        }
        if (twice <= dx) {
            error += dx;
            p.ry() += stepY;
        }
    }
}

void DotwerkPicture::drawDot(QPoint p, int penWidth, Ink ink) {
    fillRect(penFootprint(p, penWidth), ink);
}

void DotwerkPicture::drawStroke(QPoint a, QPoint b, int penWidth, Ink ink) {
    walkLine(a, b, [&](QPoint p, bool) { drawDot(p, penWidth, ink); });
}

void DotwerkPicture::drawFlatLine(QPoint a, QPoint b, int penWidth, Ink ink) {
    if (a == b)
        return;
    const int w = std::max(1, penWidth);
    walkLine(a, b, [&](QPoint p, bool xMajor) {
        if (xMajor)
            fillRect(QRect(p.x(), p.y() - w / 2, 1, w), ink);
        else
            fillRect(QRect(p.x() - w / 2, p.y(), w, 1), ink);
    });
}

void DotwerkPicture::drawRectangleOutline(QPoint a, QPoint b, int penWidth, Ink ink) {
    if (a == b)
        return;
    const QPoint topLeft(std::min(a.x(), b.x()), std::min(a.y(), b.y()));
    const QPoint bottomRight(std::max(a.x(), b.x()), std::max(a.y(), b.y()));
    const QPoint topRight(bottomRight.x(), topLeft.y());
    const QPoint bottomLeft(topLeft.x(), bottomRight.y());
    drawStroke(topLeft, topRight, penWidth, ink);
    drawStroke(topRight, bottomRight, penWidth, ink);
    drawStroke(bottomRight, bottomLeft, penWidth, ink);
    drawStroke(bottomLeft, topLeft, penWidth, ink);
}

void DotwerkPicture::drawEllipseOutline(QPoint centre, int rx, int ry, int penWidth, Ink ink) {
    rx = std::abs(rx);
    ry = std::abs(ry);
    if (rx == 0 && ry == 0)
        return;
    if (rx == 0 || ry == 0) {
        // A flat ellipse is the line along its one non-zero axis.
        drawStroke(centre - QPoint(rx, ry), centre + QPoint(rx, ry), penWidth, ink);
        return;
    }
    const auto plotFour = [&](std::int64_t x, std::int64_t y) {
        const int ix = static_cast<int>(x);
        const int iy = static_cast<int>(y);
        drawDot(centre + QPoint(ix, iy), penWidth, ink);
        drawDot(centre + QPoint(-ix, iy), penWidth, ink);
        drawDot(centre + QPoint(ix, -iy), penWidth, ink);
        drawDot(centre + QPoint(-ix, -iy), penWidth, ink);
    };
    // Midpoint ellipse in integers: first the part where the outline runs
    // more down than across (from (rx, 0)), then the rest (from (0, ry)).
    const std::int64_t a2 = std::int64_t{rx} * rx;
    const std::int64_t b2 = std::int64_t{ry} * ry;
    std::int64_t x = rx, y = 0;
    std::int64_t xChange = b2 * (1 - 2 * std::int64_t{rx});
    std::int64_t yChange = a2;
    std::int64_t error = 0;
    std::int64_t stopX = 2 * b2 * rx, stopY = 0;
    while (stopX >= stopY) {
        plotFour(x, y);
        ++y;
        stopY += 2 * a2;
        error += yChange;
        yChange += 2 * a2;
        if (2 * error + xChange > 0) {
            --x;
            stopX -= 2 * b2;
            error += xChange;
            xChange += 2 * b2;
        }
    }
    x = 0;
    y = ry;
    xChange = b2;
    yChange = a2 * (1 - 2 * std::int64_t{ry});
    error = 0;
    stopX = 0;
    stopY = 2 * a2 * ry;
    while (stopX <= stopY) {
        plotFour(x, y);
        ++x;
        stopX += 2 * b2;
        error += xChange;
        xChange += 2 * b2;
        if (2 * error + yChange > 0) {
            --y;
            stopY -= 2 * a2;
            error += yChange;
            yChange += 2 * a2;
        }
    }
}

void DotwerkPicture::floodFill(QPoint seed, Ink ink) {
    if (!contains(seed) || this->ink(seed) == ink)
        return;
    // Scanline fill with an explicit stack of seeds, so large areas need no
    // deep recursion.
    std::vector<QPoint> seeds{seed};
    while (!seeds.empty()) {
        const QPoint p = seeds.back();
        seeds.pop_back();
        if (pixels_[indexOf(p.x(), p.y())] == ink)
            continue;
        int left = p.x();
        while (left > 0 && pixels_[indexOf(left - 1, p.y())] != ink)
            --left;
        int right = p.x();
        while (right + 1 < width_ && pixels_[indexOf(right + 1, p.y())] != ink)
            ++right;
        for (int x = left; x <= right; ++x)
            pixels_[indexOf(x, p.y())] = ink;
        for (const int y : {p.y() - 1, p.y() + 1}) {
            if (y < 0 || y >= height_)
                continue;
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool open = pixels_[indexOf(x, y)] != ink;
                if (open && !inRun)
                    seeds.emplace_back(x, y);
                inRun = open;
            }
        }
    }
}

}  // namespace dotwerk
