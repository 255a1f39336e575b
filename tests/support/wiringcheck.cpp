#include "wiringcheck.h"

#include <numeric>
#include <sstream>

namespace vorn::circuitgen {

namespace {

bool IsPlainWire(std::int32_t c) {
    return c == Empty || (c >= WireE && c <= Crossing) || (c >= JunctionE && c <= JunctionES);
}
bool OwnsEastSegment(std::int32_t c) {
    return c == WireE || c == WireES || c == Crossing || c == JunctionE || c == JunctionES;
}
bool OwnsSouthSegment(std::int32_t c) {
    return c == WireS || c == WireES || c == Crossing || c == JunctionS || c == JunctionES;
}

std::string At(int x, int y) {
    std::ostringstream out;
    out << '(' << x << ',' << y << ')';
    return out.str();
}

class Reader {
public:
    Reader(const CellGrid& cells, int columns, int rows)
        : cells_(cells), columns_(columns), rows_(rows), parent_(static_cast<std::size_t>(2 * columns * rows)),
          attached_(parent_.size(), false), driver_(parent_.size(), -1) {
        std::iota(parent_.begin(), parent_.end(), 0);
    }

    WiringReading Read() {
        for (int x = 0; x < columns_; ++x)
            for (int y = 0; y < rows_; ++y) {
                // Every node but a crossing is one point where all its lines join.
                if (Code(x, y) != Crossing) Join(Unit(x, y, false), Unit(x, y, true));
            }
        for (int x = 0; x < columns_ && reading_.fault.empty(); ++x)
            for (int y = 0; y < rows_ && reading_.fault.empty(); ++y) ReadNode(x, y);
        if (reading_.fault.empty()) JoinSources();
        if (reading_.fault.empty()) FindDrivers();
        return std::move(reading_);
    }

private:
    struct Sink {
        NodePos element;
        int unit;
    };
    struct Driver {
        NodePos element;
        int unit;
    };

    std::int32_t Code(int x, int y) const {
        return x >= 0 && y >= 0 && x < columns_ && y < rows_ ? cells_.at(x, y) : Empty;
    }
    // The horizontal or the vertical line through a node; the same unit for
    // every node but a crossing.
    int Unit(int x, int y, bool vertical) const { return 2 * (x * rows_ + y) + (vertical ? 1 : 0); }

    int Root(int u) {
        while (parent_[u] != u) u = parent_[u] = parent_[parent_[u]];
        return u;
    }
    void Join(int a, int b) {
        a = Root(a);
        b = Root(b);
        if (a == b) return;
        parent_[b] = a;
        attached_[a] = attached_[a] || attached_[b];
    }
    void Attach(int u) { attached_[Root(u)] = true; }

    void Fail(const std::string& why) {
        if (reading_.fault.empty()) reading_.fault = why;
    }

    // The unit an element's terminal at (x, y) connects to: a wire node's
    // line, or a source's own node.
    int Terminal(int x, int y, bool vertical, NodePos element) {
        if (x < 0 || y < 0 || x >= columns_ || y >= rows_) {
            Fail("a terminal of the element at " + At(element.x, element.y) + " lies outside the drawing");
            return 0;
        }
        const std::int32_t c = Code(x, y);
        if (!IsPlainWire(c) && !IsSourceCode(c))
            Fail("the element at " + At(element.x, element.y) + " touches the element at " + At(x, y));
        const int u = Unit(x, y, vertical);
        Attach(u);
        return u;
    }

