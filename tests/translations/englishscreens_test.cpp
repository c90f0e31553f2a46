// SPDX-License-Identifier: GPL-3.0-or-later
// The screens in English: the captions read in English, and every caption,
// button, option and menu fits the designed geometry. With KALVEX_SHOTS_DIR
// set, a picture of each screen is saved there for a look.
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <functional>

#include "analysisscreen.h"
#include "certifiedwindow.h"
#include "calculationscreen.h"
#include "equationfile.h"
#include "fixture.h"
#include "helpscreen.h"
#include "versionscreen.h"
#include "messages.h"
#include "designframe.h"
#include "settingscreen.h"
#include "formuladialog.h"
#include "testedlanguage.h"
#include "ticksscreen.h"

// Readable texts in the failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }
QT_END_NAMESPACE

namespace {

bool english() { return testedLanguage == Language::english; }

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

// Each caption that needs more room than its control gives, as
// "name: text (needed > available)". Texts without a Latin letter are
// formula notation, the same in every language and placed by the design.
QStringList cutOff(QWidget* screen) {
    static const QRegularExpression word(QStringLiteral("[A-Za-z]"));
    QStringList faults;
    auto check = [&](const QObject* control, const QString& text, int needed, int available) {
        if (text.contains(word) && needed > available)
            faults << QString("%1: %2 (%3 > %4)").arg(control->objectName(), text).arg(needed).arg(available);
    };
    for (QWidget* w : screen->findChildren<QWidget*>()) {
        const QFontMetrics metrics = w->fontMetrics();
        if (auto* frame = qobject_cast<DesignFrame*>(w)) {
            // The caption sits in a gap of the border, which ends two pixels in.
            if (frame->title().isEmpty()) continue;
            check(frame, frame->title(), frame->captionRect().right() + 1, frame->width() - 2);
            // Nor may a control inside the frame cover the caption's end.
            for (QWidget* inside : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (inside->isVisibleTo(frame) && inside->geometry().intersects(frame->captionRect()))
                    check(frame, frame->title(), frame->captionRect().right() + 1, inside->x());
            }
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text().isEmpty() || label->pixmap().isNull() == false) continue;
            const QRect room = label->contentsRect();
            if (label->wordWrap()) {
                const QRect needed = metrics.boundingRect(room, Qt::TextWordWrap, label->text());
                check(label, label->text(), needed.height(), room.height());
            } else {
                check(label, label->text(), metrics.horizontalAdvance(label->text()), room.width());
            }
        } else if (auto* option = qobject_cast<QRadioButton*>(w)) {
            check(option, option->text(), option->sizeHint().width(), option->width());
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            // The bevel takes a frame's width and a pixel of margin on each side.
            const int bevel =
                2 * (button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button) + 1);
            check(button, button->text(), metrics.horizontalAdvance(button->text()) + bevel, button->width());
        } else if (auto* tool = qobject_cast<QToolButton*>(w)) {
            check(tool, tool->text(), metrics.horizontalAdvance(tool->text()), tool->width());
        } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
            for (QAction* item : bar->actions())
                check(item, item->text(), bar->actionGeometry(item).right() + 1, bar->width());
        }
    }
    return faults;
}

class EnglishScreens : public ScreenTest {
protected:
    // Each screen as a user meets it, with what only some states show made
    // visible, so that every control is measured and pictured.
    std::vector<std::pair<const char*, QWidget*>> everyScreen() {
        SettingScreen& setting = registry->setting();
        find<QRadioButton>(&setting, "f(1)")->click();  // the shape with the most frames
        find<QAction>(&setting, "s")->trigger();        // the estimate panel
        find<QAction>(&setting, "h(1)")->trigger();     // borders and the shape list
        AnalysisScreen& analysis = registry->analysis();
        for (const char* name : {"軸幅枠", "解リスト", "Label1"}) find<QWidget>(&analysis, u(name))->show();
        return {{"setting", &setting},
                {"analysis", &analysis},
                {"ticks", &registry->ticks()},
                {"calculation", &registry->calculation()},
                {"version", &registry->version()},
                {"help", &registry->help()}};
    }

    static void saveShot(QWidget* widget, const QString& name) {
        const QString folder = qEnvironmentVariable("KALVEX_SHOTS_DIR");
        if (folder.isEmpty()) return;
        QDir().mkpath(folder);
        const QString language = english() ? "en" : "ja";
        EXPECT_TRUE(widget->grab().save(QDir(folder).filePath(language + "-" + name + ".png")));
    }
};

