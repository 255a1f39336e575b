// The circuit as one square array of cell codes, and the tables that name them.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorn {

// The integer stored at one node of the circuit.
enum CellCode : std::int32_t {
    Empty = 0,
    WireE = 1,
    WireS = 2,
    WireES = 3,
    Crossing = 4,
    SourceOff = 6,
    SourceOn = 7,
    Lamp = 8,
    Inverter = 12,
    ConjunctorAnchor = 16,
    GateOutput = 17,
    GateInput = 18,
    GateCorner = 19,
    DisjunctorAnchor = 20,
    JunctionE = 51,
    JunctionS = 52,
    JunctionES = 53,
};

// First and last index of both grid coordinates. The working field is
// 0..255; index 256 lies just outside it and is cleared with it; -1 and 257
// form a guard ring that always holds 0, so neighbour reads need no checks.
inline constexpr int kGridLow = -1;
inline constexpr int kGridHigh = 257;
inline constexpr int kGridSide = kGridHigh - kGridLow + 1;  // 259
inline constexpr int kFieldSize = 256;                        // nodes 0..255

// A node by column (x) and row (y).
struct NodePos {
    int x = 0;
    int y = 0;
    bool operator==(const NodePos&) const = default;
};

inline constexpr bool InField(int x, int y) {
    return x >= 0 && x < kFieldSize && y >= 0 && y < kFieldSize;
}

// 259 x 259 signed 32-bit values indexed [X][Y], X the outer index, so that
// the 259 values of one column lie together. A plain value: copying a grid
// copies the whole block, and nothing is ever allocated per node.
struct NodeGrid {
    std::array<std::array<std::int32_t, kGridSide>, kGridSide> columns{};

    std::int32_t& at(int x, int y) { return columns[x - kGridLow][y - kGridLow]; }
    std::int32_t at(int x, int y) const { return columns[x - kGridLow][y - kGridLow]; }

    bool operator==(const NodeGrid&) const = default;
};

using CellGrid = NodeGrid;    // one CellCode per node
using SignalGrid = NodeGrid;  // 0 no signal, 10 signal "0", 11 signal "1"

// Sets nodes 0..256 x 0..256 to Empty; the guard ring stays untouched.
void ClearCellGrid(CellGrid& grid);

// A set of codes 0..255, one bit per code.
using CodeSet = std::bitset<256>;

inline bool Contains(const CodeSet& set, std::int32_t code) {
    return code >= 0 && code < 256 && set.test(static_cast<std::size_t>(code));
}

// Codes whose node sends a wire or lead into its east neighbour.
const CodeSet& EastSet();
// Codes whose node sends a wire into its south neighbour.
const CodeSet& SouthSet();

// The wire codes: the ones the eraser's wire rule applies to.
bool IsWireCode(std::int32_t code);
// Inline: the propagation asks these for every queued node.
inline bool IsSourceCode(std::int32_t code) { return code == SourceOff || code == SourceOn; }
// 16..20: anchors and the other parts of a gate block.
inline bool IsGatePartCode(std::int32_t code) { return code >= 16 && code <= 20; }
inline bool IsGateAnchorCode(std::int32_t code) { return code == ConjunctorAnchor || code == DisjunctorAnchor; }
// Codes of elements with a terminal on their west side.
bool HasWestTerminal(std::int32_t code);

// The words the interface shows for the object at a node (the name and its
// accusative in the interface language, the help topic as the help file's
// index has it), looked up by code modulo 50 (so junctions 51..53 share the names of 1..3). Codes outside
// the tables give an empty text.
std::string ObjectName(std::int32_t code);
std::string ObjectNameAcc(std::int32_t code);
std::string_view ObjectHelpTopic(std::int32_t code);

}  // namespace vorn
