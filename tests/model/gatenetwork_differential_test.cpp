// The gate network reading gives exactly the propagation's lamp signals, row
// for row, on every circuit it accepts; it refuses what it cannot read.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "circuitgen.h"
#include "gatenetwork.h"
#include "grid_text.h"
#include "propagation.h"
#include "signals.h"
#include "tablerows.h"

namespace vorn::test {
namespace {

using circuitgen::DrawRandomPatch;
using circuitgen::FormulaShape;
using circuitgen::GenerateCircuit;
using circuitgen::Inverters;

// VORN_DIFFERENTIAL_CIRCUITS=20000 makes a long run.
int CircuitCount(int usual) {
    if (const char* text = std::getenv("VORN_DIFFERENTIAL_CIRCUITS")) return std::max(1, std::atoi(text));
    return usual;
}

std::vector<NodePos> Find(const CellGrid& cells, bool lamps) {
    std::vector<NodePos> found;
    for (int x = 0; x < kFieldSize; ++x)
        for (int y = 0; y < kFieldSize; ++y)
            if (lamps ? cells.at(x, y) == Lamp : IsSourceCode(cells.at(x, y))) found.push_back({x, y});
    return found;
}

class Differential : public ::testing::Test {
protected:
    // Whether the circuit is read as a gate network. The rows EvaluateEveryRow
    // gives must equal EvaluateCircuit's row for row; refused circuits are
    // only compared when `evenIfRefused`, the row by row path being the
    // propagation itself.
    bool CheckAgreement(CellGrid& cells, const std::string& name, bool evenIfRefused = false) {
        const std::vector<NodePos> sources = Find(cells, false), lamps = Find(cells, true);
        if (!evenIfRefused && !GateNetwork::Compile(cells, sources, lamps)) return false;
        const LampRows fast = EvaluateEveryRow(cells, *signals, queue, sources, lamps);
        const std::vector<std::int32_t> stored = Codes(cells, sources);
        for (std::uint32_t row = 0; row < (1u << sources.size()); ++row) {
            for (std::size_t i = 0; i < sources.size(); ++i)
                cells.at(sources[i].x, sources[i].y) = (row >> (sources.size() - 1 - i)) & 1u ? SourceOn : SourceOff;
            EvaluateCircuit(cells, *signals, queue);
            for (std::size_t l = 0; l < lamps.size(); ++l) {
                const std::int32_t expected = signals->at(lamps[l].x, lamps[l].y);
                if (fast.signals[row * lamps.size() + l] != expected) {
                    ADD_FAILURE() << name << ": row " << row << ", lamp at (" << lamps[l].x << "," << lamps[l].y
                                  << ") shows " << expected << ", the table has " << fast.signals[row * lamps.size() + l];
                    return fast.fromGateNetwork;
                }
            }
        }
        for (std::size_t i = 0; i < sources.size(); ++i) cells.at(sources[i].x, sources[i].y) = stored[i];
        return fast.fromGateNetwork;
    }

    static std::vector<std::int32_t> Codes(const CellGrid& cells, const std::vector<NodePos>& nodes) {
        std::vector<std::int32_t> codes;
        for (const NodePos& p : nodes) codes.push_back(cells.at(p.x, p.y));
        return codes;
    }

