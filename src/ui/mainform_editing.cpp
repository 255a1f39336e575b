// The drawing surface's mouse handlers: presses, drags and releases turned
// into edits of the grid, with the hover marker, the status-bar feedback
// and the pointer held on the surface while a wire is drawn.
#include <QLabel>
#include <QMenu>
#include <QTimer>

#include "circuitrenderer.h"
#include "editing.h"
#include "mainform.h"
#include "pointer.h"

namespace vorn {

namespace {

// Integer division rounded down, so pixels left of or above the surface
// name the nodes there.
int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

bool IsGateTool(int tool) { return tool == ToolConjunctor || tool == ToolDisjunctor; }

}  // namespace

NodePos Tmain::NodeAt(int x, int y) const {
    const int z = state_->ZoomFactor;
    return {OriginX() + FloorDiv(x + 6 * z, NodePitch(z)), OriginY() + FloorDiv(y + 6 * z, NodePitch(z))};
}

QPoint Tmain::SnappedPixel(int x, int y) const {
    const int z = state_->ZoomFactor;
    const int pitch = NodePitch(z);
    return {FloorDiv(x + 6 * z, pitch) * pitch, FloorDiv(y + 6 * z, pitch) * pitch};
}

QPoint Tmain::SurfaceToScreen(QPoint pixel) const { return Image3->mapToGlobal(pixel); }

QRect Tmain::SurfaceScreenRect() const { return QRect(SurfaceToScreen(QPoint(0, 0)), Image3->size()); }

void Tmain::ShowMarker(MarkerPicture picture, int left, int top) {
    Image2->SetPicture(picture);
    Image2->move(left, top);
    Image2->show();
}

// ---- press -------------------------------------------------------------------

void Tmain::Image3MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    ProgramState& s = *state_;
    if (button == Qt::LeftButton && s.CurrentTool == ToolWire) Pointer::Confine(SurfaceScreenRect());

    s.GestureChanged = false;
    *s.GestureSnapshot = *s.Cells;
    const NodePos node = NodeAt(x, y);
    s.GestureActive = true;
    anchorSet_ = false;

    if (button == Qt::LeftButton) RecordClipMouse(1, QPoint(x, y));
    if (button == Qt::RightButton) RecordClipMouse(2, QPoint(x, y));

    if (button == Qt::LeftButton) {
        if (s.RunMode) {
            // A running circuit only lets its sources be switched.
            if (ToggleSource(*s.Cells, node.x, node.y)) {
                s.GestureChanged = true;
                EvaluateIfRunning();
            }
        } else {
            LeftPressEditing(node, x, y, shift & Qt::ShiftModifier);
        }
    }
    if (button == Qt::MiddleButton) {
        // Holding the middle button makes the wheel fast; it edits nothing,
        // so it is no gesture that would hold the wheel back.
        StartFastScroll();
        s.GestureActive = false;
    }
    if (button == Qt::RightButton) {
        PrepareObjectMenu(node);
        PopupMenu1->popup(SurfaceToScreen(QPoint(x, y)));
        s.GestureActive = false;
    }
    // A wire press draws its own feedback; the release repaints it.
    if (!Timer5->isActive() && s.CurrentTool != ToolWire) {
        reloadcanvas();
        Timer5->start();
    }
}

void Tmain::LeftPressEditing(NodePos node, int x, int y, bool shift) {
    ProgramState& s = *state_;
    CellGrid& cells = *s.Cells;
    const int tool = s.CurrentTool;
    const int z = s.ZoomFactor;
    const int i = node.x - OriginX();
    const int j = node.y - OriginY();
    bool changed = false;

    if (tool == ToolWire) {
        changed |= ToggleCrossing(cells, node.x, node.y);
        const std::int32_t code = StoredCode(cells, node.x, node.y);
        if (IsSourceCode(code)) s.GestureActive = false;  // no wire starts at a source
        // A wire starts only where no element stands; from an element a
        // drag draws nothing.
        if (!IsElementCode(code)) {
            const QPoint snapped = SnappedPixel(x, y);
            Pointer::MoveTo(SurfaceToScreen(snapped));
            s.DrawingAnchor = snapped;
            anchorSet_ = true;
            Image2->resize(5, 5);
            ShowMarker(MarkerPicture::AnchorDot, snapped.x() - 2, snapped.y() - 2);
        }
    } else if (tool == ToolSource) {
        changed |= PlaceSource(cells, node.x, node.y);
    } else if (tool >= ToolLamp && tool <= ToolEraser) {
        // Every other tool first switches a source it is pressed on.
        changed |= ToggleSource(cells, node.x, node.y);
        if (tool == ToolLamp) changed |= PlaceLamp(cells, node.x, node.y);
        if (tool == ToolInverter) changed |= PlaceInverter(cells, node.x, node.y);
        if (IsGateTool(tool)) {
            const GateKind kind = tool == ToolConjunctor ? GateKind::Conjunctor : GateKind::Disjunctor;
            if (GateRefusalShown(cells, node.x, node.y, kind))
                ShowMarker(MarkerPicture::Refusal, (12 * i - 5) * z, (12 * (j - 1) - 5) * z);
            changed |= PlaceGate(cells, node.x, node.y, kind);
        }
    }
    if (tool == ToolEraser || (tool == ToolWire && shift)) {
        Image2->resize(10 * z, 10 * z);
        ShowMarker(MarkerPicture::Placement, (12 * i - 5) * z, (12 * j - 5) * z - 1);
        changed |= EraseAtNode(cells, node.x, node.y, EraseMode::Press);
        RefreshSolderPoints(cells, node.x, node.y);
    }
    if (changed) s.GestureChanged = true;
}

