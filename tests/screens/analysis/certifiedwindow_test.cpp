// 検証 > 保証付き解析: its window, its marks on the graph, and what it leaves
// alone — the designed list, picture and messages.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <functional>

#include "analysisfixture.h"
#include "certifiedwindow.h"
#include "messages.h"
#include "pictureexport.h"

namespace {

const QColor markGreen(0, 160, 0);

class Certified : public AnalysisTest {
protected:
    void SetUp() override { ScreenRegistry::present(screen()); }

    // The command, run to its end.
    void certify() {
        screen().certifiedAction->trigger();
        screen().waitForCertified();
    }
    CertifiedWindow& window() { return *screen().certifiedWindow; }
    QStringList column(int c) {
        QStringList texts;
        for (int row = 0; row < window().findings->rowCount(); ++row) texts << window().findings->item(row, c)->text();
        return texts;
    }
    int greenOnGraph() { return countColour(box().grab().toImage(), markGreen); }
    // −1/x + 0.15: a pole at 0 and one root, at 20/3.
    void reciprocal() {
        addTerm(1, 0, -1, -1, 0);
        addTerm(7, 0, 0, 0, 0, 0.15f);
    }
};

TEST_F(Certified, ListsTheProvedRootsWithTheListsDigitsAndLeavesTheDesignedResultsAlone) {
    squareMinusTwo();
    analyse("-3", "3", "1E-07");
    takeMessages();
    const QStringList list = listed();
    const QImage picture = box().picture();
    certify();
    EXPECT_EQ(listed(), list);
    EXPECT_EQ(box().picture(), picture);
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(column(0), (QStringList{"根", "根"}));
    EXPECT_EQ(column(1), list);
    EXPECT_EQ(column(2)[1], "1.4142135623730949");
    EXPECT_TRUE(window().summary->text().startsWith("証明済みの根 2 個。範囲内のほかの点に根はありません。"));
    EXPECT_TRUE(window().comparison->text().contains("証明済みの根: -1.4142136, 1.4142135"));
    EXPECT_TRUE(window().comparison->text().contains("一覧にない証明済みの根 0 個"));
    EXPECT_FALSE(window().progress->isVisible());
}

TEST_F(Certified, NamesTheListsSignChangeAtThePoleAsAPole) {
    reciprocal();
    analyse("-1", "10", "1E-07");
    ASSERT_TRUE(listed().contains("-4E-07"));
    certify();
    EXPECT_EQ(column(0), (QStringList{"極", "根"}));
    EXPECT_TRUE(window().summary->text().contains("極 1、"));
    EXPECT_TRUE(window().comparison->text().contains("極: -4E-07")) << window().comparison->text().toStdString();
    // Over another range than the list's, or after the list went with its F,
    // the lists are not held against each other.
    typeRange("-1", "9");
    certify();
    EXPECT_TRUE(window().comparison->text().isEmpty());
    typeRange("-1", "10");
    screen().formulaChanged("F(x)=");
    certify();
    EXPECT_EQ(column(0), (QStringList{"極", "根"}));
    EXPECT_TRUE(window().comparison->text().isEmpty());
}

TEST_F(Certified, RefusesWhatTheAnalysisRefuses) {
    const struct {
        bool terms;
        const char *start, *end, *precision, *message;
    } cases[] = {
        {false, "-3", "3", "1E-07", messages::enterFormula},
        {true, "-3", "3", "0", messages::precisionPositive},
        {true, "-3", "1e999", "1E-07", messages::rangeOrDivisions},
        {true, "", "", "1E-07", messages::rangeOrDivisions},
    };
    for (const auto& c : cases) {
        if (c.terms && kalvex.termTotal() == 0) squareMinusTwo();
        typeRange(c.start, c.end);
        typePrecision(c.precision);
        certify();
        EXPECT_EQ(takeMessages(), std::vector<std::string>{c.message}) << c.precision;
        EXPECT_EQ(screen().certifiedWindow, nullptr);
    }
}

TEST_F(Certified, MarksGoWithTheNextGraphAndLeaveTheDefaultPictureAsItWas) {
    squareMinusTwo();
    graph("-3", "3");
    const QByteArray plain = pictureBytes(box(), PictureFormat::png);
    const QByteArray plainSvg = pictureBytes(box(), PictureFormat::svg);
    certify();
    EXPECT_GT(greenOnGraph(), 10);
    EXPECT_TRUE(colourNear(box().grab().toImage(), pixelOf(std::sqrt(2.0), 0) + QPoint(0, 3), markGreen, 2));
    EXPECT_EQ(pictureBytes(box(), PictureFormat::png), plain);
    EXPECT_EQ(pictureBytes(box(), PictureFormat::svg), plainSvg);
    EXPECT_NE(pictureBytes(box(), PictureFormat::png, true), plain);
    EXPECT_NE(pictureBytes(box(), PictureFormat::svg, true), plainSvg);
    EXPECT_GT(countColour(pictureImage(box(), 2, true), markGreen), 10);

    const std::pair<const char*, std::function<void()>> redraws[] = {
        {"graph", [&] { click(screen().グラフ); }},
        {"automatic analysis", [&] { click(screen().解析); }},
        {"zoom", [&] { kalvex.zoom(); }},
        {"F changing", [&] { screen().formulaChanged("F(x)="); }},
    };
    for (const auto& [what, redraw] : redraws) {
        graph("-3", "3");
        certify();
        ASSERT_GT(greenOnGraph(), 0) << what;
        redraw();
        EXPECT_TRUE(box().overlay().empty()) << what;
        EXPECT_EQ(greenOnGraph(), 0) << what;
    }
}

TEST_F(Certified, DropsAResultWhoseFormulaOrRangeChangedAndShowsNothingWhenCancelled) {
    squareMinusTwo();
    graph("-3", "3");
    const std::pair<const char*, std::function<void()>> interruptions[] = {
        {"range typed", [&] { typeRange("-3", "4"); }},
        {"precision typed", [&] { typePrecision("0.01"); }},
        {"F changed", [&] {
             addTerm(7, 0, 0, 0, 0, 1);
             screen().formulaChanged("F(x)=");
         }},
        {"cancelled", [&] { window().cancelButton->click(); }},
        {"window closed", [&] { window().close(); }},
        {"Escape", [&] { QTest::keyClick(window().findings, Qt::Key_Escape); }},
    };
    for (const auto& [what, interrupt] : interruptions) {
        graph("-3", "3");
        screen().certifiedAction->trigger();
        interrupt();
        screen().waitForCertified();
        EXPECT_EQ(window().findings->rowCount(), 0) << what;
        EXPECT_TRUE(box().overlay().empty()) << what;
        EXPECT_FALSE(window().summary->text().contains("証明済み")) << what;
    }
}

TEST_F(Certified, EscapeAndTheCloseButtonCloseTheWindow) {
    squareMinusTwo();
    typeRange("-3", "3");
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"Escape in the table", [&] { QTest::keyClick(window().findings, Qt::Key_Escape); }},
        {"Escape", [&] { QTest::keyClick(&window(), Qt::Key_Escape); }},
        {"閉じる", [&] { window().closeButton->click(); }},
    };
    for (const auto& [way, close] : ways) {
        certify();
        ASSERT_TRUE(window().isVisible()) << way;
        EXPECT_TRUE(window().closeButton->isVisible()) << way;
        close();
        EXPECT_FALSE(window().isVisible()) << way;
    }
}

