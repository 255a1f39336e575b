// What one editing gesture costs on a full 256 x 256 field: a drag step of
// the wire tool, a press as the window handles it (the grid copied into the
// gesture snapshot, then one edit and its solder points), erasing and
// placing a gate, and the undo history five and a hundred steps deep,
// with the memory its stored steps take.
//
// Every benchmark keeps its grid in a steady state, so each iteration does
// the same kind of work: edits alternate with their reverse, a drag over
// the whole field starts again on the grid it began with, and the undo
// history stays full. A benchmark whose edits stop doing what its name says
// ends with an error instead of a time.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "bench_circuits.h"
#include "editing.h"
#include "history.h"

namespace vorn::bench {
namespace {

// Gate blocks of the bands start every third column from 1, so one begins
// at this column and the seam between the two halves cuts none.
constexpr int kSeam = 127;

bool SettleSolderPoints(CellGrid& cells) {
    bool changed = false;
    for (int x = 0; x < kFieldSize; ++x)
        for (int y = 0; y < kFieldSize; ++y) changed |= RefreshSolderPoints(cells, x, y);
    return changed;
}

// The crowded field: the chained gate bands (gates, sources, leads) west of
// the seam, the wire mesh (wires, junctions, crossings) east of it with
// lamps and inverters hung on it, and every solder point settled the way
// the editor leaves it, so that an edit changes only what it causes itself.
std::unique_ptr<CellGrid> MakeCrowdedField() {
    auto cells = GateBands().cells;
    const auto mesh = WireMesh().cells;
    for (int x = kSeam; x < kFieldSize; ++x) {
        for (int y = 0; y < kFieldSize; ++y) {
            std::int32_t code = mesh->at(x, y);
            if (code != Crossing && code != Empty) {
                if ((x + 2 * y) % 9 == 0) code = Lamp;
                else if ((x + 2 * y) % 9 == 4) code = Inverter;
            }
            cells->at(x, y) = code;
        }
    }
    for (int pass = 0; pass < 4 && SettleSolderPoints(*cells); ++pass) {
    }
    return cells;
}

const CellGrid& Crowded() {
    static const auto cells = MakeCrowdedField();
    return *cells;
}

const CellGrid& Blank() {
    static const auto cells = NewGrid();
    return *cells;
}

// The first node from `from` on, column by column, whose code passes `match`.
template <typename Match>
std::optional<NodePos> FindNode(const CellGrid& cells, NodePos from, Match match) {
    for (int x = from.x; x < kFieldSize; ++x)
        for (int y = x == from.x ? from.y : 0; y < kFieldSize; ++y)
            if (match(cells.at(x, y))) return NodePos{x, y};
    return std::nullopt;
}

void CountChanges(benchmark::State& state, std::int64_t changed) {
    state.counters["changed"] = benchmark::Counter(static_cast<double>(changed), benchmark::Counter::kAvgIterations);
}

// Node k of a path that runs east along row 0, west along row 1 and so on
// through the whole field; consecutive nodes are neighbours.
constexpr int kPathSteps = kFieldSize * kFieldSize - 1;

NodePos PathNode(int k) {
    const int y = k / kFieldSize, i = k % kFieldSize;
    return {y % 2 ? kFieldSize - 1 - i : i, y};
}

// A drag along the path, one step per iteration from the previous node to
// the next, drawing a new segment wherever the field is still empty. When
// the path is done (every 65535 steps) the grid is put back with the timer
// paused.
void WireStepAlongPath(benchmark::State& state, const CellGrid* start) {
    auto grid = std::make_unique<CellGrid>(*start);
    int k = 0;
    std::int64_t changed = 0, refused = 0;
    for (auto _ : state) {
        if (k == kPathSteps) {
            state.PauseTiming();
            *grid = *start;
            k = 0;
            state.ResumeTiming();
        }
        const WireStepResult step = WireStep(*grid, PathNode(k), PathNode(k + 1));
        ++k;
        changed += step.changed;
        refused += !step.taken;
    }
    if (refused > 0) return state.SkipWithError("a step between neighbours was not taken");
    CountChanges(state, changed);
}

// A drag back and forth over one segment between `west` and its east
// neighbour. Only the first step draws; the rest retrace, which needs no
// reset at all.
void WireStepBackAndForth(benchmark::State& state, const CellGrid* start, NodePos west) {
    auto grid = std::make_unique<CellGrid>(*start);
    const NodePos east{west.x + 1, west.y};
    bool eastward = true;
    std::int64_t changed = 0, refused = 0;
    for (auto _ : state) {
        const WireStepResult step = eastward ? WireStep(*grid, west, east) : WireStep(*grid, east, west);
        eastward = !eastward;
        changed += step.changed;
        refused += !step.taken;
    }
    if (refused > 0) return state.SkipWithError("a step between neighbours was not taken");
    CountChanges(state, changed);
}

// The copy a press begins with, and nothing else: the floor of every press.
void SnapshotOnly(benchmark::State& state) {
    const auto grid = std::make_unique<CellGrid>(Crowded());
    const auto snapshot = std::make_unique<CellGrid>();
    for (auto _ : state) {
        *snapshot = *grid;
        benchmark::DoNotOptimize(snapshot.get());
        benchmark::ClobberMemory();
    }
}

// A press with the eraser or the lamp tool on the lamp at `spot`,
// alternately taking it away and putting it back, each after the snapshot.
void PressLamp(benchmark::State& state, NodePos spot) {
    const auto grid = std::make_unique<CellGrid>(Crowded());
    const auto snapshot = std::make_unique<CellGrid>();
    bool present = true;
    std::int64_t failed = 0;
    for (auto _ : state) {
        *snapshot = *grid;
        benchmark::DoNotOptimize(snapshot.get());
        benchmark::ClobberMemory();
        bool done;
        if (present) {
            done = EraseAtNode(*grid, spot.x, spot.y, EraseMode::Press);
            RefreshSolderPoints(*grid, spot.x, spot.y);
        } else {
            done = PlaceLamp(*grid, spot.x, spot.y);
        }
        present = !present;
        failed += !done;
    }
    if (failed > 0) state.SkipWithError("the lamp was not erased or placed");
}

// A press with the source tool on the source at `spot`: it flips between
// off and on, each time after the snapshot.
void PressSource(benchmark::State& state, NodePos spot) {
    const auto grid = std::make_unique<CellGrid>(Crowded());
    const auto snapshot = std::make_unique<CellGrid>();
    std::int64_t failed = 0;
    for (auto _ : state) {
        *snapshot = *grid;
        benchmark::DoNotOptimize(snapshot.get());
        benchmark::ClobberMemory();
        failed += !PlaceSource(*grid, spot.x, spot.y);
    }
    if (failed > 0 || !IsSourceCode(grid->at(spot.x, spot.y))) state.SkipWithError("the source was not toggled");
}

// Erasing the gate anchored at `anchor` by a press on its upper output-side
// corner, and placing it again, alternately.
void GateEraseAndPlace(benchmark::State& state, NodePos anchor) {
    const auto grid = std::make_unique<CellGrid>(Crowded());
    const GateKind kind = grid->at(anchor.x, anchor.y) == ConjunctorAnchor ? GateKind::Conjunctor
                                                                            : GateKind::Disjunctor;
    const NodePos corner{anchor.x + 1, anchor.y - 1};
    bool present = true;
    std::int64_t failed = 0;
    for (auto _ : state) {
        bool done;
        if (present) {
            done = EraseAtNode(*grid, corner.x, corner.y, EraseMode::Press);
            RefreshSolderPoints(*grid, corner.x, corner.y);
        } else {
            done = PlaceGate(*grid, anchor.x, anchor.y, kind);
        }
        present = !present;
        failed += !done;
    }
    if (failed > 0) state.SkipWithError("the gate was not erased or placed");
}

// A history filled to `depth` by as many different gestures on the grid,
// each erasing the next element of the field, so that every stored step
// holds the few nodes a gesture changes.
std::unique_ptr<UndoHistory> FullHistory(CellGrid& grid, int depth) {
    auto history = std::make_unique<UndoHistory>(depth);
    NodePos from{0, 0};
    for (int k = 0; k < depth; ++k) {
        history->PushUndo(grid);
        if (const auto node = FindNode(grid, from, IsElementCode)) {
            EraseAtNode(grid, node->x, node->y, EraseMode::Press);
            RefreshSolderPoints(grid, node->x, node->y);
            from = *node;
        }
    }
    return history;
}

void CountStoredBytes(benchmark::State& state, const UndoHistory& history) {
    state.counters["stored_bytes"] = static_cast<double>(history.StoredBytes());
}

// The record of a change once the undo stack is full, so the oldest state
// drops out every time.
void PushUndoFull(benchmark::State& state, int depth) {
    const auto grid = std::make_unique<CellGrid>(Crowded());
    const auto history = FullHistory(*grid, depth);
    CountStoredBytes(state, *history);
    for (auto _ : state) history->PushUndo(*grid);
    if (history->UndoCount() != depth) state.SkipWithError("the undo stack is not full");
}

enum class Timed { UndoAndRedo, UndoOnly, RedoOnly };

// Undo from a full undo stack and an empty redo stack, then Redo back to
// that state. The time reported is that of the half named (or of both),
// read from the steady clock around it: pausing the benchmark timer instead
// costs a system call whose cache disturbance shows up in the next copies.
// The CPU column covers the whole iteration.
void UndoRedo(benchmark::State& state, Timed timed, int depth) {
    using Clock = std::chrono::steady_clock;
    const auto grid = std::make_unique<CellGrid>(Crowded());
    const auto history = FullHistory(*grid, depth);
    std::int64_t failed = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        failed += !history->Undo(*grid);
        const Clock::time_point middle = Clock::now();
        failed += !history->Redo(*grid);
        const Clock::time_point end = Clock::now();
        const Clock::duration spent = timed == Timed::UndoOnly   ? middle - start
                                      : timed == Timed::RedoOnly ? end - middle
                                                                 : end - start;
        state.SetIterationTime(std::chrono::duration<double>(spent).count());
    }
    if (failed > 0 || history->UndoCount() != depth || history->RedoCount() != 0)
        state.SkipWithError("the history left its steady state");
    CountStoredBytes(state, *history);
}

// What each of the hundred steps of a deep history changes.
enum class StepSize {
    Gesture,    // the few nodes of one erasing gesture
    WholeField, // the crowded field and the blank one in turn
    EveryNode,  // every node of the field, to a code unlike the step before: the most a step can store
};

// All the way back through a full deep history and forward again, with the
// memory the hundred steps take.
void DeepHistoryRoundTrip(benchmark::State& state, StepSize size) {
    const int depth = UndoHistory::kMaxDepth;
    auto grid = std::make_unique<CellGrid>(Crowded());
    std::unique_ptr<UndoHistory> history;
    if (size == StepSize::Gesture) {
        history = FullHistory(*grid, depth);
    } else {
        history = std::make_unique<UndoHistory>(depth);
        constexpr std::int32_t kCodes[] = {WireE, WireS, WireES, Crossing, Lamp, Inverter, JunctionES};
        for (int k = 0; k < depth; ++k) {
            history->PushUndo(*grid);
            if (size == StepSize::WholeField) {
                *grid = k % 2 ? Crowded() : Blank();
                continue;
            }
            for (int x = 0; x <= kFieldSize; ++x)
                for (int y = 0; y <= kFieldSize; ++y) grid->at(x, y) = kCodes[(k + x + y) % std::size(kCodes)];
        }
    }
    CountStoredBytes(state, *history);
    std::int64_t failed = 0;
    for (auto _ : state) {
        for (int k = 0; k < depth; ++k) failed += !history->Undo(*grid);
        for (int k = 0; k < depth; ++k) failed += !history->Redo(*grid);
    }
    if (failed > 0 || history->UndoCount() != depth) state.SkipWithError("the history left its steady state");
}

}  // namespace
}  // namespace vorn::bench

