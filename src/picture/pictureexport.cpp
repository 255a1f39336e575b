#include "pictureexport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>

#include "circuitfile.h"

namespace vorn {

namespace {

// The nominal resolution of a picture: a pixel of a 96 dpi screen.
constexpr double kPictureDpi = 96.0;

QString Title() { return QString::fromUtf8(ProgramTitle.data(), static_cast<qsizetype>(ProgramTitle.size())); }

// Fills the picture white and draws it, `scale` device units to a unit.
void Paint(QPainter& painter, double scale, const PictureSource& circuit, const NodeArea& area,
           const PictureStyle& style) {
    painter.scale(scale, scale);
    painter.fillRect(QRectF(QPointF(0, 0), PictureSize(area)), Qt::white);
    DrawCircuitPicture(painter, circuit, area, style);
}

QByteArray PngBytes(const PictureSource& circuit, const NodeArea& area, PictureStyle style, int zoom) {
    const QSizeF size = PictureSize(area) * zoom;
    QImage image(static_cast<int>(size.width()), static_cast<int>(size.height()), QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(kPictureDpi / 0.0254 + 0.5));
    image.setDotsPerMeterY(image.dotsPerMeterX());
    // One image pixel per line, sharp, as the screen draws it.
    style.lineWidth = 1.0 / zoom;
    style.antialiased = false;
    {
        QPainter painter(&image);
        Paint(painter, zoom, circuit, area, style);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray SvgBytes(const PictureSource& circuit, const NodeArea& area, const PictureStyle& style, int zoom) {
    const QSizeF size = PictureSize(area) * zoom;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), size));
    svg.setResolution(static_cast<int>(kPictureDpi));
    svg.setTitle(Title());
    QPainter painter(&svg);
    Paint(painter, zoom, circuit, area, style);
    painter.end();
    return bytes;
}

QByteArray PdfBytes(const PictureSource& circuit, const NodeArea& area, const PictureStyle& style, int zoom) {
    const QSizeF points = PictureSize(area) * zoom * (72.0 / kPictureDpi);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setCreator(Title());
    pdf.setTitle(Title());
    pdf.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&pdf);
    Paint(painter, pdf.width() / PictureSize(area).width(), circuit, area, style);
    painter.end();
    return bytes;
}

}  // namespace

std::optional<PictureFormat> PictureFormatOf(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("png")) return PictureFormat::Png;
    if (suffix == QLatin1String("svg")) return PictureFormat::Svg;
    if (suffix == QLatin1String("pdf")) return PictureFormat::Pdf;
    return std::nullopt;
}

PictureResult WriteCircuitPicture(const QString& fileName, PictureFormat format, const PictureSource& circuit,
                                  const PictureOptions& options) {
    const std::optional<NodeArea> area = PictureArea(circuit);
    if (!area) return {PictureResult::EmptyCircuit, {}};
    const int zoom = std::clamp(options.zoom, 1, 3);
    PictureStyle style;
    style.signalColours = options.signalColours;
    style.colors = options.colors;
    const QByteArray bytes = format == PictureFormat::Png   ? PngBytes(circuit, *area, style, zoom)
                             : format == PictureFormat::Svg ? SvgBytes(circuit, *area, style, zoom)
                                                            : PdfBytes(circuit, *area, style, zoom);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return {PictureResult::CannotWrite, file.errorString()};
    if (file.write(bytes) != bytes.size() || !file.commit()) return {PictureResult::CannotWrite, file.errorString()};
    return {};
}

}  // namespace vorn
