// Blocks of nodes taken out and put in: gates whole or not at all, wires cut
// at the edge, solder points settled, and the block as text.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "circuitblock.h"
#include "circuitfile.h"
#include "grid_text.h"

namespace vorn {
// Failing comparisons show a block as its text.
void PrintTo(const CircuitBlock& block, std::ostream* out) { *out << BlockText(block); }
}  // namespace vorn

namespace vorn::test {
namespace {

using Rows = std::vector<std::string>;

// Scenes are drawn with their top-left code at (10, 10); rectangles are
// given relative to it.
NodeRect Rect(int left, int top, int right, int bottom) { return {10 + left, 10 + top, 10 + right, 10 + bottom}; }

// The block of the given rows; no row may lead a wire out east or south.
CircuitBlock BlockFromRows(const Rows& rows) {
    std::istringstream first(rows[0]);
    const int width = static_cast<int>(std::distance(std::istream_iterator<int>(first), {}));
    return CopyBlock(*GridFromRows(rows, 0, 0), {0, 0, width - 1, static_cast<int>(rows.size()) - 1});
}

TEST(CircuitBlock, CopyAndCutTakeGatesWholeAndCutWiresAtTheEdge) {
    const Rows gate = {"0 18 19", "1 16 17", "0 18 19"};
    const struct {
        const char* what;
        Rows scene;
        NodeRect rect;
        Rows block;         // as CopyBlock gives it
        Rows afterCut;
    } cases[] = {
        {"whole gate with its input wire", gate, Rect(0, 0, 2, 2), gate, {"0 0 0", "0 0 0", "0 0 0"}},
        {"half a gate is left out", gate, Rect(0, 0, 1, 2), {"0 0", "1 0", "0 0"}, {"0 18 19", "0 16 17", "0 18 19"}},
        {"segment leaving east is left out", {"6 1 1 1 8"}, Rect(1, 0, 2, 0), {"1 0"}, {"6 0 0 1 8"}},
        {"segment reaching in from the north is cut", {"0 2 0 0", "1 51 1 0"}, Rect(0, 1, 3, 1), {"1 51 1 0"},
         {"0 0 0 0", "0 0 0 0"}},
        {"crossing at the east edge keeps its line south", {"0 2 0", "1 4 1", "0 2 0"}, Rect(0, 0, 1, 2),
         {"0 2", "1 52", "0 0"}, {"0 0 0", "0 0 1", "0 0 0"}},
    };
    for (const auto& c : cases) {
        auto grid = GridFromRows(c.scene);
        EXPECT_EQ(CopyBlock(*grid, c.rect), BlockFromRows(c.block)) << c.what;
        EXPECT_EQ(CutBlock(*grid, c.rect), BlockFromRows(c.block)) << c.what;
        EXPECT_EQ(*grid, *GridFromRows(c.afterCut)) << c.what;
    }
}

TEST(CircuitBlock, PasteFitsOnlyOnEmptyNodesInTheFieldAndSettlesSolderPoints) {
    const struct {
        const char* what;
        Rows scene;
        Rows block;
        NodePos at;
        Rows after;  // the scene when the block fits, else nothing
    } cases[] = {
        {"a copied junction loses its dot", {"0 0 0 0"}, {"1 51 1 0"}, {10, 10}, {"1 1 1 0"}},
        {"a wire under a wire's end gains one", {"0 2 0"}, {"1 1 0"}, {10, 11}, {"0 2 0", "1 51 0"}},
        {"empty block nodes may lie over the circuit", {"8 0"}, {"0 12"}, {10, 10}, {"8 12"}},
        {"overlap", {"0 8"}, {"8 8"}, {10, 10}, {}},
        {"beyond the field", {}, {"1 0"}, {255, 3}, {}},
        {"before the field", {}, {"8"}, {-1, 3}, {}},
    };
    for (const auto& c : cases) {
        auto grid = GridFromRows(c.scene);
        const auto before = std::make_unique<CellGrid>(*grid);
        EXPECT_EQ(BlockFits(*grid, BlockFromRows(c.block), c.at), !c.after.empty()) << c.what;
        EXPECT_EQ(PasteBlock(*grid, BlockFromRows(c.block), c.at), !c.after.empty()) << c.what;
        EXPECT_EQ(*grid, c.after.empty() ? *before : *GridFromRows(c.after)) << c.what;
    }
}

TEST(CircuitBlock, MoveGoesOverItsOwnPlaceAndIsRefusedOnOthers) {
    auto grid = GridFromRows({"1 18 19 0 0", "0 16 17 0 8", "0 18 19 0 0"});
    EXPECT_FALSE(MoveBlock(*grid, Rect(1, 0, 2, 2), {13, 10}));  // onto the lamp
    EXPECT_EQ(*grid, *GridFromRows({"1 18 19 0 0", "0 16 17 0 8", "0 18 19 0 0"}));
    EXPECT_TRUE(MoveBlock(*grid, Rect(1, 0, 2, 2), {11, 11}));
    EXPECT_EQ(*grid, *GridFromRows({"0 0 0 0 0", "0 18 19 0 8", "0 16 17 0 0", "0 18 19 0 0"}));
}

TEST(CircuitBlock, TextReadsBackExactly) {
    const CircuitBlock gate = BlockFromRows({"0 18 19", "1 16 17", "0 18 19", "0 0 0"});
    EXPECT_EQ(BlockText(gate), "; Vorn block 3 4\r\n 1 0 1\r\n 0 1 18\r\n 1 1 16\r\n 2 1 18\r\n 0 2 19\r\n 1 2 17\r\n 2 2 19\r\n");
    std::mt19937 random(17);
    for (int round = 0; round < 50; ++round) {
        CircuitBlock block(1 + static_cast<int>(random() % 256), 1 + static_cast<int>(random() % 256));
        for (std::int32_t& code : block.codes) code = random() % 4 ? 0 : static_cast<std::int32_t>(random() % 54);
        std::replace_if(block.codes.begin(), block.codes.end(), [](std::int32_t c) { return !IsStorableCode(c); }, 0);
        ASSERT_EQ(ParseBlockText(BlockText(block)), block) << round;
    }
    // Without its size line the block reaches as far as its nodes; LF ends do.
    EXPECT_EQ(ParseBlockText(" 1 0 1\n 2 1 8\n"), BlockFromRows({"0 0", "1 0", "0 8"}));
    for (const char* bad : {"", "; Vorn block 2 2\n 2 0 1\n", " 0 0 5\n", " 0 0 1\n x\n 1 1"})
        EXPECT_FALSE(ParseBlockText(bad)) << bad;
}

TEST(CircuitBlock, NamesGoWithTheirElementsAndNeverRepeat) {
    // A named source and lamp with a wire between them; a block of them.
    const Rows scene = {"6 1 8"};
    const NameTable sceneNames = {{{10, 10}, "X"}, {{12, 10}, "Y"}};
    auto grid = GridFromRows(scene);
    const CircuitBlock block = CopyBlock(*grid, sceneNames, Rect(0, 0, 2, 0));
    EXPECT_EQ(block.names, (NameTable{{{0, 0}, "X"}, {{2, 0}, "Y"}}));
    EXPECT_TRUE(CopyBlock(*grid, sceneNames, Rect(1, 0, 2, 0)).names == (NameTable{{{1, 0}, "Y"}}));

    const struct {
        const char* what;
        NameTable before;  // on an otherwise empty field with a source at (30, 30)
        NodePos at;
        NameTable after;
    } pastes[] = {
        {"names come along", {}, {40, 40}, {{{40, 40}, "X"}, {{42, 40}, "Y"}}},
        {"a name in use stays where it is", {{{30, 30}, "X"}}, {40, 40}, {{{30, 30}, "X"}, {{42, 40}, "Y"}}},
        {"a stale name on a written node goes", {{{41, 40}, "Q"}}, {40, 40}, {{{40, 40}, "X"}, {{42, 40}, "Y"}}},
        {"a refused paste names nothing", {{{30, 30}, "Q"}}, {29, 30}, {{{30, 30}, "Q"}}},
    };
    for (const auto& c : pastes) {
        auto target = GridFromRows({"6"}, 30, 30);
        NameTable names = c.before;
        EXPECT_EQ(PasteBlock(*target, names, block, c.at), c.at.x != 29) << c.what;
        EXPECT_EQ(names, c.after) << c.what;
    }

    // A cut takes the names out, a move carries them, a refused move keeps them.
    NameTable names = sceneNames;
    EXPECT_FALSE(MoveBlock(*grid, names, Rect(0, 0, 0, 0), {12, 10}));  // onto the lamp
    EXPECT_EQ(names, sceneNames);
    EXPECT_TRUE(MoveBlock(*grid, names, Rect(0, 0, 2, 0), {11, 12}));
    EXPECT_EQ(names, (NameTable{{{11, 12}, "X"}, {{13, 12}, "Y"}}));
    EXPECT_EQ(CutBlock(*grid, names, {11, 12, 11, 12}).names, (NameTable{{{0, 0}, "X"}}));
    EXPECT_EQ(names, (NameTable{{{13, 12}, "Y"}}));
}

TEST(CircuitBlock, NameLinesInTheText) {
    CircuitBlock named = BlockFromRows({"6 1 8"});
    named.names = {{{0, 0}, "Ключ"}, {{1, 0}, "wire"}, {{2, 0}, "F"}};  // a wire carries no name
    EXPECT_EQ(BlockText(named), "; Vorn block 3 1\r\n; name 0 0 Ключ\r\n; name 2 0 F\r\n 0 0 6\r\n 0 1 1\r\n 0 2 8\r\n");
    named.names.erase({1, 0});
    EXPECT_EQ(ParseBlockText(BlockText(named)), named);

    const struct {
        const char* text;
        NameTable names;
    } reads[] = {
        {"; name 0 0 A\n; name 0 0 B\n 0 0 6\n", {{{0, 0}, "B"}}},             // the later line wins
        {"; name 1 0 A\n; name 0 0 A\n 0 0 6\n 0 1 8\n", {{{0, 0}, "A"}}},  // first in data order keeps it
        {"; Vorn block 1 1\n; name 3 0 A\n 0 0 6\n", {}},                        // outside the block
        {"; name 0 0 не\n; name 0 1 A\n 0 0 6\n 1 0 12\n", {}},               // no name, no element
    };
    for (const auto& r : reads) {
        const std::optional<CircuitBlock> block = ParseBlockText(r.text);
        ASSERT_TRUE(block) << r.text;
        EXPECT_EQ(block->names, r.names) << r.text;
    }
}

}  // namespace
}  // namespace vorn::test
