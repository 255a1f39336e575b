#include "lampformulas.h"

#include <algorithm>

#include "normalforms.h"
#include "signals.h"
#include "tablerows.h"

namespace vorn {

std::size_t RowCount(const LampRows& rows) {
    return rows.lampCount == 0 ? 0 : rows.signals.size() / rows.lampCount;
}

std::int32_t LampSignal(const LampRows& rows, std::size_t row, std::size_t lamp) {
    return rows.signals[row * rows.lampCount + lamp];
}

std::vector<bool> LampColumn(const LampRows& rows, std::size_t lamp) {
    std::vector<bool> column;
    if (rows.lampCount == 0) return column;
    const std::size_t count = rows.signals.size() / rows.lampCount;
    column.reserve(count);
    for (std::size_t r = 0; r < count; ++r) column.push_back(rows.signals[r * rows.lampCount + lamp] == Signal1);
    return column;
}

LampFormulas FormulasOfColumn(const std::vector<bool>& column, const std::vector<std::string>& names) {
    const bool anyOne = std::find(column.begin(), column.end(), true) != column.end();
    const bool anyZero = std::find(column.begin(), column.end(), false) != column.end();
    if (!anyOne || !anyZero) {
        const std::string constant = anyOne ? "1" : "0";
        return {constant, constant, constant};
    }
    return {MinimalDnf(column, names), PerfectDnf(column, names), PerfectCnf(column, names)};
}

}  // namespace vorn