    std::unique_ptr<SignalGrid> signals = std::make_unique<SignalGrid>();
    WorkQueue queue;
};

// Generated gate networks: fan-out, crossings, inverters behind deep gates,
// sources standing further right. Every one is a sound drawing, so every one
// must be read.
TEST_F(Differential, GeneratedGateNetworksAreReadAndAgree) {
    constexpr int kDepths[] = {0, 0, 3, 5};
    const int count = CircuitCount(300);
    int accepted = 0;
    for (int i = 0; i < count; ++i) {
        const auto seed = static_cast<std::uint64_t>(i) * 7919 + 11;
        FormulaShape shape;
        shape.sources = 1 + static_cast<int>(seed % 7);
        shape.gates = std::max(1, shape.sources - 1) + static_cast<int>((seed / 7) % (shape.sources + 4));
        shape.inverterAfterGate = (seed / 3) % 2 ? 0.5 : 0.25;
        shape.maxDepth = kDepths[(seed / 5) % 4];
        if (i % 50 == 49) {  // now and then a table of many words
            shape.sources = 10;
            shape.gates = 12;
            shape.maxDepth = 4;
        }
        auto circuit = GenerateCircuit(seed, shape, i % 2 ? Inverters::AsGenerated : Inverters::PushedToSources);
        accepted += CheckAgreement(*circuit.cells, "generated seed " + std::to_string(seed));
        if (HasFailure()) return;
    }
    std::printf("generated circuits read as gate networks: %d of %d\n", accepted, count);
    EXPECT_EQ(accepted, count);
}

// Random patches of every code, gates dropped anywhere: most are refused,
// and the few accepted must agree.
TEST_F(Differential, RandomPatchesAgreeWhereverTheyAreRead) {
    std::mt19937 rng(20261207);
    const int count = CircuitCount(3000);
    int accepted = 0;
    auto cells = std::make_unique<CellGrid>();
    for (int i = 0; i < count; ++i) {
        ClearCellGrid(*cells);
        const int side = 3 + static_cast<int>(rng() % 6);
        const int left = i % 8 == 0 ? 0 : 20, top = i % 8 == 1 ? kFieldSize - side : 20;  // now and then at the field's edge
        DrawRandomPatch(*cells, rng, left, top, side, i % 3 != 0);
        accepted += CheckAgreement(*cells, "patch " + std::to_string(i));
        if (HasFailure()) return;
    }
    std::printf("random patches read as gate networks: %d of %d\n", accepted, count);
    EXPECT_GT(accepted, 0);
    EXPECT_LT(accepted, count / 2);
}

// Hand-drawn circuits where "no signal" matters, and circuits that must be
// refused; either way EvaluateEveryRow gives the propagation's signals.
struct HandCase {
    const char* name;
    std::vector<std::string> rows;
    bool read;
};

const HandCase kHandCases[] = {
    {"lamp on a wire nothing drives", {"0 1 1 8"}, true},
    {"conjunctor with its lower input undriven", {"7 18 19 0 0", "0 16 17 1 8", "0 18 19 0 0"}, true},
    {"disjunctor with its lower input undriven", {"7 18 19 0 0", "0 20 17 1 8", "0 18 19 0 0"}, true},
    {"disjunctor with no input driven", {"0 18 19 0 0", "0 20 17 1 8", "0 18 19 0 0"}, true},
    {"inverter without input", {"0 1 12 1 8"}, true},
    {"inverter behind a gate without inputs", {"0 18 19 0 0 0 0", "0 16 17 1 12 1 8", "0 18 19 0 0 0 0"}, true},
    {"two sources between them an unwired node", {"7 1 8", "0 0 0", "6 1 8"}, true},
    {"crossing above a lamp fed from the north", {"0 0 7 0 0", "0 0 2 0 0", "7 1 4 1 8", "0 0 2 0 0", "0 0 8 0 0"}, false},
    {"crossing between wires", {"0 0 7 1 2 0 0", "0 0 0 0 2 0 0", "7 1 1 1 4 1 8", "0 0 0 0 1 8 0"}, true},
    {"lamp right behind an inverter", {"7 1 12 8 1 8"}, true},
    {"lamp right at a gate's output", {"7 18 19 0", "0 16 17 8", "7 18 19 0"}, true},
    {"lamp right in front of an inverter", {"7 1 8 12 1 8"}, false},
    {"two sources on one wire", {"7 1 1 8 6"}, false},
    {"an inverter feeding itself through a loop", {"0 2 12 2 8", "0 1 1 0 0"}, false},
    {"a lamp fed from the north", {"7 52 6", "12 8 0"}, false},
    {"a gate block missing a corner", {"7 18 0 0 0", "7 16 17 1 8", "0 18 19 0 0"}, false},
};

TEST_F(Differential, HandDrawnCasesAreReadOrRefusedAndAgree) {
    for (const HandCase& hand : kHandCases) {
        auto cells = GridFromRows(hand.rows);
        EXPECT_EQ(CheckAgreement(*cells, hand.name, true), hand.read) << hand.name;
    }
}

}  // namespace
}  // namespace vorn::test
