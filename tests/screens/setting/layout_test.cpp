// SPDX-License-Identifier: GPL-3.0-or-later
// The form as loaded, and what every shape choice does to the formula row.
#include <QAccessible>
#include <QMenuBar>
#include <QToolBar>
#include <map>

#include "designframe.h"
#include "look.h"
#include "twips.h"
#include "settingfixture.h"

namespace {

const char* const rowControls[] = {"枠(0)", "枠(1)",      "枠(2)",     "関数",     "掛けるラベル",
                                   "tein",  "ベキラベル", "括弧(0)",   "括弧(1)",  "Frame4(2)",
                                   "たす",  "Label1",     "Frame4(0)", "Frame4(1)"};

struct ShapeLayout {
    std::vector<std::string> visible;  // of rowControls
    int frame1Left, frame2Left;
    const char* functionCaption;
};

// Shapes 1..7 after a choice made from the start, in this order.
const ShapeLayout layouts[7] = {
    {{"枠(1)", "Label1", "Frame4(0)", "Frame4(1)"}, 105, 7716, ""},
    {{"枠(0)", "枠(1)", "関数", "ベキラベル", "括弧(0)", "括弧(1)", "Frame4(2)", "たす", "Label1",
      "Frame4(0)", "Frame4(1)"},
     2730,
     7716,
     "・ｅ"},
    {{"枠(0)", "枠(1)", "掛けるラベル", "tein", "ベキラベル", "括弧(0)", "括弧(1)", "Frame4(2)", "たす",
      "Label1", "Frame4(0)", "Frame4(1)"},
     2730,
     7716,
     "・ｅ"},
    {{"枠(0)", "枠(1)", "関数", "括弧(0)", "括弧(1)", "Frame4(2)", "たす", "Label1", "Frame4(0)",
      "Frame4(1)"},
     2730,
     7716,
     "・Log"},
    {{"枠(0)", "枠(1)", "関数", "括弧(0)", "括弧(1)", "Frame4(2)", "たす", "Label1", "Frame4(0)",
      "Frame4(1)"},
     2730,
     7716,
     "・Sin"},
    {{"枠(0)", "枠(1)", "関数", "括弧(0)", "括弧(1)", "Frame4(2)", "たす", "Label1", "Frame4(0)",
      "Frame4(1)"},
     2730,
     7716,
     "・Cos"},
    {{"枠(2)"}, 2730, 105, "・Cos"},
};

}  // namespace

using SettingLayout = SettingTest;

TEST_F(SettingLayout, LoadsInTheFirstShapesLayout) {
    EXPECT_EQ(screen.windowTitle(), QString::fromUtf8("方程式の解法　　(方程式設定画面）"));
    EXPECT_EQ(screen.objectName(), QString::fromUtf8("方程式"));
    EXPECT_EQ(screen.pos(), QPoint(twipsToPixels(576), twipsToPixels(588)));
    EXPECT_EQ(screen.centralWidget()->size(), QSize(twipsToPixels(11592), twipsToPixels(5988)));
    EXPECT_EQ(kalvex.chosenShape(), 1);
    EXPECT_TRUE(find<QRadioButton>(&screen, QString::fromUtf8("f(0)"))->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), find<QRadioButton>(&screen, QString::fromUtf8("f(0)")));
    const char* captions[7] = {"x^n", "e", "a^x", "log", "sin", "cos", "定数"};
    for (int i = 0; i < 7; ++i) {
        QRadioButton* option = find<QRadioButton>(&screen, QString("f(%1)").arg(i));
        EXPECT_EQ(option->text(), QString::fromUtf8(captions[i]));
        EXPECT_EQ(option->pos(), QPoint(twipsToPixels(240), twipsToPixels(400 * i + 240)));
    }
    EXPECT_FALSE(find<QPushButton>(&screen, QString::fromUtf8("削除"))->isEnabled());
    EXPECT_TRUE(find<QPushButton>(&screen, QString::fromUtf8("追加"))->isEnabled());
    EXPECT_EQ(find<QPushButton>(&screen, QString::fromUtf8("削除"))->text(), QString::fromUtf8("削 除"));
    EXPECT_FALSE(find<DesignFrame>(&screen, QString::fromUtf8("推定枠"))->isVisible());
    EXPECT_FALSE(find<DesignFrame>(&screen, QString::fromUtf8("形状枠"))->isVisible());
    EXPECT_EQ(formula(), "F(x)=");
    EXPECT_EQ(find<QLabel>(&screen, QString::fromUtf8("数"))->text(), "");
    EXPECT_EQ(find<QToolBar>(&screen, QString::fromUtf8("Toolbar1"))->geometry(), twipsRect(0, 0, 11592, 756));
    EXPECT_EQ(find<DesignFrame>(&screen, QString::fromUtf8("推定枠"))->geometry(), twipsRect(6555, 2910, 4755, 2895));
    EXPECT_EQ(find<QWidget>(&screen, "Frame3")->geometry(), twipsRect(195, 180, 1320, 720));
    EXPECT_EQ(find<QWidget>(&screen, "x値")->geometry(), twipsRect(435, 225, 690, 375));
    EXPECT_EQ(find<QLabel>(&screen, QString::fromUtf8("解"))->geometry(), twipsRect(144, 360, 2988, 456));
    EXPECT_EQ(find<QListWidget>(&screen, QString::fromUtf8("式"))->geometry(), twipsRect(165, 300, 765, 2028));
}

