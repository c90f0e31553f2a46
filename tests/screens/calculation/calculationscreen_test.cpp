// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculationscreen.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <array>
#include <cmath>

#include "analysisscreen.h"
#include "settingscreen.h"
#include "fixture.h"
#include "pixels.h"
#include "messages.h"
#include "look.h"
#include "picturebox.h"
#include "twips.h"

namespace {

const QColor red(255, 0, 0);
const QColor yellow(255, 255, 0);

class CalculationScreenTest : public ScreenTest {
protected:
    // Each term joins those added since the last clearTerms().
    void term(Shape shape, float a, float b, float n, float c, float k) {
        added.push_back({shape, a, b, n, 0, c, k, {}});
        kalvex.replaceTerms(added);
    }
    void power(float b, float n) { term(Shape::power, 0, b, n, 0, 0); }
    void constant(float k) { term(Shape::constant, 0, 0, 0, 0, k); }
    // a·ln(b·x + c)
    void logarithm(float a, float b, float c) { term(Shape::log, a, b, 1, c, 0); }
    void clearTerms() {
        added.clear();
        kalvex.replaceTerms(added);
    }

    // グラフ with both grids on; it also clears a failure left by the last evaluation.
    void graph(const char* start, const char* end) {
        kalvex.setGridX(true);
        kalvex.setGridY(true);
        kalvex.graph(start, end, "");
    }

    CalculationScreen& open() {
        CalculationScreen& screen = registry->calculation();
        ScreenRegistry::present(screen);
        return screen;
    }

    void calculate(CalculationScreen& screen, const char* x) {
        QLineEdit* box = find<QLineEdit>(&screen, QString::fromUtf8("x値"));
        box->clear();
        QTest::keyClicks(box, x);
        QTest::mouseClick(find<QPushButton>(&screen, QString::fromUtf8("計算")), Qt::LeftButton);
    }
    QString shown(CalculationScreen& screen) { return find<QLabel>(&screen, QString::fromUtf8("解"))->text(); }

    // A control of the analysis screen, by its designed name.
    template <class T = QLabel>
    T* onAnalysis(const char* name) { return find<T>(&analysis(), QString::fromUtf8(name)); }
    bool shownOnAnalysis(const char* name) { return onAnalysis(name)->isVisibleTo(&analysis()); }
    AnalysisScreen& analysis() { return registry->analysis(); }
    PictureBox* picture() { return onAnalysis<PictureBox>("図"); }
    QColor foreground() { return picture()->foregroundColour(); }

    bool near(double x, double y, const QColor& colour) { return colourNear(*picture(), x, y, colour); }
    bool anywhere(const QColor& colour) { return colourAnywhere(*picture(), colour); }

    QPoint pixelOf(double x, double y) { return picture()->toPixels(x, y).toPoint(); }

    std::vector<Term> added;
};

}  // namespace

TEST_F(CalculationScreenTest, LayoutStartsEmpty) {
    CalculationScreen& screen = registry->calculation();
    EXPECT_EQ(screen.windowTitle(), "計算画面");
    EXPECT_EQ(screen.size(), QSize(twipsToPixels(3648), twipsToPixels(2184)));
    EXPECT_EQ(find<QPushButton>(&screen, "計算")->text(), "計　算");
    EXPECT_EQ(find<QPushButton>(&screen, "戻る")->text(), "戻る");
    EXPECT_EQ(find<QGroupBox>(&screen, "Frame5")->title(), "関数の解（上記変数Ｘに対する解の値）");
    QLineEdit* x = find<QLineEdit>(&screen, "x値");
    QLabel* value = find<QLabel>(&screen, "解");
    EXPECT_EQ(x->font().family(), msPGothic);
    EXPECT_DOUBLE_EQ(x->font().pointSizeF(), 12);
    EXPECT_EQ(value->font().family(), msPGothic);
    EXPECT_DOUBLE_EQ(value->font().pointSizeF(), 11.4);
    EXPECT_EQ(x->text(), "");
    EXPECT_EQ(value->text(), "");
}

