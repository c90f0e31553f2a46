// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse actions on 図. Exact user points go through the picture box's
// signals, as it delivers them; drags through real pixels where ±½ pixel
// does not matter.
#include <QRegularExpression>
#include <array>
#include <cmath>

#include "analysisfixture.h"
#include "messages.h"
#include "kalvexprobe.h"

using Texts = std::vector<std::string>;

class Mouse : public AnalysisTest {
protected:
    void SetUp() override {
        squareMinusTwo();
        graph("-3", "3");  // the combo's 1E-07 becomes the precision
        ASSERT_EQ(state(kalvex).precision, 1e-7);
    }
    void press(float x, float y) { emit box().pressed(x, y); }
    void move(float x, float y) { emit box().moved(x, y); }
    void release(float x, float y) { emit box().released(x, y); }
    void drag(float x1, float y1, float x2, float y2) {
        press(x1, y1);
        move((x1 + x2) / 2, (y1 + y2) / 2);
        release(x2, y2);
    }
    QColor ink() { return box().foregroundColour(); }
    QColor at(double x, double y) { return picture().pixelColor(pixelOf(x, y)); }
};

TEST_F(Mouse, IgnoredUntilAGraphExists) {
    Kalvex fresh;
    RecordingMessageSink sink;
    ScreenRegistry otherRegistry(fresh);
    QtCanvas otherCanvas(otherRegistry);
    fresh.attach(&sink, &otherRegistry, &otherCanvas);
    PictureBox& other = otherRegistry.analysis().picture();
    const QImage blank = other.picture();
    emit other.pressed(1, 1);
    emit other.moved(2, 0);
    emit other.released(2, 0);
    EXPECT_EQ(state(fresh).dragState, 0);
    EXPECT_EQ(state(fresh).pressX, 0);
    EXPECT_EQ(state(fresh).releaseX, 0);
    EXPECT_TRUE(sink.shown.empty());
    EXPECT_EQ(other.picture(), blank);
}

TEST_F(Mouse, ManualRootIsLabelledAtThePressPoint) {
    drag(1.6f, 0.5f, 1.2f, -0.5f);
    QLabel* label = control<QLabel>("手動解");
    ASSERT_TRUE(label->isVisible());
    EXPECT_EQ(label->text(), "1.4142135");
    EXPECT_EQ(label->pos(), pixelOf(1.6f, 0.5f));
    EXPECT_NEAR(state(kalvex).rootEstimate, std::sqrt(2.0), 1e-7);
    EXPECT_EQ(state(kalvex).dragState, 0);
    EXPECT_TRUE(takeMessages().empty());

    // The leader from the root to the label's lower-left corner, then along its lower edge.
    const QSizeF size = box().userSize(label);
    const double bottom = 0.5f - size.height();
    EXPECT_GT(size.height(), 0);
    EXPECT_TRUE(colourNear(picture(), pixelOf((label->text().toDouble() + 1.6f) / 2, bottom / 2), ink()));
    EXPECT_TRUE(colourNear(picture(), pixelOf(1.6f + size.width() / 2, bottom), ink(), 0));
    EXPECT_EQ(pixelOf(1.6f, bottom).y(), label->geometry().bottom() + 1);  // beside the label, not under it

    // The next press hides it.
    press(0, 0);
    EXPECT_FALSE(label->isVisible());
    release(0, 0);
}

TEST_F(Mouse, ManualRootThroughRealPixels) {
    QTest::mousePress(&box(), Qt::LeftButton, Qt::NoModifier, pixelOf(1.6, 0.5));
    QTest::mouseMove(&box(), pixelOf(1.4, 0));
    QTest::mouseRelease(&box(), Qt::LeftButton, Qt::NoModifier, pixelOf(1.2, -0.5));
    EXPECT_EQ(control<QLabel>("手動解")->text(), "1.4142135");
    EXPECT_TRUE(control<QLabel>("手動解")->isVisible());
}

TEST_F(Mouse, ManualRootCutsWithTheStoredPrecisionNotTheCombo) {
    typePrecision("0.1");
    drag(1.6f, 0.5f, 1.2f, -0.5f);
    EXPECT_EQ(control<QLabel>("手動解")->text(), "1.4142135");
    EXPECT_EQ(state(kalvex).precision, 1e-7);
}

