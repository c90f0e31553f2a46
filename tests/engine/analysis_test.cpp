// SPDX-License-Identifier: GPL-3.0-or-later
#include "kalvex.h"

#include "core.h"

#include <chrono>
#include <cmath>

#include "enginefixture.h"
#include "numbertext.h"
#include "kalvexprobe.h"

namespace {

// The result list as the user would read it.
class RecordingList : public RootList {
public:
    void clearAndShow() override {
        texts.clear();
        ++shows;
    }
    void append(const std::vector<double>& values, double precision) override {
        for (double v : values) texts.push_back(core::listText(v, precision));
        ++batches;
    }
    std::vector<std::string> texts;
    int shows = 0;
    int batches = 0;
};

using Texts = std::vector<std::string>;

}  // namespace

class Analysis : public EngineTest {
protected:
    void run(const std::string& start, const std::string& end, const std::string& precision) {
        ran = k.automaticAnalysis(start, end, precision, list);
    }
    Kalvex::AnalysisEnd ran;
    void squareMinusTwo() {
        add(power(1, 2));
        add(constant(-2));
    }
    // What the list held before the run under test.
    void fillListWithOldEntries() {
        list.texts = {"old"};
        list.shows = 0;
    }

    RecordingList list;
};

TEST_F(Analysis, SquareMinusTwoAtFineSevenDigitsListsBothRootsOnly) {
    squareMinusTwo();
    run("-3", "3", "1E-07");
    EXPECT_EQ(list.texts, (Texts{"-1.4142136", "1.4142135"}));
    EXPECT_TRUE(sink.shown.empty());
    EXPECT_EQ(list.shows, 1);
    EXPECT_EQ(state(k).precision, 1e-7);
    EXPECT_EQ(ran.plot, PlotEnd::completed);  // the graph was drawn first
}

TEST_F(Analysis, SquareMinusTwoAtOneTenthListsCutRootsThenFineHits) {
    squareMinusTwo();
    run("-3", "3", "0.1");
    ASSERT_EQ(list.texts.size(), 238u);
    EXPECT_EQ(list.texts[0], "-1.5");
    EXPECT_EQ(list.texts[1], "1.4");
    // The fine hits follow in grid order, from the left root's neighbourhood.
    EXPECT_EQ(list.texts[2], "-1.5");
    const double firstHit = readNumber(list.texts[2]);
    const double lastHit = readNumber(list.texts.back());
    EXPECT_LT(firstHit, -1.38);
    EXPECT_GT(lastHit, 1.38);
    for (std::size_t i = 2; i < list.texts.size(); ++i) {
        const double x = readNumber(list.texts[i]);
        EXPECT_NEAR(std::fabs(x), 1.414, 0.15) << list.texts[i];
    }
}

TEST_F(Analysis, ReversedRangeListsRightToLeft) {
    squareMinusTwo();
    run("3", "-3", "1E-07");
    EXPECT_EQ(list.texts, (Texts{"1.4142135", "-1.4142136"}));
    EXPECT_LT(state(k).sweepStep, 0);
}

TEST_F(Analysis, ConstantZeroListsEveryFinePoint) {
    // No terms: F is 0 everywhere, no bracket, every fine point is a hit.
    run("0", "1", "0.1");
    EXPECT_TRUE(sink.shown.empty());
    long finePoints = 0;
    for (double x = 0; x <= 1; x += 0.01 / 100) ++finePoints;
    EXPECT_EQ(static_cast<long>(list.texts.size()), finePoints);
    EXPECT_GE(finePoints, 10000);
    EXPECT_EQ(list.texts.front(), "0");
    // One batch for the (no) roots and one for the hits: no per-entry insertion.
    EXPECT_EQ(list.batches, 2);
}

TEST_F(Analysis, ZeroOnAGridPointIsFoundFromBothSides) {
    add(power(1, 1));  // F = x; the grid -25, -24.5, ... hits 0 exactly
    run("-25", "25", "1E-07");
    ASSERT_GE(list.texts.size(), 2u);
    EXPECT_EQ(list.texts[0], "0");
    EXPECT_EQ(list.texts[1], "0");
}

TEST_F(Analysis, EmptyBoxesStopBeforeAnythingButStoreTheReadings) {
    squareMinusTwo();
    state(k).rangeStart = 7;
    fillListWithOldEntries();
    run("", "", "0.5");
    EXPECT_EQ(state(k).rangeStart, 0);
    EXPECT_EQ(state(k).rangeEnd, 0);
    EXPECT_EQ(state(k).precision, 0.5);
    EXPECT_TRUE(sink.shown.empty());
    EXPECT_TRUE(canvas.ops.empty());
    EXPECT_EQ(list.texts, Texts{"old"});

    // One empty box counts as 0.
    run("", "3", "1E-07");
    EXPECT_EQ(list.texts, Texts{"1.4142135"});
}

