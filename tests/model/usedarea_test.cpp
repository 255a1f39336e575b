#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

#include "usedarea.h"

namespace vorn {
namespace {

struct Node {
    int x, y;
    std::int32_t code;
};

TEST(UsedArea, SpansTheOccupiedNodesOfTheFieldAndPrintsWithMargins) {
    const struct {
        const char* what;
        std::vector<Node> nodes;
        std::optional<NodeArea> used, printed;
    } cases[] = {
        {"empty field", {}, std::nullopt, std::nullopt},
        {"one source", {{10, 10, SourceOff}}, NodeArea{10, 10, 10, 10}, NodeArea{8, 7, 12, 12}},
        // Each bound is set by another node, and none by the first one found.
        {"extremes from different nodes",
         {{40, 30, WireE}, {20, 50, Lamp}, {60, 45, JunctionS}, {35, 70, GateCorner}},
         NodeArea{20, 30, 60, 70}, NodeArea{18, 27, 62, 72}},
        // Not a code the editor writes, but not empty either.
        {"any non-zero code", {{100, 100, -5}}, NodeArea{100, 100, 100, 100}, NodeArea{98, 97, 102, 102}},
        // Column and row 256 and the guard ring lie outside the field.
        {"outside the field", {{256, 5, WireE}, {5, 256, WireS}, {-1, -1, Lamp}, {257, 257, Lamp}}, std::nullopt,
         std::nullopt},
        {"the far corner", {{256, 5, WireE}, {255, 255, Lamp}}, NodeArea{255, 255, 255, 255},
         NodeArea{253, 252, 257, 257}},
        // The printed area reaches past the field at both corners.
        {"both corners", {{0, 0, WireE}, {255, 255, WireS}}, NodeArea{0, 0, 255, 255}, NodeArea{-2, -3, 257, 257}},
    };
    for (const auto& c : cases) {
        auto cells = std::make_unique<CellGrid>();
        for (const Node& node : c.nodes) cells->at(node.x, node.y) = node.code;
        EXPECT_EQ(UsedArea(*cells), c.used) << c.what;
        EXPECT_EQ(PrintedArea(*cells), c.printed) << c.what;
    }
    const NodeArea printed{8, 7, 12, 12};
    EXPECT_EQ(printed.Columns(), 5);
    EXPECT_EQ(printed.Rows(), 6);
}

}  // namespace
}  // namespace vorn
