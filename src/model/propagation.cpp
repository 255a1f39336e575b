#include "propagation.h"

#include "signals.h"
#include "wirecodes.h"

namespace vorn {

namespace {

// One run of the worklist over a circuit.
class Propagation {
public:
    Propagation(const CellGrid& cells, SignalGrid& signals, WorkQueue& queue, const EvaluationOptions& options)
        : cells_(cells), signals_(signals), queue_(queue), options_(options) {}

    EvaluationStats Run() {
        ResetSignals(signals_, queue_);
        for (int x = 0; x < kFieldSize; ++x)
            for (int y = 0; y < kFieldSize; ++y)
                if (IsSourceCode(cells_.at(x, y))) Queue(x, y);

        while (!queue_.empty()) {
            if (options_.stopWhenSettled && queue_.allQuiet()) {
                stats_.settledEarly = true;
                break;
            }
            if (stats_.steps == options_.stepBudget) {
                stats_.budgetExhausted = true;
                break;
            }
            // Gates wait until no other node does. Nodes that only wake each
            // other without changing anything could make them wait for ever;
            // after a run of such steps longer than two passes over the
            // queue a gate goes first.
            const bool gateGoes = queue_.hasGates() && (queue_.ringEmpty() || (options_.stopWhenSettled &&
                                                                               quietStreak_ > 2 * queue_.size() + 16));
            const QueuedNode node = gateGoes ? queue_.nextGate() : queue_.head();
            const std::uint64_t changesBefore = stats_.signalChanges;
            CellStep(node.x, node.y);
            ++stats_.steps;
            if (stats_.signalChanges == changesBefore) {
                queue_.markQuiet(node.x, node.y);
                ++quietStreak_;
            } else {
                quietStreak_ = 0;
            }
            if (gateGoes)
                queue_.popGate();
            else
                queue_.popHead();
        }
        queue_.clear();
        return stats_;
    }

private:
    // Codes and signals may be read anywhere in the stored array; the reads
    // two nodes away are guarded because they can reach index -2 or 258.
    std::int32_t Code(int x, int y) const { return cells_.at(x, y); }
    std::int32_t Sig(int x, int y) const { return signals_.at(x, y); }
    static bool Stored(int x, int y) { return x >= kGridLow && x <= kGridHigh && y >= kGridLow && y <= kGridHigh; }
    std::int32_t FarCode(int x, int y) const { return Stored(x, y) ? Code(x, y) : Empty; }
    std::int32_t FarSig(int x, int y) const { return Stored(x, y) ? Sig(x, y) : 0; }

    // Signals live only inside the field; writes elsewhere are ignored.
    void Set(int x, int y, std::int32_t value) {
        if (!InField(x, y)) return;
        std::int32_t& slot = signals_.at(x, y);
        if (slot == value) return;
        if (value < slot && options_.fallLimit != 0 && !queue_.takeFall(x, y, options_.fallLimit)) {
            ++stats_.fallsRefused;
            return;
        }
        slot = value;
        ++stats_.signalChanges;
        queue_.signalChanged();
    }

    void Queue(int x, int y) {
        if (!InField(x, y)) return;
        if (options_.dropDuplicates && queue_.countOf(x, y) > 0) {
            ++stats_.dropped;
            return;
        }
        if (IsGateAnchorCode(Code(x, y)))
            queue_.pushGate(x, y, queue_.gateOrder().Level(cells_, x, y));
        else
            queue_.push(x, y);
        ++stats_.appended;
        if (queue_.size() > stats_.peakQueue) stats_.peakQueue = queue_.size();
    }

    // A crossing is unsettled while it has no signal or one of its two lines
    // has different values on its two sides.
    bool Unsettled(int x, int y) const {
        return Sig(x, y) == 0 || Sig(x - 1, y) != Sig(x + 1, y) || Sig(x, y - 1) != Sig(x, y + 1);
    }

    void CellStep(int x, int y);
    void GateAnchorStep(int x, int y, bool isConjunctor);

