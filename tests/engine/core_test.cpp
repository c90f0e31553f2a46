// SPDX-License-Identifier: GPL-3.0-or-later
// The core's functions on values alone: no module, no platform.
#include "core.h"

#include <gtest/gtest.h>

#include <cmath>

#include "messages.h"

namespace {

using Texts = std::vector<std::string>;
// Messages compared as texts: the same text may sit at two addresses.
using Messages = std::vector<std::string>;
Messages textsOf(const core::Messages& messages) { return Messages(messages.begin(), messages.end()); }

Term term(Shape shape, float a, float b, float n, float c, float k = 0) {
    Term t;
    t.shape = shape;
    t.a = a;
    t.b = b;
    t.n = n;
    t.c = c;
    t.k = k;
    return t;
}
core::Formula formula(std::initializer_list<Term> terms) {
    core::Formula f;
    for (const Term& t : terms) f.append(t);
    return f;
}
const Term square = term(Shape::power, 0, 1, 2, 0);
Term constant(float k) { return term(Shape::constant, 0, 0, 0, 0, k); }
const Term lnX = term(Shape::log, 1, 1, 1, 0);

Messages failuresOf(const core::Point& p) {
    return Messages(p.failures.texts.begin(), p.failures.texts.begin() + p.failures.count);
}

}  // namespace

TEST(CoreEvaluate, VariantsAndTheirFailuresInOrder) {
    struct Case {
        const char* what;
        core::Formula f;
        double x;
        core::Rule rule;
        double sum;
        core::PointEnd end;
        Messages failures;
    };
    const Term overflow = term(Shape::exp, 1, 1000, 1, 0);
    const Case cases[] = {
        {"x² - 4 at 3", formula({square, constant(-4)}), 3, core::Rule::plain, 5, core::PointEnd::value, {}},
        {"x beyond the doubles", formula({square, constant(-4)}), HUGE_VAL, core::Rule::plain, -4,
         core::PointEnd::value, {messages::notComputableValue}},
        {"failing terms in slot order", formula({lnX, overflow, constant(2)}), -1, core::Rule::plain, 2,
         core::PointEnd::value, {messages::logArgument}},
        {"both fail", formula({lnX, term(Shape::exp, 1, -1000, 1, 0)}), -1, core::Rule::plain, 0,
         core::PointEnd::value, {messages::logArgument, messages::notComputableValue}},
        {"overflowing at x", formula({constant(1), lnX, overflow}), 2, core::Rule::plain, 1.6931471805599454,
         core::PointEnd::value, {messages::notComputableValue}},
        {"panel refuses ln at x <= 0", formula({overflow, lnX}), 0, core::Rule::estimatePanel, 0,
         core::PointEnd::xRefused, {messages::xRangePositive}},
        {"panel takes ln at x > 0", formula({lnX}), 1, core::Rule::estimatePanel, 0, core::PointEnd::value, {}},
    };
    for (const Case& c : cases) {
        core::TermValues values{};
        const core::Point p = core::evaluate(c.f, c.x, values, c.rule);
        EXPECT_EQ(p.sum, c.sum) << c.what;
        EXPECT_EQ(p.end, c.end) << c.what;
        EXPECT_EQ(failuresOf(p), c.failures) << c.what;
    }
}

TEST(CoreScanAndPlot, SquareOverZeroToTen) {
    const core::Formula f = formula({square});
    core::TermValues values{};
    const core::Scan s = core::scan(f, {0, 10}, values, false);
    ASSERT_EQ(s.end, core::ScanEnd::scanned);
    EXPECT_EQ(s.yMin, 0);
    EXPECT_EQ(s.yMax, 99.9999999999996);
    EXPECT_EQ(s.tickX, 0.1);
    EXPECT_EQ(s.tickY, 1.0);
    EXPECT_EQ(s.trace.evaluations, 101);

    core::PlotView v{0, 10, s.yMin, s.yMax, s.tickX, s.tickY, false, false, 0, 10, s.sweepStep, 942, 565};
    const core::Plot p = core::plot(f, v, values, false);
    ASSERT_EQ(p.end, core::PlotEnd::completed);
    EXPECT_EQ(p.left, -0.2);
    EXPECT_EQ(p.right, 10.200000000000001);
    EXPECT_EQ(p.bottom, -2);
    EXPECT_EQ(p.top, 101);
    ASSERT_EQ(p.sampleX.size(), 107u);
    EXPECT_EQ(p.sampleX.front(), -0.30000000000000004);
    EXPECT_EQ(p.sampleX.back(), 10.29999999999998);
    // Cleared, scaled, framed, the two axes, then the curve: 106 lines.
    ASSERT_EQ(p.ops.size(), 5u + 106u);
    EXPECT_EQ(p.ops[1], (DrawOp{DrawOp::Scale, -0.2f, 101.0f, 10.2f, -2.0f, {}}));
    EXPECT_EQ(p.ops[2].ink, colours::frame);
    EXPECT_EQ(p.ops[3], (DrawOp{DrawOp::Line, 0, -2.0f, 0, 101.0f, colours::axes}));
    EXPECT_EQ(p.ops[4].ink, colours::axes);
    EXPECT_EQ(p.ops.back().ink, std::nullopt);

    EXPECT_EQ(textsOf(core::scan(f, {3, 3}, values, false).messages), Messages{messages::rangeOrDivisions});
}

