// Every circuit evaluates to an end, quickly, without touching anything
// outside the field, and the rules that make it end change no result.
#include <random>

#include "propagation_fixture.h"
#include "signals.h"

namespace vorn::test {
namespace {

using Termination = PropagationTest;

// Circuits on which the worklist, run literally, never empties.
const std::vector<std::vector<std::string>> kEndlessLiterally = {
    {"7 52 6", "12 8 0"},                                  // a lamp fed from the north
    {"0 0 7 0 0", "0 0 2 0 0", "0 1 4 1 0", "0 0 8 0 0"},  // a crossing above a lamp
    {"0 0 2 18 19", "7 1 4 20 17", "0 0 0 18 19"},         // a crossing just west of a gate
    {"7 1 4 12 1", "7 1 4 12 1"},                          // crossings beside inverters
    {"0 7 7 0", "0 2 2 0", "1 4 4 1", "0 2 2 0"},          // two crossings, no horizontal signal
};

TEST_F(Termination, CircuitsThatLoopLiterallyEndQuickly) {
    for (const auto& rows : kEndlessLiterally) {
        SCOPED_TRACE(rows[0] + " / " + rows[1]);
        EXPECT_TRUE(Run(rows, Literal(100000)).budgetExhausted);
        const EvaluationStats stats = Run(rows);
        EXPECT_FALSE(stats.budgetExhausted);
        EXPECT_LT(stats.steps, 2000u);
    }
}

TEST_F(Termination, EndlessCircuitsStillCarryTheirWireSignals) {
    Run(kEndlessLiterally[1]);
    EXPECT_EQ(At(2, 1), Signal1);  // the vertical wire from the source
    EXPECT_EQ(At(1, 2), NoSignal);  // the horizontal line is not fed
    Run(kEndlessLiterally[4]);
    EXPECT_EQ(At(1, 3), Signal1);  // both vertical lines pass their crossings
    EXPECT_EQ(At(2, 3), Signal1);
    EXPECT_EQ(At(0, 2), NoSignal);
}

TEST_F(Termination, AGateIsNotKeptWaitingByCrossingsThatWakeEachOther) {
    // The crossing pair on the left wakes itself for ever without changing
    // anything; the conjunctor on the right must still be evaluated.
    const EvaluationStats stats = Run({"0 7 7 0 0 7 1 18 19 0 0",
                                       "0 2 2 0 0 0 0 16 17 1 8",
                                       "1 4 4 1 0 0 0 18 19 0 0",
                                       "0 2 2 0 0 0 0 0 0 0 0"});
    EXPECT_FALSE(stats.budgetExhausted);
    EXPECT_EQ(At(7, 1), Signal0);
    EXPECT_EQ(At(10, 1), Signal0);
}

// Random circuits of every code, gates included, on a side x side patch.
void DrawRandomPatch(CellGrid& grid, std::mt19937& rng, int left, int top, int side) {
    static const int kCodes[] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 4, 4, 6, 7, 8, 9, 12, 51, 52, 53, 53};
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y) grid.at(left + x, top + y) = kCodes[rng() % std::size(kCodes)];
    const int gates = static_cast<int>(rng() % 4);
    for (int k = 0; k < gates; ++k) {
        const int x = left + static_cast<int>(rng() % (side - 1));
        const int y = top + 1 + static_cast<int>(rng() % (side - 2));
        grid.at(x, y - 1) = GateInput;
        grid.at(x, y) = rng() % 2 ? ConjunctorAnchor : DisjunctorAnchor;
        grid.at(x, y + 1) = GateInput;
        grid.at(x + 1, y - 1) = GateCorner;
        grid.at(x + 1, y) = GateOutput;
        grid.at(x + 1, y + 1) = GateCorner;
    }
}

TEST_F(Termination, ThousandsOfRandomCircuitsEndWithinABoundedNumberOfEntries) {
    std::mt19937 rng(20261206);
    std::uint64_t worst = 0;
    for (int i = 0; i < 4000; ++i) {
        ClearCellGrid(*cells);
        DrawRandomPatch(*cells, rng, 10, 10, i % 2 ? 10 : 16);
        const EvaluationStats stats = Evaluate();
        ASSERT_FALSE(stats.budgetExhausted) << "circuit " << i;
        worst = std::max(worst, stats.appended);
    }
    EXPECT_LT(worst, 100u * 256u);  // far below the 65,536 nodes of the field
}

