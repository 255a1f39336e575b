#include "printcircuit.h"

#include <QPaintDevice>
#include <QPainter>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <memory>

#include "circuitrenderer.h"
#include "namelabels.h"
#include "programstate.h"
#include "usedarea.h"

namespace vorn {

namespace {

// The print style uses no signals; one empty grid serves every call.
const SignalGrid& NoSignals() {
    static const auto grid = std::make_unique<const SignalGrid>();
    return *grid;
}

// Pixels of the area's nodes that fit in `available` pixels, a whole node
// more so that glyphs cut by the edge are still drawn.
int FittingPixels(int nodes, int pitch, int available) {
    const int fittingNodes = std::min(nodes, std::max(0, available) / pitch + 1);
    return fittingNodes * pitch;
}

// The header line takes the top of the page: names stay below this many
// pixels.
constexpr int kHeaderClearance = 24;

// Whole nodes that cover `overhang` pixels.
int NodesOver(int overhang, int pitch) { return overhang > 0 ? (overhang + pitch - 1) / pitch : 0; }

// The printed area, widened where a name's label would stand outside it.
std::optional<NodeArea> AreaWithNames(const CellGrid& cells, const NameTable& names, int zoom) {
    std::optional<NodeArea> area = PrintedArea(cells);
    if (!area || names.empty()) return area;
    const int pitch = NodePitch(zoom);
    const int width = area->Columns() * pitch, height = area->Rows() * pitch;
    int left = 0, top = 0, right = 0, bottom = 0;  // pixels past each edge
    ForEachNameLabel(cells, names, zoom, area->left, area->top, [&](NodePos, const QString&, const QRect& label) {
        left = std::max(left, -label.left());
        top = std::max(top, kHeaderClearance - label.top());
        right = std::max(right, label.right() + 1 - width);
        bottom = std::max(bottom, label.bottom() + 1 - height);
    });
    area->left -= NodesOver(left, pitch);
    area->top -= NodesOver(top, pitch);
    area->right += NodesOver(right, pitch);
    area->bottom += NodesOver(bottom, pitch);
    return area;
}

}  // namespace

void PrintCircuit(QImage& canvas, const CellGrid& cells, int zoom, const NameTable& names) {
    zoom = std::clamp(zoom, 1, 3);
    const std::optional<NodeArea> area = AreaWithNames(cells, names, zoom);
    if (!area || canvas.isNull()) return;
    CircuitView view;
    view.zoom = zoom;
    view.originX = area->left;
    view.originY = area->top;
    view.printStyle = true;
    view.columns = area->Columns();
    view.rows = area->Rows();
    RenderCircuit(canvas, cells, NoSignals(), view, CircuitColors{});
    DrawElementNames(canvas, cells, names, view, Qt::black);
}

void PrintPage(QPainter& painter, const CellGrid& cells, int zoom, const QString& header, const NameTable& names) {
    const QPaintDevice* device = painter.device();
    if (!device) return;
    // Device pixels per screen pixel: the printer's resolution against 96 dpi.
    const double scaleX = device->logicalDpiX() / kScreenDpi;
    const double scaleY = device->logicalDpiY() / kScreenDpi;

    zoom = std::clamp(zoom, 1, 3);
    if (const std::optional<NodeArea> area = AreaWithNames(cells, names, zoom)) {
        const int pitch = NodePitch(zoom);
        // The image is no larger than the page, however large the circuit.
        const int width = FittingPixels(area->Columns(), pitch, static_cast<int>(std::ceil(device->width() / scaleX)));
        const int height = FittingPixels(area->Rows(), pitch, static_cast<int>(std::ceil(device->height() / scaleY)));
        QImage picture(width, height, QImage::Format_RGB32);
        PrintCircuit(picture, cells, zoom, names);
        painter.save();
        // Every image pixel becomes a sharp square of device pixels, and a
        // PDF keeps the picture exact instead of compressing it as JPEG.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.setRenderHint(QPainter::LosslessImageRendering, true);
        painter.drawImage(QRectF(0, 0, width * scaleX, height * scaleY), picture);
        painter.restore();
    }

    const QRectF line(5 * scaleX, 5 * scaleY, device->width(), device->height());
    painter.setPen(Qt::black);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, header);
}

}  // namespace vorn
