// Full repaints of the circuit picture, as the main window does after every
// change: a 1280 x 1024 image at zoom 1, 2 and 3, in run mode, over a circuit
// that uses every node (wires, junctions, crossings, sources, lamps,
// inverters, conjunctors and disjunctors), and over an empty field for
// comparison. Build in Release and run, e.g.:
//   vorn_render_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include <memory>

#include "cellgrid.h"
#include "circuitrenderer.h"
#include "signals.h"

namespace {

using namespace vorn;

constexpr int kWidth = 1280;
constexpr int kHeight = 1024;

// One tile of 8 columns x 4 rows, repeated over the field: a row of
// source, wire, junction, inverter, wire, lamp, crossing, wire above a gate
// block with wires, junctions, crossings and one-node elements beside it.
std::int32_t TileCode(int x, int y) {
    const int tx = x % 8, ty = y % 4;
    if (ty == 0) {
        static constexpr std::int32_t kTop[8] = {SourceOn, WireE, JunctionES, Inverter, WireE, Lamp, Crossing, WireE};
        return x % 16 == 0 ? SourceOff : kTop[tx];
    }
    switch (tx) {
        case 0:
            return ty == 2 ? ((x / 8 + y / 4) % 2 ? DisjunctorAnchor : ConjunctorAnchor) : GateInput;
        case 1:
            return ty == 2 ? GateOutput : GateCorner;
        case 2:
            return ty == 1 ? WireS : ty == 2 ? JunctionS : WireES;
        case 3:
            return Crossing;
        case 4:
            return JunctionE;
        case 5:
            return WireES;
        case 6:
            return ty == 1 ? Inverter : ty == 2 ? Lamp : SourceOn;
        default:
            return WireE;
    }
}

struct DenseCircuit {
    std::unique_ptr<CellGrid> cells = std::make_unique<CellGrid>();
    std::unique_ptr<SignalGrid> signalGrid = std::make_unique<SignalGrid>();

    DenseCircuit() {
        for (int x = 0; x < kFieldSize; ++x)
            for (int y = 0; y < kFieldSize; ++y) {
                cells->at(x, y) = TileCode(x, y);
                // "1", "0" and no signal mixed, so that every colour is used.
                const int mix = (x * 7 + y * 3) % 5;
                signalGrid->at(x, y) = mix < 2 ? Signal1 : mix < 4 ? Signal0 : NoSignal;
            }
    }
};

void Repaint(benchmark::State& state, const CellGrid& cells, const SignalGrid& signalGrid) {
    const CircuitView view{static_cast<int>(state.range(0)), 0, 0, true};
    const CircuitColors colors;
    QImage surface(kWidth, kHeight, QImage::Format_RGB32);
    RenderCircuit(surface, cells, signalGrid, view, colors);  // shapes for this zoom are made once
    for (auto _ : state) {
        RenderCircuit(surface, cells, signalGrid, view, colors);
        benchmark::DoNotOptimize(surface.constBits());
        benchmark::ClobberMemory();
    }
    const int pitch = 12 * view.zoom;
    state.counters["nodes"] = static_cast<double>((kWidth / pitch + 2) * (kHeight / pitch + 2));
}

void BM_RenderDense(benchmark::State& state) {
    static const DenseCircuit circuit;
    Repaint(state, *circuit.cells, *circuit.signalGrid);
}
BENCHMARK(BM_RenderDense)->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);

void BM_RenderEmpty(benchmark::State& state) {
    static const auto cells = std::make_unique<CellGrid>();
    static const auto signalGrid = std::make_unique<SignalGrid>();
    Repaint(state, *cells, *signalGrid);
}
BENCHMARK(BM_RenderEmpty)->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    // Labels need fonts, and fonts need an application; no display is used.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
