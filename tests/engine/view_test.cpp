// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <functional>
#include <random>

#include "enginefixture.h"
#include "numbertext.h"

// The view's gestures and history, checked through what the picture shows.
class ViewTest : public EngineTest {
protected:
    // F = x² - 2 graphed over [0, 10], as the graph command draws it.
    void graph() {
        add(power(1, 2));
        add(constant(-2));
        ASSERT_EQ(k.graph("0", "10", "0.1").plot, PlotEnd::completed);
    }
    // The display list of what `act` drew.
    template <class Act>
    DisplayList drawn(Act act) {
        canvas.ops.clear();
        act();
        return canvas.ops;
    }
    // Where (x, y) falls in the picture, in pixels from the top-left.
    std::pair<double, double> pixelOf(double x, double y) const {
        const core::Edges e = k.edges();
        return {(x - e.left) / (e.right - e.left) * canvas.width, (e.top - y) / (e.top - e.bottom) * canvas.height};
    }
};

TEST_F(ViewTest, ZoomAboutKeepsThePointUnderTheCursor) {
    graph();
    std::mt19937 random(7);
    std::uniform_real_distribution<double> at(0, 1), logFactor(-1, 1.5);
    int zoomed = 0;
    for (int i = 0; i < 200; ++i) {
        const core::Edges e = k.edges();
        const double x = e.left + at(random) * (e.right - e.left);
        const double y = e.bottom + at(random) * (e.top - e.bottom);
        const auto before = pixelOf(x, y);
        if (k.zoomAbout(x, y, std::exp(logFactor(random))) == PlotEnd::refused) {
            EXPECT_EQ(k.edges(), e) << i;  // too deep for the picture: nothing changed
            continue;
        }
        ++zoomed;
        const auto after = pixelOf(x, y);
        EXPECT_NEAR(after.first, before.first, 1e-6) << i;
        EXPECT_NEAR(after.second, before.second, 1e-6) << i;
    }
    EXPECT_GT(zoomed, 100);
    // The picture is scaled to exactly those edges.
    const core::Edges e = k.edges();
    const DisplayList ops = drawn([&] { k.plotGraph(); });
    ASSERT_GE(ops.size(), 2u);
    EXPECT_EQ(ops[1], (DrawOp{DrawOp::Scale, toSingle(e.left), toSingle(e.top), toSingle(e.right),
                              toSingle(e.bottom), {}}));
    EXPECT_TRUE(sink.shown.empty());
}

TEST_F(ViewTest, BackAndForwardGiveTheVeryPicturesAgain) {
    graph();
    std::vector<DisplayList> pictures{drawn([&] { k.plotGraph(); })};
    const std::vector<std::function<void()>> changes{
        [&] {
            k.pressGraph(2, 80);  // the designed zoom rectangle
            k.releaseGraph(6, 10);
            k.zoom();
        },
        [&] { k.zoomAbout(3.3, 20, 1.25); },
        [&] { k.panBy(-0.7, 4.5); },
        [&] { k.home(); },
    };
    for (const auto& change : changes) {
        change();
        pictures.push_back(drawn([&] { k.plotGraph(); }));
        EXPECT_NE(pictures.back(), pictures[pictures.size() - 2]);
    }
    for (std::size_t i = pictures.size() - 1; i-- > 0;) {
        EXPECT_EQ(drawn([&] { EXPECT_TRUE(k.back()); }), pictures[i]) << "back to " << i;
    }
    EXPECT_FALSE(k.canGoBack());
    EXPECT_FALSE(k.back());
    for (std::size_t i = 1; i < pictures.size(); ++i) {
        EXPECT_EQ(drawn([&] { EXPECT_TRUE(k.forward()); }), pictures[i]) << "forward to " << i;
    }
    EXPECT_FALSE(k.forward());
    // A new step after going back drops the views ahead.
    k.back();
    k.panBy(1, 0);
    EXPECT_FALSE(k.canGoForward());
}

TEST_F(ViewTest, CoalescedStepsMakeOneHistoryStep) {
    graph();
    const View start = k.view();
    k.zoomAbout(5, 10, 1.25);
    k.zoomAbout(5, 10, 1.25, true);
    k.zoomAbout(4, 10, 1.25, true);
    const View wheeled = k.view();
    // A pan does not continue a wheel's step, even when asked to.
    k.panBy(1, 1, true);
    k.panBy(1, 1, true);
    ASSERT_TRUE(k.back());
    EXPECT_EQ(k.view(), wheeled);
    ASSERT_TRUE(k.back());
    EXPECT_EQ(k.view(), start);
    EXPECT_FALSE(k.canGoBack());
}

TEST_F(ViewTest, TicksOfTheDesignedZoomStayAndTheGesturesChooseAfresh) {
    graph();
    const TickSteps home = k.tickSteps();  // 0.1 across, 10 up: F runs to 98
    k.pressGraph(1, 50);
    k.releaseGraph(1.5, 40);
    k.zoom();
    EXPECT_EQ(k.tickSteps(), home);
    k.home();
    k.zoomAbout(5, 50, 100);  // edges 0.104 across and 1.04 up
    const View v = k.view();
    EXPECT_EQ(v.ticks, (TickSteps{core::tickStepFor(v.xMax - v.xMin), core::tickStepFor(v.yMax - v.yMin)}));
    EXPECT_NE(v.ticks, home);
}

