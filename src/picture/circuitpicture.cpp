#include "circuitpicture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "glyphgeometry.h"
#include "signals.h"

namespace vorn {

namespace {

constexpr double kHalfPitch = kPitchUnits / 2.0;
// Names a little larger than labels, so that they can be read on paper.
constexpr double kNameUnits = 7.0;
// Names stand where the window draws them: above the element's body, a
// source's left of its upper lead, a lamp's right of its centre.
constexpr double kNameGap = 1.0;
constexpr double kNameBaseGap = 1.5;
// Fonts are set in pixels this many times a unit and drawn scaled down, so
// that text keeps its proportions on devices of any resolution.
constexpr double kTextScale = 16.0;

QFont UnitFont(double units) {
    QFont font;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(units * kTextScale))));
    return font;
}

double TextWidth(const QString& text, double units) {
    return QFontMetricsF(UnitFont(units)).horizontalAdvance(text) / kTextScale;
}

// Text inside rect (units), aligned by flags, in the painter's pen colour.
void DrawUnitText(QPainter& painter, const QRectF& rect, int flags, const QString& text, double units) {
    painter.save();
    painter.translate(rect.topLeft());
    painter.scale(1.0 / kTextScale, 1.0 / kTextScale);
    painter.setFont(UnitFont(units));
    painter.drawText(QRectF(0, 0, rect.width() * kTextScale, rect.height() * kTextScale), flags, text);
    painter.restore();
}

bool Stored(int x, int y) { return x >= kGridLow && x <= kGridHigh && y >= kGridLow && y <= kGridHigh; }

class PictureDrawer {
public:
    PictureDrawer(QPainter& painter, const PictureSource& circuit, const NodeArea& area, const PictureStyle& style)
        : painter_(painter), circuit_(circuit), area_(area), style_(style) {}

    void Run() {
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing, style_.antialiased);
        painter_.setRenderHint(QPainter::TextAntialiasing, true);
        painter_.setBrush(Qt::NoBrush);
        for (int x = area_.left; x <= area_.right; ++x)
            for (int y = area_.top; y <= area_.bottom; ++y) DrawWires(x, y);
        // Every lead first, then every body, so that no lead lies across a body.
        for (int x = area_.left; x <= area_.right; ++x)
            for (int y = area_.top; y <= area_.bottom; ++y) DrawLeads(x, y);
        for (int x = area_.left; x <= area_.right; ++x)
            for (int y = area_.top; y <= area_.bottom; ++y) DrawBody(x, y);
        DrawNames();
        painter_.restore();
    }

