// Signal propagation: fills a SignalGrid from every source of a CellGrid.
#pragma once

#include <cstdint>

#include "cellgrid.h"
#include "workqueue.h"

namespace vorn {

// How the worklist is run. The defaults are what the program uses; the
// literal setting (no dropping, no early stop) exists to compare against.
struct EvaluationOptions {
    // A node already waiting in the queue is not appended a second time.
    bool dropDuplicates = true;
    // Stop as soon as every waiting entry belongs to a node that was visited
    // without effect since the last signal change: visiting such entries
    // again could never change a signal, so the result is final.
    bool stopWhenSettled = true;
    // A node's signal may fall (a written-over output, a crossing or lamp
    // taking a lower value) at most this many times; later writes that would
    // lower it keep the higher value. Wire values only rise, so this bounds
    // the signal changes of circuits that would otherwise swing for ever.
    // 0 means no limit.
    std::uint16_t fallLimit = 32;
    // Last resort: the most queue entries one evaluation processes.
    std::uint64_t stepBudget = std::uint64_t{1} << 24;
};

struct EvaluationStats {
    std::uint64_t steps = 0;          // queue entries processed
    std::uint64_t appended = 0;       // entries put into the queue
    std::uint64_t dropped = 0;        // appends refused as duplicates
    std::uint64_t signalChanges = 0;  // writes that changed a node's signal
    std::uint64_t fallsRefused = 0;   // writes kept back by the fall limit
    std::size_t peakQueue = 0;
    bool settledEarly = false;     // stopped with only quiet entries left
    bool budgetExhausted = false;  // stopped by the step budget
};

// Clears the signals of nodes 0..256 x 0..256 and empties the queue.
void ResetSignals(SignalGrid& signalGrid, WorkQueue& queue);

// Evaluates the circuit from scratch: resets the signals, queues every source
// column by column and top to bottom, and runs the worklist until it is empty
// (or settled). Signals are written and nodes queued only inside the field
// 0..255; everything outside it reads as no signal.
EvaluationStats EvaluateCircuit(const CellGrid& cells, SignalGrid& signalGrid, WorkQueue& queue,
                                const EvaluationOptions& options = {});

}  // namespace vorn
