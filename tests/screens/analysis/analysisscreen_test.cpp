// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QAbstractItemView>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <cmath>

#include "analysisfixture.h"
#include "calculationscreen.h"
#include "messages.h"
#include "twips.h"
#include "settingscreen.h"
#include "ticksscreen.h"
#include "kalvexprobe.h"

using Layout = AnalysisTest;
using Graph = AnalysisTest;
using AutoAnalysis = AnalysisTest;
using Navigation = AnalysisTest;
using Texts = std::vector<std::string>;

namespace {

QString captionOf(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<QPushButton*>(w)) return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(w)) return frame->title();
    return {};
}

}  // namespace

TEST_F(Layout, ControlsCaptionsPositionsAndWhatIsHidden) {
    struct Row {
        const char* name;
        const char* caption;
        int left, top, width, height;
        bool hidden;
    };
    const Row rows[] = {
        {"軸幅枠", "目盛間隔", 12015, 315, 2235, 1410, true},
        {"軸幅(1)", "", 600, 885, 1305, 345, false},
        {"軸幅(0)", "", 600, 345, 1305, 345, false},
        {"Label3", "Y軸", 180, 930, 450, 255, false},
        {"Label2", "X軸", 180, 375, 450, 255, false},
        {"グラフ", "グラフ", 2715, 225, 960, 825, false},
        {"解リスト", "", 10170, 420, 1785, 1308, true},
        {"計算", "個々の計算", 7800, 600, 1410, 500, false},
        {"Frame3", "精度", 3810, 135, 2268, 945, false},
        {"精度コンボ", "", 165, 435, 1980, 288, false},
        {"式", "戻る", 9285, 600, 735, 500, false},
        {"解析", "自動解析", 6420, 600, 1305, 500, false},
        {"図", "", 120, 1785, 14136, 8475, false},
        {"yti", "", 1560, 6750, 60, 180, true},
        {"xti", "", 330, 6735, 60, 180, true},
        {"手動解", "", 555, 660, 60, 180, true},
        {"itixy", "", 2040, 720, 1776, 252, true},
        {"Frame1", "解析の範囲(X座標値）", 120, 120, 2475, 930, false},
        {"Frame2(1)", "終了", 1290, 240, 1065, 585, false},
        {"変域(1)", "", 105, 225, 795, 285, false},
        {"Frame2(0)", "開始", 165, 240, 1065, 600, false},
        {"変域(0)", "", 165, 225, 795, 285, false},
        {"Label1", "自動解析結果（X値）", 10155, 180, 1965, 225, true},
        {"式ラベル", "", 165, 1335, 135, 285, false},
    };
    for (const Row& r : rows) {
        QWidget* w = find<QWidget>(&screen(), QString::fromUtf8(r.name));
        if (!w) continue;
        EXPECT_EQ(captionOf(w), QString::fromUtf8(r.caption)) << r.name;
        EXPECT_EQ(w->geometry(), twipsRect(r.left, r.top, r.width, r.height)) << r.name;
        EXPECT_EQ(w->isHidden(), r.hidden) << r.name;
    }
    // Containment: the range boxes in their frames, the labels on the graph.
    EXPECT_EQ(control<QLineEdit>("変域(0)")->parentWidget()->objectName(), "Frame2(0)");
    EXPECT_EQ(control<QGroupBox>("Frame2(0)")->parentWidget()->objectName(), "Frame1");
    EXPECT_EQ(control<QComboBox>("精度コンボ")->parentWidget()->objectName(), "Frame3");
    for (QLabel* label : {control<QLabel>("xti"), control<QLabel>("yti"), control<QLabel>("手動解"), control<QLabel>("itixy")})
        EXPECT_EQ(label->parentWidget(), control<PictureBox>("図"));
    EXPECT_EQ(control<QLabel>("軸幅(0)")->parentWidget(), control<QGroupBox>("軸幅枠"));

    EXPECT_EQ(screen().windowTitle(), "解析画面");
    EXPECT_EQ(screen().centralWidget()->size(), QSize(twipsToPixels(14664), twipsToPixels(10860)));
    EXPECT_EQ(screen().pos(), QPoint(twipsToPixels(336), twipsToPixels(876)));
}