int main(int argc, char** argv) {
    using namespace vorn;
    using namespace vorn::bench;
    const CellGrid& crowded = Crowded();
    const auto lamp = FindNode(crowded, {192, 128}, [](std::int32_t c) { return c == Lamp; });
    const auto source = FindNode(crowded, {0, 128}, IsSourceCode);
    const auto gate = FindNode(crowded, {64, 128}, IsGateAnchorCode);
    if (!lamp || !source || !gate) {
        std::fprintf(stderr, "the crowded field lacks a lamp, a source or a gate to edit\n");
        return 1;
    }
    // Back and forth in the middle of the empty field, and from a gate's
    // output onto its lead among the gate bands.
    const NodePos middle{kFieldSize / 2, kFieldSize / 2};
    const NodePos output{gate->x + 1, gate->y};

    const auto ns = benchmark::kNanosecond, us = benchmark::kMicrosecond;
    benchmark::RegisterBenchmark("wire_step/empty/path", WireStepAlongPath, &Blank())->Unit(ns);
    benchmark::RegisterBenchmark("wire_step/crowded/path", WireStepAlongPath, &crowded)->Unit(ns);
    benchmark::RegisterBenchmark("wire_step/empty/back_and_forth", WireStepBackAndForth, &Blank(), middle)->Unit(ns);
    benchmark::RegisterBenchmark("wire_step/crowded/back_and_forth", WireStepBackAndForth, &crowded, output)
        ->Unit(ns);
    benchmark::RegisterBenchmark("press/snapshot_only", SnapshotOnly)->Unit(us);
    benchmark::RegisterBenchmark("press/lamp_erase_place", PressLamp, *lamp)->Unit(us);
    benchmark::RegisterBenchmark("press/source_toggle", PressSource, *source)->Unit(us);
    benchmark::RegisterBenchmark("gate/erase_place", GateEraseAndPlace, *gate)->Unit(ns);
    for (const int depth : {UndoHistory::kDepth, UndoHistory::kMaxDepth}) {
        const std::string suffix = "/depth" + std::to_string(depth);
        benchmark::RegisterBenchmark(("history/push_undo_full" + suffix).c_str(), PushUndoFull, depth)->Unit(us);
        benchmark::RegisterBenchmark(("history/undo_then_redo" + suffix).c_str(), UndoRedo, Timed::UndoAndRedo, depth)
            ->UseManualTime()
            ->Unit(us);
        benchmark::RegisterBenchmark(("history/undo" + suffix).c_str(), UndoRedo, Timed::UndoOnly, depth)->UseManualTime()->Unit(us);
        benchmark::RegisterBenchmark(("history/redo" + suffix).c_str(), UndoRedo, Timed::RedoOnly, depth)->UseManualTime()->Unit(us);
    }
    benchmark::RegisterBenchmark("history/100_steps_there_and_back/gestures", DeepHistoryRoundTrip, StepSize::Gesture)
        ->Unit(us);
    benchmark::RegisterBenchmark("history/100_steps_there_and_back/whole_field", DeepHistoryRoundTrip,
                                 StepSize::WholeField)
        ->Unit(us);
    benchmark::RegisterBenchmark("history/100_steps_there_and_back/every_node", DeepHistoryRoundTrip,
                                 StepSize::EveryNode)
        ->Unit(us);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
