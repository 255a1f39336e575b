// Running a circuit for every position of its sources.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cellgrid.h"
#include "tablerows.h"
#include "workqueue.h"

namespace vorn {

// Sources in the order the propagation seeds them: column by column, top to
// bottom. Lamps in the same order.
std::vector<NodePos> FindSources(const CellGrid& cells);
std::vector<NodePos> FindLamps(const CellGrid& cells);

// "0", "1" or "-" for a lamp without signal.
std::string SignalText(std::int32_t signal);

// The most sources a truth table takes: 2^16 evaluations.
inline constexpr std::size_t kMaxTableSources = 16;

struct TruthTable {
    std::vector<NodePos> sources, lamps;
    // One row per combination, counting up with the first source as the
    // most significant bit: the source values, then the lamp signals.
    std::vector<std::vector<std::string>> rows;
};

// Evaluates every combination of the sources' positions (see
// EvaluateEveryRow: a plain gate network is read once and evaluated 64 rows
// at a time). The circuit's own switch positions are left as they were;
// progress, when given, hears how many rows are done. Throws
// std::length_error when the circuit has more than kMaxTableSources sources.
TruthTable BuildTruthTable(CellGrid& cells, SignalGrid& signalGrid, WorkQueue& queue,
                           const RowProgress& progress = {});

// The table with aligned columns and a bar between inputs and outputs, or
// as comma-separated values (quoted as RFC 4180 asks, lines ended by LF).
// `header` names the columns: the sources, then the lamps.
std::string FormatTable(const TruthTable& table, const std::vector<std::string>& header);
std::string FormatCsv(const TruthTable& table, const std::vector<std::string>& header);

// One CSV field: quoted when it holds a comma, a quote or a line break, with
// its quotes doubled.
std::string CsvField(const std::string& text);

// Lamps and their signals after one evaluation with the stored positions.
std::string FormatLampSignals(const CellGrid& cells, const SignalGrid& signalGrid);

}  // namespace vorn