TEST_F(Certified, RowsCopyAsTabSeparatedLines) {
    squareMinusTwo();
    typeRange("-3", "3");
    certify();
    FindingTable& table = *window().findings;
    QApplication::clipboard()->setText("before");
    QTest::keyClick(&table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "before");
    table.selectRow(1);
    QTest::keyClick(&table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "根\t1.4142135\t1.4142135623730949\t1.4142135623730951");
    table.copyAllAction->trigger();
    EXPECT_EQ(QApplication::clipboard()->text().split('\n').size(), 2);
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("根\t-1.4142136\t"));
}

// The screen is deleted on close: work under way ends with it and never
// reports to what is gone (a sanitizer run catches a late report).
TEST_F(Certified, ClosingTheScreenWhileTheWorkRunsEndsTheWork) {
    squareMinusTwo();
    typeRange("-3", "3");
    QPointer<AnalysisScreen> closing = &screen();
    closing->certifiedAction->trigger();
    closing->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    EXPECT_TRUE(closing.isNull());
}

// Short work shows no progress; work that lasts shows it with キャンセル,
// and a result takes both away.
TEST_F(Certified, ProgressAndCancelShowOnlyWhileLongWorkRuns) {
    squareMinusTwo();
    typeRange("-3", "3");
    certify();
    CertifiedWindow& w = window();
    w.showRunning();
    EXPECT_FALSE(w.progress->isVisible());
    QTest::qWait(350);
    EXPECT_TRUE(w.progress->isVisible());
    EXPECT_TRUE(w.cancelButton->isVisible());
    EXPECT_EQ(w.findings->rowCount(), 0);
    w.showNothing("");
    EXPECT_FALSE(w.progress->isVisible());
    EXPECT_FALSE(w.cancelButton->isVisible());
}

}  // namespace
