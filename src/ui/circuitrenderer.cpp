#include "circuitrenderer.h"

#include <QFont>
#include <QString>

#include <algorithm>
#include <cstdint>

#include "glyphgeometry.h"
#include "pixelcanvas.h"
#include "signals.h"

namespace vorn {

namespace {

// Nodes are this many pixels apart at zoom 1; glyph offsets are given in
// twelfths of the pitch, so one unit is z pixels.
constexpr int kPitch = kPitchUnits;
// The element passes always cover at least this many columns and rows past
// the view origin (and more when the image shows more).
constexpr int kElementRange = 100;
constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kBlack = 0xFF000000u;

class Renderer {
public:
    Renderer(PixelCanvas& canvas, const CellGrid& cells, const SignalGrid& signalGrid, const CircuitView& view,
             const CircuitColors& colors)
        : canvas_(canvas),
          cells_(cells),
          signals_(signalGrid),
          zoom_(std::clamp(view.zoom, 1, 3)),
          originX_(view.originX),
          originY_(view.originY),
          runMode_(view.runMode && !view.printStyle),
          printStyle_(view.printStyle),
          labelPoints_((view.printStyle ? kPrintLabelPoints : kScreenLabelPoints) * zoom_),
          columns_(view.columns),
          rows_(view.rows),
          wire_(view.printStyle ? kBlack : colors.wire.rgb()),
          zero_(colors.zero.rgb()),
          one_(colors.one.rgb()),
          lit_(colors.lit.rgb()),
          fillLitLamps_(colors.fillLitLamps),
          thickOnes_(colors.thickOnes) {}

    void Run() {
        canvas_.SetBrushColor(kWhite);
        canvas_.Fill(kWhite);

        const int pitch = kPitch * zoom_;
        int lastI = canvas_.Width() / pitch + 1;
        int lastJ = canvas_.Height() / pitch + 1;
        // The element passes cover every node the wire pass covers.
        int elementI = std::max(kElementRange, lastI);
        int elementJ = std::max(kElementRange, lastJ);
        if (columns_ > 0) lastI = elementI = columns_ - 1;
        if (rows_ > 0) lastJ = elementJ = rows_ - 1;

        // Wires, dots and crossings, from the bottom-right node backwards.
        // The order shows where lines reach a neighbour's centre: a lone
        // south segment's last pixel lies over the node below (drawn
        // before it), and the west and north nodes, drawn after a crossing,
        // lie over the start of its lines.
        for (int i = lastI; i >= 0; --i)
            for (int j = lastJ; j >= 0; --j) DrawWires(i, j);

        QFont font;
        font.setPointSize(labelPoints_);
        // Where the points give too few pixels on screen, the smallest
        // legible size holds instead.
        if (!printStyle_ && labelPoints_ * 96.0 / 72.0 < kMinScreenLabelPixels)
            font.setPixelSize(kMinScreenLabelPixels);
        canvas_.SetFont(font);

        // Elements: leads and bodies, then the bodies once more so that no
        // lead drawn by a later node lies across a body.
        for (int i = 0; i <= elementI; ++i)
            for (int j = 0; j <= elementJ; ++j) DrawElement(i, j, true);
        for (int i = 0; i <= elementI; ++i)
            for (int j = 0; j <= elementJ; ++j) DrawElement(i, j, false);
    }

private:
    // Grid reads: nodes beyond the stored array read as empty, without signal.
    static bool Stored(long long x, long long y) {
        return x >= kGridLow && x <= kGridHigh && y >= kGridLow && y <= kGridHigh;
    }
    std::int32_t Cell(long long x, long long y) const {
        return Stored(x, y) ? cells_.at(static_cast<int>(x), static_cast<int>(y)) : Empty;
    }
    std::int32_t Signal(long long x, long long y) const {
        return Stored(x, y) ? signals_.at(static_cast<int>(x), static_cast<int>(y)) : NoSignal;
    }

    // The colour of a node's signal: in run mode "1" and "0" have colours of
    // their own (exchanged for the inverse), everything else is a plain wire.
    QRgb SignalColor(long long x, long long y, bool inverse) const {
        if (!runMode_) return wire_;
        const std::int32_t signal = Signal(x, y);
        if (signal == Signal1) return inverse ? zero_ : one_;
        if (signal == Signal0) return inverse ? one_ : zero_;
        return wire_;
    }
    // Whether the line in that signal's colour carries "1" (the inverse of "0").
    bool CarriesOne(long long x, long long y, bool inverse) const {
        return runMode_ && Signal(x, y) == (inverse ? Signal0 : Signal1);
    }
    void PenBySignal(long long x, long long y) {
        canvas_.SetPenColor(SignalColor(x, y, false));
        thick_ = thickOnes_ && CarriesOne(x, y, false);
    }
    void PenByInverseSignal(long long x, long long y) {
        canvas_.SetPenColor(SignalColor(x, y, true));
        thick_ = thickOnes_ && CarriesOne(x, y, true);
    }
    void PlainPen(QRgb color) {
        canvas_.SetPenColor(color);
        thick_ = false;
    }

