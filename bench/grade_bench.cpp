// Grading a class: 40 learners' files of 6 sources against one task, each
// file read and checked in all 64 rows, as `vorn-cli grade` does.
//   grade/class40       ReadTaskFile once, then CheckFile for every file
//   grade/check         one check of a circuit already in memory
// The files are random gate circuits drawn as a learner draws them (six
// sources, eight gates); the task asks for the first circuit's first lamp,
// so most files are wrong, and every row is evaluated either way.
// Build in Release and run, e.g.:
//   vorn_grade_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "circuitfile.h"
#include "circuitgen.h"
#include "taskcheck.h"
#include "truthtable.h"

namespace vorn::bench {
namespace {

constexpr int kClassSize = 40;

struct ClassFolder {
    std::filesystem::path folder, task;
    std::vector<std::filesystem::path> files;

    ClassFolder() {
        folder = std::filesystem::temp_directory_path() / ("vorn-grade-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        const circuitgen::FormulaShape shape{.sources = 6, .gates = 8};
        for (int i = 0; i < kClassSize; ++i) {
            auto circuit = circuitgen::GenerateCircuit(1000 + i, shape, circuitgen::Inverters::AsGenerated);
            files.push_back(folder / ("learner-" + std::to_string(i) + ".vfl"));
            WriteCircuit(files.back(), *circuit.cells);
            if (i > 0) continue;
            // The task: the first circuit's first lamp as a table column.
            SignalGrid signals;
            WorkQueue queue;
            const TruthTable table = BuildTruthTable(*circuit.cells, signals, queue);
            std::string bits;
            for (const auto& row : table.rows) bits += row[table.sources.size()] == "1" ? '1' : '0';
            task = folder / "task.vfl";
            WriteCircuit(task, *circuit.cells, {}, {{0, "; task table F1 " + bits}});
        }
    }
    ~ClassFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

void GradeClass(benchmark::State& state) {
    const ClassFolder folder;
    std::size_t rowsRight = 0;
    for (auto _ : state) {
        const Task task = ReadTaskFile(folder.task);
        TaskChecker checker;
        for (const auto& file : folder.files) rowsRight += checker.CheckFile(task, file).rowsRight;
    }
    if (rowsRight == 0) state.SkipWithError("no row right: the task does not fit its own circuit");
    state.SetItemsProcessed(state.iterations() * kClassSize);
}
BENCHMARK(GradeClass)->Name("grade/class40")->Unit(benchmark::kMillisecond);

void CheckOne(benchmark::State& state) {
    const ClassFolder folder;
    const Task task = ReadTaskFile(folder.task);
    auto cells = std::make_unique<CellGrid>();
    NameTable names;
    ReadCircuit(folder.files[0], *cells, names);
    TaskChecker checker;
    for (auto _ : state) {
        const TaskVerdict verdict = checker.Check(task, *cells, names);
        if (verdict.kind != VerdictKind::Ok) state.SkipWithError("the task's own circuit is not right");
        benchmark::DoNotOptimize(verdict.rowsRight);
    }
}
BENCHMARK(CheckOne)->Name("grade/check")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vorn::bench

BENCHMARK_MAIN();
