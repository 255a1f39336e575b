// The lamp signals of every row of a circuit's truth table.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "cellgrid.h"
#include "workqueue.h"

namespace vorn {

struct LampRows {
    std::size_t lampCount = 0;
    // Row by row, the signal of every lamp: signals[row * lampCount + lamp].
    std::vector<std::int32_t> signals;
    // Whether the rows came from the circuit read as a gate network rather
    // than from one propagation per row.
    bool fromGateNetwork = false;
};

// Called now and then with the rows done so far and the rows in all.
using RowProgress = std::function<void(std::uint64_t done, std::uint64_t rows)>;

// Every combination of the sources (row r: source i of n takes bit n - 1 - i
// of r), each giving exactly the lamp signals EvaluateCircuit would. A
// circuit the gate network reading accepts is read once and evaluated 64
// rows at a time; any other is propagated row by row, with the sources
// switched in the grid and set back afterwards. The signal grid and the
// queue are left reset.
LampRows EvaluateEveryRow(CellGrid& cells, SignalGrid& signalGrid, WorkQueue& queue,
                          const std::vector<NodePos>& sources, const std::vector<NodePos>& lamps,
                          const RowProgress& progress = {});

}  // namespace vorn
