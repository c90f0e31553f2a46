// SPDX-License-Identifier: GPL-3.0-or-later
// Random user actions across every screen, from a printed seed. After each
// action the program must still agree with itself, and no action may hang.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QtGlobal>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <thread>

#include "analysisscreen.h"
#include "resultlist.h"
#include "kalvex.h"
#include "picturebox.h"
#include "qtcanvas.h"
#include "screenregistry.h"
#include "recording.h"
#include "settingscreen.h"
#include "kalvexprobe.h"

namespace {

using Clock = std::chrono::steady_clock;

long environmentNumber(const char* name, long fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtol(text, nullptr, 10) : fallback;
}

// One running program: a fresh module and its screens, as at start.
struct Program {
    Program() : registry(kalvex), canvas(registry) {
        kalvex.attach(&messages, &registry, &canvas);
        registry.setEndProgram([this] { ended = true; });
        kalvex.startUp();
    }
    Kalvex kalvex;
    RecordingMessageSink messages;
    ScreenRegistry registry;
    QtCanvas canvas;
    bool ended = false;
};

// Ends the process with the seed and the last actions when one action
// takes far too long: a hang would otherwise never report.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit) : limit(limit), thread([this] { watch(); }) {}
    ~Watchdog() {
        stopping = true;
        thread.join();
    }
    void started(const std::string& what) {
        std::lock_guard lock(mutex);
        current = what;
        since = Clock::now();
        busy = true;
    }
    void finished() { busy = false; }
    void setContext(std::string text) {
        std::lock_guard lock(mutex);
        context = std::move(text);
    }

private:
    void watch() {
        while (!stopping) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            std::lock_guard lock(mutex);
            if (busy && Clock::now() - since > limit) {
                std::fprintf(stderr, "HANG: action did not return: %s\n%s\n", current.c_str(), context.c_str());
                std::fflush(stderr);
                std::_Exit(1);
            }
        }
    }
    std::chrono::seconds limit;
    std::mutex mutex;
    std::string current, context;
    Clock::time_point since;
    std::atomic<bool> busy{false}, stopping{false};
    std::thread thread;
};

const char* const typedTexts[] = {
    "", " ", "abc", "1e39", "-1e308", "1e308", "1e-320", "nan", "inf", "-inf", "\uff13", "\uff11\uff12",
    "123456789012345678901234567890", "+", "-", ".", "0", "-0", "1", "2", "-2", "3", "-3", "0.5", "10",
    "-10", "1e-7", "0.1", "1e-300", "5 5", "1.2.3", "2e", "+3", "100", "0.001", "-1.5", "1e10", "7",
};

class Monkey {
public:
    Monkey(unsigned long seed, Watchdog& watchdog) : rng(seed), seed(seed), watchdog(watchdog) {
        program = std::make_unique<Program>();
    }

