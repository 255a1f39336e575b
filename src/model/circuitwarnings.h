// Warnings for learners: places where a circuit probably does not do what
// its drawing suggests, each with the nodes to mark and a plain sentence.
#pragma once

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

// Every warning of the circuit: shared wires first, then inputs and lamps
// without signal, then short wires; within a kind by the named node, column
// by column. Whether a signal arrives somewhere does not depend on the
// switch positions (every element passes a signal on as soon as one reaches
// it, whatever its value), so one evaluation with the stored positions tells
// it for every combination; signalGrid and queue are its working storage and
// are left reset.
std::vector<CircuitWarning> FindCircuitWarnings(const CellGrid& cells, SignalGrid& signalGrid, WorkQueue& queue);

}  // namespace vorn
