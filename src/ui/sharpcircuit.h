// The work area's circuit as vector shapes, for screens whose device pixels
// are finer than the window's: the nodes, colours, labels and names of the
// pixel picture (circuitrenderer.h), drawn at the screen's own resolution.
#pragma once

#include <QSize>

#include "circuitrenderer.h"
#include "elementnames.h"

class QPainter;

namespace vorn {

// Draws on a white painter whose coordinates are the pixels of a picture of
// `size` that RenderCircuit and DrawElementNames would draw with the same
// view: lines one picture pixel wide over that picture's line pixels.
void DrawSharpCircuit(QPainter& painter, QSize size, const CellGrid& cells, const SignalGrid& signalGrid,
                      const NameTable& names, const CircuitView& view, const CircuitColors& colors);

}  // namespace vorn
