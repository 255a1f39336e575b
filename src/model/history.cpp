#include "history.h"

namespace vorn {

namespace {

void Blank(CellGrid& grid) {
    for (auto& column : grid.columns) column.fill(Empty);
}

}  // namespace

// Value-initialised in place on the heap: every slot starts as the blank grid.
UndoHistory::UndoHistory() : slots_(std::make_unique<Storage>()) {}

// The incoming grid is copied aside first, so that the shift cannot
// overwrite it whatever grid it is.
void UndoHistory::Push(Stack& stack, int& count, const CellGrid& grid) {
    slots_->scratch = grid;
    for (int k = kDepth - 1; k > 0; --k) stack[k] = stack[k - 1];
    stack[0] = slots_->scratch;
    if (count < kDepth) ++count;
}

// Takes slot 1 out into `grid`, moves the remaining states up by one and
// blanks every slot beyond the new count.
void UndoHistory::Pop(Stack& stack, int& count, CellGrid& grid) {
    grid = stack[0];
    --count;
    for (int k = 0; k < count; ++k) stack[k] = stack[k + 1];
    for (int k = count; k < kDepth; ++k) Blank(stack[k]);
}

void UndoHistory::PushUndo(const CellGrid& grid) { Push(slots_->undo, undoCount_, grid); }

bool UndoHistory::Undo(CellGrid& grid) {
    if (undoCount_ <= 0) return false;
    Push(slots_->redo, redoCount_, grid);
    Pop(slots_->undo, undoCount_, grid);
    return true;
}

bool UndoHistory::Redo(CellGrid& grid) {
    if (redoCount_ <= 0) return false;
    Push(slots_->undo, undoCount_, grid);
    Pop(slots_->redo, redoCount_, grid);
    return true;
}

void UndoHistory::ClearHistory() {
    for (CellGrid& slot : slots_->undo) Blank(slot);
    for (CellGrid& slot : slots_->redo) Blank(slot);
    undoCount_ = 0;
    redoCount_ = 0;
}

}  // namespace vorn
