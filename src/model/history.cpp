#include "history.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <vector>

namespace vorn {

namespace {

// How one state differs from its newer neighbour: runs of entries, each
// within one column of the stored array, with the older state's values.
// The values are kept a byte each when they all fit, as the codes of the
// editor do, so that even a step that changed the whole field stays small.
struct Delta {
    std::vector<std::uint32_t> runs;  // pairs of first entry and length; entry = column * kGridSide + row
    std::vector<std::int8_t> narrow;  // the values, when every one fits in a byte
    std::vector<std::int32_t> wide;   // else the values as they are

    std::size_t Bytes() const {
        return sizeof(Delta) + runs.capacity() * sizeof(std::uint32_t) + narrow.capacity() +
               wide.capacity() * sizeof(std::int32_t);
    }
};

// A run goes on over this many equal entries: storing them costs less than
// starting a new run.
constexpr int kBridgedGap = 2;

// The entries of `older` that differ from `newer`; exact, whatever changed.
Delta Difference(const CellGrid& newer, const CellGrid& older) {
    // Gathered in buffers kept between calls, so that a large step does not
    // map fresh pages for every push.
    static thread_local std::vector<std::uint32_t> runs;
    static thread_local std::vector<std::int32_t> values;
    runs.clear();
    values.clear();
    for (int c = 0; c < kGridSide; ++c) {
        const auto& now = newer.columns[static_cast<std::size_t>(c)];
        const auto& then = older.columns[static_cast<std::size_t>(c)];
        int row = 0;
        while (row < kGridSide) {
            if (now[static_cast<std::size_t>(row)] == then[static_cast<std::size_t>(row)]) {
                ++row;
                continue;
            }
            // A run from here to the last difference that no wider gap follows.
            int end = row + 1;
            for (int probe = end; probe < kGridSide && probe <= end + kBridgedGap; ++probe)
                if (now[static_cast<std::size_t>(probe)] != then[static_cast<std::size_t>(probe)]) end = probe + 1;
            runs.push_back(static_cast<std::uint32_t>(c * kGridSide + row));
            runs.push_back(static_cast<std::uint32_t>(end - row));
            values.insert(values.end(), then.begin() + row, then.begin() + end);
            row = end;
        }
    }
    // Copied to their exact size: a stored step keeps no spare room.
    Delta delta{std::vector<std::uint32_t>(runs), {}, {}};
    const bool fitsBytes = std::all_of(values.begin(), values.end(), [](std::int32_t v) { return v >= -128 && v <= 127; });
    if (fitsBytes) delta.narrow.assign(values.begin(), values.end());
    else delta.wide = std::vector<std::int32_t>(values);
    return delta;
}

void Apply(const Delta& delta, CellGrid& grid) {
    std::size_t value = 0;
    for (std::size_t k = 0; k < delta.runs.size(); k += 2) {
        const std::uint32_t first = delta.runs[k], length = delta.runs[k + 1];
        auto start = grid.columns[first / kGridSide].begin() + first % kGridSide;
        if (delta.wide.empty()) std::copy_n(delta.narrow.begin() + static_cast<std::ptrdiff_t>(value), length, start);
        else std::copy_n(delta.wide.begin() + static_cast<std::ptrdiff_t>(value), length, start);
        value += length;
    }
}

}  // namespace

// The newest grid whole, each older one as its difference from the next
// newer; the names of every state whole (they are a few dozen bytes). The
// whole grid is allocated at the first push and kept.
class UndoHistory::Stack {
public:
    int Count() const { return hasNewest_ ? 1 + static_cast<int>(older_.size()) : 0; }

    void Push(const CellGrid& grid, const NameTable& names, int depth) {
        if (!newest_) newest_ = std::make_unique<CellGrid>();
        if (hasNewest_) older_.push_front(Difference(grid, *newest_));
        *newest_ = grid;
        hasNewest_ = true;
        names_.push_front(names);
        Trim(depth);
    }

    // Takes the newest state out; the stack must not be empty.
    void Pop(CellGrid& grid, NameTable& names) {
        grid = *newest_;
        names = std::move(names_.front());
        names_.pop_front();
        if (older_.empty()) {
            hasNewest_ = false;
            return;
        }
        Apply(older_.front(), *newest_);
        older_.pop_front();
    }

    // Drops the oldest states beyond `depth` (which is at least 1).
    void Trim(int depth) {
        while (Count() > depth) {
            older_.pop_back();
            names_.pop_back();
        }
    }

    void Clear() {
        older_.clear();
        older_.shrink_to_fit();
        names_.clear();
        hasNewest_ = false;
    }

    std::size_t Bytes() const {
        std::size_t bytes = newest_ ? sizeof(CellGrid) : 0;
        for (const Delta& delta : older_) bytes += delta.Bytes();
        for (const NameTable& table : names_)
            for (const auto& entry : table) bytes += sizeof(entry) + entry.second.capacity();
        return bytes;
    }

private:
    std::unique_ptr<CellGrid> newest_;
    bool hasNewest_ = false;
    std::deque<Delta> older_;
    std::deque<NameTable> names_;  // one per state, the newest first
};

UndoHistory::UndoHistory(int depth)
    : undo_(std::make_unique<Stack>()), redo_(std::make_unique<Stack>()), depth_(kDepth) {
    SetDepth(depth);
}

UndoHistory::~UndoHistory() = default;

void UndoHistory::SetDepth(int depth) {
    depth_ = std::clamp(depth, kDepth, kMaxDepth);
    undo_->Trim(depth_);
    redo_->Trim(depth_);
}

int UndoHistory::UndoCount() const { return undo_->Count(); }
int UndoHistory::RedoCount() const { return redo_->Count(); }

void UndoHistory::PushUndo(const CellGrid& grid, const NameTable& names) { undo_->Push(grid, names, depth_); }

bool UndoHistory::Undo(CellGrid& grid, NameTable& names) {
    if (undo_->Count() == 0) return false;
    redo_->Push(grid, names, depth_);
    undo_->Pop(grid, names);
    return true;
}

bool UndoHistory::Redo(CellGrid& grid, NameTable& names) {
    if (redo_->Count() == 0) return false;
    undo_->Push(grid, names, depth_);
    redo_->Pop(grid, names);
    return true;
}

bool UndoHistory::Undo(CellGrid& grid) {
    NameTable none;
    return Undo(grid, none);
}

bool UndoHistory::Redo(CellGrid& grid) {
    NameTable none;
    return Redo(grid, none);
}

void UndoHistory::ClearHistory() {
    undo_->Clear();
    redo_->Clear();
}

std::size_t UndoHistory::StoredBytes() const { return undo_->Bytes() + redo_->Bytes(); }

}  // namespace vorn
