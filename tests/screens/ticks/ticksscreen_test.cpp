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
#include "kalvexprobe.h"

namespace {

const QColor yellow(255, 255, 0);
const QColor blue(0, 0, 200);

class TicksScreenTest : public ScreenTest {
protected:
    // F(x) = x² plotted over 0..10: tickX 0.1, tickY 1.
    void graphOfSquare() {
        state(kalvex).termCount = 1;
        state(kalvex).shape[1] = 1;
        state(kalvex).coefB[1] = 1;
        state(kalvex).expN[1] = 2;
        state(kalvex).rangeStart = 0;
        state(kalvex).rangeEnd = 10;
        state(kalvex).evalFailed = 0;
        KalvexProbe::scanRange(kalvex);
    }

    TicksScreen& open() {
        TicksScreen& screen = registry->ticks();
        ScreenRegistry::present(screen);
        return screen;
    }

    void type(QLineEdit* box, const char* text) {
        box->clear();
        QTest::keyClicks(box, text);
    }

    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    void apply(TicksScreen& screen) { click(screen.設定ボタン); }

    PictureBox* picture() { return registry->analysis().図; }

    bool near(double x, double y, const QColor& colour) { return colourNear(*picture(), x, y, colour); }
    bool anywhere(const QColor& colour) { return colourAnywhere(*picture(), colour); }

    bool shownOnAnalysis(QWidget* control) { return control->isVisibleTo(&registry->analysis()); }
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
    EXPECT_EQ(before.x間隔->text(), " 0");
    EXPECT_EQ(before.Y間隔->text(), " 0");
    EXPECT_TRUE(before.x表示[0]->isChecked());
    EXPECT_TRUE(before.Y表示[0]->isChecked());
    EXPECT_TRUE(state(kalvex).gridX);
    EXPECT_TRUE(state(kalvex).gridY);
    before.close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(registry->ticksIfOpen(), nullptr);

    graphOfSquare();
    TicksScreen& after = open();
    EXPECT_EQ(after.x間隔->text(), " 0.1");
    EXPECT_EQ(after.Y間隔->text(), " 1");

