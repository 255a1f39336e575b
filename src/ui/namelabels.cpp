#include "namelabels.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

#include "glyphgeometry.h"

namespace vorn {

QFont NameFont(int zoom) {
    QFont font;
    font.setPixelSize(std::max(kMinNamePixels, 6 * std::clamp(zoom, 1, 3)));
    // Crisp like the rest of the picture, and the same on every screen.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QRect NameLabelRect(QPoint centre, bool lamp, const QString& text, int zoom) {
    const int z = std::clamp(zoom, 1, 3);
    const QFontMetrics metrics(NameFont(z));
    const int width = metrics.horizontalAdvance(text) + 1;
    const int height = metrics.height();
    // One free pixel row above the body.
    const int bottom = centre.y() - (lamp ? kLampHalf : kBoxHalf) * z - 2;
    // A source's upper lead runs up its centre column; a lamp has none.
    const int left = lamp ? centre.x() + 1 : centre.x() - 1 - width;
    return {left, bottom - height + 1, width, height};
}

void DrawElementNames(QImage& image, const CellGrid& cells, const NameTable& names, const CircuitView& view,
                      const QColor& colour) {
    if (names.empty() || image.isNull()) return;
    QPainter painter(&image);
    DrawElementNames(painter, cells, names, view, colour);
}

void DrawElementNames(QPainter& painter, const CellGrid& cells, const NameTable& names, const CircuitView& view,
                      const QColor& colour) {
    if (names.empty()) return;
    const int zoom = std::clamp(view.zoom, 1, 3);
    painter.save();
    painter.setFont(NameFont(zoom));
    painter.setPen(view.printStyle ? QColor(Qt::black) : colour);
    ForEachNameLabel(cells, names, zoom, view.originX, view.originY,
                     [&](NodePos node, const QString& text, const QRect& place) {
                         const int i = node.x - view.originX, j = node.y - view.originY;
                         if (view.columns > 0 && (i < 0 || i >= view.columns)) return;
                         if (view.rows > 0 && (j < 0 || j >= view.rows)) return;
                         painter.drawText(place, Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine, text);
                     });
    painter.restore();
}

}  // namespace vorn
