// The circuit as it goes on paper: only the used area with its margins, its
// top-left node at the canvas origin, drawn with the screen's glyphs in
// black on white.
#pragma once

#include <QImage>
#include <QString>

#include "cellgrid.h"
#include "elementnames.h"

class QPainter;

namespace vorn {

// Draws the printed area of the circuit onto canvas at zoom z (nodes 12 z
// pixels apart): the whole image is cleared to white first, nodes past the
// printed area stay white, nodes past the stored grid are drawn as empty.
// An empty circuit leaves the image as it was. The given names of sources
// and lamps are drawn beside them; the area grows by whole nodes on the side
// where a name would stand outside it.
void PrintCircuit(QImage& canvas, const CellGrid& cells, int zoom, const NameTable& names = {});

// One printed page on a painter that has begun on a printer (or any paint
// device): the circuit at screen scale, one image pixel as large as a pixel
// of a 96 dpi screen, then the header text with the top-left corner of its
// line at (5, 5) on the same scale, in the painter's current font. Only as
// much of the circuit is drawn as fits on the device.
void PrintPage(QPainter& painter, const CellGrid& cells, int zoom, const QString& header,
               const NameTable& names = {});

// The resolution the page is laid out for: a pixel of a 96 dpi screen.
inline constexpr double kScreenDpi = 96.0;

}  // namespace vorn
