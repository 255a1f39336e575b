// The selection tool: a rectangle of nodes chosen with a drag, and what is
// done with it as a block — copied to and pasted from the clipboard, cut,
// erased, moved by a drag or by the arrow keys. Each change is one undo step
// of the document, names included. The frame and a floating block are drawn
// over the drawing surface by a picture of their own, so the circuit's
// picture stays as the renderer made it.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QObject>

#include "circuitblock.h"
#include "circuitrenderer.h"
#include "viewgeometry.h"

class QWidget;

namespace vorn {

class CircuitDocument;

class BlockSelection : public QObject {
    Q_OBJECT

public:
    // Where the nodes stand now, and the colours the circuit is drawn in.
    struct Look {
        std::function<ViewGeometry()> view;
        std::function<CircuitColors()> colors;
    };

    // Draws over `surface`, which it covers whatever its size.
    BlockSelection(CircuitDocument& document, QWidget* surface, Look look, QObject* parent = nullptr);
    ~BlockSelection() override;

    // ---- the mouse, in nodes, while the selection tool is chosen ----------
    // A press on the selection starts moving it; anywhere else it starts a
    // new rectangle; with a floating block it puts the block down there, if
    // it fits.
    void Press(NodePos node);
    // Drags the rectangle or the block; without a held button a floating
    // block follows the pointer.
    void Move(NodePos node);
    // Ends the drag; a moved block is put down if it fits.
    void Release(NodePos node);

    bool HasSelection() const { return !selection_.IsEmpty(); }
    NodeRect Selection() const { return selection_; }
    // A pasted block waits to be put down, its top-left node at FloatAt.
    bool Floating() const { return floating_.has_value(); }
    NodePos FloatAt() const { return floatAt_; }
    // Whether the floating or dragged block would fit where it is shown.
    bool ShownBlockFits() const { return shownFits_; }

    // ---- commands; each returns whether it did anything ---------------------
    // The selection as block text on the system clipboard.
    bool Copy();
    // Copy, then Erase, as one undo step.
    bool Cut();
    // Clipboard text that reads as a block floats with its top-left node at `at`.
    bool Paste(NodePos at);
    // Empties the selection's nodes; the selection goes.
    bool Erase();
    // Moves the selection's block by one node; refused where it would leave
    // the field or land on the circuit.
    bool Nudge(int dx, int dy);
    // Drops a floating block, or else the selection.
    bool Cancel();
    // Nothing selected, floating or dragged.
    void Clear();

signals:
    void selectionChanged(bool hasSelection);

private:
    enum class Drag { None, Spanning, Moving };

    // Runs an edit on the document's grid and names; one undo step when it
    // changed either.
    bool EditDocument(const std::function<bool(CellGrid&, NameTable&)>& edit);
    void SetSelection(NodeRect rect);
    // The block shown at `at` over the circuit, or none.
    void ShowBlock(const CircuitBlock* block, NodePos at, bool fits);

    class Overlay;

    CircuitDocument& document_;
    Look look_;
    Overlay* overlay_ = nullptr;

    NodeRect selection_;
    Drag drag_ = Drag::None;
    NodePos spanFrom_;
    // Moving: the block taken at the press, the grid without it, and the
    // offset of the grabbed node from the block's top-left.
    std::optional<CircuitBlock> moving_;
    std::unique_ptr<CellGrid> gridWithoutBlock_;
    NodePos grabOffset_;
    NodePos moveTo_;
    // A pasted block before it is put down.
    std::optional<CircuitBlock> floating_;
    NodePos floatAt_;
    bool shownFits_ = false;
};

}  // namespace vorn
