// SPDX-License-Identifier: GPL-3.0-or-later
// The equation as a file, through the ファイル menu's commands.
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QTemporaryDir>

#include "analysisscreen.h"
#include "resultlist.h"
#include "picturebox.h"
#include "messages.h"
#include "document.h"
#include "settingfixture.h"
#include "formula.h"
#include <QWindow>

namespace {

using Texts = std::vector<std::string>;

class DocumentTest : public SettingTest {
protected:
    DocumentTest() : document(registry->document()) {
        document.askPath = [this](bool) { return chosenPath; };
        document.askSave = [this] {
            ++questions;
            return answer;
        };
    }
    // x² − 2, typed as a user would, with a range on the analysis screen.
    void compose() {
        add(0, {{"入力(0)", "1"}, {"入力(1)", "2"}});
        add(6, {{"定数", "-2"}});
        add(3, {{"頭", "0.5"}, {"入力(0)", "3"}, {"入力(1)", "1"}, {"入力(2)", "-1"}});
        AnalysisScreen& analysis = registry->analysis();
        find<QLineEdit>(&analysis, QString::fromUtf8("変域(0)"))->setText("-3");
        find<QLineEdit>(&analysis, QString::fromUtf8("変域(1)"))->setText("3");
        find<QComboBox>(&analysis, QString::fromUtf8("精度コンボ"))->setEditText("0.5");
    }
    // What the screens show of the equation.
    Texts shown() {
        Texts all = entries(find<QListWidget>(&screen, QString::fromUtf8("リスト")));
        all.push_back(formula());
        all.push_back(find<QLabel>(&screen, QString::fromUtf8("数"))->text().toStdString());
        return all;
    }
    QString file(const char* name) { return dir.filePath(name); }

    Document& document;
    QTemporaryDir dir;
    QString chosenPath;
    Document::Answer answer = Document::Answer::cancel;
    int questions = 0;
};

}  // namespace

TEST_F(DocumentTest, SavedAndOpenedAgainTheScreensAreAsTyped) {
    compose();
    const Texts typed = shown();
    const std::vector<Term> terms = kalvex.terms();
    chosenPath = file("square");  // the extension is added
    find<QAction>(&screen, QString::fromUtf8("名前を付けて保存…"))->trigger();
    ASSERT_TRUE(QFile::exists(file("square.kalvex")));
    EXPECT_EQ(document.path(), file("square.kalvex"));

    find<QAction>(&screen, QString::fromUtf8("新規作成"))->trigger();  // saved: no question
    EXPECT_EQ(questions, 0);
    EXPECT_EQ(kalvex.termTotal(), 0);
    EXPECT_EQ(formula(), "F(x)=");
    registry->analysis().close();  // the range goes with the screen
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    chosenPath = file("square.kalvex");
    find<QAction>(&screen, QString::fromUtf8("開く…"))->trigger();
    EXPECT_EQ(shown(), typed);
    EXPECT_EQ(kalvex.terms(), terms);
    AnalysisScreen& analysis = registry->analysis();  // loads now, with the file's texts
    EXPECT_EQ(find<QLineEdit>(&analysis, QString::fromUtf8("変域(0)"))->text(), "-3");
    EXPECT_EQ(find<QLineEdit>(&analysis, QString::fromUtf8("変域(1)"))->text(), "3");
    EXPECT_EQ(find<QComboBox>(&analysis, QString::fromUtf8("精度コンボ"))->currentText(), "0.5");
    EXPECT_FALSE(document.modified());
    EXPECT_EQ(document.recentFiles().value(0), file("square.kalvex"));
    EXPECT_NE(screen.findChild<QAction*>("recent(0)"), nullptr);
    EXPECT_TRUE(takeMessages().empty());
}