TEST_F(EnglishScreens, CaptionsButtonsMenusAndMessagesReadInEnglish) {
    if (!english()) GTEST_SKIP() << "pictures of the Japanese forms only";
    SettingScreen& setting = registry->setting();
    EXPECT_EQ(setting.windowTitle(), "Equation Solver  (Equation Setting)");
    EXPECT_EQ(find<QPushButton>(&setting, u("追加"))->text(), "Add");
    EXPECT_EQ(find<QMenu>(&setting, u("ファイル"))->title(), "&File");
    EXPECT_EQ(find<QAction>(&setting, u("開く…"))->text(), u("&Open..."));
    EXPECT_EQ(find<QAction>(&setting, "b")->text(), "Version");
    EXPECT_EQ(find<QAction>(&setting, "h(2)")->text(), "Hide");
    // The toolbar's captions change; its buttons keep their designed names.
    EXPECT_EQ(find<QToolButton>(&setting, u("推定"))->text(), "Estimate");

    AnalysisScreen& analysis = registry->analysis();
    EXPECT_EQ(analysis.windowTitle(), "Analysis");
    EXPECT_EQ(find<QPushButton>(&analysis, u("解析"))->text(), "Find roots");
    EXPECT_EQ(find<QAction>(&analysis, u("画像をコピー"))->text(), "&Copy Picture");
    EXPECT_EQ(registry->ticks().windowTitle(), "Tick Settings");

    // Messages leave the engine in Japanese and are shown in English.
    EXPECT_EQ(translatedMessage(messages::title), "Equation Solver");
    EXPECT_EQ(translatedMessage(messages::enterFormula), "Enter a formula.");
    EXPECT_EQ(translatedMessage("no message of ours"), "no message of ours");
    QTemporaryDir folder;
    EXPECT_EQ(readEquation(folder.path()).error.text(translatedMessageUtf8),
              folder.path().toStdString() + ": Cannot open it (it is a folder).");
}

TEST_F(EnglishScreens, EveryCaptionFitsItsDesignedControl) {
    for (const auto& [name, screen] : everyScreen()) {
        ScreenRegistry::present(*screen);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(screen)) << name;
        saveShot(screen, name);
        if (english()) {
            EXPECT_EQ(cutOff(screen).join("\n").toStdString(), "") << name;
        }
    }
    // 式を入力…, reading a line and stopping at a fault.
    FormulaDialog formula(u("x^3 - 2x + 1"), &registry->setting());
    for (const char* line : {"x^3 - 2x + 1", "x^3 + x･sin(x) - 1"}) {
        formula.式の行->setText(u(line));
        formula.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&formula));
        saveShot(&formula, formula.項の一覧->count() > 0 ? "formula" : "formula-fault");
        if (english()) {
            EXPECT_EQ(cutOff(&formula).join("\n").toStdString(), "") << line;
        }
    }
    formula.hide();
    // The certified analysis of x² − 2 over −3..3 beside the automatic one.
    kalvex.replaceTerms({{Shape::power, 0, 1, 2}, {Shape::constant, 0, 0, 0, 0, 0, -2}});
    AnalysisScreen& analysis = registry->analysis();
    find<QLineEdit>(&analysis, QString::fromUtf8("変域(0)"))->setText("-3");
    find<QLineEdit>(&analysis, QString::fromUtf8("変域(1)"))->setText("3");
    find<QPushButton>(&analysis, QString::fromUtf8("解析"))->click();
    find<QAction>(&analysis, QString::fromUtf8("保証付き解析"))->trigger();
    analysis.waitForCertified();
    auto* shown = analysis.findChild<CertifiedWindow*>();
    ASSERT_NE(shown, nullptr);
    CertifiedWindow& certified = *shown;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&certified));
    saveShot(&certified, "certified");
    saveShot(&analysis, "analysis-certified");
    if (english()) {
        EXPECT_EQ(certified.windowTitle(), "Certified Analysis");
        EXPECT_EQ(certified.findings->horizontalHeaderItem(0)->text(), "Kind");
        EXPECT_EQ(certified.findings->item(0, 0)->text(), "root");
        EXPECT_TRUE(certified.summary->text().startsWith("2 proved root(s)."));
        EXPECT_EQ(cutOff(&certified).join("\n").toStdString(), "");
    }
    // The menus and a message box, pictured for a look.
    for (QWidget* screen : std::initializer_list<QWidget*>{&registry->setting(), &registry->analysis()}) {
        for (QMenu* menu : screen->findChildren<QMenu*>()) {
            if (!menu->title().isEmpty()) saveShot(menu, "menu-" + menu->title());
        }
    }
    QMessageBox box(QMessageBox::NoIcon, translatedMessage(messages::title),
                    translatedMessage(messages::files::saveChanges).arg("square.kalvex"));
    box.addButton(translatedMessage(messages::files::saveButton), QMessageBox::AcceptRole);
    box.addButton(translatedMessage(messages::files::discardButton), QMessageBox::DestructiveRole);
    box.addButton(translatedMessage(messages::files::cancelButton), QMessageBox::RejectRole);
    box.adjustSize();
    saveShot(&box, "question");
}

}  // namespace