    const CellGrid& cells_;
    SignalGrid& signals_;
    WorkQueue& queue_;
    const EvaluationOptions& options_;
    EvaluationStats stats_;
    std::uint64_t quietStreak_ = 0;  // steps in a row that changed no signal
};

void Propagation::CellStep(int x, int y) {
    const std::int32_t c = Code(x, y);
    const int wx = x - 1, ex = x + 1, ny = y - 1, sy = y + 1;

    // Source start: a source injects its value once per evaluation.
    if (IsSourceCode(c) && Sig(x, y) == 0) {
        Set(x, y, c + 4);
        const std::int32_t own = Sig(x, y);
        for (int nx : {wx, ex}) {
            if (IsSourceOrInverter(Code(nx, y))) continue;
            Set(nx, y, SignalMax(Sig(nx, y), own));
            Queue(nx, y);
        }
        for (int nyy : {ny, sy}) {
            const std::int32_t n = Code(x, nyy);
            if (IsSourceOrInverter(n) || n == Lamp) continue;
            Set(x, nyy, SignalMax(Sig(x, nyy), own));
            Queue(x, nyy);
        }
    }

    // East segment.
    if ((c == WireE || c == JunctionE) && Sig(x, y) != Sig(ex, y)) {
        if (InWirePassSet(Code(ex, y))) {
            Set(x, y, SignalMax(Sig(x, y), Sig(ex, y)));
            Set(ex, y, SignalMax(Sig(ex, y), Sig(x, y)));
            Queue(ex, y);
        }
        if (Code(ex, y) == Crossing) Queue(ex, y);
    }

    // South segment.
    if ((c == WireS || c == JunctionS) && Sig(x, y) != Sig(x, sy) && InWirePassSet(Code(x, sy))) {
        Set(x, y, SignalMax(Sig(x, y), Sig(x, sy)));
        Set(x, sy, SignalMax(Sig(x, sy), Sig(x, y)));
        Queue(x, sy);
    }

    // East and south segments.
    if ((c == WireES || c == JunctionES) && (Sig(x, y) != Sig(ex, y) || Sig(x, y) != Sig(x, sy))) {
        if (InWirePassSet(Code(ex, y))) {
            Set(ex, y, SignalMax(Sig(ex, y), Sig(x, y)));
            Queue(ex, y);
        }
        if (InWirePassSet(Code(x, sy))) {
            Set(x, sy, SignalMax(Sig(x, sy), Sig(x, y)));
            Queue(x, sy);
        }
        if (Code(ex, y) != Crossing && Code(ex, y) != Inverter) Set(x, y, SignalMax(Sig(x, y), Sig(ex, y)));
        if (Code(x, sy) != Crossing) Set(x, y, SignalMax(Sig(x, y), Sig(x, sy)));
    }

    const bool passive = c == Crossing || c == Inverter || IsGateAnchorCode(c);

    // Wake the wires that end here from the west and from the north.
    if (OwnsEastWire(Code(wx, y)) && !passive && Sig(wx, y) != Sig(x, y)) Queue(wx, y);
    if (OwnsSouthWire(Code(x, ny)) && !passive && Sig(x, y) != Sig(x, ny)) Queue(x, ny);

    // Crossings to the north and to the west.
    if (Code(x, ny) == Crossing && Sig(x, y) != FarSig(x, y - 2)) Queue(x, ny);
    if (Code(wx, y) == Crossing && Sig(x, y) != FarSig(x - 2, y) && c != Crossing && c != Inverter &&
        FarCode(x - 2, y) != Crossing && FarCode(x - 2, y) != Inverter)
        Queue(wx, y);

    // Neighbouring crossings that have not settled yet.
    if (Code(wx, y) == Crossing || Code(ex, y) == Crossing || Code(x, ny) == Crossing || Code(x, sy) == Crossing) {
        if (Code(wx, y) == Crossing && Unsettled(wx, y) && !IsSourceCode(Code(wx, ny)) && !IsSourceCode(Code(wx, sy)) &&
            !IsSourceCode(FarCode(x - 2, y)) && !IsSourceOrInverter(c))
            Queue(wx, y);
        if (Code(ex, y) == Crossing && FarCode(x + 2, y) != Inverter && Unsettled(ex, y) && !IsSourceCode(Code(ex, ny)) &&
            !IsSourceCode(Code(ex, sy)) && !IsSourceCode(c) && !IsSourceCode(FarCode(x + 2, y)))
            Queue(ex, y);
        if (Code(x, ny) == Crossing && Unsettled(x, ny) && !IsSourceCode(FarCode(x, y - 2)) && !IsSourceCode(c))
            Queue(x, ny);
        if (Code(x, sy) == Crossing && Unsettled(x, sy) && !IsSourceCode(c) && !IsSourceCode(FarCode(x, y + 2)))
            Queue(x, sy);
    }

    // The node is a crossing: both lines pass through without mixing.
    if (c == Crossing && (Sig(wx, y) != Sig(ex, y) || Sig(x, ny) != Sig(x, sy))) {
        if (!IsSourceOrInverter(Code(ex, y))) {
            const std::int32_t m = SignalMax(Sig(wx, y), Sig(ex, y));
            if (m != Sig(ex, y)) {
                Set(ex, y, m);
                Queue(ex, y);
            }
        }
        const std::int32_t w = Code(wx, y);
        if (!IsSourceOrInverter(w) && w != GateOutput && w != GateCorner) {
            const std::int32_t m = SignalMax(Sig(wx, y), Sig(ex, y));
            if (m != Sig(wx, y)) {
                if (Code(ex, y) == Inverter)
                    Set(wx, y, SignalMax(Sig(wx, y), SignalNot(Sig(ex, y))));
                else
                    Set(wx, y, m);
                Queue(wx, y);
            }
        }
        if (!IsSourceOrInverter(Code(x, sy))) {
            const std::int32_t m = SignalMax(Sig(x, ny), Sig(x, sy));
            if (m != Sig(x, sy)) {
                Set(x, sy, m);
                Queue(x, sy);
            }
        }
        if (!IsSourceOrInverter(Code(x, ny))) {
            const std::int32_t m = SignalMax(Sig(x, ny), Sig(x, sy));
            if (m != Sig(x, ny)) {
                Set(x, ny, m);
                Queue(x, ny);
            }
        }
        Set(x, y, Sig(wx, y));
    }

    // Neighbouring lamps.
    if (Code(wx, y) == Lamp && SignalMax(FarSig(x - 2, y), Sig(x, y)) != Sig(wx, y)) Queue(wx, y);
    if (Code(ex, y) == Lamp && SignalMax(Sig(x, y), FarSig(x + 2, y)) != Sig(ex, y)) Queue(ex, y);

    // The node is a lamp: it passes the larger of its two sides through.
    if (c == Lamp && !(Sig(ex, y) == Sig(wx, y) && Sig(wx, y) == Sig(x, y))) {
        Set(x, y, SignalMax(Sig(wx, y), Sig(ex, y)));
        if (InWirePassSet(Code(wx, y))) {
            Set(wx, y, Sig(x, y));
            Queue(wx, y);
        }
        if (InWirePassSet(Code(ex, y)) || Code(ex, y) == GateInput) {
            Set(ex, y, Sig(x, y));
            Queue(ex, y);
        }
    }

    // Every visited node wakes an inverter east of it.
    if (Code(ex, y) == Inverter) Queue(ex, y);

    // The node is an inverter: its output is written over, not combined.
    if (c == Inverter) {
        const std::int32_t v = SignalNot(Sig(wx, y));
        if (v != Sig(x, y)) {
            Set(x, y, v);
            if (TakesInverterOutput(Code(ex, y))) {
                Set(ex, y, v);
                Queue(ex, y);
            }
        }
    }

    // Gates east of this node wake up, conjunctors first.
    for (int gy : {y, ny, sy})
        if (Code(ex, gy) == ConjunctorAnchor) Queue(ex, gy);
    if (c == ConjunctorAnchor) GateAnchorStep(x, y, true);
    for (int gy : {y, ny, sy})
        if (Code(ex, gy) == DisjunctorAnchor) Queue(ex, gy);
    if (c == DisjunctorAnchor) GateAnchorStep(x, y, false);
}

// A gate anchor copies its inputs, computes its output and drives its lead.
void Propagation::GateAnchorStep(int x, int y, bool isConjunctor) {
    Set(x, y - 1, Sig(x - 1, y - 1));
    Set(x, y + 1, Sig(x - 1, y + 1));
    const std::int32_t a = Sig(x, y - 1), b = Sig(x, y + 1);
    Set(x, y, isConjunctor ? SignalAnd(a, b) : SignalOr(a, b));
    Set(x + 1, y, Sig(x, y));
    Set(x + 2, y, Sig(x, y));
    Queue(x + 2, y);
}

}  // namespace

void ResetSignals(SignalGrid& signals, WorkQueue& queue) {
    for (int x = 0; x <= kFieldSize; ++x)
        for (int y = 0; y <= kFieldSize; ++y) signals.at(x, y) = 0;
    queue.clear();
}

EvaluationStats EvaluateCircuit(const CellGrid& cells, SignalGrid& signals, WorkQueue& queue,
                                const EvaluationOptions& options) {
    return Propagation(cells, signals, queue, options).Run();
}

}  // namespace vorn
