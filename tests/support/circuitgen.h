// Random gate circuits drawn on the grid the way a learner draws them, with
// the value every lamp must show. Plain C++ over the circuit model; used by
// the differential tests of the propagation and usable by benchmarks.
//
// A circuit comes from a formula network (formula.h) and is drawn with the
// editor's own functions (PlaceSource, PlaceGate, PlaceInverter, PlaceLamp,
// WireStep node by node, ToggleCrossing), so every code is one the program
// itself writes:
// - the sources stand in column 1, one above the other, 2 or 4 rows apart;
//   now and then a source first needed further right stands in the band
//   before the one that needs it; the sources are numbered in the order the
//   propagation seeds them;
// - every gate, inverter and lamp stands in a band by its depth in the
//   network (a gate one band right of its deepest input, an inverter in the
//   band after its input, or right behind its gate's output lead when that
//   gate feeds nothing else); a band is a column of elements on even rows, a
//   gate's inputs on even rows and its output led up or down one row onto
//   an even row, and signals needed further right pass a band on a straight
//   wire;
// - between two bands lies a channel: each signal that changes rows there
//   runs along one vertical wire with branches to every input it feeds
//   (vertical wires stand two columns apart; two signals share a column
//   when their vertical wires stay two rows apart); where a branch leaves
//   its own vertical wire a junction dot appears by itself, where it passes
//   another signal's vertical wire the four-way meeting is clicked into a
//   crossing;
// - every output of the network gets a lamp, and so do some inner nodes,
//   either right after the element (on a branch of its own or on the wire
//   that carries the signal on) or at the right-hand end.
// Every drawing is read back with ReadWiring (wiringcheck.h) and must show
// each input fed by exactly the element the formula names; a layout that
// does not (or does not fit the field) is drawn again another way.
//
// Parameters: the formula's size and flavour come from FormulaShape
// (formula.h: sources, gates, how often inverters follow gates and sources,
// how many inner nodes get lamps); the seed fixes the formula and every
// choice of the drawing (spacing, order within a band, which sources and
// lamps stand further right, the order and direction the wires are drawn
// in), so a seed always gives the same grid. The drawings grow wide with
// depth: up to six sources and a dozen gates nearly always fit the field (one
// formula in about 1500 of the differential test's is replaced), and with
// maxDepth about 5 most networks of fourteen sources and thirty gates do.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "cellgrid.h"
#include "formula.h"

namespace vorn::circuitgen {

struct GeneratedCircuit {
    Formula formula;
    std::unique_ptr<CellGrid> cells;  // every source "0"
    // sources[i] is formula source i; they are in the propagation's seeding
    // order (column by column, top to bottom), source 0 the most significant
    // bit of a row number as in a truth table.
    std::vector<NodePos> sources;
    // lamps[i] shows formula node formula.lamps[i].
    std::vector<NodePos> lamps;
    // Every code lies in columns [0, columns) and rows [0, rows).
    int columns = 0;
    int rows = 0;
};

// Draws a formula; nothing when no drawing of it fits the field or passes the
// wiring check after a number of tries. Deterministic per formula and seed.
std::optional<GeneratedCircuit> DrawFormula(const Formula& formula, std::uint64_t seed);

// Which formula a circuit is drawn from.
enum class Inverters {
    AsGenerated,       // where RandomFormula puts them, behind gates as well
    PushedToSources,   // the same functions, with inverters only behind sources
};

// A random formula of the given shape drawn as a circuit; a formula that
// cannot be drawn is replaced by the next one from the same seed, so the two
// Inverters variants of a seed show the same functions (up to the numbering
// of the sources) whenever both draw.
// Throws std::runtime_error when a hundred formulas in a row do not fit.
GeneratedCircuit GenerateCircuit(std::uint64_t seed, const FormulaShape& shape, Inverters inverters);

// Switches the circuit's sources to one row of its truth table: source i
// takes bit (sources - 1 - i) of `row` (SourceOn for 1, SourceOff for 0).
void SetSourceRow(CellGrid& cells, const GeneratedCircuit& circuit, std::uint32_t row);

// The drawing within [0, columns) x [0, rows) as rows of codes, one
// "row N:" line each from the first row that holds a code to the last, every
// line from column 0: enough to redraw a case by hand.
std::string CodeRows(const CellGrid& cells, int columns, int rows);

// A square patch of random codes (more empty nodes and plain wires when
// sparse) with up to three gate blocks dropped anywhere: circuits no learner
// would draw, for the readers and rules that must cope with anything.
void DrawRandomPatch(CellGrid& grid, std::mt19937& rng, int left, int top, int side, bool sparse);

}  // namespace vorn::circuitgen
