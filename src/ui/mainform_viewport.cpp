// The work area: drawing surface and scroll bars, zoom, the wheel, the
// tool-bar toggle and the repaint.
#include <algorithm>
#include <limits>

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include "circuitrenderer.h"
#include "drawingsurface.h"
#include "mainform.h"
#include "namelabels.h"
#include "sharpcircuit.h"

namespace vorn {

namespace {

constexpr int kScrollBarThickness = 17;
// The inner panel starts 2 pixels in and ends 1 pixel short of the scroll bars.
constexpr int kInnerPanelInset = 2;
constexpr int kInnerPanelShrink = 3;
constexpr int kWheelNotch = 120;

// Factors beyond this size move a scroll bar to its end anyway; keeping them
// below it keeps the product of three factors inside 64 bits.
constexpr long long kFactorLimit = 1LL << 20;

long long ClampFactor(long long factor) { return std::clamp(factor, -kFactorLimit, kFactorLimit); }

}  // namespace

int ScaleScrollPosition(int position, int newRange, int oldRange) {
    if (oldRange <= 0) return 0;
    const long long numerator = 2LL * position * newRange + oldRange;
    return static_cast<int>(numerator / (2LL * oldRange));
}

void Tmain::CreateWorkArea() {
    WorkPlace = new QWidget(this);
    setCentralWidget(WorkPlace);
    VertScroll = new QScrollBar(Qt::Vertical, WorkPlace);
    HorzScroll = new QScrollBar(Qt::Horizontal, WorkPlace);
    for (QScrollBar* bar : {VertScroll, HorzScroll}) {
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setSingleStep(NodePitch(state_->ZoomFactor));
        bar->setRange(0, ScrollRange(state_->ZoomFactor));
        // Every change of a scroll position repaints the work area.
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            if (repaintHold_ == 0) reloadcanvas();
        });
    }
    InnerPanel = new QWidget(WorkPlace);
    Image3 = new DrawingSurface(InnerPanel);
    Image2 = new HoverMarker(Image3);
    Image2->resize(5, 5);
    connect(Image3, &DrawingSurface::pictureResized, this, [this] {
        if (repaintHold_ == 0) reloadcanvas();
    });
    // A screen with finer pixels than the window's gets the circuit of the
    // picture drawn at its own resolution.
    Image3->SetSharpPainter([this](QPainter& painter) {
        const ViewGeometry view = View();
        DrawSharpCircuit(painter, Image3->Picture().size(), document_->Cells(), document_->Signals(),
                         document_->Names(), CircuitView{view.zoom, view.originX, view.originY, state_->RunMode},
                         state_->Settings.colors);
    });
    connect(Image3, &DrawingSurface::mousePressed, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position) {
                Image3MouseDown(button, modifiers, position.x(), position.y());
            });
    connect(Image3, &DrawingSurface::mouseDoubleClicked, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position) {
                Image3DblClick(button, modifiers, position.x(), position.y());
            });
    connect(Image3, &DrawingSurface::mouseMoved, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers modifiers, QPoint position) {
                Image3MouseMove(modifiers, position.x(), position.y());
            });
    connect(Image3, &DrawingSurface::mouseReleased, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position) {
                Image3MouseUp(button, modifiers, position.x(), position.y());
            });

    // Full repaints after presses come at most every 40 ms.
    Timer5 = new QTimer(this);
    Timer5->setSingleShot(true);
    Timer5->setInterval(40);
}

void Tmain::LayoutWorkArea() {
    const int w = WorkPlace->width();
    const int h = WorkPlace->height();
    ++repaintHold_;
    VertScroll->setGeometry(w - kScrollBarThickness, 0, kScrollBarThickness, std::max(0, h - kScrollBarThickness));
    HorzScroll->setGeometry(0, h - kScrollBarThickness, std::max(0, w - kScrollBarThickness), kScrollBarThickness);
    InnerPanel->setGeometry(kInnerPanelInset, kInnerPanelInset,
                            std::max(0, w - kScrollBarThickness - kInnerPanelShrink),
                            std::max(0, h - kScrollBarThickness - kInnerPanelShrink));
    Image3->setGeometry(0, 0, InnerPanel->width(), InnerPanel->height());
    ApplyScrollRanges();
    --repaintHold_;
    reloadcanvas();
}

