// SPDX-License-Identifier: GPL-3.0-or-later
// Adding terms (checks, storage, texts) and deleting them.
#include "terms.h"

#include <limits>

#include "messages.h"
#include "settingfixture.h"

using SettingTerms = SettingTest;

TEST_F(SettingTerms, FirstConstantKeepsItsPlusInTheFormula) {
    add(6, {{"定数", "5"}});
    EXPECT_EQ(kalvex.termTextOf(1), "+5");
    EXPECT_EQ(entries(find<QListWidget>(&screen, QString::fromUtf8("リスト"))), std::vector<std::string>{"5"});
    EXPECT_EQ(formula(), "F(x)=+5");
    EXPECT_EQ(kalvex.formulaLine(), "F(x)=+5");
    EXPECT_EQ(find<QLabel>(&screen, QString::fromUtf8("数"))->text(), "1");
    EXPECT_EQ(entries(find<QListWidget>(&screen, QString::fromUtf8("形状"))), std::vector<std::string>{"7"});
    EXPECT_TRUE(find<QPushButton>(&screen, QString::fromUtf8("削除"))->isEnabled());
    EXPECT_TRUE(takeMessages().empty());
}

TEST_F(SettingTerms, LaterTermsTakeTheirSignsFromTheTexts) {
    add(0, {{"入力(0)", "3"}, {"入力(1)", "2"}});
    EXPECT_EQ(formula(), "F(x)=3･X^(2)");
    add(0, {{"入力(0)", "-3"}, {"入力(1)", "2"}});
    EXPECT_EQ(kalvex.termTextOf(2), "-3･X^(2)");
    EXPECT_EQ(formula(), "F(x)=3･X^(2)-3･X^(2)");
    add(0, {{"入力(0)", "+3"}, {"入力(1)", "2"}});
    EXPECT_EQ(kalvex.termTextOf(3), "++3･X^(2)");
    add(1, {{"頭", "2"}, {"入力(0)", "1"}, {"入力(1)", "1"}, {"入力(2)", "0"}});
    EXPECT_EQ(kalvex.termTextOf(4), "+2･exp(1･X^1)");
    add(6, {{"定数", "0"}});
    EXPECT_EQ(entries(find<QListWidget>(&screen, QString::fromUtf8("リスト"))),
              (std::vector<std::string>{"3･X^(2)", "-3･X^(2)", "+3･X^(2)", "2･exp(1･X^1)", "0"}));
    EXPECT_EQ(formula(), "F(x)=3･X^(2)-3･X^(2)++3･X^(2)+2･exp(1･X^1)0");
    EXPECT_EQ(entries(find<QListWidget>(&screen, QString::fromUtf8("形状"))), (std::vector<std::string>{"1", "1", "1", "2", "7"}));
    EXPECT_EQ(find<QLabel>(&screen, QString::fromUtf8("数"))->text(), "5");
}

TEST_F(SettingTerms, ExamplesOfEveryBracketedShape) {
    find<QLineEdit>(&screen, QString::fromUtf8("tein"))->setText("3");
    add(2, {{"頭", "2"}, {"入力(0)", "4"}, {"入力(1)", "2"}, {"入力(2)", "5"}});
    EXPECT_EQ(formula(), "F(x)=2･3^(4･X^2+5)");
    add(3, {{"頭", "1"}, {"入力(0)", "1"}, {"入力(1)", "1"}, {"入力(2)", "-1"}});
    add(3, {{"頭", "1"}, {"入力(0)", "1"}, {"入力(1)", "1"}, {"入力(2)", "1"}});
    add(3, {{"頭", "1"}, {"入力(0)", "1"}, {"入力(1)", "1"}, {"入力(2)", "+1"}});
    EXPECT_EQ(kalvex.termTextOf(2), "+1･Log(1･X^1-1)");
    EXPECT_EQ(kalvex.termTextOf(3), "+1･Log(1･X^1+1)");
    EXPECT_EQ(kalvex.termTextOf(4), "+1･Log(1･X^1+1)");
    add(4, {{"頭", "-2"}, {"入力(1)", "3"}});  // b may be empty for shapes 2 to 6
    EXPECT_EQ(kalvex.termTextOf(5), "-2･Sin(･X^3)");
    add(5, {{"頭", "1"}, {"入力(0)", "2"}, {"入力(1)", "1"}, {"入力(2)", "3"}});
    EXPECT_EQ(kalvex.termTextOf(6), "+1･Cos(2･X^1+3)");
    EXPECT_TRUE(takeMessages().empty());
}

