// SPDX-License-Identifier: GPL-3.0-or-later
#include "ticksscreen.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cmath>

#include "analysisscreen.h"
#include "fixture.h"
#include "pixels.h"
#include "messages.h"
#include "look.h"
#include "picturebox.h"
#include "twips.h"

namespace {

const QColor yellow(255, 255, 0);
const QColor blue(0, 0, 200);

class TicksScreenTest : public ScreenTest {
protected:
    // F(x) = x² plotted over 0..10: tickX 0.1, tickY 1.
    void graphOfSquare() {
        Term square;
        square.b = 1;
        square.n = 2;
        kalvex.replaceTerms({square});
        kalvex.graph("0", "10", "");
    }

    TicksScreen& open() {
        TicksScreen& screen = registry->ticks();
        ScreenRegistry::present(screen);
        return screen;
    }

    QLineEdit* box(TicksScreen& screen, const char* name) { return find<QLineEdit>(&screen, QString::fromUtf8(name)); }
    QString text(TicksScreen& screen, const char* name) { return box(screen, name)->text(); }
    QRadioButton* option(TicksScreen& screen, const char* name) {
        return find<QRadioButton>(&screen, QString::fromUtf8(name));
    }

    void type(TicksScreen& screen, const char* name, const char* text) {
        box(screen, name)->clear();
        QTest::keyClicks(box(screen, name), text);
    }

    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void choose(TicksScreen& screen, const char* name) { click(option(screen, name)); }

    void apply(TicksScreen& screen) { click(find<QPushButton>(&screen, QString::fromUtf8("設定ボタン"))); }

    // A control of the analysis screen, by its designed name.
    template <class T = QWidget>
    T* onAnalysis(const char* name) { return find<T>(&registry->analysis(), QString::fromUtf8(name)); }
    PictureBox* picture() { return onAnalysis<PictureBox>("図"); }

    bool near(double x, double y, const QColor& colour) { return colourNear(*picture(), x, y, colour); }
    bool anywhere(const QColor& colour) { return colourAnywhere(*picture(), colour); }

    bool shownOnAnalysis(const char* name) { return onAnalysis(name)->isVisibleTo(&registry->analysis()); }
};

}  // namespace

TEST_F(TicksScreenTest, LayoutCaptionsFontsAndPosition) {
    TicksScreen& screen = registry->ticks();
    EXPECT_EQ(screen.windowTitle(), "目盛設定画面");
    EXPECT_EQ(screen.size(), QSize(twipsToPixels(4920), twipsToPixels(2760)));
    EXPECT_EQ(screen.pos(), QPoint(twipsToPixels(2136), twipsToPixels(2016)));
    EXPECT_EQ(find<QGroupBox>(&screen, "Frame5")->title(), "目盛間隔　（ｍ）");
    EXPECT_EQ(find<QGroupBox>(&screen, "Frame6")->title(), "X目盛");
    EXPECT_EQ(find<QLabel>(&screen, "Label4")->text(), "X目盛");
    EXPECT_EQ(find<QLabel>(&screen, "Label5")->text(), "Ｙ目盛");
    EXPECT_EQ(find<QRadioButton>(&screen, "x表示(1)")->text(), "非表示");
    EXPECT_EQ(find<QRadioButton>(&screen, "Y表示(0)")->text(), "表示");
    EXPECT_EQ(find<QPushButton>(&screen, "設定ボタン")->text(), "設定終了");
    for (const char* name : {"Label1", "Label2"}) {
        QLabel* unit = find<QLabel>(&screen, name);
        EXPECT_EQ(unit->text(), "ｍ");
        EXPECT_EQ(unit->font().family(), msPGothic);
        EXPECT_DOUBLE_EQ(unit->font().pointSizeF(), 7.8);
    }
}

TEST_F(TicksScreenTest, LoadShowsSignedStepsAndSelectsShow) {
    TicksScreen& before = registry->ticks();
    EXPECT_EQ(text(before, "x間隔"), " 0");
    EXPECT_EQ(text(before, "Y間隔"), " 0");
    EXPECT_TRUE(option(before, "x表示(0)")->isChecked());
    EXPECT_TRUE(option(before, "Y表示(0)")->isChecked());
    EXPECT_TRUE(kalvex.gridXOn());
    EXPECT_TRUE(kalvex.gridYOn());
    before.close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(registry->ticksIfOpen(), nullptr);

    graphOfSquare();
    TicksScreen& after = open();
    EXPECT_EQ(text(after, "x間隔"), " 0.1");
    EXPECT_EQ(text(after, "Y間隔"), " 1");

    // Shown again while open: no new load, typed text and choices stay.
    type(after, "x間隔", "0.25");
    choose(after, "x表示(1)");
    EXPECT_FALSE(kalvex.gridXOn());
    EXPECT_EQ(&open(), &after);
    EXPECT_EQ(text(after, "x間隔"), "0.25");
    EXPECT_TRUE(option(after, "x表示(1)")->isChecked());
    EXPECT_FALSE(kalvex.gridXOn());
    choose(after, "Y表示(1)");
    choose(after, "Y表示(0)");
    EXPECT_TRUE(kalvex.gridYOn());
    EXPECT_TRUE(option(after, "x表示(1)")->isChecked());  // two independent groups
}

TEST_F(TicksScreenTest, OpeningAndClosingTurnsBothGridsOnForTheNextGraph) {
    graphOfSquare();
    EXPECT_FALSE(anywhere(yellow));  // grid switches empty since start: no grid
    open().close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(registry->ticksIfOpen(), nullptr);
    EXPECT_TRUE(kalvex.gridXOn());
    EXPECT_TRUE(kalvex.gridYOn());
    graphOfSquare();
    EXPECT_TRUE(near(5, 50.5, yellow));       // a vertical line
    EXPECT_TRUE(near(-0.15, 50, yellow));     // a horizontal line
    EXPECT_FALSE(near(-0.15, 50.5, yellow));  // between them
}