void Tmain::ApplyScrollRanges() {
    const int z = state_->ZoomFactor;
    const int range = ScrollRange(z);
    // A bar's position runs from 0 to the range less the part that is seen.
    const int seenWidth = std::max(0, WorkPlace->width() - kScrollBarThickness);
    const int seenHeight = std::max(0, WorkPlace->height() - kScrollBarThickness);
    VertScroll->setSingleStep(NodePitch(z));
    VertScroll->setPageStep(std::max(1, seenHeight));
    VertScroll->setRange(0, std::max(0, range - seenHeight));
    HorzScroll->setSingleStep(NodePitch(z));
    HorzScroll->setPageStep(std::max(1, seenWidth));
    HorzScroll->setRange(0, std::max(0, range - seenWidth));
}

void Tmain::reloadcanvas() {
    QImage& picture = Image3->Picture();
    if (picture.isNull()) return;
    const ProgramState& s = *state_;
    const ViewGeometry view = View();
    const CircuitView circuitView{view.zoom, view.originX, view.originY, s.RunMode};
    RenderCircuit(picture, document_->Cells(), document_->Signals(), circuitView, s.Settings.colors);
    DrawElementNames(picture, document_->Cells(), document_->Names(), circuitView, s.Settings.colors.wire);
    Image3->update();
}

int Tmain::OriginX() const { return HorzScroll->value() / NodePitch(state_->ZoomFactor); }
int Tmain::OriginY() const { return VertScroll->value() / NodePitch(state_->ZoomFactor); }

ViewGeometry Tmain::View() const { return {state_->ZoomFactor, OriginX(), OriginY()}; }

// ---- zoom ----------------------------------------------------------------

void Tmain::Zoom1Click() { SetZoom(1); }
void Tmain::Zoom2Click() { SetZoom(2); }
void Tmain::Zoom3Click() { SetZoom(3); }

void Tmain::SetZoom(int zoom) {
    ProgramState& s = *state_;
    if (clips_->Active()) {
        // A clip shows its own view: not even the check marks change.
        SyncZoomChecks();
        return;
    }
    menuZoomChecked_ = true;
    const int oldRange = ScrollRange(s.ZoomFactor);
    const int newRange = ScrollRange(zoom);
    s.ZoomFactor = zoom;
    SyncZoomChecks();

    // Keep the same part of the field in view. The positions are set while
    // the old range applies, so each is held to the old range's end.
    ++repaintHold_;
    VertScroll->setValue(ScaleScrollPosition(VertScroll->value(), newRange, oldRange));
    HorzScroll->setValue(ScaleScrollPosition(HorzScroll->value(), newRange, oldRange));
    ApplyScrollRanges();
    --repaintHold_;

    const ViewGeometry view = View();
    Image2->resize(s.CurrentTool == ToolConjunctor || s.CurrentTool == ToolDisjunctor ? view.GateMarkerSize()
                                                                                       : view.CellMarkerSize());

    static const char* const kLevels[] = {"50%", "100%", "150%"};
    StatusPanel(4)->setText(QString::fromLatin1(kLevels[zoom - 1]));
    reloadcanvas();
}

void Tmain::SyncZoomChecks() {
    const int z = state_->ZoomFactor;
    const std::array<QAction*, 3> items = {Zoom1, Zoom2, Zoom3};
    const std::array<QAction*, 3> twins = {Zoom11, Zoom12, Zoom13};
    // Unchecks first, so that an exclusive group may end with none checked.
    for (int level = 1; level <= 3; ++level) {
        if (level != z || !menuZoomChecked_) items[static_cast<std::size_t>(level - 1)]->setChecked(false);
        if (level != z) twins[static_cast<std::size_t>(level - 1)]->setChecked(false);
    }
    if (menuZoomChecked_) items[static_cast<std::size_t>(z - 1)]->setChecked(true);
    twins[static_cast<std::size_t>(z - 1)]->setChecked(true);
}

// ---- tool-bar toggle -----------------------------------------------------