TEST_F(CalculationScreenTest, MarksThePointOnTheGraph) {
    power(1, 2);
    constant(-4);
    graph("0", "10");
    ASSERT_TRUE(takeMessages().empty());
    onAnalysis("手動解")->show();
    EXPECT_FALSE(near(3, 2.5, foreground()));
    EXPECT_FALSE(near(1.5, 5, foreground()));

    CalculationScreen& screen = open();
    calculate(screen, "3");
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_EQ(shown(screen), "5");
    EXPECT_EQ(kalvex.calculatedX(), 3);
    EXPECT_EQ(kalvex.calculatedY(), 5);

    AnalysisScreen& a = analysis();
    EXPECT_TRUE(a.isVisible());
    EXPECT_FALSE(shownOnAnalysis("手動解"));
    EXPECT_EQ(onAnalysis("xti")->text(), "3");
    EXPECT_EQ(onAnalysis("yti")->text(), "Y= 5");
    EXPECT_TRUE(shownOnAnalysis("xti"));
    EXPECT_TRUE(shownOnAnalysis("yti"));
    EXPECT_EQ(onAnalysis("xti")->pos(), pixelOf(3, 0));
    EXPECT_EQ(onAnalysis("yti")->pos(), pixelOf(0, 5));
    EXPECT_EQ(onAnalysis("xti")->size(), onAnalysis("xti")->sizeHint());
    EXPECT_EQ(onAnalysis("yti")->size(), onAnalysis("yti")->sizeHint());

    // Up from (3, 0) to (3, 5), then across to (0, 5), and no further.
    EXPECT_TRUE(near(3, 0.5, foreground()));
    EXPECT_TRUE(near(3, 2.5, foreground()));
    EXPECT_TRUE(near(1.5, 5, foreground()));
    EXPECT_TRUE(near(0.1, 5, foreground()));
    EXPECT_FALSE(near(3, 7, foreground()));
    EXPECT_FALSE(near(4, 5, foreground()));
    EXPECT_FALSE(near(-0.1, 5, foreground()));

    EXPECT_TRUE(screen.isVisible());

    // A second point replaces the first: the redraw wipes the old lines.
    calculate(screen, "4");
    EXPECT_EQ(shown(screen), "12");
    EXPECT_FALSE(near(3, 2.5, foreground()));
    EXPECT_TRUE(near(4, 6, foreground()));
    EXPECT_EQ(onAnalysis("yti")->text(), "Y= 12");
    EXPECT_EQ(onAnalysis("yti")->pos(), pixelOf(0, 12));
}

TEST_F(CalculationScreenTest, FailingLogarithmStillMarksThePartialPicture) {
    logarithm(1, -1, 5);  // ln(5 - x) + 1: fine over the plot of 0..4, not at 6
    constant(1);
    graph("0", "4");
    ASSERT_TRUE(takeMessages().empty());

    CalculationScreen& screen = open();
    calculate(screen, "6");
    EXPECT_EQ(takeMessages(),
              (std::vector<std::string>{messages::logArgument, messages::notComputableReached}));
    EXPECT_EQ(shown(screen), "1");
    // The failure stays flagged: the redraw stopped at its first sample.
    EXPECT_FALSE(anywhere(red));  // the redraw stopped before the axes
    EXPECT_TRUE(anywhere(yellow));
    EXPECT_TRUE(near(2, 1, foreground()));  // the line across at F = 1
    EXPECT_EQ(onAnalysis("yti")->text(), "Y= 1");
    EXPECT_TRUE(shownOnAnalysis("yti"));
    EXPECT_TRUE(screen.isVisible());
}

TEST_F(CalculationScreenTest, LogarithmFailingAgainAtTheFirstSample) {
    logarithm(1, 1, 0);  // ln(x) + 1: the plot of 0.2..4 starts at -0.1
    constant(1);
    graph("0.2", "4");
    EXPECT_EQ(takeMessages(),
              (std::vector<std::string>{messages::logArgument, messages::notComputableReached}));
    RecordingCanvas drawn;
    kalvex.attach(&messages, registry.get(), &drawn);

    calculate(open(), "-1");
    EXPECT_EQ(takeMessages(), (std::vector<std::string>{messages::logArgument, messages::logArgument,
                                                        messages::notComputableReached}));
    EXPECT_TRUE(drawn.of(DrawOp::Line, colours::axes).empty());
    ASSERT_GE(drawn.ops.size(), 4u);
    EXPECT_EQ(drawn.ops.front().kind, DrawOp::Clear);
    const DrawOp& up = drawn.ops[drawn.ops.size() - 2];
    const DrawOp& across = drawn.ops.back();
    EXPECT_EQ(drawn.ops[drawn.ops.size() - 3].kind, DrawOp::Rectangle);
    EXPECT_EQ(up.kind, DrawOp::Line);
    EXPECT_FALSE(up.ink.has_value());
    EXPECT_EQ((std::array{up.x1, up.y1, up.x2, up.y2}), (std::array{-1.f, 0.f, -1.f, 1.f}));
    EXPECT_FALSE(across.ink.has_value());
    EXPECT_EQ((std::array{across.x1, across.y1, across.x2, across.y2}), (std::array{-1.f, 1.f, 0.f, 1.f}));
}

