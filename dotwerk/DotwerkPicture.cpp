#include "dotwerk/DotwerkPicture.h"

#include <algorithm>

namespace dotwerk {

bool DotwerkPicture::sizeAllowed(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
           width * height <= kMaxPixels;
}

DotwerkPicture::DotwerkPicture(int width, int height, Ink fill) {
    if (!sizeAllowed(width, height))
        return;
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

Ink DotwerkPicture::ink(QPoint p) const {
    return contains(p) ? pixels_[indexOf(p.x(), p.y())] : Ink::White;
}

void DotwerkPicture::setInk(QPoint p, Ink ink) {
    if (contains(p))
        pixels_[indexOf(p.x(), p.y())] = ink;
}

std::span<const Ink> DotwerkPicture::row(int y) const {
    if (y < 0 || y >= height_)
        return {};
    return std::span<const Ink>(pixels_).subspan(indexOf(0, y), static_cast<std::size_t>(width_));
}

void DotwerkPicture::fill(Ink ink) {
    std::fill(pixels_.begin(), pixels_.end(), ink);
}

void DotwerkPicture::fillRect(const QRect& area, Ink ink) {
    const QRect clipped = area.normalized() & rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto begin = pixels_.begin() + static_cast<std::ptrdiff_t>(indexOf(clipped.left(), y));
        std::fill(begin, begin + clipped.width(), ink);
    }
}

void DotwerkPicture::invert() {
    for (Ink& ink : pixels_)
        ink = ink == Ink::Black ? Ink::White : Ink::Black;
}

void DotwerkPicture::copyArea(const DotwerkPicture& source, const QRect& area) {
    const QRect clipped = area.normalized() & rect() & source.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        const auto from =
            source.pixels_.begin() + static_cast<std::ptrdiff_t>(source.indexOf(clipped.left(), y));
        std::copy(from, from + clipped.width(),
                  pixels_.begin() + static_cast<std::ptrdiff_t>(indexOf(clipped.left(), y)));
    }
}

DotwerkPicture DotwerkPicture::piece(const QRect& area) const {
    const QRect normal = area.normalized();
    DotwerkPicture result(normal.width(), normal.height());
    if (result.isNull())
        return result;
    const QRect inside = normal & rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            result.pixels_[result.indexOf(x - normal.left(), y - normal.top())] =
                pixels_[indexOf(x, y)];
    return result;
}

void DotwerkPicture::andPiece(const DotwerkPicture& piece, QPoint at) {
    const QRect target = QRect(at, QSize(piece.width_, piece.height_)) & rect();
    for (int y = target.top(); y <= target.bottom(); ++y)
        for (int x = target.left(); x <= target.right(); ++x)
            if (piece.pixels_[piece.indexOf(x - at.x(), y - at.y())] == Ink::Black)
                pixels_[indexOf(x, y)] = Ink::Black;
}

void DotwerkPicture::copyPiece(const DotwerkPicture& piece, QPoint at) {
    const QRect target = QRect(at, QSize(piece.width_, piece.height_)) & rect();
    for (int y = target.top(); y <= target.bottom(); ++y)
        for (int x = target.left(); x <= target.right(); ++x)
            pixels_[indexOf(x, y)] = piece.pixels_[piece.indexOf(x - at.x(), y - at.y())];
}

}  // namespace dotwerk
