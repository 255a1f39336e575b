#include "truthtable.h"

#include <algorithm>
#include <stdexcept>

#include "propagation.h"
#include "signals.h"
#include "tablerows.h"
#include "utf8text.h"

namespace vorn {

namespace {

std::vector<NodePos> FindCodes(const CellGrid& cells, bool (*wanted)(std::int32_t)) {
    std::vector<NodePos> found;
    for (int x = 0; x < kFieldSize; ++x)
        for (int y = 0; y < kFieldSize; ++y)
            if (wanted(cells.at(x, y))) found.push_back({x, y});
    return found;
}

// Width in characters, so that Cyrillic names line up.
std::size_t Width(const std::string& text) { return Utf8Length(text).value_or(text.size()); }

std::string Pad(const std::string& text, std::size_t width) {
    return Width(text) >= width ? text : std::string(width - Width(text), ' ') + text;
}

}  // namespace

std::vector<NodePos> FindSources(const CellGrid& cells) { return FindCodes(cells, IsSourceCode); }

std::vector<NodePos> FindLamps(const CellGrid& cells) {
    return FindCodes(cells, [](std::int32_t code) { return code == Lamp; });
}

std::string SignalText(std::int32_t signal) {
    return signal == Signal1 ? "1" : signal == Signal0 ? "0" : "-";
}

TruthTable BuildTruthTable(CellGrid& cells, SignalGrid& signalGrid, WorkQueue& queue, const RowProgress& progress) {
    TruthTable table{FindSources(cells), FindLamps(cells), {}};
    const std::size_t n = table.sources.size();
    if (n > kMaxTableSources)
        throw std::length_error("the circuit has " + std::to_string(n) + " sources; a truth table takes at most " +
                                std::to_string(kMaxTableSources));

    const LampRows lampRows = EvaluateEveryRow(cells, signalGrid, queue, table.sources, table.lamps, progress);
    const std::size_t lamps = table.lamps.size();
    const std::uint32_t combinations = std::uint32_t{1} << n;
    table.rows.reserve(combinations);
    // The three texts are made once and copied: a 16-source table has a
    // million cells.
    const std::string zero = "0", one = "1", none = SignalText(NoSignal);
    for (std::uint32_t bits = 0; bits < combinations; ++bits) {
        std::vector<std::string>& row = table.rows.emplace_back(n + lamps);
        for (std::size_t i = 0; i < n; ++i) row[i] = (bits >> (n - 1 - i)) & 1u ? one : zero;
        for (std::size_t l = 0; l < lamps; ++l) {
            const std::int32_t signal = lampRows.signals[bits * lamps + l];
            row[n + l] = signal == Signal1 ? one : signal == Signal0 ? zero : none;
        }
    }
    return table;
}

std::string FormatTable(const TruthTable& table, const std::vector<std::string>& header) {
    std::vector<std::size_t> widths;
    for (const std::string& h : header) widths.push_back(Width(h));

    auto line = [&](const std::vector<std::string>& cells) {
        std::string text;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) text += i == table.sources.size() ? "  |  " : "  ";
            text += Pad(cells[i], widths[i]);
        }
        return text + "\n";
    };
    std::string text = line(header);
    for (const auto& row : table.rows) text += line(row);
    return text;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char ch : text) quoted += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    return quoted + "\"";
}

std::string FormatCsv(const TruthTable& table, const std::vector<std::string>& header) {
    auto line = [](const std::vector<std::string>& cells) {
        std::string text;
        for (std::size_t i = 0; i < cells.size(); ++i) text += (i > 0 ? "," : "") + CsvField(cells[i]);
        return text + "\n";
    };
    std::string text = line(header);
    for (const auto& row : table.rows) text += line(row);
    return text;
}

std::string FormatLampSignals(const CellGrid& cells, const SignalGrid& signalGrid) {
    std::string text = "column  row  signal\n";
    for (const NodePos& p : FindLamps(cells))
        text += Pad(std::to_string(p.x), 6) + "  " + Pad(std::to_string(p.y), 3) + "  " +
                Pad(SignalText(signalGrid.at(p.x, p.y)), 6) + "\n";
    return text;
}

}  // namespace vorn
