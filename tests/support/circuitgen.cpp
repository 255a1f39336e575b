#include "circuitgen.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

#include "editing.h"
#include "wiringcheck.h"

namespace vorn::circuitgen {

namespace {

constexpr int kSourceColumn = 1;
constexpr int kTopRow = 2;
// Room the drawing leaves at the field's right and bottom edge.
constexpr int kFieldLimit = kFieldSize - 4;
constexpr int kLayoutTries = 40;

// One element of a band, or a straight wire carrying a signal past it.
struct Item {
    enum class Kind { Source, Gate, Inverter, Lamp, Through };
    Kind kind = Kind::Through;
    int node = -1;  // the formula node it computes, shows or carries
    int lamp = -1;  // the lamp's index for a Lamp, or a lamp on a Through wire
    int inverse = -1;  // a Gate's inverter standing right behind it: its node
    std::vector<int> inputs;
    double key = 0;  // where it would like to stand
    int top = 0;     // its first row; a gate's anchor is one row lower
    int outRow = 0;  // the row its signal leaves the band on
};

// The wire of one signal in one channel.
struct Route {
    int leftRow = 0;
    std::vector<int> rightRows;
    int low = 0, high = 0;  // the rows its vertical wire spans
    int column = -1;        // its vertical wire; -1 for a straight wire
};

class Layout {
public:
    Layout(const Formula& formula, std::uint64_t seed, int attempt)
        : formula_(formula), random_(seed * 0x100000001b3ULL + static_cast<std::uint64_t>(attempt)),
          jitter_(1.0 + attempt) {}

    std::optional<GeneratedCircuit> Draw() {
        AssignBands();
        if (!PlaceSources()) return std::nullopt;
        int left = kSourceColumn;
        for (int band = 1; band <= lastBand_; ++band) {
            std::vector<Item> items = BandItems(band);
            StackItems(items);
            int feedColumn = 0;
            if (!RouteChannel(band, left, items, feedColumn)) return std::nullopt;
            if (!PlaceBand(items, feedColumn, left)) return std::nullopt;
        }
        return Finish();
    }

private:
    // Depth of every node, the band of every lamp and the last band that
    // needs each node. An inverter whose gate feeds nothing else often
    // stands right behind the gate, in the gate's band.
    void AssignBands() {
        const int count = static_cast<int>(formula_.nodes.size());
        depth_.assign(count, 0);
        lastUse_.assign(count, 0);
        std::vector<int> consumers(count, 0);
        for (int n = formula_.sources; n < count; ++n) {
            ++consumers[formula_.nodes[n].a];
            if (formula_.nodes[n].b >= 0) ++consumers[formula_.nodes[n].b];
        }
        for (int n : formula_.lamps) ++consumers[n];
        inverseOf_.assign(count, -1);
        int deepest = 0;
        for (int n = formula_.sources; n < count; ++n) {
            const FormulaNode& node = formula_.nodes[n];
            const bool behindGate = node.op == Op::Not && formula_.nodes[node.a].op != Op::Not &&
                                    node.a >= formula_.sources && consumers[node.a] == 1;
            if (behindGate && random_.Chance(0.6)) {
                inverseOf_[node.a] = n;
                depth_[n] = depth_[node.a];
                continue;
            }
            depth_[n] = 1 + std::max(depth_[node.a], node.b >= 0 ? depth_[node.b] : 0);
            deepest = std::max(deepest, depth_[n]);
        }
        for (int n = formula_.sources; n < count; ++n) {
            const FormulaNode& node = formula_.nodes[n];
            lastUse_[node.a] = std::max(lastUse_[node.a], depth_[n]);
            if (node.b >= 0) lastUse_[node.b] = std::max(lastUse_[node.b], depth_[n]);
        }
        // Outputs mostly get their lamp at the right-hand end, inner nodes
        // mostly right after their element.
        std::vector<bool> output(count, true);
        for (int n = formula_.sources; n < count; ++n) {
            output[formula_.nodes[n].a] = false;
            if (formula_.nodes[n].b >= 0) output[formula_.nodes[n].b] = false;
        }
        lastBand_ = deepest + 1;
        for (int n : formula_.lamps) {
            const bool atEnd = n < formula_.sources || random_.Chance(output[n] ? 0.75 : 0.3);
            const int band = atEnd ? deepest + 1 : depth_[n] + 1;
            lampBand_.push_back(band);
            lastUse_[n] = std::max(lastUse_[n], band);
        }
        // Some sources first needed further right stand in the band just
        // before, so that the propagation does not seed them first.
        std::vector<int> firstUse(count, lastBand_);
        for (int n = formula_.sources; n < count; ++n) {
            const FormulaNode& node = formula_.nodes[n];
            firstUse[node.a] = std::min(firstUse[node.a], depth_[n]);
            if (node.b >= 0) firstUse[node.b] = std::min(firstUse[node.b], depth_[n]);
        }
        for (int s = 0; s < formula_.sources; ++s)
            if (firstUse[s] >= 2 && random_.Chance(0.3)) depth_[s] = firstUse[s] - 1;
        // Some lamps right after their element sit on the wire that carries
        // the signal on, instead of on a branch of their own.
        lampOnWire_.assign(formula_.lamps.size(), false);
        for (std::size_t lamp = 0; lamp < formula_.lamps.size(); ++lamp) {
            const int n = formula_.lamps[lamp];
            const int band = lampBand_[lamp];
            if (n < formula_.sources || band != depth_[n] + 1 || lastUse_[n] <= band) continue;
            if (!throughLamp_.count({band, n}) && random_.Chance(0.5)) {
                throughLamp_[{band, n}] = static_cast<int>(lamp);
                lampOnWire_[lamp] = true;
            }
        }
    }

