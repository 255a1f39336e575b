// A circuit read once as a network of logic elements, evaluated for 64 rows
// of its truth table at a time.
//
// The reading accepts only circuits whose every node it understands, and
// only where the propagation is known to settle on the elements' plain
// functions: a circuit without loops in which every wire network has at most
// one driver. Anything else is refused, and the caller evaluates row by row.
//
// What it accepts:
// - codes: empty, wires, junctions, crossings, sources, lamps, inverters and
//   complete gate blocks (every input, corner and output part belongs to
//   exactly one anchor); nothing non-empty outside the field;
// - a wire segment ends on a wire node, a source, or from the west on a
//   lamp, an inverter or a gate input; a crossing has wire nodes on all four
//   sides, entered by segments from the west and the north;
// - a source touches only wire nodes, a lamp on either side, or (east) an
//   inverter or a gate input; a lamp has a wire node or a source on both
//   sides, or on its west the inverter or the gate output that drives it;
//   an inverter reads a wire node or a source and drives a wire node or a
//   lamp; a gate reads wire nodes or sources west of its inputs and drives a
//   wire node or a lamp east of its output;
// - the wire networks (segments, crossing lines, lamps joining their two
//   sides, sources joining the wire nodes around them that are part of some
//   wire) each have at most one driver, and no chain of gates and inverters
//   leads from a network back to itself.
// Every network of such a circuit rises once, from no signal to the value of
// its driver, so a lamp shows its network's value: a source's position, an
// inverter's or a gate's function of its input networks, or no signal when
// nothing drives it. A gate input without signal counts as "0" while the other
// has one; both without give no signal; an inverter without input gives none.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "cellgrid.h"

namespace vorn {

// Rows are numbered as in a truth table: source i of n takes bit (n - 1 - i).
class GateNetwork {
public:
    // Reads the circuit with the given sources (in the order the table
    // numbers them) and lamps; nothing when the circuit is not one the
    // reading accepts or a listed node holds no source or lamp.
    static std::optional<GateNetwork> Compile(const CellGrid& cells, const std::vector<NodePos>& sources,
                                              const std::vector<NodePos>& lamps);

    // The lamps of rows 64 * word .. 64 * word + 63: bit j of hasSignal[l]
    // tells whether lamp l has a signal in row 64 * word + j, bit j of
    // isOne[l] whether it shows "1". Both are resized to the lamp count.
    void EvaluateWord(std::uint32_t word, std::vector<std::uint64_t>& hasSignal, std::vector<std::uint64_t>& isOne);

    std::size_t elementCount() const { return steps_.size(); }

private:
    enum class Op : std::uint8_t { Source, Not, And, Or };
    struct Step {
        Op op;
        std::uint32_t out, a, b;  // networks; for a Source, a is the bit of the row number
    };

    std::vector<Step> steps_;  // every input computed before its use
    std::vector<std::uint32_t> lampNets_;
    std::vector<std::uint64_t> hasSignal_, isOne_;  // per network, for the current word
};

}  // namespace vorn
