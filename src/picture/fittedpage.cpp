#include "fittedpage.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace vorn {

namespace {

constexpr double kScreenDpi = 96.0;
constexpr double kMillimetresPerInch = 25.4;
// Lines a 24th of the node pitch, but never thinner or thicker on paper
// than these.
constexpr double kThinnestLineMm = 0.15;
constexpr double kThickestLineMm = 0.6;
constexpr double kLineUnits = 0.5;

}  // namespace

void DrawFittedPage(QPainter& painter, const PictureSource& circuit, const QString& header) {
    const QPaintDevice* device = painter.device();
    if (!device) return;
    const double dpiX = device->logicalDpiX(), dpiY = device->logicalDpiY();
    const double gap = 5 * dpiY / kScreenDpi;
    const QRectF line(5 * dpiX / kScreenDpi, gap, device->width(), device->height());
    painter.setPen(Qt::black);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, header);

    const std::optional<NodeArea> area = PictureArea(circuit);
    if (!area) return;
    const double top = gap + QFontMetricsF(painter.font(), device).height() + gap;
    const QSizeF size = PictureSize(*area);
    const double scale = std::min(device->width() / size.width(), (device->height() - top) / size.height());
    if (scale <= 0) return;

    PictureStyle style;
    const double unitMm = scale / dpiX * kMillimetresPerInch;
    // Never below one device pixel either (a preview on screen).
    const double thinnest = std::max(kThinnestLineMm, kMillimetresPerInch / dpiX);
    style.lineWidth = std::clamp(kLineUnits * unitMm, thinnest, std::max(thinnest, kThickestLineMm)) / unitMm;
    painter.save();
    painter.translate((device->width() - size.width() * scale) / 2, top);
    painter.scale(scale, scale);
    DrawCircuitPicture(painter, circuit, *area, style);
    painter.restore();
}

}  // namespace vorn