// The press whites out the last drag's rectangle, redraws the view, then
// marks the press point.
TEST_F(Mouse, PressWhitesOutTheLastDragThenRedrawsAndMarksThePoint) {
    drag(-1, 1, 1, -1);
    RecordingCanvas drawn;
    kalvex.attach(&messages, registry.get(), &drawn);
    press(0.5f, 0.25f);
    ASSERT_GE(drawn.ops.size(), 3u);
    const DrawOp& fill = drawn.ops.front();
    EXPECT_EQ(fill.kind, DrawOp::FilledRectangle);
    EXPECT_EQ(fill.ink, colours::white);
    EXPECT_EQ((std::array{fill.x1, fill.y1, fill.x2, fill.y2}), (std::array{-1.f, 1.f, 1.f, -1.f}));
    EXPECT_EQ(drawn.ops[1].kind, DrawOp::Clear);
    EXPECT_EQ(drawn.ops.back().kind, DrawOp::Point);
    EXPECT_EQ(drawn.ops.back().x1, 0.5f);
    EXPECT_EQ(drawn.ops.back().y1, 0.25f);
    EXPECT_FALSE(drawn.ops.back().ink.has_value());
    release(0.5f, 0.25f);
}

TEST_F(Mouse, ManualRootWithoutAChangeOfSignShowsNothing) {
    drag(1.6f, 0.5f, 1.5f, -0.5f);
    EXPECT_FALSE(control<QLabel>("手動解")->isVisible());
    EXPECT_TRUE(takeMessages().empty());
}

TEST_F(Mouse, ReadoutShowsTheRoundedPressPointAtTheRelease) {
    drag(1.234f, -0.5f, 1.0f, 0.5f);
    QLabel* label = control<QLabel>("itixy");
    ASSERT_TRUE(label->isVisible());
    EXPECT_EQ(label->text(), "X = 1.23 Y = -0.5");
    EXPECT_EQ(label->pos(), pixelOf(1.0f, 0.5f));
    // The leader back to the point read out.
    EXPECT_TRUE(colourNear(picture(), pixelOf(1.117, 0), ink()));

    drag(1.125f, -1.125f, 1.0f, 0);  // halves round upwards
    EXPECT_EQ(label->text(), "X = 1.13 Y = -1.12");
    press(0, 0);
    EXPECT_FALSE(label->isVisible());
    release(0, 0);
}

TEST_F(Mouse, ZoomThenHomeRestoresTheWholeRangeWithFreshTicks) {
    drag(-1, 1, 1, -1);
    EXPECT_EQ(kalvex.view().xMin, -1);
    EXPECT_EQ(kalvex.view().xMax, 1);
    EXPECT_EQ(kalvex.view().yMin, -1);
    EXPECT_EQ(kalvex.view().yMax, 1);
    EXPECT_NEAR(kalvex.edges().left, -1.2, 1e-9);
    EXPECT_EQ(state(kalvex).rangeStart, -3);
    // The curve now crosses the picture far more steeply.
    EXPECT_TRUE(colourNear(picture(), pixelOf(0.5, -1.75 + 1), ink()) == false);
    EXPECT_TRUE(colourNear(picture(), pixelOf(1.2, 1.2 * 1.2 - 2), ink(), 2));

    kalvex.setTickSteps({0.5, kalvex.tickSteps().y});  // as the tick settings screen may leave it
    drag(-0.5f, -0.5f, 0.5f, 0.5f);
    EXPECT_EQ(kalvex.view().xMin, -3);
    EXPECT_EQ(kalvex.view().xMax, 3);
    EXPECT_EQ(kalvex.tickSteps().x, 0.1);
    EXPECT_NEAR(kalvex.edges().left, -3.2, 1e-9);
    EXPECT_TRUE(colourNear(picture(), pixelOf(2.5, 4.25), ink()));
}

TEST_F(Mouse, TheSecondReleaseOfADoubleClickRepeatsTheLastAction) {
    drag(-1, 1, 1, -1);
    state(kalvex).viewXMin = -3;
    state(kalvex).viewXMax = 3;
    release(2, 2);  // no press before it
    EXPECT_EQ(kalvex.view().xMin, -1);
    EXPECT_EQ(kalvex.view().xMax, 1);
    EXPECT_EQ(state(kalvex).releaseX, 1);  // the stored points are the drag's

    // As the window system delivers it: the double click's press is no press.
    const QPoint a = pixelOf(-2, 4), b = pixelOf(-1, 2);
    QTest::mousePress(&box(), Qt::LeftButton, Qt::NoModifier, a);
    QTest::mouseMove(&box(), b);
    QTest::mouseRelease(&box(), Qt::LeftButton, Qt::NoModifier, b);
    const double zoomedLeft = kalvex.view().xMin;
    EXPECT_NEAR(zoomedLeft, -2, 0.01);
    state(kalvex).viewXMin = -3;
    QTest::mouseEvent(QTest::MouseDClick, &box(), Qt::LeftButton, Qt::NoModifier, b);
    QTest::mouseRelease(&box(), Qt::LeftButton, Qt::NoModifier, b);
    EXPECT_EQ(kalvex.view().xMin, zoomedLeft);
}

