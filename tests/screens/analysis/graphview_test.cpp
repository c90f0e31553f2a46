// SPDX-License-Identifier: GPL-3.0-or-later
// The gestures added on 図 and the window that grows: wheel and middle
// drag in doubles, the history of views, a resize, the tick labels.
#include <QAction>
#include <QMainWindow>
#include <QRandomGenerator>
#include <QWheelEvent>
#include <cmath>

#include "analysisfixture.h"
#include "kalvexprobe.h"
#include "messages.h"
#include "pictureexport.h"

using Strokes = std::vector<PictureBox::Stroke>;
using Texts = std::vector<std::string>;

class Gestures : public AnalysisTest {
protected:
    void SetUp() override {
        squareMinusTwo();
        graph("-3", "3");
    }
    void wheel(QPointF at, double notches) {
        QWheelEvent event(at, box().mapToGlobal(at), QPoint(), QPoint(0, int(std::lround(notches * 120))),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&box(), &event);
    }
    void middleDrag(QPoint from, QPoint to) {
        QTest::mousePress(&box(), Qt::MiddleButton, Qt::NoModifier, from);
        QMouseEvent move(QEvent::MouseMove, to, box().mapToGlobal(to), Qt::NoButton, Qt::MiddleButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&box(), &move);
        QTest::mouseRelease(&box(), Qt::MiddleButton, Qt::NoModifier, to);
    }
    // How far, in pixels, the user point now lies from where it was.
    double drift(QPointF user, QPointF pixel) { return QLineF(box().toPixels(user.x(), user.y()), pixel).length(); }
    Strokes strokes() { return box().strokes(); }
};

// Random points and factors, a touchpad's fractions among them: the user
// point under the cursor stays under it to the pixel.
TEST_F(Gestures, WheelZoomsAboutThePointUnderTheCursor) {
    QRandomGenerator random(25);
    for (int i = 0; i < 40; ++i) {
        const QPointF at(random.bounded(box().width()), random.bounded(box().height()));
        const double notches = random.bounded(6.0) - 3;
        const QPointF user = box().toUser(at);
        wheel(at, notches);
        ASSERT_LE(drift(user, at), 1.0) << "step " << i << ", " << notches << " notches";
    }
}

// Thirty notches deep the view is exact in doubles: the point zoomed
// about is still under the cursor, and the readout reads it.
TEST_F(Gestures, ThirtyNotchesDeepTheViewIsExact) {
    const double root = std::sqrt(2.0);
    const QPointF at = box().toPixels(root, 0);
    for (int i = 0; i < 30; ++i) wheel(at, 1);
    const double span = box().view().right - box().view().left;
    EXPECT_NEAR(span, 6 * std::pow(1.25, -30), 6 * std::pow(1.25, -30) * 0.5);
    EXPECT_LE(drift(QPointF(root, 0), at), 1.0);
    const QPointF from = at + QPointF(40, 30), to = at + QPointF(-40, -30);
    QTest::mousePress(&box(), Qt::LeftButton, Qt::NoModifier, from.toPoint());
    QTest::mouseMove(&box(), to.toPoint());
    QTest::mouseRelease(&box(), Qt::LeftButton, Qt::NoModifier, to.toPoint());
    EXPECT_EQ(control<QLabel>("itixy")->text(), "X = 1.41 Y = 0");
}

TEST_F(Gestures, MiddleDragPansWithTheMouse) {
    const QPoint from(300, 200), to(420, 150);
    const QPointF user = box().toUser(from);
    middleDrag(from, to);
    EXPECT_LE(drift(user, to), 1.0);
    EXPECT_EQ(state(kalvex).dragState, 0);  // no designed drag began
}

// Back gives the very picture a change of view left; Forward the one it
// came back from. Notches close together are one step.
TEST_F(Gestures, BackAndForwardGiveThePicturesAgain) {
    const Strokes first = strokes();
    wheel(QPointF(200, 200), 1);
    wheel(QPointF(200, 200), 1);
    const Strokes zoomed = strokes();
    ASSERT_NE(zoomed, first);
    middleDrag(QPoint(100, 100), QPoint(160, 130));
    const Strokes panned = strokes();
    action("前の表示")->trigger();
    EXPECT_EQ(strokes(), zoomed);
    action("前の表示")->trigger();
    EXPECT_EQ(strokes(), first);
    action("次の表示")->trigger();
    EXPECT_EQ(strokes(), zoomed);
    QTest::mouseClick(&box(), Qt::ForwardButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(strokes(), panned);
}

// The window grows: the picture takes the room, the controls stay, and the
// graph is plotted again for the new size over the same range.
TEST_F(Gestures, AResizeRePlotsAtTheNewSizeOverTheSameRange) {
    screen().show();
    const QRect button = control<QPushButton>("グラフ")->geometry();
    const QSize before = box().size();
    const double left = kalvex.view().xMin, right = kalvex.view().xMax;
    screen().resize(screen().size() + QSize(300, 200));
    QTest::qWait(20);
    EXPECT_EQ(box().size(), before + QSize(300, 200));
    EXPECT_EQ(box().pictureSize(), box().size());
    EXPECT_EQ(control<QPushButton>("グラフ")->geometry(), button);
    EXPECT_EQ(kalvex.view().xMin, left);
    EXPECT_EQ(kalvex.view().xMax, right);
    // The frame runs along the new edges, one pixel wide, not stretched.
    const QImage shown = picture();
    EXPECT_EQ(shown.size(), box().size() * box().devicePixelRatio());
    EXPECT_TRUE(colourNear(shown, QPoint(box().width() - 1, box().height() / 2), QColor(0, 0, 200), 0));
    EXPECT_FALSE(colourNear(shown, QPoint(box().width() - 2, box().height() / 2), QColor(0, 0, 200), 0));
    // A saved picture is the view at the window's size, twice it for print.
    EXPECT_EQ(pictureImage(box(), 1, false).size(), box().size());
    EXPECT_EQ(pictureImage(box(), 2, false).size(), box().size() * 2);
}

// A re-plot that stops with a message says so once, not at every step of
// the resize.
TEST_F(Gestures, AResizeWhoseReplotStopsSaysSoOnce) {
    screen().show();
    state(kalvex).evalFailed = 1;  // a failure left from before stops every plot
    for (int step = 1; step <= 3; ++step) {
        screen().resize(screen().size() + QSize(40, 30));
        QTest::qWait(5);
    }
    EXPECT_EQ(takeMessages(), Texts{messages::notComputableReached});
}

TEST_F(Gestures, TickLabelsAreOffByDefaultAndNeverTouch) {
    EXPECT_TRUE(box().tickLabels().empty());
    action("目盛の数値")->setChecked(true);
    for (double notches : {0.0, -4.0, 9.0}) {
        wheel(QPointF(250, 180), notches);
        const auto labels = box().tickLabels();
        ASSERT_GE(labels.size(), 4u) << notches;
        for (std::size_t i = 0; i < labels.size(); ++i) {
            EXPECT_TRUE(box().rect().adjusted(1, 1, -1, -1).contains(labels[i].at)) << labels[i].text.toStdString();
            for (std::size_t j = i + 1; j < labels.size(); ++j)
                EXPECT_FALSE(labels[i].at.intersects(labels[j].at)) << labels[i].text.toStdString();
        }
    }
}
