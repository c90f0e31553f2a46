// SPDX-License-Identifier: GPL-3.0-or-later
// The 編集 menu: F typed as one line gives the terms that adding each with
// the boxes gives; every change of the terms is one step back and forth.
#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QTemporaryDir>
#include <QUndoStack>

#include "analysisscreen.h"
#include "document.h"
#include "formuladialog.h"
#include "settingfixture.h"

namespace {

// Everything the screen and the table show of the terms.
struct Shown {
    std::vector<std::string> entries;
    std::string formula, count;
    bool deletable;
    TermTable table;
    bool operator==(const Shown&) const = default;
};

class FormulaLineTest : public SettingTest {
protected:
    Shown shown() {
        return {entries(find<QListWidget>(&screen, QString::fromUtf8("リスト"))), formula(), find<QLabel>(&screen, QString::fromUtf8("数"))->text().toStdString(), find<QPushButton>(&screen, QString::fromUtf8("削除"))->isEnabled(),
                kalvex.termTable()};
    }
    // x³ − 2x + 1 through the boxes.
    void compose() {
        add(0, {{"入力(0)", "1"}, {"入力(1)", "3"}});
        add(0, {{"入力(0)", "-2"}, {"入力(1)", "1"}});
        add(6, {{"定数", "1"}});
    }
    FormulaDialog* dialog() {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return screen.findChild<FormulaDialog*>();
    }
    FormulaDialog* openDialog() {
        find<QAction>(&screen, QString::fromUtf8("式を入力…"))->trigger();
        FormulaDialog* d = dialog();
        EXPECT_NE(d, nullptr);
        return d;
    }
    void retype(FormulaDialog* d, const char* text) {
        d->式の行->selectAll();
        QTest::keyClicks(d->式の行, QString::fromUtf8(text));
    }
    static int cursorX(FormulaDialog* d) {
        return d->式の行->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    }
    bool okEnabled(FormulaDialog* d) { return d->buttons->button(QDialogButtonBox::Ok)->isEnabled(); }
};

}  // namespace

TEST_F(FormulaLineTest, TypedLineGivesWhatAddingEachTermGives) {
    compose();
    const Shown added = shown();
    screen.setTerms({});

    // Ctrl+E from a box, where the box would otherwise take the key.
    QTest::keyClick(find<QLineEdit>(&screen, QString::fromUtf8("入力(0)")), Qt::Key_E, Qt::ControlModifier);
    FormulaDialog* d = dialog();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->式の行->text(), "");
    retype(d, "x^3 - 2x + 1");
    EXPECT_EQ(entries(d->項の一覧), (std::vector<std::string>{"1･X^(3)", "-2･X^(1)", "1"}));
    EXPECT_EQ(d->読み取り->text(), QString::fromUtf8("項の数: 3"));
    EXPECT_TRUE(okEnabled(d));
    QTest::keyClick(d->式の行, Qt::Key_Return);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(shown(), added);

    // Pre-filled with F; a fault shows where reading stopped and cannot be applied.
    d = openDialog();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->式の行->text(), "x^3 - 2x + 1");
    retype(d, "x^3 + x*sin(x)");
    EXPECT_EQ(d->読み取り->text(), QString::fromUtf8("9 文字目: この形の項は使えません: x*sin(x)"));
    EXPECT_EQ(d->項の一覧->count(), 0);
    EXPECT_FALSE(okEnabled(d));
    const QRect mark = d->式の行->markRect();
    d->式の行->setCursorPosition(3);  // the mark stays under "sin", where reading stopped
    EXPECT_EQ(d->式の行->markRect(), mark);
    d->式の行->setCursorPosition(8);
    const int before = cursorX(d);
    d->式の行->setCursorPosition(9);
    EXPECT_GE(mark.left(), before - 1);
    EXPECT_LE(mark.right(), cursorX(d) + 1);
    QTest::keyClick(d->式の行, Qt::Key_Return);  // nothing to apply
    EXPECT_TRUE(d->isVisible());
    retype(d, "x^3 + x*sin(x) + 2");
    EXPECT_FALSE(d->式の行->markRect().isEmpty());
    retype(d, "5");
    EXPECT_TRUE(d->式の行->markRect().isEmpty());
    QTest::keyClick(d->式の行, Qt::Key_Escape);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(shown(), added);
}

TEST_F(FormulaLineTest, CopyPutsTheLineOnTheClipboard) {
    EXPECT_FALSE(find<QAction>(&screen, QString::fromUtf8("式をコピー"))->isEnabled());
    compose();
    find<QAction>(&screen, QString::fromUtf8("式をコピー"))->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "x^3 - 2x + 1");
}

