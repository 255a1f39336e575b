#include "circuitwarnings.h"

#include <algorithm>
#include <map>
#include <memory>
#include <numeric>
#include <optional>
#include <set>
#include <utility>

#include "elementnames.h"
#include "gatenetwork.h"
#include "propagation.h"
#include "signals.h"
#include "translate.h"
#include "usedarea.h"
#include "wirecodes.h"

namespace vorn {

namespace {

std::string At(NodePos n) { return "(" + std::to_string(n.x) + ", " + std::to_string(n.y) + ")"; }

bool IsElement(std::int32_t c) { return IsSourceCode(c) || c == Lamp || c == Inverter || IsGatePartCode(c); }
bool IsPlainWireNode(std::int32_t c) {
    return c == Empty || c == WireE || c == WireS || c == WireES || c == JunctionE || c == JunctionS ||
           c == JunctionES;
}
bool SendsEast(std::int32_t c) { return OwnsEastWire(c) || c == Crossing; }
bool SendsSouth(std::int32_t c) { return OwnsSouthWire(c) || c == Crossing; }

// Wire segments touching a node: its own east and south ones and those
// arriving from its west and north neighbours.
int SegmentsAt(const CellGrid& cells, int x, int y) {
    return SendsEast(cells.at(x, y)) + SendsSouth(cells.at(x, y)) + SendsEast(cells.at(x - 1, y)) +
           SendsSouth(cells.at(x, y - 1));
}

// The wire networks of the used area (and one node around it), read with
// the joining rules the gate levels use: one slot per node, two for a
// crossing, united where a value passes between neighbours.
class Networks {
public:
    Networks(const CellGrid& cells, NodeArea area) : cells_(cells), area_(area) {
        parent_.resize(2 * static_cast<std::size_t>(area.Columns()) * static_cast<std::size_t>(area.Rows()));
        std::iota(parent_.begin(), parent_.end(), 0u);
        for (int x = area.left; x <= area.right; ++x)
            for (int y = area.top; y <= area.bottom; ++y) {
                const std::int32_t c = cells.at(x, y);
                if (x < area.right && JoinedEast(c, cells.at(x + 1, y)) && Carries(x, y, x + 1, y))
                    Join(Slot(x, y), Slot(x + 1, y));
                if (y < area.bottom && JoinedSouth(c, cells.at(x, y + 1)) && Carries(x, y, x, y + 1))
                    Join(Slot(x, y, true), Slot(x, y + 1, true));
            }
    }

    std::uint32_t Root(std::uint32_t u) {
        while (parent_[u] != u) u = parent_[u] = parent_[parent_[u]];
        return u;
    }
    std::uint32_t Slot(int x, int y, bool vertical = false) const {
        const auto node = static_cast<std::uint32_t>((x - area_.left) * area_.Rows() + (y - area_.top));
        return 2 * node + (vertical && cells_.at(x, y) == Crossing ? 1 : 0);
    }
    std::size_t SlotCount() const { return parent_.size(); }

private:
    // An empty node that no segment touches passes on what is written into
    // it only to a lamp beside it or a crossing around it, which read it.
    bool Bare(int x, int y) const { return cells_.at(x, y) == Empty && SegmentsAt(cells_, x, y) == 0; }
    bool Reads(int x, int y) const { return cells_.at(x, y) == Lamp || cells_.at(x, y) == Crossing; }
    bool IsRead(int x, int y) const {
        return Reads(x - 1, y) || Reads(x + 1, y) || cells_.at(x, y - 1) == Crossing || cells_.at(x, y + 1) == Crossing;
    }
    bool Carries(int x0, int y0, int x1, int y1) const {
        return (!Bare(x0, y0) || Reads(x1, y1) || IsRead(x0, y0)) && (!Bare(x1, y1) || Reads(x0, y0) || IsRead(x1, y1));
    }

    void Join(std::uint32_t a, std::uint32_t b) {
        a = Root(a);
        b = Root(b);
        if (a != b) parent_[b] = a;
    }