TEST_F(CalculationScreenTest, BeforeAnyGraphOnlyTheValueIsShown) {
    power(1, 2);
    CalculationScreen& screen = open();
    calculate(screen, "3");
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_EQ(shown(screen), "9");
    EXPECT_EQ(kalvex.calculatedY(), 9);
    EXPECT_FALSE(analysis().isVisible());
    EXPECT_FALSE(shownOnAnalysis("xti"));
    EXPECT_FALSE(anywhere(foreground()));

    clearTerms();
    calculate(screen, "");  // no terms, no x: 0, silently
    EXPECT_EQ(shown(screen), "0");
    EXPECT_EQ(kalvex.calculatedX(), 0);
    EXPECT_TRUE(takeMessages().empty());
}

// The estimate panel and this screen evaluate alike; only the panel refuses
// a logarithm at x <= 0. An x beyond the doubles is no exception: each term
// that is not finite there counts 0 after its message.
TEST_F(CalculationScreenTest, AgreesWithTheEstimatePanelBeyondTheDoubles) {
    SettingScreen& setting = registry->setting();
    struct Case {
        const char* x;
        const char* shown;  // by both, after the messages
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"1e999", "-4", {messages::notComputableValue}},   // x² is not finite: -4 alone
        {"-1e400", "-4", {messages::notComputableValue}},
        {"3", "5", {}},
    };
    power(1, 2);
    constant(-4);
    graph("0", "10");
    CalculationScreen& screen = open();
    for (const Case& c : cases) {
        graph("0", "10");
        find<QLineEdit>(&setting, QString::fromUtf8("x値"))->setText(c.x);
        QTest::mouseClick(find<QPushButton>(&setting, QString::fromUtf8("計算")), Qt::LeftButton);
        EXPECT_EQ(takeMessages(), c.messages) << "panel " << c.x;
        EXPECT_EQ(find<QLabel>(&setting, QString::fromUtf8("解"))->text(), c.shown) << "panel " << c.x;

        graph("0", "10");
        calculate(screen, c.x);
        EXPECT_EQ(takeMessages(), c.messages) << "screen " << c.x;
        EXPECT_EQ(shown(screen), c.shown) << "screen " << c.x;
    }
    // A point beyond the doubles is marked nowhere: the labels stay hidden.
    calculate(screen, "1e999");
    EXPECT_FALSE(shownOnAnalysis("xti"));
    EXPECT_EQ(kalvex.calculatedY(), -4);
    takeMessages();

    // A sum beyond the doubles: one message, the last value stays in both.
    clearTerms();
    power(1, 1);
    power(1, 1);
    find<QLineEdit>(&setting, QString::fromUtf8("x値"))->setText("1.5e308");
    QTest::mouseClick(find<QPushButton>(&setting, QString::fromUtf8("計算")), Qt::LeftButton);
    EXPECT_EQ(takeMessages(), std::vector<std::string>{messages::notComputableValue});
    calculate(screen, "1.5e308");
    EXPECT_EQ(takeMessages(), std::vector<std::string>{messages::notComputableValue});
    EXPECT_EQ(find<QLabel>(&setting, QString::fromUtf8("解"))->text(), "5");
    EXPECT_EQ(shown(screen), "-4");
}

TEST_F(CalculationScreenTest, BackClosesAndLeavesTheMark) {
    power(1, 2);
    graph("0", "10");
    CalculationScreen& screen = open();
    calculate(screen, "3");
    QTest::mouseClick(find<QPushButton>(&screen, QString::fromUtf8("戻る")), Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(registry->calculationIfOpen(), nullptr);
    EXPECT_TRUE(shownOnAnalysis("xti"));
    EXPECT_TRUE(near(3, 4.5, foreground()));

    CalculationScreen& again = open();
    EXPECT_EQ(find<QLineEdit>(&again, QString::fromUtf8("x値"))->text(), "");
    EXPECT_EQ(shown(again), "");
}
