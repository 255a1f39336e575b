// Gates fed by gates: whatever the order in which their inputs arrive, the
// lamp behind them shows the circuit's true function, inverters included.
#include <functional>
#include <regex>

#include "propagation_fixture.h"
#include "signals.h"

namespace vorn::test {
namespace {

// Chains of gates, each fed by the one before and by a source of its own,
// the last one's output through a wire to a lamp. In the rows, "G1".."G3"
// stand for the anchors, "N1" for the lead behind the first gate and "N2"
// for the node in front of the lamp: an inverter or a plain wire each.
const std::vector<std::string> kTwoGates = {
    "0 7 1 18 19 0  0  0  0  0  0  0  0",
    "0 0 0 G1 17 N1 1 18 19  0  0  0  0",
    "0 7 1 18 19 0  0 G2 17  1 N2  1  8",
    "0 0 0  0  0 0  7 18 19  0  0  0  0",
};
const std::vector<std::string> kThreeGates = {
    "0 7 1 18 19 0  0  0  0 0 0  0  0 0  0 0 0",
    "0 0 0 G1 17 N1 1 18 19 0 0  0  0 0  0 0 0",
    "0 7 1 18 19 0  0 G2 17 1 1 18 19 0  0 0 0",
    "0 0 0  0  0 0  7 18 19 0 0 G3 17 1 N2 1 8",
    "0 0 0  0  0 0  0  0  0 0 7 18 19 0  0 0 0",
};

struct ChainCase {
    std::string gates;  // 'A' conjunctor, 'O' disjunctor, one per gate
    bool inverterBehindFirst;
    bool inverterBeforeLamp;
};

class GateChains : public PropagationTest, public ::testing::WithParamInterface<ChainCase> {
protected:
    // The chain's function of its sources, first source the most significant bit.
    static bool Expected(const ChainCase& k, unsigned row, int sources) {
        auto bit = [&](int i) { return ((row >> (sources - 1 - i)) & 1u) != 0; };
        auto gate = [](char kind, bool a, bool b) { return kind == 'A' ? a && b : a || b; };
        bool value = gate(k.gates[0], bit(0), bit(1));
        if (k.inverterBehindFirst) value = !value;
        for (std::size_t g = 1; g < k.gates.size(); ++g) value = gate(k.gates[g], value, bit(static_cast<int>(g) + 1));
        return k.inverterBeforeLamp ? !value : value;
    }
};

TEST_P(GateChains, LampShowsTheChainsFunctionForEverySourceRow) {
    const ChainCase& k = GetParam();
    std::vector<std::string> rows = k.gates.size() == 2 ? kTwoGates : kThreeGates;
    for (std::string& row : rows) {
        for (std::size_t g = 0; g < k.gates.size(); ++g)
            row = std::regex_replace(row, std::regex("G" + std::to_string(g + 1)),
                                     std::to_string(k.gates[g] == 'A' ? ConjunctorAnchor : DisjunctorAnchor));
        row = std::regex_replace(row, std::regex("N1"), k.inverterBehindFirst ? "12" : "1");
        row = std::regex_replace(row, std::regex("N2"), k.inverterBeforeLamp ? "12" : "1");
    }
    cells = GridFromRows(rows);
    // Sources in the order the propagation seeds them: column by column.
    std::vector<std::pair<int, int>> sources;
    for (int x = 0; x < kFieldSize; ++x)
        for (int y = 0; y < kFieldSize; ++y)
            if (cells->at(x, y) == SourceOn) sources.emplace_back(x, y);
    const int lampColumn = k.gates.size() == 2 ? 12 : 16, lampRow = k.gates.size() == 2 ? 2 : 3;
    const int n = static_cast<int>(sources.size());
    ASSERT_EQ(n, static_cast<int>(k.gates.size()) + 1);
    for (unsigned row = 0; row < (1u << n); ++row) {
        for (int i = 0; i < n; ++i)
            cells->at(sources[i].first, sources[i].second) = ((row >> (n - 1 - i)) & 1u) ? SourceOn : SourceOff;
        Evaluate();
        EXPECT_EQ(At(lampColumn, lampRow), Expected(k, row, n) ? Signal1 : Signal0) << "sources row " << row;
    }
}

std::vector<ChainCase> AllChains() {
    std::vector<ChainCase> cases;
    for (const char* gates : {"AA", "AO", "OA", "OO", "AAA", "AOA", "OAO", "OOO", "OAA", "AOO"})
        for (bool first : {false, true})
            for (bool last : {false, true}) cases.push_back({gates, first, last});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(AllKinds, GateChains, ::testing::ValuesIn(AllChains()), [](const auto& info) {
    return info.param.gates + (info.param.inverterBehindFirst ? "_notFirst" : "") +
           (info.param.inverterBeforeLamp ? "_notLast" : "");
});

}  // namespace
}  // namespace vorn::test
