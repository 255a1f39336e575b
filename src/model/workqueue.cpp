#include "workqueue.h"

#include <algorithm>
#include <utility>

namespace vorn {

namespace {
constexpr std::size_t kFieldNodes = std::size_t{kFieldSize} * kFieldSize;
}

WorkQueue::WorkQueue() : ring_(kFieldNodes), mask_(kFieldNodes - 1), counts_(kFieldNodes, 0), quietAt_(kFieldNodes, 0), falls_(kFieldNodes, 0) {}

void WorkQueue::push(int x, int y) {
    if (size_ == ring_.size()) grow();
    ring_[(head_ + size_) & mask_] = {static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)};
    ++size_;
    const std::size_t node = Index(x, y);
    ++counts_[node];
    if (!IsQuiet(node)) ++fresh_;
}

void WorkQueue::popHead() {
    const QueuedNode n = ring_[head_];
    const std::size_t node = Index(n.x, n.y);
    --counts_[node];
    if (!IsQuiet(node)) --fresh_;
    head_ = (head_ + 1) & mask_;
    --size_;
}

void WorkQueue::swapHeadWith(std::size_t i) { std::swap(ring_[head_], ring_[(head_ + i) & mask_]); }

void WorkQueue::clear() {
    for (std::size_t i = 0; i < size_; ++i) {
        const QueuedNode& n = at(i);
        counts_[Index(n.x, n.y)] = 0;
    }
    head_ = 0;
    size_ = 0;
    fresh_ = 0;
    ++epoch_;  // quiet marks of an earlier evaluation no longer hold
    std::fill(falls_.begin(), falls_.end(), std::uint16_t{0});
    gateOrder_.Reset();
}

void WorkQueue::signalChanged() {
    ++epoch_;
    fresh_ = size_;
}

void WorkQueue::markHeadQuiet() {
    const QueuedNode& n = head();
    const std::size_t node = Index(n.x, n.y);
    if (IsQuiet(node)) return;
    fresh_ -= counts_[node];
    quietAt_[node] = epoch_;
}

// Only a queue that keeps duplicates can outgrow one entry per field node.
void WorkQueue::grow() {
    std::vector<QueuedNode> bigger(ring_.size() * 2);
    for (std::size_t i = 0; i < size_; ++i) bigger[i] = at(i);
    ring_ = std::move(bigger);
    mask_ = ring_.size() - 1;
    head_ = 0;
}

}  // namespace vorn