TEST_F(Analysis, UnusablePrecisionIsRefusedBeforeTheScanAndNeverStored) {
    squareMinusTwo();
    for (const char* text : {"0", "-0.1", "abc", "", "1e-301", "1e999"}) {
        state(k).precision = 0.25;
        sink.shown.clear();
        state(k).evalX = 12.5;  // any evaluation moves it
        run("-3", "3", text);
        EXPECT_EQ(sink.shown, Texts{messages::precisionPositive}) << text;
        EXPECT_EQ(state(k).precision, 0.25) << text;
        EXPECT_EQ(state(k).evalX, 12.5) << text;
        EXPECT_TRUE(canvas.ops.empty()) << text;
    }
    // Both boxes empty: that stop comes first and says nothing.
    sink.shown.clear();
    run("", "", "0");
    EXPECT_TRUE(sink.shown.empty());
    // The smallest precision we take.
    run("-3", "3", "1e-300");
    EXPECT_EQ(state(k).precision, 1e-300);
    EXPECT_EQ(list.texts.size(), 2u);
    EXPECT_FALSE(core::usablePrecision(NAN));
}

TEST_F(Analysis, ZeroRangeStopsWithTheScansMessageOnly) {
    squareMinusTwo();
    fillListWithOldEntries();
    run("3", "3", "0.1");
    EXPECT_EQ(sink.shown, Texts{messages::rangeOrDivisions});
    EXPECT_EQ(list.texts, Texts{"old"});
}

TEST_F(Analysis, FailureDuringTheScan) {
    add(log(1, 1, 1, 0));  // ln x fails at the first sweep point -1
    fillListWithOldEntries();
    run("-1", "1", "0.1");
    EXPECT_EQ(sink.shown, (Texts{messages::logArgument, messages::notComputableInRange}));
    EXPECT_EQ(list.texts, Texts{"old"});
    EXPECT_EQ(list.shows, 0);
    EXPECT_TRUE(canvas.ops.empty());
}

TEST_F(Analysis, FailureOnlyInThePlotsSamplesGivesThreeMessages) {
    add(log(1, 1, 1, 0));  // ln x: the range is fine, three ticks before it are not
    fillListWithOldEntries();
    run("0.01", "1", "0.1");
    EXPECT_EQ(sink.shown,
              (Texts{messages::logArgument, messages::notComputableReached, messages::notComputableInRange}));
    EXPECT_EQ(list.texts, Texts{"old"});
    EXPECT_FALSE(canvas.ops.empty());  // cleared, frame: what plotGraph drew before it stopped
}

TEST_F(Analysis, FailureInTheBracketPass) {
    // ln(x²) fails only at 0. Running downwards the plot stays inside the
    // range, but the bracket pass looks one step beyond its end, at 0.
    add(log(1, 1, 2, 0));
    fillListWithOldEntries();
    run("25.25", "0.25", "0.1");
    EXPECT_EQ(sink.shown, (Texts{messages::logArgument, messages::notComputableReached}));
    EXPECT_EQ(state(k).evalX, 0);
    EXPECT_EQ(list.texts, Texts{"old"});
    EXPECT_EQ(ran.plot, PlotEnd::completed);  // the graph was drawn
}

TEST_F(Analysis, FailureInsideTheRefinement) {
    // x + 0.001·ln(x² − 0.0001): computable at every grid point, but the
    // first false-position point of the bracket around 0 falls in |x| < 0.01.
    add(power(1, 1));
    add(log(0.001f, 1, 2, -0.0001f));
    fillListWithOldEntries();
    run("-5.05", "4.95", "0.1");
    EXPECT_EQ(sink.shown, (Texts{messages::logArgument, messages::notComputableReached}));
    EXPECT_LT(std::fabs(state(k).evalX), 0.01);
    EXPECT_EQ(list.texts, Texts{"old"});
}

TEST_F(Analysis, FailureInTheFinePassKeepsWhatWasListed) {
    // x + 3 + 0.001·ln(x² − 0.0001): a root near -3, then the fine grid
    // walks into |x| < 0.01.
    add(power(1, 1));
    add(constant(3));
    add(log(0.001f, 1, 2, -0.0001f));
    fillListWithOldEntries();
    run("-5.05", "4.95", "0.1");
    EXPECT_EQ(sink.shown, (Texts{messages::logArgument, messages::notComputableReached}));
    ASSERT_GT(list.texts.size(), 100u);
    EXPECT_EQ(list.shows, 1);
    EXPECT_NEAR(readNumber(list.texts[0]), -3, 0.11);
    EXPECT_EQ(list.texts.back(), "-3");  // the last hit, about -2.9022, cut down
    EXPECT_LT(state(k).evalX, 0.011);  // the fine pass stopped at the failure
}

