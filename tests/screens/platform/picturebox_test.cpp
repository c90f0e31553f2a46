// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <memory>
#include <cmath>
#include <limits>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "fixture.h"
#include "picturebox.h"
#include "screenfit.h"

namespace {

// A picture box of 200 × 100 pixels showing x from -10 to 10, y from 5 down to -5.
struct Box {
    Box() {
        box.resize(200, 100);
        box.setScale(-10, 5, 10, -5);
        box.clear();
    }
    QColor at(int x, int y) { return box.picture().pixelColor(x, y); }
    PictureBox box;
};

}  // namespace

TEST(PictureBox, MapsUserUnitsWithYUp) {
    Box b;
    EXPECT_EQ(b.box.toPixels(-10, 5), QPointF(0, 0));
    EXPECT_EQ(b.box.toPixels(10, -5), QPointF(200, 100));
    EXPECT_EQ(b.box.toPixels(0, 0), QPointF(100, 50));
    EXPECT_EQ(b.box.toUser(QPointF(150, 25)), QPointF(5, 2.5));
}

TEST(PictureBox, MirroredScaleMapsRightToLeft) {
    Box b;
    b.box.setScale(10, 5, -10, -5);
    EXPECT_EQ(b.box.toPixels(10, 0), QPointF(0, 50));
    EXPECT_EQ(b.box.toUser(QPointF(50, 50)), QPointF(5, 0));
    b.box.drawLine(5, -5, 5, 5, Qt::red);
    EXPECT_EQ(b.at(50, 50), QColor(Qt::red));
}

TEST(PictureBox, DrawsLinesInColourAndClipsFarPoints) {
    Box b;
    const QColor background = b.at(10, 10);
    EXPECT_EQ(background, b.box.backgroundColour());
    b.box.drawLine(-1e30, 0, 1e30, 0, QColor(255, 0, 0));  // 1e30 user units: far beyond the widget
    EXPECT_EQ(b.at(5, 50), QColor(255, 0, 0));
    EXPECT_EQ(b.at(195, 50), QColor(255, 0, 0));
    b.box.drawLine(0, -1e38, 0, std::numeric_limits<double>::infinity(), QColor(0, 0, 200));
    EXPECT_EQ(b.at(100, 10), QColor(0, 0, 200));
    b.box.drawLine(std::nan(""), 0, 1, 1, Qt::green);  // ignored, no crash
    b.box.clear();
    EXPECT_EQ(b.at(5, 50), background);
}

TEST(PictureBox, FilledRectangleAndPoint) {
    Box b;
    b.box.fillRectangle(-5, 2.5, 5, -2.5, Qt::white);
    EXPECT_EQ(b.at(100, 50), QColor(Qt::white));
    EXPECT_EQ(b.at(20, 50), b.box.backgroundColour());
    b.box.drawPoint(0, 0, Qt::black);
    EXPECT_EQ(b.at(100, 50), QColor(Qt::black));
}

TEST(PictureBox, UnusableScaleDrawsNothing) {
    Box b;
    b.box.setScale(1, 1, 1, 1);
    b.box.drawLine(0, 0, 1, 1, Qt::red);
    b.box.fillRectangle(0, 0, 1, 1, Qt::red);
    const QImage picture = b.box.picture();
    for (int x = 0; x < 200; x += 7) EXPECT_EQ(picture.pixelColor(x, x / 2), b.box.backgroundColour());
}

TEST(PictureBox, ChildrenAreMeasuredAndPlacedInUserUnits) {
    Box b;
    QLabel label(&b.box);
    label.resize(20, 10);
    EXPECT_EQ(b.box.userSize(&label), QSizeF(2, 1));
    b.box.moveChildTo(&label, 0, 0);
    EXPECT_EQ(label.pos(), QPoint(100, 50));
    b.box.moveChildTo(&label, 1e30, -1e30);  // far outside: stays out of sight
    EXPECT_GT(label.x(), 200);
}