// The band is laid over the picture: it follows the mouse on the screen,
// and taking it away leaves the graph beneath as it was.
TEST_F(Mouse, RubberBandFollowsTheMouseOverThePicture) {
    auto shown = [this] { return box().grab().toImage(); };
    press(-2, 4);
    EXPECT_EQ(state(kalvex).dragState, -1);
    const QImage graphAlone = picture();
    EXPECT_TRUE(colourNear(shown(), pixelOf(-2, 4), ink(), 0));  // the press point
    move(0, 2);                                                  // right and down: a rectangle
    EXPECT_TRUE(colourNear(shown(), pixelOf(-1, 4), ink()));
    EXPECT_TRUE(colourNear(shown(), pixelOf(-1, 2), ink()));
    move(-1, 3);  // the old rectangle goes, without a trace
    EXPECT_FALSE(colourNear(shown(), pixelOf(-1.5, 2), ink()));
    EXPECT_TRUE(colourNear(shown(), pixelOf(-1.5, 3), ink()));
    move(-3, 5);  // left and up: a line
    EXPECT_TRUE(colourNear(shown(), pixelOf(-2.5, 4.5), ink()));
    EXPECT_FALSE(colourNear(shown(), pixelOf(-1.5, 3), ink()));
    EXPECT_EQ(picture(), graphAlone);  // nothing was painted over the graph
    release(-3, 5);                    // the readout redraws the picture
    EXPECT_FALSE(box().bandShown());
    EXPECT_TRUE(control<QLabel>("itixy")->isVisible());
}

TEST_F(Mouse, MovesWithoutAPressDrawNothing) {
    const QImage before = picture();
    move(1, 1);
    EXPECT_EQ(picture(), before);
}

// A message box during the press's redraw takes the release with it: the
// drag stays under way, and the band follows the mouse with no button held.
TEST_F(Mouse, ADragWhoseReleaseWasLostFollowsTheMouseWithoutAButton) {
    press(-2, 4);
    ASSERT_EQ(state(kalvex).dragState, -1);
    QTest::mouseMove(&box(), pixelOf(0, 2));
    EXPECT_TRUE(colourNear(box().grab().toImage(), pixelOf(-1, 4), ink()));
    EXPECT_TRUE(colourNear(box().grab().toImage(), pixelOf(-1, 2), ink()));
    release(0, 2);
    // Once released, a move is nothing.
    const QImage after = picture();
    QTest::mouseMove(&box(), pixelOf(-1, 0));
    EXPECT_EQ(picture(), after);
}

TEST_F(Mouse, PressAndReleaseAtOnePointDoNothingButLeaveTheDot) {
    press(-2, 4);
    release(-2, 4);
    EXPECT_EQ(kalvex.view().xMin, -3);
    EXPECT_FALSE(control<QLabel>("手動解")->isVisible());
    EXPECT_FALSE(control<QLabel>("itixy")->isVisible());
    EXPECT_TRUE(colourNear(picture(), pixelOf(-2, 4), ink(), 0));
}

TEST_F(Mouse, AFlagLeftFromEarlierStopsEachPressRedraw) {
    state(kalvex).evalFailed = 1;
    press(-2, 4);
    EXPECT_EQ(takeMessages(), Texts{messages::notComputableReached});
    release(-2, 4);
}

TEST_F(Mouse, ReadoutOnAMirroredScale) {
    graph("3", "-3");
    ASSERT_GT(kalvex.edges().left, kalvex.edges().right);
    // Left in user units is right on the screen.
    const QPoint from = pixelOf(2, 1), to = pixelOf(1.5, 2);
    ASSERT_GT(to.x(), from.x());
    QTest::mousePress(&box(), Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(&box(), to);
    QTest::mouseRelease(&box(), Qt::LeftButton, Qt::NoModifier, to);
    ASSERT_TRUE(control<QLabel>("itixy")->isVisible());
    const QRegularExpressionMatch m =
        QRegularExpression("^X = (\\S+) Y = (\\S+)$").match(control<QLabel>("itixy")->text());
    ASSERT_TRUE(m.hasMatch()) << control<QLabel>("itixy")->text().toStdString();
    EXPECT_NEAR(m.captured(1).toDouble(), 2, 0.011);
    EXPECT_NEAR(m.captured(2).toDouble(), 1, 0.021);
}
