#include "pixelcanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace vorn {

namespace {

// Colours the masks are rendered in: distinct, so every pixel tells which
// part of the shape QPainter put there.
constexpr QRgb kMaskBackground = 0xFF000000u;
constexpr QRgb kMaskOutline = 0xFFFF0000u;
constexpr QRgb kMaskFill = 0xFF00FF00u;
// Pixels of slack around a rendered shape, so that nothing QPainter draws
// just outside the nominal box is lost.
constexpr int kMaskMargin = 2;

ShapeMask MaskFromImage(const QImage& image, int originX, int originY, QRgb background) {
    ShapeMask mask;
    mask.originX = originX;
    mask.originY = originY;
    mask.width = image.width();
    mask.height = image.height();
    mask.pixels.assign(static_cast<std::size_t>(mask.width) * mask.height, ShapeMask::None);
    for (int y = 0; y < mask.height; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < mask.width; ++x) {
            const QRgb p = row[x] | 0xFF000000u;
            std::uint8_t kind = ShapeMask::None;
            if (p == kMaskOutline)
                kind = ShapeMask::Outline;
            else if (p == kMaskFill)
                kind = ShapeMask::Fill;
            else if (p != background && qGray(p) < 128)  // text ink: dark on white
                kind = ShapeMask::Outline;
            mask.pixels[static_cast<std::size_t>(y) * mask.width + x] = kind;
        }
    }
    return mask;
}

ShapeMask RenderEllipseMask(int width, int height) {
    if (width < 1 || height < 1) return {};
    QImage image(width + 2 * kMaskMargin, height + 2 * kMaskMargin, QImage::Format_RGB32);
    image.fill(kMaskBackground);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(QColor::fromRgb(kMaskOutline), 1));
        painter.setBrush(QColor::fromRgb(kMaskFill));
        // With a one-pixel pen this covers exactly the box's width x height.
        painter.drawEllipse(QRect(kMaskMargin, kMaskMargin, width - 1, height - 1));
    }
    return MaskFromImage(image, -kMaskMargin, -kMaskMargin, kMaskBackground);
}

ShapeMask RenderTextMask(const QString& text, const QFont& font, int dotsPerMeterX, int dotsPerMeterY) {
    // The metrics of the image the text will be drawn on, not of the screen.
    QImage probe(1, 1, QImage::Format_RGB32);
    probe.setDotsPerMeterX(dotsPerMeterX);
    probe.setDotsPerMeterY(dotsPerMeterY);
    const QFontMetrics metrics(font, &probe);
    const int ascent = metrics.ascent();
    // Box of the ink and the text cell, with the cell's top-left corner at 0, 0.
    QRect box = metrics.boundingRect(text).translated(0, ascent);
    box = box.united(QRect(0, 0, std::max(1, metrics.horizontalAdvance(text)), std::max(1, metrics.height())));
    box.adjust(-kMaskMargin, -kMaskMargin, kMaskMargin, kMaskMargin);

    QImage image(box.width(), box.height(), QImage::Format_RGB32);
    image.setDotsPerMeterX(dotsPerMeterX);
    image.setDotsPerMeterY(dotsPerMeterY);
    const QRgb white = 0xFFFFFFFFu;
    image.fill(white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(QColor(Qt::black));
        painter.drawText(QPoint(-box.left(), -box.top() + ascent), text);
    }
    return MaskFromImage(image, box.left(), box.top(), white);
}

}  // namespace

const ShapeMask& ShapeCache::Ellipse(int width, int height) {
    for (const EllipseEntry& entry : ellipses_)
        if (entry.width == width && entry.height == height) return entry.mask;
    if (ellipses_.size() >= kMaxEntries) ellipses_.clear();
    ellipses_.reserve(kMaxEntries);
    ellipses_.push_back({width, height, RenderEllipseMask(width, height)});
    return ellipses_.back().mask;
}

const ShapeMask& ShapeCache::Text(const QString& text, const QFont& font, const QString& fontKey, int dotsPerMeterX,
                                  int dotsPerMeterY) {
    for (const TextEntry& entry : texts_)
        if (entry.dotsPerMeterX == dotsPerMeterX && entry.dotsPerMeterY == dotsPerMeterY && entry.text == text &&
            entry.fontKey == fontKey)
            return entry.mask;
    if (texts_.size() >= kMaxEntries) texts_.clear();
    texts_.reserve(kMaxEntries);
    texts_.push_back({text, fontKey, dotsPerMeterX, dotsPerMeterY,
                      RenderTextMask(text, font, dotsPerMeterX, dotsPerMeterY)});
    return texts_.back().mask;
}

PixelCanvas::PixelCanvas(QImage& target, ShapeCache& cache) : target_(target), cache_(cache) {
    const QImage::Format format = target_.format();
    if (!target_.isNull() && format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        target_.convertTo(QImage::Format_RGB32);
    if (!target_.isNull()) {
        bits_ = target_.bits();
        stride_ = target_.bytesPerLine();
        width_ = target_.width();
        height_ = target_.height();
    }
}

void PixelCanvas::SetFont(const QFont& font) {
    font_ = font;
    font_.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoAntialias));
    fontKey_ = font_.key();
}

