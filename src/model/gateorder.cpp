#include "gateorder.h"

#include <algorithm>

#include "wirecodes.h"

namespace vorn {

namespace {

constexpr std::uint32_t kFieldNodes = std::uint32_t{kFieldSize} * kFieldSize;
enum : std::uint8_t { kNew = 0, kOpen = 1, kKnown = 2 };

std::uint32_t NodeIndex(int x, int y) { return static_cast<std::uint32_t>(x) * kFieldSize + static_cast<std::uint32_t>(y); }
// A node's slot for its west-east line and for its north-south line; only a
// crossing keeps the two apart.
std::uint32_t HorizontalSlot(int x, int y) { return NodeIndex(x, y) * 2; }
std::uint32_t VerticalSlot(const CellGrid& cells, int x, int y) {
    return NodeIndex(x, y) * 2 + (cells.at(x, y) == Crossing ? 1 : 0);
}

}  // namespace

GateOrder::GateOrder() = default;

void GateOrder::Reset() {
    if (++epoch_ == 0) {  // after 2^32 evaluations every stamp could look current
        std::fill(slotStamp_.begin(), slotStamp_.end(), 0);
        std::fill(gateStamp_.begin(), gateStamp_.end(), 0);
        epoch_ = 1;
    }
    networks_.clear();
    feeds_.clear();
}

std::uint32_t GateOrder::Level(const CellGrid& cells, int x, int y) {
    if (gateStamp_.empty()) {  // taken at the first gate: circuits without gates need none of it
        slotStamp_.assign(2 * kFieldNodes, 0);
        slotNetwork_.assign(2 * kFieldNodes, 0);
        gateStamp_.assign(kFieldNodes, 0);
        gateLevel_.assign(kFieldNodes, 0);
    }
    const std::uint32_t node = NodeIndex(x, y);
    if (gateStamp_[node] == epoch_) return gateLevel_[node];
    std::uint32_t level = 1;
    for (int fy : {y - 1, y + 1})
        if (InField(x - 1, fy)) level = std::max(level, NetworkLevel(cells, HorizontalSlot(x - 1, fy)) + 1);
    gateStamp_[node] = epoch_;
    gateLevel_[node] = level;
    return level;
}

// Collects the network of a slot (breadth first over the joined neighbours)
// and notes what feeds it.
std::uint32_t GateOrder::NetworkOf(const CellGrid& cells, std::uint32_t slot) {
    if (slotStamp_[slot] == epoch_) return slotNetwork_[slot];
    const auto id = static_cast<std::uint32_t>(networks_.size());
    networks_.push_back({});
    networks_[id].firstFeed = static_cast<std::uint32_t>(feeds_.size());
    frontier_.clear();
    auto take = [&](std::uint32_t s) {
        if (slotStamp_[s] == epoch_) return;
        slotStamp_[s] = epoch_;
        slotNetwork_[s] = id;
        frontier_.push_back(s);
    };
    take(slot);
    for (std::size_t i = 0; i < frontier_.size(); ++i) {
        const std::uint32_t s = frontier_[i];
        const int x = static_cast<int>(s / 2 / kFieldSize), y = static_cast<int>(s / 2 % kFieldSize);
        const std::int32_t c = cells.at(x, y);
        const bool crossing = c == Crossing;
        const bool horizontal = !crossing || s % 2 == 0, vertical = !crossing || s % 2 == 1;
        if (horizontal) {
            if (x > 0 && JoinedEast(cells.at(x - 1, y), c)) take(HorizontalSlot(x - 1, y));
            if (x + 1 < kFieldSize && JoinedEast(c, cells.at(x + 1, y))) take(HorizontalSlot(x + 1, y));
            AddFeedsOfNode(cells, x, y);
        }
        if (vertical) {
            if (y > 0 && JoinedSouth(cells.at(x, y - 1), c)) take(VerticalSlot(cells, x, y - 1));
            if (y + 1 < kFieldSize && JoinedSouth(c, cells.at(x, y + 1))) take(VerticalSlot(cells, x, y + 1));
        }
    }
    networks_[id].endFeed = static_cast<std::uint32_t>(feeds_.size());
    networks_[id].cursor = networks_[id].firstFeed;
    return id;
}

// An inverter's node belongs to the network of its output and depends on the
// network west of it; a gate's output node depends on the nodes west of its
// two inputs. Sources depend on nothing.
void GateOrder::AddFeedsOfNode(const CellGrid& cells, int x, int y) {
    const std::int32_t c = cells.at(x, y);
    if (c == Inverter && x > 0) feeds_.push_back({HorizontalSlot(x - 1, y), 0});
    if (c == GateOutput && x > 0 && IsGateAnchorCode(cells.at(x - 1, y))) AddGateFeeds(x - 1, y);
}

void GateOrder::AddGateFeeds(int anchorX, int anchorY) {
    for (int fy : {anchorY - 1, anchorY + 1})
        if (InField(anchorX - 1, fy)) feeds_.push_back({HorizontalSlot(anchorX - 1, fy), 1});
}

// The largest level of what feeds the network, worked out depth first with a
// stack of our own (chains of gates and inverters can be thousands long). A
// feed that leads back to a network still being worked out closes a loop and
// is not counted.
std::uint32_t GateOrder::NetworkLevel(const CellGrid& cells, std::uint32_t slot) {
    const std::uint32_t root = NetworkOf(cells, slot);
    if (networks_[root].state == kKnown) return networks_[root].level;
    networks_[root].state = kOpen;
    stack_.assign(1, root);
    while (!stack_.empty()) {
        const std::uint32_t top = stack_.back();
        bool descended = false;
        while (networks_[top].cursor < networks_[top].endFeed) {
            const Feed feed = feeds_[networks_[top].cursor];
            const std::uint32_t next = NetworkOf(cells, feed.slot);  // may grow networks_ and feeds_
            if (networks_[next].state == kNew) {
                networks_[next].state = kOpen;
                stack_.push_back(next);
                descended = true;
                break;
            }
            if (networks_[next].state == kKnown)
                networks_[top].level = std::max(networks_[top].level, networks_[next].level + feed.weight);
            ++networks_[top].cursor;
        }
        if (!descended) {
            networks_[top].state = kKnown;
            stack_.pop_back();
        }
    }
    return networks_[root].level;
}

}  // namespace vorn