TEST_F(FormulaLineTest, UndoAndRedoShowEveryStepExactly) {
    registry->document().askSave = [] { return Document::Answer::discard; };
    AnalysisScreen& analysis = registry->analysis();
    std::vector<Shown> steps{shown()};
    compose();
    steps.push_back(shown());  // three steps of adding, the last kept
    select(0);
    click(find<QPushButton>(&screen, QString::fromUtf8("削除")));  // the formula rebuilt from the list
    steps.push_back(shown());
    FormulaDialog* d = openDialog();
    retype(d, "2sin(x - 1) + 2^(x)");
    d->buttons->button(QDialogButtonBox::Ok)->click();
    steps.push_back(shown());
    find<QAction>(&screen, QString::fromUtf8("新規作成"))->trigger();
    steps.push_back(shown());
    EXPECT_EQ(steps.back().count, "0");

    auto stepBack = [&](std::size_t to) {
        SCOPED_TRACE(to);
        EXPECT_TRUE(find<QAction>(&screen, QString::fromUtf8("元に戻す"))->isEnabled());
        find<QAction>(&screen, QString::fromUtf8("元に戻す"))->trigger();
        EXPECT_EQ(shown(), steps[to]);
        // No result stays on show under a formula it does not belong to.
        EXPECT_EQ(find<QLabel>(&analysis, QString::fromUtf8("式ラベル"))->text(), find<QLabel>(&screen, QString::fromUtf8("siki"))->text());
    };
    for (std::size_t to = steps.size() - 1; to-- > 1;) stepBack(to);
    // Back through the adding, one term a step.
    for (int i = 0; i < 3; ++i) find<QAction>(&screen, QString::fromUtf8("元に戻す"))->trigger();
    EXPECT_EQ(shown(), steps[0]);
    EXPECT_FALSE(find<QAction>(&screen, QString::fromUtf8("元に戻す"))->isEnabled());
    for (int i = 0; i < 3; ++i) find<QAction>(&screen, QString::fromUtf8("やり直し"))->trigger();
    EXPECT_EQ(shown(), steps[1]);
    for (std::size_t to = 2; to < steps.size(); ++to) {
        QTest::keyClick(&screen, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(shown(), steps[to]) << to;
    }
    EXPECT_FALSE(find<QAction>(&screen, QString::fromUtf8("やり直し"))->isEnabled());
    // A new change after going back leaves no step to redo.
    find<QAction>(&screen, QString::fromUtf8("元に戻す"))->trigger();
    add(6, {{"定数", "4"}});
    EXPECT_FALSE(find<QAction>(&screen, QString::fromUtf8("やり直し"))->isEnabled());
}

TEST_F(FormulaLineTest, SavedStateFollowsTheTermsAndAHundredStepsGoBack) {
    QTemporaryDir folder;
    Document& document = registry->document();
    document.askPath = [&](bool) { return folder.filePath("f.kalvex"); };
    compose();
    ASSERT_TRUE(document.saveAs());
    EXPECT_FALSE(document.modified());
    add(6, {{"定数", "2"}});
    EXPECT_TRUE(document.modified());
    QTest::keyClick(&screen, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(document.modified());
    QTest::keyClick(&screen, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(document.modified());

    for (int i = 0; i < 60; ++i) {
        add(6, {{"定数", "7"}});
        select(kalvex.termTotal() - 1);
        click(find<QPushButton>(&screen, QString::fromUtf8("削除")));
    }
    int back = 0;
    QAction* undo = find<QAction>(&screen, QString::fromUtf8("元に戻す"));
    while (undo->isEnabled()) {
        undo->trigger();
        ++back;
    }
    EXPECT_GE(back, 100);
    if (back == 100) {
        EXPECT_EQ(kalvex.termTotal(), 4);
    }
}

TEST_F(FormulaLineTest, StartsWithATypedLineOrShowsWhereItStopped) {
    screen.startWithFormula("ln(x) + 4x - 3");
    EXPECT_EQ(formula(), "F(x)=1･Log(1･X^1)+4･X^(1)-3");
    EXPECT_EQ(dialog(), nullptr);
    screen.startWithFormula("ln(x) + 4x - ");
    QApplication::processEvents();
    FormulaDialog* d = dialog();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->式の行->text(), "ln(x) + 4x - ");
    EXPECT_EQ(d->読み取り->text(), QString::fromUtf8("14 文字目: 式が途中で終わっています。"));
    EXPECT_FALSE(okEnabled(d));
}

// What an input method commits reads as its plain form; the list shows the
// ASCII texts 追加 would store, and a fault names its column in characters.
TEST_F(FormulaLineTest, InputMethodTextReadsAsItsPlainForm) {
    FormulaDialog* d = openDialog();
    ASSERT_NE(d, nullptr);
    d->式の行->clear();
    QInputMethodEvent typed;
    typed.setCommitString(QString::fromUtf8("ｘ＾２－２・ｘ＋１/x²"));
    QApplication::sendEvent(d->式の行, &typed);
    EXPECT_EQ(entries(d->項の一覧), (std::vector<std::string>{"1･X^(2)", "-2･X^(1)", "1･X^(-2)"}));
    EXPECT_TRUE(okEnabled(d));
    d->式の行->setText(QString::fromUtf8("ｘ＾２ ＋ log10(x)"));
    EXPECT_EQ(d->読み取り->text(), QString::fromUtf8("7 文字目: 使えない名前です: log10"));
    EXPECT_FALSE(okEnabled(d));
}

// A long faulty line, as a command line may give it, neither widens the
// dialog past the screen nor shows more than a cut piece of itself.
TEST_F(FormulaLineTest, ALongFaultKeepsTheDialogOnTheScreen) {
    screen.startWithFormula("sin(" + QString(5000, '(') + "\x1b[2J");
    QApplication::processEvents();
    FormulaDialog* d = dialog();
    ASSERT_NE(d, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(d));
    const QString message = d->読み取り->text();
    EXPECT_TRUE(message.startsWith(QString::fromUtf8("5 文字目: "))) << message.toStdString();
    EXPECT_TRUE(message.endsWith(QString::fromUtf8("…"))) << message.toStdString();
    EXPECT_LT(message.size(), 120);
    EXPECT_LE(d->frameGeometry().width(), d->screen()->availableGeometry().width());
    EXPECT_LE(d->width(), 700);
}
