// Warnings for learners: places where a circuit probably does not do what
// its drawing suggests, each with the nodes to mark and a plain sentence.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "cellgrid.h"
#include "workqueue.h"

namespace vorn {

enum class WarningKind {
    SharedWire,  // a wire network reached by two or more sources or element outputs
    NoSignal,    // a gate or inverter input, or a lamp, that no signal ever reaches
    ShortWire,   // a wire that ends one node short of an element's lead
};

struct CircuitWarning {
    WarningKind kind = WarningKind::SharedWire;
    NodePos node;                // the node the sentence names
    std::vector<NodePos> marks;  // the nodes to mark on the grid, column by column
    std::string text;            // one Russian sentence, in UTF-8
};

// Called now and then with the rows evaluated so far and the rows in all.
using WarningProgress = std::function<void(std::uint64_t done, std::uint64_t rows)>;

// Up to this many sources every combination is looked at.
inline constexpr std::size_t kMaxWarningRowSources = 16;

// Every warning of the circuit: shared wires first, then inputs and lamps
// without signal, then short wires; within a kind by the named node, column
// by column. Whether a signal reaches an input or lamp is asked of every
// combination of the sources: in a circuit the gate network reading accepts
// one evaluation tells it, any other is evaluated row by row (with more than
// kMaxWarningRowSources sources, only with the stored positions).
// signalGrid and queue are working storage and are left reset.
std::vector<CircuitWarning> FindCircuitWarnings(const CellGrid& cells, SignalGrid& signalGrid, WorkQueue& queue,
                                                const WarningProgress& progress = {});

}  // namespace vorn