TEST_F(DocumentTest, BadFilesAndFailedSavesChangeNothing) {
    compose();
    const Texts typed = shown();
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"text.kalvex", "not json"},
        {"shape.kalvex", R"({"format": "kalvex-equation", "version": 1, "terms": [{"shape": "tan", "a": "1"}]})"},
        {"empty.kalvex", R"({"format": "kalvex-equation", "version": 1, "terms": [{"shape": "constant", "k": ""}]})"},
    };
    for (const Case& c : cases) {
        QFile f(file(c.name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.bytes);
        f.close();
        EXPECT_FALSE(document.open(file(c.name)));
        const Texts said = takeMessages();
        ASSERT_EQ(said.size(), 1u) << c.name;
        EXPECT_NE(said[0].find(c.name), std::string::npos) << said[0];
        EXPECT_EQ(shown(), typed) << c.name;
    }
    EXPECT_FALSE(document.open(file("missing.kalvex")));
    EXPECT_EQ(takeMessages().size(), 1u);

    chosenPath = file("no folder/x.kalvex");
    EXPECT_FALSE(document.saveAs());
    EXPECT_EQ(takeMessages().size(), 1u);
    EXPECT_EQ(document.path(), "");
    EXPECT_EQ(shown(), typed);
}

TEST_F(DocumentTest, UnsavedWorkIsAskedAbout) {
    compose();
    // Never tied to a file: 新規作成 and 開く ask before the terms go, but
    // 終了 ends at once, as it always has.
    answer = Document::Answer::cancel;
    EXPECT_FALSE(document.newEquation());
    EXPECT_FALSE(document.open(file("other.kalvex")));  // unreadable: refused before any question
    EXPECT_EQ(takeMessages().size(), 1u);
    chosenPath = file("other.kalvex");
    answer = Document::Answer::discard;
    ASSERT_TRUE(document.saveAs());
    ASSERT_TRUE(document.newEquation());
    compose();
    answer = Document::Answer::cancel;
    EXPECT_FALSE(document.open(file("other.kalvex")));
    EXPECT_EQ(questions, 2);
    EXPECT_EQ(kalvex.termTotal(), 3);
    answer = Document::Answer::discard;
    EXPECT_TRUE(document.newEquation());
    EXPECT_EQ(kalvex.termTotal(), 0);
    compose();
    questions = 0;
    find<QAction>(&screen, QString::fromUtf8("E"))->trigger();
    EXPECT_EQ(questions, 0);
    EXPECT_EQ(endRequests, 1);

    chosenPath = file("tied.kalvex");
    ASSERT_TRUE(document.saveAs());
    add(6, {{"定数", "7"}});
    EXPECT_TRUE(document.modified());
    const QByteArray before = [&] {
        QFile f(file("tied.kalvex"));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();

    struct Path {
        const char* what;
        std::function<void()> go;
        std::function<bool()> went;
    };
    const Path paths[] = {
        {"新規作成", [&] { find<QAction>(&screen, QString::fromUtf8("新規作成"))->trigger(); }, [&] { return kalvex.termTotal() == 0; }},
        {"終了", [&] { find<QAction>(&screen, QString::fromUtf8("E"))->trigger(); }, [&] { return endRequests == 2; }},
        {"closing the last window",
         [&] {
             registry->analysis().close();
             QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
             screen.close();
         },
         [&] { return !screen.isVisible(); }},
    };
    for (const Path& p : paths) {
        ScreenRegistry::present(screen);
        questions = 0;
        answer = Document::Answer::cancel;
        p.go();
        EXPECT_EQ(questions, 1) << p.what;
        EXPECT_FALSE(p.went()) << p.what << " went though cancelled";
        EXPECT_EQ(kalvex.termTotal(), 4) << p.what;
    }
    // 保存 writes the file first, then the work goes.
    answer = Document::Answer::save;
    find<QAction>(&screen, QString::fromUtf8("新規作成"))->trigger();
    EXPECT_EQ(kalvex.termTotal(), 0);
    QFile f(file("tied.kalvex"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_NE(f.readAll(), before);
    EXPECT_TRUE(document.open(file("tied.kalvex")));
    EXPECT_EQ(kalvex.termTotal(), 4);
    // 保存しない lets it go as it is.
    add(6, {{"定数", "8"}});
    answer = Document::Answer::discard;
    EXPECT_TRUE(document.newEquation());
    EXPECT_EQ(kalvex.termTotal(), 0);
}

TEST_F(DocumentTest, ADroppedFileOpensInAnyWindow) {
    compose();
    chosenPath = file("dropped.kalvex");
    ASSERT_TRUE(document.saveAs());
    ASSERT_TRUE(document.newEquation());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file("dropped.kalvex"))});
    QWidget& analysis = registry->analysis();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&analysis, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&analysis, &drop);
    EXPECT_EQ(kalvex.termTotal(), 3);
    EXPECT_EQ(document.path(), file("dropped.kalvex"));

    QMimeData other;
    other.setUrls({QUrl::fromLocalFile(file("picture.png"))});
    QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &other, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QApplication::sendEvent(&screen, &refused);
    EXPECT_FALSE(refused.isAccepted());
}