TEST_F(Layout, Fonts) {
    const struct {
        QWidget* w;
        double size;
    } designed[] = {{control<QLabel>("軸幅(0)"), 11.4},  {control<QLabel>("軸幅(1)"), 11.4}, {control<QLabel>("式ラベル"), 11.4},
                    {control<QPushButton>("計算"), 10.8},     {control<QPushButton>("式"), 10.8},      {control<QPushButton>("解析"), 10.8},
                    {control<QComboBox>("精度コンボ"), 9.6}};
    for (const auto& d : designed) {
        EXPECT_EQ(d.w->font().family(), "ＭＳ Ｐゴシック") << d.w->objectName().toStdString();
        EXPECT_DOUBLE_EQ(d.w->font().pointSizeF(), d.size) << d.w->objectName().toStdString();
    }
    EXPECT_EQ(control<QPushButton>("グラフ")->font(), screen().font());
    EXPECT_EQ(control<QLabel>("Label1")->font(), screen().font());
}

TEST_F(Layout, MenuHasTicksThenBackWithoutSubmenusThenThePictureMenu) {
    QList<QAction*> actions = screen().menuBar()->actions();
    // The picture and check menus are added after the designed ones, which stay as they are.
    ASSERT_EQ(actions.size(), 5);
    EXPECT_EQ(actions[2]->text(), "画像(&P)");
    ASSERT_NE(actions[2]->menu(), nullptr);
    const QList<QAction*> pictureItems = actions[2]->menu()->actions();
    ASSERT_EQ(pictureItems.size(), 4);
    EXPECT_EQ(pictureItems.mid(0, 2), (QList<QAction*>{action("画像として保存"), action("画像をコピー")}));
    EXPECT_TRUE(pictureItems[2]->isSeparator());
    EXPECT_EQ(pictureItems[3], action("検証の印も書き出す"));
    EXPECT_TRUE(pictureItems[3]->isCheckable());
    EXPECT_FALSE(pictureItems[3]->isChecked());
    EXPECT_EQ(actions[3]->text(), "検証(&V)");
    ASSERT_NE(actions[3]->menu(), nullptr);
    EXPECT_EQ(actions[3]->menu()->actions(), (QList<QAction*>{action("保証付き解析")}));
    EXPECT_EQ(action("保証付き解析")->shortcut(), QKeySequence("Ctrl+G"));
    // The views' history and the tick labels: not 戻る, which is the designed return.
    EXPECT_EQ(actions[4]->text(), "表示(&W)");
    ASSERT_NE(actions[4]->menu(), nullptr);
    EXPECT_EQ(actions[4]->menu()->actions().size(), 4);
    EXPECT_EQ(action("前の表示")->text(), "前の表示(&B)");
    EXPECT_EQ(action("前の表示")->shortcut(), QKeySequence(QKeySequence::Back));
    EXPECT_EQ(action("次の表示")->shortcut(), QKeySequence(QKeySequence::Forward));
    EXPECT_TRUE(action("目盛の数値")->isCheckable());
    EXPECT_FALSE(action("目盛の数値")->isChecked());
    actions.resize(2);
    EXPECT_EQ(actions[0]->objectName(), "m");
    EXPECT_EQ(actions[0]->text(), "目盛");
    EXPECT_EQ(actions[1]->objectName(), "b");
    EXPECT_EQ(actions[1]->text(), "戻る");
    for (QAction* a : actions) {
        EXPECT_EQ(a->menu(), nullptr);
        EXPECT_TRUE(a->shortcut().isEmpty());
    }
}

TEST_F(Layout, FocusStartsInTheStartBoxAndFollowsTheDesignedOrder) {
    ScreenRegistry::present(screen());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen()));
    ASSERT_EQ(QApplication::focusWidget(), control<QLineEdit>("変域(0)"));
    auto order = [&] {
        QStringList names;
        for (int i = 0; i < 9; ++i) {
            names << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return names;
    };
    // The hidden list takes no focus.
    EXPECT_EQ(order(), QStringList({"変域(0)", "変域(1)", "図", "解析", "式", "精度コンボ", "計算", "グラフ",
                                    "変域(0)"}));
    control<ResultList>("解リスト")->show();
    control<QLineEdit>("変域(0)")->setFocus();
    EXPECT_EQ(order(), QStringList({"変域(0)", "変域(1)", "図", "解析", "式", "精度コンボ", "計算",
                                    "解リスト", "グラフ"}));
}

