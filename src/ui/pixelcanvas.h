// A small immediate-mode canvas over a QImage with the drawing conventions
// the circuit pictures are made with:
//   - a line leaves out its end pixel (a line to the point it starts from
//     draws nothing); the current position moves to the end point;
//   - rectangles and ellipses are given by their corners (left, top, right,
//     bottom) and cover left..right-1 x top..bottom-1: the right and bottom
//     edges are exclusive;
//   - no antialiasing, a pen one pixel wide: outlines in the pen colour,
//     interiors in the brush colour;
//   - text is drawn clipped to a rectangle that is first filled with the
//     brush colour, the top-left corner of its text cell at a given point.
//
// Lines and rectangles are written straight into the image's pixels.
// Ellipses and text are drawn through shape masks that QPainter renders
// once per size (or per text and font) and that a ShapeCache keeps, so a
// repaint of thousands of glyphs neither allocates per glyph nor goes
// through QPainter per glyph. Everything is clipped to the image.
#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRgb>
#include <QString>

#include <cstdint>
#include <vector>

namespace vorn {

// The pixels one shape covers, relative to its anchor point.
struct ShapeMask {
    enum Pixel : std::uint8_t { None = 0, Fill = 1, Outline = 2 };
    int originX = 0;  // offset of the mask's first column from the anchor
    int originY = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // width x height, row by row
};

// Masks rendered by QPainter, kept for reuse. An ellipse mask depends only on
// its size; a text mask on the text, the font and the resolution of the
// image it is drawn on. The cache holds a bounded number of entries.
class ShapeCache {
public:
    // The ellipse that fills a width x height box, its anchor the box's
    // top-left pixel. Sizes below 1 give an empty mask.
    const ShapeMask& Ellipse(int width, int height);
    // The ink of the text, its anchor the top-left corner of the text cell
    // (the top of the font's ascent at the text's start).
    const ShapeMask& Text(const QString& text, const QFont& font, const QString& fontKey, int dotsPerMeterX,
                          int dotsPerMeterY);

    // Number of masks held (for tests).
    int Size() const { return static_cast<int>(ellipses_.size() + texts_.size()); }

private:
    struct EllipseEntry {
        int width, height;
        ShapeMask mask;
    };
    struct TextEntry {
        QString text, fontKey;
        int dotsPerMeterX, dotsPerMeterY;
        ShapeMask mask;
    };
    static constexpr std::size_t kMaxEntries = 32;
    std::vector<EllipseEntry> ellipses_;
    std::vector<TextEntry> texts_;
};

class PixelCanvas {
public:
    // Draws on target, which must stay alive and keep its size while the
    // canvas is used; an image in another format is first converted to
    // Format_RGB32. Masks come from (and are added to) cache.
    PixelCanvas(QImage& target, ShapeCache& cache);

    int Width() const { return width_; }
    int Height() const { return height_; }

    void SetPenColor(QRgb color) { pen_ = color | 0xFF000000u; }
    void SetBrushColor(QRgb color) { brush_ = color | 0xFF000000u; }
    void SetFontColor(QRgb color) { fontColor_ = color | 0xFF000000u; }
    QRgb PenColor() const { return pen_; }
    QRgb BrushColor() const { return brush_; }

    // The font of TextRect. Setting it is the costly part (its key is
    // taken); set it once per repaint, not per glyph.
    void SetFont(const QFont& font);

    // Fills the whole image with color.
    void Fill(QRgb color);

    void MoveTo(int x, int y) {
        x_ = x;
        y_ = y;
    }
    QPoint Position() const { return {x_, y_}; }
    // A line from the current position to (x, y), without the end pixel;
    // diagonals are rasterised with Bresenham's algorithm.
    void LineTo(int x, int y);

    void Rectangle(int left, int top, int right, int bottom);
    void Ellipse(int left, int top, int right, int bottom);

    // Fills the rectangle with the brush and draws text in the font colour,
    // the text cell's top-left corner at (x, y), clipped to the rectangle.
    void TextRect(int left, int top, int right, int bottom, int x, int y, const QString& text);

private:
    void Plot(int x, int y, QRgb color) {
        if (static_cast<unsigned>(x) < static_cast<unsigned>(width_) &&
            static_cast<unsigned>(y) < static_cast<unsigned>(height_))
            Row(y)[x] = color;
    }
    QRgb* Row(int y) const { return reinterpret_cast<QRgb*>(bits_ + static_cast<std::ptrdiff_t>(y) * stride_); }
    // Pixels x0..x1 of row y and x of rows y0..y1, both ends included,
    // clipped to the image.
    void HorizontalSpan(int x0, int x1, int y, QRgb color);
    void VerticalSpan(int x, int y0, int y1, QRgb color);
    // Paints a mask anchored at (x, y), only inside the clip box
    // [clipLeft, clipRight) x [clipTop, clipBottom) intersected with the image.
    void PaintMask(const ShapeMask& mask, int x, int y, int clipLeft, int clipTop, int clipRight, int clipBottom,
                   QRgb fill, QRgb outline, bool paintFill);

    QImage& target_;
    ShapeCache& cache_;
    uchar* bits_ = nullptr;
    std::ptrdiff_t stride_ = 0;
    int width_ = 0;
    int height_ = 0;
    int x_ = 0;
    int y_ = 0;
    QRgb pen_ = 0xFF000000u;
    QRgb brush_ = 0xFFFFFFFFu;
    QRgb fontColor_ = 0xFF000000u;
    QFont font_;
    QString fontKey_;
};

}  // namespace vorn
