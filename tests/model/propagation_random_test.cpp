// Random gate circuits, drawn as a learner draws them, must light every lamp
// as their formula says in every row of their truth table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
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

// Sizes mixed by the seed: 1 to 6 sources, enough gates to use every source
// and up to a few more than sources, few or many inverters, deep chains or
// shallow networks.
FormulaShape ShapeOf(std::uint64_t seed) {
    constexpr int kDepths[] = {0, 0, 3, 5};
    FormulaShape shape;
    shape.sources = 1 + static_cast<int>(seed % 6);
    const auto extra = static_cast<std::uint64_t>(shape.sources + 3);
    shape.gates = std::max(1, shape.sources - 1) + static_cast<int>((seed / 6) % extra);
    shape.inverterAfterGate = (seed / 7) % 2 ? 0.5 : 0.25;
    shape.maxDepth = kDepths[(seed / 14) % 4];
    return shape;
}

// The first truth-table row in which a lamp differs from the formula, with
// what is needed to redraw the case (the circuit's codes with the sources
// switched to that row); empty when every row agrees. The same circuit
// comes back from GenerateCircuit(seed, ShapeOf(seed), the group's variant).
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
                   << "\nsources, most significant first:";
            for (const NodePos& s : circuit.sources) report << " (" << s.x << ',' << s.y << ')';
            report << '\n' << CodeRows(*circuit.cells, circuit.columns, circuit.rows) << DescribeFormula(circuit.formula);
            return report.str();
        }
    }
    return {};
}

struct Group {
    const char* name;
    Inverters inverters;
};

void PrintTo(const Group& group, std::ostream* out) { *out << group.name; }

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

bool AnyNode(const GeneratedCircuit& circuit, bool (*wanted)(std::int32_t)) {
    for (int x = 0; x < circuit.columns; ++x)
        for (int y = 0; y < circuit.rows; ++y)
            if (wanted(circuit.cells->at(x, y))) return true;
    return false;
}

bool FeedsSomething(const Formula& formula, int n) {
    for (const FormulaNode& node : formula.nodes)
        if (node.a == n || node.b == n) return true;
    return false;
}

struct Feature {
    const char* what;
    int atLeast;  // circuits out of the first 200
    bool (*present)(const GeneratedCircuit&);
};

// What the comparison is about must really occur in the drawn circuits.
const Feature kFeatures[] = {
    {"a crossing", 80,
     [](const GeneratedCircuit& c) { return AnyNode(c, [](std::int32_t code) { return code == Crossing; }); }},
    {"a junction dot", 150,
     [](const GeneratedCircuit& c) { return AnyNode(c, [](std::int32_t code) { return code >= JunctionE; }); }},
    {"an inverter behind a gate", 100, [](const GeneratedCircuit& c) { return HasInverterBehindGate(c.formula); }},
    {"a lamp on an inner node", 80,
     [](const GeneratedCircuit& c) {
         return std::any_of(c.formula.lamps.begin(), c.formula.lamps.end(),
                            [&](int n) { return n >= c.formula.sources && FeedsSomething(c.formula, n); });
     }},
    {"a lamp on a wire that goes on", 10,
     [](const GeneratedCircuit& c) {
         return std::any_of(c.lamps.begin(), c.lamps.end(),
                            [&](NodePos p) { return c.cells->at(p.x + 1, p.y) != Empty; });
     }},
    {"a source right of the first column", 25,
     [](const GeneratedCircuit& c) {
         return std::any_of(c.sources.begin(), c.sources.end(), [](NodePos p) { return p.x > 1; });
     }},
};

TEST(CircuitGenerator, DrawsWhatTheComparisonIsAbout) {
    int found[std::size(kFeatures)] = {};
    int crossingsChecked = 0;
    for (std::uint64_t seed = 0; seed < 200; ++seed) {
        const GeneratedCircuit circuit = GenerateCircuit(seed, ShapeOf(seed), Inverters::AsGenerated);
        for (std::size_t f = 0; f < std::size(kFeatures); ++f) found[f] += kFeatures[f].present(circuit);
        // A crossing clicked back into a junction joins two wire networks:
        // the wiring check every drawing passes must notice.
        for (int x = 0; x < circuit.columns; ++x)
            for (int y = 0; y < circuit.rows; ++y) {
                if (circuit.cells->at(x, y) != Crossing) continue;
                auto joined = std::make_unique<CellGrid>(*circuit.cells);
                joined->at(x, y) = JunctionES;
                EXPECT_FALSE(ReadWiring(*joined, circuit.columns, circuit.rows).fault.empty()) << seed;
                ++crossingsChecked;
            }
    }
    for (std::size_t f = 0; f < std::size(kFeatures); ++f)
        EXPECT_GE(found[f], kFeatures[f].atLeast) << kFeatures[f].what;
    EXPECT_GT(crossingsChecked, 0);
}

}  // namespace
}  // namespace vorn::circuitgen