TEST_F(Layout, LoadSetsPrecisionAndFillsTheCombo) {
    state(kalvex).precision = 0.5;
    screen();  // the first use opens and loads it
    EXPECT_EQ(state(kalvex).precision, 0.1);
    ASSERT_EQ(control<QComboBox>("精度コンボ")->count(), 20);
    EXPECT_EQ(control<QComboBox>("精度コンボ")->itemText(0), "0.01");
    EXPECT_EQ(control<QComboBox>("精度コンボ")->itemText(1), "0.001");
    EXPECT_EQ(control<QComboBox>("精度コンボ")->itemText(2), "0.0001");
    EXPECT_EQ(control<QComboBox>("精度コンボ")->itemText(3), "1E-05");
    EXPECT_EQ(control<QComboBox>("精度コンボ")->itemText(19), "1E-21");
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(control<QComboBox>("精度コンボ")->itemText(i).contains(QRegularExpression("^(0\\.0*1|1E-\\d\\d)$")));
    EXPECT_EQ(control<QComboBox>("精度コンボ")->currentText(), "1E-07");
    EXPECT_TRUE(control<QComboBox>("精度コンボ")->isEditable());
    EXPECT_TRUE(control<QLineEdit>("変域(0)")->text().isEmpty());
    EXPECT_TRUE(control<QLineEdit>("変域(1)")->text().isEmpty());
}

TEST_F(Layout, ClosingUnloadsAndTheNextShowLoadsAgain) {
    control<QLineEdit>("変域(0)")->setText("4");
    screen().close();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(registry->analysisIfOpen(), nullptr);
    state(kalvex).precision = 0.5;
    EXPECT_TRUE(control<QLineEdit>("変域(0)")->text().isEmpty());
    EXPECT_EQ(state(kalvex).precision, 0.1);
}

TEST_F(Layout, EveryActivationCopiesTheFormula) {
    find<QLabel>(&registry->setting(), QString::fromUtf8("siki"))->setText("F(x)=1･X^2");
    ScreenRegistry::present(screen());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen()));
    EXPECT_EQ(control<QLabel>("式ラベル")->text(), "F(x)=1･X^2");
    EXPECT_GT(control<QLabel>("式ラベル")->width(), twipsToPixels(135));  // sized to its text

    find<QLabel>(&registry->setting(), QString::fromUtf8("siki"))->setText("F(x)=-2");
    ScreenRegistry::present(registry->setting());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&registry->setting()));
    EXPECT_EQ(control<QLabel>("式ラベル")->text(), "F(x)=1･X^2");
    ScreenRegistry::present(screen());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen()));
    EXPECT_EQ(control<QLabel>("式ラベル")->text(), "F(x)=-2");
    EXPECT_TRUE(control<QLabel>("式ラベル")->toolTip().isEmpty());

    // Twenty terms do not fit: the label ends in "…" inside the window,
    // where it was designed, and the whole F is its tool tip.
    QString twenty = "F(x)=";
    for (int i = 1; i <= 20; ++i) twenty += QString("+%1.25･Sin(%1･X^3+0.5)").arg(i);
    find<QLabel>(&registry->setting(), QString::fromUtf8("siki"))->setText(twenty);
    screen().formulaChanged(twenty);
    const QLabel& label = *control<QLabel>("式ラベル");
    EXPECT_TRUE(label.text().endsWith(QChar(0x2026)));
    EXPECT_TRUE(twenty.startsWith(label.text().chopped(1)));
    EXPECT_EQ(label.toolTip(), twenty);
    EXPECT_LE(label.geometry().right(), label.parentWidget()->width() - label.x());
    EXPECT_EQ(label.pos(), twipsRect(165, 1335, 135, 285).topLeft());
}

