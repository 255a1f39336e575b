// The drawing surface's mouse handlers: presses, drags and releases turned
// into edits of the grid, with the hover marker, the status-bar feedback
// and the pointer held on the surface while a wire is drawn.
#include <QLabel>
#include <QMenu>
#include <QTimer>

#include <utility>

#include "circuitrenderer.h"
#include "editing.h"
#include "blockselection.h"
#include "mainform.h"
#include "pointer.h"

namespace vorn {

namespace {

bool IsGateTool(int tool) { return tool == ToolConjunctor || tool == ToolDisjunctor; }

}  // namespace

QPoint Tmain::SurfaceToScreen(QPoint pixel) const { return Image3->mapToGlobal(pixel); }

QRect Tmain::SurfaceScreenRect() const { return QRect(SurfaceToScreen(QPoint(0, 0)), Image3->size()); }

void Tmain::ShowMarker(MarkerPicture picture, const QRect& place) {
    Image2->SetPicture(picture);
    Image2->setGeometry(place);
    Image2->show();
}

// ---- press -------------------------------------------------------------------

void Tmain::Image3MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    ProgramState& s = *state_;
    if (button == Qt::LeftButton && s.CurrentTool == ToolWire) Pointer::Confine(SurfaceScreenRect());

    s.GestureChanged = false;
    *s.GestureSnapshot = document_->Cells();
    const NodePos node = View().NodeAt(QPoint(x, y));
    pressNode_ = node;
    nameOnRelease_ = false;
    s.GestureActive = true;
    anchorSet_ = false;

    if (button == Qt::LeftButton) RecordClipMouse(kClipLeftPress, QPoint(x, y));
    if (button == Qt::RightButton) RecordClipMouse(kClipRightPress, QPoint(x, y));

