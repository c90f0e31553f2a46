// SPDX-License-Identifier: GPL-3.0-or-later
// The curve of a view moved by a gesture, sampled across its own edges.
#include <gtest/gtest.h>

#include <cmath>

#include "core.h"
#include "messages.h"

namespace {

core::Formula formula(std::initializer_list<Term> terms) {
    core::Formula f;
    for (const Term& t : terms) f.append(t);
    return f;
}
Term cube() { return {Shape::power, 0, 1, 3, 0, 0, 0, {}}; }
Term logOfX() { return {Shape::log, 1, 1, 1, 0, 0, 0, {}}; }

// A gesture's view with exactly these edges, as the module makes it.
core::PlotView framed(double left, double right, double bottom, double top, int pixels = 942) {
    core::PlotView v{left, right, bottom, top, 1, 1, false, false, 0, 1, 0.01, pixels, 565};
    v.framed = true;
    return v;
}

std::vector<DrawOp> curveOf(const core::Plot& p) {
    std::vector<DrawOp> lines;
    for (const DrawOp& op : p.ops)
        if (op.kind == DrawOp::Line && !op.ink) lines.push_back(op);
    return lines;
}

}  // namespace

// Values far beyond the picture are cut at a picture's height beyond its
// edges, where the line still leaves it at the slope F has there.
TEST(ViewCurve, ValuesFarBeyondThePictureAreCutWithoutBendingWhatShows) {
    core::TermValues values{};
    const core::Plot p = core::plot(formula({cube()}), framed(-10, 10, -1, 1), values, false);
    ASSERT_EQ(p.end, core::PlotEnd::completed);
    EXPECT_EQ(p.sampleX.size(), 943u);
    const auto curve = curveOf(p);
    ASSERT_FALSE(curve.empty());
    for (const DrawOp& op : curve) {
        for (const auto& [x, y] : {std::pair{op.x1, op.y1}, std::pair{op.x2, op.y2}}) {
            ASSERT_LE(std::abs(y), 3.0f);
            if (std::abs(y) < 3.0f) EXPECT_NEAR(y, std::pow(double(x), 3), 1e-5) << x;
            else EXPECT_NEAR(std::cbrt(double(y)), double(x), 0.002) << "a cut lies within a tenth of a pixel of F";
        }
    }
}

TEST(ViewCurve, PointsWithoutAValueLeaveAGapAndNoMessage) {
    core::TermValues values{};
    const core::Plot p = core::plot(formula({logOfX()}), framed(-1, 1, -3, 1), values, false);
    ASSERT_EQ(p.end, core::PlotEnd::completed);
    EXPECT_TRUE(p.messages.empty());
    EXPECT_FALSE(p.trace.failed);
    const auto curve = curveOf(p);
    ASSERT_GT(curve.size(), 400u);
    for (const DrawOp& op : curve) EXPECT_GT(op.x1, 0.0f);
}

TEST(ViewCurve, SamplingStopsAtTheLimitAndAtALeftFailure) {
    core::TermValues values{};
    const core::Plot wide = core::plot(formula({cube()}), framed(-1, 1, -1, 1, 10'000'000), values, false);
    EXPECT_EQ(wide.end, core::PlotEnd::completed);
    EXPECT_EQ(wide.sampleX.size(), std::size_t(core::maxSamples));
    EXPECT_EQ(wide.sampleX.back(), 1.0);

    // A failure left from before stops the plot before its curve, as it
    // stops the designed one, and says so.
    const core::Plot stopped = core::plot(formula({cube()}), framed(-1, 1, -1, 1), values, true);
    EXPECT_EQ(stopped.end, core::PlotEnd::stopped);
    EXPECT_TRUE(curveOf(stopped).empty());
    ASSERT_EQ(stopped.messages.size(), 1u);
    EXPECT_STREQ(stopped.messages[0], messages::notComputableReached);
}
