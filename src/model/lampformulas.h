// The formulas a lamp is shown with: its minimal form and its two perfect
// normal forms, read from its column of a truth table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vorn {

struct LampRows;  // tablerows.h

// The rows of a table, and one lamp's signal in one of them; for code in
// which "signals" is taken by a macro and cannot name the member.
std::size_t RowCount(const LampRows& rows);
std::int32_t LampSignal(const LampRows& rows, std::size_t row, std::size_t lamp);

// The lamp's column of the table: row r's value at index r; a lamp without
// signal counts as 0.
std::vector<bool> LampColumn(const LampRows& rows, std::size_t lamp);

struct LampFormulas {
    std::string minimal, dnf, cnf;
};

// The three forms over the sources' names (MinimalDnf, PerfectDnf,
// PerfectCnf). A lamp that shows the same value in every row is that
// constant, "0" or "1", in all three.
LampFormulas FormulasOfColumn(const std::vector<bool>& column, const std::vector<std::string>& names);

}  // namespace vorn