    // Shown again while open: no new load, typed text and choices stay.
    type(after.x間隔, "0.25");
    click(after.x表示[1]);
    EXPECT_FALSE(state(kalvex).gridX);
    EXPECT_EQ(&open(), &after);
    EXPECT_EQ(after.x間隔->text(), "0.25");
    EXPECT_TRUE(after.x表示[1]->isChecked());
    EXPECT_FALSE(state(kalvex).gridX);
    click(after.Y表示[1]);
    click(after.Y表示[0]);
    EXPECT_TRUE(state(kalvex).gridY);
    EXPECT_TRUE(after.x表示[1]->isChecked());  // two independent groups
}

TEST_F(TicksScreenTest, OpeningAndClosingTurnsBothGridsOnForTheNextGraph) {
    graphOfSquare();
    EXPECT_FALSE(anywhere(yellow));  // grid switches empty since start: no grid
    open().close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(registry->ticksIfOpen(), nullptr);
    EXPECT_TRUE(state(kalvex).gridX);
    EXPECT_TRUE(state(kalvex).gridY);
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
    EXPECT_TRUE(shownOnAnalysis(analysis.軸幅枠));
    EXPECT_TRUE(near(5, 50.5, yellow));

    click(screen.x表示[1]);
    click(screen.Y表示[1]);
    apply(screen);
    EXPECT_FALSE(state(kalvex).gridX);
    EXPECT_FALSE(state(kalvex).gridY);
    EXPECT_FALSE(shownOnAnalysis(analysis.軸幅枠));
    EXPECT_FALSE(anywhere(yellow));
    EXPECT_TRUE(anywhere(blue));  // redrawn all the same: the frame is there
    EXPECT_TRUE(analysis.isVisible());

    click(screen.x表示[0]);
    apply(screen);
    EXPECT_TRUE(shownOnAnalysis(analysis.軸幅枠));
    EXPECT_TRUE(shownOnAnalysis(analysis.Label2));
    EXPECT_TRUE(shownOnAnalysis(analysis.軸幅[0]));
    EXPECT_FALSE(shownOnAnalysis(analysis.Label3));
    EXPECT_FALSE(shownOnAnalysis(analysis.軸幅[1]));
    EXPECT_TRUE(near(5, 50.5, yellow));
    EXPECT_FALSE(near(-0.15, 50, yellow));
}

TEST_F(TicksScreenTest, NewStepsRedrawTheSameViewAndLeaveTheTickLabels) {
    graphOfSquare();
    AnalysisScreen& analysis = registry->analysis();
    analysis.軸幅[0]->setText("0.1");  // as the graph command leaves them
    analysis.軸幅[1]->setText("1");
    state(kalvex).homeYMin = 42;  // a scan would put its sentinel here
    TicksScreen& screen = open();
    type(screen.x間隔, " 0.5 m");
    type(screen.Y間隔, "2");
    apply(screen);

    EXPECT_EQ(state(kalvex).tickX, 0.5);
    EXPECT_EQ(state(kalvex).tickY, 2);
    EXPECT_EQ(state(kalvex).viewXMax, 10);  // no new scan: same view, steps kept
    EXPECT_EQ(kalvex.edges().left, -1);
    EXPECT_EQ(kalvex.edges().right, 11);
    EXPECT_EQ(kalvex.edges().bottom, -4);
    EXPECT_EQ(kalvex.edges().top, 102);
    EXPECT_EQ(state(kalvex).homeYMin, 42);
    for (int k = 1; k < 19; ++k) {
        EXPECT_TRUE(near(0.5 * k, 101, yellow)) << "x = " << 0.5 * k;
        EXPECT_FALSE(near(0.5 * k + 0.25, 101, yellow)) << "x = " << 0.5 * k + 0.25;
    }
    for (int k = 1; k <= 50; ++k) {
        EXPECT_TRUE(near(-0.75, 2 * k, yellow)) << "y = " << 2 * k;
        EXPECT_FALSE(near(-0.75, 2 * k + 1, yellow)) << "y = " << 2 * k + 1;
    }
    EXPECT_EQ(analysis.軸幅[0]->text(), "0.1");
    EXPECT_EQ(analysis.軸幅[1]->text(), "1");
}

TEST_F(TicksScreenTest, UnchangedTextsApplyTheShownDigits) {
    graphOfSquare();
    state(kalvex).tickX = 0.010000000000000002;
    TicksScreen& screen = open();
    EXPECT_EQ(screen.x間隔->text(), " 0.01");
    apply(screen);
    EXPECT_EQ(state(kalvex).tickX, 0.01);
    EXPECT_EQ(state(kalvex).tickY, 1);
}

TEST_F(TicksScreenTest, StepsThatCannotSpaceAGridAreRefused) {
    graphOfSquare();
    TicksScreen& screen = open();
    AnalysisScreen& analysis = registry->analysis();
    const QColor marker(255, 0, 255);
    analysis.図->drawLine(5, 0, 5, 100, marker);
    const std::pair<const char*, const char*> refused[] = {
        {"0", "1"}, {"0.5", ""}, {"-1", "2"}, {"abc", "2"}, {"1", "1e400"}};
    for (auto [x, y] : refused) {
        type(screen.x間隔, x);
        type(screen.Y間隔, y);
        state(kalvex).evalX = 12.5;  // any evaluation moves it
        apply(screen);
        EXPECT_EQ(takeMessages(), std::vector<std::string>{messages::tickStepPositive}) << x << " " << y;
        EXPECT_EQ(state(kalvex).tickX, 0.1);
        EXPECT_EQ(state(kalvex).tickY, 1);
        EXPECT_EQ(state(kalvex).evalX, 12.5);
    }
    EXPECT_TRUE(near(5, 50, marker));  // nothing cleared or redrawn
    EXPECT_FALSE(shownOnAnalysis(analysis.軸幅枠));
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