TEST_F(SettingTerms, StoresEveryColumnAsA32BitFloat) {
    find<QLineEdit>(&screen, QString::fromUtf8("tein"))->setText("7.5");
    add(1, {{"頭", "0.1"}, {"入力(0)", " 1 2"}, {"入力(1)", "-0.5x"}, {"入力(2)", "abc"}});
    EXPECT_EQ(static_cast<int>(first().shape), 2);
    EXPECT_EQ(first().a, 0.1f);
    EXPECT_EQ(first().b, 12.0f);
    EXPECT_EQ(first().n, -0.5f);
    EXPECT_EQ(first().c, 0.0f);
    EXPECT_EQ(first().k, 0.0f);
    EXPECT_EQ(first().m, 7.5f);  // tein is read for every shape
    EXPECT_EQ(kalvex.termTextOf(1), "0.1･exp( 1 2･X^-0.5x)");
    // The boxes keep their texts: one more click adds the same term again.
    click(find<QPushButton>(&screen, QString::fromUtf8("追加")));
    EXPECT_EQ(kalvex.termTotal(), 2);
    EXPECT_EQ(kalvex.termTextOf(2), "+0.1･exp( 1 2･X^-0.5x)");
}

TEST_F(SettingTerms, ChecksRefuseWithTheirMessagesInOrder) {
    add(6, {});
    EXPECT_EQ(takeMessages(), std::vector<std::string>{messages::nothingEntered});
    add(1, {{"入力(0)", "1"}});
    EXPECT_EQ(takeMessages(), std::vector<std::string>{messages::coefficientRequired});
    add(0, {{"入力(1)", "2"}});  // the power term needs b, not the hidden 頭
    EXPECT_EQ(takeMessages(), std::vector<std::string>{messages::coefficientRequired});
    EXPECT_EQ(kalvex.termTotal(), 0);
    EXPECT_EQ(find<QListWidget>(&screen, QString::fromUtf8("リスト"))->count(), 0);
    EXPECT_EQ(formula(), "F(x)=");
    EXPECT_FALSE(find<QPushButton>(&screen, QString::fromUtf8("削除"))->isEnabled());
    EXPECT_EQ(find<QLineEdit>(&screen, QString::fromUtf8("入力(1)"))->text(), "2");  // a refusal leaves the boxes as typed

    add(0, {{"入力(0)", " "}, {"入力(1)", ""}});  // a blank is not empty
    add(6, {{"定数", " "}});
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_EQ(kalvex.termTotal(), 2);
    EXPECT_EQ(formula(), "F(x)= ･X^() ");  // the blanks go into the term texts
}

TEST_F(SettingTerms, TwentyTermsAtMost) {
    for (int i = 0; i < 20; ++i) add(6, {{"定数", "1"}});
    EXPECT_EQ(kalvex.termTotal(), 20);
    const std::string full = kalvex.formulaLine();
    add(6, {{"定数", "2"}});
    EXPECT_EQ(takeMessages(), std::vector<std::string>{messages::tooManyTerms});
    EXPECT_EQ(kalvex.termTotal(), 20);
    EXPECT_EQ(find<QListWidget>(&screen, QString::fromUtf8("リスト"))->count(), 20);
    EXPECT_EQ(formula(), full);
    // The behaviour's own check still comes first.
    add(6, {{"定数", ""}});
    EXPECT_EQ(takeMessages(), std::vector<std::string>{messages::nothingEntered});
}

