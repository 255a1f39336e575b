// A printed page with the circuit fitted to it: the header line at the top,
// below it the used area with its names as large as the page allows, in
// black on white, as vector shapes.
#pragma once

#include <QString>

#include "circuitpicture.h"

class QPainter;

namespace vorn {

// Draws on a painter begun on a printer or any paint device whose (0, 0) is
// the top-left corner of the printable area: the header text at (5, 5) of
// a 96 dpi screen's pixels in the painter's current font, then the circuit
// scaled to the full width (or height) left below it, centred across. An
// empty circuit leaves the header alone on the page.
void DrawFittedPage(QPainter& painter, const PictureSource& circuit, const QString& header);

}  // namespace vorn
