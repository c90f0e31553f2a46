// SPDX-License-Identifier: GPL-3.0-or-later
// 検証 > 保証付き解析: its window, its marks on the graph, and what it leaves
// alone — the designed list, picture and messages.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <functional>

#include "analysisfixture.h"
#include "certifiedsummary.h"
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
        action("保証付き解析")->trigger();
        screen().waitForCertified();
    }
    CertifiedWindow& window() { return *certifiedWindow(); }
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

TEST_F(Certified, ListsTheProvedRootsAndLeavesTheDesignedResultsAlone) {
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
    EXPECT_EQ(column(0), (QStringList{"解", "解"}));
    // Rounded to the precision, where the list cuts: 1.41421356... is 1.4142136.
    EXPECT_EQ(list, (QStringList{"-1.4142136", "1.4142135"}));
    EXPECT_EQ(column(1), (QStringList{"-1.4142136", "1.4142136"}));
    EXPECT_EQ(column(2), (QStringList{"1", "1"}));
    EXPECT_EQ(column(3)[1], "1.4142135623730949");
    EXPECT_TRUE(window().summary->text().startsWith("証明済みの解 2 個。範囲内のほかの点に解はありません。"));
    EXPECT_EQ(window().subject->text(), "F(x) = x^2 - 2　変域 -3 〜 3　精度 1E-07");
    ASSERT_EQ(window().comparison->rowCount(), 2);
    EXPECT_EQ(window().comparison->item(1, 0)->text(), "1.4142135");
    EXPECT_EQ(window().comparison->item(1, 3)->text(), "証明済みの解");
    EXPECT_FALSE(window().progress->isVisible());
}

TEST_F(Certified, NamesTheListsSignChangeAtThePoleAsAPole) {
    reciprocal();
    analyse("-1", "10", "1E-07");
    ASSERT_TRUE(listed().contains("-4E-07"));
    certify();
    EXPECT_EQ(column(0), (QStringList{"極", "解"}));
    EXPECT_TRUE(window().summary->text().contains("極 1、"));
    const auto rows = window().comparison->findItems("-4E-07", Qt::MatchExactly);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(window().comparison->item(rows[0]->row(), 3)->text(), "極のそば");
    // Over another range than the list's, or after the list went with its F,
    // the lists are not held against each other.
    typeRange("-1", "9");
    certify();
    EXPECT_EQ(window().comparison->rowCount(), 0);
    typeRange("-1", "10");
    screen().formulaChanged("F(x)=");
    certify();
    EXPECT_EQ(column(0), (QStringList{"極", "解"}));
    EXPECT_EQ(window().comparison->rowCount(), 0);
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
        {true, "1", "1", "1E-07", messages::rangeOrDivisions},
    };
    for (const auto& c : cases) {
        if (c.terms && kalvex.termTotal() == 0) squareMinusTwo();
        typeRange(c.start, c.end);
        typePrecision(c.precision);
        certify();
        EXPECT_EQ(takeMessages(), std::vector<std::string>{c.message}) << c.precision;
        EXPECT_EQ(certifiedWindow(), nullptr);
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
        {"graph", [&] { click(control<QPushButton>("グラフ")); }},
        {"automatic analysis", [&] { click(control<QPushButton>("解析")); }},
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
        action("保証付き解析")->trigger();
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

// A result shown goes, with its marks, the moment its F, range or
// precision changes; typing the same texts again keeps it.
TEST_F(Certified, AResultShownGoesWhenWhatItSpeaksOfChanges) {
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"same range typed again", [&] { typeRange("-3", "3"); }},
        {"range typed", [&] { typeRange("-3", "4"); }},
        {"precision typed", [&] { typePrecision("0.01"); }},
        {"F changed", [&] {
             addTerm(7, 0, 0, 0, 0, 1);
             screen().formulaChanged("F(x)=");
         }},
    };
    for (const auto& [what, change] : changes) {
        kalvex.replaceTerms({});
        squareMinusTwo();
        typePrecision("1E-07");
        graph("-3", "3");
        certify();
        ASSERT_EQ(window().findings->rowCount(), 2) << what;
        ASSERT_FALSE(box().overlay().empty()) << what;
        change();
        const bool kept = std::string(what).starts_with("same");
        EXPECT_EQ(window().findings->rowCount(), kept ? 2 : 0) << what;
        EXPECT_EQ(box().overlay().empty(), !kept) << what;
        EXPECT_EQ(window().subject->text().isEmpty(), !kept) << what;
    }
}

