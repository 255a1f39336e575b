#include "usedarea.h"

#include <algorithm>

namespace vorn {

std::optional<NodeArea> UsedArea(const CellGrid& cells) {
    bool found = false;
    NodeArea area{kFieldSize, kFieldSize, -1, -1};
    for (int x = 0; x < kFieldSize; ++x) {
        for (int y = 0; y < kFieldSize; ++y) {
            if (cells.at(x, y) == Empty) continue;
            found = true;
            area.left = std::min(area.left, x);
            area.right = std::max(area.right, x);
            area.top = std::min(area.top, y);
            area.bottom = std::max(area.bottom, y);
        }
    }
    if (!found) return std::nullopt;
    return area;
}

std::optional<NodeArea> PrintedArea(const CellGrid& cells) {
    std::optional<NodeArea> area = UsedArea(cells);
    if (!area) return std::nullopt;
    area->left -= kPrintMarginLeft;
    area->top -= kPrintMarginTop;
    area->right += kPrintMarginRight;
    area->bottom += kPrintMarginBottom;
    return area;
}

}  // namespace vorn
