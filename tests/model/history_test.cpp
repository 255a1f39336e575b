#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <random>

#include "cellgrid.h"
#include "history.h"

namespace vorn {
namespace {

// The history as the editor should see it, kept naively: two lists of whole
// grids, newest first, each losing its oldest beyond five. A new edit leaves
// the redo list alone.
struct ModelHistory {
    std::deque<CellGrid> undo, redo;
    int undoDrops = 0, redoDrops = 0;  // oldest states dropped from a full stack

    void Push(std::deque<CellGrid>& stack, const CellGrid& grid) {
        stack.push_front(grid);
        if (stack.size() <= UndoHistory::kDepth) return;
        stack.pop_back();
        ++(&stack == &undo ? undoDrops : redoDrops);
    }
    bool Move(std::deque<CellGrid>& from, std::deque<CellGrid>& to, CellGrid& grid) {
        if (from.empty()) return false;
        Push(to, grid);
        grid = from.front();
        from.pop_front();
        return true;
    }
};

// Random runs of edits, undos, redos and clears, each checked against the
// model: both stacks fill, overflow and empty many times over.
TEST(UndoHistory, FollowsTheModelThroughRandomEditing) {
    UndoHistory history;
    ModelHistory model;
    auto grid = std::make_unique<CellGrid>();
    auto expected = std::make_unique<CellGrid>();
    std::mt19937 random(5);
    for (int step = 1; step <= 1500; ++step) {
        const unsigned roll = random() % 20;
        if (roll < 8) {  // an edit hands over the grid as it was, then changes it
            history.PushUndo(*grid);
            model.Push(model.undo, *expected);
            for (CellGrid* g : {grid.get(), expected.get()}) {
                g->at(0, 0) = step;  // every state differs, in the first node and the last
                g->at(255, 255) = -step;
            }
        } else if (roll < 14) {
            ASSERT_EQ(history.Undo(*grid), model.Move(model.undo, model.redo, *expected)) << step;
        } else if (roll < 19) {
            ASSERT_EQ(history.Redo(*grid), model.Move(model.redo, model.undo, *expected)) << step;
        } else {
            history.ClearHistory();
            model.undo.clear();
            model.redo.clear();
        }
        ASSERT_EQ(*grid, *expected) << step;
        ASSERT_EQ(history.UndoCount(), static_cast<int>(model.undo.size())) << step;
        ASSERT_EQ(history.RedoCount(), static_cast<int>(model.redo.size())) << step;
    }
    EXPECT_GT(model.undoDrops, 10);
    EXPECT_GT(model.redoDrops, 10);
}

// The rule the model carries that is easy to get wrong, by hand: undo twice,
// edit, and Redo still brings back what the last Undo replaced.
TEST(UndoHistory, NewEditKeepsTheRedoStack) {
    UndoHistory history;
    auto grid = std::make_unique<CellGrid>();
    for (int i = 1; i <= 3; ++i) {
        history.PushUndo(*grid);
        grid->at(i, i) = Lamp;
    }
    ASSERT_TRUE(history.Undo(*grid) && history.Undo(*grid));
    history.PushUndo(*grid);
    grid->at(9, 9) = Lamp;
    EXPECT_EQ(history.RedoCount(), 2);
    ASSERT_TRUE(history.Redo(*grid));
    EXPECT_EQ(grid->at(2, 2), Lamp);
    EXPECT_EQ(grid->at(3, 3), Empty);
    EXPECT_EQ(grid->at(9, 9), Empty);
}

}  // namespace
}  // namespace vorn