TEST_F(SettingLayout, FontsAndAccessibleNames) {
    const std::map<std::string, std::string> names = {
        {"頭", "各項の係数"}, {"入力(0)", "係数"}, {"入力(1)", "次数"}, {"入力(2)", "定数"},
        {"定数", "定数"},     {"x値", "Xの数値"},  {"tein", "底"}};
    for (const auto& [box, name] : names) {
        QLineEdit* edit = find<QLineEdit>(&screen, QString::fromUtf8(box.c_str()));
        EXPECT_EQ(edit->accessibleName().toStdString(), name) << box;
        EXPECT_EQ(QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Name).toStdString(), name);
        EXPECT_EQ(edit->font().family(), QString::fromUtf8(msPGothic)) << box;
        EXPECT_EQ(edit->font().pointSizeF(), 12.0) << box;
        // Where the Windows face is absent, its stand-in with the same metrics.
        const QString shown = QFontInfo(edit->font()).family();
        EXPECT_TRUE(shown == QString::fromUtf8(msPGothic) || shown == "IPAPGothic") << shown.toStdString();
    }
    EXPECT_EQ(find<QRadioButton>(&screen, QString::fromUtf8("f(3)"))->font().family(), QString::fromUtf8(msPGothic));
    EXPECT_EQ(find<QLabel>(&screen, QString::fromUtf8("関数"))->font().pointSizeF(), 18.0);
    EXPECT_EQ(find<QLabel>(&screen, QString::fromUtf8("括弧(1)"))->font().pointSizeF(), 18.0);
    EXPECT_EQ(find<QLabel>(&screen, QString::fromUtf8("Label1"))->font().pointSizeF(), 17.4);
    EXPECT_TRUE(find<QLabel>(&screen, QString::fromUtf8("Label1"))->font().bold());
    EXPECT_EQ(find<QLabel>(&screen, QString::fromUtf8("たす"))->font().pointSizeF(), 15.6);
}

TEST_F(SettingLayout, EveryShapeRearrangesTheFormulaRow) {
    for (int option = 0; option < 7; ++option) {
        choose(option);
        SCOPED_TRACE(option);
        EXPECT_EQ(kalvex.chosenShape(), option + 1);
        const ShapeLayout& expected = layouts[option];
        for (const char* name : rowControls) {
            const bool shouldShow =
                std::find(expected.visible.begin(), expected.visible.end(), name) != expected.visible.end();
            EXPECT_EQ(find<QWidget>(&screen, QString::fromUtf8(name))->isVisible(), shouldShow) << name;
        }
        EXPECT_EQ(find<DesignFrame>(&screen, QString::fromUtf8("枠(1)"))->x(), twipsToPixels(expected.frame1Left));
        EXPECT_EQ(find<DesignFrame>(&screen, QString::fromUtf8("枠(2)"))->x(), twipsToPixels(expected.frame2Left));
        EXPECT_EQ(find<DesignFrame>(&screen, QString::fromUtf8("枠(0)"))->x(), twipsToPixels(105));
        EXPECT_EQ(find<QLabel>(&screen, QString::fromUtf8("関数"))->text(), QString::fromUtf8(expected.functionCaption));
    }
    // Back from the constant: its frame hides again at its far position.
    choose(1);
    EXPECT_FALSE(find<DesignFrame>(&screen, QString::fromUtf8("枠(2)"))->isVisible());
    EXPECT_EQ(find<DesignFrame>(&screen, QString::fromUtf8("枠(2)"))->x(), twipsToPixels(7716));
    EXPECT_TRUE(find<DesignFrame>(&screen, QString::fromUtf8("枠(0)"))->isVisible());
    EXPECT_TRUE(find<DesignFrame>(&screen, QString::fromUtf8("枠(1)"))->isVisible());
    EXPECT_EQ(find<DesignFrame>(&screen, QString::fromUtf8("枠(1)"))->x(), twipsToPixels(2730));
}