    bool PlaceSources() {
        const int spacing = random_.Chance(0.5) ? 2 : 4;
        sourceNodes_.resize(formula_.sources);
        int row = kTopRow;
        for (int s = 0; s < formula_.sources; ++s) {
            if (depth_[s] > 0) continue;
            leftRow_[s] = row;
            driver_[s] = {kSourceColumn, row};
            sourceNodes_[s] = {kSourceColumn, row};
            rows_ = std::max(rows_, row + 2);
            row += spacing;
        }
        columns_ = kSourceColumn + 2;
        return row < kFieldLimit;
    }

    std::vector<Item> BandItems(int band) {
        std::vector<Item> items;
        for (int n = 0; n < formula_.sources; ++n) {
            if (depth_[n] != band) continue;
            Item item;
            item.kind = Item::Kind::Source;
            item.node = n;
            items.push_back(item);
        }
        for (int n = formula_.sources; n < static_cast<int>(formula_.nodes.size()); ++n) {
            const FormulaNode& node = formula_.nodes[n];
            if (depth_[n] != band || (node.op == Op::Not && inverseOf_[node.a] == n)) continue;
            Item item;
            item.kind = node.op == Op::Not ? Item::Kind::Inverter : Item::Kind::Gate;
            item.node = n;
            item.inverse = inverseOf_[n];
            item.inputs = {node.a};
            if (node.b >= 0) {
                // The input arriving higher up takes the upper terminal, now and then the other way round.
                const bool swap = (leftRow_[node.a] > leftRow_[node.b]) != random_.Chance(0.15);
                item.inputs = swap ? std::vector<int>{node.b, node.a} : std::vector<int>{node.a, node.b};
            }
            items.push_back(item);
        }
        for (std::size_t lamp = 0; lamp < lampBand_.size(); ++lamp) {
            if (lampBand_[lamp] != band || lampOnWire_[lamp]) continue;
            Item item;
            item.kind = Item::Kind::Lamp;
            item.node = formula_.lamps[lamp];
            item.lamp = static_cast<int>(lamp);
            item.inputs = {item.node};
            items.push_back(item);
        }
        for (int n = 0; n < static_cast<int>(formula_.nodes.size()); ++n) {
            if (depth_[n] < band && lastUse_[n] > band) {
                Item item;
                item.node = n;
                item.inputs = {n};
                if (auto lamp = throughLamp_.find({band, n}); lamp != throughLamp_.end()) item.lamp = lamp->second;
                items.push_back(item);
            }
        }
        return items;
    }

