#include "gatenetwork.h"

#include <algorithm>
#include <numeric>

#include "wirecodes.h"

namespace vorn {

namespace {

constexpr std::int32_t kOutside = -1;
constexpr std::uint32_t kNone = 0xffffffffu;

bool IsWireNode(std::int32_t c) {
    switch (c) {
        case Empty: case WireE: case WireS: case WireES: case JunctionE: case JunctionS: case JunctionES: return true;
        default: return false;
    }
}

bool IsKnownCode(std::int32_t c) {
    return IsWireNode(c) || c == Crossing || IsSourceCode(c) || c == Lamp || c == Inverter || IsGatePartCode(c);
}

// Reads a circuit into wire networks (a union of line slots: one per node,
// two for a crossing) and the elements between them.
class Reader {
public:
    // Only the used area, with one node around it, is looked at.
    explicit Reader(const CellGrid& cells) : cells_(cells) {
        int x0 = kFieldSize, y0 = kFieldSize, x1 = -1, y1 = -1;
        for (int x = 0; x < kFieldSize; ++x)
            for (int y = 0; y < kFieldSize; ++y)
                if (cells.at(x, y) != Empty) {
                    x0 = std::min(x0, x);
                    x1 = std::max(x1, x);
                    y0 = std::min(y0, y);
                    y1 = std::max(y1, y);
                }
        if (x1 < 0) x0 = x1 = y0 = y1 = 0;
        x0_ = std::max(0, x0 - 1);
        y0_ = std::max(0, y0 - 1);
        x1_ = std::min(kFieldSize - 1, x1 + 1);
        y1_ = std::min(kFieldSize - 1, y1 + 1);
        height_ = y1_ - y0_ + 1;
        const std::size_t nodes = static_cast<std::size_t>(x1_ - x0_ + 1) * static_cast<std::size_t>(height_);
        parent_.resize(2 * nodes);
        std::iota(parent_.begin(), parent_.end(), 0u);
        attached_.assign(nodes, false);
        partOwners_.assign(nodes, 0);
    }

    std::size_t slotCount() const { return parent_.size(); }

    bool Read() {
        if (!CheckCodes()) return false;
        for (int x = x0_; x <= x1_; ++x)
            for (int y = y0_; y <= y1_; ++y)
                if (!ReadNode(x, y)) return false;
        for (const NodePos& s : sourceNodes_)
            if (!JoinSource(s.x, s.y)) return false;
        return true;
    }

    std::uint32_t Root(std::uint32_t u) {
        while (parent_[u] != u) u = parent_[u] = parent_[parent_[u]];
        return u;
    }
    std::uint32_t Slot(int x, int y, bool vertical = false) const {
        const std::uint32_t node = Node(x, y);
        return 2 * node + (vertical && cells_.at(x, y) == Crossing ? 1 : 0);
    }
    std::int32_t Code(int x, int y) const { return InField(x, y) ? cells_.at(x, y) : kOutside; }

    struct Element {
        std::int32_t code;    // Inverter or a gate anchor
        std::uint32_t a, b;   // input slots (b only for gates)
        std::uint32_t out;    // the slot it drives
    };
    const std::vector<Element>& elements() const { return elements_; }
    const std::vector<NodePos>& sourceNodes() const { return sourceNodes_; }

private:
    std::uint32_t Node(int x, int y) const { return static_cast<std::uint32_t>((x - x0_) * height_ + (y - y0_)); }

    void Join(std::uint32_t a, std::uint32_t b) {
        a = Root(a);
        b = Root(b);
        if (a != b) parent_[b] = a;
    }
    void Attach(int x, int y) { attached_[Node(x, y)] = true; }

    // Only known codes, nothing beyond the field, and every gate part in
    // exactly one complete block.
    bool CheckCodes() {
        for (int i = 0; i <= kFieldSize; ++i)
            if (cells_.at(i, kFieldSize) != Empty || cells_.at(kFieldSize, i) != Empty) return false;
        for (int x = x0_; x <= x1_; ++x)
            for (int y = y0_; y <= y1_; ++y) {
                const std::int32_t c = cells_.at(x, y);
                if (!IsKnownCode(c)) return false;
                if (!IsGateAnchorCode(c)) continue;
                if (Code(x, y - 1) != GateInput || Code(x, y + 1) != GateInput || Code(x + 1, y) != GateOutput ||
                    Code(x + 1, y - 1) != GateCorner || Code(x + 1, y + 1) != GateCorner)
                    return false;
                for (int dy : {-1, 0, 1}) {
                    ++partOwners_[Node(x, y + dy)];
                    ++partOwners_[Node(x + 1, y + dy)];
                }
            }
        for (int x = x0_; x <= x1_; ++x)
            for (int y = y0_; y <= y1_; ++y)
                if (IsGatePartCode(cells_.at(x, y)) && partOwners_[Node(x, y)] != 1) return false;
        return true;
    }

