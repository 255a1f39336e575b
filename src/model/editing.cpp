#include "editing.h"

#include <cstdlib>

namespace vorn {

namespace {

// The four neighbour conditions shared by the solder rules and the crossing
// toggle, for a node inside the field (so every neighbour read stays inside
// the stored array).
struct Meeting {
    bool west = false;   // the west neighbour sends a wire or lead east
    bool north = false;  // the north neighbour sends a wire south
    bool eastTerminal = false;  // the east neighbour is an element with a west terminal
    bool southSource = false;   // the south neighbour is a source, whose lead reaches north
};

Meeting MeetingAt(const CellGrid& grid, int x, int y) {
    Meeting m;
    m.west = Contains(EastSet(), grid.at(x - 1, y));
    m.north = Contains(SouthSet(), grid.at(x, y - 1));
    m.eastTerminal = HasWestTerminal(grid.at(x + 1, y));
    m.southSource = IsSourceCode(grid.at(x, y + 1));
    return m;
}

// Writes a node of the field and tells whether its code changed. Nodes
// outside the field are never written.
bool Write(CellGrid& grid, int x, int y, std::int32_t code) {
    if (!InField(x, y) || grid.at(x, y) == code) return false;
    grid.at(x, y) = code;
    return true;
}

// The solder rules for one node, applied in order to one code.
std::int32_t SolderedCode(std::int32_t c, const Meeting& m, std::int32_t east) {
    // Junctions whose meeting has fallen below three go back to plain wires.
    if ((c == JunctionE || c == JunctionS) && !(m.west && m.north)) c = c == JunctionE ? WireE : WireS;
    if (c == JunctionES && !m.west && !m.north) c = WireES;

    if (c == Empty) {
        if (m.west && m.north && m.eastTerminal) c = JunctionE;
        else if (m.west && m.north && m.southSource) c = JunctionS;
        else if (m.west && m.eastTerminal && m.southSource) c = JunctionS;
        else if (m.north && m.eastTerminal && m.southSource) c = JunctionS;
    }
    if (c == WireE && ((m.west && m.north) || (m.southSource && (m.west || m.north)))) c = JunctionE;
    if (c == WireS) {
        // A lamp to the east does not count here, unlike every other element
        // with a west terminal.
        const bool eastLead = IsSourceCode(east) || east == Inverter || east == GateInput;
        if ((m.west && m.north) || (eastLead && (m.west || m.north))) c = JunctionS;
    }
    if (c == WireES && (m.west || m.north)) c = JunctionES;
    return c;
}

// The six nodes of a gate block anchored at (x, y), column by column.
template <typename Visit>
void ForEachBlockNode(int x, int y, Visit visit) {
    for (int dx = 0; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) visit(x + dx, y + dy);
}

bool BlockInField(int x, int y) { return InField(x, y - 1) && InField(x + 1, y + 1); }

bool PlaceOnEmpty(CellGrid& grid, int x, int y, std::int32_t code) {
    if (!InField(x, y) || grid.at(x, y) != Empty) return false;
    grid.at(x, y) = code;
    RefreshSolderPoints(grid, x, y);
    return true;
}

}  // namespace

WireStepResult WireStep(CellGrid& grid, NodePos anchor, NodePos pointer) {
    WireStepResult result;
    if (!InField(anchor.x, anchor.y) || !InField(pointer.x, pointer.y)) return result;
    const int dx = pointer.x - anchor.x;
    const int dy = pointer.y - anchor.y;
    const bool horizontal = std::abs(dx) == 1 && dy == 0;
    const bool vertical = std::abs(dy) == 1 && dx == 0;
    if (!horizontal && !vertical) return result;
    result.taken = true;

    // The segment is stored by its west or north end.
    const NodePos owner{pointer.x - (dx > 0 ? 1 : 0), pointer.y - (dy > 0 ? 1 : 0)};
    const std::int32_t c = grid.at(owner.x, owner.y);
    result.anchorMoves = !IsSourceCode(c);

    std::int32_t next = c;
    if (vertical) {
        if (c == Empty) next = WireS;
        else if (c == WireE) next = WireES;
        else if (c == JunctionE) next = JunctionES;
    } else {
        if (c == Empty) next = WireE;
        else if (c == WireS) next = WireES;
        else if (c == JunctionS) next = JunctionES;
    }
    result.changed = Write(grid, owner.x, owner.y, next);
    if (RefreshSolderPoints(grid, pointer.x, pointer.y)) result.changed = true;
    return result;
}

bool RefreshSolderPoints(CellGrid& grid, int x, int y) {
    if (!InField(x, y)) return false;
    bool changed = false;
    for (int nx = x - 1; nx <= x + 1; ++nx) {
        for (int ny = y - 1; ny <= y + 1; ++ny) {
            // Nodes outside the field are neither changed nor looked around,
            // so no read leaves the stored array.
            if (!InField(nx, ny)) continue;
            const std::int32_t c = grid.at(nx, ny);
            const std::int32_t soldered = SolderedCode(c, MeetingAt(grid, nx, ny), grid.at(nx + 1, ny));
            if (soldered != c) {
                grid.at(nx, ny) = soldered;
                changed = true;
            }
        }
    }
    return changed;
}

bool ToggleCrossing(CellGrid& grid, int x, int y) {
    if (!InField(x, y)) return false;
    const std::int32_t c = grid.at(x, y);
    const Meeting m = MeetingAt(grid, x, y);
    const bool crossingBeside = grid.at(x - 1, y) == Crossing || grid.at(x + 1, y) == Crossing ||
                                grid.at(x, y - 1) == Crossing || grid.at(x, y + 1) == Crossing;
    if (!m.west || !m.north) return false;

    std::int32_t next = c;
    if (!crossingBeside) {
        if (c == JunctionES) next = Crossing;
        else if (c == JunctionS && m.eastTerminal) next = Crossing;
        else if (c == JunctionE && m.southSource) next = Crossing;
    }
    if (c == Crossing) {
        if (!m.eastTerminal && !m.southSource) next = JunctionES;
        else if (m.eastTerminal && !m.southSource) next = JunctionS;
        else if (m.southSource && !m.eastTerminal) next = JunctionE;
    }
    return Write(grid, x, y, next);
}

std::int32_t WithoutEastSegment(std::int32_t c) {
    switch (c) {
        case WireE: case JunctionE: return Empty;
        case WireES: return WireS;
        case JunctionES: case Crossing: return JunctionS;
        default: return c;
    }
}

std::int32_t WithoutSouthSegment(std::int32_t c) {
    switch (c) {
        case WireS: case JunctionS: return Empty;
        case WireES: return WireE;
        case JunctionES: case Crossing: return JunctionE;
        default: return c;
    }
}

bool EraseAtNode(CellGrid& grid, int x, int y, EraseMode mode) {
    if (!InField(x, y)) return false;
    const std::int32_t c = grid.at(x, y);

    if (IsWireCode(c)) {
        bool changed = Write(grid, x, y, Empty);
        // Cut the segments that reach this node from the north and the west.
        if (InField(x, y - 1)) {
            changed |= Write(grid, x, y - 1, WithoutSouthSegment(grid.at(x, y - 1)));
        }
        if (InField(x - 1, y)) {
            changed |= Write(grid, x - 1, y, WithoutEastSegment(grid.at(x - 1, y)));
        }
        return changed;
    }

    const bool element = c == SourceOff || c == SourceOn || c == Lamp || c == Inverter || (c >= 13 && c <= 15) ||
                         (c == 9 && mode == EraseMode::Press);
    if (element) return Write(grid, x, y, Empty);

    if (IsGatePartCode(c)) {
        const NodePos anchor = FindGateAnchor(grid, x, y);
        bool changed = false;
        ForEachBlockNode(anchor.x, anchor.y, [&](int bx, int by) { changed |= Write(grid, bx, by, Empty); });
        return changed;
    }
    return false;
}

NodePos FindGateAnchor(const CellGrid& grid, int x, int y) {
    NodePos anchor{x, y};
    if (!InField(x, y)) return anchor;
    const std::int32_t c = grid.at(x, y);
    if (c != GateOutput && c != GateInput && c != GateCorner) return anchor;
    // Tested in this order, a later match replacing an earlier one.
    const NodePos candidates[] = {{x, y + 1}, {x, y - 1}, {x - 1, y - 1}, {x - 1, y + 1}, {x - 1, y}};
    for (const NodePos& p : candidates)
        if (IsGateAnchorCode(grid.at(p.x, p.y))) anchor = p;
    return anchor;
}

bool GateFits(const CellGrid& grid, int x, int y) {
    if (!BlockInField(x, y)) return false;
    bool empty = true;
    ForEachBlockNode(x, y, [&](int bx, int by) { empty = empty && grid.at(bx, by) == Empty; });
    return empty;
}

bool GateRefusalShown(const CellGrid& grid, int x, int y, GateKind kind) {
    if (InField(x, y)) {
        const std::int32_t c = grid.at(x, y);
        const bool ownKind = kind == GateKind::Conjunctor ? (c >= 16 && c <= 19) : (c >= 17 && c <= 20);
        if (ownKind) return false;
    }
    if (!BlockInField(x, y)) return true;
    bool occupied = false;
    ForEachBlockNode(x, y, [&](int bx, int by) {
        if ((bx != x || by != y) && grid.at(bx, by) != Empty) occupied = true;
    });
    return occupied;
}

bool PlaceSource(CellGrid& grid, int x, int y) {
    if (!ToggleSource(grid, x, y)) return PlaceOnEmpty(grid, x, y, SourceOff);
    RefreshSolderPoints(grid, x, y);
    return true;
}

bool PlaceLamp(CellGrid& grid, int x, int y) { return PlaceOnEmpty(grid, x, y, Lamp); }

bool PlaceInverter(CellGrid& grid, int x, int y) { return PlaceOnEmpty(grid, x, y, Inverter); }

bool PlaceGate(CellGrid& grid, int x, int y, GateKind kind) {
    if (!GateFits(grid, x, y)) return false;
    grid.at(x, y) = kind == GateKind::Conjunctor ? ConjunctorAnchor : DisjunctorAnchor;
    grid.at(x, y - 1) = GateInput;
    grid.at(x, y + 1) = GateInput;
    grid.at(x + 1, y) = GateOutput;
    grid.at(x + 1, y - 1) = GateCorner;
    grid.at(x + 1, y + 1) = GateCorner;
    RefreshSolderPoints(grid, x, y);
    return true;
}

std::int32_t StoredCode(const CellGrid& grid, int x, int y) {
    if (x < kGridLow || x > kGridHigh || y < kGridLow || y > kGridHigh) return Empty;
    return grid.at(x, y);
}

bool IsElementCode(std::int32_t code) {
    return IsSourceCode(code) || code == Lamp || code == Inverter || IsGatePartCode(code);
}

std::int32_t ObjectCodeAt(const CellGrid& grid, int x, int y) {
    const std::int32_t code = StoredCode(grid, x, y);
    if (!IsGatePartCode(code)) return code;
    const NodePos anchor = FindGateAnchor(grid, x, y);
    return grid.at(anchor.x, anchor.y);
}

std::int32_t PickUpElement(CellGrid& grid, int x, int y) {
    if (!InField(x, y) || !IsElementCode(grid.at(x, y))) return Empty;
    const std::int32_t code = ObjectCodeAt(grid, x, y);
    EraseAtNode(grid, x, y, EraseMode::Press);
    return code;
}

bool ToggleSource(CellGrid& grid, int x, int y) {
    if (!InField(x, y)) return false;
    std::int32_t& c = grid.at(x, y);
    if (c == SourceOff) c = SourceOn;
    else if (c == SourceOn) c = SourceOff;
    else return false;
    return true;
}

}  // namespace vorn