TEST_F(Analysis, EverySignChangeIsListedInGridOrder) {
    // cos(πx / 0.1) is ±1 at every grid point: all 101 intervals change sign,
    // the last one reaching a step beyond the range.
    add({6, 1, 31.415926f, 1, 0, 0});
    run("0", "10", "1E-07");
    EXPECT_TRUE(sink.shown.empty());
    ASSERT_GE(list.texts.size(), 101u);
    for (int i = 0; i < 101; ++i) EXPECT_NEAR(readNumber(list.texts[i]), 0.05 + 0.1 * i, 1e-6) << i;
}

// At the finest precisions false position ends between two neighbouring
// doubles; it must end there, not run into its iteration limit.
TEST_F(Analysis, FinestPrecisionsConvergeToNeighbouringDoubles) {
    add({5, 1, 20, 1, 0, 0});  // sin 20x: 57 sign changes on the grid of 0..20
    for (const char* precision : {"1E-18", "1E-21"}) {
        core::AnalysisInput in;
        in.startText = "0";
        in.endText = "20";
        in.precisionText = precision;
        core::TermValues values{};
        const core::Analysis a = core::analyse(k.formula(), in, values);
        EXPECT_TRUE(a.messages().empty()) << precision;
        EXPECT_TRUE(a.completed) << precision;
        ASSERT_EQ(a.roots.size(), a.brackets.size());
        EXPECT_GT(a.roots.size(), 50u);
        for (double r : a.roots) EXPECT_NEAR(r, std::round(r * 20 / M_PI) * M_PI / 20, 1e-14) << precision;
    }
}

TEST_F(Analysis, RefinementFollowsEachBracketsOwnDirection) {
    // The refined doubles, not the cut texts: a bracket refined in the wrong
    // direction lands elsewhere within the cut.
    squareMinusTwo();
    core::AnalysisInput in;
    in.startText = "-3";
    in.endText = "3";
    in.precisionText = "1E-07";
    core::TermValues values{};
    const core::Analysis a = core::analyse(k.formula(), in, values);
    EXPECT_EQ(a.roots, (std::vector<double>{-1.4142135494883934, 1.4142135494883934}));
    EXPECT_EQ(a.texts(), (Texts{"-1.4142136", "1.4142135"}));
}

TEST_F(Analysis, FinePassListsValuesEqualToThePrecision) {
    add(constant(0.5f));
    run("0", "1", "0.5");
    EXPECT_TRUE(sink.shown.empty());
    EXPECT_GE(list.texts.size(), 10001u);  // every fine point: |F| = 0.5 is within 0.5
}

TEST_F(Analysis, NoRangeHangs) {
    add(power(1, 1));
    struct Case {
        const char *start, *end;
        Texts messages;
    };
    const Case cases[] = {
        {"1", "1.0000000000000002", {messages::rangeOrDivisions}},  // the sweep cannot advance
        {"-1e308", "1e308", {messages::rangeOrDivisions}},          // the span is not finite
        // Neither the plot's sampling nor the fine pass can advance.
        {"0", "1e-320", {messages::rangeOrDivisions, messages::rangeOrDivisions}},
        {"1", "1.000000000001", {messages::rangeOrDivisions}},      // the fine step is below x's resolution
    };
    for (const Case& c : cases) {
        sink.shown.clear();
        const auto began = std::chrono::steady_clock::now();
        run(c.start, c.end, "0.1");
        EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(5))
            << c.start << " " << c.end;
        EXPECT_EQ(sink.shown, c.messages) << c.start << " " << c.end;
    }
}

TEST_F(Analysis, FunctionTooLargeToDrawStopsTheAnalysis) {
    add(power(1e38f, 1));  // ±1e308 at the ends: the span of y is not finite
    fillListWithOldEntries();
    run("-1e270", "1e270", "0.1");
    EXPECT_EQ(sink.shown, Texts{messages::valueTooLarge});
    EXPECT_EQ(list.texts, Texts{"old"});
}

TEST(Cut, RoundsDownToAMultipleOfThePrecision) {
    EXPECT_EQ(generalNumberText(core::cut(-1.41421356, 1e-7)), "-1.4142136");
    EXPECT_EQ(generalNumberText(core::cut(1.41421356, 1e-7)), "1.4142135");
    EXPECT_EQ(generalNumberText(core::cut(-1.41, 0.1)), "-1.5");
    EXPECT_EQ(core::cut(1e10, 1e-300), 1e10);  // the quotient overflows: uncut
    EXPECT_EQ(core::cut(-1e10, 1e-300), -1e10);
}
