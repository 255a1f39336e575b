// The formulas a lamp is shown with: its minimal form and its two perfect
// normal forms, read from its column of a truth table.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tablerows.h"

namespace vorn {

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