// The early stop is exact: without dropped duplicates it gives the literal
// result on every circuit whose literal run ends.
TEST_F(Termination, StoppingWhenSettledNeverChangesALiteralResult) {
    std::mt19937 rng(7);
    EvaluationOptions settled;
    settled.dropDuplicates = false;
    auto literal = std::make_unique<SignalGrid>();
    int compared = 0;
    for (int i = 0; i < 300; ++i) {
        ClearCellGrid(*cells);
        DrawRandomPatch(*cells, rng, 10, 10, 8);
        if (Evaluate(Literal(4000)).budgetExhausted) continue;
        *literal = *signals;
        Evaluate(settled);
        ASSERT_EQ(*signals, *literal) << "circuit " << i;
        ++compared;
    }
    EXPECT_GT(compared, 150);
}

TEST_F(Termination, SignalsStayInsideTheFieldAtEveryEdge) {
    std::mt19937 rng(99);
    for (int i = 0; i < 200; ++i) {
        ClearCellGrid(*cells);
        const int left = i % 2 ? 0 : 246, top = i % 4 < 2 ? 0 : 246;
        DrawRandomPatch(*cells, rng, left, top, 10);
        Evaluate();
        for (int k = -1; k <= 257; ++k) {
            for (int edge : {-1, 256, 257}) {
                ASSERT_EQ(signals->at(k, edge), 0) << k << "," << edge;
                ASSERT_EQ(signals->at(edge, k), 0) << edge << "," << k;
            }
        }
    }
}

TEST_F(Termination, GateAtTheLastColumnEvaluatesWithoutFault) {
    // Anchored at column 255: the block reaches column 256, the lead 257.
    cells->at(253, 99) = SourceOn;
    cells->at(254, 99) = WireE;
    cells->at(255, 99) = GateInput;
    cells->at(255, 100) = ConjunctorAnchor;
    cells->at(255, 101) = GateInput;
    cells->at(256, 99) = GateCorner;
    cells->at(256, 100) = GateOutput;
    cells->at(256, 101) = GateCorner;
    Evaluate();
    EXPECT_EQ(signals->at(255, 100), Signal0);
    EXPECT_EQ(signals->at(256, 100), 0);
    EXPECT_EQ(signals->at(257, 100), 0);
}

TEST_F(Termination, ResetSignalsClearsEverythingAndEmptiesTheQueue) {
    Run({"7 1 1 8"});
    queue.push(3, 3);
    queue.pushGate(4, 4, 2);
    ResetSignals(*signals, queue);
    EXPECT_EQ(*signals, SignalGrid{});
    EXPECT_TRUE(queue.empty());
    EXPECT_EQ(queue.countOf(3, 3), 0u);
    EXPECT_EQ(queue.countOf(4, 4), 0u);
}

// A full-field mesh: every node joined to its east and south neighbours,
// with junctions and crossings, driven by a "0" and a "1" source.
TEST_F(Termination, FullFieldMeshEvaluatesWithAFewEntriesPerNode) {
    for (int x = 0; x < kFieldSize; ++x) {
        for (int y = 0; y < kFieldSize; ++y) {
            const bool lastX = x == kFieldSize - 1, lastY = y == kFieldSize - 1;
            std::int32_t code = lastX ? (lastY ? Empty : WireS) : (lastY ? WireE : WireES);
            if (!lastX && !lastY && (x * 7 + y * 3) % 11 == 0) code = Crossing;
            else if (code == WireES && (x + y) % 5 == 0) code = JunctionES;
            cells->at(x, y) = code;
        }
    }
    cells->at(0, 0) = SourceOff;
    cells->at(200, 201) = SourceOn;
    const EvaluationStats stats = Evaluate();
    EXPECT_FALSE(stats.budgetExhausted);
    EXPECT_LT(stats.appended, 16u * 65536u);
    EXPECT_EQ(signals->at(128, 128), Signal1);
    EXPECT_EQ(signals->at(1, 0), Signal1);
}

}  // namespace
}  // namespace vorn::test