    // A terminal an element reads: a wire node or a source.
    bool ReadableTerminal(int x, int y) {
        const std::int32_t c = Code(x, y);
        if (IsWireNode(c)) Attach(x, y);
        return IsWireNode(c) || IsSourceCode(c);
    }
    // A terminal an element drives: a wire node, or a lamp standing right
    // behind the element.
    bool DrivenTerminal(int x, int y) {
        const std::int32_t c = Code(x, y);
        if (IsWireNode(c)) Attach(x, y);
        return IsWireNode(c) || c == Lamp;
    }

    bool ReadNode(int x, int y) {
        const std::int32_t c = cells_.at(x, y);
        if (OwnsEastWire(c) && !EastSegment(x, y)) return false;
        if (OwnsSouthWire(c) && !SouthSegment(x, y)) return false;
        switch (c) {
        case Crossing: {
            for (const NodePos n : {NodePos{x - 1, y}, NodePos{x + 1, y}, NodePos{x, y - 1}, NodePos{x, y + 1}})
                if (!IsWireNode(Code(n.x, n.y))) return false;
            if (!OwnsEastWire(Code(x - 1, y)) || !OwnsSouthWire(Code(x, y - 1))) return false;
            Join(Slot(x, y), Slot(x + 1, y));
            Join(Slot(x, y, true), Slot(x, y + 1, true));
            Attach(x + 1, y);
            Attach(x, y + 1);
            return true;
        }
        case SourceOff:
        case SourceOn:
            sourceNodes_.push_back({x, y});
            return true;
        case Lamp: {
            // Right behind an inverter or at a gate's output the lamp is
            // what the element drives; otherwise it joins its west side.
            const std::int32_t west = Code(x - 1, y);
            if (west != Inverter && west != GateOutput) {
                if (!ReadableTerminal(x - 1, y)) return false;
                Join(Slot(x, y), Slot(x - 1, y));
            }
            if (!ReadableTerminal(x + 1, y)) return false;
            Join(Slot(x, y), Slot(x + 1, y));
            return true;
        }
        case Inverter:
            if (!ReadableTerminal(x - 1, y) || !DrivenTerminal(x + 1, y)) return false;
            elements_.push_back({c, Slot(x - 1, y), kNone, Slot(x + 1, y)});
            return true;
        case ConjunctorAnchor:
        case DisjunctorAnchor:
            if (!ReadableTerminal(x - 1, y - 1) || !ReadableTerminal(x - 1, y + 1) || !DrivenTerminal(x + 2, y))
                return false;
            elements_.push_back({c, Slot(x - 1, y - 1), Slot(x - 1, y + 1), Slot(x + 2, y)});
            return true;
        default:
            return true;  // wire nodes and the other gate parts
        }
    }

    // A segment into the east neighbour: joins a wire node, crossing, source
    // or lamp; only read by an inverter or a gate input.
    bool EastSegment(int x, int y) {
        const std::int32_t t = Code(x + 1, y);
        Attach(x, y);
        if (IsWireNode(t) || t == Crossing || IsSourceCode(t) || t == Lamp) {
            if (IsWireNode(t)) Attach(x + 1, y);
            Join(Slot(x, y), Slot(x + 1, y));
            return true;
        }
        return t == Inverter || t == GateInput;
    }

    bool SouthSegment(int x, int y) {
        const std::int32_t t = Code(x, y + 1);
        Attach(x, y);
        if (!IsWireNode(t) && t != Crossing && !IsSourceCode(t)) return false;
        if (IsWireNode(t)) Attach(x, y + 1);
        Join(Slot(x, y, true), Slot(x, y + 1, true));
        return true;
    }

    // A source writes its value into its neighbours; a neighbour that is
    // part of a wire (or a lamp beside it) carries it on. A wire node no
    // segment or terminal reaches keeps the value to itself.
    bool JoinSource(int x, int y) {
        for (const NodePos n : {NodePos{x - 1, y}, NodePos{x + 1, y}, NodePos{x, y - 1}, NodePos{x, y + 1}}) {
            const std::int32_t c = Code(n.x, n.y);
            if (c == kOutside) continue;
            if (IsWireNode(c)) {
                if (attached_[Node(n.x, n.y)]) Join(Slot(x, y), Slot(n.x, n.y));
                continue;
            }
            const bool sideways = n.y == y;
            if (sideways && c == Lamp) {
                Join(Slot(x, y), Slot(n.x, n.y));
                continue;
            }
            if (n.x == x + 1 && (c == Inverter || c == GateInput)) continue;  // they read the source
            return false;
        }
        return true;
    }

