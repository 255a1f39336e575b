// Full-field circuits for the propagation benchmarks, and the plain flood
// fill they are compared against.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cellgrid.h"

namespace vorn::bench {

struct Node {
    int x, y;
};

struct BenchCircuit {
    std::string name;
    std::unique_ptr<CellGrid> cells;
    // A node the signal has to reach; an evaluation that leaves it without
    // signal means the circuit no longer measures what its name says.
    std::optional<Node> mustReach;
};

inline std::unique_ptr<CellGrid> NewGrid() { return std::make_unique<CellGrid>(); }

// (a) Nothing at all: the cost of resetting and scanning the field.
inline BenchCircuit EmptyField() { return {"empty", NewGrid(), std::nullopt}; }

// (b) Every field node a source, "0" and "1" mixed without a simple stripe.
inline BenchCircuit SourceField() {
    auto cells = NewGrid();
    for (int x = 0; x < kFieldSize; ++x)
        for (int y = 0; y < kFieldSize; ++y) cells->at(x, y) = (x * 31 + y * 17) % 3 == 0 ? SourceOn : SourceOff;
    return {"sources", std::move(cells), Node{255, 255}};
}

// (c) Every node joined to its east and south neighbours, with crossings and
// junctions scattered over it, driven by a single source in the middle so
// that the signal has to travel both with and against the wires' direction.
inline BenchCircuit WireMesh() {
    auto cells = NewGrid();
    for (int x = 0; x < kFieldSize; ++x) {
        for (int y = 0; y < kFieldSize; ++y) {
            const bool lastX = x == kFieldSize - 1, lastY = y == kFieldSize - 1;
            std::int32_t code = lastX ? (lastY ? Empty : WireS) : (lastY ? WireE : WireES);
            if (!lastX && !lastY && (x * 7 + y * 3) % 11 == 0)
                code = Crossing;
            else if (code == WireES && (x + y) % 5 == 0)
                code = JunctionES;
            cells->at(x, y) = code;
        }
    }
    cells->at(128, 128) = SourceOn;
    return {"mesh", std::move(cells), Node{0, 1}};  // column 0, as far west as the signal gets
}

// (d1) Every row a chain: a source in column 0, then inverter, wire,
// inverter, wire ... up to column 255, so each row is 128 inverters deep.
inline BenchCircuit InverterRows() {
    auto cells = NewGrid();
    for (int y = 0; y < kFieldSize; ++y) {
        cells->at(0, y) = y % 2 ? SourceOn : SourceOff;
        for (int x = 1; x < kFieldSize; ++x) cells->at(x, y) = x % 2 ? Inverter : WireE;
    }
    return {"inverter_rows", std::move(cells), Node{255, 254}};
}

// A gate block anchored at (x, y): inputs above and below the anchor, the
// corners and the output one column east of them.
inline void PlaceGate(CellGrid& cells, int x, int y, bool conjunctor) {
    cells.at(x, y - 1) = GateInput;
    cells.at(x, y) = conjunctor ? ConjunctorAnchor : DisjunctorAnchor;
    cells.at(x, y + 1) = GateInput;
    cells.at(x + 1, y - 1) = GateCorner;
    cells.at(x + 1, y) = GateOutput;
    cells.at(x + 1, y + 1) = GateCorner;
}

// (d2) Bands of chained gates filling the field. In each band of four rows
// a gate's output lead (a wire two columns east of its anchor) is the west
// neighbour of the next gate's upper or lower input, so the anchors step
// one row down and up again every three columns: 85 gates per band, 64
// bands, conjunctors and disjunctors alternating. The first gate of a band
// is fed by two sources; every later gate's other input is fed by a source
// of its own, so the values along a chain keep changing.
// (d3) The same with an inverter as every output lead: the next gate reads
// the inverter's output.
inline BenchCircuit GateBands(bool inverted = false) {
    auto cells = NewGrid();
    constexpr int kBandHeight = 4;
    Node last{0, 0};
    for (int top = 0; top + kBandHeight <= kFieldSize; top += kBandHeight) {
        const int band = top / kBandHeight;
        cells->at(0, top) = SourceOn;
        cells->at(0, top + 2) = band % 2 ? SourceOn : SourceOff;
        int gate = 0;
        for (int x = 1; x + 2 < kFieldSize; x += 3, ++gate) {
            const bool lower = gate % 2 == 1;
            const int anchorY = top + 1 + (lower ? 1 : 0);
            PlaceGate(*cells, x, anchorY, (gate + band) % 2 == 0);
            cells->at(x + 2, anchorY) = inverted ? Inverter : WireE;  // the output lead
            // The input the previous lead does not reach gets a source.
            if (gate > 0) {
                const int freeInputY = lower ? anchorY + 1 : anchorY - 1;
                cells->at(x - 1, freeInputY) = (gate / 2) % 2 ? SourceOn : SourceOff;
            }
            last = {x + 2, anchorY};
        }
    }
    return {inverted ? "inverted_bands" : "gate_bands", std::move(cells), last};
}

inline std::vector<BenchCircuit> AllCircuits() {
    std::vector<BenchCircuit> circuits;
    circuits.push_back(EmptyField());
    circuits.push_back(SourceField());
    circuits.push_back(WireMesh());
    circuits.push_back(InverterRows());
    circuits.push_back(GateBands());
    circuits.push_back(GateBands(true));
    return circuits;
}

// The floor to compare an evaluation with: a breadth-first flood from every
// source over the non-empty 4-neighbours, each field node visited at most
// once. Storage is fixed and taken once, like the work queue's.
class FloodFill {
public:
    // Returns the number of nodes reached, sources included.
    std::size_t Run(const CellGrid& cells) {
        visited_.fill(0);
        std::size_t head = 0, tail = 0;
        for (int x = 0; x < kFieldSize; ++x)
            for (int y = 0; y < kFieldSize; ++y)
                if (IsSource(cells.at(x, y))) Visit(x, y, tail);
        while (head < tail) {
            const Node n = queue_[head++];
            const Node next[4] = {{n.x - 1, n.y}, {n.x + 1, n.y}, {n.x, n.y - 1}, {n.x, n.y + 1}};
            for (const Node& m : next)
                if (InField(m.x, m.y) && cells.at(m.x, m.y) != Empty && !visited_[Index(m.x, m.y)])
                    Visit(m.x, m.y, tail);
        }
        return tail;
    }

private:
    // Inline here: a call per node would make the floor needlessly high.
    static bool IsSource(std::int32_t code) { return code == SourceOff || code == SourceOn; }
    static std::size_t Index(int x, int y) { return static_cast<std::size_t>(x) * kFieldSize + y; }
    void Visit(int x, int y, std::size_t& tail) {
        visited_[Index(x, y)] = 1;
        queue_[tail++] = {x, y};
    }

    static constexpr std::size_t kNodes = std::size_t{kFieldSize} * kFieldSize;
    std::array<std::uint8_t, kNodes> visited_{};
    std::array<Node, kNodes> queue_{};
};

}  // namespace vorn::bench