TEST_F(Graph, EmptyStartCountsAsZeroAndTheTicksAreShown) {
    squareMinusTwo();
    graph("", "5");
    EXPECT_EQ(state(kalvex).rangeStart, 0);
    EXPECT_EQ(state(kalvex).rangeEnd, 5);
    EXPECT_EQ(state(kalvex).precision, 1e-7);  // the combo is read by the graph command
    EXPECT_EQ(control<QLabel>("軸幅(0)")->text(), "0.1");
    EXPECT_EQ(control<QLabel>("軸幅(1)")->text(), "1");  // F runs from -2 to 23
    EXPECT_TRUE(screen().isVisible());
    EXPECT_TRUE(kalvex.hasGraph());
    EXPECT_TRUE(takeMessages().empty());
}

TEST_F(Graph, BothBoxesEmptyDoNothingButStoreZeroes) {
    squareMinusTwo();
    graph("-3", "3");
    typePrecision("0.5");
    state(kalvex).rangeStart = 9;
    state(kalvex).evalX = 12.5;  // any evaluation moves it
    graph("", "");
    EXPECT_EQ(state(kalvex).rangeStart, 0);
    EXPECT_EQ(state(kalvex).rangeEnd, 0);
    EXPECT_EQ(state(kalvex).precision, 1e-7);
    EXPECT_EQ(state(kalvex).evalX, 12.5);
    EXPECT_EQ(control<QLabel>("軸幅(0)")->text(), "0.1");
    EXPECT_TRUE(takeMessages().empty());
}

TEST_F(Graph, ZeroRangeShowsTheMessageAndStillWritesTheTickLabels) {
    squareMinusTwo();
    graph("3", "3");
    EXPECT_EQ(takeMessages(), Texts{messages::rangeOrDivisions});
    EXPECT_EQ(control<QLabel>("軸幅(0)")->text(), "0");
    EXPECT_EQ(control<QLabel>("軸幅(1)")->text(), "0");
    EXPECT_FALSE(kalvex.hasGraph());
}

TEST_F(Graph, FailingScanKeepsTheLastTicksInTheLabels) {
    addTerm(4, 1, 1, 1, 5);  // ln(x + 5)
    graph("1", "100");
    EXPECT_EQ(control<QLabel>("軸幅(0)")->text(), "1");
    graph("-10", "1");
    EXPECT_EQ(takeMessages(), Texts{messages::logArgument});
    EXPECT_EQ(control<QLabel>("軸幅(0)")->text(), "1");
}

TEST_F(Graph, TypedPrecisionIsUsedAndARefusedOneKeepsTheLastGoodOne) {
    squareMinusTwo();
    typePrecision("0.5");
    graph("-3", "3");
    EXPECT_EQ(state(kalvex).precision, 0.5);
    for (const char* refused : {"0", "-1", "abc", "1e-400"}) {
        typePrecision(refused);
        kalvex.setTickSteps({0, kalvex.tickSteps().y});
        graph("-3", "3");
        EXPECT_EQ(state(kalvex).precision, 0.5) << refused;
        EXPECT_TRUE(kalvex.hasGraph()) << refused;  // drawn all the same
    }
    EXPECT_TRUE(takeMessages().empty());
}

// Typed key by key, as completion would see it, then used by the analysis.
TEST_F(AutoAnalysis, PrecisionBoxHoldsExactlyWhatIsTyped) {
    squareMinusTwo();
    ScreenRegistry::present(screen());
    QComboBox* combo = control<QComboBox>("精度コンボ");
    struct Case {
        const char* typed;
        QStringList roots;  // the first two entries
        Texts messages;
    };
    const Case cases[] = {
        {"1", {"-2", "1"}, {}},
        {"1E-1", {"-1.5", "1.4"}, {}},
        {"1E-2", {"-1.42", "1.41"}, {}},
        {"0.0", {}, {messages::precisionPositive}},
    };
    typeRange("-3", "3");
    QApplication::setActiveWindow(&screen());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen()));  // completion needs the focus
    for (const Case& c : cases) {
        control<ResultList>("解リスト")->clear();
        combo->setFocus();
        combo->lineEdit()->selectAll();
        QTest::keyClick(combo, Qt::Key_Backspace);
        QTest::keyClicks(combo, c.typed);
        EXPECT_EQ(combo->currentText(), c.typed);
        click(control<QPushButton>("解析"));
        EXPECT_EQ(combo->currentText(), c.typed) << "after the click";
        EXPECT_EQ(takeMessages(), c.messages) << c.typed;
        EXPECT_EQ(listed().mid(0, 2), c.roots) << c.typed;
    }
    // Choosing from the drop-down still puts the entry's text in the box.
    combo->showPopup();
    QTest::keyClick(combo->view(), Qt::Key_Down);
    QTest::keyClick(combo->view(), Qt::Key_Return);
    EXPECT_NE(combo->currentText(), "0.0");
    EXPECT_EQ(combo->currentText(), combo->itemText(combo->currentIndex()));
}

