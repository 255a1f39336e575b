#include "toolicons.h"

#include <QFont>
#include <QPainter>
#include <QPolygonF>

namespace vorn {

namespace {

const QColor kInk(0, 0, 0);
const QColor kBody(255, 255, 255);
const QColor kOne(255, 0, 0);
const QColor kZero(32, 188, 255);

// A labelled element box, as the work area draws elements.
void DrawLabelledBox(QPainter& painter, const QRectF& box, const QString& label, qreal pointSize) {
    painter.setBrush(kBody);
    painter.drawRect(box);
    QFont font;
    font.setPointSizeF(pointSize);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(box, Qt::AlignCenter, label);
}

void DrawWire(QPainter& painter) {
    // Two wires meeting at a solder dot, and the soldering iron above them.
    painter.setPen(QPen(kInk, 2));
    painter.drawLine(QPointF(3, 24), QPointF(29, 24));
    painter.drawLine(QPointF(16, 24), QPointF(16, 30));
    painter.setBrush(kInk);
    painter.drawEllipse(QPointF(16, 24), 2.5, 2.5);
    painter.setPen(QPen(QColor(120, 72, 24), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(27, 4), QPointF(21, 12));
    painter.setPen(QPen(QColor(128, 128, 128), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(21, 12), QPointF(17, 19));
}

void DrawSource(QPainter& painter) {
    painter.setPen(QPen(kOne, 2));
    painter.drawLine(QPointF(16, 1), QPointF(16, 31));
    painter.drawLine(QPointF(1, 16), QPointF(31, 16));
    painter.setPen(QPen(kOne, 2));
    DrawLabelledBox(painter, QRectF(7, 7, 18, 18), QStringLiteral("1"), 10);
}

void DrawLamp(QPainter& painter) {
    painter.setPen(QPen(kInk, 2));
    painter.drawLine(QPointF(1, 16), QPointF(31, 16));
    painter.setBrush(QColor(255, 240, 120));
    painter.drawEllipse(QPointF(16, 16), 10, 10);
    painter.drawLine(QPointF(9, 9), QPointF(23, 23));
    painter.drawLine(QPointF(9, 23), QPointF(23, 9));
}

void DrawInverter(QPainter& painter) {
    painter.setPen(QPen(kZero, 2));
    painter.drawLine(QPointF(1, 16), QPointF(8, 16));
    painter.setPen(QPen(kOne, 2));
    painter.drawLine(QPointF(27, 16), QPointF(31, 16));
    painter.setPen(QPen(kInk, 2));
    painter.setBrush(kBody);
    painter.drawRect(QRectF(8, 8, 14, 16));
    painter.drawEllipse(QPointF(24.5, 16), 2.5, 2.5);
}

void DrawGate(QPainter& painter, const QString& label) {
    painter.setPen(QPen(kInk, 2));
    painter.drawLine(QPointF(1, 8), QPointF(8, 8));
    painter.drawLine(QPointF(1, 24), QPointF(8, 24));
    painter.drawLine(QPointF(24, 16), QPointF(31, 16));
    DrawLabelledBox(painter, QRectF(8, 3, 16, 26), label, 11);
}

void DrawEraser(QPainter& painter) {
    // A slanted eraser block leaving a gap in a wire.
    painter.setPen(QPen(kInk, 2));
    painter.drawLine(QPointF(1, 28), QPointF(8, 28));
    painter.drawLine(QPointF(24, 28), QPointF(31, 28));
    QPolygonF sleeve{{QPointF(4, 18), QPointF(14, 8), QPointF(22, 16), QPointF(12, 26)}};
    QPolygonF tip{{QPointF(14, 8), QPointF(22, 0.5), QPointF(30, 8.5), QPointF(22, 16)}};
    painter.setPen(QPen(kInk, 1.5));
    painter.setBrush(QColor(230, 80, 110));
    painter.drawPolygon(tip);
    painter.setBrush(QColor(90, 140, 230));
    painter.drawPolygon(sleeve);
}

void DrawSelection(QPainter& painter) {
    // A dashed frame around a piece of wire, and the pointer that drew it.
    painter.setPen(QPen(kInk, 2));
    painter.drawLine(QPointF(6, 14), QPointF(18, 14));
    painter.setPen(QPen(QColor(0, 0, 255), 1.5, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(2, 4, 20, 20));
    QPolygonF arrow{{QPointF(18, 16), QPointF(18, 31), QPointF(22, 27), QPointF(25, 31.5), QPointF(28, 30),
                     QPointF(25, 25.5), QPointF(30, 25)}};
    painter.setPen(QPen(kInk, 1.5));
    painter.setBrush(kBody);
    painter.drawPolygon(arrow);
}

}  // namespace

QPixmap ToolPixmap(int tool) {
    QPixmap pixmap(kToolIconSize, kToolIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (tool) {
    case 1: DrawWire(painter); break;
    case 2: DrawSource(painter); break;
    case 3: DrawLamp(painter); break;
    case 4: DrawInverter(painter); break;
    case 5: DrawGate(painter, QStringLiteral("&")); break;
    case 6: DrawGate(painter, QStringLiteral("1")); break;
    case 7: DrawEraser(painter); break;
    case 8: DrawSelection(painter); break;
    default: break;
    }
    return pixmap;
}

QIcon ToolIcon(int tool) { return QIcon(ToolPixmap(tool)); }

}  // namespace vorn