TEST_F(SettingTerms, ValuesBeyondTheFloatRangeAreRefusedOnlyWhereUsed) {
    add(0, {{"入力(0)", "1"}, {"入力(1)", "1e39"}});
    add(1, {{"頭", "1"}, {"入力(2)", "-1e39"}});
    find<QLineEdit>(&screen, QString::fromUtf8("tein"))->setText("1e40");
    add(2, {{"頭", "1"}});
    add(6, {{"定数", "1e999"}});
    EXPECT_EQ(takeMessages(), std::vector<std::string>(4, messages::numberTooLarge));
    EXPECT_EQ(kalvex.termTotal(), 0);
    EXPECT_EQ(formula(), "F(x)=");
    // An unused box is stored by the defined narrowing and never read.
    add(1, {{"頭", "2"}, {"入力(0)", "1"}, {"入力(1)", "1"}});
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_EQ(first().m, std::numeric_limits<float>::infinity());
    EXPECT_EQ(kalvex.termTotal(), 1);
    add(6, {{"定数", "3.4e38"}});
    EXPECT_TRUE(takeMessages().empty());
}

TEST_F(SettingTerms, NoShapeChosenIsRefused) {
    kalvex.selectShape(0);
    type("頭", "2");
    click(find<QPushButton>(&screen, QString::fromUtf8("追加")));
    EXPECT_EQ(takeMessages(), std::vector<std::string>{messages::chooseShape});
    find<QLineEdit>(&screen, QString::fromUtf8("頭"))->clear();
    click(find<QPushButton>(&screen, QString::fromUtf8("追加")));
    EXPECT_EQ(takeMessages(), std::vector<std::string>{messages::coefficientRequired});
    EXPECT_EQ(kalvex.termTotal(), 0);
}

TEST_F(SettingTerms, DeletingMovesTheLaterSlotsDown) {
    add(0, {{"入力(0)", "3"}, {"入力(1)", "2"}});
    add(1, {{"頭", "2"}, {"入力(0)", "1"}, {"入力(1)", "1"}, {"入力(2)", "0"}});
    select(0);
    click(find<QPushButton>(&screen, QString::fromUtf8("削除")));
    EXPECT_EQ(entries(find<QListWidget>(&screen, QString::fromUtf8("リスト"))), std::vector<std::string>{"2･exp(1･X^1)"});
    EXPECT_EQ(formula(), "F(x)=2･exp(1･X^1)");
    EXPECT_EQ(kalvex.termTotal(), 1);
    EXPECT_EQ(static_cast<int>(first().shape), 2);
    EXPECT_EQ(kalvex.termTextOf(1), "+2･exp(1･X^1)");
    EXPECT_EQ(first().a, 2.0f);
    EXPECT_EQ(find<QLabel>(&screen, QString::fromUtf8("数"))->text(), "1");
    EXPECT_EQ(entries(find<QListWidget>(&screen, QString::fromUtf8("形状"))), std::vector<std::string>{"2"});

    select(0);
    click(find<QPushButton>(&screen, QString::fromUtf8("削除")));
    EXPECT_EQ(find<QLabel>(&screen, QString::fromUtf8("数"))->text(), "0");
    EXPECT_EQ(formula(), "F(x)=");
    EXPECT_EQ(kalvex.termTotal(), 0);
    EXPECT_EQ(find<QListWidget>(&screen, QString::fromUtf8("形状"))->count(), 0);
    EXPECT_TRUE(find<QPushButton>(&screen, QString::fromUtf8("削除"))->isEnabled());
}

TEST_F(SettingTerms, FormulaAfterADeletionIsBuiltFromTheList) {
    add(0, {{"入力(0)", "3"}, {"入力(1)", "2"}});
    add(6, {{"定数", "0"}});
    add(1, {{"頭", "-1"}, {"入力(0)", "2"}, {"入力(1)", "1"}});
    add(6, {{"定数", "5"}});
    EXPECT_EQ(formula(), "F(x)=3･X^(2)0-1･exp(2･X^1)+5");
    select(3);
    click(find<QPushButton>(&screen, QString::fromUtf8("削除")));
    EXPECT_EQ(formula(), "F(x)=3･X^(2)+0-1･exp(2･X^1)");
    EXPECT_EQ(kalvex.formulaLine(), formula().c_str());
    select(1);
    click(find<QPushButton>(&screen, QString::fromUtf8("削除")));
    EXPECT_EQ(formula(), "F(x)=3･X^(2)-1･exp(2･X^1)");
    // The next addition rebuilds from the term texts again.
    add(6, {{"定数", "0"}});
    EXPECT_EQ(formula(), "F(x)=3･X^(2)-1･exp(2･X^1)0");
}

