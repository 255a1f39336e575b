#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "cellgrid.h"
#include "grid_text.h"
#include "history.h"

namespace vorn {
namespace {

using test::GridFromRows;

// Drives a history the way the editor does: every edit first hands over the
// grid as it was, then changes it. `states[i]` is the grid before edit i.
class UndoHistoryTest : public ::testing::Test {
protected:
    void Edit(int i) {
        states.push_back(std::make_unique<CellGrid>(*grid));
        history.PushUndo(*grid);
        grid->at(i, 2 * i) = Lamp;
        grid->at(255 - i, 7) = SourceOn;
    }

    std::unique_ptr<CellGrid> Copy() const { return std::make_unique<CellGrid>(*grid); }

    UndoHistory history;
    std::unique_ptr<CellGrid> grid = GridFromRows({"6 1 1 8"});
    std::vector<std::unique_ptr<CellGrid>> states;
};

TEST_F(UndoHistoryTest, KeepsTheLastFiveStatesNewestFirst) {
    for (int i = 0; i < 6; ++i) Edit(i);
    EXPECT_EQ(history.UndoCount(), 5);
    EXPECT_EQ(history.RedoCount(), 0);

    for (int i = 5; i >= 1; --i) {
        ASSERT_TRUE(history.Undo(*grid));
        EXPECT_EQ(*grid, *states[i]) << "undo back to before edit " << i;
        EXPECT_EQ(history.UndoCount(), i - 1);
        EXPECT_EQ(history.RedoCount(), 6 - i);
    }
    // The state before the first edit has been dropped.
    const auto shown = Copy();
    EXPECT_FALSE(history.Undo(*grid));
    EXPECT_EQ(*grid, *shown);
    EXPECT_EQ(history.RedoCount(), 5);
}

TEST_F(UndoHistoryTest, RedoRetracesTheUndosAndUndoAgainStepsBack) {
    for (int i = 0; i < 3; ++i) Edit(i);
    const auto afterEdits = Copy();
    ASSERT_TRUE(history.Undo(*grid));
    ASSERT_TRUE(history.Undo(*grid));
    EXPECT_EQ(*grid, *states[1]);

    ASSERT_TRUE(history.Redo(*grid));
    EXPECT_EQ(*grid, *states[2]);
    EXPECT_EQ(history.UndoCount(), 2);
    EXPECT_EQ(history.RedoCount(), 1);
    ASSERT_TRUE(history.Redo(*grid));
    EXPECT_EQ(*grid, *afterEdits);
    EXPECT_EQ(history.UndoCount(), 3);
    EXPECT_EQ(history.RedoCount(), 0);

    EXPECT_FALSE(history.Redo(*grid));
    EXPECT_EQ(*grid, *afterEdits);
    ASSERT_TRUE(history.Undo(*grid));
    EXPECT_EQ(*grid, *states[2]);
}

TEST_F(UndoHistoryTest, NewEditKeepsTheRedoStack) {
    for (int i = 0; i < 3; ++i) Edit(i);
    ASSERT_TRUE(history.Undo(*grid));
    ASSERT_TRUE(history.Undo(*grid));  // replaces states[2], shows states[1]
    Edit(9);
    const auto edited = Copy();
    EXPECT_EQ(history.UndoCount(), 2);
    EXPECT_EQ(history.RedoCount(), 2);

    ASSERT_TRUE(history.Redo(*grid));
    EXPECT_EQ(*grid, *states[2]);
    EXPECT_EQ(history.UndoCount(), 3);
    // The edited grid went onto the undo stack above the state before it.
    ASSERT_TRUE(history.Undo(*grid));
    EXPECT_EQ(*grid, *edited);
    ASSERT_TRUE(history.Undo(*grid));
    EXPECT_EQ(*grid, *states[3]);  // the grid before edit 9
}

TEST_F(UndoHistoryTest, FullRedoStackDropsItsOldestState) {
    for (int i = 0; i < 5; ++i) Edit(i);
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(history.Undo(*grid));
    EXPECT_EQ(history.RedoCount(), 5);  // states[1..4] and the last result
    Edit(7);
    const auto edited = Copy();
    ASSERT_TRUE(history.Undo(*grid));  // pushes the edited grid onto a full stack
    EXPECT_EQ(history.RedoCount(), 5);

    ASSERT_TRUE(history.Redo(*grid));
    EXPECT_EQ(*grid, *edited);
    for (int i = 1; i <= 4; ++i) {
        ASSERT_TRUE(history.Redo(*grid));
        EXPECT_EQ(*grid, *states[i]);
    }
    const auto shown = Copy();
    EXPECT_FALSE(history.Redo(*grid));
    EXPECT_EQ(*grid, *shown);
}

TEST_F(UndoHistoryTest, ClearHistoryEmptiesBothStacks) {
    for (int i = 0; i < 4; ++i) Edit(i);
    ASSERT_TRUE(history.Undo(*grid));
    ASSERT_TRUE(history.Undo(*grid));
    history.ClearHistory();
    EXPECT_EQ(history.UndoCount(), 0);
    EXPECT_EQ(history.RedoCount(), 0);
    const auto shown = Copy();
    EXPECT_FALSE(history.Undo(*grid));
    EXPECT_FALSE(history.Redo(*grid));
    EXPECT_EQ(*grid, *shown);

    // Afterwards the history works from scratch.
    Edit(3);
    ASSERT_TRUE(history.Undo(*grid));
    EXPECT_EQ(*grid, *shown);
    EXPECT_EQ(history.UndoCount(), 0);
    EXPECT_EQ(history.RedoCount(), 1);
}

}  // namespace
}  // namespace vorn
