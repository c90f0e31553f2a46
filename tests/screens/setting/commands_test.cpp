// SPDX-License-Identifier: GPL-3.0-or-later
// The estimate panel, the toolbar and the menu bar.
#include <QHelpEvent>
#include <QMenuBar>
#include <QToolBar>
#include <QToolTip>

#include "analysisscreen.h"
#include "helpscreen.h"
#include "versionscreen.h"
#include "messages.h"
#include "designframe.h"
#include "twips.h"
#include "settingfixture.h"

namespace {

class SettingCommands : public SettingTest {
protected:
    void toolbar(const char* key) {
        QWidget* button = find<QToolBar>(&screen, QString::fromUtf8("Toolbar1"))->findChild<QWidget*>(QString::fromUtf8(key));
        ASSERT_NE(button, nullptr) << key;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void menu(QAction* item) {
        QTest::mouseClick(screen.menuBar(), Qt::LeftButton, {},
                          screen.menuBar()->actionGeometry(item).center());
    }
    std::string estimate(const char* x) {
        type("x値", x);
        click(find<QPushButton>(&screen, QString::fromUtf8("計算")));
        return find<QLabel>(&screen, QString::fromUtf8("解"))->text().toStdString();
    }
    // A point of the panel's own background, clear of the controls inside it.
    QPoint panelBackground() const { return twipsRect(2000, 2500, 1, 1).topLeft(); }
};

}  // namespace

TEST_F(SettingCommands, EstimatePanelSumsTheTerms) {
    toolbar("推定");
    EXPECT_TRUE(find<DesignFrame>(&screen, QString::fromUtf8("推定枠"))->isVisible());
    EXPECT_EQ(estimate("2"), "0");  // no terms
    EXPECT_EQ(find<QListWidget>(&screen, QString::fromUtf8("式"))->count(), 0);

    add(0, {{"入力(0)", "3"}, {"入力(1)", "2"}});
    add(6, {{"定数", "1"}});
    EXPECT_EQ(estimate("2"), "13");
    EXPECT_EQ(entries(find<QListWidget>(&screen, QString::fromUtf8("式"))), (std::vector<std::string>{"1", "7"}));
    EXPECT_EQ(estimate(""), "1");  // an empty x is 0
    EXPECT_TRUE(takeMessages().empty());
}

TEST_F(SettingCommands, EstimateShowsTheWidenedFloat) {
    add(0, {{"入力(0)", "0.1"}, {"入力(1)", "1"}});
    find<DesignFrame>(&screen, QString::fromUtf8("推定枠"))->show();
    EXPECT_EQ(estimate("1"), "0.100000001490116");
}

TEST_F(SettingCommands, LogarithmNeedsAPositiveX) {
    add(0, {{"入力(0)", "3"}, {"入力(1)", "2"}});
    add(3, {{"頭", "1"}, {"入力(0)", "1"}, {"入力(1)", "1"}});
    find<DesignFrame>(&screen, QString::fromUtf8("推定枠"))->show();
    EXPECT_EQ(estimate("1"), "3");
    EXPECT_EQ(estimate("-2"), "3");  // 解 keeps its caption
    EXPECT_EQ(takeMessages(), std::vector<std::string>{messages::xRangePositive});
    EXPECT_EQ(find<QListWidget>(&screen, QString::fromUtf8("式"))->count(), 0);
    EXPECT_EQ(estimate(""), "3");
    EXPECT_EQ(takeMessages(), std::vector<std::string>{messages::xRangePositive});

    // Inside the logarithm its own check applies, and the sum is shown.
    add(3, {{"頭", "1"}, {"入力(0)", "-1"}, {"入力(1)", "1"}});
    EXPECT_EQ(estimate("1"), "3");
    EXPECT_EQ(takeMessages(), std::vector<std::string>{messages::logArgument});
    EXPECT_EQ(estimate("4"), "49.3862943611199");  // 3·16 + ln 4 + 0 for the refused ln(-4)
    EXPECT_EQ(find<QListWidget>(&screen, QString::fromUtf8("式"))->count(), 3);
}

TEST_F(SettingCommands, SumBeyondTheDoublesLeavesTheResult) {
    // Each term 1e38·e^622 is about 1.2e308: finite alone, not together.
    add(1, {{"頭", "1e38"}, {"入力(0)", "1"}, {"入力(1)", "1"}});
    find<DesignFrame>(&screen, QString::fromUtf8("推定枠"))->show();
    const std::string first = estimate("622");
    EXPECT_NE(first.find("E+308"), std::string::npos);
    add(1, {{"頭", "1e38"}, {"入力(0)", "1"}, {"入力(1)", "1"}});
    EXPECT_EQ(estimate("622"), first);
    EXPECT_EQ(takeMessages(), std::vector<std::string>{messages::notComputableValue});
}

TEST_F(SettingCommands, PanelHidesOnAClickOnItsOwnBackground) {
    menu(find<QAction>(&screen, QString::fromUtf8("s")));
    ASSERT_TRUE(find<DesignFrame>(&screen, QString::fromUtf8("推定枠"))->isVisible());
    add(6, {{"定数", "4"}});
    EXPECT_EQ(estimate("1"), "4");
    QTest::mouseClick(find<QLabel>(&screen, QString::fromUtf8("解")), Qt::LeftButton);
    QTest::mouseClick(find<DesignFrame>(&screen, QString::fromUtf8("Frame5")), Qt::LeftButton, {}, QPoint(3, find<DesignFrame>(&screen, QString::fromUtf8("Frame5"))->height() - 3));
    QTest::mouseClick(find<QListWidget>(&screen, QString::fromUtf8("式")), Qt::LeftButton);
    EXPECT_TRUE(find<DesignFrame>(&screen, QString::fromUtf8("推定枠"))->isVisible());
    toolbar("推定");  // already shown: nothing changes
    EXPECT_TRUE(find<DesignFrame>(&screen, QString::fromUtf8("推定枠"))->isVisible());
    QTest::mouseClick(find<DesignFrame>(&screen, QString::fromUtf8("推定枠")), Qt::LeftButton, {}, panelBackground());
    EXPECT_FALSE(find<DesignFrame>(&screen, QString::fromUtf8("推定枠"))->isVisible());
    toolbar("推定");
    EXPECT_EQ(find<QLineEdit>(&screen, QString::fromUtf8("x値"))->text(), "1");
    EXPECT_EQ(find<QLabel>(&screen, QString::fromUtf8("解"))->text(), "4");
    EXPECT_EQ(entries(find<QListWidget>(&screen, QString::fromUtf8("式"))), std::vector<std::string>{"7"});
}

TEST_F(SettingCommands, AnalysisOpensOnlyWithATerm) {
    toolbar("解法");
    menu(find<QAction>(&screen, QString::fromUtf8("kai")));
    EXPECT_EQ(takeMessages(), std::vector<std::string>(2, messages::enterFormula));
    EXPECT_EQ(registry->analysisIfOpen(), nullptr);

    add(6, {{"定数", "1"}});
    toolbar("解法");
    EXPECT_TRUE(takeMessages().empty());
    ASSERT_NE(registry->analysisIfOpen(), nullptr);
    EXPECT_TRUE(registry->analysisIfOpen()->isVisible());
    registry->analysisIfOpen()->hide();
    menu(find<QAction>(&screen, QString::fromUtf8("kai")));
    EXPECT_TRUE(registry->analysisIfOpen()->isVisible());

    select(0);
    click(find<QPushButton>(&screen, QString::fromUtf8("削除")));
    registry->analysisIfOpen()->hide();
    toolbar("解法");
    EXPECT_EQ(takeMessages(), std::vector<std::string>{messages::enterFormula});
    EXPECT_FALSE(registry->analysisIfOpen()->isVisible());
}

TEST_F(SettingCommands, BordersAndShapeListSwitchTogether) {
    add(2, {{"頭", "1"}});
    add(6, {{"定数", "1"}});
    EXPECT_TRUE(find<DesignFrame>(&screen, QString::fromUtf8("枠(0)"))->hasBorder());
    find<QAction>(&screen, QString::fromUtf8("h(2)"))->trigger();
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(find<DesignFrame>(&screen, QString::fromUtf8("枠(%1)").arg(i))->hasBorder());
        EXPECT_FALSE(find<DesignFrame>(&screen, QString::fromUtf8("Frame4(%1)").arg(i))->hasBorder());
    }
    EXPECT_FALSE(find<DesignFrame>(&screen, QString::fromUtf8("形状枠"))->isVisible());
    EXPECT_FALSE(find<DesignFrame>(&screen, QString::fromUtf8("枠(0)"))->isVisible());  // shape 7's layout stays
    choose(3);
    EXPECT_FALSE(find<DesignFrame>(&screen, QString::fromUtf8("枠(1)"))->hasBorder());  // survives a shape choice
    // The left edge of the frame, below its caption: window colour without a border.
    auto leftEdge = [this] {
        const QImage image = find<DesignFrame>(&screen, QString::fromUtf8("Frame4(0)"))->grab().toImage();
        return image.pixel(0, image.height() - 3);
    };
    EXPECT_EQ(leftEdge(), screen.palette().color(QPalette::Window).rgb());
    find<QAction>(&screen, QString::fromUtf8("h(1)"))->trigger();
    EXPECT_EQ(leftEdge(), screen.palette().color(QPalette::Mid).rgb());
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(find<DesignFrame>(&screen, QString::fromUtf8("枠(%1)").arg(i))->hasBorder());
        EXPECT_TRUE(find<DesignFrame>(&screen, QString::fromUtf8("Frame4(%1)").arg(i))->hasBorder());
    }
    EXPECT_TRUE(find<DesignFrame>(&screen, QString::fromUtf8("形状枠"))->isVisible());
    EXPECT_FALSE(find<DesignFrame>(&screen, QString::fromUtf8("枠(2)"))->isVisible());
    EXPECT_EQ(entries(find<QListWidget>(&screen, QString::fromUtf8("形状"))), (std::vector<std::string>{"3", "7"}));
}

