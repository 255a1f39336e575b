// Random gate circuits, drawn as a learner draws them, must light every lamp
// as their formula says in every row of their truth table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "circuitgen.h"
#include "propagation.h"
#include "signals.h"
#include "wiringcheck.h"

namespace vorn::circuitgen {
namespace {

// Circuits per group; VORN_RANDOM_CIRCUITS=20000 makes a long run.
int CircuitCount() {
    if (const char* text = std::getenv("VORN_RANDOM_CIRCUITS")) return std::max(1, std::atoi(text));
    return 1500;
}

// Sizes mixed by the seed: 1 to 6 sources, up to 2 gates per source and two
// more, few or many inverters.
FormulaShape ShapeOf(std::uint64_t seed) {
    FormulaShape shape;
    shape.sources = 1 + static_cast<int>(seed % 6);
    shape.gates = 1 + static_cast<int>((seed / 6) % static_cast<std::uint64_t>(2 * shape.sources + 2));
    shape.inverterAfterGate = (seed / 7) % 2 ? 0.5 : 0.25;
    return shape;
}

// The first truth-table row in which a lamp differs from the formula, with
// what is needed to redraw the case; empty when every row agrees.
std::string FirstWrongRow(std::uint64_t seed, GeneratedCircuit& circuit, SignalGrid& signals, WorkQueue& queue) {
    const std::uint32_t rowCount = 1u << circuit.sources.size();
    for (std::uint32_t row = 0; row < rowCount; ++row) {
        SetSourceRow(*circuit.cells, circuit, row);
        EvaluateCircuit(*circuit.cells, signals, queue);
        const std::vector<bool> expected = EvaluateLamps(circuit.formula, row);
        for (std::size_t i = 0; i < circuit.lamps.size(); ++i) {
            const NodePos lamp = circuit.lamps[i];
            const std::int32_t want = expected[i] ? Signal1 : Signal0;
            if (signals.at(lamp.x, lamp.y) == want) continue;
            std::ostringstream report;
            report << "seed " << seed << ", source row " << row << " of " << rowCount << ": lamp at (" << lamp.x
                   << ',' << lamp.y << ") shows " << signals.at(lamp.x, lamp.y) << ", the formula says " << want
                   << '\n'
                   << CodeRows(*circuit.cells, circuit.columns, circuit.rows) << DescribeFormula(circuit.formula);
            return report.str();
        }
    }
    return {};
}

struct Group {
    const char* name;
    Inverters inverters;
};

class RandomCircuits : public ::testing::TestWithParam<Group> {};

TEST_P(RandomCircuits, LightEveryLampAsTheFormulaSays) {
    auto signals = std::make_unique<SignalGrid>();
    WorkQueue queue;
    const int count = CircuitCount();
    int failures = 0;
    std::string firstReports;
    for (int i = 0; i < count; ++i) {
        const std::uint64_t seed = static_cast<std::uint64_t>(i);
        GeneratedCircuit circuit = GenerateCircuit(seed, ShapeOf(seed), GetParam().inverters);
        const std::string wrong = FirstWrongRow(seed, circuit, *signals, queue);
        if (wrong.empty()) continue;
        if (++failures <= 2) firstReports += wrong;
    }
    EXPECT_EQ(failures, 0) << failures << " of " << count << " circuits differ; the first ones:\n" << firstReports;
}

INSTANTIATE_TEST_SUITE_P(, RandomCircuits,
                         ::testing::Values(Group{"InvertersPushedToSources", Inverters::PushedToSources},
                                           Group{"InvertersBehindGates", Inverters::AsGenerated}),
                         [](const auto& info) { return std::string(info.param.name); });

// The circuits really have what the comparison is about, and the wiring
// check that every drawing passes can tell a crossing from a junction.
TEST(CircuitGenerator, DrawsBranchesCrossingsAndInvertersBehindGates) {
    int withCrossing = 0, withJunction = 0, withInverterBehindGate = 0, withInnerLamp = 0;
    for (std::uint64_t seed = 0; seed < 200; ++seed) {
        const GeneratedCircuit circuit = GenerateCircuit(seed, ShapeOf(seed), Inverters::AsGenerated);
        const CellGrid& cells = *circuit.cells;
        NodePos crossing{-1, -1};
        bool junction = false;
        for (int x = 0; x < circuit.columns; ++x)
            for (int y = 0; y < circuit.rows; ++y) {
                if (cells.at(x, y) == Crossing) crossing = {x, y};
                junction = junction || cells.at(x, y) >= JunctionE;
            }
        withJunction += junction;
        withInverterBehindGate += HasInverterBehindGate(circuit.formula);
        const auto& lamps = circuit.formula.lamps;
        withInnerLamp += std::any_of(lamps.begin(), lamps.end(), [&](int n) {
            for (const FormulaNode& node : circuit.formula.nodes)
                if (node.a == n || node.b == n) return n >= circuit.formula.sources;
            return false;
        });
        if (crossing.x < 0) continue;
        ++withCrossing;
        // Joined instead of crossed, two wire networks become one.
        CellGrid joined = cells;
        joined.at(crossing.x, crossing.y) = JunctionES;
        EXPECT_TRUE(ReadWiring(cells, circuit.columns, circuit.rows).fault.empty()) << seed;
        EXPECT_FALSE(ReadWiring(joined, circuit.columns, circuit.rows).fault.empty()) << seed;
    }
    EXPECT_GT(withCrossing, 50);
    EXPECT_GT(withJunction, 100);
    EXPECT_GT(withInverterBehindGate, 50);
    EXPECT_GT(withInnerLamp, 20);
}

}  // namespace
}  // namespace vorn::circuitgen