TEST_F(DocumentTest, AFilesRangeOutlivesTheAnalysisScreen) {
    compose();
    chosenPath = file("range.kalvex");
    ASSERT_TRUE(document.saveAs());
    auto closeAnalysis = [] { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); };
    registry->analysis().close();
    closeAnalysis();
    AnalysisScreen& again = registry->analysis();
    EXPECT_EQ(find<QLineEdit>(&again, QString::fromUtf8("変域(0)"))->text(), "-3");
    EXPECT_EQ(find<QLineEdit>(&again, QString::fromUtf8("変域(1)"))->text(), "3");
    EXPECT_EQ(find<QComboBox>(&again, QString::fromUtf8("精度コンボ"))->currentText(), "0.5");
    EXPECT_FALSE(document.modified());
    find<QAction>(&screen, QString::fromUtf8("新規作成"))->trigger();  // nothing changed: no question
    EXPECT_EQ(questions, 0);

    // A new end typed, then the screen closed: still a change to ask about.
    ASSERT_TRUE(document.open(file("range.kalvex")));
    find<QLineEdit>(&registry->analysis(), QString::fromUtf8("変域(1)"))->setText("5");
    registry->analysis().close();
    closeAnalysis();
    EXPECT_TRUE(document.modified());
    answer = Document::Answer::save;
    ASSERT_TRUE(document.newEquation());
    EXPECT_EQ(questions, 1);
    const EquationRead read = readEquation(file("range.kalvex"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read.equation->end, "5");
    EXPECT_EQ(read.equation->start, "-3");

    // A file without a range is not changed by being shown.
    std::ignore = writeEquation(file("bare.kalvex"), Equation{read.equation->terms, {}, {}, {}});
    ASSERT_TRUE(document.open(file("bare.kalvex")));
    registry->analysis();
    EXPECT_FALSE(document.modified());
}

