// How long one evaluation of a full-field circuit takes, how much queue work
// it does per field node, and how it compares with a plain breadth-first
// flood over the same grid. Every circuit is measured twice: "evaluate/NAME"
// runs vorn::EvaluateCircuit with the default options, "flood/NAME" the
// flood; the table printed at the end divides the two medians (or the single
// times, without --benchmark_repetitions).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench_circuits.h"
#include "propagation.h"

namespace vorn::bench {
namespace {

constexpr double kNodes = double{kFieldSize} * kFieldSize;

const std::vector<BenchCircuit>& Circuits() {
    static const std::vector<BenchCircuit> circuits = AllCircuits();
    return circuits;
}

std::size_t CountSignalled(const SignalGrid& signals) {
    std::size_t lit = 0;
    for (int x = 0; x < kFieldSize; ++x)
        for (int y = 0; y < kFieldSize; ++y) lit += signals.at(x, y) != 0;
    return lit;
}

void Evaluate(benchmark::State& state, const BenchCircuit* circuit) {
    auto signals = std::make_unique<SignalGrid>();
    WorkQueue queue;
    EvaluationStats stats;
    for (auto _ : state) {
        stats = EvaluateCircuit(*circuit->cells, *signals, queue);
        benchmark::DoNotOptimize(stats);
        benchmark::ClobberMemory();
    }
    // Every evaluation of one circuit does the same work; the last one's
    // statistics stand for all of them.
    if (circuit->mustReach && signals->at(circuit->mustReach->x, circuit->mustReach->y) == 0) {
        state.SkipWithError("the signal did not reach the circuit's far end");
        return;
    }
    state.counters["entries/node"] = static_cast<double>(stats.appended) / kNodes;
    state.counters["steps/node"] = static_cast<double>(stats.steps) / kNodes;
    state.counters["changes/node"] = static_cast<double>(stats.signalChanges) / kNodes;
    state.counters["peak_queue"] = static_cast<double>(stats.peakQueue);
    state.counters["lit/node"] = static_cast<double>(CountSignalled(*signals)) / kNodes;
    state.counters["budget_hit"] = stats.budgetExhausted ? 1 : 0;
}

void Flood(benchmark::State& state, const BenchCircuit* circuit) {
    auto flood = std::make_unique<FloodFill>();
    std::size_t reached = 0;
    for (auto _ : state) {
        reached = flood->Run(*circuit->cells);
        benchmark::DoNotOptimize(reached);
        benchmark::ClobberMemory();
    }
    state.counters["lit/node"] = static_cast<double>(reached) / kNodes;
}

// The console output, plus the evaluation-to-flood table once every
// benchmark has run. Medians are taken when repetitions produced them,
// otherwise the single run's time.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    using ConsoleReporter::ConsoleReporter;

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (!median && !single) continue;
            const std::string& name = run.run_name.function_name;
            const std::size_t slash = name.find('/');
            if (slash == std::string::npos) continue;
            times_[name.substr(slash + 1)][name.substr(0, slash)] = run.GetAdjustedRealTime();
            unit_ = benchmark::GetTimeUnitString(run.time_unit);
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::FILE* out = stdout;
        std::fprintf(out, "\n%-16s %14s %14s %10s\n", "circuit", "evaluate", "flood", "ratio");
        for (const BenchCircuit& circuit : Circuits()) {
            const auto found = times_.find(circuit.name);
            if (found == times_.end()) continue;
            const auto eval = found->second.find("evaluate"), flood = found->second.find("flood");
            if (eval == found->second.end() || flood == found->second.end()) continue;
            std::fprintf(out, "%-16s %11.1f %-2s %11.1f %-2s %10.2f\n", circuit.name.c_str(), eval->second,
                         unit_.c_str(), flood->second, unit_.c_str(), eval->second / flood->second);
        }
        std::fflush(out);
    }

private:
    std::map<std::string, std::map<std::string, double>> times_;
    std::string unit_;
};

}  // namespace
}  // namespace vorn::bench

int main(int argc, char** argv) {
    using namespace vorn::bench;
    for (const BenchCircuit& circuit : Circuits()) {
        benchmark::RegisterBenchmark(("evaluate/" + circuit.name).c_str(), Evaluate, &circuit)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("flood/" + circuit.name).c_str(), Flood, &circuit)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    SummaryReporter reporter(isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_ColorTabular
                                                   : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