    void run(long actions) {
        for (long i = 0; i < actions; ++i) {
            const std::string what = act();
            remember(std::to_string(i) + ": " + what);
            settle();
            if (program->ended || noScreenLeft()) restart();
            check();
            if (::testing::Test::HasFatalFailure() || ::testing::Test::HasNonfatalFailure()) {
                ADD_FAILURE() << "seed " << seed << ", after action " << i << "\n" << history();
                return;
            }
        }
    }

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(rng); }
    template <class T>
    T* pickFrom(const QList<T*>& list) {
        return list.isEmpty() ? nullptr : list[pick(static_cast<int>(list.size()))];
    }

    QList<QWidget*> openWindows() const {
        QList<QWidget*> windows;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && !w->objectName().isEmpty()) windows.append(w);
        }
        // The application lists its windows in no fixed order; a seed must
        // replay the same actions.
        std::sort(windows.begin(), windows.end(),
                  [](QWidget* a, QWidget* b) { return a->objectName() < b->objectName(); });
        return windows;
    }
    bool noScreenLeft() const { return openWindows().isEmpty(); }

    template <class T>
    QList<T*> visible() const {
        QList<T*> found;
        for (QWidget* window : openWindows()) {
            for (T* w : window->findChildren<T*>()) {
                if (w->isVisible() && w->isEnabled()) found.append(w);
            }
        }
        return found;
    }

    std::string nameOf(QObject* o) const { return o->objectName().toStdString(); }

    std::string act() {
        const int kind = pick(100);
        if (kind < 30) return clickButton();
        if (kind < 42) return triggerMenu();
        if (kind < 65) return typeText();
        if (kind < 72) return selectEntry();
        if (kind < 94) return mouseOnGraph();
        if (kind < 99) return clickFrame();
        return closeWindow();
    }

    std::string clickButton() {
        QAbstractButton* button = pickFrom(visible<QAbstractButton>());
        if (!button) return "no button";
        // Quitting is rarer than other clicks, so each program lives long
        // enough to reach deep states.
        if (button->text() == "終了" && pick(10) != 0) return "spared quit";
        const std::string what = "click " + nameOf(button) + " '" + button->text().toStdString() + "'";
        timed(what, [&] { QTest::mouseClick(button, Qt::LeftButton); });
        return what;
    }

    std::string triggerMenu() {
        static const QStringList ours = {"kai", "s", "h(1)", "h(2)", "he", "b", "E", "m", "保証付き解析"};
        QList<QAction*> actions;
        for (QWidget* window : openWindows()) {
            for (QAction* a : window->findChildren<QAction*>()) {
                if (ours.contains(a->objectName()) && a->isEnabled()) actions.append(a);
            }
        }
        QAction* action = pickFrom(actions);
        if (!action) return "no menu";
        if (action->objectName() == "E" && pick(10) != 0) return "spared quit";
        const std::string what = "menu " + nameOf(action);
        timed(what, [&] {
            action->trigger();
            // The certified analysis reports now, not at some later action:
            // a seed must replay the same run.
            if (AnalysisScreen* analysis = program->registry.analysisIfOpen()) analysis->waitForCertified();
        });
        return what;
    }

    std::string typeText() {
        QList<QWidget*> boxes;
        // A spin box's editor holds only what it accepts: not a box of free text.
        for (QLineEdit* e : visible<QLineEdit>()) {
            if (!qobject_cast<QAbstractSpinBox*>(e->parentWidget())) boxes.append(e);
        }
        for (QComboBox* c : visible<QComboBox>()) boxes.append(c);
        QWidget* box = pickFrom(boxes);
        if (!box) return "no box";
        const QString text = QString::fromUtf8(typedTexts[pick(std::size(typedTexts))]);
        QLineEdit* edit = qobject_cast<QLineEdit*>(box);
        if (!edit) edit = qobject_cast<QComboBox*>(box)->lineEdit();
        if (!edit) return "combo without text";
        const std::string what = "type '" + text.toStdString() + "' into " + nameOf(box);
        timed(what, [&] {
            // Focused in an active window, as a user types: completion and
            // the like act only then.
            QApplication::setActiveWindow(box->window());
            edit->setFocus();
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            // Key by key; a character without a key of its own (full-width
            // digits) arrives as the text of an unknown key, as from an input method.
            for (const QChar ch : text) {
                if (ch.unicode() < 0x80) {
                    QTest::keyClick(box, ch.toLatin1());
                } else {
                    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
                }
            }
        });
        // What is typed is what the box holds.
        EXPECT_EQ(edit->text().toStdString(), text.toStdString()) << what;
        return what;
    }

    std::string selectEntry() {
        QListWidget* list = pickFrom(visible<QListWidget>());
        if (!list || list->count() == 0) return "no entry";
        const int row = pick(list->count());
        const std::string what = "select " + std::to_string(row) + " in " + nameOf(list);
        timed(what, [&] { list->setCurrentRow(row); });
        return what;
    }

    std::string clickFrame() {
        QGroupBox* frame = pickFrom(visible<QGroupBox>());
        if (!frame) return "no frame";
        const std::string what = "click background of " + nameOf(frame);
        timed(what, [&] { QTest::mouseClick(frame, Qt::LeftButton, Qt::NoModifier, QPoint(2, frame->height() - 3)); });
        return what;
    }

    QPoint somewhere(QWidget* w) { return QPoint(pick(w->width() + 20) - 10, pick(w->height() + 20) - 10); }

    std::string mouseOnGraph() {
        PictureBox* box = pickFrom(visible<PictureBox>());
        if (!box) return "no graph";
        const QPoint from = somewhere(box);
        const int kind = pick(4);
        std::string what;
        if (kind == 0) {
            const QPoint to = pick(4) == 0 ? from : somewhere(box);
            what = "drag " + describe(from) + " to " + describe(to);
            timed(what, [&] {
                QTest::mousePress(box, Qt::LeftButton, Qt::NoModifier, from);
                for (int i = 1; i <= 3; ++i) QTest::mouseMove(box, from + (to - from) * i / 3);
                QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, to);
            });
        } else if (kind == 1) {
            what = "double click at " + describe(from);
            timed(what, [&] {
                QTest::mousePress(box, Qt::LeftButton, Qt::NoModifier, from);
                QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, from);
                QTest::mouseEvent(QTest::MouseDClick, box, Qt::LeftButton, Qt::NoModifier, from);
                QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, from);
            });
        } else if (kind == 2) {
            what = "release alone at " + describe(from);
            timed(what, [&] { QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, from); });
        } else {
            what = "press and move at " + describe(from);
            timed(what, [&] {
                QTest::mousePress(box, Qt::RightButton, Qt::NoModifier, from);
                QTest::mouseMove(box, somewhere(box));
                QTest::mouseRelease(box, Qt::RightButton, Qt::NoModifier, somewhere(box));
            });
        }
        return what;
    }

    std::string closeWindow() {
        QWidget* window = pickFrom(openWindows());
        if (!window) return "no window";
        const std::string what = "close " + nameOf(window);
        timed(what, [&] { window->close(); });
        return what;
    }

    static std::string describe(QPoint p) { return "(" + std::to_string(p.x()) + "," + std::to_string(p.y()) + ")"; }

    template <class Action>
    void timed(const std::string& what, Action action) {
        watchdog.started(what);
        const auto start = Clock::now();
        action();
        const auto took = Clock::now() - start;
        watchdog.finished();
        slowest = std::max(slowest, took);
        EXPECT_LT(took, std::chrono::seconds(20)) << what;
    }

    void settle() {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The program ended (終了, or the last window closed): a new one starts.
    void restart() {
        program.reset();
        settle();
        program = std::make_unique<Program>();
        ++restarts;
    }

    void check() {
        Kalvex& k = program->kalvex;
        // Marks of the certified analysis never outlive the graph they were put on.
        if (AnalysisScreen* analysis = program->registry.analysisIfOpen()) {
            if (analysis->picture().strokes().empty()) {
                ASSERT_TRUE(analysis->picture().overlay().empty());
            }
        }
        ASSERT_GE(state(k).termCount, 0);
        ASSERT_LE(state(k).termCount, Kalvex::maxTerms);
        SettingScreen* setting = program->registry.settingIfOpen();
        ASSERT_NE(setting, nullptr);
        ASSERT_EQ(setting->findChild<QListWidget*>(QString::fromUtf8("リスト"))->count(), state(k).termCount);
        const std::string shown = setting->findChild<QLabel*>(QString::fromUtf8("siki"))->text().toStdString();
        EXPECT_EQ(shown, state(k).formulaText.empty() ? std::string("F(x)=") : state(k).formulaText);
        for (int i = 1; i <= state(k).termCount; ++i) {
            std::string entry = state(k).termText[i];
            if (!entry.empty() && entry[0] == '+') entry.erase(0, 1);
            EXPECT_EQ(setting->findChild<QListWidget*>(QString::fromUtf8("リスト"))->item(i - 1)->text().toStdString(), entry) << "slot " << i;
        }
        checkNumbersShown();
    }

    // Numbers the program writes itself never read as NaN or infinity.
    void checkNumbersShown() {
        static const QStringList labels = {"解", "数", "軸幅(0)", "軸幅(1)", "手動解", "itixy", "xti", "yti"};
        static const QStringList lists = {"形状", "式"};
        auto bad = [](const QString& text) {
            return text.contains("nan", Qt::CaseInsensitive) || text.contains("inf", Qt::CaseInsensitive);
        };
        for (QWidget* window : QApplication::topLevelWidgets()) {
            for (QLabel* label : window->findChildren<QLabel*>()) {
                if (labels.contains(label->objectName())) {
                    EXPECT_FALSE(bad(label->text())) << nameOf(label) << ": " << label->text().toStdString();
                }
            }
            for (ResultList* list : window->findChildren<ResultList*>()) {
                for (int row = 0; row < list->count(); ++row) {
                    EXPECT_FALSE(bad(list->text(row))) << nameOf(list) << " row " << row;
                }
            }
            for (QListWidget* list : window->findChildren<QListWidget*>()) {
                if (!lists.contains(list->objectName())) continue;
                for (int row = 0; row < list->count(); ++row) {
                    EXPECT_FALSE(bad(list->item(row)->text())) << nameOf(list) << " row " << row;
                }
            }
        }
    }

    void remember(std::string line) {
        recent.push_back(std::move(line));
        if (recent.size() > 60) recent.pop_front();
        watchdog.setContext("seed " + std::to_string(seed) + "\n" + history());
    }
    std::string history() const {
        std::string text;
        for (const std::string& line : recent) text += "  " + line + "\n";
        return text;
    }

public:
    Clock::duration slowest{};
    int restarts = 0;

private:
    std::mt19937_64 rng;
    unsigned long seed;
    Watchdog& watchdog;
    std::unique_ptr<Program> program;
    std::deque<std::string> recent;
};

}  // namespace

// KALVEX_RANDOM_ACTIONS sets the number of actions per seed,
// KALVEX_RANDOM_SEEDS how many seeds, KALVEX_RANDOM_SEED the first one.
TEST(RandomActions, ProgramStaysConsistentAndResponsive) {
    const long actions = environmentNumber("KALVEX_RANDOM_ACTIONS", 4000);
    const long seeds = environmentNumber("KALVEX_RANDOM_SEEDS", 5);
    const long first = environmentNumber("KALVEX_RANDOM_SEED", 1);
    Watchdog watchdog(std::chrono::seconds(60));
    for (long seed = first; seed < first + seeds; ++seed) {
        std::printf("seed %ld, %ld actions\n", seed, actions);
        const auto start = Clock::now();
        Monkey monkey(static_cast<unsigned long>(seed), watchdog);
        monkey.run(actions);
        std::printf("  %.1f s, slowest action %.0f ms, %d restarts\n",
                    std::chrono::duration<double>(Clock::now() - start).count(),
                    std::chrono::duration<double, std::milli>(monkey.slowest).count(), monkey.restarts);
        if (HasFailure()) break;
    }
}
