#include <gtest/gtest.h>

#include <memory>

#include "usedarea.h"

namespace vorn {
namespace {

std::unique_ptr<CellGrid> EmptyGrid() { return std::make_unique<CellGrid>(); }

TEST(UsedArea, EmptyFieldHasNone) {
    auto cells = EmptyGrid();
    EXPECT_FALSE(UsedArea(*cells));
    EXPECT_FALSE(PrintedArea(*cells));
}

TEST(UsedArea, SingleSourceGivesTheMarginsAroundIt) {
    auto cells = EmptyGrid();
    cells->at(10, 10) = SourceOff;
    EXPECT_EQ(UsedArea(*cells), (NodeArea{10, 10, 10, 10}));
    const auto printed = PrintedArea(*cells);
    ASSERT_TRUE(printed);
    EXPECT_EQ(*printed, (NodeArea{8, 7, 12, 12}));
    EXPECT_EQ(printed->Columns(), 5);
    EXPECT_EQ(printed->Rows(), 6);
}

TEST(UsedArea, ExtremesComeFromDifferentNodes) {
    // Each bound is set by another node, and none by the first one found.
    auto cells = EmptyGrid();
    cells->at(40, 30) = WireE;
    cells->at(20, 50) = Lamp;
    cells->at(60, 45) = JunctionS;
    cells->at(35, 70) = GateCorner;
    EXPECT_EQ(UsedArea(*cells), (NodeArea{20, 30, 60, 70}));
}

TEST(UsedArea, AnyNonZeroCodeCounts) {
    auto cells = EmptyGrid();
    cells->at(100, 100) = -5;  // not a code the editor writes, but not empty either
    EXPECT_EQ(UsedArea(*cells), (NodeArea{100, 100, 100, 100}));
}

TEST(UsedArea, OnlyTheFieldIsSearched) {
    // Column and row 256 and the guard ring lie outside the field.
    auto cells = EmptyGrid();
    cells->at(256, 5) = WireE;
    cells->at(5, 256) = WireS;
    cells->at(-1, -1) = Lamp;
    cells->at(257, 257) = Lamp;
    EXPECT_FALSE(UsedArea(*cells));
    cells->at(255, 255) = Lamp;
    EXPECT_EQ(UsedArea(*cells), (NodeArea{255, 255, 255, 255}));
}

TEST(UsedArea, PrintedAreaReachesPastTheFieldAtItsCorners) {
    auto cells = EmptyGrid();
    cells->at(0, 0) = WireE;
    cells->at(255, 255) = WireS;
    EXPECT_EQ(PrintedArea(*cells), (NodeArea{-2, -3, 257, 257}));
}

}  // namespace
}  // namespace vorn
