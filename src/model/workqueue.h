// The first-in first-out list of nodes that the propagation still has to visit.
#pragma once

#include <cstdint>
#include <vector>

#include "cellgrid.h"
#include "gateorder.h"

namespace vorn {

struct QueuedNode {
    std::int16_t x, y;
};

// The working storage of one evaluation: a ring buffer of field nodes. Besides the entries it keeps, per field node,
// how many entries wait for it and whether the node is "quiet": visited
// without changing any signal since the last signal change anywhere. A quiet
// node, visited again, would do exactly what it did last time, so once every
// waiting entry is quiet nothing can change any more.
//
// Storage is taken once; with duplicates dropped the queue never holds more
// than one entry per field node and never grows.
class WorkQueue {
public:
    WorkQueue();

    bool empty() const { return size_ == 0; }
    std::size_t size() const { return size_; }
    const QueuedNode& head() const { return ring_[head_]; }
    const QueuedNode& at(std::size_t i) const { return ring_[(head_ + i) & mask_]; }
    std::uint32_t countOf(int x, int y) const { return counts_[Index(x, y)]; }

    void push(int x, int y);
    void popHead();
    // Exchanges the head with the entry i places behind it.
    void swapHeadWith(std::size_t i);
    // Empties the queue and forgets every quiet mark, fall count and gate level.
    void clear();

    // Some signal changed: no waiting node is known to be quiet any more.
    void signalChanged();
    // The head was visited and changed no signal.
    void markHeadQuiet();
    // True when every waiting entry belongs to a quiet node.
    bool allQuiet() const { return fresh_ == 0; }

    // The ranking of the gates waiting in this evaluation.
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
    static std::size_t Index(int x, int y) {
        return static_cast<std::size_t>(x) * kFieldSize + static_cast<std::size_t>(y);
    }
    bool IsQuiet(std::size_t node) const { return quietAt_[node] == epoch_; }
    void grow();

    std::vector<QueuedNode> ring_;
    std::size_t mask_ = 0;
    std::size_t head_ = 0;
    std::size_t size_ = 0;
    std::vector<std::uint32_t> counts_;   // waiting entries per field node
    std::vector<std::uint64_t> quietAt_;  // epoch at which the node was found quiet
    std::uint64_t epoch_ = 1;             // advances with every signal change
    std::size_t fresh_ = 0;               // waiting entries of nodes not quiet
    std::vector<std::uint16_t> falls_;    // signal falls per node in this evaluation
    GateOrder gateOrder_;
};

}  // namespace vorn
