// Truth tables of gate circuits, the old way (one propagation per row) and
// the new (the circuit read once as a gate network, 64 rows per word), side
// by side, with the cost of one row each way:
//   table/rows/NAME     every row by EvaluateCircuit, as the table used to
//   table/network/NAME  EvaluateEveryRow, reading the circuit included
//   table/text/NAME     BuildTruthTable: the rows as the table's texts
//   row/evaluate/NAME   one EvaluateCircuit
//   row/compile/NAME    reading the circuit into a gate network
// "per_row" is the time of one row. Build in Release and run, e.g.:
//   vorn_table_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "bench_circuits.h"
#include "gatenetwork.h"
#include "propagation.h"
#include "tablerows.h"
#include "truthtable.h"

namespace vorn::bench {
namespace {

// Bands of gates, `perBand` in each, stacked four rows apart. The first
// band reads two sources per gate; in every later band gate k reads gate k
// and gate k + 1 of the band before (the last one reads its own neighbour
// twice), each output fanned out by a vertical wire to two or three inputs.
// Every third output lead runs through an inverter; the last band drives
// one lamp per gate. 2 * perBand sources, bands * perBand gates.
std::unique_ptr<CellGrid> GateBandCircuit(int perBand, int bands) {
    auto cells = std::make_unique<CellGrid>();
    CellGrid& c = *cells;
    int x = 2;  // the anchor column of the current band
    for (int k = 0; k < perBand; ++k) {
        c.at(x - 1, 4 * k + 1) = SourceOff;
        c.at(x - 1, 4 * k + 3) = SourceOff;
    }
    for (int band = 0; band < bands; ++band) {
        const bool last = band == bands - 1;
        for (int k = 0; k < perBand; ++k) {
            const int y = 4 * k + 2;
            PlaceGate(c, x, y, (k + band) % 2 == 0);
            c.at(x + 2, y) = WireE;
            if (last) {
                c.at(x + 3, y) = Lamp;
                continue;
            }
            c.at(x + 3, y) = (k + 2 * band) % 3 == 0 ? Inverter : WireE;
            // The vertical wire in column x + 4 from the inputs it feeds to
            // the row its signal arrives on.
            const int column = x + 4;
            std::vector<int> leave{y - 1};
            if (k > 0) leave.push_back(y - 3);
            if (k == perBand - 1) leave.push_back(y + 1);
            int low = y, high = y;
            for (int r : leave) {
                low = std::min(low, r);
                high = std::max(high, r);
            }
            for (int r = low; r <= high; ++r) {
                const bool east = std::find(leave.begin(), leave.end(), r) != leave.end();
                const bool south = r < high;
                c.at(column, r) = east && south ? WireES : east ? WireE : south ? WireS : Empty;
                if (east) c.at(column + 1, r) = WireE;
            }
        }
        x += 7;
    }
    return cells;
}

struct TableCircuit {
    std::string name;
    std::unique_ptr<CellGrid> cells;
    std::vector<NodePos> sources, lamps;
};

const std::vector<TableCircuit>& Circuits() {
    static const std::vector<TableCircuit> circuits = [] {
        std::vector<TableCircuit> all;
        for (const auto& [name, perBand, bands] : {std::tuple{"10_sources_70_gates", 5, 14},
                                                   std::tuple{"14_sources_98_gates", 7, 14}}) {
            TableCircuit circuit{name, GateBandCircuit(perBand, bands), {}, {}};
            circuit.sources = FindSources(*circuit.cells);
            circuit.lamps = FindLamps(*circuit.cells);
            all.push_back(std::move(circuit));
        }
        return all;
    }();
    return circuits;
}

void SetRow(CellGrid& cells, const std::vector<NodePos>& sources, std::uint64_t row) {
    for (std::size_t i = 0; i < sources.size(); ++i)
        cells.at(sources[i].x, sources[i].y) = (row >> (sources.size() - 1 - i)) & 1u ? SourceOn : SourceOff;
}

void PerRow(benchmark::State& state, std::uint64_t rows) {
    state.counters["per_row"] = benchmark::Counter(static_cast<double>(rows),
                                                   benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The rows the old way and the new must agree, and the new must have read
// the circuit as a gate network; otherwise the figures mean nothing.
bool Verified(const TableCircuit& circuit, benchmark::State& state) {
    CellGrid cells = *circuit.cells;
    auto signals = std::make_unique<SignalGrid>();
    WorkQueue queue;
    const LampRows fast = EvaluateEveryRow(cells, *signals, queue, circuit.sources, circuit.lamps);
    if (!fast.fromGateNetwork) {
        state.SkipWithError("the circuit was not read as a gate network");
        return false;
    }
    const std::uint64_t rows = std::uint64_t{1} << circuit.sources.size();
    for (std::uint64_t row = 0; row < rows; row += 97) {
        SetRow(cells, circuit.sources, row);
        EvaluateCircuit(cells, *signals, queue);
        for (std::size_t l = 0; l < circuit.lamps.size(); ++l)
            if (signals->at(circuit.lamps[l].x, circuit.lamps[l].y) != fast.signals[row * circuit.lamps.size() + l]) {
                state.SkipWithError("the gate network disagrees with the propagation");
                return false;
            }
    }
    return true;
}

void TableByRows(benchmark::State& state, const TableCircuit* circuit) {
    CellGrid cells = *circuit->cells;
    auto signals = std::make_unique<SignalGrid>();
    WorkQueue queue;
    const std::uint64_t rows = std::uint64_t{1} << circuit->sources.size();
    std::vector<std::int32_t> out(rows * circuit->lamps.size());
    for (auto _ : state) {
        for (std::uint64_t row = 0; row < rows; ++row) {
            SetRow(cells, circuit->sources, row);
            EvaluateCircuit(cells, *signals, queue);
            for (std::size_t l = 0; l < circuit->lamps.size(); ++l)
                out[row * circuit->lamps.size() + l] = signals->at(circuit->lamps[l].x, circuit->lamps[l].y);
        }
        benchmark::DoNotOptimize(out.data());
    }
    PerRow(state, rows);
}

void TableByNetwork(benchmark::State& state, const TableCircuit* circuit) {
    if (!Verified(*circuit, state)) return;
    CellGrid cells = *circuit->cells;
    auto signals = std::make_unique<SignalGrid>();
    WorkQueue queue;
    for (auto _ : state) {
        LampRows rows = EvaluateEveryRow(cells, *signals, queue, circuit->sources, circuit->lamps);
        benchmark::DoNotOptimize(rows.signals.data());
    }
    PerRow(state, std::uint64_t{1} << circuit->sources.size());
}

void TableText(benchmark::State& state, const TableCircuit* circuit) {
    CellGrid cells = *circuit->cells;
    auto signals = std::make_unique<SignalGrid>();
    WorkQueue queue;
    for (auto _ : state) {
        TruthTable table = BuildTruthTable(cells, *signals, queue);
        benchmark::DoNotOptimize(table.rows.data());
    }
    PerRow(state, std::uint64_t{1} << circuit->sources.size());
}

void OneEvaluation(benchmark::State& state, const TableCircuit* circuit) {
    CellGrid cells = *circuit->cells;
    SetRow(cells, circuit->sources, 0x2b5);
    auto signals = std::make_unique<SignalGrid>();
    WorkQueue queue;
    for (auto _ : state) {
        EvaluationStats stats = EvaluateCircuit(cells, *signals, queue);
        benchmark::DoNotOptimize(stats);
    }
}

void Compile(benchmark::State& state, const TableCircuit* circuit) {
    for (auto _ : state) {
        auto network = GateNetwork::Compile(*circuit->cells, circuit->sources, circuit->lamps);
        benchmark::DoNotOptimize(network);
    }
}

}  // namespace
}  // namespace vorn::bench

int main(int argc, char** argv) {
    using namespace vorn::bench;
    for (const TableCircuit& circuit : Circuits()) {
        const struct {
            const char* kind;
            void (*run)(benchmark::State&, const TableCircuit*);
        } kinds[] = {{"table/rows/", TableByRows}, {"table/network/", TableByNetwork}, {"table/text/", TableText},
                     {"row/evaluate/", OneEvaluation}, {"row/compile/", Compile}};
        for (const auto& kind : kinds)
            benchmark::RegisterBenchmark((kind.kind + circuit.name).c_str(), kind.run, &circuit)
                ->Unit(benchmark::kMillisecond)
                ->MeasureProcessCPUTime();
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
