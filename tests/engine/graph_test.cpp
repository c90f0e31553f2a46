// SPDX-License-Identifier: GPL-3.0-or-later
#include <chrono>
#include <cmath>

#include "enginefixture.h"
#include "numbertext.h"
#include "kalvexprobe.h"

using Scan = EngineTest;
using Plot = EngineTest;

TEST_F(Scan, SquareOverZeroToTen) {
    add(power(1, 2));
    scan(0, 10);
    EXPECT_EQ(k.view().xMin, 0);
    EXPECT_EQ(k.view().xMax, 10);
    EXPECT_EQ(k.view().yMin, 0);
    EXPECT_EQ(k.view().yMax, 99.9999999999996);
    EXPECT_EQ(k.tickSteps().x, 0.1);
    EXPECT_EQ(k.tickSteps().y, 1.0);
    EXPECT_EQ(state(k).sweepStep, 0.1);
    EXPECT_EQ(state(k).homeXMin, 0);
    EXPECT_EQ(state(k).homeXMax, 10);
    EXPECT_EQ(state(k).homeYMin, 1e9);
    EXPECT_EQ(state(k).homeYMax, -1e9);
    EXPECT_EQ(k.edges(), (core::Edges{-0.2, 10.200000000000001, 101, -2}));
    EXPECT_EQ(plotted, PlotEnd::completed);
}

TEST_F(Scan, SweepFromZeroToOneHasOneHundredPoints) {
    add(power(1, 1));
    scan(0, 1);
    // F = x: the largest value is the last sweep point, just short of 1.
    EXPECT_LT(k.view().yMax, 1);
    EXPECT_GT(k.view().yMax, 0.98);
}

TEST_F(Scan, TickTable) {
    struct Row {
        double span, tick;
    };
    const Row rows[] = {{0.1, 0.001},   {0.05, 0.001},        {-3, 0.001},  {0.5, 0.010000000000000002},
                        {1, 0.010000000000000002}, {2, 0.1}, {5, 0.1},      {10, 0.1},
                        {10.0000001, 1.0}, {20, 1.0},        {100, 1.0},   {101, 10.0},
                        {1000, 10.0},   {1000000, 10000}};
    add(power(1, 1));
    for (const Row& r : rows) {
        scan(0, r.span);
        EXPECT_EQ(k.tickSteps().x, r.tick) << "span " << r.span;
    }
}

TEST_F(Scan, ConstantFunctionTakesAYSpanOfFive) {
    add(constant(3));
    scan(-5, 5);
    EXPECT_EQ(k.view().yMin, 3);
    EXPECT_EQ(k.view().yMax, 3);
    EXPECT_EQ(k.tickSteps().y, 0.1);
    EXPECT_EQ(k.tickSteps().x, 0.1);
}

TEST_F(Scan, ZeroRangeShowsItsMessageAndChangesNothingElse) {
    add(power(1, 2));
    scan(0, 10);
    canvas.ops.clear();
    scan(3, 3);
    EXPECT_EQ(sink.shown, std::vector<std::string>{messages::rangeOrDivisions});
    EXPECT_EQ(k.tickSteps().x, 0.1);
    EXPECT_EQ(k.view().yMax, 99.9999999999996);
    EXPECT_EQ(state(k).sweepStep, 0.1);
    EXPECT_EQ(state(k).evalFailed, 0);
    EXPECT_TRUE(canvas.ops.empty());
}

TEST_F(Scan, ValuesAboveTheSentinelKeepTheMinimumSentinel) {
    add(constant(2e9));
    add(power(1, 1));
    scan(0, 10);
    EXPECT_EQ(k.view().yMin, 1e9);
    EXPECT_EQ(k.view().yMax, 2e9 + 10);
}

TEST_F(Scan, ReversedRangeSweepsDownwards) {
    add(power(1, 2));
    scan(10, 0);
    EXPECT_EQ(state(k).sweepStep, -0.1);
    EXPECT_EQ(k.tickSteps().x, 0.001);
    EXPECT_LT(k.view().yMin, 1e-20);
    EXPECT_EQ(k.view().yMax, 100);
    EXPECT_GT(k.edges().left, k.edges().right);  // a mirrored scale
}

TEST_F(Scan, LogarithmFailingAtTheThirdPointStopsWithoutGraph) {
    add(log(1, 1, 1, 2));  // ln(x + 2) on 0 down to -100: fails at -2
    scan(0, -100);
    EXPECT_EQ(sink.shown, std::vector<std::string>{messages::logArgument});
    EXPECT_EQ(state(k).evalX, -2);
    EXPECT_EQ(k.view().yMax, std::log(2.0));
    EXPECT_EQ(k.tickSteps().x, 0);
    EXPECT_TRUE(canvas.ops.empty());
    EXPECT_NE(plotted, PlotEnd::completed);
}

TEST_F(Scan, StepThatCannotAdvanceStopsWithAMessage) {
    add(power(1, 1));
    scan(1, 1.0000000000000002);
    EXPECT_EQ(sink.shown, std::vector<std::string>{messages::rangeOrDivisions});
    EXPECT_TRUE(canvas.ops.empty());
}