TEST(CoreRefine, FalsePositionInEitherDirection) {
    struct Case {
        float sign;
        core::Bracket bracket;
        double precision;
        long evaluations;
        double root;
    };
    const Case cases[] = {
        {1, {1, -1, 2, 2, -1, 2}, 0.001, 4, 1.4139672587948449},
        {1, {1, -1, 2, 2, -1, 2}, 1e-10, 13, 1.414213562341358},
        {-1, {1, 1, 2, -2, 1, -2}, 0.001, 4, 1.4139672587948449},
        {1, {2, 2, 1, -1, 2, -1}, 0.001, 4, 1.4139672587948449},  // ends right to left
    };
    for (const Case& c : cases) {
        const core::Formula f = formula({term(Shape::power, 0, c.sign, 2, 0), constant(-2 * c.sign)});
        core::TermValues values{};
        const core::Refinement r = core::refine(f, c.bracket, c.precision, values, false);
        EXPECT_EQ(r.end, core::RefineEnd::converged);
        EXPECT_EQ(r.trace.evaluations, c.evaluations);
        EXPECT_EQ(r.root, c.root);
        EXPECT_TRUE(r.messages.empty());
    }
}

TEST(CoreAnalyse, ResultsAndTheOrderTheUserSeesThem) {
    using Kind = core::Step::Kind;
    struct Case {
        core::Formula f;
        const char *start, *end, *precision;
        Texts firstTexts;
        std::vector<Kind> steps;
        Messages messages;
        bool completed;
    };
    const Case cases[] = {
        {formula({square, constant(-2)}), "-3", "3", "1E-07", {"-1.4142136", "1.4142135"},
         {Kind::plot, Kind::roots, Kind::hits}, {}, true},
        // ln x fails only at the plot's samples before the range.
        {formula({lnX}), "0.01", "1", "0.1", {},
         {Kind::plot, Kind::message, Kind::message, Kind::message},
         {messages::logArgument, messages::notComputableReached, messages::notComputableInRange}, false},
        {formula({square}), "", "", "1E-07", {}, {}, {}, false},
        {formula({square}), "0", "1", "0", {}, {Kind::message}, {messages::precisionPositive}, false},
    };
    for (const Case& c : cases) {
        core::AnalysisInput in;
        in.startText = c.start;
        in.endText = c.end;
        in.precisionText = c.precision;
        core::TermValues values{};
        const core::Analysis a = core::analyse(c.f, in, values);
        const Texts texts = a.texts();
        EXPECT_EQ(Texts(texts.begin(), texts.begin() + std::min(texts.size(), c.firstTexts.size())), c.firstTexts)
            << c.start << " " << c.precision;
        if (c.completed) {
            EXPECT_EQ(texts.size(), c.firstTexts.size());
        }
        std::vector<Kind> kinds;
        for (const core::Step& s : a.steps) kinds.push_back(s.kind);
        EXPECT_EQ(kinds, c.steps) << c.start << " " << c.precision;
        EXPECT_EQ(textsOf(a.messages()), c.messages) << c.start << " " << c.precision;
        EXPECT_EQ(a.completed, c.completed) << c.start << " " << c.precision;
    }
}

// Where a grid is as dense as the pixels, one line a pixel and the repeated
// addition must agree on the count: at tick 0.1 the sum drifts past the
// right edge and would lose the last line, so the step of exactly a pixel
// takes the one-line-a-pixel way.
TEST(CorePlot, AGridStepOfExactlyAPixelDrawsEveryLineToTheEdge) {
    const core::Formula f = formula({term(Shape::power, 0, 1, 1, 0)});
    core::PlotView v;
    v.xMin = 0;
    v.xMax = 1.6000000000000001;
    v.yMin = -1;
    v.yMax = 1;
    v.tickX = 0.1;
    v.tickY = 1;
    v.gridX = true;
    v.rangeStart = 0;
    v.rangeEnd = 1.6;
    v.sweepStep = 0.016;
    v.pixelWidth = 20;  // (1.8 - -0.2) / 0.1: a line every pixel
    v.pixelHeight = 100;
    core::TermValues values{};
    const core::Plot p = core::plot(f, v, values, false);
    ASSERT_EQ(p.end, core::PlotEnd::completed);
    std::vector<float> columns;
    for (const DrawOp& op : p.ops)
        if (op.kind == DrawOp::Line && op.ink == colours::grid) columns.push_back(op.x1);
    ASSERT_EQ(columns.size(), 21u);
    EXPECT_EQ(columns.front(), static_cast<float>(p.left));
    EXPECT_EQ(columns.back(), static_cast<float>(p.right));
}

// The sweep's hundred steps round in the doubles: over a range of a few
// subnormal numbers the step rounds down and the sweep visits half as many
// points again, and stops by itself; a range the step cannot cross stops
// with the message.
TEST(CoreScan, SweepsWhoseStepRoundsEndAndSaySoWhenStuck) {
    const core::Formula f = formula({constant(1)});
    core::TermValues values{};
    const core::Scan rounded = core::scan(f, {-0.0, 7.3615781230345735e-322}, values, false);
    EXPECT_EQ(rounded.end, core::ScanEnd::scanned);
    EXPECT_EQ(rounded.trace.evaluations, 150);
    const core::Scan stuck = core::scan(f, {1e16, 1e16 + 100}, values, false);
    EXPECT_EQ(stuck.end, core::ScanEnd::stuck);
    EXPECT_EQ(textsOf(stuck.messages), Messages{messages::rangeOrDivisions});
    EXPECT_LE(stuck.trace.evaluations, 101);
}