private:
    std::int32_t Cell(int x, int y) const { return Stored(x, y) ? circuit_.cells.at(x, y) : Empty; }

    // The colour of a node's signal ("1" and "0" exchanged for an inverse).
    QColor SignalColor(int x, int y, bool inverse = false) const {
        if (!style_.signalColours) return Qt::black;
        const std::int32_t signal = Stored(x, y) ? circuit_.signalGrid.at(x, y) : NoSignal;
        if (signal == Signal1) return inverse ? style_.colors.zero : style_.colors.one;
        if (signal == Signal0) return inverse ? style_.colors.one : style_.colors.zero;
        return style_.colors.wire;
    }
    QColor WireColor() const { return style_.signalColours ? style_.colors.wire : QColor(Qt::black); }
    // Whether a line in that signal's colour carries "1" (the inverse of "0").
    bool CarriesOne(int x, int y, bool inverse = false) const {
        if (!style_.signalColours || !Stored(x, y)) return false;
        return circuit_.signalGrid.at(x, y) == (inverse ? Signal0 : Signal1);
    }

    // The pen of a wire or lead in its signal's colour, twice as wide where
    // it carries "1" and the thick cue is on.
    void SetSignalPen(int x, int y, bool inverse = false) {
        SetPen(SignalColor(x, y, inverse), style_.colors.thickOnes && CarriesOne(x, y, inverse) ? 2.0 : 1.0);
    }

    void SetPen(const QColor& color, double widthFactor = 1.0) {
        QPen pen(color, style_.lineWidth * widthFactor);
        pen.setCapStyle(Qt::SquareCap);
        pen.setJoinStyle(Qt::MiterJoin);
        painter_.setPen(pen);
    }

    // A node's centre, shifted by (dx, dy) units.
    QPointF At(int x, int y, double dx = 0, double dy = 0) const {
        return {(x - area_.left) * kPitchUnits + kHalfPitch + dx, (y - area_.top) * kPitchUnits + kHalfPitch + dy};
    }
    void Line(QPointF from, QPointF to) { painter_.drawLine(from, to); }
    // A box or ellipse reaching from the node's offsets (l, t) to (r, b).
    QRectF Box(int x, int y, double l, double t, double r, double b) const { return {At(x, y, l, t), At(x, y, r, b)}; }

    void DrawWires(int x, int y) {
        const std::int32_t c = Cell(x, y);
        const QPointF centre = At(x, y), east = At(x + 1, y), south = At(x, y + 1);
        if (c == Empty) {
            // The grid dot: a square of the line width centred on the node
            // as lines are; drawn pixel-sharp, the pixel right of and below
            // the centre, where a line's pixels lie.
            const double side = style_.lineWidth;
            const QPointF corner = style_.antialiased ? centre - QPointF(side, side) / 2 : centre;
            painter_.fillRect(QRectF(corner, QSizeF(side, side)), WireColor());
            return;
        }
        SetSignalPen(x, y);
        switch (c) {
            case WireE: Line(centre, east); break;
            case WireS: Line(centre, south); break;
            case WireES:
                Line(centre, east);
                Line(centre, south);
                break;
            case JunctionE:
            case JunctionS:
            case JunctionES: {
                if (c != JunctionS) Line(centre, east);
                if (c != JunctionE) Line(centre, south);
                const double r = kSolderDotUnits / 2.0;
                painter_.setBrush(SignalColor(x, y));
                painter_.drawEllipse(centre, r, r);
                painter_.setBrush(Qt::NoBrush);
                break;
            }
            case Crossing:
                // Each line shows the signal of the wire that enters it.
                SetSignalPen(x - 1, y);
                Line(At(x - 1, y), east);
                SetSignalPen(x, y - 1);
                Line(At(x, y - 1), south);
                break;
            default: break;
        }
    }

    void DrawLeads(int x, int y) {
        switch (Cell(x, y)) {
            case SourceOff:
            case SourceOn:
                SetSignalPen(x, y);
                Line(At(x, y - 1), At(x, y + 1));
                Line(At(x - 1, y), At(x + 1, y));
                break;
            case Lamp:
                SetSignalPen(x, y);
                Line(At(x - 1, y), At(x + 1, y));
                break;
            case Inverter:
                SetSignalPen(x, y, true);
                Line(At(x, y), At(x - 1, y));
                SetSignalPen(x, y);
                Line(At(x, y), At(x + 1, y));
                break;
            case ConjunctorAnchor:
            case DisjunctorAnchor:
                SetSignalPen(x, y - 1);
                Line(At(x - 1, y - 1), At(x, y - 1));
                SetSignalPen(x, y + 1);
                Line(At(x - 1, y + 1), At(x, y + 1));
                SetSignalPen(x + 1, y);
                Line(At(x + 1, y), At(x + 2, y));
                break;
            default: break;
        }
    }

    void DrawBody(int x, int y) {
        const std::int32_t c = Cell(x, y);
        painter_.setBrush(Qt::white);
        switch (c) {
            case SourceOff:
            case SourceOn:
                SetPen(SignalColor(x, y));
                painter_.drawRect(Box(x, y, -kBoxHalf, -kBoxHalf, kBoxHalf, kBoxHalf));
                Label(At(x, y), c == SourceOn ? QStringLiteral("1") : QStringLiteral("0"));
                break;
            case Lamp:
                SetPen(SignalColor(x, y));
                if (style_.colors.fillLitLamps && CarriesOne(x, y)) painter_.setBrush(style_.colors.lit);
                painter_.drawEllipse(Box(x, y, -kLampHalf, -kLampHalf, kLampHalf, kLampHalf));
                painter_.setBrush(Qt::white);
                Line(At(x, y, -kLampCross, -kLampCross), At(x, y, kLampCross, kLampCross));
                Line(At(x, y, -kLampCross, kLampCross), At(x, y, kLampCross, -kLampCross));
                break;
            case Inverter:
                // The box shows the input's signal, the bubble the output's.
                SetPen(SignalColor(x, y, true));
                painter_.drawRect(Box(x, y, -kBoxHalf, -kBoxHalf, kBoxHalf, kBoxHalf));
                SetPen(SignalColor(x, y));
                painter_.drawEllipse(Box(x, y, kBubbleLeft, -kBubbleHalf, kBubbleRight, kBubbleHalf));
                break;
            case ConjunctorAnchor:
            case DisjunctorAnchor:
                // The box over the whole 2 x 3 block, in the output's colour.
                SetPen(SignalColor(x + 1, y));
                painter_.drawRect(QRectF(At(x, y - 1, -kBoxHalf, -kBoxHalf), At(x + 1, y + 1, kBoxHalf, kBoxHalf)));
                Label(At(x, y), c == ConjunctorAnchor ? QStringLiteral("&") : QStringLiteral("1"));
                break;
            default: break;
        }
        painter_.setBrush(Qt::NoBrush);
    }

    // The label of a source or gate, centred on its node in the pen colour.
    void Label(QPointF centre, const QString& text) {
        const QRectF field(centre - QPointF(kLabelHalf, kLabelHalf), QSizeF(2 * kLabelHalf, 2 * kLabelHalf));
        DrawUnitText(painter_, field, Qt::AlignCenter, text, style_.labelUnits);
    }

    void DrawNames() {
        painter_.setPen(WireColor());
        for (const auto& [node, name] : circuit_.names) {
            const std::int32_t c = Cell(node.x, node.y);
            if (!IsNameableCode(c) || node.x < area_.left || node.x > area_.right || node.y < area_.top ||
                node.y > area_.bottom)
                continue;
            DrawElementName(painter_, At(node.x, node.y), c == Lamp, QString::fromStdString(name));
        }
    }

    QPainter& painter_;
    const PictureSource& circuit_;
    const NodeArea area_;
    const PictureStyle& style_;
};

}  // namespace

