#include "workqueue.h"

#include <algorithm>
#include <utility>

namespace vorn {

namespace {
constexpr std::size_t kFieldNodes = std::size_t{kFieldSize} * kFieldSize;
}

WorkQueue::WorkQueue()
    : ring_(kFieldNodes), mask_(kFieldNodes - 1), counts_(kFieldNodes, 0), quietAt_(kFieldNodes, 0),
      falls_(kFieldNodes, 0) {}

void WorkQueue::Arrived(int x, int y) {
    const std::size_t node = Index(x, y);
    ++counts_[node];
    if (!IsQuiet(node)) ++fresh_;
}

void WorkQueue::Left(const QueuedNode& n) {
    const std::size_t node = Index(n.x, n.y);
    --counts_[node];
    if (!IsQuiet(node)) --fresh_;
}

void WorkQueue::push(int x, int y) {
    if (size_ == ring_.size()) grow();
    ring_[(head_ + size_) & mask_] = {static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)};
    ++size_;
    Arrived(x, y);
}

void WorkQueue::popHead() {
    Left(ring_[head_]);
    head_ = (head_ + 1) & mask_;
    --size_;
}

void WorkQueue::pushGate(int x, int y, std::uint32_t level) {
    if (level >= gates_.size()) gates_.resize(level + 1);
    gates_[level].entries.push_back({static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)});
    if (gateCount_++ == 0 || level < lowestGate_) lowestGate_ = level;
    Arrived(x, y);
}

const QueuedNode& WorkQueue::nextGate() {
    while (gates_[lowestGate_].empty()) ++lowestGate_;
    takenLevel_ = lowestGate_;
    const GateBucket& bucket = gates_[takenLevel_];
    return bucket.entries[bucket.head];
}

void WorkQueue::popGate() {
    GateBucket& bucket = gates_[takenLevel_];
    Left(bucket.entries[bucket.head]);
    if (++bucket.head == bucket.entries.size()) {  // reuse the bucket's storage from its start
        bucket.entries.clear();
        bucket.head = 0;
    }
    --gateCount_;
}

void WorkQueue::clear() {
    for (std::size_t i = 0; i < size_; ++i) {
        const QueuedNode& n = ring_[(head_ + i) & mask_];
        counts_[Index(n.x, n.y)] = 0;
    }
    for (GateBucket& bucket : gates_) {
        for (std::size_t i = bucket.head; i < bucket.entries.size(); ++i)
            counts_[Index(bucket.entries[i].x, bucket.entries[i].y)] = 0;
        bucket.entries.clear();
        bucket.head = 0;
    }
    head_ = 0;
    size_ = 0;
    gateCount_ = 0;
    lowestGate_ = 0;
    fresh_ = 0;
    ++epoch_;  // quiet marks of an earlier evaluation no longer hold
    std::fill(falls_.begin(), falls_.end(), std::uint16_t{0});
    gateOrder_.Reset();
}

void WorkQueue::signalChanged() {
    ++epoch_;
    fresh_ = size();
}

void WorkQueue::markQuiet(int x, int y) {
    const std::size_t node = Index(x, y);
    if (IsQuiet(node)) return;
    fresh_ -= counts_[node];
    quietAt_[node] = epoch_;
}

// Only a queue that keeps duplicates can outgrow one entry per field node.
void WorkQueue::grow() {
    std::vector<QueuedNode> bigger(ring_.size() * 2);
    for (std::size_t i = 0; i < size_; ++i) bigger[i] = ring_[(head_ + i) & mask_];
    ring_ = std::move(bigger);
    mask_ = ring_.size() - 1;
    head_ = 0;
}

}  // namespace vorn