TEST(PictureBox, MouseEventsArriveInUserUnitsAndADoubleClickIsNoPress) {
    Box b;
    b.box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&b.box));
    QSignalSpy presses(&b.box, &PictureBox::pressed);
    QSignalSpy releases(&b.box, &PictureBox::released);
    // What the window system delivers for a double click.
    const QPoint at(150, 25);
    QTest::mousePress(&b.box, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(&b.box, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseEvent(QTest::MouseDClick, &b.box, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(&b.box, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(presses.count(), 1);
    EXPECT_EQ(releases.count(), 2);
    ASSERT_FALSE(releases.isEmpty());
    EXPECT_EQ(releases.first().at(0).toFloat(), 5.0f);
    EXPECT_EQ(releases.first().at(1).toFloat(), 2.5f);
}

TEST(PictureBox, MousePositionsBeyondTheFloatRangeStayFinite) {
    Box b;
    b.box.setScale(-1e300, 1e300, 1e300, -1e300);
    const auto [x, y] = b.box.userPoint(QPointF(150, 80));
    EXPECT_EQ(x, std::numeric_limits<float>::max());
    EXPECT_EQ(y, -std::numeric_limits<float>::max());
    b.box.setScale(-10, 5, 10, -5);
    EXPECT_EQ(b.box.userPoint(QPointF(150, 25)), std::make_pair(5.0f, 2.5f));
}

using Registry = ScreenTest;

TEST_F(Registry, OneInstancePerScreenUntilClosed) {
    QWidget* first = reinterpret_cast<QWidget*>(&registry->analysis());
    EXPECT_EQ(reinterpret_cast<QWidget*>(&registry->analysis()), first);
    EXPECT_NE(registry->analysisIfOpen(), nullptr);
}

// What is drawn is kept in user units: at a new size it is drawn again,
// one pixel wide at its new place, not stretched from the old image.
TEST(PictureBox, ANewSizeDrawsTheSamePictureAgainNotStretched) {
    Box b;
    b.box.drawLine(0, -5, 0, 5, Qt::red);
    b.box.resize(400, 300);
    const QImage picture = b.box.picture();
    ASSERT_EQ(picture.size(), QSize(400, 300));
    EXPECT_EQ(picture.pixelColor(200, 150), QColor(Qt::red));
    EXPECT_NE(picture.pixelColor(201, 150), QColor(Qt::red));
    EXPECT_NE(picture.pixelColor(199, 150), QColor(Qt::red));
    ASSERT_EQ(b.box.strokes().size(), 1u);
    EXPECT_EQ(b.box.strokes()[0].at, QLine(200, 299, 200, 0));
}

// The band is laid over the picture: its white erasing takes it away, and
// the picture beneath is never painted over.
TEST(PictureBox, TheBandIsAnOverlayAndItsErasingPaintsNothing) {
    Box b;
    b.box.drawLine(-10, 0, 10, 0, Qt::red);
    const QImage graph = b.box.picture();
    b.box.setBandMode(true);
    b.box.drawRectangle(-5, 2.5, 5, -2.5, Qt::black);
    EXPECT_TRUE(b.box.bandShown());
    EXPECT_EQ(b.box.grab().toImage().pixelColor(50, 50), QColor(Qt::black));
    b.box.drawRectangle(-5, 2.5, 5, -2.5, Qt::white);
    b.box.fillRectangle(-10, 5, 10, -5, Qt::white);
    b.box.setBandMode(false);
    EXPECT_FALSE(b.box.bandShown());
    EXPECT_EQ(b.box.picture(), graph);
    EXPECT_EQ(b.box.grab().toImage().pixelColor(60, 50), QColor(Qt::red));
}

// Children placed in user units go back on their points after a resize.
TEST(PictureBox, PlacedChildrenFollowANewSize) {
    Box b;
    QLabel label(&b.box);
    b.box.moveChildTo(&label, 5, 2.5);
    b.box.show();
    b.box.resize(400, 200);
    EXPECT_EQ(label.pos(), QPoint(300, 50));
}

TEST(ScreenFit, TheLargestSizeThatFitsTheScreenAndStaysOnIt) {
    const QRect screen(0, 0, 800, 600);
    const QSize frame(8, 30);
    struct Case {
        QSize inner;
        QPoint wanted;
        QRect fitted;
        QRect on = QRect(0, 0, 800, 600);
    } cases[] = {
        {{500, 400}, {10, 20}, {10, 20, 500, 400}},     // fits: as designed
        {{978, 742}, {22, 58}, {0, 0, 792, 570}},       // too large both ways
        {{500, 400}, {700, 500}, {292, 170, 500, 400}}, // pushed back onto the screen
        {{900, 300}, {22, 58}, {0, 58, 792, 300}},      // too wide only: its height stays
        {{500, 700}, {10, -40}, {10, 0, 500, 570}},     // too tall only, asked above the screen
        {{978, 742}, {1500, 58}, {1600, 58, 978, 742}, {1600, 0, 1280, 1024}},  // a second screen it fits
        {{656, 368}, {-5, 0}, {1600, 20, 656, 368}, {1600, 20, 1280, 1024}},    // below a panel
    };
    for (const Case& c : cases)
        EXPECT_EQ(fittedGeometry(c.inner, c.wanted, frame, c.on), c.fitted) << c.inner.width();
    EXPECT_EQ(screen, cases[0].on);
}

// A fixed window whose controls sit on it: too large for the screen, it
// scrolls them, each at its place and in its Tab order; one that fits is
// left as it is.
TEST(ScreenFit, AFixedWindowTooLargeScrollsItsControls) {
    const auto make = [] {
        auto w = std::make_unique<QWidget>();
        w->setFixedSize(600, 400);
        auto* first = new QLineEdit(w.get());
        first->setObjectName("first");
        first->setGeometry(10, 10, 100, 20);
        auto* middle = new QLineEdit(w.get());
        middle->setObjectName("middle");
        middle->setGeometry(10, 40, 100, 20);
        auto* last = new QPushButton("OK", w.get());
        last->setObjectName("last");
        last->setGeometry(480, 360, 100, 30);
        (new QLabel("-", w.get()))->hide();
        QWidget::setTabOrder(first, last);  // not the order they were made in
        return w;
    };
    const auto tabOrder = [](QWidget& window) {
        QStringList names;
        for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus && !w->objectName().isEmpty()) names << w->objectName();
        return names;
    };
    const auto fits = make();
    fitFixedWindow(*fits, QRect(0, 0, 800, 600));
    EXPECT_EQ(fits->size(), QSize(600, 400));
    EXPECT_EQ(fits->findChild<QWidget*>("last")->parentWidget(), fits.get());
    EXPECT_FALSE(fits->findChild<QScrollArea*>());

    const auto small = make();
    fitFixedWindow(*small, QRect(0, 0, 320, 240));
    fitFixedWindow(*small, QRect(0, 0, 320, 240));  // a second fit changes nothing more
    EXPECT_LT(small->width(), 320);
    EXPECT_LT(small->height(), 240);
    auto* scroll = small->findChild<QScrollArea*>("scroll");
    ASSERT_TRUE(scroll);
    auto* last = small->findChild<QPushButton*>("last");
    EXPECT_EQ(last->pos(), QPoint(480, 360));
    EXPECT_EQ(tabOrder(*small), (QStringList{"scroll", "first", "last", "middle"}));
    EXPECT_TRUE(small->findChild<QLabel*>()->isHidden());
    small->show();
    scroll->ensureWidgetVisible(last, 0, 0);
    const QRect shown(last->mapTo(scroll->viewport(), QPoint()), last->size());
    EXPECT_TRUE(scroll->viewport()->rect().contains(shown)) << shown.x() << "," << shown.y();
    EXPECT_TRUE(last->isVisible());
}

// The added gestures arrive in doubles: the wheel about the cursor's user
// point, keys about the centre and by a tenth of the view, side buttons
// (a quick second click too) as history steps.
TEST(PictureBox, GesturesArriveInUserUnits) {
    Box b;
    QSignalSpy zooms(&b.box, &PictureBox::zoomAsked);
    QSignalSpy pans(&b.box, &PictureBox::panAsked);
    QSignalSpy backs(&b.box, &PictureBox::backAsked);
    QWheelEvent wheel(QPointF(150, 25), QPointF(150, 25), QPoint(), QPoint(0, -60), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&b.box, &wheel);
    ASSERT_EQ(zooms.count(), 1);
    EXPECT_EQ(zooms[0][0].toDouble(), 5);
    EXPECT_EQ(zooms[0][1].toDouble(), 2.5);
    EXPECT_DOUBLE_EQ(zooms[0][2].toDouble(), 1 / std::sqrt(1.25));  // half a notch out
    const struct {
        Qt::Key key;
        double dx, dy, factor;
    } keys[] = {{Qt::Key_Right, 2, 0, 0}, {Qt::Key_Up, 0, 1, 0}, {Qt::Key_Plus, 0, 0, 1.25}, {Qt::Key_Minus, 0, 0, 0.8}};
    for (const auto& k : keys) {
        zooms.clear();
        pans.clear();
        QTest::keyClick(&b.box, k.key);
        if (k.factor != 0) {
            ASSERT_EQ(zooms.count(), 1);
            EXPECT_EQ(zooms[0][0].toDouble(), 0);
            EXPECT_DOUBLE_EQ(zooms[0][2].toDouble(), k.factor);
        } else {
            ASSERT_EQ(pans.count(), 1);
            EXPECT_DOUBLE_EQ(pans[0][0].toDouble(), k.dx);
            EXPECT_DOUBLE_EQ(pans[0][1].toDouble(), k.dy);
        }
    }
    QTest::mouseClick(&b.box, Qt::BackButton);
    QTest::mouseDClick(&b.box, Qt::BackButton);
    EXPECT_EQ(backs.count(), 2);
}
