#include <gtest/gtest.h>

#include <memory>

#include "grid_text.h"
#include "truthtable.h"

namespace vorn::test {
namespace {

struct TruthTableTest : ::testing::Test {
    std::unique_ptr<SignalGrid> signals = std::make_unique<SignalGrid>();
    WorkQueue queue;
};

TEST_F(TruthTableTest, CountsUpWithTheFirstSourceInSeedingOrderMostSignificant) {
    // A disjunctor of two sources, and a lamp fed by the lower source alone.
    auto cells = GridFromRows({"0 7 1 18 19 0 0",
                               "0 0 0 20 17 1 8",
                               "0 6 1 18 19 0 0",
                               "0 1 8 0 0 0 0"});
    const TruthTable table = BuildTruthTable(*cells, *signals, queue);
    ASSERT_EQ(table.sources.size(), 2u);
    EXPECT_EQ(table.sources[0].y, 10);  // same column: top to bottom
    // Lamps in column order: the one below (column 12), then the gate's (16).
    using Row = std::vector<std::string>;
    EXPECT_EQ(table.rows, (std::vector<Row>{{"0", "0", "0", "0"}, {"0", "1", "1", "1"}, {"1", "0", "0", "1"},
                                            {"1", "1", "1", "1"}}));
    // The switch positions the circuit came with are kept.
    EXPECT_EQ(cells->at(11, 10), SourceOn);
    EXPECT_EQ(cells->at(11, 12), SourceOff);
    EXPECT_EQ(*signals, SignalGrid{});
}

TEST_F(TruthTableTest, FormatsAlignedByCharactersAndAsQuotedCsv) {
    TruthTable table;
    table.sources = {{2, 3}};
    table.lamps = {{14, 10}};
    table.rows = {{"0", "1"}, {"1", "-"}};
    EXPECT_EQ(FormatTable(table, {"Вход", "F1"}), "Вход  |  F1\n   0  |   1\n   1  |   -\n");
    EXPECT_EQ(FormatCsv(table, {"S(2,3)", "L\"x\""}), "\"S(2,3)\",\"L\"\"x\"\"\"\n0,1\n1,-\n");
    EXPECT_EQ(CsvField("a\nb"), "\"a\nb\"");
}

TEST_F(TruthTableTest, RefusesMoreSourcesThanTheLimit) {
    auto cells = std::make_unique<CellGrid>();
    for (int x = 0; x < static_cast<int>(kMaxTableSources) + 1; ++x) cells->at(x * 2, 0) = SourceOff;
    EXPECT_THROW(BuildTruthTable(*cells, *signals, queue), std::length_error);
}

}  // namespace
}  // namespace vorn::test