TEST_F(ViewTest, ReplotAtANewSizeKeepsTheRange) {
    graph();
    const DisplayList before = drawn([&] { k.plotGraph(); });
    canvas.width = 1920;
    canvas.height = 1080;
    const DisplayList after = drawn([&] { EXPECT_EQ(k.replotAtSize(), PlotEnd::completed); });
    ASSERT_GE(after.size(), 2u);
    EXPECT_EQ(after[1], before[1]);  // the same scale: the range and the ticks a fresh graph chose
    EXPECT_FALSE(k.canGoBack());    // a resize is no step of the history
}

TEST_F(ViewTest, RefusedGesturesChangeNothing) {
    EXPECT_EQ(drawn([&] { EXPECT_EQ(k.zoomAbout(0, 0, 2), PlotEnd::refused); }), DisplayList{});
    EXPECT_FALSE(k.back());
    graph();
    const View v = k.view();
    const struct {
        const char* what;
        std::function<PlotEnd()> act;
    } cases[] = {
        {"beyond a float's resolution", [&] { return k.zoomAbout(5, 5, 1e12); }},
        {"beyond a float's range", [&] { return k.zoomAbout(5, 5, 1e-40); }},
        {"no factor", [&] { return k.zoomAbout(5, 5, 0); }},
        {"not a number", [&] { return k.panBy(NAN, 0); }},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(drawn([&] { EXPECT_EQ(c.act(), PlotEnd::refused) << c.what; }), DisplayList{}) << c.what;
        EXPECT_EQ(k.view(), v) << c.what;
    }
    EXPECT_FALSE(k.canGoBack());
    EXPECT_TRUE(sink.shown.empty());
}

TEST_F(ViewTest, ANewGraphStartsAFreshHistory) {
    graph();
    k.zoomAbout(5, 5, 2);
    ASSERT_TRUE(k.canGoBack());
    k.graph("0", "5", "0.1");
    EXPECT_FALSE(k.canGoBack());
}

// Thirty wheel notches deep (1.25^30, about 800 times) about a point on a
// fast-varying curve, the picture still shows F itself: a vertex a pixel
// or so apart, each on F, and each line's middle on F to within a pixel.
TEST_F(ViewTest, ThirtyNotchesDeepTheCurveIsStillF) {
    const struct {
        const char* what;
        std::vector<Term> terms;
        double start, end, x;
        double (*f)(double);
    } cases[] = {
        {"sin(50x) at its crest", {{5, 1, 50, 1, 0, 0}}, -1, 1, 0.0314, [](double x) { return std::sin(50 * x); }},
        {"x^3 - 2x + 1 at its root 1", {power(1, 3), power(-2, 1), constant(1)}, -3, 3, 1,
         [](double x) { return x * x * x - 2 * x + 1; }},
    };
    for (const auto& c : cases) {
        k.replaceTerms({});
        for (const Term& t : c.terms) add(t);
        ASSERT_EQ(k.graph(exactText(c.start), exactText(c.end), "0.1").plot, PlotEnd::completed) << c.what;
        for (int notch = 0; notch < 29; ++notch)
            ASSERT_EQ(k.zoomAbout(c.x, c.f(c.x), 1.25, true), PlotEnd::completed) << c.what << notch;
        const DisplayList ops = drawn([&] { EXPECT_EQ(k.zoomAbout(c.x, c.f(c.x), 1.25, true), PlotEnd::completed); });
        const core::Edges e = k.edges();
        const double pixelUp = (e.top - e.bottom) / canvas.height;
        const auto inView = [&](double x, double y) {
            return x >= e.left && x <= e.right && y >= e.bottom && y <= e.top;
        };
        int shown = 0;
        for (const DrawOp& op : ops) {
            if (op.kind != DrawOp::Line || op.ink) continue;
            const double x1 = op.x1, y1 = op.y1, x2 = op.x2, y2 = op.y2;
            if (!inView(x1, y1) || !inView(x2, y2)) continue;
            ++shown;
            EXPECT_NEAR(y1, c.f(x1), pixelUp) << c.what << " at " << x1;
            EXPECT_NEAR((y1 + y2) / 2, c.f((x1 + x2) / 2), pixelUp) << c.what << " between " << x1 << " and " << x2;
        }
        EXPECT_GE(shown, canvas.width / 4) << c.what;  // the curve crosses a good part of the picture
        EXPECT_TRUE(sink.shown.empty()) << c.what;
    }
}

// Panned off where F has a value, the view draws what it can, says nothing
// and leaves no failure behind to stop the next plot.
TEST_F(ViewTest, AGestureViewBeyondWhereFHasAValueLeavesAGapQuietly) {
    add(log(1, 1, 1, 0));
    ASSERT_EQ(k.graph("1", "5", "0.1").plot, PlotEnd::completed);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(k.panBy(-2, 0), PlotEnd::completed);
    EXPECT_LT(k.edges().left, 0);
    EXPECT_TRUE(sink.shown.empty());
    EXPECT_EQ(k.plotGraph(), PlotEnd::completed);
    EXPECT_EQ(k.home(), PlotEnd::completed);
    EXPECT_TRUE(sink.shown.empty());
}
