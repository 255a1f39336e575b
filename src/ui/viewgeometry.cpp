#include "viewgeometry.h"

namespace vorn {

namespace {

// Integer division rounded down.
int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

}  // namespace

NodePos ViewGeometry::NodeAt(QPoint pixel) const {
    // Half a pitch to either side of a node belongs to it.
    const int half = 6 * zoom;
    return {originX + FloorDiv(pixel.x() + half, Pitch()), originY + FloorDiv(pixel.y() + half, Pitch())};
}

QPoint ViewGeometry::PixelOf(NodePos node) const {
    return {(node.x - originX) * Pitch(), (node.y - originY) * Pitch()};
}

QRect ViewGeometry::CellMarker(NodePos node) const {
    return {PixelOf(node) - QPoint(5 * zoom, 5 * zoom), CellMarkerSize()};
}

QRect ViewGeometry::GateMarker(NodePos node) const {
    return {PixelOf(node) - QPoint(5 * zoom, 17 * zoom), GateMarkerSize()};
}

}  // namespace vorn