    if (button == Qt::LeftButton) {
        if (s.RunMode) {
            // A running circuit only lets its sources be switched.
            if (ToggleSource(document_->Cells(), node.x, node.y)) {
                s.GestureChanged = true;
                EvaluateIfRunning();
            }
        } else {
            LeftPressEditing(node, shift & Qt::ShiftModifier);
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

void Tmain::LeftPressEditing(NodePos node, bool shift) {
    ProgramState& s = *state_;
    CellGrid& cells = document_->Cells();
    const ViewGeometry view = View();
    const int tool = s.CurrentTool;
    bool changed = false;
    // The selection tool switches no source: it edits the circuit only as a block.
    if (tool == ToolSelect) {
        selection_->Press(node);
        return;
    }

    if (tool == ToolWire) {
        changed |= ToggleCrossing(cells, node.x, node.y);
        const std::int32_t code = StoredCode(cells, node.x, node.y);
        if (IsSourceCode(code)) s.GestureActive = false;  // no wire starts at a source
        // A wire starts only where no element stands; from an element a
        // drag draws nothing.
        if (!IsElementCode(code)) {
            const QPoint snapped = view.PixelOf(node);
            Pointer::MoveTo(SurfaceToScreen(snapped));
            s.DrawingAnchor = node;
            anchorSet_ = true;
            ShowMarker(MarkerPicture::AnchorDot, ViewGeometry::AnchorDot(snapped));
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
                ShowMarker(MarkerPicture::Refusal, view.GateMarker(node));
            changed |= PlaceGate(cells, node.x, node.y, kind);
        }
    }
    if (tool == ToolEraser || (tool == ToolWire && shift)) {
        ShowEraserMarker(node);
        changed |= EraseAtNode(cells, node.x, node.y, EraseMode::Press);
        RefreshSolderPoints(cells, node.x, node.y);
    }
    if (changed) s.GestureChanged = true;
}

// ---- move --------------------------------------------------------------------

void Tmain::Image3MouseMove(Qt::KeyboardModifiers modifiers, int x, int y) {
    ProgramState& s = *state_;
    const bool shift = modifiers & Qt::ShiftModifier;
    RecordClipMouse(kClipMove, Pointer::Position());
    const NodePos node = View().NodeAt(QPoint(x, y));
    if (s.GestureActive && !s.RunMode) {
        if (s.CurrentTool == ToolWire && !shift)
            WireStepTo(node);
        else if (s.CurrentTool == ToolEraser || (s.CurrentTool == ToolWire && shift))
            EraseStepAt(node);
    }
    if (s.CurrentTool == ToolSelect) selection_->Move(node);
    ShowHoverFeedback(node, shift);
}

void Tmain::WireStepTo(NodePos node) {
    if (!anchorSet_) return;
    ProgramState& s = *state_;
    const ViewGeometry view = View();
    const WireStepResult step = WireStep(document_->Cells(), s.DrawingAnchor, node);
    if (!step.taken) return;
    const QPoint snapped = view.PixelOf(node);
    Image2->setGeometry(ViewGeometry::AnchorDot(snapped));
    Pointer::MoveTo(SurfaceToScreen(snapped));
    s.GestureChanged = true;
    // Only the new segment and the dots around it are drawn now; the release
    // repaints the whole picture.
    if (step.anchorMoves) {
        DrawWireSegment(Image3->Picture(), view.PixelOf(s.DrawingAnchor), snapped, s.Settings.colors);
        s.DrawingAnchor = node;
    }
    DrawSolderDotsAround(node);
    Image3->update();
}

void Tmain::DrawSolderDotsAround(NodePos node) {
    const ProgramState& s = *state_;
    const ViewGeometry view = View();
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const std::int32_t code = StoredCode(document_->Cells(), node.x + dx, node.y + dy);
            if (code < 50 || code > 59) continue;
            DrawSolderDot(Image3->Picture(), view.PixelOf({node.x + dx, node.y + dy}), s.Settings.colors);
        }
}

void Tmain::ShowEraserMarker(NodePos node) {
    // One pixel higher than the placing marker.
    ShowMarker(MarkerPicture::Placement, View().CellMarker(node).translated(0, -1));
    eraserMarkerShown_ = true;
}

void Tmain::EraseStepAt(NodePos node) {
    ProgramState& s = *state_;
    ShowEraserMarker(node);
    if (!EraseAtNode(document_->Cells(), node.x, node.y, EraseMode::Drag)) return;
    s.GestureChanged = true;
    RefreshSolderPoints(document_->Cells(), node.x, node.y);
    reloadcanvas();
}

void Tmain::ShowHoverFeedback(NodePos node, bool shift) {
    const ProgramState& s = *state_;
    const CellGrid& cells = document_->Cells();
    if (InField(node.x, node.y)) {
        StatusPanel(2)->setText(QStringLiteral(" X: ") + QString::number(node.x));
        StatusPanel(3)->setText(QStringLiteral(" Y: ") + QString::number(node.y));
    }
    const std::string name = ObjectName(ObjectCodeAt(cells, node.x, node.y));
    QString hint = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    if (hint == QStringLiteral(" ")) hint = tr("Рабочее поле");
    Image3->SetHint(hint);

    const ViewGeometry view = View();
    switch (s.CurrentTool) {
    case ToolSource:
    case ToolLamp:
    case ToolInverter: {
        const bool free = InField(node.x, node.y) && cells.at(node.x, node.y) == Empty;
        ShowMarker(free ? MarkerPicture::Placement : MarkerPicture::Refusal, view.CellMarker(node));
        break;
    }
    case ToolConjunctor:
    case ToolDisjunctor:
        ShowMarker(GateFits(cells, node.x, node.y) ? MarkerPicture::Placement : MarkerPicture::Refusal,
                   view.GateMarker(node));
        break;
    case ToolWire:
        // The eraser's marker of a Shift drag goes once Shift is let go.
        if (eraserMarkerShown_ && !shift) {
            Image2->hide();
            eraserMarkerShown_ = false;
        }
        break;
    default:
        break;
    }
}

// ---- release -----------------------------------------------------------------

void Tmain::Image3MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
    ProgramState& s = *state_;
    if (button == Qt::LeftButton) RecordClipMouse(kClipLeftRelease, QPoint(x, y));
    if (button == Qt::RightButton) RecordClipMouse(kClipRightRelease, QPoint(x, y));
    s.GestureActive = false;
    if (button == Qt::LeftButton && s.CurrentTool == ToolSelect) selection_->Release(View().NodeAt(QPoint(x, y)));
    Image2->hide();
    eraserMarkerShown_ = false;
    if (s.CurrentTool == ToolWire) {
        Image2->SetPicture(MarkerPicture::AnchorDot);
        reloadcanvas();
    }
    const NameTable namesBefore = document_->Names();
    if (s.GestureChanged && s.MovePending) {
        SelectTool(s.ToolBeforeMove);
        s.MovePending = false;
        PutMovedName();  // the same undo step as the placing
    }
    if (s.GestureChanged) {
        s.GestureChanged = false;
        document_->CommitGesture(*s.GestureSnapshot, namesBefore);
    }
    if (button == Qt::MiddleButton) StopFastScroll();
    Pointer::Release();
    anchorSet_ = false;
    if (button == Qt::LeftButton && std::exchange(nameOnRelease_, false)) NameElementAt(pressNode_);
}

}  // namespace vorn
