#include "blockselection.h"

#include <tuple>

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include "circuitdocument.h"

namespace vorn {

namespace {

const QColor kFrameBlue(0, 0, 255);
// The colours of the placing patch and of the refusal patch.
const QColor kFitGreen(128, 255, 128);
const QColor kRefusalRed(255, 0, 0);

// A 50 % checker of one colour, its top-left pixel coloured, as the hover
// marker draws its patches.
QBrush CheckerBrush(const QColor& colour) {
    QImage tile(2, 2, QImage::Format_ARGB32);
    tile.fill(Qt::transparent);
    tile.setPixelColor(0, 0, colour);
    tile.setPixelColor(1, 1, colour);
    return QBrush(tile);
}

NodeRect RectAt(NodePos at, int width, int height) { return {at.x, at.y, at.x + width - 1, at.y + height - 1}; }

// The surface pixels of a rectangle of nodes, half a pitch around them.
QRect FramePixels(const ViewGeometry& view, const NodeRect& rect) {
    const int half = view.Pitch() / 2;
    const QPoint topLeft = view.PixelOf({rect.left, rect.top}) - QPoint(half, half);
    const QPoint bottomRight = view.PixelOf({rect.right, rect.bottom}) + QPoint(half, half);
    return QRect(topLeft, bottomRight);
}

}  // namespace

// The picture over the drawing surface: the dashed frame of the selection
// and a block that is being moved or pasted, with the green or red patch.
// It never takes the mouse, which stays with the surface below.
class BlockSelection::Overlay : public QWidget {
public:
    Overlay(QWidget* surface, BlockSelection& owner) : QWidget(surface), owner_(owner) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        resize(surface->size());
        surface->installEventFilter(this);
        show();
    }

    // The block to show and where; none for nullptr.
    void SetBlock(const CircuitBlock* block, NodePos at, bool fits) {
        block_ = block;
        at_ = at;
        fits_ = fits;
        ghostFor_ = {};  // drawn again at the next paint
        update();
    }
    bool ShowsBlock() const { return block_ != nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == QEvent::Resize) resize(parentWidget()->size());
        return QWidget::eventFilter(watched, event);
    }

    void paintEvent(QPaintEvent*) override {
        const ViewGeometry view = owner_.look_.view();
        QPainter painter(this);
        if (block_) {
            const NodeRect rect = RectAt(at_, block_->width, block_->height);
            // The block's own lines darken the circuit below like ink on paper.
            painter.setCompositionMode(QPainter::CompositionMode_Multiply);
            painter.drawImage(0, 0, Ghost(view));
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            const int edge = 5 * view.zoom;
            const QRect patch(view.PixelOf({rect.left, rect.top}) - QPoint(edge, edge),
                              view.PixelOf({rect.right, rect.bottom}) + QPoint(edge - 1, edge - 1));
            painter.setBrushOrigin(patch.topLeft());
            painter.fillRect(patch, CheckerBrush(fits_ ? kFitGreen : kRefusalRed));
            DrawFrame(painter, FramePixels(view, rect));
        } else if (owner_.HasSelection()) {
            DrawFrame(painter, FramePixels(view, owner_.selection_));
        }
    }

