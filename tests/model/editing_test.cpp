// The grid rules of the editing gestures, on circuits drawn from rows of codes.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "editing.h"
#include "grid_text.h"

namespace vorn::test {
namespace {

// Circuits are drawn with their top-left code at node (10, 10).
constexpr int L = 10;
constexpr int T = 10;

NodePos At(int c, int r) { return {L + c, T + r}; }
std::int32_t Code(const CellGrid& grid, int c, int r) { return grid.at(L + c, T + r); }

// ---------------------------------------------------------------- wire step

TEST(WireStep, EastThenBackWestWritesOnlyTheWestEnds) {
    auto grid = GridFromRows({"0 0 0"});
    EXPECT_TRUE(WireStep(*grid, At(0, 0), At(1, 0)).changed);
    EXPECT_TRUE(WireStep(*grid, At(1, 0), At(2, 0)).changed);
    EXPECT_EQ(*grid, *GridFromRows({"1 1 0"}));

    // Back over the same nodes: every step is taken, no code changes.
    for (int c = 2; c > 0; --c) {
        const WireStepResult back = WireStep(*grid, At(c, 0), At(c - 1, 0));
        EXPECT_TRUE(back.taken);
        EXPECT_TRUE(back.anchorMoves);
        EXPECT_FALSE(back.changed);
    }
    EXPECT_EQ(*grid, *GridFromRows({"1 1 0"}));
}

TEST(WireStep, EastThenNorthLeavesTheCornerEmpty) {
    auto grid = std::make_unique<CellGrid>();
    // A at (10, 11), B at (11, 11), D at (11, 10).
    WireStep(*grid, At(0, 1), At(1, 1));
    WireStep(*grid, At(1, 1), At(1, 0));
    EXPECT_EQ(*grid, *GridFromRows({"0 2", "1 0"}));
}

TEST(WireStep, OnlyOnePitchAlongARowOrColumnIsTaken) {
    auto grid = std::make_unique<CellGrid>();
    for (NodePos target : {At(1, 1), At(2, 0), At(0, -2), At(0, 0), At(-1, 1)}) {
        const WireStepResult step = WireStep(*grid, At(0, 0), target);
        EXPECT_FALSE(step.taken) << target.x << "," << target.y;
        EXPECT_FALSE(step.anchorMoves);
    }
    EXPECT_EQ(*grid, CellGrid{});
}

TEST(WireStep, OwnerGainsTheNewSegment) {
    struct Case {
        std::int32_t before;
        bool vertical;
        std::int32_t after;
    };
    const Case cases[] = {
        {Empty, true, WireS},           {WireE, true, WireES},           {JunctionE, true, JunctionES},
        {Empty, false, WireE},          {WireS, false, WireES},          {JunctionS, false, JunctionES},
        {WireS, true, WireS},           {WireE, false, WireE},           {Crossing, true, Crossing},
        {Crossing, false, Crossing},    {Lamp, false, Lamp},             {GateOutput, false, GateOutput},
    };
    for (const Case& k : cases) {
        // The owner sits at (10, 10). A junction keeps its dot only with a
        // wire arriving from the west; plain codes get none, so nothing else
        // around can make or take a dot.
        const bool junction = k.before > 50;
        auto grid = GridFromRows({(junction ? "1 " : "0 ") + std::to_string(k.before)}, L - 1);
        const NodePos owner = At(0, 0);
        // Stepping towards the owner from the far end writes the same code.
        const NodePos far = k.vertical ? At(0, 1) : At(1, 0);
        WireStep(*grid, far, owner);
        EXPECT_EQ(grid->at(owner.x, owner.y), k.after) << k.before << (k.vertical ? " S" : " E");
        EXPECT_EQ(grid->at(far.x, far.y), Empty);
    }
}

TEST(WireStep, FromASourceTheAnchorStays) {
    auto grid = GridFromRows({"6 0"});
    const WireStepResult step = WireStep(*grid, At(0, 0), At(1, 0));
    EXPECT_TRUE(step.taken);
    EXPECT_FALSE(step.anchorMoves);
    EXPECT_FALSE(step.changed);
    EXPECT_EQ(*grid, *GridFromRows({"6 0"}));
    // Into a source from the west the owner is the wire node: it moves on.
    EXPECT_TRUE(WireStep(*grid, At(-1, 0), At(0, 0)).anchorMoves);
    EXPECT_EQ(grid->at(L - 1, T), WireE);
}

TEST(WireStep, ClosingAMeetingMakesItsSolderDot) {
    // A wire from the west and one from the north end at the middle node;
    // the third wire leaves it east.
    auto grid = GridFromRows({"0 2 0", "1 0 0"});
    const WireStepResult step = WireStep(*grid, At(1, 1), At(2, 1));
    EXPECT_TRUE(step.changed);
    EXPECT_EQ(Code(*grid, 1, 1), JunctionE);
}

TEST(WireStep, StepsLeavingTheFieldAreNotTaken) {
    auto grid = std::make_unique<CellGrid>();
    EXPECT_FALSE(WireStep(*grid, {255, 40}, {256, 40}).taken);
    EXPECT_FALSE(WireStep(*grid, {40, 255}, {40, 256}).taken);
    EXPECT_FALSE(WireStep(*grid, {0, 40}, {-1, 40}).taken);
    EXPECT_FALSE(WireStep(*grid, {40, 0}, {40, -1}).taken);
    EXPECT_FALSE(WireStep(*grid, {256, 40}, {257, 40}).taken);
    EXPECT_EQ(*grid, CellGrid{});
    // Along the edges of the field it draws as anywhere else.
    EXPECT_TRUE(WireStep(*grid, {255, 0}, {255, 1}).changed);
    EXPECT_TRUE(WireStep(*grid, {254, 255}, {255, 255}).changed);
    EXPECT_EQ(grid->at(255, 0), WireS);
    EXPECT_EQ(grid->at(254, 255), WireE);
}

// ------------------------------------------------------------ solder points

struct SolderCase {
    std::vector<std::string> rows;  // 3 x 3 around the middle node
    std::int32_t expected;          // the middle node afterwards
};

void ExpectMiddle(const std::vector<SolderCase>& cases) {
    for (const SolderCase& k : cases) {
        auto grid = GridFromRows(k.rows);
        RefreshSolderPoints(*grid, L + 1, T + 1);
        EXPECT_EQ(Code(*grid, 1, 1), k.expected) << k.rows[0] << " / " << k.rows[1] << " / " << k.rows[2];
    }
}

TEST(SolderPoints, JunctionsBelowThreeMeetingsGoBack) {
    ExpectMiddle({
        {{"0 0 0", "1 51 0", "0 0 0"}, WireE},    // only W
        {{"0 2 0", "0 52 0", "0 0 0"}, WireS},    // only N
        {{"0 2 0", "1 51 0", "0 0 0"}, JunctionE},  // W and N keep it
        {{"0 0 0", "0 53 0", "0 0 0"}, WireES},   // neither
        {{"0 0 0", "1 53 0", "0 0 0"}, JunctionES},  // W alone keeps the three-way dot
        {{"0 0 0", "1 51 0", "0 6 0"}, JunctionE},  // W and a source below: back, then dotted again
    });
}

TEST(SolderPoints, EmptyNodesDotWhereThreeLeadsMeet) {
    ExpectMiddle({
        {{"0 2 0", "1 0 8", "0 0 0"}, JunctionE},  // W, N, lamp east
        {{"0 2 0", "1 0 0", "0 6 0"}, JunctionS},  // W, N, source south
        {{"0 0 0", "1 0 12", "0 7 0"}, JunctionS},  // W, inverter east, source south
        {{"0 2 0", "0 0 18", "0 6 0"}, JunctionS},  // N, gate input east, source south
        {{"0 2 0", "1 0 0", "0 0 0"}, Empty},      // W and N only: the corner of one wire
        {{"0 0 0", "1 0 8", "0 6 0"}, JunctionS},
        {{"0 0 0", "0 0 8", "0 6 0"}, Empty},
    });
}

TEST(SolderPoints, PlainWiresGainTheirDot) {
    ExpectMiddle({
        {{"0 2 0", "1 1 0", "0 0 0"}, JunctionE},
        {{"0 0 0", "1 1 0", "0 6 0"}, JunctionE},  // S* with W
        {{"0 2 0", "0 1 0", "0 7 0"}, JunctionE},  // S* with N
        {{"0 0 0", "0 1 0", "0 6 0"}, WireE},      // S* alone
        {{"0 2 0", "1 2 0", "0 0 0"}, JunctionS},
        {{"0 0 0", "1 2 12", "0 0 0"}, JunctionS},  // inverter east with W
        {{"0 2 0", "0 2 18", "0 0 0"}, JunctionS},  // gate input east with N
        {{"0 0 0", "1 2 6", "0 0 0"}, JunctionS},   // source east with W
        {{"0 0 0", "1 2 8", "0 0 0"}, WireS},       // a lamp east does not count
        {{"0 2 0", "0 2 8", "0 0 0"}, WireS},
        {{"0 0 0", "1 3 0", "0 0 0"}, JunctionES},
        {{"0 2 0", "0 3 0", "0 0 0"}, JunctionES},
        {{"0 0 0", "0 3 0", "0 0 0"}, WireES},
    });
}

TEST(SolderPoints, CrossingsAndElementsAreNeverChanged) {
    for (int code : std::initializer_list<int>{Crossing, SourceOff, Lamp, Inverter, ConjunctorAnchor, GateOutput,
                                               GateInput, GateCorner, 9}) {
        auto grid = GridFromRows({"0 2 0", "1 " + std::to_string(code) + " 8", "0 6 0"});
        const auto before = std::make_unique<CellGrid>(*grid);
        EXPECT_FALSE(RefreshSolderPoints(*grid, L + 1, T + 1)) << code;
        EXPECT_EQ(*grid, *before) << code;
    }
}

TEST(SolderPoints, OnlyTheNineNodesAroundChange) {
    // Two identical meetings three columns apart: refreshing around the first
    // leaves the second as it was.
    auto grid = GridFromRows({"0 2 0 0 2", "1 1 0 1 1"});
    EXPECT_TRUE(RefreshSolderPoints(*grid, L + 1, T));
    EXPECT_EQ(Code(*grid, 1, 1), JunctionE);
    EXPECT_EQ(Code(*grid, 4, 1), WireE);
    EXPECT_FALSE(RefreshSolderPoints(*grid, L + 1, T));
}

TEST(SolderPoints, NodesOutsideTheFieldAreLeftAlone) {
    // Column 256 holds an empty node that the rules would dot (west wire,
    // north wire, source south) if it were inside the field.
    auto grid = std::make_unique<CellGrid>();
    grid->at(255, 40) = WireE;
    grid->at(256, 39) = WireS;
    grid->at(256, 41) = SourceOff;
    RefreshSolderPoints(*grid, 255, 40);
    EXPECT_EQ(grid->at(256, 40), Empty);
    // The same along row 256.
    grid->at(40, 255) = WireS;
    grid->at(39, 256) = WireE;
    grid->at(41, 256) = Lamp;
    RefreshSolderPoints(*grid, 40, 255);
    EXPECT_EQ(grid->at(40, 256), Empty);
    // At the corners of the field nothing is read or written beyond the ring.
    const auto before = std::make_unique<CellGrid>(*grid);
    for (NodePos p : {NodePos{0, 0}, NodePos{255, 0}, NodePos{0, 255}, NodePos{255, 255}})
        EXPECT_FALSE(RefreshSolderPoints(*grid, p.x, p.y));
    EXPECT_EQ(*grid, *before);
    // Centred on a node outside the field it does nothing, not even to the
    // field's edge beside it.
    grid->at(254, 80) = WireE;
    grid->at(255, 79) = WireS;
    grid->at(255, 80) = WireE;
    EXPECT_FALSE(RefreshSolderPoints(*grid, 256, 80));
    EXPECT_EQ(grid->at(255, 80), WireE);
    EXPECT_TRUE(RefreshSolderPoints(*grid, 255, 80));
    EXPECT_EQ(grid->at(255, 80), JunctionE);
}

// ---------------------------------------------------------- crossing toggle

TEST(CrossingToggle, FourWayMeetingSwitchesBetweenJoinedAndCrossing) {
    auto grid = GridFromRows({"0 2 0", "1 53 0", "0 2 0"});
    EXPECT_TRUE(ToggleCrossing(*grid, L + 1, T + 1));
    EXPECT_EQ(Code(*grid, 1, 1), Crossing);
    EXPECT_TRUE(ToggleCrossing(*grid, L + 1, T + 1));
    EXPECT_EQ(Code(*grid, 1, 1), JunctionES);
}

TEST(CrossingToggle, NoCrossingBesideACrossing) {
    for (const auto& rows : std::vector<std::vector<std::string>>{
             {"0 2 0", "4 53 0", "0 0 0"}, {"0 4 0", "1 53 0", "0 0 0"},
             {"0 2 0", "1 53 4", "0 0 0"}, {"0 2 0", "1 53 0", "0 4 0"}}) {
        auto grid = GridFromRows(rows);
        EXPECT_FALSE(ToggleCrossing(*grid, L + 1, T + 1)) << rows[0] << "/" << rows[1] << "/" << rows[2];
        EXPECT_EQ(Code(*grid, 1, 1), JunctionES);
    }
    // A crossing beside a crossing can still be joined again.
    auto grid = GridFromRows({"0 2 0", "4 4 0", "0 0 0"});
    EXPECT_TRUE(ToggleCrossing(*grid, L + 1, T + 1));
    EXPECT_EQ(Code(*grid, 1, 1), JunctionES);
}

TEST(CrossingToggle, ElementLeadsStandInForTheMissingSegment) {
    // East an element with a west terminal (a lamp counts here), south a source.
    auto grid = GridFromRows({"0 2 0", "1 52 8", "0 0 0"});
    EXPECT_TRUE(ToggleCrossing(*grid, L + 1, T + 1));
    EXPECT_EQ(Code(*grid, 1, 1), Crossing);
    EXPECT_TRUE(ToggleCrossing(*grid, L + 1, T + 1));
    EXPECT_EQ(Code(*grid, 1, 1), JunctionS);

    grid = GridFromRows({"0 2 0", "1 51 0", "0 7 0"});
    EXPECT_TRUE(ToggleCrossing(*grid, L + 1, T + 1));
    EXPECT_EQ(Code(*grid, 1, 1), Crossing);
    EXPECT_TRUE(ToggleCrossing(*grid, L + 1, T + 1));
    EXPECT_EQ(Code(*grid, 1, 1), JunctionE);

    // With leads both east and south a crossing stays one.
    grid = GridFromRows({"0 2 0", "1 4 12", "0 6 0"});
    EXPECT_FALSE(ToggleCrossing(*grid, L + 1, T + 1));
    EXPECT_EQ(Code(*grid, 1, 1), Crossing);
}

TEST(CrossingToggle, ThreeWayMeetingsAndPlainWiresStay) {
    for (const auto& rows : std::vector<std::vector<std::string>>{
             {"0 0 0", "1 53 0", "0 2 0"},   // no wire from the north
             {"0 2 0", "0 53 0", "0 2 0"},   // none from the west
             {"0 2 0", "1 52 0", "0 2 0"},   // S without a lead east
             {"0 2 0", "1 51 0", "0 0 0"},   // E without a source south
             {"0 2 0", "1 3 0", "0 2 0"},    // no dot, nothing to toggle
             {"0 0 0", "1 4 0", "0 0 0"}}) { // a crossing with no north wire
        auto grid = GridFromRows(rows);
        const auto before = std::make_unique<CellGrid>(*grid);
        EXPECT_FALSE(ToggleCrossing(*grid, L + 1, T + 1)) << rows[0] << "/" << rows[1] << "/" << rows[2];
        EXPECT_EQ(*grid, *before);
    }
}

// ------------------------------------------------------------------ eraser

TEST(Eraser, WireNodeCutsTheSegmentsArrivingFromNorthAndWest) {
    struct Case {
        std::int32_t north, west, northAfter, westAfter;
    };
    const Case cases[] = {
        {WireS, WireE, Empty, Empty},         {JunctionS, JunctionE, Empty, Empty},
        {WireES, WireES, WireE, WireS},       {JunctionES, JunctionES, JunctionE, JunctionS},
        {Crossing, Crossing, JunctionE, JunctionS}, {WireE, WireS, WireE, WireS},
    };
    for (const Case& k : cases) {
        for (int middle : std::initializer_list<int>{Empty, WireES, JunctionES, Crossing}) {
            auto grid = GridFromRows({"0 " + std::to_string(k.north), std::to_string(k.west) + " " +
                                                                          std::to_string(middle)});
            const bool cuts = k.north != k.northAfter || middle != Empty;
            EXPECT_EQ(EraseAtNode(*grid, L + 1, T + 1, EraseMode::Drag), cuts) << k.north << " " << middle;
            EXPECT_EQ(Code(*grid, 1, 1), Empty);
            EXPECT_EQ(Code(*grid, 1, 0), k.northAfter) << k.north;
            EXPECT_EQ(Code(*grid, 0, 1), k.westAfter) << k.west;
        }
    }
}

TEST(Eraser, EmptyAreaChangesNothing) {
    auto grid = GridFromRows({"0 1 0", "2 0 8", "0 0 0"});
    const auto before = std::make_unique<CellGrid>(*grid);
    EXPECT_FALSE(EraseAtNode(*grid, L + 1, T + 1, EraseMode::Press));
    EXPECT_EQ(*grid, *before);
}

TEST(Eraser, ErasingTheNorthWireTakesTheDotAway) {
    auto grid = GridFromRows({"0 2 0", "1 1 1"});
    RefreshSolderPoints(*grid, L + 1, T + 1);
    ASSERT_EQ(Code(*grid, 1, 1), JunctionE);
    EXPECT_TRUE(EraseAtNode(*grid, L + 1, T, EraseMode::Drag));
    RefreshSolderPoints(*grid, L + 1, T);
    EXPECT_EQ(Code(*grid, 1, 1), WireE);
}

TEST(Eraser, ElementsGoAndPressAloneClearsCodeNine) {
    for (int code : std::initializer_list<int>{SourceOff, SourceOn, Lamp, Inverter, 13, 14, 15}) {
        auto grid = GridFromRows({"1 " + std::to_string(code) + " 1"});
        EXPECT_TRUE(EraseAtNode(*grid, L + 1, T, EraseMode::Drag)) << code;
        // An element cuts no wire next to it.
        EXPECT_EQ(*grid, *GridFromRows({"1 0 1"})) << code;
    }
    auto grid = GridFromRows({"9"});
    EXPECT_FALSE(EraseAtNode(*grid, L, T, EraseMode::Drag));
    EXPECT_EQ(Code(*grid, 0, 0), 9);
    EXPECT_TRUE(EraseAtNode(*grid, L, T, EraseMode::Press));
    EXPECT_EQ(Code(*grid, 0, 0), Empty);
    for (int code : {5, 10, 11, 21, 50, 54}) {
        grid = GridFromRows({"1 " + std::to_string(code)});
        EXPECT_FALSE(EraseAtNode(*grid, L + 1, T, EraseMode::Press)) << code;
        EXPECT_EQ(Code(*grid, 1, 0), code);
    }
}

TEST(Eraser, AnyNodeOfAGateRemovesTheWholeBlock) {
    const std::vector<std::string> rows = {"0 18 19 0", "1 20 17 1", "0 18 19 0"};
    for (int c = 1; c <= 2; ++c) {
        for (int r = 0; r <= 2; ++r) {
            auto grid = GridFromRows(rows);
            EXPECT_TRUE(EraseAtNode(*grid, L + c, T + r, EraseMode::Drag));
            EXPECT_EQ(*grid, *GridFromRows({"0 0 0 0", "1 0 0 1", "0 0 0 0"})) << c << "," << r;
        }
    }
}

TEST(Eraser, EdgesOfTheFieldAreNotCrossed) {
    // Probes in the guard ring and column 256 show any write beyond the field.
    auto grid = std::make_unique<CellGrid>();
    grid->at(5, -1) = WireS;
    grid->at(-1, 5) = WireE;
    grid->at(40, 0) = WireE;
    grid->at(0, 40) = WireS;
    EXPECT_TRUE(EraseAtNode(*grid, 40, 0, EraseMode::Drag));
    EXPECT_TRUE(EraseAtNode(*grid, 0, 40, EraseMode::Drag));
    EXPECT_FALSE(EraseAtNode(*grid, 5, 0, EraseMode::Drag));
    EXPECT_FALSE(EraseAtNode(*grid, 0, 5, EraseMode::Drag));
    EXPECT_EQ(grid->at(5, -1), WireS);
    EXPECT_EQ(grid->at(-1, 5), WireE);

    grid->at(256, 30) = Lamp;
    EXPECT_FALSE(EraseAtNode(*grid, 256, 30, EraseMode::Press));
    EXPECT_EQ(grid->at(256, 30), Lamp);
    // A damaged gate at the edge: the block around it is cleared only inside.
    grid->at(255, 60) = GateCorner;
    grid->at(256, 61) = GateCorner;
    EXPECT_TRUE(EraseAtNode(*grid, 255, 60, EraseMode::Drag));
    EXPECT_EQ(grid->at(255, 60), Empty);
    EXPECT_EQ(grid->at(256, 61), GateCorner);
}

// ------------------------------------------------------------- gate anchor

TEST(GateAnchor, PartsFindTheirAnchor) {
    auto grid = GridFromRows({"18 19", "16 17", "18 19"});
    for (int c = 0; c <= 1; ++c)
        for (int r = 0; r <= 2; ++r) EXPECT_EQ(FindGateAnchor(*grid, L + c, T + r), At(0, 1)) << c << "," << r;
}

TEST(GateAnchor, LaterTestsWinAndDamagedPartsAnchorThemselves) {
    // A gate input between two anchors takes the north one (tested after south).
    auto grid = GridFromRows({"16", "18", "20"});
    EXPECT_EQ(FindGateAnchor(*grid, L, T + 1), At(0, 0));
    // A corner between a north-west and a south-west anchor takes the south-west one.
    grid = GridFromRows({"16 0", "0 19", "20 0"});
    EXPECT_EQ(FindGateAnchor(*grid, L + 1, T + 1), At(0, 2));
    // West beats everything.
    grid = GridFromRows({"16 16", "20 17", "16 16"});
    EXPECT_EQ(FindGateAnchor(*grid, L + 1, T + 1), At(0, 1));
    // No anchor nearby.
    grid = GridFromRows({"0 0", "0 17", "0 0"});
    EXPECT_EQ(FindGateAnchor(*grid, L + 1, T + 1), At(1, 1));
    // Non-gate nodes are their own.
    grid = GridFromRows({"16 1"});
    EXPECT_EQ(FindGateAnchor(*grid, L + 1, T), At(1, 0));
}

// ---------------------------------------------------------------- placing

TEST(Placing, SourceToolPlacesAndToggles) {
    auto grid = std::make_unique<CellGrid>();
    EXPECT_TRUE(PlaceSource(*grid, 20, 20));
    EXPECT_EQ(grid->at(20, 20), SourceOff);
    EXPECT_TRUE(PlaceSource(*grid, 20, 20));
    EXPECT_EQ(grid->at(20, 20), SourceOn);
    EXPECT_TRUE(PlaceSource(*grid, 20, 20));
    EXPECT_EQ(grid->at(20, 20), SourceOff);
    grid->at(21, 20) = WireE;
    EXPECT_FALSE(PlaceSource(*grid, 21, 20));
    EXPECT_EQ(grid->at(21, 20), WireE);
}

TEST(Placing, LampsAndInvertersOnlyOnEmptyNodes) {
    for (int code : std::initializer_list<int>{WireE, JunctionES, Crossing, SourceOff, Lamp, GateCorner}) {
        auto grid = GridFromRows({std::to_string(code)});
        EXPECT_FALSE(PlaceLamp(*grid, L, T)) << code;
        EXPECT_FALSE(PlaceInverter(*grid, L, T)) << code;
        EXPECT_EQ(Code(*grid, 0, 0), code);
    }
    auto grid = std::make_unique<CellGrid>();
    EXPECT_TRUE(PlaceLamp(*grid, 30, 30));
    EXPECT_TRUE(PlaceInverter(*grid, 31, 30));
    EXPECT_EQ(grid->at(30, 30), Lamp);
    EXPECT_EQ(grid->at(31, 30), Inverter);
}

TEST(Placing, NewElementsDotTheWiresTheyMeet) {
    // A wire going south with a wire from the west: an inverter placed east
    // of it makes a three-way meeting, a lamp does not.
    auto grid = GridFromRows({"0 0 0", "1 2 0"});
    EXPECT_TRUE(PlaceLamp(*grid, L + 2, T + 1));
    EXPECT_EQ(Code(*grid, 1, 1), WireS);
    grid = GridFromRows({"0 0 0", "1 2 0"});
    EXPECT_TRUE(PlaceInverter(*grid, L + 2, T + 1));
    EXPECT_EQ(Code(*grid, 1, 1), JunctionS);
    // A source under a corner of two wires.
    grid = GridFromRows({"0 2", "1 0", "0 0"});
    EXPECT_TRUE(PlaceSource(*grid, L + 1, T + 2));
    EXPECT_EQ(Code(*grid, 1, 1), JunctionS);
}

TEST(Placing, GateBlockIsWrittenWholeOrNotAtAll) {
    auto grid = std::make_unique<CellGrid>();
    EXPECT_TRUE(PlaceGate(*grid, L, T + 1, GateKind::Conjunctor));
    EXPECT_TRUE(PlaceGate(*grid, L + 3, T + 1, GateKind::Disjunctor));
    EXPECT_EQ(*grid, *GridFromRows({"18 19 0 18 19", "16 17 0 20 17", "18 19 0 18 19"}));

    // Any one occupied node of the six refuses the block.
    for (int c = 0; c <= 1; ++c) {
        for (int r = 0; r <= 2; ++r) {
            grid = std::make_unique<CellGrid>();
            grid->at(L + c, T + r) = WireE;
            const auto before = std::make_unique<CellGrid>(*grid);
            EXPECT_FALSE(GateFits(*grid, L, T + 1));
            EXPECT_FALSE(PlaceGate(*grid, L, T + 1, GateKind::Disjunctor)) << c << "," << r;
            EXPECT_EQ(*grid, *before);
        }
    }
}

TEST(Placing, GateInputNextToAWireCornerDotsIt) {
    // Wires from the west and the north end west of where the upper input goes.
    auto grid = GridFromRows({"0 2 0", "1 0 0"});
    EXPECT_TRUE(PlaceGate(*grid, L + 2, T + 2, GateKind::Conjunctor));
    EXPECT_EQ(Code(*grid, 1, 1), JunctionE);
}

TEST(Placing, GateBlocksStayInsideTheField) {
    auto grid = std::make_unique<CellGrid>();
    for (NodePos anchor : {NodePos{40, 0}, NodePos{255, 40}, NodePos{40, 255}, NodePos{256, 40}, NodePos{40, 256},
                           NodePos{-1, 40}, NodePos{257, 257}}) {
        EXPECT_FALSE(GateFits(*grid, anchor.x, anchor.y)) << anchor.x << "," << anchor.y;
        EXPECT_FALSE(PlaceGate(*grid, anchor.x, anchor.y, GateKind::Conjunctor)) << anchor.x << "," << anchor.y;
        EXPECT_TRUE(GateRefusalShown(*grid, anchor.x, anchor.y, GateKind::Conjunctor));
    }
    EXPECT_EQ(*grid, CellGrid{});
    EXPECT_TRUE(PlaceGate(*grid, 254, 254, GateKind::Disjunctor));
    EXPECT_TRUE(PlaceGate(*grid, 0, 1, GateKind::Conjunctor));
    EXPECT_EQ(grid->at(255, 255), GateCorner);
    EXPECT_EQ(grid->at(0, 0), GateInput);
}

TEST(Placing, RefusalIsNotShownOnAGateOfTheSameKind) {
    auto grid = GridFromRows({"18 19 0 18 19", "16 17 0 20 17", "18 19 0 18 19"});
    for (int r = 0; r <= 2; ++r) {
        // Conjunctor tool on its own gate: no refusal; on the disjunctor's
        // anchor it is refused, on the shared parts it is not.
        EXPECT_FALSE(GateRefusalShown(*grid, L, T + r, GateKind::Conjunctor)) << r;
        EXPECT_FALSE(GateRefusalShown(*grid, L + 4, T + r, GateKind::Disjunctor)) << r;
    }
    EXPECT_TRUE(GateRefusalShown(*grid, L + 3, T + 1, GateKind::Conjunctor));
    EXPECT_TRUE(GateRefusalShown(*grid, L, T + 1, GateKind::Disjunctor));
    // Only the five other nodes count: an occupied anchor node alone is not
    // shown as refused, though nothing is placed there.
    grid = GridFromRows({"0 0", "1 0", "0 0"});
    EXPECT_FALSE(GateRefusalShown(*grid, L, T + 1, GateKind::Conjunctor));
    EXPECT_FALSE(PlaceGate(*grid, L, T + 1, GateKind::Conjunctor));
    EXPECT_TRUE(GateRefusalShown(*grid, L - 1, T + 1, GateKind::Conjunctor));
}

// --------------------------------------------------------------- sources

TEST(SourceToggle, FlipsOnlySources) {
    auto grid = GridFromRows({"6 7 0 8"});
    EXPECT_TRUE(ToggleSource(*grid, L, T));
    EXPECT_TRUE(ToggleSource(*grid, L + 1, T));
    EXPECT_FALSE(ToggleSource(*grid, L + 2, T));
    EXPECT_FALSE(ToggleSource(*grid, L + 3, T));
    EXPECT_EQ(*grid, *GridFromRows({"7 6 0 8"}));
}

TEST(Edits, OutsideTheFieldNothingHappens) {
    auto grid = std::make_unique<CellGrid>();
    for (NodePos p : {NodePos{256, 10}, NodePos{10, 256}, NodePos{257, 257}, NodePos{-1, 10}, NodePos{10, -1}}) {
        grid->at(p.x, p.y) = SourceOff;
        EXPECT_FALSE(ToggleSource(*grid, p.x, p.y));
        EXPECT_FALSE(PlaceSource(*grid, p.x, p.y));
        EXPECT_FALSE(EraseAtNode(*grid, p.x, p.y, EraseMode::Press));
        EXPECT_EQ(grid->at(p.x, p.y), SourceOff);
        grid->at(p.x, p.y) = Empty;
        EXPECT_FALSE(PlaceLamp(*grid, p.x, p.y));
        EXPECT_FALSE(PlaceInverter(*grid, p.x, p.y));
        EXPECT_FALSE(ToggleCrossing(*grid, p.x, p.y));
        EXPECT_EQ(FindGateAnchor(*grid, p.x, p.y), p);
    }
    EXPECT_EQ(*grid, CellGrid{});
}

TEST(Edits, AlongTheBorderNoNodeOutsideTheFieldChanges) {
    // A crowded grid of every kind of code, the ring and row and column 256
    // included, edited with every gesture at every node of a band around the
    // edge of the field.
    auto grid = std::make_unique<CellGrid>();
    const int codes[] = {0, 1, 2, 3, 4, 6, 7, 8, 9, 12, 16, 17, 18, 19, 20, 51, 52, 53};
    std::mt19937 random(7);
    for (int x = kGridLow; x <= kGridHigh; ++x)
        for (int y = kGridLow; y <= kGridHigh; ++y) grid->at(x, y) = codes[random() % std::size(codes)];
    const auto before = std::make_unique<CellGrid>(*grid);

    auto editAt = [&](int x, int y) {
        for (NodePos p : {NodePos{x + 1, y}, NodePos{x - 1, y}, NodePos{x, y + 1}, NodePos{x, y - 1}})
            WireStep(*grid, {x, y}, p);
        RefreshSolderPoints(*grid, x, y);
        ToggleCrossing(*grid, x, y);
        EraseAtNode(*grid, x, y, (x + y) % 2 ? EraseMode::Press : EraseMode::Drag);
        PlaceSource(*grid, x, y);
        PlaceLamp(*grid, x, y);
        PlaceInverter(*grid, x, y);
        PlaceGate(*grid, x, y, GateKind::Conjunctor);
        GateRefusalShown(*grid, x, y, GateKind::Disjunctor);
        FindGateAnchor(*grid, x, y);
        ToggleSource(*grid, x, y);
    };
    for (int a = kGridLow; a <= kGridHigh; ++a) {
        for (int b : {-1, 0, 1, 2, 253, 254, 255, 256, 257}) {
            editAt(a, b);
            editAt(b, a);
        }
    }
    int changedInside = 0;
    for (int x = kGridLow; x <= kGridHigh; ++x) {
        for (int y = kGridLow; y <= kGridHigh; ++y) {
            if (InField(x, y)) changedInside += grid->at(x, y) != before->at(x, y);
            else ASSERT_EQ(grid->at(x, y), before->at(x, y)) << x << "," << y;
        }
    }
    EXPECT_GT(changedInside, 0);  // the edits did reach the field's edge
}

}  // namespace
}  // namespace vorn::test