    // A line from the current position; a thick one gets a twin one pixel
    // below (a level line) or right of it (an upright one), and the pen ends
    // where the line does either way.
    void LineTo(int x, int y) {
        const QPoint from = canvas_.Position();
        canvas_.LineTo(x, y);
        if (!thick_) return;
        const int dx = from.y() == y ? 0 : 1, dy = from.y() == y ? 1 : 0;
        canvas_.MoveTo(from.x() + dx, from.y() + dy);
        canvas_.LineTo(x + dx, y + dy);
        canvas_.MoveTo(x, y);
    }

    // Pixel of node offset i (or j) plus a twelfths of the pitch.
    int At(int node, int twelfths) const { return (kPitch * node + twelfths) * zoom_; }

    void DrawWires(int i, int j) {
        const long long x = static_cast<long long>(originX_) + i, y = static_cast<long long>(originY_) + j;
        const std::int32_t c = Cell(x, y);
        const int cx = At(i, 0), cy = At(j, 0);
        const int east = At(i + 1, 0), south = At(j + 1, 0);

        canvas_.MoveTo(cx, cy);
        PlainPen(wire_);
        if (c == Empty) LineTo(cx + 1, cy);  // the grid dot
        PenBySignal(x, y);
        switch (c) {
            case WireE:
                LineTo(east, cy);
                break;
            case WireS:
                LineTo(cx, south + 1);
                break;
            case WireES:
                LineTo(east, cy);
                canvas_.MoveTo(cx, cy);
                LineTo(cx, south);
                break;
            case JunctionE:
            case JunctionS:
            case JunctionES: {
                canvas_.SetBrushColor(SignalColor(x, y, false));
                if (zoom_ < 2)
                    canvas_.Ellipse(cx - 2, cy - 2, cx + 3, cy + 3);
                else
                    canvas_.Ellipse(cx - zoom_, cy - zoom_, cx + (kSolderDotUnits - 1) * zoom_, cy + (kSolderDotUnits - 1) * zoom_);
                const int segments = c % 10;
                if (segments == 1 || segments == 3) LineTo(east, cy);
                canvas_.MoveTo(cx, cy);
                if (segments == 2 || segments == 3) LineTo(cx, south);
                canvas_.SetBrushColor(kWhite);
                break;
            }
            case Crossing:
                // Each line shows the signal of the wire that enters it.
                PenBySignal(x - 1, y);
                canvas_.MoveTo(At(i - 1, 0), cy);
                LineTo(east, cy);
                canvas_.MoveTo(cx, At(j - 1, 0));
                PenBySignal(x, y - 1);
                LineTo(cx, south);
                break;
            default:
                break;
        }
    }

    void DrawElement(int i, int j, bool withLeads) {
        const long long x = static_cast<long long>(originX_) + i, y = static_cast<long long>(originY_) + j;
        const std::int32_t c = Cell(x, y);
        switch (c) {
            case SourceOff:
            case SourceOn:
            case Lamp:
            case Inverter:
            case ConjunctorAnchor:
            case DisjunctorAnchor:
                break;
            default:
                return;
        }
        if (withLeads) DrawLeads(i, j, x, y, c);
        DrawBody(i, j, x, y, c);
    }

    void Lead(int x0, int y0, int x1, int y1) {
        canvas_.MoveTo(x0, y0);
        LineTo(x1, y1);
    }

    void DrawLeads(int i, int j, long long x, long long y, std::int32_t c) {
        const int cx = At(i, 0), cy = At(j, 0);
        switch (c) {
            case SourceOff:
            case SourceOn:
                PenBySignal(x, y);
                Lead(cx, At(j - 1, 0), cx, At(j + 1, 0));
                Lead(At(i + 1, 0), cy, At(i - 1, 0), cy);
                break;
            case Lamp:
                PenBySignal(x, y);
                Lead(At(i - 1, 0), cy, At(i + 1, 0), cy);
                break;
            case Inverter:
                PenByInverseSignal(x, y);
                Lead(cx, cy, At(i - 1, 0), cy);
                PenBySignal(x, y);
                Lead(cx, cy, At(i + 1, 0), cy);
                break;
            default:  // gate anchor
                PenBySignal(x, y - 1);
                Lead(At(i - 1, 0), At(j - 1, 0), cx, At(j - 1, 0));
                PenBySignal(x, y + 1);
                Lead(At(i - 1, 0), At(j + 1, 0), cx, At(j + 1, 0));
                PenBySignal(x + 1, y);
                Lead(At(i + 1, 0), cy, At(i + 2, 0), cy);
                break;
        }
    }