private:
    static void DrawFrame(QPainter& painter, const QRect& frame) {
        painter.setPen(QPen(kFrameBlue, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(frame);
    }

    // The block drawn alone at its place, white around it; drawn again only
    // when the block, its place or the view changed.
    const QImage& Ghost(const ViewGeometry& view) {
        const auto key = std::tuple(view.zoom, view.originX, view.originY, at_.x, at_.y, size());
        if (ghostFor_ == key && !ghost_.isNull()) return ghost_;
        if (!scratch_) scratch_ = std::make_unique<CellGrid>();
        if (!noSignals_) noSignals_ = std::make_unique<SignalGrid>();
        ClearCellGrid(*scratch_);
        for (int dx = 0; dx < block_->width; ++dx)
            for (int dy = 0; dy < block_->height; ++dy)
                if (InField(at_.x + dx, at_.y + dy)) scratch_->at(at_.x + dx, at_.y + dy) = block_->at(dx, dy);
        ghost_ = QImage(size(), QImage::Format_RGB32);
        if (!ghost_.isNull())
            RenderCircuit(ghost_, *scratch_, *noSignals_, CircuitView{view.zoom, view.originX, view.originY},
                          owner_.look_.colors());
        ghostFor_ = key;
        return ghost_;
    }

    BlockSelection& owner_;
    const CircuitBlock* block_ = nullptr;
    NodePos at_;
    bool fits_ = false;
    QImage ghost_;
    std::optional<std::tuple<int, int, int, int, int, QSize>> ghostFor_;
    std::unique_ptr<CellGrid> scratch_;
    std::unique_ptr<SignalGrid> noSignals_;
};

BlockSelection::BlockSelection(CircuitDocument& document, QWidget* surface, Look look, QObject* parent)
    : QObject(parent), document_(document), look_(std::move(look)), overlay_(new Overlay(surface, *this)) {
    // A new, opened or closed document starts without a selection.
    connect(&document_, &CircuitDocument::stateChanged, this, [this](DocumentState state) {
        if (state != DocumentState::Modified && state != DocumentState::Saved) Clear();
    });
}

BlockSelection::~BlockSelection() = default;

// ---- the mouse -----------------------------------------------------------------

void BlockSelection::Press(NodePos node) {
    if (floating_) {
        const CircuitBlock& block = *floating_;
        if (!EditDocument([&](CellGrid& cells, NameTable& names) { return PasteBlock(cells, names, block, node); }))
            return;  // refused: the block floats on
        const NodeRect placed = RectAt(node, block.width, block.height);
        floating_.reset();
        ShowBlock(nullptr, {}, false);
        SetSelection(placed);
        return;
    }
    if (selection_.Contains(node.x, node.y)) {
        drag_ = Drag::Moving;
        const CellGrid& cells = document_.Cells();
        moving_ = CopyBlock(cells, document_.Names(), selection_);
        gridWithoutBlock_ = std::make_unique<CellGrid>(cells);
        CutBlock(*gridWithoutBlock_, selection_);
        grabOffset_ = {node.x - selection_.left, node.y - selection_.top};
        moveTo_ = {selection_.left, selection_.top};
        return;
    }
    drag_ = Drag::Spanning;
    spanFrom_ = node;
    SetSelection(SpannedRect(node, node));
}

void BlockSelection::Move(NodePos node) {
    switch (drag_) {
    case Drag::Spanning:
        SetSelection(SpannedRect(spanFrom_, node));
        break;
    case Drag::Moving: {
        const NodePos to{node.x - grabOffset_.x, node.y - grabOffset_.y};
        if (to == moveTo_ && overlay_->ShowsBlock()) break;
        moveTo_ = to;
        ShowBlock(&*moving_, to, BlockFits(*gridWithoutBlock_, *moving_, to));
        break;
    }
    case Drag::None:
        if (floating_ && !(node == floatAt_)) {
            floatAt_ = node;
            ShowBlock(&*floating_, node, BlockFits(document_.Cells(), *floating_, node));
        }
        break;
    }
}

void BlockSelection::Release(NodePos node) {
    Move(node);
    const Drag drag = drag_;
    drag_ = Drag::None;
    if (drag != Drag::Moving) return;
    const NodeRect from = selection_;
    const NodePos to = moveTo_;
    moving_.reset();
    gridWithoutBlock_.reset();
    ShowBlock(nullptr, {}, false);
    if (to == NodePos{from.left, from.top}) return;
    if (EditDocument([&](CellGrid& cells, NameTable& names) { return MoveBlock(cells, names, from, to); }))
        SetSelection(RectAt(to, from.Width(), from.Height()));
}

// ---- commands ----------------------------------------------------------------------

bool BlockSelection::Copy() {
    if (!HasSelection()) return false;
    const std::string text = BlockText(CopyBlock(document_.Cells(), document_.Names(), selection_));
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    return true;
}

bool BlockSelection::Cut() {
    if (!Copy()) return false;
    Erase();
    return true;
}

bool BlockSelection::Paste(NodePos at) {
    const std::optional<CircuitBlock> block = ParseBlockText(QGuiApplication::clipboard()->text().toStdString());
    if (!block) return false;
    drag_ = Drag::None;
    SetSelection({});
    floating_ = *block;
    floatAt_ = at;
    ShowBlock(&*floating_, at, BlockFits(document_.Cells(), *floating_, at));
    return true;
}

bool BlockSelection::Erase() {
    if (!HasSelection()) return false;
    const NodeRect rect = selection_;
    EditDocument([&](CellGrid& cells, NameTable& names) {
        CutBlock(cells, names, rect);
        return true;
    });
    SetSelection({});
    return true;
}

bool BlockSelection::Nudge(int dx, int dy) {
    if (!HasSelection() || drag_ != Drag::None) return false;
    const NodeRect from = selection_;
    const NodePos to{from.left + dx, from.top + dy};
    // A blank block fits anywhere in the field: then the frame moves alone.
    if (!EditDocument([&](CellGrid& grid, NameTable& names) { return MoveBlock(grid, names, from, to); }))
        return false;
    SetSelection(RectAt(to, from.Width(), from.Height()));
    return true;
}

bool BlockSelection::Cancel() {
    if (floating_) {
        floating_.reset();
        ShowBlock(nullptr, {}, false);
        return true;
    }
    if (!HasSelection() || drag_ != Drag::None) return false;
    SetSelection({});
    return true;
}

void BlockSelection::Clear() {
    drag_ = Drag::None;
    moving_.reset();
    gridWithoutBlock_.reset();
    floating_.reset();
    ShowBlock(nullptr, {}, false);
    SetSelection({});
}

// ---- helpers ---------------------------------------------------------------------

bool BlockSelection::EditDocument(const std::function<bool(CellGrid&, NameTable&)>& edit) {
    const auto before = std::make_unique<CellGrid>(document_.Cells());
    NameTable namesBefore = document_.Names();
    if (!edit(document_.Cells(), document_.EditNames())) return false;
    if (document_.Cells() != *before || document_.Names() != namesBefore) document_.CommitGesture(*before, namesBefore);
    return true;
}

void BlockSelection::SetSelection(NodeRect rect) {
    if (rect.IsEmpty()) rect = {};
    const bool had = HasSelection();
    const bool moved = !(rect == selection_);
    selection_ = rect;
    if (moved) overlay_->update();
    if (had != HasSelection()) emit selectionChanged(HasSelection());
}

void BlockSelection::ShowBlock(const CircuitBlock* block, NodePos at, bool fits) {
    shownFits_ = block && fits;
    overlay_->SetBlock(block, at, fits);
}

}  // namespace vorn
