// The undo and redo history: the last states of the circuit, from five (the
// default) up to a hundred steps deep.
#pragma once

#include <cstddef>
#include <memory>

#include "cellgrid.h"
#include "elementnames.h"

namespace vorn {

// Two stacks of circuit states (the grid and the names of its sources and
// lamps), the newest first. A change hands over the state as it was before
// the change; Undo and Redo put a stored state back.
//
// Each stack keeps its newest state as a whole grid and every older one as
// the nodes in which it differs from its newer neighbour, so a deep history
// of small edits costs little more than two grids.
//
// A new edit does not empty the redo stack: Redo after an edit brings back
// the state the last Undo replaced, and the edited grid goes onto the undo
// stack like any grid that Redo replaces.
class UndoHistory {
public:
    static constexpr int kDepth = 5;  // the default depth
    static constexpr int kMaxDepth = 100;

    explicit UndoHistory(int depth = kDepth);
    ~UndoHistory();
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    // The most states each stack keeps.
    int Depth() const { return depth_; }
    // Sets the depth, held to kDepth..kMaxDepth; a stack holding more
    // states than the new depth loses its oldest ones.
    void SetDepth(int depth);

    // States stored on each stack, 0..Depth().
    int UndoCount() const;
    int RedoCount() const;

    // Records a copy of `grid` and `names` as the newest undo state; on a
    // full stack the oldest state is dropped.
    void PushUndo(const CellGrid& grid, const NameTable& names = {});

    // If an undo state is stored: records `grid` and `names` as the newest
    // redo state, replaces them by the newest undo state and drops that state
    // from the undo stack. Returns whether they were replaced.
    bool Undo(CellGrid& grid, NameTable& names);
    bool Undo(CellGrid& grid);  // for circuits without names

    // The mirror of Undo: the state goes onto the undo stack and is replaced
    // by the newest redo state. Returns whether it was replaced.
    bool Redo(CellGrid& grid, NameTable& names);
    bool Redo(CellGrid& grid);

    // Empties both stacks.
    void ClearHistory();

    // The memory the stored states take, in bytes.
    std::size_t StoredBytes() const;

private:
    class Stack;

    std::unique_ptr<Stack> undo_;
    std::unique_ptr<Stack> redo_;
    int depth_;
};

}  // namespace vorn
