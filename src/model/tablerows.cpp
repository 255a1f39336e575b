#include "tablerows.h"

#include <algorithm>

#include "gatenetwork.h"
#include "propagation.h"
#include "signals.h"

namespace vorn {

namespace {

// How many rows pass between two progress reports.
constexpr std::uint64_t kRowsPerReport = 1024;

void FromGateNetwork(GateNetwork& network, LampRows& result, std::uint64_t rows, const RowProgress& progress) {
    std::vector<std::uint64_t> hasSignal, isOne;
    const std::size_t lamps = result.lampCount;
    for (std::uint64_t first = 0; first < rows; first += 64) {
        network.EvaluateWord(static_cast<std::uint32_t>(first / 64), hasSignal, isOne);
        const std::uint64_t last = std::min(rows, first + 64);
        for (std::uint64_t row = first; row < last; ++row) {
            const unsigned bit = static_cast<unsigned>(row - first);
            std::int32_t* out = result.signals.data() + row * lamps;
            for (std::size_t l = 0; l < lamps; ++l)
                out[l] = (hasSignal[l] >> bit) & 1u ? ((isOne[l] >> bit) & 1u ? Signal1 : Signal0) : NoSignal;
        }
        if (progress && last % kRowsPerReport == 0) progress(last, rows);
    }
}

void RowByRow(CellGrid& cells, SignalGrid& signalGrid, WorkQueue& queue, const std::vector<NodePos>& sources,
              const std::vector<NodePos>& lamps, LampRows& result, std::uint64_t rows, const RowProgress& progress) {
    std::vector<std::int32_t> stored;
    for (const NodePos& p : sources) stored.push_back(cells.at(p.x, p.y));
    const std::size_t n = sources.size();
    for (std::uint64_t row = 0; row < rows; ++row) {
        for (std::size_t i = 0; i < n; ++i)
            cells.at(sources[i].x, sources[i].y) = (row >> (n - 1 - i)) & 1u ? SourceOn : SourceOff;
        EvaluateCircuit(cells, signalGrid, queue);
        std::int32_t* out = result.signals.data() + row * lamps.size();
        for (std::size_t l = 0; l < lamps.size(); ++l) out[l] = signalGrid.at(lamps[l].x, lamps[l].y);
        if (progress && (row + 1) % kRowsPerReport == 0) progress(row + 1, rows);
    }
    for (std::size_t i = 0; i < n; ++i) cells.at(sources[i].x, sources[i].y) = stored[i];
}

}  // namespace

LampRows EvaluateEveryRow(CellGrid& cells, SignalGrid& signalGrid, WorkQueue& queue,
                          const std::vector<NodePos>& sources, const std::vector<NodePos>& lamps,
                          const RowProgress& progress) {
    const std::uint64_t rows = std::uint64_t{1} << sources.size();
    LampRows result;
    result.lampCount = lamps.size();
    result.signals.assign(rows * lamps.size(), NoSignal);
    if (auto network = GateNetwork::Compile(cells, sources, lamps)) {
        result.fromGateNetwork = true;
        FromGateNetwork(*network, result, rows, progress);
    } else {
        RowByRow(cells, signalGrid, queue, sources, lamps, result, rows, progress);
    }
    ResetSignals(signalGrid, queue);
    return result;
}

}  // namespace vorn
