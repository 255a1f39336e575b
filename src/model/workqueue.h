// The list of nodes that the propagation still has to visit.
#pragma once

#include <cstdint>
#include <vector>

#include "cellgrid.h"
#include "gateorder.h"

namespace vorn {

struct QueuedNode {
    std::int16_t x, y;
};

// The working storage of one evaluation. Nodes wait first in, first out in a
// ring buffer; gate anchors wait apart, by level (see gateorder.h), and are
// taken lowest level first and, within a level, in the order they came.
// Besides the entries it keeps, per field node, how many entries wait for it
// and whether the node is "quiet": visited without changing any signal since
// the last signal change anywhere. A quiet node, visited again, would do
// exactly what it did last time, so once every waiting entry is quiet
// nothing can change any more.
//
// Storage is taken once and reused; with duplicates dropped the queue never
// holds more than one entry per field node.
class WorkQueue {
public:
    WorkQueue();

    // Entries of both kinds.
    bool empty() const { return size_ == 0 && gateCount_ == 0; }
    std::size_t size() const { return size_ + gateCount_; }
    std::uint32_t countOf(int x, int y) const { return counts_[Index(x, y)]; }

    // The ring of nodes other than gates.
    bool ringEmpty() const { return size_ == 0; }
    const QueuedNode& head() const { return ring_[head_]; }
    void push(int x, int y);
    void popHead();

    // The waiting gates.
    bool hasGates() const { return gateCount_ > 0; }
    void pushGate(int x, int y, std::uint32_t level);
    // The gate to take next; popGate removes exactly that entry, even when
    // gates of a lower level came in between.
    const QueuedNode& nextGate();
    void popGate();

    // Empties the queue and forgets every quiet mark, fall count and gate level.
    void clear();

    // Some signal changed: no waiting node is known to be quiet any more.
    void signalChanged();
    // A waiting node was visited and changed no signal.
    void markQuiet(int x, int y);
    // True when every waiting entry belongs to a quiet node.
    bool allQuiet() const { return fresh_ == 0; }

    // The levels of the gates in this evaluation.
    GateOrder& gateOrder() { return gateOrder_; }

    // Counts one fall of a node's signal in this evaluation; false once the
    // node has fallen `limit` times already.
    bool takeFall(int x, int y, std::uint16_t limit) {
        std::uint16_t& falls = falls_[Index(x, y)];
        if (falls >= limit) return false;
        ++falls;
        return true;
    }

private:
    struct GateBucket {
        std::vector<QueuedNode> entries;
        std::size_t head = 0;
        bool empty() const { return head == entries.size(); }
    };

    static std::size_t Index(int x, int y) {
        return static_cast<std::size_t>(x) * kFieldSize + static_cast<std::size_t>(y);
    }
    bool IsQuiet(std::size_t node) const { return quietAt_[node] == epoch_; }
    void Arrived(int x, int y);
    void Left(const QueuedNode& n);
    void grow();

    std::vector<QueuedNode> ring_;
    std::size_t mask_ = 0;
    std::size_t head_ = 0;
    std::size_t size_ = 0;
    std::vector<GateBucket> gates_;       // waiting gates, one bucket per level
    std::size_t gateCount_ = 0;
    std::uint32_t lowestGate_ = 0;        // no bucket below this one holds a gate
    std::uint32_t takenLevel_ = 0;        // the bucket nextGate() took its gate from
    std::vector<std::uint32_t> counts_;   // waiting entries per field node
    std::vector<std::uint64_t> quietAt_;  // epoch at which the node was found quiet
    std::uint64_t epoch_ = 1;             // advances with every signal change
    std::size_t fresh_ = 0;               // waiting entries of nodes not quiet
    std::vector<std::uint16_t> falls_;    // signal falls per node in this evaluation
    GateOrder gateOrder_;
};

}  // namespace vorn