    // Orders the band's items by the rows their inputs arrive on and stacks
    // them from the top, each as near that row as the items above allow,
    // now and then with a spare row pair between two of them.
    void StackItems(std::vector<Item>& items) {
        int lowest = kTopRow;
        for (const auto& [node, row] : leftRow_) lowest = std::max(lowest, row);
        for (Item& item : items) {
            double sum = 0;
            for (int input : item.inputs) sum += leftRow_.at(input);
            // A source has no inputs: it goes anywhere in the band.
            item.key = item.inputs.empty() ? kTopRow + random_.Below(lowest - kTopRow + 1)
                                           : sum / static_cast<double>(item.inputs.size());
            item.key += (static_cast<double>(random_.Below(2001)) / 1000.0 - 1.0) * jitter_;
        }
        std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.key < b.key; });
        int next = kTopRow;
        for (Item& item : items) {
            const bool gate = item.kind == Item::Kind::Gate;
            int wanted = static_cast<int>(std::floor(item.key)) - (gate ? 1 : 0);
            wanted -= ((wanted % 2) + 2) % 2;  // even rows only
            item.top = std::max(next, wanted);
            item.outRow = gate ? item.top + (random_.Chance(0.5) ? 0 : 2) : item.top;
            next = item.top + (gate ? 4 : 2) + (random_.Chance(0.15) ? 2 : 0);
        }
    }

    // Lays out the channel left of a band: which signal arrives on which
    // row, which rows it must reach, and the columns of the vertical wires.
    // Two signals sharing a row (one arriving, one leaving) need the arriving
    // one's vertical wire further left; a circle of such needs fails.
    bool RouteChannel(int band, int left, const std::vector<Item>& items, int& feedColumn) {
        std::map<int, Route> routes;
        for (const Item& item : items) {
            const int rows[] = {item.top, item.top + 2};
            for (std::size_t i = 0; i < item.inputs.size(); ++i) {
                Route& route = routes[item.inputs[i]];
                route.rightRows.push_back(item.kind == Item::Kind::Gate ? rows[i] : item.top);
            }
        }
        std::map<int, int> arriving, leaving;  // row -> signal
        for (auto& [signal, route] : routes) {
            route.leftRow = leftRow_.at(signal);
            arriving[route.leftRow] = signal;
            route.low = route.high = route.leftRow;
            for (int row : route.rightRows) {
                leaving[row] = signal;
                route.low = std::min(route.low, row);
                route.high = std::max(route.high, row);
            }
        }
        // Order the vertical wires: Kahn's algorithm with random picks. Each
        // takes the leftmost column right of the ones it must follow where it
        // does not come within one row of another signal's vertical wire.
        std::map<int, std::set<int>> after, before;
        std::map<int, int> waiting;
        std::vector<int> bent;
        for (auto& [signal, route] : routes)
            if (route.low != route.high) {
                bent.push_back(signal);
                waiting[signal] = 0;
            }
        for (const auto& [row, from] : arriving) {
            const auto to = leaving.find(row);
            if (to == leaving.end() || to->second == from) continue;
            if (after[from].insert(to->second).second) ++waiting[to->second];
            before[to->second].insert(from);
        }
        std::vector<int> ready;
        for (int signal : bent)
            if (waiting[signal] == 0) ready.push_back(signal);
        const int firstColumn = left + (band == 1 ? 3 : 2);
        std::vector<std::vector<const Route*>> lanes;
        std::map<int, int> lane;
        while (!ready.empty()) {
            const int pick = random_.Below(static_cast<int>(ready.size()));
            const int signal = ready[pick];
            ready.erase(ready.begin() + pick);
            Route& route = routes[signal];
            std::size_t l = 0;
            for (int first : before[signal]) l = std::max(l, static_cast<std::size_t>(lane.at(first)) + 1);
            auto apart = [&](const Route* other) { return other->high + 2 <= route.low || route.high + 2 <= other->low; };
            while (l < lanes.size() && !std::all_of(lanes[l].begin(), lanes[l].end(), apart)) ++l;
            if (l == lanes.size()) lanes.emplace_back();
            lanes[l].push_back(&route);
            lane[signal] = static_cast<int>(l);
            route.column = firstColumn + 2 * static_cast<int>(l);
            for (int next : after[signal])
                if (--waiting[next] == 0) ready.push_back(next);
        }
        if (lane.size() != bent.size()) return false;
        const int laneCount = static_cast<int>(lanes.size());
        feedColumn = laneCount > 0 ? firstColumn + 2 * laneCount : left + 2;
        if (feedColumn + 4 >= kFieldLimit) return false;

        for (auto& [signal, route] : routes) {
            if (route.column < 0) {
                paths_.push_back(Line({left, route.leftRow}, {feedColumn, route.leftRow}));
                continue;
            }
            paths_.push_back(Line({left, route.leftRow}, {route.column, route.leftRow}));
            paths_.push_back(Line({route.column, route.low}, {route.column, route.high}));
            for (int row : route.rightRows) paths_.push_back(Line({route.column, row}, {feedColumn, row}));
        }
        // Every horizontal wire crosses the vertical wires of other signals
        // whose span it passes strictly inside.
        auto crossings = [&](int signal, int row, int from, int to) {
            for (const auto& [other, route] : routes)
                if (other != signal && route.column > from && route.column < to && route.low < row && row < route.high)
                    crossings_.push_back({route.column, row});
        };
        for (const auto& [signal, route] : routes) {
            if (route.column < 0) {
                crossings(signal, route.leftRow, left, feedColumn);
                continue;
            }
            crossings(signal, route.leftRow, left, route.column);
            for (int row : route.rightRows) crossings(signal, row, route.column, feedColumn);
        }
        return true;
    }