    const CellGrid& cells_;
    int x0_ = 0, y0_ = 0, x1_ = 0, y1_ = 0, height_ = 1;  // the area read
    std::vector<std::uint32_t> parent_;
    std::vector<bool> attached_;
    std::vector<std::uint8_t> partOwners_;
    std::vector<NodePos> sourceNodes_;
    std::vector<Element> elements_;
};

// Bit b of the row number across 64 rows starting at a multiple of 64.
std::uint64_t RowBit(std::uint32_t word, std::uint32_t bit) {
    static constexpr std::uint64_t kLow[6] = {0xaaaaaaaaaaaaaaaaULL, 0xccccccccccccccccULL, 0xf0f0f0f0f0f0f0f0ULL,
                                               0xff00ff00ff00ff00ULL, 0xffff0000ffff0000ULL, 0xffffffff00000000ULL};
    if (bit < 6) return kLow[bit];
    return ((word >> (bit - 6)) & 1u) ? ~std::uint64_t{0} : 0;
}

}  // namespace

std::optional<GateNetwork> GateNetwork::Compile(const CellGrid& cells, const std::vector<NodePos>& sources,
                                                const std::vector<NodePos>& lamps) {
    Reader reader(cells);
    if (!reader.Read()) return std::nullopt;
    if (reader.sourceNodes().size() != sources.size() || sources.size() > 32) return std::nullopt;

    // Dense numbers for the networks that matter, and each one's driver.
    std::vector<std::uint32_t> netOfRoot(reader.slotCount(), kNone);
    std::uint32_t nets = 0;
    auto net = [&](std::uint32_t slot) {
        std::uint32_t& id = netOfRoot[reader.Root(slot)];
        if (id == kNone) id = nets++;
        return id;
    };
    std::vector<Step> drivers;
    const auto count = static_cast<std::uint32_t>(sources.size());
    for (std::uint32_t i = 0; i < count; ++i) {
        if (!IsSourceCode(reader.Code(sources[i].x, sources[i].y))) return std::nullopt;
        drivers.push_back({Op::Source, net(reader.Slot(sources[i].x, sources[i].y)), count - 1 - i, 0});
    }
    for (const auto& e : reader.elements()) {
        const Op op = e.code == Inverter ? Op::Not : e.code == ConjunctorAnchor ? Op::And : Op::Or;
        drivers.push_back({op, net(e.out), net(e.a), e.b == kNone ? 0 : net(e.b)});
    }
    GateNetwork network;
    for (const NodePos& p : lamps) {
        if (reader.Code(p.x, p.y) != Lamp) return std::nullopt;
        network.lampNets_.push_back(net(reader.Slot(p.x, p.y)));
    }
    std::vector<std::uint32_t> driverOf(nets, kNone);
    for (std::uint32_t d = 0; d < drivers.size(); ++d) {
        if (driverOf[drivers[d].out] != kNone) return std::nullopt;  // two drivers on one network
        driverOf[drivers[d].out] = d;
    }

    // Order the drivers inputs first; a network met again while its inputs
    // are still being ordered closes a loop.
    enum : std::uint8_t { kNew, kOpen, kDone };
    std::vector<std::uint8_t> state(nets, kNew);
    std::vector<std::pair<std::uint32_t, int>> stack;  // network, inputs looked at
    for (std::uint32_t start = 0; start < nets; ++start) {
        if (state[start] != kNew) continue;
        stack.assign(1, {start, 0});
        state[start] = kOpen;
        while (!stack.empty()) {
            auto& [n, seen] = stack.back();
            const std::uint32_t d = driverOf[n];
            const int inputs = d == kNone ? 0 : drivers[d].op == Op::Source ? 0 : drivers[d].op == Op::Not ? 1 : 2;
            if (seen < inputs) {
                const std::uint32_t in = seen++ == 0 ? drivers[d].a : drivers[d].b;
                if (state[in] == kOpen) return std::nullopt;
                if (state[in] == kNew) {
                    state[in] = kOpen;
                    stack.push_back({in, 0});
                }
                continue;
            }
            state[n] = kDone;
            if (d != kNone) network.steps_.push_back(drivers[d]);
            stack.pop_back();
        }
    }
    network.hasSignal_.assign(nets, 0);
    network.isOne_.assign(nets, 0);
    return network;
}

void GateNetwork::EvaluateWord(std::uint32_t word, std::vector<std::uint64_t>& hasSignal,
                               std::vector<std::uint64_t>& isOne) {
    // Networks nobody drives keep no signal; every driven one is written
    // before it is read. A value bit is set only where there is a signal.
    std::uint64_t* s = hasSignal_.data();
    std::uint64_t* v = isOne_.data();
    for (const Step& step : steps_) {
        switch (step.op) {
        case Op::Source:
            s[step.out] = ~std::uint64_t{0};
            v[step.out] = RowBit(word, step.a);
            break;
        case Op::Not:
            s[step.out] = s[step.a];
            v[step.out] = s[step.a] & ~v[step.a];
            break;
        case Op::And:  // equal inputs give themselves, anything else "0"
            s[step.out] = s[step.a] | s[step.b];
            v[step.out] = v[step.a] & v[step.b];
            break;
        case Op::Or:
            s[step.out] = s[step.a] | s[step.b];
            v[step.out] = v[step.a] | v[step.b];
            break;
        }
    }
    hasSignal.resize(lampNets_.size());
    isOne.resize(lampNets_.size());
    for (std::size_t l = 0; l < lampNets_.size(); ++l) {
        hasSignal[l] = s[lampNets_[l]];
        isOne[l] = v[lampNets_[l]];
    }
}

}  // namespace vorn