    void DrawBody(int i, int j, long long x, long long y, std::int32_t c) {
        static const QString kLabel0 = QStringLiteral("0");
        static const QString kLabel1 = QStringLiteral("1");
        static const QString kLabelAnd = QStringLiteral("&");

        canvas_.SetBrushColor(kWhite);
        switch (c) {
            case SourceOff:
            case SourceOn:
                PenBySignal(x, y);
                canvas_.Rectangle(At(i, -kBoxHalf), At(j, -kBoxHalf), At(i, kBoxHalf), At(j, kBoxHalf));
                Label(i, j, c == SourceOn ? kLabel1 : kLabel0);
                break;
            case Lamp:
                PenBySignal(x, y);
                thick_ = false;  // the cross is no wire
                if (fillLitLamps_ && CarriesOne(x, y, false)) canvas_.SetBrushColor(lit_);
                canvas_.Ellipse(At(i, -kLampHalf), At(j, -kLampHalf), At(i, kLampHalf), At(j, kLampHalf));
                canvas_.SetBrushColor(kWhite);
                Lead(At(i, -kLampCross), At(j, -kLampCross), At(i, kLampCross), At(j, kLampCross));
                Lead(At(i, -kLampCross), At(j, kLampCross), At(i, kLampCross), At(j, -kLampCross));
                break;
            case Inverter:
                // The box shows the input's signal, the bubble the output's.
                PenByInverseSignal(x, y);
                canvas_.Rectangle(At(i, -kBoxHalf), At(j, -kBoxHalf), At(i, kBoxHalf), At(j, kBoxHalf));
                PenBySignal(x, y);
                canvas_.Ellipse(At(i, kBubbleLeft), At(j, -kBubbleHalf), At(i, kBubbleRight), At(j, kBubbleHalf));
                break;
            default:  // gate anchor: the box over the whole 2 x 3 block, in the output's colour
                PenBySignal(x + 1, y);
                canvas_.Rectangle(At(i, -kBoxHalf), At(j - 1, -kBoxHalf), At(i + 1, kBoxHalf), At(j + 1, kBoxHalf));
                Label(i, j, c == ConjunctorAnchor ? kLabelAnd : kLabel1);
                break;
        }
    }

    // The label of a source or gate in the current pen colour, on a white
    // field of 8 x 8 twelfths centred on the node.
    void Label(int i, int j, const QString& text) {
        const int left = At(i, -kLabelHalf), top = At(j, -kLabelHalf);
        canvas_.SetFontColor(canvas_.PenColor());
        canvas_.TextRect(left, top, At(i, kLabelHalf), At(j, kLabelHalf), left + 2 * zoom_, top - 1, text);
    }

    PixelCanvas& canvas_;
    const CellGrid& cells_;
    const SignalGrid& signals_;
    const int zoom_;
    const int originX_, originY_;
    const bool runMode_;
    const bool printStyle_;
    const int labelPoints_;
    const int columns_, rows_;
    const QRgb wire_, zero_, one_, lit_;
    const bool fillLitLamps_, thickOnes_;
    bool thick_ = false;  // the pen's lines are drawn twice as thick
};

}  // namespace

void RenderCircuit(QImage& surface, const CellGrid& cells, const SignalGrid& signalGrid, const CircuitView& view,
                   const CircuitColors& colors) {
    if (surface.isNull()) return;
    // Ellipse and label shapes are rendered once and reused by every repaint.
    thread_local ShapeCache shapes;
    PixelCanvas canvas(surface, shapes);
    Renderer(canvas, cells, signalGrid, view, colors).Run();
}

void DrawWireSegment(QImage& surface, QPoint from, QPoint to, const CircuitColors& colors) {
    if (surface.isNull()) return;
    thread_local ShapeCache shapes;
    PixelCanvas canvas(surface, shapes);
    canvas.SetPenColor(colors.wire.rgb());
    canvas.MoveTo(from.x(), from.y());
    canvas.LineTo(to.x(), to.y());
}

void DrawSolderDot(QImage& surface, QPoint node, const CircuitColors& colors) {
    if (surface.isNull()) return;
    thread_local ShapeCache shapes;
    PixelCanvas canvas(surface, shapes);
    canvas.SetPenColor(colors.wire.rgb());
    canvas.SetBrushColor(colors.wire.rgb());
    canvas.Ellipse(node.x() - 2, node.y() - 2, node.x() + 3, node.y() + 3);
}

}  // namespace vorn
