// SPDX-License-Identifier: GPL-3.0-or-later
#include "enginefixture.h"
#include "kalvexprobe.h"

class Refinement : public EngineTest {
protected:
    void bracket(double x1, double f1, double x2, double f2, double precision) {
        state(k).bracketX1 = x1;
        state(k).bracketF1 = f1;
        state(k).bracketX2 = x2;
        state(k).bracketF2 = f2;
        state(k).refF1 = f1;
        state(k).refF2 = f2;
        state(k).precision = precision;
    }
    // Evaluations made by one refinement.
    // Counted by the core on the same bracket, then run by the module.
    long refine() {
        const ProbeState s = state(k);
        core::TermValues values{};
        const core::Bracket b{s.bracketX1, s.bracketF1, s.bracketX2, s.bracketF2, s.refF1, s.refF2};
        const long made = core::refine(k.formula(), b, s.precision, values, s.evalFailed == 1).trace.evaluations;
        KalvexProbe::refineRoot(k);
        return made;
    }
};

namespace {

// x² - 2 and 2 - x², each through the module's evaluation.
void squareMinusTwo(Kalvex& k, float sign) {
    state(k).termCount = 2;
    state(k).shape[1] = 1;
    state(k).coefB[1] = sign;
    state(k).expN[1] = 2;
    state(k).shape[2] = 7;
    state(k).constK[2] = -2 * sign;
}

}  // namespace

TEST_F(Refinement, LinearRootInOneStep) {
    add(power(1, 1));
    add(constant(-2));
    bracket(1, -1, 3, 1, 0.1);
    EXPECT_EQ(refine(), 1);
    EXPECT_EQ(state(k).rootEstimate, 2);
    EXPECT_EQ(state(k).evalX, 2);
    EXPECT_EQ(state(k).bracketX2, 2);
    EXPECT_EQ(state(k).evalFailed, 0);
}

TEST_F(Refinement, SquareRootOfTwoRising) {
    squareMinusTwo(k, 1);
    bracket(1, -1, 2, 2, 0.001);
    EXPECT_EQ(refine(), 4);
    EXPECT_EQ(state(k).rootEstimate, 1.4139672587948449);
    EXPECT_EQ(state(k).bracketX2, 2);  // end 2 stays fixed throughout
    EXPECT_EQ(state(k).bracketF2, 2);

    bracket(1, -1, 2, 2, 1e-10);
    EXPECT_EQ(refine(), 13);
    EXPECT_EQ(state(k).rootEstimate, 1.414213562341358);
}

TEST_F(Refinement, FallingAndReversedBracketsGiveTheSameEstimate) {
    squareMinusTwo(k, -1);
    bracket(1, 1, 2, -2, 0.001);
    EXPECT_EQ(refine(), 4);
    EXPECT_EQ(state(k).rootEstimate, 1.4139672587948449);

    squareMinusTwo(k, 1);
    bracket(2, 2, 1, -1, 0.001);
    EXPECT_EQ(refine(), 4);
    EXPECT_EQ(state(k).rootEstimate, 1.4139672587948449);
}

TEST_F(Refinement, FailureKeepsThePreviousEstimate) {
    add(log(1, 1, 1, 0));
    bracket(-1, -1, 1, 1, 0.001);
    state(k).rootEstimate = 7;
    KalvexProbe::refineRoot(k);
    EXPECT_EQ(state(k).rootEstimate, 7);
    EXPECT_EQ(state(k).evalFailed, 1);
    EXPECT_EQ(sink.shown, (std::vector<std::string>{messages::logArgument, messages::notComputableReached}));
}

TEST_F(Refinement, EqualHeightsAtBothEndsStopWithoutConverging) {
    add(power(1, 1));
    bracket(-1, 1, 1, 1, 0.001);
    state(k).rootEstimate = 7;
    KalvexProbe::refineRoot(k);
    EXPECT_EQ(sink.shown, std::vector<std::string>{messages::notConverged});
    EXPECT_EQ(state(k).evalFailed, 1);
    EXPECT_EQ(state(k).rootEstimate, 7);
}

TEST_F(Refinement, NonConvergingRefinementStopsAtTheLimit) {
    // x^20 - 1 from (0, 2): false position creeps towards 1 from below by
    // ever smaller steps, far too slowly to get within 1E-300.
    add(power(1, 20));
    add(constant(-1));
    bracket(0, -1, 2, 1048575, 1e-300);
    state(k).rootEstimate = 7;
    EXPECT_EQ(refine(), Kalvex::refineLimit);
    EXPECT_EQ(sink.shown, std::vector<std::string>{messages::notConverged});
    EXPECT_EQ(state(k).rootEstimate, 7);
}
