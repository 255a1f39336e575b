// The grid rules of the editing gestures, on circuits drawn from rows of codes.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <random>
#include <string>
#include <utility>

#include "editing.h"
#include "grid_text.h"

namespace vorn::test {
namespace {

// Circuits are drawn with their top-left code at node (10, 10); 3 x 3
// circuits are edited at their middle node.
constexpr int L = 10;
constexpr int T = 10;
constexpr int MX = L + 1;
constexpr int MY = T + 1;

NodePos At(int c, int r) { return {L + c, T + r}; }
std::int32_t Code(const CellGrid& grid, int c, int r) { return grid.at(L + c, T + r); }

// The middle node (11, 11) and its west, north, east and south neighbours.
std::unique_ptr<CellGrid> Plus(int w, int n, int mid, int e, int s) {
    return GridFromRows({"0 " + std::to_string(n), std::to_string(w) + " " + std::to_string(mid) + " " +
                         std::to_string(e), "0 " + std::to_string(s)});
}

TEST(WireStep, DrawsSegmentsByTheirWestOrNorthEndOnePitchAtATime) {
    auto grid = GridFromRows({"0 0 0"});
    EXPECT_TRUE(WireStep(*grid, At(0, 0), At(1, 0)).changed);
    EXPECT_TRUE(WireStep(*grid, At(1, 0), At(2, 0)).changed);
    // Back over the same nodes: every step is taken, no code changes.
    for (int c = 2; c > 0; --c) {
        const WireStepResult back = WireStep(*grid, At(c, 0), At(c - 1, 0));
        EXPECT_TRUE(back.taken && back.anchorMoves && !back.changed) << c;
    }
    EXPECT_EQ(*grid, *GridFromRows({"1 1 0"}));

    // Leaving a meeting of a west and a north wire east makes its dot.
    grid = GridFromRows({"0 2 0", "1 0 0"});
    EXPECT_TRUE(WireStep(*grid, At(1, 1), At(2, 1)).changed);
    EXPECT_EQ(Code(*grid, 1, 1), JunctionE);

    // Only one pitch along a row or column is taken.
    grid = std::make_unique<CellGrid>();
    for (NodePos target : {At(1, 1), At(2, 0), At(0, -2), At(0, 0), At(-1, 1)}) {
        const WireStepResult step = WireStep(*grid, At(0, 0), target);
        EXPECT_FALSE(step.taken || step.anchorMoves) << target.x << "," << target.y;
    }
    EXPECT_EQ(*grid, CellGrid{});

    // From a source the anchor stays; into one from the west it moves on.
    grid = GridFromRows({"6 0"});
    const WireStepResult fromSource = WireStep(*grid, At(0, 0), At(1, 0));
    EXPECT_TRUE(fromSource.taken && !fromSource.anchorMoves && !fromSource.changed);
    EXPECT_EQ(*grid, *GridFromRows({"6 0"}));
    EXPECT_TRUE(WireStep(*grid, At(-1, 0), At(0, 0)).anchorMoves);
    EXPECT_EQ(grid->at(L - 1, T), WireE);

    // The owner gains the new segment.
    struct Case { std::int32_t before; bool vertical; std::int32_t after; };
    const Case cases[] = {
        {Empty, true, WireS},  {WireE, true, WireES},  {JunctionE, true, JunctionES}, {WireS, true, WireS},
        {Empty, false, WireE}, {WireS, false, WireES}, {JunctionS, false, JunctionES}, {WireE, false, WireE},
        {Crossing, true, Crossing}, {Crossing, false, Crossing}, {Lamp, false, Lamp},
    };
    for (const Case& k : cases) {
        // The owner sits at (10, 10), stepped into from the east or south; a
        // junction keeps its dot only with a wire arriving from the west.
        grid = GridFromRows({(k.before > 50 ? "1 " : "0 ") + std::to_string(k.before)}, L - 1);
        const NodePos far = k.vertical ? At(0, 1) : At(1, 0);
        WireStep(*grid, far, At(0, 0));
        EXPECT_EQ(Code(*grid, 0, 0), k.after) << k.before << (k.vertical ? " S" : " E");
        EXPECT_EQ(grid->at(far.x, far.y), Empty);
    }
}

TEST(SolderPoints, NodesAroundFollowTheMeetingRules) {
    struct Case { std::int32_t w, n, mid, e, s, expected; };
    const Case cases[] = {
        // Junctions whose meeting falls below three go back; a source below
        // dots a plain wire again.
        {1, 0, 51, 0, 0, WireE}, {0, 2, 52, 0, 0, WireS}, {0, 0, 53, 0, 0, WireES}, {1, 0, 53, 0, 0, JunctionES},
        {1, 0, 51, 0, 6, JunctionE},
        // Empty nodes dot where three leads meet; a lamp counts as a terminal.
        {1, 2, 0, 8, 0, JunctionE}, {1, 2, 0, 0, 6, JunctionS}, {1, 0, 0, 12, 7, JunctionS},
        {0, 2, 0, 18, 6, JunctionS}, {1, 2, 0, 0, 0, Empty}, {0, 0, 0, 8, 6, Empty},
        // Plain wires gain their dot; a lamp east does not count for WireS.
        {1, 2, 1, 0, 0, JunctionE}, {1, 0, 1, 0, 6, JunctionE}, {0, 2, 1, 0, 7, JunctionE}, {0, 0, 1, 0, 6, WireE},
        {1, 2, 2, 0, 0, JunctionS}, {1, 0, 2, 12, 0, JunctionS}, {0, 2, 2, 18, 0, JunctionS},
        {1, 0, 2, 6, 0, JunctionS}, {1, 0, 2, 8, 0, WireS}, {1, 0, 3, 0, 0, JunctionES},
        {0, 2, 3, 0, 0, JunctionES}, {0, 0, 3, 0, 0, WireES},
    };
    for (const Case& k : cases) {
        auto grid = Plus(k.w, k.n, k.mid, k.e, k.s);
        RefreshSolderPoints(*grid, MX, MY);
        EXPECT_EQ(grid->at(MX, MY), k.expected) << k.w << " " << k.n << " " << k.mid << " " << k.e << " " << k.s;
    }
    // Crossings and elements are never changed.
    for (int code : std::initializer_list<int>{Crossing, SourceOff, Lamp, Inverter, ConjunctorAnchor, GateOutput,
                                               GateInput, GateCorner, 9}) {
        auto grid = Plus(WireE, WireS, code, Lamp, SourceOff);
        const CellGrid before = *grid;
        EXPECT_FALSE(RefreshSolderPoints(*grid, MX, MY)) << code;
        EXPECT_EQ(*grid, before) << code;
    }
    // Only the nine nodes around change: of two identical meetings three
    // columns apart, refreshing around the first leaves the second as it was.
    auto grid = GridFromRows({"0 2 0 0 2", "1 1 0 1 1"});
    EXPECT_TRUE(RefreshSolderPoints(*grid, L + 1, T));
    EXPECT_EQ(Code(*grid, 1, 1), JunctionE);
    EXPECT_EQ(Code(*grid, 4, 1), WireE);
    EXPECT_FALSE(RefreshSolderPoints(*grid, L + 1, T));
}

TEST(CrossingToggle, ClicksOnTheMiddleNode) {
    struct Case { std::int32_t w, n, mid, e, s, once, twice; };  // the middle after one and two clicks
    const Case cases[] = {
        {1, 2, 53, 0, 2, Crossing, JunctionES},  // four-way meeting
        {1, 2, 52, 8, 0, Crossing, JunctionS},   // a lamp lead east stands in
        {1, 2, 51, 0, 7, Crossing, JunctionE},   // a source lead south stands in
        {1, 2, 4, 12, 6, Crossing, Crossing},    // leads both ways: stays crossed
        // No crossing beside a crossing, but one beside a crossing is joined.
        {4, 2, 53, 0, 0, JunctionES, JunctionES}, {1, 4, 53, 0, 0, JunctionES, JunctionES},
        {1, 2, 53, 4, 0, JunctionES, JunctionES}, {1, 2, 53, 0, 4, JunctionES, JunctionES},
        {4, 2, 4, 0, 0, JunctionES, JunctionES},
        // These stay: no wire from the north or the west, no lead east or no
        // source south, no dot, a crossing with no north wire.
        {1, 0, 53, 0, 2, JunctionES, JunctionES}, {0, 2, 53, 0, 2, JunctionES, JunctionES},
        {1, 2, 52, 0, 2, JunctionS, JunctionS},   {1, 2, 51, 0, 0, JunctionE, JunctionE},
        {1, 2, 3, 0, 2, WireES, WireES},          {1, 0, 4, 0, 0, Crossing, Crossing},
    };
    for (const Case& k : cases) {
        auto grid = Plus(k.w, k.n, k.mid, k.e, k.s);
        for (std::int32_t want : {k.once, k.twice}) {
            const std::int32_t was = grid->at(MX, MY);
            EXPECT_EQ(ToggleCrossing(*grid, MX, MY), want != was) << k.w << " " << k.n << " " << k.mid;
            EXPECT_EQ(grid->at(MX, MY), want) << k.w << " " << k.n << " " << k.mid << " " << k.e << " " << k.s;
        }
    }
}

TEST(Eraser, WireNodeCutsTheSegmentsArrivingFromNorthAndWest) {
    struct Case { std::int32_t north, west, northAfter, westAfter; };
    const Case cases[] = {
        {WireS, WireE, Empty, Empty},         {JunctionS, JunctionE, Empty, Empty},
        {WireES, WireES, WireE, WireS},       {JunctionES, JunctionES, JunctionE, JunctionS},
        {Crossing, Crossing, JunctionE, JunctionS}, {WireE, WireS, WireE, WireS},
    };
    for (const Case& k : cases) {
        for (int middle : std::initializer_list<int>{Empty, WireES, JunctionES, Crossing}) {
            auto grid = Plus(k.west, k.north, middle, Empty, Empty);
            const bool cuts = k.north != k.northAfter || middle != Empty;
            EXPECT_EQ(EraseAtNode(*grid, L + 1, T + 1, EraseMode::Drag), cuts) << k.north << " " << middle;
            EXPECT_EQ(Code(*grid, 1, 1), Empty);
            EXPECT_EQ(Code(*grid, 1, 0), k.northAfter) << k.north;
            EXPECT_EQ(Code(*grid, 0, 1), k.westAfter) << k.west;
        }
    }
}

TEST(Eraser, ElementsAndWholeGatesGoAndPressAloneClearsCodeNine) {
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
    // Any node of a gate removes the whole block.
    for (int c = 1; c <= 2; ++c) {
        for (int r = 0; r <= 2; ++r) {
            grid = GridFromRows({"0 18 19 0", "1 20 17 1", "0 18 19 0"});
            EXPECT_TRUE(EraseAtNode(*grid, L + c, T + r, EraseMode::Drag));
            EXPECT_EQ(*grid, *GridFromRows({"0 0 0 0", "1 0 0 1", "0 0 0 0"})) << c << "," << r;
        }
    }
}

TEST(GateAnchor, LaterTestsWinAndDamagedPartsAnchorThemselves) {
    // An input between two anchors takes the north one (tested after south).
    auto grid = GridFromRows({"16", "18", "20"});
    EXPECT_EQ(FindGateAnchor(*grid, L, T + 1), At(0, 0));
    // A corner between a north-west and a south-west anchor takes the south-west one.
    grid = GridFromRows({"16 0", "0 19", "20 0"});
    EXPECT_EQ(FindGateAnchor(*grid, L + 1, T + 1), At(0, 2));
    // West beats everything.
    grid = GridFromRows({"16 16", "20 17", "16 16"});
    EXPECT_EQ(FindGateAnchor(*grid, L + 1, T + 1), At(0, 1));
    // A part with no anchor nearby and a non-gate node are their own.
    grid = GridFromRows({"0 0 1", "0 17 16", "0 0 0"});
    EXPECT_EQ(FindGateAnchor(*grid, L + 1, T + 1), At(1, 1));
    EXPECT_EQ(FindGateAnchor(*grid, L + 2, T), At(2, 0));
}

TEST(ObjectAtNode, GatePartsNameTheirGateAndPickUpTakesTheWholeElement) {
    // A disjunctor beside a conjunctor, a wire and a source "1".
    auto grid = GridFromRows({"18 19 18 19", "16 17 20 17", "18 19 18 19", "1 7 0 0"});
    EXPECT_EQ(ObjectCodeAt(*grid, L + 1, T + 2), ConjunctorAnchor);
    EXPECT_EQ(ObjectCodeAt(*grid, L + 3, T), DisjunctorAnchor);
    EXPECT_EQ(ObjectCodeAt(*grid, L, T + 3), WireE);
    EXPECT_EQ(ObjectCodeAt(*grid, 300, -40), Empty);  // far outside: read as empty, nothing read out of bounds
    EXPECT_FALSE(IsElementCode(WireE));
    EXPECT_TRUE(IsElementCode(GateCorner));

    // A wire is not picked up; the disjunctor goes from its corner, whole.
    EXPECT_EQ(PickUpElement(*grid, L, T + 3), Empty);
    EXPECT_EQ(PickUpElement(*grid, L + 3, T + 2), DisjunctorAnchor);
    EXPECT_EQ(PickUpElement(*grid, L + 1, T + 3), SourceOn);
    EXPECT_EQ(*grid, *GridFromRows({"18 19", "16 17", "18 19", "1 0"}));
    EXPECT_EQ(PickUpElement(*grid, 256, 10), Empty);
}

TEST(Place, ElementsOnlyOnEmptyNodesAndTheSourceToolToggles) {
    using Placer = bool (*)(CellGrid&, int, int);
    const std::pair<Placer, std::int32_t> placers[] = {{PlaceLamp, Lamp}, {PlaceInverter, Inverter},
                                                       {PlaceSource, SourceOff}};
    for (const auto& [place, code] : placers) {
        auto grid = GridFromRows({"0 1 4 8 12 19"});
        for (int c = 0; c < 6; ++c) EXPECT_EQ(place(*grid, L + c, T), c == 0) << code << " at " << c;
        EXPECT_EQ(*grid, *GridFromRows({std::to_string(code) + " 1 4 8 12 19"})) << code;
    }
    auto grid = GridFromRows({"6 7 0 8"});
    for (std::int32_t want : {SourceOn, SourceOff}) {
        EXPECT_TRUE(PlaceSource(*grid, L, T));
        EXPECT_EQ(Code(*grid, 0, 0), want);
    }
    // Toggling alone flips sources only.
    for (int c = 0; c < 4; ++c) EXPECT_EQ(ToggleSource(*grid, L + c, T), c < 2) << c;
    EXPECT_EQ(*grid, *GridFromRows({"7 6 0 8"}));
}

TEST(Place, NewElementsDotTheWiresTheyMeet) {
    // An inverter east of a wire going south with a wire from the west.
    auto grid = GridFromRows({"0 0 0", "1 2 0"});
    EXPECT_TRUE(PlaceInverter(*grid, L + 2, T + 1));
    EXPECT_EQ(Code(*grid, 1, 1), JunctionS);
    // A source under a corner of two wires.
    grid = GridFromRows({"0 2", "1 0", "0 0"});
    EXPECT_TRUE(PlaceSource(*grid, L + 1, T + 2));
    EXPECT_EQ(Code(*grid, 1, 1), JunctionS);
    // A gate whose upper input lands east of such a corner.
    grid = GridFromRows({"0 2 0", "1 0 0"});
    EXPECT_TRUE(PlaceGate(*grid, L + 2, T + 2, GateKind::Conjunctor));
    EXPECT_EQ(Code(*grid, 1, 1), JunctionE);
}

TEST(Place, GateBlockIsWrittenWholeOrNotAtAll) {
    auto grid = std::make_unique<CellGrid>();
    EXPECT_TRUE(PlaceGate(*grid, L, T + 1, GateKind::Conjunctor));
    EXPECT_TRUE(PlaceGate(*grid, L + 3, T + 1, GateKind::Disjunctor));
    EXPECT_EQ(*grid, *GridFromRows({"18 19 0 18 19", "16 17 0 20 17", "18 19 0 18 19"}));
    for (int r = 0; r <= 2; ++r) {
        // A tool on its own gate's column is not refused; on the other kind's
        // anchor it is, on the parts both kinds share it is not.
        EXPECT_FALSE(GateRefusalShown(*grid, L, T + r, GateKind::Conjunctor)) << r;
        EXPECT_FALSE(GateRefusalShown(*grid, L + 4, T + r, GateKind::Disjunctor)) << r;
    }
    EXPECT_TRUE(GateRefusalShown(*grid, L + 3, T + 1, GateKind::Conjunctor));
    EXPECT_TRUE(GateRefusalShown(*grid, L, T + 1, GateKind::Disjunctor));

    // Any one occupied node of the six refuses the block.
    for (int c = 0; c <= 1; ++c) {
        for (int r = 0; r <= 2; ++r) {
            grid = std::make_unique<CellGrid>();
            grid->at(L + c, T + r) = WireE;
            const CellGrid before = *grid;
            EXPECT_FALSE(GateFits(*grid, L, T + 1));
            EXPECT_FALSE(PlaceGate(*grid, L, T + 1, GateKind::Disjunctor)) << c << "," << r;
            // The refusal marker counts only the five nodes besides the anchor.
            EXPECT_EQ(GateRefusalShown(*grid, L, T + 1, GateKind::Conjunctor), c != 0 || r != 1) << c << "," << r;
            EXPECT_EQ(*grid, before);
        }
    }
}

TEST(Edits, NothingOutsideTheFieldIsTouched) {
    CellGrid grid;
    // Steps leaving the field, gate blocks reaching outside it and every edit
    // at a node outside it are refused.
    const NodePos leaving[][2] = {{{255, 40}, {256, 40}}, {{40, 255}, {40, 256}}, {{0, 40}, {-1, 40}},
                                  {{40, 0}, {40, -1}},    {{256, 40}, {257, 40}}};
    for (const auto& step : leaving) EXPECT_FALSE(WireStep(grid, step[0], step[1]).taken) << step[1].x;
    for (NodePos a : {NodePos{40, 0}, NodePos{255, 40}, NodePos{40, 255}, NodePos{256, 40}, NodePos{40, 256},
                      NodePos{-1, 40}, NodePos{257, 257}}) {
        EXPECT_FALSE(GateFits(grid, a.x, a.y) || PlaceGate(grid, a.x, a.y, GateKind::Conjunctor)) << a.x;
        EXPECT_TRUE(GateRefusalShown(grid, a.x, a.y, GateKind::Conjunctor)) << a.x << "," << a.y;
    }
    for (NodePos p : {NodePos{256, 10}, NodePos{10, 256}, NodePos{257, 257}, NodePos{-1, 10}, NodePos{10, -1}}) {
        grid.at(p.x, p.y) = SourceOff;
        EXPECT_FALSE(ToggleSource(grid, p.x, p.y) || PlaceSource(grid, p.x, p.y) ||
                     EraseAtNode(grid, p.x, p.y, EraseMode::Press));
        EXPECT_EQ(grid.at(p.x, p.y), SourceOff);
        grid.at(p.x, p.y) = Empty;
        EXPECT_FALSE(PlaceLamp(grid, p.x, p.y) || PlaceInverter(grid, p.x, p.y) || ToggleCrossing(grid, p.x, p.y));
        EXPECT_EQ(FindGateAnchor(grid, p.x, p.y), p);
    }
    EXPECT_EQ(grid, CellGrid{});

    // Along the edges wires and gates go in as anywhere else.
    EXPECT_TRUE(WireStep(grid, {254, 0}, {255, 0}).changed && WireStep(grid, {0, 254}, {0, 255}).changed);
    EXPECT_TRUE(PlaceGate(grid, 254, 254, GateKind::Disjunctor) && PlaceGate(grid, 0, 1, GateKind::Conjunctor));

    // Column 256 holds an empty node the rules would dot (west wire, north
    // wire, source south) if it were inside the field.
    auto edge = GridFromRows({"0 2", "1 0", "0 6"}, 255, 39);
    RefreshSolderPoints(*edge, 255, 40);
    EXPECT_EQ(edge->at(256, 40), Empty);
    // Refreshing centred outside the field does nothing, not even beside it.
    edge = GridFromRows({"0 2", "1 1"}, 254, 79);
    EXPECT_FALSE(RefreshSolderPoints(*edge, 256, 80));
    EXPECT_EQ(edge->at(255, 80), WireE);
    EXPECT_TRUE(RefreshSolderPoints(*edge, 255, 80));
    EXPECT_EQ(edge->at(255, 80), JunctionE);
    // The eraser clears a damaged gate block at the edge only inside.
    edge = GridFromRows({"19 0", "0 19"}, 255, 60);
    EXPECT_TRUE(EraseAtNode(*edge, 255, 60, EraseMode::Drag));
    EXPECT_EQ(edge->at(255, 60), Empty);
    EXPECT_EQ(edge->at(256, 61), GateCorner);
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
    for (int x = kGridLow; x <= kGridHigh; ++x)
        for (int y = kGridLow; y <= kGridHigh; ++y)
            if (InField(x, y)) changedInside += grid->at(x, y) != before->at(x, y);
            else ASSERT_EQ(grid->at(x, y), before->at(x, y)) << x << "," << y;
    EXPECT_GT(changedInside, 0);  // the edits did reach the field's edge
}

}  // namespace
}  // namespace vorn::test