void PixelCanvas::Fill(QRgb color) {
    color |= 0xFF000000u;
    for (int y = 0; y < height_; ++y) std::fill_n(Row(y), width_, color);
}

void PixelCanvas::HorizontalSpan(int x0, int x1, int y, QRgb color) {
    if (static_cast<unsigned>(y) >= static_cast<unsigned>(height_)) return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, width_ - 1);
    if (x0 > x1) return;
    std::fill(Row(y) + x0, Row(y) + x1 + 1, color);
}

void PixelCanvas::VerticalSpan(int x, int y0, int y1, QRgb color) {
    if (static_cast<unsigned>(x) >= static_cast<unsigned>(width_)) return;
    y0 = std::max(y0, 0);
    y1 = std::min(y1, height_ - 1);
    for (int y = y0; y <= y1; ++y) Row(y)[x] = color;
}

void PixelCanvas::LineTo(int x, int y) {
    int x0 = x_, y0 = y_;
    x_ = x;
    y_ = y;
    if (y0 == y) {
        if (x > x0)
            HorizontalSpan(x0, x - 1, y, pen_);
        else if (x < x0)
            HorizontalSpan(x + 1, x0, y, pen_);
        return;
    }
    if (x0 == x) {
        if (y > y0)
            VerticalSpan(x, y0, y - 1, pen_);
        else
            VerticalSpan(x, y + 1, y0, pen_);
        return;
    }
    // A diagonal that misses the image altogether is not walked.
    if (std::max(x0, x) < 0 || std::min(x0, x) >= width_ || std::max(y0, y) < 0 || std::min(y0, y) >= height_)
        return;
    const long long dx = std::llabs(static_cast<long long>(x) - x0);
    const long long dy = -std::llabs(static_cast<long long>(y) - y0);
    const int sx = x0 < x ? 1 : -1;
    const int sy = y0 < y ? 1 : -1;
    long long error = dx + dy;
    while (x0 != x || y0 != y) {
        Plot(x0, y0, pen_);
        const long long twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

void PixelCanvas::Rectangle(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (right == left || bottom == top) return;
    const int lastX = right - 1, lastY = bottom - 1;
    HorizontalSpan(left, lastX, top, pen_);
    HorizontalSpan(left, lastX, lastY, pen_);
    VerticalSpan(left, top + 1, lastY - 1, pen_);
    VerticalSpan(lastX, top + 1, lastY - 1, pen_);
    for (int y = std::max(top + 1, 0); y <= std::min(lastY - 1, height_ - 1); ++y)
        HorizontalSpan(left + 1, lastX - 1, y, brush_);
}

void PixelCanvas::Ellipse(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (right == left || bottom == top) return;
    const ShapeMask& mask = cache_.Ellipse(right - left, bottom - top);
    PaintMask(mask, left, top, 0, 0, width_, height_, brush_, pen_, true);
}

void PixelCanvas::TextRect(int left, int top, int right, int bottom, int x, int y, const QString& text) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (right == left || bottom == top) return;
    for (int row = std::max(top, 0); row <= std::min(bottom - 1, height_ - 1); ++row)
        HorizontalSpan(left, right - 1, row, brush_);
    if (text.isEmpty()) return;
    if (fontKey_.isEmpty()) SetFont(QFont());
    const ShapeMask& mask = cache_.Text(text, font_, fontKey_, target_.dotsPerMeterX(), target_.dotsPerMeterY());
    PaintMask(mask, x, y, left, top, right, bottom, brush_, fontColor_, false);
}

void PixelCanvas::PaintMask(const ShapeMask& mask, int x, int y, int clipLeft, int clipTop, int clipRight,
                            int clipBottom, QRgb fill, QRgb outline, bool paintFill) {
    clipLeft = std::max(clipLeft, 0);
    clipTop = std::max(clipTop, 0);
    clipRight = std::min(clipRight, width_);
    clipBottom = std::min(clipBottom, height_);
    const int left = x + mask.originX, top = y + mask.originY;
    const int firstColumn = std::max(0, clipLeft - left), lastColumn = std::min(mask.width, clipRight - left);
    const int firstRow = std::max(0, clipTop - top), lastRow = std::min(mask.height, clipBottom - top);
    for (int my = firstRow; my < lastRow; ++my) {
        const std::uint8_t* kinds = mask.pixels.data() + static_cast<std::size_t>(my) * mask.width;
        QRgb* row = Row(top + my);
        for (int mx = firstColumn; mx < lastColumn; ++mx) {
            if (kinds[mx] == ShapeMask::Outline)
                row[left + mx] = outline;
            else if (paintFill && kinds[mx] == ShapeMask::Fill)
                row[left + mx] = fill;
        }
    }
}

}  // namespace vorn
