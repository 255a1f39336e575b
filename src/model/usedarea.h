// The part of the field a circuit occupies, and the node rectangle a
// printout of it covers.
#pragma once

#include <optional>

#include "cellgrid.h"

namespace vorn {

// A rectangle of nodes, both corners included.
struct NodeArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Columns() const { return right - left + 1; }
    int Rows() const { return bottom - top + 1; }
    bool operator==(const NodeArea&) const = default;
};

// Blank nodes a printout keeps around the circuit; the three top rows leave
// room for the header line.
inline constexpr int kPrintMarginLeft = 2;
inline constexpr int kPrintMarginTop = 3;
inline constexpr int kPrintMarginRight = 2;
inline constexpr int kPrintMarginBottom = 2;

// The smallest and largest column and row of the field (0..255) holding a
// non-zero code; nullopt when every node of the field is empty.
std::optional<NodeArea> UsedArea(const CellGrid& cells);

// The used area widened by the print margins. It may reach past the field
// (down to column -2 and row -3, up to 257); nullopt for an empty circuit.
std::optional<NodeArea> PrintedArea(const CellGrid& cells);

}  // namespace vorn
