// Reads a drawn circuit back by what its codes mean: which wire networks the
// segments, junctions and crossings form, and which element drives the
// network at each input. Independent of the signal propagation, so a layout
// can be checked before the propagation is asked about it.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "cellgrid.h"

namespace vorn::circuitgen {

struct WiringReading {
    // Empty when the drawing is sound: every wire ends at a wire node or at
    // an element's terminal, no source touches an element beside it, every
    // wire network has at most one driver and every input exactly one.
    std::string fault;
    // For every lamp, inverter and gate (keyed by its node, a gate by its
    // anchor): the node of the element driving each input (a source, an
    // inverter or a gate anchor). A lamp and an inverter have one input, a
    // gate two, the upper one first.
    std::map<std::pair<int, int>, std::vector<NodePos>> drivers;
};

// Reads the nodes [0, columns) x [0, rows); everything outside must be Empty.
// A wire network is the nodes joined by segments (a crossing's west-east
// and north-south lines are separate), together with the nodes elements
// touch: a source joins its four neighbours, a lamp sits on the network of
// its west and east neighbours, an inverter reads its west and drives its
// east neighbour, a gate reads the nodes west of its inputs and drives the
// node east of its output. An Empty node that no segment and no terminal
// other than a source reaches is no wire at all.
WiringReading ReadWiring(const CellGrid& cells, int columns, int rows);

}  // namespace vorn::circuitgen
