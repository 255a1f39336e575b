// Where the field's nodes stand on the drawing surface: the zoom and the node
// at the surface's top-left corner, and the conversions between nodes and
// surface pixels that the editing, the markers and the repaint share.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "cellgrid.h"
#include "glyphgeometry.h"

namespace vorn {

// Node pitch and field size in pixels at zoom factor z.
inline constexpr int NodePitch(int zoom) { return kPitchUnits * zoom; }
inline constexpr int ScrollRange(int zoom) { return kFieldSize * NodePitch(zoom); }

struct ViewGeometry {
    int zoom = 2;     // 1, 2 or 3
    int originX = 0;  // the node at the surface's top-left corner
    int originY = 0;

    int Pitch() const { return NodePitch(zoom); }
    // The node nearest to a surface pixel; pixels left of or above the
    // surface name the nodes there.
    NodePos NodeAt(QPoint pixel) const;
    // A node's own pixel.
    QPoint PixelOf(NodePos node) const;
    QPoint SnappedPixel(QPoint pixel) const { return PixelOf(NodeAt(pixel)); }

    // The markers over the surface: the square around one node (placing a
    // source, lamp or inverter, erasing) and the block a gate covers, whose
    // anchor is the node below its top row.
    QSize CellMarkerSize() const { return {10 * zoom, 10 * zoom}; }
    QSize GateMarkerSize() const { return {22 * zoom, 34 * zoom}; }
    QRect CellMarker(NodePos node) const;
    QRect GateMarker(NodePos node) const;
    // The small dot on the node a wire has reached.
    static QRect AnchorDot(QPoint pixel) { return {pixel - QPoint(2, 2), QSize(5, 5)}; }
};

}  // namespace vorn