    // The band's elements stand one column right of the feed column, and
    // every signal leaves the band three columns further on (five when an
    // inverter stands right behind a gate); `out` becomes that column.
    bool PlaceBand(std::vector<Item>& items, int feedColumn, int& out) {
        const int x = feedColumn + 1;
        out = x + 3;
        for (const Item& item : items)
            if (item.inverse >= 0) out = x + 5;
        if (out + 4 >= kFieldLimit) return false;
        for (Item& item : items) {
            if (item.top + 3 >= kFieldLimit) return false;
            switch (item.kind) {
            case Item::Kind::Source:
                sourceNodes_[item.node] = {x, item.top};
                driver_[item.node] = {x, item.top};
                paths_.push_back(Line({x + 1, item.top}, {out, item.top}));
                break;
            case Item::Kind::Gate: {
                const int anchor = item.top + 1;
                const bool conjunctor = formula_.nodes[item.node].op == Op::And;
                gates_.push_back({{x, anchor}, conjunctor});
                driver_[item.node] = {x, anchor};
                expected_[{x, anchor}] = {driver_.at(item.inputs[0]), driver_.at(item.inputs[1])};
                paths_.push_back(Line({feedColumn, item.top}, {x, item.top}));
                paths_.push_back(Line({feedColumn, item.top + 2}, {x, item.top + 2}));
                std::vector<NodePos> lead;
                if (item.inverse >= 0) {
                    // The gate's output lead ends at the node west of the inverter.
                    inverters_.push_back({x + 3, anchor});
                    driver_[item.inverse] = {x + 3, anchor};
                    expected_[{x + 3, anchor}] = {{x, anchor}};
                    paths_.push_back(Line({x + 2, anchor}, {x + 3, anchor}));
                    lead = Line({x + 4, anchor}, {out, anchor});
                } else {
                    lead = Line({x + 2, anchor}, {out, anchor});
                }
                lead.push_back({out, item.outRow});
                paths_.push_back(lead);
                break;
            }
            case Item::Kind::Inverter:
                inverters_.push_back({x, item.top});
                driver_[item.node] = {x, item.top};
                expected_[{x, item.top}] = {driver_.at(item.inputs[0])};
                paths_.push_back(Line({feedColumn, item.top}, {x, item.top}));
                paths_.push_back(Line({x + 1, item.top}, {out, item.top}));
                break;
            case Item::Kind::Lamp:
                lampNodes_.resize(formula_.lamps.size());
                lampNodes_[item.lamp] = {x, item.top};
                expected_[{x, item.top}] = {driver_.at(item.node)};
                paths_.push_back(Line({feedColumn, item.top}, {x, item.top}));
                break;
            case Item::Kind::Through:
                if (item.lamp >= 0) {
                    // The lamp sits on the wire, which goes on from its east side.
                    lampNodes_.resize(formula_.lamps.size());
                    lampNodes_[item.lamp] = {x, item.top};
                    expected_[{x, item.top}] = {driver_.at(item.node)};
                    paths_.push_back(Line({feedColumn, item.top}, {x, item.top}));
                    paths_.push_back(Line({x + 1, item.top}, {out, item.top}));
                } else {
                    paths_.push_back(Line({feedColumn, item.top}, {out, item.top}));
                }
                break;
            }
            if (item.kind != Item::Kind::Lamp) leftRow_[item.inverse >= 0 ? item.inverse : item.node] = item.outRow;
            columns_ = std::max(columns_, out + 2);
            rows_ = std::max(rows_, item.top + 4);
        }
        return true;
    }

