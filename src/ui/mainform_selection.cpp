// The window's side of the selection tool: the Edit menu's cut, copy, paste
// and delete, the arrow keys that move a selection, and the Delete key on
// the object under the pointer when nothing is selected.
#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "blockselection.h"
#include "editing.h"
#include "mainform.h"
#include "pointer.h"

namespace vorn {

void Tmain::AddClipboardItems() {
    Edit1->addSeparator();
    const auto add = [this](const QString& text, const QKeySequence& key, void (Tmain::*handler)()) {
        QAction* action = Edit1->addAction(text);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    Cut1 = add(tr("&Вырезать"), QKeySequence(Qt::CTRL | Qt::Key_X), &Tmain::Cut1Click);
    Copy1 = add(tr("&Копировать"), QKeySequence(Qt::CTRL | Qt::Key_C), &Tmain::Copy1Click);
    Paste1 = add(tr("Вст&авить"), QKeySequence(Qt::CTRL | Qt::Key_V), &Tmain::Paste1Click);
    Delete1 = add(tr("&Удалить"), QKeySequence(Qt::Key_Delete), &Tmain::Delete1Click);
    // Cut and copy need a selection; paste and delete always have a use.
    Cut1->setEnabled(false);
    Copy1->setEnabled(false);
}

void Tmain::CreateSelection() {
    BlockSelection::Look look{[this] { return View(); }, [this] { return state_->Settings.colors; }};
    selection_ = new BlockSelection(*document_, Image3, std::move(look), this);
    connect(selection_, &BlockSelection::selectionChanged, this, [this](bool selected) {
        Cut1->setEnabled(selected);
        Copy1->setEnabled(selected);
    });
}

bool Tmain::ClipLocksEditing() const { return clips_->Active() && !clips_->Recording(); }

std::optional<NodePos> Tmain::NodeUnderPointer() const {
    const QPoint pixel = Image3->mapFromGlobal(Pointer::Position());
    if (!Image3->rect().contains(pixel)) return std::nullopt;
    const NodePos node = View().NodeAt(pixel);
    if (!InField(node.x, node.y)) return std::nullopt;
    return node;
}

void Tmain::Copy1Click() {
    if (!ClipLocksEditing()) selection_->Copy();
}

void Tmain::Cut1Click() {
    if (!ClipLocksEditing()) selection_->Cut();
}

void Tmain::Paste1Click() {
    if (ClipLocksEditing() || state_->RunMode) return;
    // The block floats at the pointer, or at the top-left of the view while
    // the pointer is elsewhere, until the pointer moves over the surface.
    const NodePos at = NodeUnderPointer().value_or(NodePos{OriginX(), OriginY()});
    if (state_->CurrentTool != ToolSelect) SelectTool(ToolSelect);
    if (state_->CurrentTool == ToolSelect) selection_->Paste(at);
}

void Tmain::Delete1Click() {
    if (ClipLocksEditing() || state_->RunMode) return;
    if (selection_->Erase()) return;
    // Nothing selected: what the object menu's delete does, on the node
    // under the pointer.
    const std::optional<NodePos> node = NodeUnderPointer();
    if (!node) return;
    CellGrid& cells = document_->Cells();
    if (StoredCode(cells, node->x, node->y) == Empty) return;  // the object menu offers no delete there
    const auto before = std::make_unique<CellGrid>(cells);
    if (!EraseAtNode(cells, node->x, node->y, EraseMode::Press)) return;
    RefreshSolderPoints(cells, node->x, node->y);
    document_->CommitGesture(*before);
}

bool Tmain::NudgeSelection(int key) {
    if (ClipLocksEditing() || !selection_->HasSelection()) return false;
    switch (key) {
    case Qt::Key_Left: selection_->Nudge(-1, 0); return true;
    case Qt::Key_Right: selection_->Nudge(1, 0); return true;
    case Qt::Key_Up: selection_->Nudge(0, -1); return true;
    case Qt::Key_Down: selection_->Nudge(0, 1); return true;
    default: return false;
    }
}

}  // namespace vorn