TEST_F(TicksScreenTest, GridChoicesDecideTheTickDisplayAndTheGrid) {
    graphOfSquare();
    TicksScreen& screen = open();
    AnalysisScreen& analysis = registry->analysis();
    apply(screen);
    EXPECT_TRUE(shownOnAnalysis("軸幅枠"));
    EXPECT_TRUE(near(5, 50.5, yellow));

    choose(screen, "x表示(1)");
    choose(screen, "Y表示(1)");
    apply(screen);
    EXPECT_FALSE(kalvex.gridXOn());
    EXPECT_FALSE(kalvex.gridYOn());
    EXPECT_FALSE(shownOnAnalysis("軸幅枠"));
    EXPECT_FALSE(anywhere(yellow));
    EXPECT_TRUE(anywhere(blue));  // redrawn all the same: the frame is there
    EXPECT_TRUE(analysis.isVisible());

    choose(screen, "x表示(0)");
    apply(screen);
    EXPECT_TRUE(shownOnAnalysis("軸幅枠"));
    EXPECT_TRUE(shownOnAnalysis("Label2"));
    EXPECT_TRUE(shownOnAnalysis("軸幅(0)"));
    EXPECT_FALSE(shownOnAnalysis("Label3"));
    EXPECT_FALSE(shownOnAnalysis("軸幅(1)"));
    EXPECT_TRUE(near(5, 50.5, yellow));
    EXPECT_FALSE(near(-0.15, 50, yellow));
}

TEST_F(TicksScreenTest, NewStepsRedrawTheSameViewAndLeaveTheTickLabels) {
    graphOfSquare();
    onAnalysis<QLabel>("軸幅(0)")->setText("0.1");  // as the graph command leaves them
    onAnalysis<QLabel>("軸幅(1)")->setText("1");
    TicksScreen& screen = open();
    type(screen, "x間隔", " 0.5 m");
    type(screen, "Y間隔", "2");
    apply(screen);

    EXPECT_EQ(kalvex.tickSteps().x, 0.5);
    EXPECT_EQ(kalvex.tickSteps().y, 2);
    EXPECT_EQ(kalvex.view().xMax, 10);
    EXPECT_EQ(kalvex.edges().left, -1);
    EXPECT_EQ(kalvex.edges().right, 11);
    EXPECT_EQ(kalvex.edges().bottom, -4);
    EXPECT_EQ(kalvex.edges().top, 102);
    for (int k = 1; k < 19; ++k) {
        EXPECT_TRUE(near(0.5 * k, 101, yellow)) << "x = " << 0.5 * k;
        EXPECT_FALSE(near(0.5 * k + 0.25, 101, yellow)) << "x = " << 0.5 * k + 0.25;
    }
    for (int k = 1; k <= 50; ++k) {
        EXPECT_TRUE(near(-0.75, 2 * k, yellow)) << "y = " << 2 * k;
        EXPECT_FALSE(near(-0.75, 2 * k + 1, yellow)) << "y = " << 2 * k + 1;
    }
    EXPECT_EQ(onAnalysis<QLabel>("軸幅(0)")->text(), "0.1");
    EXPECT_EQ(onAnalysis<QLabel>("軸幅(1)")->text(), "1");

    // No new scan: a zoomed view stays as it is, with the steps applied.
    kalvex.zoomAbout(5, 50, 2);
    View expected = kalvex.view();
    expected.ticks = {0.5, 2};
    apply(screen);
    EXPECT_EQ(kalvex.view(), expected);
}

TEST_F(TicksScreenTest, UnchangedTextsApplyTheShownDigits) {
    graphOfSquare();
    kalvex.setTickSteps({0.010000000000000002, 1});
    TicksScreen& screen = open();
    EXPECT_EQ(text(screen, "x間隔"), " 0.01");
    apply(screen);
    EXPECT_EQ(kalvex.tickSteps().x, 0.01);
    EXPECT_EQ(kalvex.tickSteps().y, 1);
}

TEST_F(TicksScreenTest, StepsThatCannotSpaceAGridAreRefused) {
    graphOfSquare();
    TicksScreen& screen = open();
    const View before = kalvex.view();
    const QColor marker(255, 0, 255);
    picture()->drawLine(5, 0, 5, 100, marker);
    const std::pair<const char*, const char*> refused[] = {
        {"0", "1"}, {"0.5", ""}, {"-1", "2"}, {"abc", "2"}, {"1", "1e400"}};
    for (auto [x, y] : refused) {
        type(screen, "x間隔", x);
        type(screen, "Y間隔", y);
        apply(screen);
        EXPECT_EQ(takeMessages(), std::vector<std::string>{messages::tickStepPositive}) << x << " " << y;
        EXPECT_EQ(kalvex.view(), before);  // steps 0.1 and 1 kept
        EXPECT_EQ(before.ticks, (TickSteps{0.1, 1}));
    }
    EXPECT_TRUE(near(5, 50, marker));  // nothing cleared or redrawn
    EXPECT_FALSE(shownOnAnalysis("軸幅枠"));
}

TEST_F(TicksScreenTest, ApplyingRecreatesAClosedAnalysisScreen) {
    graphOfSquare();
    TicksScreen& screen = open();
    registry->analysis().close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(registry->analysisIfOpen(), nullptr);
    apply(screen);
    ASSERT_NE(registry->analysisIfOpen(), nullptr);
    EXPECT_TRUE(registry->analysisIfOpen()->isVisible());
    EXPECT_TRUE(anywhere(blue));
    EXPECT_TRUE(takeMessages().empty());
}
