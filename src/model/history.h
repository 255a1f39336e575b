// The undo and redo history: the last few states of the circuit, kept as
// whole copies of the grid.
#pragma once

#include <array>
#include <memory>

#include "cellgrid.h"

namespace vorn {

// Two stacks of whole-grid copies, slot 1 the newest. A change hands over
// the grid as it was before the change; Undo and Redo copy a stored grid
// back. All storage is taken once, when the history is made: a push or an
// undo only copies grids between slots that already exist.
//
// A new edit does not empty the redo stack: Redo after an edit brings back
// the state the last Undo replaced, and the edited grid goes onto the undo
// stack like any grid that Redo replaces.
class UndoHistory {
public:
    static constexpr int kDepth = 5;

    UndoHistory();
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    // Slots in use on each stack, 0..kDepth, counted from slot 1.
    int UndoCount() const { return undoCount_; }
    int RedoCount() const { return redoCount_; }

    // Records a copy of `grid` as the newest undo state; on a full stack the
    // oldest state is dropped.
    void PushUndo(const CellGrid& grid);

    // If an undo state is stored: records `grid` as the newest redo state,
    // replaces `grid` by the newest undo state and drops that state from the
    // undo stack. Returns whether `grid` was replaced.
    bool Undo(CellGrid& grid);

    // The mirror of Undo: `grid` goes onto the undo stack and is replaced by
    // the newest redo state. Returns whether `grid` was replaced.
    bool Redo(CellGrid& grid);

    // Empties both stacks.
    void ClearHistory();

private:
    using Stack = std::array<CellGrid, kDepth>;

    struct Storage {
        Stack undo;
        Stack redo;
        CellGrid scratch;  // the incoming grid, copied before the stack shifts
    };

    void Push(Stack& stack, int& count, const CellGrid& grid);
    static void Pop(Stack& stack, int& count, CellGrid& grid);

    std::unique_ptr<Storage> slots_;
    int undoCount_ = 0;
    int redoCount_ = 0;
};

}  // namespace vorn