    // Renumbers the formula's sources (and sourceNodes_) column by column and
    // top to bottom, the order in which the propagation seeds them.
    void NumberSourcesInSeedingOrder(Formula& formula) {
        std::vector<int> order(formula.sources);
        for (int s = 0; s < formula.sources; ++s) order[s] = s;
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const NodePos p = sourceNodes_[a], q = sourceNodes_[b];
            return p.x != q.x ? p.x < q.x : p.y < q.y;
        });
        std::vector<int> renumbered(formula.sources);
        std::vector<NodePos> nodes(formula.sources);
        for (int rank = 0; rank < formula.sources; ++rank) {
            renumbered[order[rank]] = rank;
            nodes[rank] = sourceNodes_[order[rank]];
        }
        auto renumber = [&](int& n) {
            if (n >= 0 && n < formula.sources) n = renumbered[n];
        };
        for (FormulaNode& node : formula.nodes) {
            renumber(node.a);
            renumber(node.b);
        }
        for (int& lamp : formula.lamps) renumber(lamp);
        sourceNodes_ = nodes;
    }

    static std::vector<NodePos> Line(NodePos from, NodePos to) {
        std::vector<NodePos> line{from};
        while (!(from == to)) {
            from.x += (to.x > from.x) - (to.x < from.x);
            from.y += (to.y > from.y) - (to.y < from.y);
            line.push_back(from);
        }
        return line;
    }

    // Places the elements, draws the wires in a random order and direction,
    // clicks the crossings, and reads the result back.
    std::optional<GeneratedCircuit> Finish() {
        GeneratedCircuit circuit;
        circuit.formula = formula_;
        circuit.cells = std::make_unique<CellGrid>();
        CellGrid& cells = *circuit.cells;
        bool placed = true;
        for (const NodePos& s : sourceNodes_) placed = placed && PlaceSource(cells, s.x, s.y);
        for (const auto& [anchor, conjunctor] : gates_)
            placed = placed && PlaceGate(cells, anchor.x, anchor.y,
                                         conjunctor ? GateKind::Conjunctor : GateKind::Disjunctor);
        for (const NodePos& n : inverters_) placed = placed && PlaceInverter(cells, n.x, n.y);
        for (const NodePos& n : lampNodes_) placed = placed && PlaceLamp(cells, n.x, n.y);
        if (!placed) return std::nullopt;

        for (std::size_t i = paths_.size(); i > 1; --i)
            std::swap(paths_[i - 1], paths_[random_.Below(static_cast<int>(i))]);
        for (std::vector<NodePos>& path : paths_) {
            if (random_.Chance(0.5)) std::reverse(path.begin(), path.end());
            for (std::size_t i = 1; i < path.size(); ++i)
                if (!WireStep(cells, path[i - 1], path[i]).taken) return std::nullopt;
        }
        for (const NodePos& c : crossings_)
            if (!ToggleCrossing(cells, c.x, c.y) || cells.at(c.x, c.y) != Crossing) return std::nullopt;

        const WiringReading reading = ReadWiring(cells, columns_, rows_);
        if (!reading.fault.empty() || reading.drivers != expected_) return std::nullopt;
        NumberSourcesInSeedingOrder(circuit.formula);
        circuit.sources = sourceNodes_;
        circuit.lamps = lampNodes_;
        circuit.columns = columns_;
        circuit.rows = rows_;
        return circuit;
    }

    const Formula& formula_;
    Random random_;
    double jitter_;
    std::vector<int> depth_, lastUse_, lampBand_;
    std::vector<bool> lampOnWire_;
    std::vector<int> inverseOf_;  // gate node -> the inverter node standing right behind it, or -1
    std::map<std::pair<int, int>, int> throughLamp_;  // (band, node) -> lamp on the wire passing that band
    int lastBand_ = 1;
    std::map<int, int> leftRow_;      // node -> the row it arrives on in the current channel
    std::map<int, NodePos> driver_;   // node -> the element that computes it
    std::vector<NodePos> sourceNodes_, inverters_, lampNodes_;
    std::vector<std::pair<NodePos, bool>> gates_;
    std::vector<std::vector<NodePos>> paths_;
    std::vector<NodePos> crossings_;
    std::map<std::pair<int, int>, std::vector<NodePos>> expected_;
    int columns_ = 0, rows_ = 0;
};

}  // namespace

