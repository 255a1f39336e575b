// What each element does to the signals: the results a learner sees.
#include "propagation_fixture.h"
#include "signals.h"

namespace vorn::test {
namespace {

TEST(SignalFunctions, FollowTheTruthTables) {
    EXPECT_EQ(SignalNot(NoSignal), NoSignal);
    EXPECT_EQ(SignalNot(Signal0), Signal1);
    EXPECT_EQ(SignalNot(Signal1), Signal0);
    EXPECT_EQ(SignalAnd(NoSignal, NoSignal), NoSignal);
    EXPECT_EQ(SignalAnd(Signal1, Signal1), Signal1);
    EXPECT_EQ(SignalAnd(Signal1, NoSignal), Signal0);
    EXPECT_EQ(SignalAnd(Signal0, Signal1), Signal0);
    EXPECT_EQ(SignalOr(NoSignal, NoSignal), NoSignal);
    EXPECT_EQ(SignalOr(NoSignal, Signal1), Signal1);
    EXPECT_EQ(SignalOr(Signal0, NoSignal), Signal0);
    EXPECT_EQ(SignalOr(Signal0, Signal0), Signal0);
    EXPECT_EQ(SignalMax(Signal0, NoSignal), Signal0);
}

using Wires = PropagationTest;

TEST_F(Wires, WithoutSourcesEverythingStaysUnsignalled) {
    const EvaluationStats stats = Run({"0 1 1 8 1 0", "12 1 4 1 16"});
    EXPECT_EQ(stats.steps, 0u);
    EXPECT_EQ(*signals, SignalGrid{});
}

TEST_F(Wires, SourceOneLightsTheWireTheLampAndTheWireBeyond) {
    Run({"7 1 1 8 1 0"});
    for (int c = 0; c <= 5; ++c) EXPECT_EQ(At(c, 0), Signal1) << c;
    // Flipped to "0", a fresh evaluation leaves nothing of the "1" behind.
    cells->at(10, 10) = SourceOff;
    Evaluate();
    for (int c = 0; c <= 5; ++c) EXPECT_EQ(At(c, 0), Signal0) << c;
}

TEST_F(Wires, OneWinsOverZeroOnAWireAndEachSourceKeepsItsOwnValue) {
    Run({"6 1 1 7"});
    EXPECT_EQ(At(0, 0), Signal0);
    EXPECT_EQ(At(1, 0), Signal1);
    EXPECT_EQ(At(2, 0), Signal1);
    EXPECT_EQ(At(3, 0), Signal1);
}

TEST_F(Wires, JunctionsJoinLikePlainWires) {
    Run({"7 51 53 1 0",
         "0 0 2 0 0",
         "0 0 53 1 0",
         "0 0 0 0 0"});
    EXPECT_EQ(At(4, 0), Signal1);
    EXPECT_EQ(At(2, 1), Signal1);
    EXPECT_EQ(At(3, 2), Signal1);
    EXPECT_EQ(At(4, 2), Signal1);
    EXPECT_EQ(At(2, 3), Signal1);
}

TEST_F(Wires, CrossingKeepsItsTwoLinesApart) {
    Run({"0 0 6 0 0",
         "0 0 2 0 0",
         "7 1 4 1 0",
         "0 0 2 0 0",
         "0 0 0 0 0"});
    EXPECT_EQ(At(1, 2), Signal1);
    EXPECT_EQ(At(3, 2), Signal1);
    EXPECT_EQ(At(4, 2), Signal1);
    EXPECT_EQ(At(2, 1), Signal0);
    EXPECT_EQ(At(2, 3), Signal0);
    EXPECT_EQ(At(2, 4), Signal0);
    EXPECT_EQ(At(2, 2), Signal1);  // a crossing reads as its horizontal line
}

TEST_F(Wires, LampIsFedOnlyFromWestAndEast) {
    // A source just above a lamp does not light it.
    Run({"7", "8"});
    EXPECT_EQ(At(0, 1), NoSignal);
}

using Inverters = PropagationTest;

TEST_F(Inverters, InputWithoutSignalGivesNoOutput) {
    Run({"0 1 12 1 0", "7 0 0 0 0"});
    EXPECT_EQ(At(2, 0), NoSignal);
    EXPECT_EQ(At(4, 0), NoSignal);
}

TEST_F(Inverters, ZeroInBecomesOneOnTheOutputAndTheWireBeyond) {
    Run({"6 1 12 1 1 0"});
    EXPECT_EQ(At(1, 0), Signal0);
    for (int c = 2; c <= 5; ++c) EXPECT_EQ(At(c, 0), Signal1) << c;
}

TEST_F(Inverters, OutputOneSpreadsOverAWireAlsoFedZero) {
    Run({"6 1 12 1 1 6"});
    EXPECT_EQ(At(3, 0), Signal1);
    EXPECT_EQ(At(4, 0), Signal1);
    EXPECT_EQ(At(5, 0), Signal0);
}

TEST_F(Inverters, LoopBackToOwnInputSettles) {
    // The output wire runs up, west and back down into the input; a source
    // "0" hangs on the loop from above.
    const EvaluationStats stats = Run({"0 6 0",
                                       "3 1 2",
                                       "1 12 0"});
    EXPECT_FALSE(stats.budgetExhausted);
    EXPECT_EQ(stats.fallsRefused, 0u);
    for (auto [c, r] : {std::pair{0, 1}, {1, 1}, {2, 1}, {0, 2}, {2, 2}}) EXPECT_EQ(At(c, r), Signal1) << c << "," << r;
    EXPECT_EQ(At(1, 2), Signal0);
}

using Gates = PropagationTest;

// A gate anchored at column 3, row 1 of the drawing, its lead ending at
// column 5; inputs come from columns 2, rows 0 and 2.
std::vector<std::string> GateRows(const std::string& upper, int anchor, const std::string& lower) {
    const std::string a = std::to_string(anchor);
    return {upper + " 18 19 0", "0 0 0 " + a + " 17 1 0", lower + " 18 19 0"};
}

TEST_F(Gates, ConjunctorWithOneInputOneAndTheOtherOpenGivesZero) {
    Run(GateRows("0 7 1", ConjunctorAnchor, "0 0 0"));
    EXPECT_EQ(At(3, 1), Signal0);
    EXPECT_EQ(At(4, 1), Signal0);
    EXPECT_EQ(At(5, 1), Signal0);
    EXPECT_EQ(At(6, 1), Signal0);
}

TEST_F(Gates, ConjunctorWithBothInputsOpenGivesNothing) {
    Run(GateRows("0 0 0", ConjunctorAnchor, "0 0 0"));
    EXPECT_EQ(At(3, 1), NoSignal);
    EXPECT_EQ(At(5, 1), NoSignal);
}

TEST_F(Gates, ConjunctorOfTwoOnesIsOne) {
    Run(GateRows("0 7 1", ConjunctorAnchor, "0 7 1"));
    EXPECT_EQ(At(3, 1), Signal1);
    EXPECT_EQ(At(6, 1), Signal1);
}

TEST_F(Gates, DisjunctorWithOneInputZeroAndTheOtherOpenGivesZero) {
    Run(GateRows("0 6 1", DisjunctorAnchor, "0 0 0"));
    EXPECT_EQ(At(3, 1), Signal0);
    EXPECT_EQ(At(6, 1), Signal0);
}

TEST_F(Gates, DisjunctorWithAnyOneIsOne) {
    Run(GateRows("0 6 1", DisjunctorAnchor, "0 7 1"));
    EXPECT_EQ(At(3, 1), Signal1);
    EXPECT_EQ(At(6, 1), Signal1);
}

TEST_F(Gates, InputsArrivingAtDifferentTimesGiveTheFinalOutput) {
    // The lower input's "1" travels a long way round; the gate is woken again
    // when it arrives.
    Run({"0 0 0 0 0 0 7 18 19 0",
         "0 0 0 0 0 0 0 16 17 1 8 0",
         "7 1 1 1 1 1 1 18 19 0"});
    EXPECT_EQ(At(7, 1), Signal1);
    EXPECT_EQ(At(10, 1), Signal1);
}

}  // namespace
}  // namespace vorn::test
