#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "circuitgen.h"
#include "circuitwarnings.h"
#include "grid_text.h"
#include "propagation.h"

namespace vorn::test {
namespace {

// A warning as one line: its kind, its sentence and the nodes it marks.
std::string Line(const CircuitWarning& w) {
    std::string line = w.kind == WarningKind::SharedWire ? "S " : w.kind == WarningKind::NoSignal ? "N " : "W ";
    line += w.text + " |";
    for (const NodePos& n : w.marks) line += " " + std::to_string(n.x) + "," + std::to_string(n.y);
    return line;
}

// Circuits drawn from (10, 10) on, and every warning they must give.
TEST(CircuitWarnings, Cases) {
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        std::vector<std::string> warnings;
    };
    const Case cases[] = {
        {"two sources on one wire", {"6 1 1 7"},
         {"S Провод в узле (11, 10) получает сигнал от двух источников: его значение зависит от порядка "
          "вычисления. | 10,10 11,10 12,10 13,10"}},
        {"a source and an inverter output on one wire", {"6 12 1 1 7"},
         {"S Провод в узле (12, 10) получает сигнал от источника и выхода элемента: его значение зависит от "
          "порядка вычисления. | 11,10 12,10 13,10 14,10"}},
        {"two inverter outputs joined by a bent wire", {"6 12 1 3", "0 0 0 2", "7 12 1 1 8"},
         {"S Провод в узле (12, 10) получает сигнал от двух выходов элементов: его значение зависит от порядка "
          "вычисления. | 11,10 11,12 12,10 12,12 13,10 13,11 13,12 14,10 14,12"}},
        {"an inverter and a source on the two sides of a lamp", {"6 12 0 8 7"},
         {"S Лампочка в узле (13, 10) получает сигнал от источника и выхода элемента: её значение зависит от "
          "порядка вычисления. | 11,10 13,10 14,10"}},
        {"two sources side by side with no wire between them", {"6", "0", "7"}, {}},
        {"a source lighting a lamp", {"6 1 8"}, {}},
        {"two lines through a crossing, each with its own source",
         {"0 0 7", "0 0 2", "6 1 4 1 8", "0 0 2", "0 0 0"}, {}},
        {"a lamp alone", {"8"},
         {"N Лампочка в узле (10, 10) не получает сигнала ни при каком положении источников. | 10,10"}},
        {"a conjunctor with its lower input open", {"6 1 1 18 19", "0 0 0 16 17 1 8", "0 0 0 18 19"},
         {"N Вход конъюнктора в узле (13, 12) не получает сигнала ни при каком положении источников. | 13,12"}},
        {"a wire one node short of an inverter's input", {"6 1 0 0 12"},
         {"N Вход инвертора в узле (14, 10) не получает сигнала ни при каком положении источников. | 14,10",
          "W Провод обрывается в узле (12, 10), не доходя одного узла до входа инвертора в узле (14, 10). | "
          "12,10 13,10"}},
        {"a wire ending right at an inverter's input", {"6 1 0 12 1 8"}, {}},
        {"a wire one node below a source", {"6", "0", "1 1 8"},
         {"N Лампочка в узле (12, 12) не получает сигнала ни при каком положении источников. | 12,12",
          "W Провод обрывается в узле (10, 12), не доходя одного узла до источника в узле (10, 10). | "
          "10,11 10,12"}},
        {"a wire starting one node after a disjunctor's output", {"6 18 19", "0 20 17 0 1 1 8", "7 18 19"},
         {"N Лампочка в узле (16, 11) не получает сигнала ни при каком положении источников. | 16,11",
          "W Провод обрывается в узле (14, 11), не доходя одного узла до выхода дизъюнктора в узле (12, 11). | "
          "13,11 14,11"}},
    };
    auto signals = std::make_unique<SignalGrid>();
    WorkQueue queue;
    for (const Case& c : cases) {
        const auto cells = GridFromRows(c.rows);
        std::vector<std::string> lines;
        for (const CircuitWarning& w : FindCircuitWarnings(*cells, *signals, queue)) lines.push_back(Line(w));
        EXPECT_EQ(lines, c.warnings) << c.name;
        EXPECT_EQ(*signals, SignalGrid{}) << c.name << ": the working signals are left reset";
    }
}

// On random patches, where loops and shared wires can make it depend on the
// positions, an input or lamp is reported without signal exactly when no
// combination of the sources brings one to the node it reads.
TEST(CircuitWarnings, NoSignalExactlyWhereNoCombinationBringsOne) {
    std::mt19937 rng(7);
    auto cells = std::make_unique<CellGrid>();
    auto signals = std::make_unique<SignalGrid>();
    WorkQueue queue;
    int dependOnPositions = 0;
    for (int i = 0; i < 600; ++i) {
        ClearCellGrid(*cells);
        const int side = 3 + static_cast<int>(rng() % 6);
        circuitgen::DrawRandomPatch(*cells, rng, 20, 20, side, i % 3 != 0);
        std::vector<NodePos> sources, watched, reads;  // reads[k]: the node watched[k] takes its signal from
        for (int x = 19; x <= 21 + side; ++x)
            for (int y = 19; y <= 21 + side; ++y) {
                const std::int32_t c = cells->at(x, y);
                if (IsSourceCode(c)) sources.push_back({x, y});
                const bool gateInput = c == GateInput && (IsGateAnchorCode(cells->at(x, y - 1)) ||
                                                          IsGateAnchorCode(cells->at(x, y + 1)));
                if (c == Lamp || c == Inverter || gateInput) {
                    watched.push_back({x, y});
                    reads.push_back({c == Lamp ? x : x - 1, y});
                }
            }
        if (sources.size() > 8) continue;
        std::set<std::pair<int, int>> reachedAny, reachedStored;
        const std::vector<CircuitWarning> warnings = FindCircuitWarnings(*cells, *signals, queue);
        for (std::uint32_t row = 0; row <= (1u << sources.size()); ++row) {
            auto& reached = row == 0 ? reachedStored : reachedAny;  // row 0: the positions as drawn
            for (std::size_t s = 0; s < sources.size() && row > 0; ++s)
                cells->at(sources[s].x, sources[s].y) = (row - 1) >> s & 1u ? SourceOn : SourceOff;
            EvaluateCircuit(*cells, *signals, queue);
            for (std::size_t k = 0; k < watched.size(); ++k)
                if (signals->at(reads[k].x, reads[k].y) != 0) reached.insert({watched[k].x, watched[k].y});
        }
        std::set<std::pair<int, int>> silent, expected;
        for (const CircuitWarning& w : warnings)
            if (w.kind == WarningKind::NoSignal) silent.insert({w.node.x, w.node.y});
        for (const NodePos& n : watched)
            if (!reachedAny.count({n.x, n.y})) expected.insert({n.x, n.y});
        ASSERT_EQ(silent, expected) << "patch " << i;
        dependOnPositions += reachedStored != reachedAny;
    }
    EXPECT_GT(dependOnPositions, 0) << "no patch where the positions matter: the test proves nothing";
}

}  // namespace
}  // namespace vorn::test
