#include <gtest/gtest.h>

#include <climits>
#include <deque>
#include <memory>
#include <random>
#include <string>

#include "cellgrid.h"
#include "history.h"

namespace vorn {
namespace {

struct State {
    CellGrid grid;
    NameTable names;
};

// The history as the editor should see it, kept naively: two lists of whole
// states, newest first, each losing its oldest beyond the depth. A new edit
// leaves the redo list alone.
struct ModelHistory {
    std::deque<State> undo, redo;
    std::size_t depth = UndoHistory::kDepth;
    int undoDrops = 0, redoDrops = 0;  // oldest states dropped from a full stack

    void Trim(std::deque<State>& stack) {
        for (; stack.size() > depth; stack.pop_back()) ++(&stack == &undo ? undoDrops : redoDrops);
    }
    void Push(std::deque<State>& stack, const State& state) {
        stack.push_front(state);
        Trim(stack);
    }
    bool Move(std::deque<State>& from, std::deque<State>& to, State& state) {
        if (from.empty()) return false;
        Push(to, state);
        state = from.front();
        from.pop_front();
        return true;
    }
};

// Random runs of edits, undos, redos, clears and changes of depth, each
// checked against the model: both stacks fill, overflow and empty many times
// over, a hundred deep too, and every grid comes back exactly. An edit
// changes a few random nodes, a stretch of a column, or the whole field, to
// codes or to any values, so the stored differences are of every shape; some
// edits rename a node too, and the names come back with their grids.
TEST(UndoHistory, FollowsTheModelThroughRandomEditing) {
    const std::int32_t kOddValues[] = {127, 128, -128, -129, 255, INT32_MIN, INT32_MAX};
    const struct {
        int depth;
        int steps;
        unsigned depthChanges;  // in 1000 steps
        unsigned clearOdds;     // one clear in this many of its chances
    } runs[] = {{UndoHistory::kDepth, 1500, 0, 1}, {UndoHistory::kMaxDepth, 5000, 0, 1000}, {40, 3000, 3, 10}};
    for (const auto& run : runs) {
        UndoHistory history(run.depth);
        ModelHistory model;
        model.depth = static_cast<std::size_t>(history.Depth());
        auto grid = std::make_unique<CellGrid>();
        NameTable names;
        auto expected = std::make_unique<State>();
        std::mt19937 random(static_cast<unsigned>(run.depth));
        for (int step = 1; step <= run.steps; ++step) {
            const unsigned roll = random() % 20;
            if (random() % 1000 < run.depthChanges) {
                history.SetDepth(static_cast<int>(random() % 120));  // held to 5..100
                model.depth = static_cast<std::size_t>(history.Depth());
                model.Trim(model.undo);
                model.Trim(model.redo);
            } else if (roll < 8) {  // an edit hands over the grid as it was, then changes it
                history.PushUndo(*grid, names);
                model.Push(model.undo, *expected);
                if (random() % 3 == 0) {
                    const NodePos node{static_cast<int>(random() % 4), 0};
                    names[node] = expected->names[node] = std::to_string(step);
                }
                const unsigned shape = random() % 50;
                const int nodes = shape == 0 ? kGridSide * kGridSide : shape < 5 ? 60 : 1 + static_cast<int>(random() % 4);
                const unsigned first = random();
                for (int k = 0; k < nodes; ++k) {
                    const int entry = static_cast<int>((shape < 5 ? first + k : random()) % (kGridSide * kGridSide));
                    const int x = entry / kGridSide + kGridLow, y = entry % kGridSide + kGridLow;
                    grid->at(x, y) = expected->grid.at(x, y) = random() % 4 ? static_cast<std::int32_t>(random() % 54) : kOddValues[random() % 7];
                }
            } else if (roll < 14) {
                ASSERT_EQ(history.Undo(*grid, names), model.Move(model.undo, model.redo, *expected)) << step;
            } else if (roll < 19) {
                ASSERT_EQ(history.Redo(*grid, names), model.Move(model.redo, model.undo, *expected)) << step;
            } else if (random() % run.clearOdds == 0) {
                history.ClearHistory();
                model.undo.clear();
                model.redo.clear();
            }
            ASSERT_EQ(*grid, expected->grid) << run.depth << " step " << step;
            ASSERT_EQ(names, expected->names) << run.depth << " step " << step;
            ASSERT_EQ(history.UndoCount(), static_cast<int>(model.undo.size())) << step;
            ASSERT_EQ(history.RedoCount(), static_cast<int>(model.redo.size())) << step;
        }
        EXPECT_GT(model.undoDrops, 10) << run.depth;
        EXPECT_GT(model.redoDrops, 0) << run.depth;
    }
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