TEST_F(DocumentTest, NoResultStaysUnderAnotherFormula) {
    struct Change {
        const char* what;
        std::function<void()> make;
    };
    const Change changes[] = {
        {"追加", [&] { add(6, {{"定数", "1"}}); }},
        {"削除", [&] { select(1); click(find<QPushButton>(&screen, QString::fromUtf8("削除"))); }},
        {"開く", [&] { document.open(file("other.kalvex")); }},
        {"新規作成", [&] { document.newEquation(); }},
    };
    add(0, {{"入力(0)", "1"}, {"入力(1)", "3"}});
    chosenPath = file("other.kalvex");
    ASSERT_TRUE(document.saveAs());
    answer = Document::Answer::discard;
    for (const Change& change : changes) {
        ASSERT_TRUE(document.newEquation());
        add(0, {{"入力(0)", "1"}, {"入力(1)", "2"}});
        add(6, {{"定数", "-2"}});
        AnalysisScreen& analysis = registry->analysis();
        find<QLineEdit>(&analysis, QString::fromUtf8("変域(0)"))->setText("-3");
        find<QLineEdit>(&analysis, QString::fromUtf8("変域(1)"))->setText("3");
        ScreenRegistry::present(analysis);
        QTest::mouseClick(find<QPushButton>(&analysis, QString::fromUtf8("グラフ")), Qt::LeftButton);
        QTest::mouseClick(find<QPushButton>(&analysis, QString::fromUtf8("解析")), Qt::LeftButton);
        ASSERT_FALSE(analysis.picture().strokes().empty());
        ASSERT_TRUE(find<QWidget>(&analysis, QString::fromUtf8("解リスト"))->isVisibleTo(&analysis));
        change.make();
        EXPECT_TRUE(analysis.picture().strokes().empty()) << change.what;
        EXPECT_FALSE(find<QWidget>(&analysis, QString::fromUtf8("解リスト"))->isVisibleTo(&analysis)) << change.what;
        EXPECT_FALSE(find<QLabel>(&analysis, QString::fromUtf8("Label1"))->isVisibleTo(&analysis)) << change.what;
        EXPECT_EQ(find<QLabel>(&analysis, QString::fromUtf8("式ラベル"))->text().toStdString(), formula()) << change.what;
        EXPECT_EQ(find<QLineEdit>(&analysis, QString::fromUtf8("変域(0)"))->text(), "-3") << change.what;  // the boxes keep what was typed
        takeMessages();
    }
    // No terms at all: the analysis screen's commands say so, as 解法 does.
    AnalysisScreen& analysis = registry->analysis();
    ASSERT_EQ(kalvex.termTotal(), 0);
    QTest::mouseClick(find<QPushButton>(&analysis, QString::fromUtf8("グラフ")), Qt::LeftButton);
    QTest::mouseClick(find<QPushButton>(&analysis, QString::fromUtf8("解析")), Qt::LeftButton);
    EXPECT_EQ(takeMessages(), (Texts{messages::enterFormula, messages::enterFormula}));
    EXPECT_TRUE(analysis.picture().strokes().empty());
    EXPECT_FALSE(find<QWidget>(&analysis, QString::fromUtf8("解リスト"))->isVisibleTo(&analysis));
}

TEST_F(DocumentTest, RecentFilesAreToldApartAndAFailedOneLeaves) {
    compose();
    ASSERT_TRUE(QDir(dir.path()).mkpath("a") && QDir(dir.path()).mkpath("b"));
    for (const char* name : {"a/eq.kalvex", "b/eq.kalvex"}) {
        chosenPath = file(name);
        ASSERT_TRUE(document.saveAs());
    }
    auto recent = [&](int i) { return find<QAction>(&screen, QString("recent(%1)").arg(i)); };
    ASSERT_NE(screen.findChild<QAction*>("recent(1)"), nullptr);
    const QString newest = recent(0)->text(), older = recent(1)->text();
    EXPECT_NE(newest.mid(3), older.mid(3));
    EXPECT_TRUE(newest.contains(QDir::toNativeSeparators(QDir(dir.path()).filePath("b"))));

    QFile::remove(file("b/eq.kalvex"));
    recent(0)->trigger();
    EXPECT_EQ(takeMessages().size(), 1u);
    EXPECT_FALSE(document.recentFiles().contains(file("b/eq.kalvex")));
    EXPECT_TRUE(document.recentFiles().contains(file("a/eq.kalvex")));
    // The one left has its name alone again.
    EXPECT_EQ(recent(0)->text(), "&1 eq.kalvex");
}

TEST_F(DocumentTest, DialogsStartBesideTheEquationAndProposeItsName) {
    EXPECT_EQ(document.proposedPicturePath("png"), QDir(document.startFolder()).filePath("graph.png"));
    compose();
    ASSERT_TRUE(QDir(dir.path()).mkpath("eq") && QDir(dir.path()).mkpath("pictures"));
    chosenPath = file("eq/square.kalvex");
    ASSERT_TRUE(document.saveAs());
    EXPECT_EQ(document.startFolder(), file("eq"));
    EXPECT_EQ(document.proposedPicturePath("svg"), file("eq/square.svg"));
    document.rememberFolder(file("pictures/g.png"));
    EXPECT_EQ(document.proposedPicturePath("png"), file("pictures/square.png"));
    ASSERT_TRUE(document.newEquation());
    EXPECT_EQ(document.startFolder(), file("eq"));  // the last folder used
}