// exp(100x) - exp(50) reaches 2.7E+43 on 0 to 1, beyond the floats the
// picture is drawn in: said once, nothing drawn, the root still listed.
TEST_F(AutoAnalysis, FunctionBeyondTheFloatsIsNotDrawnButAnalysed) {
    addTerm(2, 1, 100, 1, 0);
    addTerm(2, -1, 0, 1, 50);
    ScreenRegistry::present(screen());
    const QImage blank = picture();
    graph("0", "1");
    EXPECT_EQ(takeMessages(), Texts{messages::valueTooLarge});
    EXPECT_EQ(picture(), blank);
    analyse("0", "1", "1E-07");
    EXPECT_EQ(takeMessages(), Texts{messages::valueTooLarge});
    EXPECT_EQ(picture(), blank);
    ASSERT_FALSE(listed().isEmpty());
    EXPECT_NEAR(listed()[0].toDouble(), 0.5, 1e-6);
}

TEST_F(AutoAnalysis, SquareMinusTwoListsBothRootsAndShowsTheList) {
    squareMinusTwo();
    analyse("-3", "3", "1E-07");
    EXPECT_EQ(listed(), QStringList({"-1.4142136", "1.4142135"}));
    EXPECT_FALSE(control<ResultList>("解リスト")->isHidden());
    EXPECT_FALSE(control<QLabel>("Label1")->isHidden());
    EXPECT_TRUE(takeMessages().empty());
    // The graph command alone writes the tick labels.
    EXPECT_EQ(control<QLabel>("軸幅(0)")->text(), "");

    analyse("3", "-3", "1E-07");
    EXPECT_EQ(listed(), QStringList({"1.4142135", "-1.4142136"}));
}

TEST_F(AutoAnalysis, AtOneTenthTheFineHitsFollowTheRoots) {
    squareMinusTwo();
    analyse("-3", "3", "0.1");
    const QStringList texts = listed();
    ASSERT_EQ(texts.size(), 238);
    EXPECT_EQ(texts[0], "-1.5");
    EXPECT_EQ(texts[1], "1.4");
    // A second run starts afresh.
    analyse("-3", "3", "1E-07");
    EXPECT_EQ(listed().size(), 2);
}

TEST_F(AutoAnalysis, TenThousandFineHitsFillTheListQuickly) {
    // F is within the precision everywhere: every fine point is listed.
    addTerm(7, 0, 0, 0, 0, 1e-9f);
    ScreenRegistry::present(screen());
    QElapsedTimer timer;
    timer.start();
    analyse("0", "1", "0.1");
    QApplication::processEvents();
    EXPECT_LT(timer.elapsed(), 3000);
    EXPECT_GE(control<ResultList>("解リスト")->count(), 10000);
    EXPECT_EQ(control<ResultList>("解リスト")->text(0), "0");
    EXPECT_EQ(control<ResultList>("解リスト")->text(control<ResultList>("解リスト")->count() - 1), "0.9");
}