    const CellGrid& cells_;
    NodeArea area_;
    std::vector<std::uint32_t> parent_;
};

constexpr const char* kContext = "CircuitWarnings";

// Small counts in words, as the sentence says them ("от двух источников").
std::string Count(int n) {
    switch (n) {
        case 2: return Tr("CircuitWarnings", "двух");
        case 3: return Tr("CircuitWarnings", "трёх");
        case 4: return Tr("CircuitWarnings", "четырёх");
        default: return std::to_string(n);
    }
}

std::string Drivers(int sources, int outputs) {
    if (outputs == 0) return Fill(Tr("CircuitWarnings", "%1 источников"), {Count(sources)});
    if (sources == 0) return Fill(Tr("CircuitWarnings", "%1 выходов элементов"), {Count(outputs)});
    if (sources == 1 && outputs == 1) return Tr("CircuitWarnings", "источника и выхода элемента");
    return Fill(Tr("CircuitWarnings", "%1 источников и выходов элементов"), {Count(sources + outputs)});
}

// Sources, inverters and gate outputs write into the network of their node.
bool IsDriver(const CellGrid& cells, int x, int y) {
    const std::int32_t c = cells.at(x, y);
    return IsSourceCode(c) || c == Inverter || (c == GateOutput && IsGateAnchorCode(cells.at(x - 1, y)));
}

// A node that shows a wire: a wire code, a lamp, or an empty node a segment
// ends in.
bool ShowsWire(const CellGrid& cells, int x, int y) {
    const std::int32_t c = cells.at(x, y);
    return (c != Empty && (IsPlainWireNode(c) || c == Crossing || c == Lamp)) ||
           (c == Empty && SegmentsAt(cells, x, y) > 0);
}

void FindSharedWires(const CellGrid& cells, NodeArea area, std::vector<CircuitWarning>& out) {
    Networks networks(cells, area);
    struct Network {
        int sources = 0, outputs = 0;
        bool wire = false;
    };
    std::vector<Network> net(networks.SlotCount());
    // Visits every node once per network it belongs to (a crossing: two).
    auto each = [&](auto&& visit) {
        for (int x = area.left; x <= area.right; ++x)
            for (int y = area.top; y <= area.bottom; ++y) {
                const std::uint32_t h = networks.Root(networks.Slot(x, y));
                const std::uint32_t v = networks.Root(networks.Slot(x, y, true));
                visit(x, y, h);
                if (v != h) visit(x, y, v);
            }
    };
    each([&](int x, int y, std::uint32_t root) {
        if (IsDriver(cells, x, y)) ++(IsSourceCode(cells.at(x, y)) ? net[root].sources : net[root].outputs);
        if (ShowsWire(cells, x, y)) net[root].wire = true;
    });
    struct Shared {
        std::vector<NodePos> marks;
        std::optional<NodePos> wire, lamp;  // the first of each
    };
    std::map<std::uint32_t, Shared> shared;  // by network
    each([&](int x, int y, std::uint32_t root) {
        const Network& n = net[root];
        const bool wire = ShowsWire(cells, x, y);
        if (!n.wire || n.sources + n.outputs < 2 || (!wire && !IsDriver(cells, x, y))) return;
        Shared& s = shared[root];
        s.marks.push_back({x, y});
        std::optional<NodePos>& first = cells.at(x, y) == Lamp ? s.lamp : s.wire;
        if (wire && !first) first = NodePos{x, y};
    });
    for (auto& [root, s] : shared) {
        // A lamp is named only where no wire shows: right behind an element.
        const NodePos node = s.wire ? *s.wire : *s.lamp;
        out.push_back({WarningKind::SharedWire, node, std::move(s.marks),
                       Fill(s.wire ? Tr("CircuitWarnings", "Провод в узле %1 получает сигнал от %2: его значение зависит "
                                                  "от порядка вычисления.")
                                   : Tr("CircuitWarnings", "Лампочка в узле %1 получает сигнал от %2: её значение зависит "
                                                  "от порядка вычисления."),
                            {At(node), Drivers(net[root].sources, net[root].outputs)})});
    }
}

// Lamps, and the nodes inverters and gate inputs read, each with the node
// and the sentence of its warning (%1: the node).
struct Watched {
    NodePos read;
    NodePos node;
    const char* sentence;
};

constexpr const char* kSilentLamp =
    VORN_TR_NOOP("CircuitWarnings", "Лампочка в узле %1 не получает сигнала ни при каком положении источников.");
constexpr const char* kSilentInverter =
    VORN_TR_NOOP("CircuitWarnings", "Вход инвертора в узле %1 не получает сигнала ни при каком положении источников.");
constexpr const char* kSilentConjunctor = VORN_TR_NOOP(
    "CircuitWarnings", "Вход конъюнктора в узле %1 не получает сигнала ни при каком положении источников.");
constexpr const char* kSilentDisjunctor = VORN_TR_NOOP(
    "CircuitWarnings", "Вход дизъюнктора в узле %1 не получает сигнала ни при каком положении источников.");

std::vector<Watched> WatchedNodes(const CellGrid& cells, NodeArea area) {
    std::vector<Watched> watched;
    for (int x = area.left; x <= area.right; ++x)
        for (int y = area.top; y <= area.bottom; ++y) {
            const std::int32_t c = cells.at(x, y);
            if (c == Lamp) watched.push_back({{x, y}, {x, y}, kSilentLamp});
            if (c == Inverter) watched.push_back({{x - 1, y}, {x, y}, kSilentInverter});
            if (c != GateInput) continue;
            const std::int32_t anchor = IsGateAnchorCode(cells.at(x, y + 1)) ? cells.at(x, y + 1) : cells.at(x, y - 1);
            if (anchor == ConjunctorAnchor) watched.push_back({{x - 1, y}, {x, y}, kSilentConjunctor});
            if (anchor == DisjunctorAnchor) watched.push_back({{x - 1, y}, {x, y}, kSilentDisjunctor});
        }
    return watched;
}

std::vector<NodePos> NodesOf(const CellGrid& cells, bool lamps) {
    std::vector<NodePos> found;
    for (int x = 0; x < kFieldSize; ++x)
        for (int y = 0; y < kFieldSize; ++y)
            if (lamps ? cells.at(x, y) == Lamp : IsSourceCode(cells.at(x, y))) found.push_back({x, y});
    return found;
}

// Whether a signal reaches each watched node in some combination of the
// sources. In a circuit read as a gate network every element passes a
// signal on whatever its value, so one evaluation tells it for all of them;
// elsewhere (loops, shared wires) it can depend on the positions, and every
// combination is evaluated, as the truth table does.
std::vector<bool> ReachedInSomeRow(const CellGrid& cells, const std::vector<Watched>& watched,
                                   SignalGrid& signalGrid, WorkQueue& queue, const WarningProgress& progress) {
    std::vector<bool> reached(watched.size(), false);
    auto take = [&] {
        for (std::size_t i = 0; i < watched.size(); ++i)
            if (InField(watched[i].read.x, watched[i].read.y) &&
                signalGrid.at(watched[i].read.x, watched[i].read.y) != NoSignal)
                reached[i] = true;
    };
    const std::vector<NodePos> sources = NodesOf(cells, false);
    if (sources.size() > kMaxWarningRowSources || GateNetwork::Compile(cells, sources, NodesOf(cells, true))) {
        EvaluateCircuit(cells, signalGrid, queue);
        take();
    } else {
        auto switched = std::make_unique<CellGrid>(cells);
        const std::uint64_t rows = std::uint64_t{1} << sources.size();
        for (std::uint64_t row = 0; row < rows; ++row) {
            for (std::size_t i = 0; i < sources.size(); ++i)
                switched->at(sources[i].x, sources[i].y) = (row >> (sources.size() - 1 - i)) & 1u ? SourceOn : SourceOff;
            EvaluateCircuit(*switched, signalGrid, queue);
            take();
            if (progress && (row + 1) % 1024 == 0) progress(row + 1, rows);
        }
    }
    ResetSignals(signalGrid, queue);
    return reached;
}

void FindSilentInputs(const CellGrid& cells, NodeArea area, SignalGrid& signalGrid, WorkQueue& queue,
                      const WarningProgress& progress, std::vector<CircuitWarning>& out) {
    const std::vector<Watched> watched = WatchedNodes(cells, area);
    const std::vector<bool> reached = ReachedInSomeRow(cells, watched, signalGrid, queue, progress);
    for (std::size_t i = 0; i < watched.size(); ++i)
        if (!reached[i])
            out.push_back({WarningKind::NoSignal, watched[i].node, {watched[i].node},
                           Fill(Tr(kContext, watched[i].sentence), {At(watched[i].node)})});
}

// The lead of an element: the node beside it that it reads or drives.
struct Lead {
    NodePos node;
    NodePos element;
    const char* what;  // the lead in the genitive, for the sentence (through Tr)
};

constexpr const char* kSourceLead = VORN_TR_NOOP("CircuitWarnings", "источника");
constexpr const char* kLampLead = VORN_TR_NOOP("CircuitWarnings", "лампочки");
constexpr const char* kInverterIn = VORN_TR_NOOP("CircuitWarnings", "входа инвертора");
constexpr const char* kInverterOut = VORN_TR_NOOP("CircuitWarnings", "выхода инвертора");
constexpr const char* kConjunctorIn = VORN_TR_NOOP("CircuitWarnings", "входа конъюнктора");
constexpr const char* kConjunctorOut = VORN_TR_NOOP("CircuitWarnings", "выхода конъюнктора");
constexpr const char* kDisjunctorIn = VORN_TR_NOOP("CircuitWarnings", "входа дизъюнктора");
constexpr const char* kDisjunctorOut = VORN_TR_NOOP("CircuitWarnings", "выхода дизъюнктора");

std::vector<Lead> LeadsOf(const CellGrid& cells, int x, int y) {
    switch (cells.at(x, y)) {
        case SourceOff:
        case SourceOn:
            return {{{x - 1, y}, {x, y}, kSourceLead}, {{x + 1, y}, {x, y}, kSourceLead},
                    {{x, y - 1}, {x, y}, kSourceLead}, {{x, y + 1}, {x, y}, kSourceLead}};
        case Lamp: return {{{x - 1, y}, {x, y}, kLampLead}, {{x + 1, y}, {x, y}, kLampLead}};
        case Inverter: return {{{x - 1, y}, {x, y}, kInverterIn}, {{x + 1, y}, {x, y}, kInverterOut}};
        case ConjunctorAnchor:
            return {{{x - 1, y - 1}, {x, y - 1}, kConjunctorIn},
                    {{x - 1, y + 1}, {x, y + 1}, kConjunctorIn},
                    {{x + 2, y}, {x + 1, y}, kConjunctorOut}};
        case DisjunctorAnchor:
            return {{{x - 1, y - 1}, {x, y - 1}, kDisjunctorIn},
                    {{x - 1, y + 1}, {x, y + 1}, kDisjunctorIn},
                    {{x + 2, y}, {x + 1, y}, kDisjunctorOut}};
        default: return {};
    }
}

// A node where a wire ends in the open: one segment, no element beside it.
bool IsLooseEnd(const CellGrid& cells, int x, int y) {
    if (!InField(x, y) || !IsPlainWireNode(cells.at(x, y)) || SegmentsAt(cells, x, y) != 1) return false;
    for (const NodePos n : {NodePos{x - 1, y}, NodePos{x + 1, y}, NodePos{x, y - 1}, NodePos{x, y + 1}})
        if (IsElement(cells.at(n.x, n.y))) return false;
    return true;
}

void FindShortWires(const CellGrid& cells, NodeArea area, std::vector<CircuitWarning>& out) {
    std::set<std::pair<std::pair<int, int>, std::pair<int, int>>> seen;  // loose end, element
    for (int x = area.left; x <= area.right; ++x)
        for (int y = area.top; y <= area.bottom; ++y)
            for (const Lead& lead : LeadsOf(cells, x, y)) {
                const NodePos l = lead.node;
                // A lead some wire reaches, or one that holds anything, is in use.
                if (!InField(l.x, l.y) || cells.at(l.x, l.y) != Empty || SegmentsAt(cells, l.x, l.y) > 0) continue;
                for (const NodePos e : {NodePos{l.x - 1, l.y}, NodePos{l.x, l.y - 1}, NodePos{l.x, l.y + 1},
                                        NodePos{l.x + 1, l.y}}) {
                    if (!IsLooseEnd(cells, e.x, e.y)) continue;
                    if (!seen.insert({{e.x, e.y}, {lead.element.x, lead.element.y}}).second) continue;
                    std::vector<NodePos> marks{e, l};
                    std::sort(marks.begin(), marks.end(), ColumnMajorOrder{});
                    out.push_back({WarningKind::ShortWire, e, marks,
                                   Fill(Tr("CircuitWarnings", "Провод обрывается в узле %1, не доходя одного узла до %2 в узле %3."),
                                        {At(e), Tr(kContext, lead.what), At(lead.element)})});
                }
            }
}

}  // namespace

std::vector<CircuitWarning> FindCircuitWarnings(const CellGrid& cells, SignalGrid& signalGrid, WorkQueue& queue,
                                                const WarningProgress& progress) {
    std::vector<CircuitWarning> warnings;
    const std::optional<NodeArea> used = UsedArea(cells);
    if (!used) return warnings;
    const NodeArea area{std::max(0, used->left - 1), std::max(0, used->top - 1),
                        std::min(kFieldSize - 1, used->right + 1), std::min(kFieldSize - 1, used->bottom + 1)};
    FindSharedWires(cells, area, warnings);
    FindSilentInputs(cells, area, signalGrid, queue, progress, warnings);
    FindShortWires(cells, area, warnings);
    std::stable_sort(warnings.begin(), warnings.end(), [](const CircuitWarning& a, const CircuitWarning& b) {
        if (a.kind != b.kind) return a.kind < b.kind;
        return ColumnMajorOrder{}(a.node, b.node);
    });
    return warnings;
}

}  // namespace vorn
