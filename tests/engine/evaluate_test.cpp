// SPDX-License-Identifier: GPL-3.0-or-later
#include <limits>

#include "enginefixture.h"
#include "kalvexprobe.h"

using Evaluation = EngineTest;

TEST_F(Evaluation, NoTermsGiveZero) {
    EXPECT_EQ(at(3), 0);
    EXPECT_EQ(state(k).evalFailed, 0);
}

TEST_F(Evaluation, SumsTermsInSlotOrder) {
    add(power(1, 2));
    add(constant(-4));
    EXPECT_EQ(at(2), 0);
    EXPECT_EQ(at(3), 5);
    EXPECT_EQ(at(-3), 5);
    EXPECT_EQ(state(k).termValue[1], 9);
    EXPECT_EQ(state(k).termValue[2], -4);
}

TEST_F(Evaluation, ConstantIsTheWidenedSingle) {
    add(constant(0.1f));
    EXPECT_EQ(at(0), 0.10000000149011612);
}

TEST_F(Evaluation, FailingLogarithmCountsZeroAndTheFlagStays) {
    add(log(1, 1, 1, 0));
    add(constant(2));
    EXPECT_EQ(at(-1), 2);
    EXPECT_EQ(state(k).evalFailed, 1);
    EXPECT_EQ(state(k).termValue[1], 0);
    EXPECT_EQ(sink.shown, std::vector<std::string>{messages::logArgument});
    EXPECT_EQ(at(1), 2);
    EXPECT_EQ(state(k).evalFailed, 1);  // the evaluation never clears it
    EXPECT_EQ(sink.shown.size(), 1u);
}

TEST_F(Evaluation, TwoFailingLogarithmsShowTheMessageTwice) {
    add(log(1, 1, 1, 0));
    add(log(2, 1, 1, 0));
    at(-1);
    EXPECT_EQ(sink.shown.size(), 2u);
}

TEST_F(Evaluation, UnknownShapeKeepsItsLastValue) {
    add(power(1, 1));
    state(k).termValue[1] = 0;
    state(k).shape[1] = 9;
    state(k).termValue[1] = 42;
    EXPECT_EQ(at(5), 42);
}

TEST_F(Evaluation, OverflowingSumFailsAndKeepsTheSum) {
    add(constant(3e38f));
    add(power(1.0f, 2));
    add(power(1.0f, 2));
    at(1e154);
    EXPECT_EQ(state(k).evalFailed, 1);
    EXPECT_EQ(state(k).evalSum, std::numeric_limits<double>::infinity());
    EXPECT_EQ(sink.shown, std::vector<std::string>{messages::notComputableValue});
}

TEST_F(Evaluation, StartUpClearsCountAndFlagAndShowsTheSettingScreen) {
    state(k).termCount = 3;
    state(k).evalFailed = 1;
    k.startUp();
    EXPECT_EQ(k.termTotal(), 0);
    EXPECT_EQ(state(k).evalFailed, 0);
    EXPECT_EQ(host.settingShows, 1);
}