void Tmain::Showtoolkit1Click() {
    if (clips_->Active()) {
        SyncToolbarCheck();
        return;
    }
    const bool show = !Showtoolkit1->isChecked();
    Showtoolkit1->setChecked(show);
    ToolbarHolder->setVisible(show);
    // Let the window give the work panel its new size now, then fit the
    // surface to it and repaint.
    if (layout()) layout()->activate();
    LayoutWorkArea();
}

void Tmain::SyncToolbarCheck() { Showtoolkit1->setChecked(!ToolbarHolder->isHidden()); }

// ---- scrolling -----------------------------------------------------------

long long Tmain::ScrollAmount(const QScrollBar* bar, int multiplier) const {
    return ClampFactor(bar->singleStep()) * ClampFactor(state_->Settings.km) * ClampFactor(multiplier);
}

void Tmain::ScrollBy(QScrollBar* bar, long long pixels) {
    const long long target = std::clamp(static_cast<long long>(bar->value()) + pixels,
                                        static_cast<long long>(bar->minimum()), static_cast<long long>(bar->maximum()));
    bar->setValue(static_cast<int>(target));
}

void Tmain::FormMouseWheelDown(Qt::KeyboardModifiers modifiers) {
    ProgramState& s = *state_;
    if (s.GestureActive || clips_->Active()) return;
    s.ScrollMultiplier = (modifiers & Qt::ControlModifier) ? s.Settings.kmiddles : 1;
    QScrollBar* bar = (modifiers & Qt::ShiftModifier) ? HorzScroll : VertScroll;
    ScrollBy(bar, ScrollAmount(bar, s.ScrollMultiplier));
}

void Tmain::FormMouseWheelUp(Qt::KeyboardModifiers modifiers) {
    ProgramState& s = *state_;
    if (s.GestureActive || clips_->Active()) return;
    if (modifiers & Qt::ControlModifier)
        s.ScrollMultiplier = s.Settings.kmiddles;
    else if (!s.MiddleButtonHeld)
        s.ScrollMultiplier = 1;
    QScrollBar* bar = (modifiers & Qt::ShiftModifier) ? HorzScroll : VertScroll;
    ScrollBy(bar, -ScrollAmount(bar, s.ScrollMultiplier));
}

void Tmain::StartFastScroll() {
    state_->ScrollMultiplier = state_->Settings.kmiddles;
    state_->MiddleButtonHeld = true;
}

void Tmain::StopFastScroll() {
    state_->ScrollMultiplier = 1;
    state_->MiddleButtonHeld = false;
}

void Tmain::wheelEvent(QWheelEvent* event) { HandleWheel(event); }

void Tmain::HandleWheel(QWheelEvent* event) {
    event->accept();
    Qt::KeyboardModifiers modifiers = event->modifiers();
    int delta = event->angleDelta().y();
    if (delta == 0) {
        // A sideways wheel moves the horizontal bar, as Shift does.
        delta = event->angleDelta().x();
        if (delta != 0) modifiers |= Qt::ShiftModifier;
    }
    // Fine-grained wheels send parts of a notch: they add up to whole ones.
    if ((delta > 0 && wheelRemainder_ < 0) || (delta < 0 && wheelRemainder_ > 0)) wheelRemainder_ = 0;
    wheelRemainder_ += delta;
    while (wheelRemainder_ >= kWheelNotch) {
        wheelRemainder_ -= kWheelNotch;
        FormMouseWheelUp(modifiers);
    }
    while (wheelRemainder_ <= -kWheelNotch) {
        wheelRemainder_ += kWheelNotch;
        FormMouseWheelDown(modifiers);
    }
}

// ---- zoom pop-up on the status bar ----------------------------------------

void Tmain::ShowZoomPopup(const QPoint& globalPosition) {
    for (QAction* item : {objmove, objdel, objname, Objhelp, PopupSeparator1, PopupSeparator2, run3})
        item->setVisible(false);
    PopupMenu1->popup(globalPosition);
}

void Tmain::RestorePopupItems() {
    for (QAction* item : {objmove, objdel, objname, Objhelp, PopupSeparator1, PopupSeparator2, run3})
        item->setVisible(true);
}

}  // namespace vorn
