// Draws the visible part of a circuit onto an image, as the main window
// shows it and as the settings dialog previews it.
#pragma once

#include <QImage>
#include <QPoint>

#include "cellgrid.h"
#include "circuitcolors.h"

namespace vorn {

struct CircuitView {
    int zoom = 2;       // 1, 2 or 3: nodes 12, 24 or 36 pixels apart
    int originX = 0;    // the node drawn at the image's top-left corner
    int originY = 0;
    bool runMode = false;  // colour wires by their signals
    // The paper look: every line and solder dot black whatever the colours,
    // no signal colours even in run mode, labels at 3 z points instead of 5 z.
    bool printStyle = false;
    // When positive, only this many columns (rows) from the origin are
    // drawn; the rest of the image stays white.
    int columns = 0;
    int rows = 0;
};

// Repaints the whole image: white, then the wires, then the elements of every
// node the image shows. Nodes beyond the stored grid are drawn as empty.
// The image is meant to be Format_RGB32; the 32-bit ARGB formats are drawn
// on opaquely as they are, any other format is converted to RGB32 first. A
// zoom outside 1..3 is taken as the nearest of them. Cheap enough to call
// after every change: a repaint allocates nothing per node.
void RenderCircuit(QImage& surface, const CellGrid& cells, const SignalGrid& signalGrid, const CircuitView& view,
                   const CircuitColors& colors);

// The quick feedback of a wire gesture, drawn straight onto the picture
// until the next repaint: one segment between two surface pixels in the wire
// colour, and the solder dot of the node whose pixel is `node`.
void DrawWireSegment(QImage& surface, QPoint from, QPoint to, const CircuitColors& colors);
void DrawSolderDot(QImage& surface, QPoint node, const CircuitColors& colors);

}  // namespace vorn
