// The names learners gave their sources and lamps, drawn beside the elements
// on screen, on paper and in the settings preview. Default names (A, B, ...,
// F1, ...) are never drawn: a circuit without given names looks as before.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include "circuitrenderer.h"
#include "elementnames.h"

class QPainter;

namespace vorn {

// The smallest font a name is drawn in, in pixels, so that it stays legible
// at 50 %.
inline constexpr int kMinNamePixels = 10;

// The font of names at zoom z (1..3): 10, 12 or 18 pixels.
QFont NameFont(int zoom);

// Where a name stands, in image pixels, for the element whose centre is at
// `centre`: above the horizontal lead and clear of the body, a source's name
// to the left of its upper lead, a lamp's to the right of its centre.
QRect NameLabelRect(QPoint centre, bool lamp, const QString& text, int zoom);

// The label of every name in `names` whose node holds a source or lamp, in
// the pixels of an image whose top-left node is (originX, originY); `visit`
// gets the element's node, the text and its rectangle.
template <typename Visit>
void ForEachNameLabel(const CellGrid& cells, const NameTable& names, int zoom, int originX, int originY,
                      Visit visit);

// Draws the given names of the sources and lamps the view shows (with
// columns or rows set, only those of the elements inside them) in `colour`,
// or in black for the paper look.
void DrawElementNames(QImage& image, const CellGrid& cells, const NameTable& names, const CircuitView& view,
                      const QColor& colour);
// The same on a painter whose coordinates are the image's pixels.
void DrawElementNames(QPainter& painter, const CellGrid& cells, const NameTable& names, const CircuitView& view,
                      const QColor& colour);

// ---- template definition ----------------------------------------------------------

template <typename Visit>
void ForEachNameLabel(const CellGrid& cells, const NameTable& names, int zoom, int originX, int originY,
                      Visit visit) {
    const int pitch = 12 * zoom;
    for (const auto& [node, name] : names) {
        if (!InField(node.x, node.y) || !IsNameableCode(cells.at(node.x, node.y))) continue;
        const QString text = QString::fromStdString(name);
        const QPoint centre((node.x - originX) * pitch, (node.y - originY) * pitch);
        visit(node, text, NameLabelRect(centre, cells.at(node.x, node.y) == Lamp, text, zoom));
    }
}

}  // namespace vorn