std::optional<GeneratedCircuit> DrawFormula(const Formula& formula, std::uint64_t seed) {
    for (int attempt = 0; attempt < kLayoutTries; ++attempt)
        if (auto circuit = Layout(formula, seed, attempt).Draw()) return circuit;
    return std::nullopt;
}

GeneratedCircuit GenerateCircuit(std::uint64_t seed, const FormulaShape& shape, Inverters inverters) {
    for (std::uint64_t round = 0; round < 100; ++round) {
        const std::uint64_t formulaSeed = seed ^ (round * 0x9e3779b97f4a7c15ULL);
        Formula formula = RandomFormula(formulaSeed, shape);
        if (inverters == Inverters::PushedToSources) formula = PushInvertersToSources(formula);
        if (auto circuit = DrawFormula(formula, formulaSeed)) return std::move(*circuit);
    }
    throw std::runtime_error("no formula of this shape fits the field");
}

void SetSourceRow(CellGrid& cells, const GeneratedCircuit& circuit, std::uint32_t row) {
    const int count = static_cast<int>(circuit.sources.size());
    for (int i = 0; i < count; ++i) {
        const NodePos s = circuit.sources[i];
        cells.at(s.x, s.y) = ((row >> (count - 1 - i)) & 1u) ? SourceOn : SourceOff;
    }
}

std::string CodeRows(const CellGrid& cells, int columns, int rows) {
    int firstRow = rows, lastRow = -1, lastColumn = -1;
    for (int x = 0; x < columns; ++x)
        for (int y = 0; y < rows; ++y)
            if (cells.at(x, y) != Empty) {
                firstRow = std::min(firstRow, y);
                lastRow = std::max(lastRow, y);
                lastColumn = x;
            }
    std::ostringstream out;
    for (int y = firstRow; y <= lastRow; ++y) {
        out << "row " << std::setw(3) << y << ":";
        for (int x = 0; x <= lastColumn; ++x) out << ' ' << std::setw(2) << cells.at(x, y);
        out << '\n';
    }
    return out.str();
}

void DrawRandomPatch(CellGrid& grid, std::mt19937& rng, int left, int top, int side, bool sparse) {
    static const int kAll[] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 4, 4, 6, 7, 8, 9, 12, 51, 52, 53, 53};
    static const int kSparse[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 2, 2, 3, 4, 6, 7, 8, 12, 51, 52, 53};
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y)
            grid.at(left + x, top + y) = sparse ? kSparse[rng() % std::size(kSparse)] : kAll[rng() % std::size(kAll)];
    const int gates = static_cast<int>(rng() % 4);
    for (int k = 0; k < gates; ++k) {
        const int x = left + static_cast<int>(rng() % (side - 1));
        const int y = top + 1 + static_cast<int>(rng() % (side - 2));
        const std::int32_t block[2][3] = {{GateInput, rng() % 2 ? ConjunctorAnchor : DisjunctorAnchor, GateInput},
                                          {GateCorner, GateOutput, GateCorner}};
        for (int dx = 0; dx < 2; ++dx)
            for (int dy = 0; dy < 3; ++dy) grid.at(x + dx, y - 1 + dy) = block[dx][dy];
    }
}

}  // namespace vorn::circuitgen
