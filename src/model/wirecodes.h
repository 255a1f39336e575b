// The code families the signal rules are written in: which codes a wire
// segment exchanges signals with, which own a segment, what an inverter
// writes into, and which neighbouring nodes share one wire network.
#pragma once

#include <cstdint>

#include "cellgrid.h"

namespace vorn {

// Empty, the wire and junction codes that own segments, and Lamp: the codes a
// wire segment exchanges signals with.
inline bool InWirePassSet(std::int32_t c) {
    switch (c) {
        case 0: case 1: case 2: case 3: case 8: case 51: case 52: case 53: return true;
        default: return false;
    }
}
inline bool OwnsEastWire(std::int32_t c) { return c == WireE || c == WireES || c == JunctionE || c == JunctionES; }
inline bool OwnsSouthWire(std::int32_t c) { return c == WireS || c == WireES || c == JunctionS || c == JunctionES; }
inline bool IsSourceOrInverter(std::int32_t c) { return IsSourceCode(c) || c == Inverter; }
// Codes an inverter writes its output into.
inline bool TakesInverterOutput(std::int32_t c) {
    switch (c) {
        case 0: case 1: case 2: case 3: case 4: case 8: case 9: case 51: case 52: case 53: return true;
        default: return false;
    }
}

// Anchors and inputs of gate blocks take part in no wire network: a gate
// reads the nodes west of its inputs and writes its output node and lead.
inline bool OutsideNetworks(std::int32_t c) { return c == ConjunctorAnchor || c == DisjunctorAnchor || c == GateInput; }

// Whether the signal rules let a value pass between a node and its east
// neighbour, in either direction. Taken generously, where a value can pass
// at all: joining two networks that are apart only makes a gate level larger,
// never too small.
inline bool JoinedEast(std::int32_t w, std::int32_t e) {
    if (OutsideNetworks(w) || OutsideNetworks(e)) return false;
    if (w == Inverter) return TakesInverterOutput(e);  // an inverter's output
    if (e == Inverter || e == GateOutput) return false;  // an inverter's input; a gate's inside
    if (w == GateOutput) return true;                  // a gate's output lead
    if (IsSourceCode(w)) return !IsSourceCode(e);
    if (IsSourceCode(e)) return !IsSourceCode(w);
    if (w == Crossing || e == Crossing) return true;
    if (OwnsEastWire(w) || w == Lamp) return InWirePassSet(e);
    if (e == Lamp) return InWirePassSet(w);
    return false;
}

inline bool JoinedSouth(std::int32_t n, std::int32_t s) {
    if (OutsideNetworks(n) || OutsideNetworks(s) || n == Inverter || s == Inverter) return false;
    if (IsSourceCode(n)) return !IsSourceCode(s) && s != Lamp;
    if (IsSourceCode(s)) return !IsSourceCode(n) && n != Lamp;
    if (n == Crossing || s == Crossing) return true;
    if (OwnsSouthWire(n)) return InWirePassSet(s);
    return false;
}

}  // namespace vorn
