// Builds circuits for tests from rows of codes, as one would draw them.
#pragma once

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cellgrid.h"

namespace vorn::test {

// Rows top to bottom, codes left to right separated by blanks; the first code
// of the first row lands at (left, top).
inline std::unique_ptr<CellGrid> GridFromRows(const std::vector<std::string>& rows, int left = 10, int top = 10) {
    auto grid = std::make_unique<CellGrid>();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::istringstream codes(rows[r]);
        int code = 0;
        for (int c = 0; codes >> code; ++c) grid->at(left + c, top + static_cast<int>(r)) = code;
    }
    return grid;
}

}  // namespace vorn::test
