#include <gtest/gtest.h>

#include <memory>

#include "cellgrid.h"

namespace vorn {
namespace {

TEST(CellGrid, IsIndexedByColumnThenRowFromMinusOne) {
    auto grid = std::make_unique<CellGrid>();
    grid->at(-1, -1) = 1;
    grid->at(0, 0) = 2;
    grid->at(3, 5) = 3;
    grid->at(257, 257) = 4;
    EXPECT_EQ(grid->columns[0][0], 1);
    EXPECT_EQ(grid->columns[1][1], 2);
    EXPECT_EQ(grid->columns[4][6], 3);  // X is the outer index
    EXPECT_EQ(grid->columns[258][258], 4);
    EXPECT_EQ(sizeof(CellGrid), 259u * 259u * 4u);
}

TEST(CellGrid, ClearEmptiesFieldAndColumn256ButNotTheGuardRing) {
    auto grid = std::make_unique<CellGrid>();
    for (auto& column : grid->columns) column.fill(7);
    ClearCellGrid(*grid);
    EXPECT_EQ(grid->at(0, 0), 0);
    EXPECT_EQ(grid->at(256, 256), 0);
    EXPECT_EQ(grid->at(128, 256), 0);
    EXPECT_EQ(grid->at(-1, 5), 7);
    EXPECT_EQ(grid->at(5, 257), 7);
    EXPECT_EQ(grid->at(257, 257), 7);
}

TEST(CodeSets, EastAndSouthMembersAreExactlyTheConnectingCodes) {
    const std::bitset<256> east = EastSet(), south = SouthSet();
    for (int code : {1, 3, 4, 6, 7, 8, 12, 17, 51, 53}) EXPECT_TRUE(east.test(code)) << code;
    for (int code : {2, 3, 4, 6, 7, 52, 53}) EXPECT_TRUE(south.test(code)) << code;
    EXPECT_EQ(east.count(), 10u);
    EXPECT_EQ(south.count(), 7u);
    EXPECT_FALSE(Contains(east, -1));
    EXPECT_FALSE(Contains(east, 256 + 1));
}

TEST(CodeFamilies, ClassifyEditorCodes) {
    for (int code : {0, 1, 2, 3, 4, 51, 52, 53}) EXPECT_TRUE(IsWireCode(code)) << code;
    for (int code : {5, 6, 8, 12, 50, 54}) EXPECT_FALSE(IsWireCode(code)) << code;
    for (int code : {6, 7, 8, 12, 18}) EXPECT_TRUE(HasWestTerminal(code)) << code;
    EXPECT_FALSE(HasWestTerminal(16));
    EXPECT_TRUE(IsGatePartCode(16) && IsGatePartCode(20) && !IsGatePartCode(21));
    EXPECT_TRUE(IsGateAnchorCode(20) && !IsGateAnchorCode(17));
}

TEST(ObjectNames, LookUpByCodeModulo50) {
    EXPECT_EQ(ObjectName(8), "Лампочка");
    EXPECT_EQ(ObjectNameAcc(8), "лампочку");
    EXPECT_EQ(ObjectHelpTopic(8), "Лампочка");
    EXPECT_EQ(ObjectName(53), ObjectName(3));
    EXPECT_EQ(ObjectName(3), "Провода");
    EXPECT_EQ(ObjectHelpTopic(3), "Провод");  // the help topics of 1..4 are the other way round
    EXPECT_EQ(ObjectHelpTopic(1), "Провода");
    EXPECT_EQ(ObjectNameAcc(20), "дизъюнктор");
    EXPECT_EQ(ObjectName(0), " ");
    EXPECT_EQ(ObjectName(17), " ");
    EXPECT_EQ(ObjectName(9), "");  // a file may hold 9: no name, nothing drawn
    EXPECT_EQ(ObjectName(5), "");
    EXPECT_EQ(ObjectName(71), "");  // 71 mod 50 = 21 lies beyond the tables
    EXPECT_EQ(ObjectName(-3), "");
}

}  // namespace
}  // namespace vorn