TEST_F(SettingCommands, HelpVersionAndQuit) {
    menu(find<QAction>(&screen, QString::fromUtf8("he")));
    ASSERT_NE(registry->helpIfOpen(), nullptr);
    EXPECT_TRUE(registry->helpIfOpen()->isVisible());
    menu(find<QAction>(&screen, QString::fromUtf8("b")));
    ASSERT_NE(registry->versionIfOpen(), nullptr);
    EXPECT_TRUE(registry->versionIfOpen()->isVisible());
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_EQ(endRequests, 0);
    toolbar("終了");
    EXPECT_EQ(endRequests, 1);
    menu(find<QAction>(&screen, QString::fromUtf8("E")));
    EXPECT_EQ(endRequests, 2);
}

TEST_F(SettingCommands, ToolbarShowsNoToolTips) {
    QWidget* button = find<QToolBar>(&screen, QString::fromUtf8("Toolbar1"))->findChild<QWidget*>(QString::fromUtf8("解法"));
    ASSERT_NE(button, nullptr);
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(button, &help);
    EXPECT_TRUE(QToolTip::text().isEmpty());
    QToolTip::hideText();
}

TEST_F(SettingCommands, CloseBoxOnlyHides) {
    add(6, {{"定数", "5"}});
    EXPECT_TRUE(screen.close());
    QApplication::processEvents();
    ASSERT_EQ(registry->settingIfOpen(), &screen);
    EXPECT_FALSE(screen.isVisible());
    registry->showSettingScreen();
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(formula(), "F(x)=+5");
    EXPECT_EQ(entries(find<QListWidget>(&screen, QString::fromUtf8("リスト"))), std::vector<std::string>{"5"});
}