    void ReadNode(int x, int y) {
        const std::int32_t c = Code(x, y);
        const NodePos here{x, y};
        if (OwnsEastSegment(c)) Segment(x, y, x + 1, y, false);
        if (OwnsSouthSegment(c)) Segment(x, y, x, y + 1, true);
        if (IsPlainWire(c)) return;
        if (IsSourceCode(c)) {
            drivers_.push_back({here, Unit(x, y, false)});
            Attach(Unit(x, y, false));
            return;
        }
        switch (c) {
        case Lamp: {
            const int west = Terminal(x - 1, y, false, here);
            const int east = Terminal(x + 1, y, false, here);
            Join(west, east);
            sinks_.push_back({here, west});
            return;
        }
        case Inverter:
            sinks_.push_back({here, Terminal(x - 1, y, false, here)});
            drivers_.push_back({here, Terminal(x + 1, y, false, here)});
            return;
        case ConjunctorAnchor:
        case DisjunctorAnchor:
            if (Code(x, y - 1) != GateInput || Code(x, y + 1) != GateInput || Code(x + 1, y) != GateOutput ||
                Code(x + 1, y - 1) != GateCorner || Code(x + 1, y + 1) != GateCorner)
                Fail("damaged gate block at " + At(x, y));
            sinks_.push_back({here, Terminal(x - 1, y - 1, false, here)});
            sinks_.push_back({here, Terminal(x - 1, y + 1, false, here)});
            drivers_.push_back({here, Terminal(x + 2, y, false, here)});
            return;
        case GateOutput:
        case GateInput:
        case GateCorner:
            return;  // read with their anchor
        default:
            Fail("unexpected code " + std::to_string(c) + " at " + At(x, y));
        }
    }

    // A segment from (x, y) to its east or south neighbour.
    void Segment(int x, int y, int tx, int ty, bool vertical) {
        if (tx >= columns_ || ty >= rows_) {
            Fail("the wire at " + At(x, y) + " leaves the drawing");
            return;
        }
        const std::int32_t target = Code(tx, ty);
        const int from = Unit(x, y, vertical);
        Attach(from);
        if (IsPlainWire(target) || IsSourceCode(target)) {
            Join(from, Unit(tx, ty, vertical));
            return;
        }
        // A wire may end at an element only where the element reads it:
        // the west terminal of a lamp, an inverter or a gate input.
        const bool westTerminal = target == Lamp || target == Inverter || target == GateInput;
        if (vertical || !westTerminal)
            Fail("the wire at " + At(x, y) + " runs into the element at " + At(tx, ty));
    }

    // A source joins the wires around it; a neighbour that is no wire at all
    // (an Empty node nothing else reaches) stays apart.
    void JoinSources() {
        for (const Driver& source : drivers_) {
            const NodePos p = source.element;
            if (!IsSourceCode(Code(p.x, p.y))) continue;
            const NodePos around[] = {{p.x - 1, p.y}, {p.x + 1, p.y}, {p.x, p.y - 1}, {p.x, p.y + 1}};
            for (const NodePos& n : around) {
                if (n.x < 0 || n.y < 0 || n.x >= columns_ || n.y >= rows_) continue;
                const std::int32_t c = Code(n.x, n.y);
                const bool vertical = n.x == p.x;
                if (IsPlainWire(c)) {
                    if (attached_[Root(Unit(n.x, n.y, vertical))]) Join(source.unit, Unit(n.x, n.y, vertical));
                    continue;
                }
                // An element beside a source is allowed only where it reads the source.
                const bool reads = (n.x == p.x + 1 && (c == Lamp || c == Inverter || c == GateInput)) ||
                                   (n.x == p.x - 1 && c == Lamp);
                if (!reads) Fail("the source at " + At(p.x, p.y) + " touches the element at " + At(n.x, n.y));
            }
        }
    }

    void FindDrivers() {
        for (std::size_t i = 0; i < drivers_.size(); ++i) {
            const int root = Root(drivers_[i].unit);
            if (driver_[root] >= 0) {
                const NodePos a = drivers_[driver_[root]].element, b = drivers_[i].element;
                Fail("the elements at " + At(a.x, a.y) + " and " + At(b.x, b.y) + " drive one wire network");
                return;
            }
            driver_[root] = static_cast<int>(i);
        }
        for (const Sink& sink : sinks_) {
            const int d = driver_[Root(sink.unit)];
            if (d < 0) {
                Fail("nothing drives the input of the element at " + At(sink.element.x, sink.element.y));
                return;
            }
            reading_.drivers[{sink.element.x, sink.element.y}].push_back(drivers_[d].element);
        }
    }

    const CellGrid& cells_;
    int columns_, rows_;
    std::vector<int> parent_;
    std::vector<bool> attached_;
    std::vector<int> driver_;
    std::vector<Driver> drivers_;
    std::vector<Sink> sinks_;
    WiringReading reading_;
};

}  // namespace

WiringReading ReadWiring(const CellGrid& cells, int columns, int rows) { return Reader(cells, columns, rows).Read(); }

}  // namespace vorn::circuitgen
