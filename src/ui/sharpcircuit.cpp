#include "sharpcircuit.h"

#include <QPainter>

#include <algorithm>

#include "circuitpicture.h"
#include "glyphgeometry.h"
#include "namelabels.h"

namespace vorn {

void DrawSharpCircuit(QPainter& painter, QSize size, const CellGrid& cells, const SignalGrid& signalGrid,
                      const NameTable& names, const CircuitView& view, const CircuitColors& colors) {
    const int zoom = std::clamp(view.zoom, 1, 3);
    const int pitch = kPitchUnits * zoom;
    // The nodes of the pixel picture: from the origin to the first one past
    // each edge (whose glyphs reach back into the picture).
    const NodeArea area{view.originX, view.originY, view.originX + size.width() / pitch + 1,
                        view.originY + size.height() / pitch + 1};

    PictureStyle style;
    style.signalColours = true;
    style.colors = colors;
    if (!view.runMode) {  // every line in the wire colour, no cues of a running circuit
        style.colors.zero = style.colors.one = colors.wire;
        style.colors.fillLitLamps = style.colors.thickOnes = false;
    }
    style.lineWidth = 1.0 / zoom;
    style.labelUnits = ScreenLabelPixels(zoom) / zoom;

    static const NameTable kNoNames;  // names stand where the window puts them, drawn below
    painter.save();
    // A line through a node's centre covers the picture's pixel right of and
    // below that point, as a line of the pixel picture does.
    painter.translate(0.5, 0.5);
    painter.scale(zoom, zoom);
    painter.translate(-kPitchUnits / 2.0, -kPitchUnits / 2.0);
    DrawCircuitPicture(painter, PictureSource{cells, signalGrid, kNoNames}, area, style);
    painter.restore();
    DrawElementNames(painter, cells, names, view, colors.wire);
}

}  // namespace vorn
