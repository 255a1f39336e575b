// The circuit as vector shapes on any QPainter: an SVG or PDF file, a
// printer's page, an image at any size. The glyphs are those of the screen
// (glyphgeometry.h); the coordinates are units, twelve to a node pitch, and
// the painter's transform decides how large a unit is on the device.
#pragma once

#include <optional>

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include "cellgrid.h"
#include "circuitcolors.h"
#include "elementnames.h"
#include "glyphgeometry.h"
#include "usedarea.h"

class QPainter;

namespace vorn {

struct PictureStyle {
    // Lines in the colours of their signals as the running circuit shows
    // them (colors.zero, colors.one, colors.wire where no signal is), or
    // every line black when off.
    bool signalColours = false;
    CircuitColors colors;
    // Width of every line in units.
    double lineWidth = 0.5;
    // Smooth edges; off draws lines, boxes and dots pixel-sharp on an image
    // whose pixels are whole units or multiples of them.
    bool antialiased = true;
    // The height of the font of the sources' and gates' labels, in units:
    // by default as tall as the window's at 100 %.
    double labelUnits = kScreenLabelPoints * 96.0 / 72.0;
};

// The circuit a picture is made of.
struct PictureSource {
    const CellGrid& cells;
    const SignalGrid& signalGrid;
    const NameTable& names;
};

// The nodes a picture shows: the used area with one node around it, widened
// by whole nodes where a name reaches beyond. nullopt for an empty circuit.
std::optional<NodeArea> PictureArea(const PictureSource& circuit);

// The size of the picture of area, in units.
QSizeF PictureSize(const NodeArea& area);

// Draws every node of area (each node with its square of twelve units, the
// area's top-left node centred at (6, 6)) and the names given to its
// sources and lamps. The background stays as it is: fill it first.
void DrawCircuitPicture(QPainter& painter, const PictureSource& circuit, const NodeArea& area,
                        const PictureStyle& style);

// Where the name of a source (left of it) or a lamp (right of it) goes,
// centre being its node's centre, and the name drawn there in the
// painter's pen colour.
QRectF ElementNameRect(QPointF centre, bool lamp, const QString& name);
void DrawElementName(QPainter& painter, QPointF centre, bool lamp, const QString& name);

}  // namespace vorn
