// The code families the signal rules are written in: which codes a wire
// segment exchanges signals with, which own a segment, what an inverter
// writes into.
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

}  // namespace vorn