QRectF ElementNameRect(QPointF centre, bool lamp, const QString& name) {
    const double width = TextWidth(name, kNameUnits);
    // The text cell is taller than the letters; its bottom sits on the gap.
    const double height = kNameUnits * 1.25;
    const double left = lamp ? centre.x() + kNameGap : centre.x() - kNameGap - width;
    const double bottom = centre.y() - (lamp ? kLampHalf : kBoxHalf) - kNameBaseGap;
    return {left, bottom - height, width, height};
}

void DrawElementName(QPainter& painter, QPointF centre, bool lamp, const QString& name) {
    const QRectF rect = ElementNameRect(centre, lamp, name);
    DrawUnitText(painter, rect, (lamp ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignBottom, name, kNameUnits);
}

std::optional<NodeArea> PictureArea(const PictureSource& circuit) {
    std::optional<NodeArea> area = UsedArea(circuit.cells);
    if (!area) return std::nullopt;
    area->left -= 1;
    area->top -= 1;
    area->right += 1;
    area->bottom += 1;
    // Whole nodes more where a name would come nearer than half a node to
    // the picture's edge.
    const QPointF origin(kHalfPitch, kHalfPitch);
    for (const auto& [node, name] : circuit.names) {
        const std::int32_t c = Stored(node.x, node.y) ? circuit.cells.at(node.x, node.y) : Empty;
        if (!IsNameableCode(c)) continue;
        const QRectF rect = ElementNameRect(origin, c == Lamp, QString::fromStdString(name));
        const int beyondLeft = static_cast<int>(std::ceil((kHalfPitch - rect.left()) / kPitchUnits));
        const int beyondRight = static_cast<int>(std::ceil((rect.right() + kHalfPitch - kPitchUnits) / kPitchUnits));
        area->left = std::min(area->left, node.x - beyondLeft);
        area->right = std::max(area->right, node.x + beyondRight);
    }
    return area;
}

QSizeF PictureSize(const NodeArea& area) {
    return {static_cast<double>(area.Columns() * kPitchUnits), static_cast<double>(area.Rows() * kPitchUnits)};
}

void DrawCircuitPicture(QPainter& painter, const PictureSource& circuit, const NodeArea& area,
                        const PictureStyle& style) {
    PictureDrawer(painter, circuit, area, style).Run();
}

}  // namespace vorn