TEST_F(SettingLayout, OnlyANewShapeEmptiesTheBoxesButNotTheBase) {
    const char* boxes[] = {"頭", "入力(0)", "入力(1)", "入力(2)", "定数"};
    auto texts = [&] {
        std::vector<QString> all;
        for (const char* box : boxes) all.push_back(find<QLineEdit>(&screen, QString::fromUtf8(box))->text());
        return all;
    };
    const std::vector<QString> typed(std::size(boxes), "7"), empty(std::size(boxes));
    choose(2);
    for (const char* box : {"頭", "入力(0)", "入力(1)", "入力(2)", "定数", "tein"}) type(box, "7");
    choose(2);  // the shape already chosen: what is typed stays
    EXPECT_EQ(texts(), typed);
    choose(3);
    EXPECT_EQ(texts(), empty);
    EXPECT_EQ(find<QLineEdit>(&screen, QString::fromUtf8("tein"))->text(), "7");
    choose(0);
    EXPECT_FALSE(find<QLineEdit>(&screen, QString::fromUtf8("tein"))->isVisible());
    EXPECT_EQ(find<QLineEdit>(&screen, QString::fromUtf8("tein"))->text(), "7");
}

TEST_F(SettingLayout, ArrowKeyChoosesTheNextShape) {
    type("入力(0)", "5");
    find<QRadioButton>(&screen, QString::fromUtf8("f(0)"))->setFocus();
    QTest::keyClick(find<QRadioButton>(&screen, QString::fromUtf8("f(0)")), Qt::Key_Down);
    EXPECT_TRUE(find<QRadioButton>(&screen, QString::fromUtf8("f(1)"))->isChecked());
    EXPECT_EQ(kalvex.chosenShape(), 2);
    EXPECT_TRUE(find<QWidget>(&screen, "ベキラベル")->isVisible());
    EXPECT_EQ(find<QLineEdit>(&screen, QString::fromUtf8("入力(0)"))->text(), "");
}

TEST_F(SettingLayout, ShapeChoiceKeepsTheTerms) {
    add(0, {{"入力(0)", "3"}, {"入力(1)", "2"}});
    choose(6);
    choose(3);
    EXPECT_EQ(kalvex.termTotal(), 1);
    EXPECT_EQ(formula(), "F(x)=3･X^(2)");
    EXPECT_EQ(find<QLabel>(&screen, QString::fromUtf8("数"))->text(), "1");
    EXPECT_EQ(entries(find<QListWidget>(&screen, QString::fromUtf8("リスト"))), std::vector<std::string>{"3･X^(2)"});
}

TEST_F(SettingLayout, ToolbarAndMenuBar) {
    const QList<QAction*> buttons = find<QToolBar>(&screen, QString::fromUtf8("Toolbar1"))->actions();
    ASSERT_EQ(buttons.size(), 3);
    EXPECT_EQ(buttons[0]->text(), QString::fromUtf8("解法"));
    EXPECT_EQ(buttons[1]->text(), QString::fromUtf8("推定"));
    EXPECT_EQ(buttons[2]->text(), QString::fromUtf8("終了"));
    EXPECT_EQ(find<QToolBar>(&screen, QString::fromUtf8("Toolbar1"))->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    // The first, second and fourth pictures of the image list.
    const int images[3] = {1, 2, 4};
    for (int i = 0; i < 3; ++i) {
        const QImage picture(QString(":/toolbar/image%1.png").arg(images[i]));
        if (picture.isNull()) continue;  // pictures not built in
        EXPECT_EQ(buttons[i]->icon().pixmap(picture.size()).toImage().convertToFormat(picture.format()), picture);
    }

    // The file and edit menus first, then the designed menus as they were.
    std::vector<std::string> bar;
    for (QAction* a : screen.menuBar()->actions())
        bar.push_back(a->objectName().toStdString() + "=" + a->text().toStdString());
    EXPECT_EQ(bar, (std::vector<std::string>{"=ファイル(&F)", "=編集(&E)", "kai=解法", "s=推定", "hh=表示",
                                             "he=ヘルプ", "b=ﾊﾞｰｼﾞｭﾝ", "E=終了"}));
    EXPECT_EQ(screen.menuBar()->actions()[0]->menu(), find<QMenu>(&screen, QString::fromUtf8("ファイル")));
    EXPECT_EQ(screen.menuBar()->actions()[1]->menu(), find<QMenu>(&screen, QString::fromUtf8("編集")));
    ASSERT_NE(find<QAction>(&screen, QString::fromUtf8("hh"))->menu(), nullptr);
    const QList<QAction*> display = find<QAction>(&screen, QString::fromUtf8("hh"))->menu()->actions();
    ASSERT_EQ(display.size(), 2);
    EXPECT_EQ(display[0]->objectName(), "h(1)");
    EXPECT_EQ(display[0]->text(), QString::fromUtf8("表示"));
    EXPECT_EQ(display[1]->objectName(), "h(2)");
    EXPECT_EQ(display[1]->text(), QString::fromUtf8("非表示"));
    for (QAction* a : screen.menuBar()->actions()) EXPECT_TRUE(a->shortcut().isEmpty());
}
