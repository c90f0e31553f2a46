// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <numbers>

#include "enginefixture.h"
#include "terms.h"
#include "kalvexprobe.h"

using TermFunctions = EngineTest;

TEST_F(TermFunctions, PowersOfZeroAndNegativeBases) {
    EXPECT_EQ(termPower(k, 0, 3, 0), 3);  // 0^0 is 1
    EXPECT_EQ(termPower(k, -2, 1, 2), 4);
    EXPECT_EQ(termPower(k, -2, 1, 3), -8);
    EXPECT_EQ(state(k).evalFailed, 0);
    EXPECT_TRUE(sink.shown.empty());
}

TEST_F(TermFunctions, ParametersAreWidenedSingles) {
    EXPECT_EQ(termPower(k, 1, 0.1f, 1), 0.10000000149011612);
    EXPECT_EQ(termPowBase(k, 3, 2, 1, 1, 1, 0), 8);
    EXPECT_EQ(termSin(k, std::numbers::pi / 2, 1, 1, 1, 0), 1);
    EXPECT_EQ(termCos(k, 0, 2, 1, 1, 0), 2);
    EXPECT_EQ(termExp(k, 1, 2, 1, 1, -1), 2);
    EXPECT_EQ(termLog(k, std::exp(1.0), 3, 1, 1, 0), 3);
}

TEST_F(TermFunctions, LogarithmOfZeroOrLessFailsWithItsMessage) {
    EXPECT_EQ(termLog(k, 1, 1, 1, 1, -1), 0);  // argument exactly 0
    EXPECT_EQ(state(k).evalFailed, 1);
    EXPECT_EQ(termLog(k, -1, 1, 1, 1, 0), 0);
    EXPECT_EQ(sink.shown, (std::vector<std::string>{messages::logArgument, messages::logArgument}));
}

TEST_F(TermFunctions, ValuesThatAreNotFiniteFailLikeTheLogarithm) {
    struct Case {
        const char* what;
        double value;
    };
    const Case cases[] = {
        {"negative base, fractional power", termPower(k, -8, 1, 1.0 / 3)},
        {"zero to a negative power", termPower(k, 0, 1, -1)},
        {"exp overflowing", termExp(k, 1000, 1, 1, 1, 0)},
        {"power of a negative base", termPowBase(k, 1, -2, 1, 1, 1, 0.5)},
        {"sin of infinity", termSin(k, 1e300, 1, 1e300, 2, 0)},
        {"cos of a fractional power of a negative x", termCos(k, -2, 1, 1, 0.5, 0)},
        {"log of infinity", termLog(k, 1e300, 1, 1, 2, 0)},
    };
    for (const Case& c : cases) EXPECT_EQ(c.value, 0) << c.what;
    EXPECT_EQ(state(k).evalFailed, 1);
    EXPECT_EQ(sink.shown, std::vector<std::string>(std::size(cases), messages::notComputableValue));
}

TEST_F(TermFunctions, LogarithmDomainCheckComesBeforeOurs) {
    // b·x^n overflows to -inf: the behaviour's own check applies.
    termLog(k, 1e300, 1, -1, 2, 0);
    EXPECT_EQ(sink.shown, std::vector<std::string>{messages::logArgument});
}