// A touching root is proved, with its multiplicity in its own column; the
// legend names every mark.
TEST_F(Certified, MultiplicityAndLegend) {
    addTerm(1, 0, 1, 2, 0);
    typeRange("-1", "1");
    certify();
    EXPECT_EQ(column(0), QStringList{"解"});
    EXPECT_EQ(column(2), QStringList{"2"});
    EXPECT_TRUE(window().summary->text().startsWith("証明済みの解 1 個。範囲内のほかの点に解はありません。"));
    QStringList names;
    for (const QLabel* label : window().legend->findChildren<QLabel*>()) names << label->text();
    for (const char* word : {"解", "重解の可能性", "極", "値のない区間", "未解決"})
        EXPECT_TRUE(names.contains(QString::fromUtf8(word))) << word;
}

// Digits on request, the touching root's too; changing them runs the analysis again.
TEST_F(Certified, DigitsOnRequest) {
    addTerm(1, 0, 1, 4, 0);
    addTerm(1, 0, -4, 2, 0);
    addTerm(7, 0, 0, 0, 0, 4);
    typeRange("0", "2");
    certify();
    EXPECT_EQ(column(1), QStringList{"1.4142136"});
    window().digitsBox->setValue(30);
    screen().waitForCertified();
    EXPECT_EQ(column(1), QStringList{"1.41421356237309504880168872421"});
    EXPECT_EQ(column(2), QStringList{"2"});
}

// F that is 0 everywhere: one sentence, no rows, and a root's mark along the range.
TEST_F(Certified, ZeroEverywhereIsOneSentenceAndAMarkAlongTheRange) {
    addTerm(1, 0, 1, 1, 0);
    addTerm(1, 0, -1, 1, 0);
    graph("-3", "3");
    certify();
    EXPECT_EQ(window().summary->text(), "F は変域のすべての点で 0 です。");
    EXPECT_EQ(window().findings->rowCount(), 0);
    EXPECT_TRUE(colourNear(box().grab().toImage(), pixelOf(-2.5, 0), markGreen, 2));
    EXPECT_TRUE(colourNear(box().grab().toImage(), pixelOf(2.5, 0), markGreen, 2));
}

// Each listed entry beside its nearest proved root; then the proved roots
// the list lacks.
TEST(CertifiedComparison, EachEntryBesideItsNearestProvedRoot) {
    core::Certified result;
    result.complete = true;
    result.findings = {{core::Finding::multiple, -0.5, -0.4999}, {core::Finding::root, 1, 1},
                       {core::Finding::root, 6.283185307179586, 6.2831853071795871},
                       {core::Finding::root, 8, 8}};
    const std::vector<ListedRoot> listed{
        {"1", 1}, {"6.2831852", 6.2831852}, {"3", 3}, {"-0.49995", -0.49995}, {"12", 12}};
    const std::vector<ComparisonRow> rows = listComparison(result, {-1, 10}, 1e-7, listed);
    const std::vector<std::vector<QString>> expected{
        {"1", "1", "0", "証明済みの解"},
        {"6.2831852", "6.2831853", "1.07e-07", "証明済みの解"},
        {"3", "1", "2", "証明済み: ここに解はない"},
        {"-0.49995", "1", "1.5", "重解の可能性"},
        {"12", "8", "4", "変域の外"},
        {"", "8", "", "一覧にない証明済みの解"},
    };
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ((std::vector<QString>{rows[i].entry, rows[i].nearest, rows[i].distance, rows[i].verdict}),
                  expected[i]) << i;
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
    EXPECT_EQ(QApplication::clipboard()->text(), "解\t1.4142136\t1\t1.4142135623730949\t1.4142135623730951");
    table.copyAllAction->trigger();
    EXPECT_EQ(QApplication::clipboard()->text().split('\n').size(), 2);
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("解\t-1.4142136\t"));
}

// The screen is deleted on close: work under way ends with it and never
// reports to what is gone (a sanitizer run catches a late report).
TEST_F(Certified, ClosingTheScreenWhileTheWorkRunsEndsTheWork) {
    squareMinusTwo();
    typeRange("-3", "3");
    QPointer<AnalysisScreen> closing = &screen();
    action("保証付き解析")->trigger();
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