TEST_F(Scan, SpanThatIsNotFiniteStopsWithAMessage) {
    add(power(1, 1));
    scan(-1e308, 1e308);
    EXPECT_EQ(sink.shown, std::vector<std::string>{messages::rangeOrDivisions});
    EXPECT_TRUE(canvas.ops.empty());
}

TEST_F(Scan, TinyRangeNearZeroIsScannedButCannotBeSampled) {
    add(power(1, 1));
    scan(0, 1e-320);  // the scan steps through the denormals; 0.003 + 1E-322 is 0.003
    EXPECT_EQ(sink.shown, std::vector<std::string>{messages::rangeOrDivisions});
    EXPECT_EQ(state(k).evalX, -3 * k.tickSteps().x);  // stopped at the first sample
    EXPECT_NE(plotted, PlotEnd::completed);
}

TEST_F(Scan, FunctionTooLargeToDrawStopsWithAMessage) {
    add(power(1e30f, 9));
    scan(-1e31, 1e31);
    ASSERT_FALSE(sink.shown.empty());
    EXPECT_TRUE(canvas.ops.empty());
}

TEST_F(Plot, SquareOverZeroToTenSamplesThreeTicksBeyondTheRange) {
    add(power(1, 2));
    scan(0, 10);
    EXPECT_EQ(state(k).evalX, 10.29999999999998);  // the last of 107 samples
    const auto curve = canvas.of(DrawOp::Line, std::nullopt);
    ASSERT_EQ(curve.size(), 106u);
    EXPECT_EQ(curve.back().x2, toSingle(10.29999999999998));
    EXPECT_EQ(curve.front().x1, -0.3f);
    EXPECT_EQ(curve.front().y1, 0.09f);
}

TEST_F(Plot, DrawsInOrderFrameAxesCurve) {
    add(power(1, 2));
    scan(0, 10);
    ASSERT_GE(canvas.ops.size(), 5u);
    EXPECT_EQ(canvas.ops[0].kind, DrawOp::Clear);
    const DrawOp& scale = canvas.ops[1];
    EXPECT_EQ(scale.kind, DrawOp::Scale);
    EXPECT_EQ(scale.x1, -0.2f);
    EXPECT_EQ(scale.y1, 101.0f);
    EXPECT_EQ(scale.x2, 10.2f);
    EXPECT_EQ(scale.y2, -2.0f);
    EXPECT_EQ(canvas.ops[2].kind, DrawOp::Rectangle);  // no grid: switches empty
    EXPECT_EQ(canvas.ops[2].ink, colours::frame);
    EXPECT_EQ(canvas.ops[3].ink, colours::axes);
    EXPECT_EQ(canvas.ops[3].x1, 0);
    EXPECT_EQ(canvas.ops[3].y2, 101.0f);
    EXPECT_EQ(canvas.ops[4].ink, colours::axes);
    EXPECT_EQ(canvas.ops[4].y1, 0);
    EXPECT_EQ(canvas.ops[4].x1, -0.2f);
}

TEST_F(Plot, ShapeThreeTermStartsTheSamplesAtTheRange) {
    add(power(1, 2));
    add({3, 0, 0, 0, 2, 0});  // a·m^(...) with a = 0
    scan(0, 10);
    const auto curve = canvas.of(DrawOp::Line, std::nullopt);
    ASSERT_EQ(curve.size(), 103u);  // 104 samples
    EXPECT_EQ(curve.front().x1, 0);
}

TEST_F(Plot, GridSwitchesAreExact) {
    add(power(1, 2));
    k.setGridX(true);
    k.setGridY(false);
    scan(0, 10);
    const auto grid = canvas.of(DrawOp::Line, colours::grid);
    ASSERT_FALSE(grid.empty());
    for (const DrawOp& op : grid) EXPECT_EQ(op.x1, op.x2);  // vertical only
    EXPECT_EQ(grid.front().x1, -0.2f);
    EXPECT_EQ(grid.size(), 105u);  // -0.2, -0.1, ..., 10.2 by repeated addition

    canvas.ops.clear();
    k.setGridX(false);
    k.plotGraph();
    EXPECT_TRUE(canvas.of(DrawOp::Line, colours::grid).empty());

    canvas.ops.clear();
    k.setGridX(false);
    k.setGridY(true);
    k.plotGraph();
    const auto rows = canvas.of(DrawOp::Line, colours::grid);
    ASSERT_FALSE(rows.empty());
    for (const DrawOp& op : rows) EXPECT_EQ(op.y1, op.y2);
    EXPECT_EQ(rows.front().y1, -2.0f);
    EXPECT_EQ(rows.back().y1, 101.0f);
}

