#pragma once

#include <QPoint>
#include <QRect>

#include <cstdint>
#include <span>
#include <vector>

namespace dotwerk {

enum class Ink : std::uint8_t { White = 0, Black = 1 };

// A black-and-white picture, one byte per pixel, with the drawing operations
// of the editor's tools. Every write is clipped to the picture, so callers
// may pass any coordinates. Rectangles are QRects in picture pixels.
class DotwerkPicture {
public:
    // Limits on pictures made from host data or sizes, checked before any
    // allocation.
    static constexpr int kMaxSide = 32767;
    static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 25;

    DotwerkPicture() = default;
    // A picture of the given size filled with `fill`; null when the size is
    // not positive or exceeds the limits.
    DotwerkPicture(int width, int height, Ink fill = Ink::White);

    static bool sizeAllowed(std::int64_t width, std::int64_t height);

    bool isNull() const { return width_ == 0; }
    int width() const { return width_; }
    int height() const { return height_; }
    QRect rect() const { return {0, 0, width_, height_}; }
    bool contains(QPoint p) const { return rect().contains(p); }

    // Ink at p; white outside the picture.
    Ink ink(QPoint p) const;
    Ink ink(int x, int y) const { return ink(QPoint(x, y)); }
    void setInk(QPoint p, Ink ink);
    std::span<const Ink> row(int y) const;

    void fill(Ink ink);
    void fillRect(const QRect& area, Ink ink);
    void invert();

    // Copies `area` of `source` to the same place here (restoring from the
    // undo snapshot). Both pictures are expected to have one size; the area is
    // clipped to both.
    void copyArea(const DotwerkPicture& source, const QRect& area);
    // A new picture of `area`'s size holding this picture's pixels there;
    // parts outside the picture are white.
    DotwerkPicture piece(const QRect& area) const;
    // Paints the black pixels of `piece` with its top-left corner at `at`;
    // white pixels of the piece leave the picture unchanged (bitwise AND).
    void andPiece(const DotwerkPicture& piece, QPoint at);
    // Copies `piece` unchanged with its top-left corner at `at`.
    void copyPiece(const DotwerkPicture& piece, QPoint at);

    // Drawing with a square pen of width 1, 2 or 4 (see penFootprint).
    void drawDot(QPoint p, int penWidth, Ink ink);
    // A line from a to b, both ends included, drawn by moving the pen's dot.
    void drawStroke(QPoint a, QPoint b, int penWidth, Ink ink);
    // A line from a to b whose thickness is measured across its main
    // direction, so its ends are flat at a and b.
    void drawFlatLine(QPoint a, QPoint b, int penWidth, Ink ink);
    // The outline of the rectangle with opposite corners a and b (both on the
    // outline); nothing when a equals b.
    void drawRectangleOutline(QPoint a, QPoint b, int penWidth, Ink ink);
    // The outline of the ellipse around `centre` with the given radii, from
    // centre.x - rx to centre.x + rx and centre.y - ry to centre.y + ry;
    // nothing when both radii are 0.
    void drawEllipseOutline(QPoint centre, int rx, int ry, int penWidth, Ink ink);
    // Paints `ink` over the pixels 4-connected to `seed` that are not of that
    // ink; nothing when the seed is outside or already of that ink.
    void floodFill(QPoint seed, Ink ink);

    // The pixels covered by the pen's dot at p: a square of the pen width
    // whose top-left is at (x - w/2, y - w/2).
    static QRect penFootprint(QPoint p, int penWidth);

    friend bool operator==(const DotwerkPicture&, const DotwerkPicture&) = default;

private:
    std::size_t indexOf(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }
    template <typename PlotPoint>
    static void walkLine(QPoint a, QPoint b, PlotPoint plot);

    int width_ = 0;
    int height_ = 0;
    std::vector<Ink> pixels_;
};

}  // namespace dotwerk