TEST_F(DocumentTest, TheFileKeysWorkOnTheAnalysisWindowToo) {
    compose();
    chosenPath = file("keys.kalvex");
    ASSERT_TRUE(document.saveAs());
    add(6, {{"定数", "7"}});
    AnalysisScreen& analysis = registry->analysis();
    ScreenRegistry::present(analysis);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&analysis));
    QTest::keyClick(&analysis, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(document.modified());
    const EquationRead read = readEquation(file("keys.kalvex"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read.equation->terms.size(), 4u);
}

TEST_F(DocumentTest, APictureNeverReplacesTheEquationItWasDrawnFrom) {
    add(0, {{"入力(0)", "1"}, {"入力(1)", "2"}});
    add(6, {{"定数", "-2"}});
    chosenPath = file("own.kalvex");
    ASSERT_TRUE(document.saveAs());
    QFile own(file("own.kalvex"));
    ASSERT_TRUE(own.open(QIODevice::ReadOnly));
    const QByteArray before = own.readAll();
    own.close();
    AnalysisScreen& analysis = registry->analysis();
    ScreenRegistry::present(analysis);
    find<QLineEdit>(&analysis, QString::fromUtf8("変域(0)"))->setText("-3");
    find<QLineEdit>(&analysis, QString::fromUtf8("変域(1)"))->setText("3");
    QTest::mouseClick(find<QPushButton>(&analysis, QString::fromUtf8("グラフ")), Qt::LeftButton);
    takeMessages();
    // Through another spelling of the same path, too.
    analysis.answerPictureTargetWith([&] { return PictureTarget{dir.path() + "/./own.kalvex", PictureFormat::png}; });
    find<QAction>(&analysis, QString::fromUtf8("画像として保存"))->trigger();
    EXPECT_EQ(takeMessages().size(), 1u);
    ASSERT_TRUE(own.open(QIODevice::ReadOnly));
    EXPECT_EQ(own.readAll(), before);
}

// A deleted term takes its typed texts with it: every later term keeps its own.
TEST_F(DocumentTest, ADeletedTermTakesItsTypedTextsWithIt) {
    add(0, {{"入力(0)", "1.50"}, {"入力(1)", "2"}});
    add(6, {{"定数", "-2.0"}});
    add(4, {{"頭", "0.5"}, {"入力(0)", "3"}, {"入力(1)", "1"}, {"入力(2)", "+1"}});
    select(0);
    click(find<QPushButton>(&screen, QString::fromUtf8("削除")));
    chosenPath = file("deleted.kalvex");
    ASSERT_TRUE(document.saveAs());
    const EquationRead read = readEquation(file("deleted.kalvex"));
    ASSERT_TRUE(read);
    ASSERT_EQ(read.equation->terms.size(), 2u);
    EXPECT_EQ(read.equation->terms[0].typed.k, "-2.0");
    EXPECT_EQ(read.equation->terms[1].typed.a, "0.5");
    EXPECT_EQ(read.equation->terms[1].typed.c, "+1");
    EXPECT_EQ(entries(find<QListWidget>(&screen, QString::fromUtf8("リスト"))), (Texts{"-2.0", "0.5･Sin(3･X^1+1)"}));
}

namespace {

const QString caption = QString::fromUtf8("方程式の解法　　(方程式設定画面）");

// The title as the desktop shows it, the mark of a change in place.
QString shownTitle(QWidget& window) { return window.windowHandle()->title(); }

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

// A save after 元に戻す lands on the file the shown equation belongs to,
// never on one opened since; the title says which file that is.
TEST_F(DocumentTest, UndoAcrossOpenGivesBackTheFileAndItsSavedState) {
    screen.startWithFormula("x^3 - 2x + 1");
    screen.forgetSteps();  // as the program's start does
    const std::string mine = formula();
    EXPECT_EQ(shownTitle(screen), caption);
    chosenPath = file("mine.kalvex");
    ASSERT_TRUE(document.saveAs());
    EXPECT_EQ(shownTitle(screen), "mine.kalvex - " + caption);
    ASSERT_FALSE(writeEquation(file("other.kalvex"), Equation{readFormula("x^2 - 2").termList(), {}, {}, {}}));
    const QByteArray other = bytesOf(file("other.kalvex"));

    ASSERT_TRUE(document.open(file("other.kalvex")));
    EXPECT_EQ(shownTitle(screen), "other.kalvex - " + caption);
    find<QAction>(&screen, QString::fromUtf8("元に戻す"))->trigger();
    EXPECT_EQ(formula(), mine);
    EXPECT_EQ(document.path(), file("mine.kalvex"));
    EXPECT_FALSE(document.modified());
    EXPECT_EQ(shownTitle(screen), "mine.kalvex - " + caption);
    find<QAction>(&screen, QString::fromUtf8("やり直し"))->trigger();
    EXPECT_EQ(document.path(), file("other.kalvex"));
    EXPECT_FALSE(document.modified());
    find<QAction>(&screen, QString::fromUtf8("元に戻す"))->trigger();

    add(6, {{"定数", "7"}});
    EXPECT_EQ(shownTitle(screen), "mine.kalvex* - " + caption);
    find<QAction>(&screen, QString::fromUtf8("上書き保存"))->trigger();
    EXPECT_EQ(bytesOf(file("other.kalvex")), other);
    const EquationRead read = readEquation(file("mine.kalvex"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read.equation->terms.size(), 4u);
    EXPECT_EQ(questions, 0);
    // Back to three terms: no longer what mine.kalvex holds.
    find<QAction>(&screen, QString::fromUtf8("元に戻す"))->trigger();
    EXPECT_TRUE(document.modified());
    EXPECT_EQ(shownTitle(screen), "mine.kalvex* - " + caption);
    // A range typed is a change of the equation too.
    find<QAction>(&screen, QString::fromUtf8("やり直し"))->trigger();
    EXPECT_FALSE(document.modified());
    find<QLineEdit>(&registry->analysis(), QString::fromUtf8("変域(1)"))->setText("9");
    EXPECT_EQ(shownTitle(screen), "mine.kalvex* - " + caption);
    EXPECT_TRUE(takeMessages().empty());
}

TEST_F(DocumentTest, UndoAcrossNewGivesBackTheFileOrAsksForAName) {
    int asked = 0;
    document.askPath = [&](bool) {
        ++asked;
        return chosenPath;
    };
    compose();
    chosenPath = file("a[*].kalvex");  // the mark's placeholder in a name stays a name
    ASSERT_TRUE(document.saveAs());
    ASSERT_TRUE(document.newEquation());
    EXPECT_EQ(shownTitle(screen), caption);
    find<QAction>(&screen, QString::fromUtf8("元に戻す"))->trigger();
    EXPECT_EQ(document.path(), file("a[*].kalvex"));
    EXPECT_FALSE(document.modified());
    EXPECT_EQ(shownTitle(screen), "a[*].kalvex - " + caption);
    find<QAction>(&screen, QString::fromUtf8("やり直し"))->trigger();
    EXPECT_EQ(document.path(), "");
    EXPECT_EQ(shownTitle(screen), caption);

    // Untitled work undone back into view has no file to be written to.
    add(6, {{"定数", "5"}});
    answer = Document::Answer::discard;
    ASSERT_TRUE(document.newEquation());
    find<QAction>(&screen, QString::fromUtf8("元に戻す"))->trigger();
    EXPECT_EQ(kalvex.termTotal(), 1);
    const QByteArray saved = bytesOf(file("a[*].kalvex"));
    asked = 0;
    chosenPath.clear();  // the name is not given
    find<QAction>(&screen, QString::fromUtf8("上書き保存"))->trigger();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(bytesOf(file("a[*].kalvex")), saved);
}
