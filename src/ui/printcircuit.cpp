#include "printcircuit.h"

#include <QPaintDevice>
#include <QPainter>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <memory>

#include "circuitrenderer.h"
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

}  // namespace

void PrintCircuit(QImage& canvas, const CellGrid& cells, int zoom) {
    const std::optional<NodeArea> area = PrintedArea(cells);
    if (!area || canvas.isNull()) return;
    CircuitView view;
    view.zoom = std::clamp(zoom, 1, 3);
    view.originX = area->left;
    view.originY = area->top;
    view.printStyle = true;
    view.columns = area->Columns();
    view.rows = area->Rows();
    RenderCircuit(canvas, cells, NoSignals(), view, CircuitColors{});
}

void PrintPage(QPainter& painter, const CellGrid& cells, int zoom, const QString& header) {
    const QPaintDevice* device = painter.device();
    if (!device) return;
    // Device pixels per screen pixel: the printer's resolution against 96 dpi.
    const double scaleX = device->logicalDpiX() / kScreenDpi;
    const double scaleY = device->logicalDpiY() / kScreenDpi;

    if (const std::optional<NodeArea> area = PrintedArea(cells)) {
        const int pitch = NodePitch(std::clamp(zoom, 1, 3));
        // The image is no larger than the page, however large the circuit.
        const int width = FittingPixels(area->Columns(), pitch, static_cast<int>(std::ceil(device->width() / scaleX)));
        const int height = FittingPixels(area->Rows(), pitch, static_cast<int>(std::ceil(device->height() / scaleY)));
        QImage picture(width, height, QImage::Format_RGB32);
        PrintCircuit(picture, cells, zoom);
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