TEST_F(SettingTerms, NothingSelectedRewritesOnlyTheTexts) {
    add(6, {{"定数", "5"}});
    add(0, {{"入力(0)", "3"}, {"入力(1)", "2"}});
    find<QListWidget>(&screen, QString::fromUtf8("リスト"))->clearSelection();
    find<QListWidget>(&screen, QString::fromUtf8("リスト"))->setCurrentRow(-1);
    const TermTable before = kalvex.termTable();
    click(find<QPushButton>(&screen, QString::fromUtf8("削除")));
    EXPECT_EQ(formula(), "F(x)=5+3･X^(2)");  // the list-based form
    EXPECT_EQ(kalvex.termTotal(), 2);
    EXPECT_EQ(kalvex.termTable().terms, before.terms);
    EXPECT_EQ(kalvex.termTable().termTexts, before.termTexts);
    EXPECT_EQ(entries(find<QListWidget>(&screen, QString::fromUtf8("形状"))), (std::vector<std::string>{"7", "1"}));
}

// The selection goes with its entry: a second click, with nothing chosen
// again, must not take the entry that moved up into its place.
TEST_F(SettingTerms, ASecondClickWithoutANewSelectionDeletesNothing) {
    add(6, {{"定数", "1"}});
    add(6, {{"定数", "2"}});
    add(6, {{"定数", "3"}});
    const QRect second = find<QListWidget>(&screen, QString::fromUtf8("リスト"))->visualItemRect(find<QListWidget>(&screen, QString::fromUtf8("リスト"))->item(1));
    QTest::mouseClick(find<QListWidget>(&screen, QString::fromUtf8("リスト"))->viewport(), Qt::LeftButton, {}, second.center());
    click(find<QPushButton>(&screen, QString::fromUtf8("削除")));
    EXPECT_EQ(entries(find<QListWidget>(&screen, QString::fromUtf8("リスト"))), (std::vector<std::string>{"1", "3"}));
    EXPECT_TRUE(find<QListWidget>(&screen, QString::fromUtf8("リスト"))->selectedItems().isEmpty());
    click(find<QPushButton>(&screen, QString::fromUtf8("削除")));
    EXPECT_EQ(entries(find<QListWidget>(&screen, QString::fromUtf8("リスト"))), (std::vector<std::string>{"1", "3"}));
    EXPECT_EQ(kalvex.termTotal(), 2);
    EXPECT_EQ(kalvex.termTextOf(2), "+3");
    EXPECT_EQ(formula(), "F(x)=1+3");
}

TEST_F(SettingTerms, DeletionCarriesTheBaseWithItsTerm) {
    add(0, {{"入力(0)", "1"}, {"入力(1)", "1"}});
    find<QLineEdit>(&screen, QString::fromUtf8("tein"))->setText("3");
    add(2, {{"頭", "2"}, {"入力(0)", "1"}, {"入力(1)", "1"}});
    double before = 0;
    ASSERT_TRUE(termValueAt(kalvex, 2, 2.0, before));
    select(0);
    click(find<QPushButton>(&screen, QString::fromUtf8("削除")));
    EXPECT_EQ(first().m, 3.0f);
    double after = 0;
    ASSERT_TRUE(termValueAt(kalvex, 1, 2.0, after));
    EXPECT_EQ(after, before);
    EXPECT_EQ(after, 18.0);  // 2·3^(1·2^1)
}

// 1e-50x − 1e-50 would be F ≡ 0 as 32-bit values: refused, as too large
// numbers are; a subnormal value is a value and stays.
TEST_F(SettingTerms, NumbersThatWouldBecomeZeroAreRefused) {
    add(0, {{"入力(0)", "1e-50"}, {"入力(1)", "1"}});
    add(6, {{"定数", "-1e-50"}});
    EXPECT_EQ(takeMessages(), std::vector<std::string>(2, messages::numberTooSmall));
    EXPECT_EQ(kalvex.termTotal(), 0);
    add(6, {{"定数", "1e-40"}});
    EXPECT_EQ(takeMessages(), std::vector<std::string>{});
    EXPECT_EQ(kalvex.termTotal(), 1);
}