TEST_F(AutoAnalysis, ChosenEntriesAndTheManualRootAreCopiedAsListed) {
    squareMinusTwo();
    ScreenRegistry::present(screen());
    analyse("-3", "3", "0.1");
    ResultList* list = control<ResultList>("解リスト");
    ASSERT_EQ(list->count(), 238);
    QClipboard* clipboard = QApplication::clipboard();
    auto rowCentre = [&](int row) { return list->visualRect(list->model()->index(row, 0)).center(); };

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(0));
    QTest::keySequence(list, QKeySequence::Copy);
    EXPECT_EQ(clipboard->text(), list->text(0) + "\n" + list->text(2));  // list order, not click order

    QTest::keySequence(list, QKeySequence::SelectAll);
    QTest::keySequence(list, QKeySequence::Copy);
    const QStringList all = clipboard->text().split('\n');
    ASSERT_EQ(all.size(), 238);
    EXPECT_EQ(all.front(), "-1.5");
    EXPECT_EQ(all, listed());

    list->clearSelection();
    clipboard->clear();
    list->copyAllAction->trigger();
    EXPECT_EQ(clipboard->text().count('\n'), 237);

    // Nothing chosen: Ctrl+C leaves what the user copied before.
    list->clearSelection();
    clipboard->setText("kept");
    QTest::keySequence(list, QKeySequence::Copy);
    EXPECT_EQ(clipboard->text(), "kept");

    control<QLabel>("手動解")->setText("1.4142135");
    action("手動解コピー")->trigger();
    EXPECT_EQ(clipboard->text(), "1.4142135");
}

TEST_F(AutoAnalysis, FailuresKeepTheListAsTheirStepLeavesIt) {
    squareMinusTwo();
    analyse("-3", "3", "1E-07");
    ASSERT_EQ(listed().size(), 2);
    kalvex.replaceTerms({});

    // In the scan: the list stays, with its old entries.
    addTerm(4, 1, 1, 1, 0);  // ln x
    analyse("-1", "1", "0.1");
    EXPECT_EQ(takeMessages(), (Texts{messages::logArgument, messages::notComputableInRange}));
    EXPECT_EQ(listed().size(), 2);

    // Only in the plot's samples beyond the range: three messages.
    analyse("0.01", "1", "0.1");
    EXPECT_EQ(takeMessages(),
              (Texts{messages::logArgument, messages::notComputableReached, messages::notComputableInRange}));
    EXPECT_EQ(listed().size(), 2);
}

TEST_F(AutoAnalysis, RefusedPrecisionSaysSoAndDrawsNothing) {
    squareMinusTwo();
    analyse("-3", "3", "0");
    EXPECT_EQ(takeMessages(), Texts{messages::precisionPositive});
    EXPECT_EQ(state(kalvex).precision, 0.1);
    EXPECT_FALSE(kalvex.hasGraph());
    EXPECT_TRUE(control<ResultList>("解リスト")->isHidden());
}

TEST_F(Navigation, CalculationHidesTheResultsThenOpensItsScreen) {
    squareMinusTwo();
    analyse("-3", "3", "1E-07");
    click(control<QPushButton>("計算"));
    EXPECT_TRUE(control<ResultList>("解リスト")->isHidden());
    EXPECT_TRUE(control<QLabel>("Label1")->isHidden());
    ASSERT_NE(registry->calculationIfOpen(), nullptr);
    EXPECT_TRUE(registry->calculationIfOpen()->isVisible());
}

TEST_F(Navigation, BackAndTicks) {
    squareMinusTwo();
    ScreenRegistry::present(screen());
    click(control<QPushButton>("式"));
    ASSERT_NE(registry->settingIfOpen(), nullptr);
    EXPECT_TRUE(registry->settingIfOpen()->isVisible());
    registry->settingIfOpen()->hide();
    action("b")->trigger();
    EXPECT_TRUE(registry->settingIfOpen()->isVisible());
    EXPECT_TRUE(screen().isVisible());  // going back never closes this screen

    action("m")->trigger();
    ASSERT_NE(registry->ticksIfOpen(), nullptr);
}

TEST_F(Navigation, PictureCommandsWithoutAGraphSaySoAndWriteNothing) {
    squareMinusTwo();
    ScreenRegistry::present(screen());
    int asked = 0;
    screen().answerPictureTargetWith([&] {
        ++asked;
        return PictureTarget{};
    });
    QApplication::clipboard()->setText("kept");
    action("画像として保存")->trigger();
    action("画像をコピー")->trigger();
    EXPECT_EQ(takeMessages(), (Texts{messages::files::noGraphYet, messages::files::noGraphYet}));
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(QApplication::clipboard()->text(), "kept");
    graph("-3", "3");
    action("画像として保存")->trigger();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(takeMessages().empty());
}