// ---- move --------------------------------------------------------------------

void Tmain::Image3MouseMove(Qt::KeyboardModifiers modifiers, int x, int y) {
    ProgramState& s = *state_;
    const bool shift = modifiers & Qt::ShiftModifier;
    RecordClipMouse(3, Pointer::Position());
    const NodePos node = NodeAt(x, y);
    if (s.GestureActive && !s.RunMode) {
        if (s.CurrentTool == ToolWire && !shift)
            WireStepTo(node, x, y);
        else if (s.CurrentTool == ToolEraser || (s.CurrentTool == ToolWire && shift))
            EraseStepAt(node);
    }
    ShowHoverFeedback(node, shift);
}

void Tmain::WireStepTo(NodePos node, int x, int y) {
    if (!anchorSet_) return;
    ProgramState& s = *state_;
    const int pitch = NodePitch(s.ZoomFactor);
    const QPoint anchorPixel = s.DrawingAnchor;
    const NodePos anchor{OriginX() + FloorDiv(anchorPixel.x(), pitch), OriginY() + FloorDiv(anchorPixel.y(), pitch)};
    const WireStepResult step = WireStep(*s.Cells, anchor, node);
    if (!step.taken) return;
    const QPoint snapped = SnappedPixel(x, y);
    Image2->move(snapped - QPoint(2, 2));
    Pointer::MoveTo(SurfaceToScreen(snapped));
    s.GestureChanged = true;
    // Only the new segment and the dots around it are drawn now; the release
    // repaints the whole picture.
    if (step.anchorMoves) {
        DrawWireSegment(Image3->Picture(), anchorPixel, snapped, s.Colors);
        s.DrawingAnchor = snapped;
    }
    DrawSolderDotsAround(node);
    Image3->update();
}

void Tmain::DrawSolderDotsAround(NodePos node) {
    const ProgramState& s = *state_;
    const int pitch = NodePitch(s.ZoomFactor);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const std::int32_t code = StoredCode(*s.Cells, node.x + dx, node.y + dy);
            if (code < 50 || code > 59) continue;
            const QPoint pixel((node.x + dx - OriginX()) * pitch, (node.y + dy - OriginY()) * pitch);
            DrawSolderDot(Image3->Picture(), pixel, s.Colors);
        }
}

void Tmain::EraseStepAt(NodePos node) {
    ProgramState& s = *state_;
    const int z = s.ZoomFactor;
    const int i = node.x - OriginX();
    const int j = node.y - OriginY();
    Image2->resize(10 * z, 10 * z);
    ShowMarker(MarkerPicture::Placement, (12 * i - 5) * z, (12 * j - 5) * z - 1);
    if (!EraseAtNode(*s.Cells, node.x, node.y, EraseMode::Drag)) return;
    s.GestureChanged = true;
    RefreshSolderPoints(*s.Cells, node.x, node.y);
    reloadcanvas();
}

void Tmain::ShowHoverFeedback(NodePos node, bool shift) {
    const ProgramState& s = *state_;
    const CellGrid& cells = *s.Cells;
    if (InField(node.x, node.y)) {
        StatusPanel(2)->setText(QStringLiteral(" X: ") + QString::number(node.x));
        StatusPanel(3)->setText(QStringLiteral(" Y: ") + QString::number(node.y));
    }
    const std::string_view name = ObjectName(ObjectCodeAt(cells, node.x, node.y));
    QString hint = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    if (hint == QStringLiteral(" ")) hint = QStringLiteral("Рабочее поле");
    Image3->SetHint(hint);

    const int z = s.ZoomFactor;
    const int i = node.x - OriginX();
    const int j = node.y - OriginY();
    switch (s.CurrentTool) {
    case ToolSource:
    case ToolLamp:
    case ToolInverter: {
        const bool free = InField(node.x, node.y) && cells.at(node.x, node.y) == Empty;
        ShowMarker(free ? MarkerPicture::Placement : MarkerPicture::Refusal, (12 * i - 5) * z, (12 * j - 5) * z);
        break;
    }
    case ToolConjunctor:
    case ToolDisjunctor:
        ShowMarker(GateFits(cells, node.x, node.y) ? MarkerPicture::Placement : MarkerPicture::Refusal,
                   (12 * i - 5) * z, (12 * (j - 1) - 5) * z);
        break;
    case ToolWire:
        // The eraser's marker of a Shift drag goes once Shift is let go.
        if (Image2->size() == QSize(10 * z, 10 * z) && !shift) Image2->hide();
        break;
    default:
        break;
    }
}

// ---- release -----------------------------------------------------------------

void Tmain::Image3MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
    ProgramState& s = *state_;
    if (button == Qt::LeftButton) RecordClipMouse(4, QPoint(x, y));
    if (button == Qt::RightButton) RecordClipMouse(5, QPoint(x, y));
    s.GestureActive = false;
    Image2->hide();
    if (s.CurrentTool == ToolWire) {
        Image2->SetPicture(MarkerPicture::AnchorDot);
        reloadcanvas();
    }
    if (s.GestureChanged && s.MovePending) {
        SelectTool(s.ToolBeforeMove);
        s.MovePending = false;
    }
    if (s.GestureChanged) {
        SetDocumentState(QStringLiteral("Изменено"));
        s.GestureChanged = false;
        s.History->PushUndo(*s.GestureSnapshot);
        UpdateHistoryCommands();
    }
    if (button == Qt::MiddleButton) StopFastScroll();
    Pointer::Release();
    anchorSet_ = false;
}

}  // namespace vorn
