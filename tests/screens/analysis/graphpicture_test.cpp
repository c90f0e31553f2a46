// SPDX-License-Identifier: GPL-3.0-or-later
// The graph checked as the user sees it: pixels of 図 after the graph command.
#include "analysisfixture.h"

namespace {

const QColor red(255, 0, 0);
const QColor blue(0, 0, 200);
const QColor yellow(255, 255, 0);

}  // namespace

class Picture : public AnalysisTest {
protected:
    void SetUp() override {
        squareMinusTwo();
        graph("-3", "3");
        ASSERT_TRUE(kalvex.hasGraph());
    }
};

TEST_F(Picture, RedAxesBlueFrameAndTheBlackCurve) {
    const QImage image = picture();
    const QColor ink = box().foregroundColour();
    EXPECT_EQ(ink, QColor(Qt::black));
    EXPECT_NE(box().backgroundColour(), ink);

    for (double y : {5.0, 3.0, 1.0, -1.0})
        EXPECT_TRUE(colourNear(image, pixelOf(0, y), red)) << "y axis at " << y;
    for (double x : {-2.5, -0.5, 0.5, 2.5})
        EXPECT_TRUE(colourNear(image, pixelOf(x, 0), red)) << "x axis at " << x;

    // The frame lies on all four edges of the picture.
    const int row = pixelOf(0, 5).y(), column = pixelOf(-0.5, 0).x();
    EXPECT_EQ(image.pixelColor(0, row), blue);
    EXPECT_EQ(image.pixelColor(image.width() - 1, row), blue);
    EXPECT_EQ(image.pixelColor(column, 0), blue);
    EXPECT_EQ(image.pixelColor(column, image.height() - 1), blue);

    for (double x = -2.75; x <= 2.75; x += 0.25) {
        EXPECT_TRUE(colourNear(image, pixelOf(x, x * x - 2), ink)) << "curve at " << x;
    }
    // Away from the curve and the axes: the background.
    EXPECT_EQ(image.pixelColor(pixelOf(1, 4)), box().backgroundColour());
    EXPECT_EQ(countColour(image, yellow), 0);  // no grid unless switched on
}

TEST_F(Picture, GridLinesOnlyForTheAxesSwitchedOn) {
    // x = -2.5 is a tick, -2.45 lies between two; likewise y = 3 and 3.05.
    kalvex.setGridX(true);
    graph("-3", "3");
    QImage image = picture();
    EXPECT_TRUE(colourNear(image, pixelOf(-2.5, 3.05), yellow));
    EXPECT_FALSE(colourNear(image, pixelOf(-2.45, 3.0), yellow));

    kalvex.setGridX(false);
    kalvex.setGridY(true);
    graph("-3", "3");
    image = picture();
    EXPECT_FALSE(colourNear(image, pixelOf(-2.5, 3.05), yellow));
    EXPECT_TRUE(colourNear(image, pixelOf(-2.45, 3.0), yellow));

    kalvex.setGridY(false);
    graph("-3", "3");
    EXPECT_EQ(countColour(picture(), yellow), 0);
}

TEST_F(Picture, ReversedRangeIsMirrored) {
    graph("3", "-3");
    ASSERT_GT(kalvex.edges().left, kalvex.edges().right);
    const QImage image = picture();
    EXPECT_LT(pixelOf(2, 2).x(), pixelOf(-2, 2).x());
    EXPECT_TRUE(colourNear(image, pixelOf(2, 2), box().foregroundColour()));
    EXPECT_TRUE(colourNear(image, pixelOf(-2.5, 4.25), box().foregroundColour()));
    EXPECT_TRUE(colourNear(image, pixelOf(0, 5), red));
    // The mouse is mapped back through the same mirrored scale.
    const QPointF user = box().toUser(box().toPixels(1.5, 1));
    EXPECT_NEAR(user.x(), 1.5, 1e-9);
    EXPECT_NEAR(user.y(), 1, 1e-9);
}

TEST_F(Picture, FailedScanLeavesThePictureAsItWas) {
    const QImage before = picture();
    kalvex.replaceTerms({});
    addTerm(4, 1, 1, 1, 0);  // ln x fails at the first sweep point
    graph("-1", "1");
    EXPECT_EQ(picture(), before);
}

TEST_F(Picture, SurvivesHidingAndShowing) {
    const QImage before = picture();
    screen().hide();
    ScreenRegistry::present(screen());
    QApplication::processEvents();
    EXPECT_EQ(picture(), before);
    EXPECT_EQ(box().grab().toImage().convertToFormat(before.format()).pixelColor(pixelOf(0, 5)), red);
}