TEST_F(Plot, LogarithmFailingAtTheFirstSampleKeepsGridAndFrameOnly) {
    add(log(1, 1, 1, 0));  // ln x: computable on the range, not before it
    k.setGridX(true);
    scan(0.01, 1);
    EXPECT_EQ(sink.shown, (std::vector<std::string>{messages::logArgument, messages::notComputableReached}));
    EXPECT_TRUE(canvas.of(DrawOp::Line, colours::axes).empty());
    EXPECT_TRUE(canvas.of(DrawOp::Line, std::nullopt).empty());
    EXPECT_EQ(canvas.of(DrawOp::Rectangle).size(), 1u);
    EXPECT_FALSE(canvas.of(DrawOp::Line, colours::grid).empty());
    EXPECT_NE(plotted, PlotEnd::completed);
    EXPECT_EQ(state(k).evalX, 0.01 - 3 * k.tickSteps().x);  // the first sample
}

TEST_F(Plot, FlagLeftFromEarlierStopsAtTheFirstSampleWithOneMessage) {
    add(power(1, 2));
    scan(0, 10);
    sink.shown.clear();
    state(k).evalFailed = 1;
    k.plotGraph();
    EXPECT_EQ(sink.shown, std::vector<std::string>{messages::notComputableReached});
}

TEST_F(Plot, NothingAtAllBeforeAnyGraph) {
    add(power(1, 2));
    EXPECT_EQ(k.plotGraph(), PlotEnd::refused);
    EXPECT_TRUE(canvas.ops.empty());
    EXPECT_FALSE(k.hasGraph());
}

TEST_F(Plot, TickStepsWithoutAScanDrawNothing) {
    add(power(1, 2));
    k.setTickSteps({0.5, 2});
    state(k).evalX = 12.5;  // no evaluation moves it
    k.plotGraph();
    EXPECT_TRUE(canvas.ops.empty());
    EXPECT_EQ(state(k).evalX, 12.5);
}

TEST_F(Plot, HugeTickStepFillsTheSampleArraysAndStops) {
    add(power(1, 1));
    scan(0, 10);
    k.setTickSteps({1e6, k.tickSteps().y});  // three ticks on each side: 6e6 / 0.1 samples
    canvas.ops.clear();
    EXPECT_EQ(k.plotGraph(), PlotEnd::completed);
    EXPECT_EQ(canvas.of(DrawOp::Line, std::nullopt).size(), std::size_t(Kalvex::maxSamples - 1));
}

// A grid step below a pixel fills the picture: one line a pixel, from edge
// to edge, however small the step.
TEST_F(Plot, GridDenserThanThePixelsFillsThePictureOnceAPixel) {
    add(power(1, 1));
    scan(0, 10);
    k.setGridX(true);
    k.setGridY(true);
    for (double step : {1e-5, 1e-300}) {
        k.setTickSteps({step, step});
        canvas.ops.clear();
        const auto began = std::chrono::steady_clock::now();
        k.plotGraph();
        EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(2)) << step;
        const auto grid = canvas.of(DrawOp::Line, colours::grid);
        ASSERT_EQ(grid.size(), std::size_t(canvas.width + 1 + canvas.height + 1)) << step;
        const core::Edges edges = k.edges();
        EXPECT_EQ(grid.front().x1, toSingle(edges.left));
        EXPECT_EQ(grid[canvas.width].x1, toSingle(edges.right));
        EXPECT_EQ(grid.back().y1, toSingle(edges.top));
        // Neighbouring lines are a pixel apart.
        const float pixel = toSingle((edges.right - edges.left) / canvas.width);
        EXPECT_NEAR(grid[1].x1 - grid[0].x1, pixel, pixel * 1e-3);
    }
}

// Pictures that 32-bit floats cannot hold, and sweeps that cannot advance:
// a message each, never a silent or endless plot.
TEST_F(Plot, PicturesThatCannotBeDrawnSaySo) {
    struct Case {
        const char* what;
        Term term;
        double start, end;
        std::vector<std::string> messages;
        bool framed;  // grid and frame drawn before the stop
    };
    const Case cases[] = {
        {"F beyond the floats", {2, 1, 100, 1, 0, 0}, 0, 1, {messages::valueTooLarge}, false},
        {"x beyond the floats", power(1, 0), 0, 1e39, {messages::rangeOrDivisions}, false},
        {"x the floats cannot part", power(1, 0), 1e20, 1e20 + 2e4, {messages::rangeOrDivisions}, false},
        {"sampling that cannot advance", power(1, 1), 1e-20, 1.000000000001e-20, {messages::rangeOrDivisions},
         true},
    };
    for (const Case& c : cases) {
        k.replaceTerms({});
        sink.shown.clear();
        canvas.ops.clear();
        add(c.term);
        k.setGridX(true);
        scan(c.start, c.end);
        EXPECT_EQ(sink.shown, c.messages) << c.what;
        EXPECT_EQ(canvas.of(DrawOp::Rectangle).size(), c.framed ? 1u : 0u) << c.what;
        EXPECT_TRUE(canvas.of(DrawOp::Line, colours::axes).empty()) << c.what;
        EXPECT_NE(plotted, PlotEnd::completed) << c.what;
        EXPECT_TRUE(canvas.of(DrawOp::Line, std::nullopt).empty()) << c.what;
    }
}

