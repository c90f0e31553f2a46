// The equation as a file, through the ファイル menu's commands.
#include <QComboBox>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QTemporaryDir>

#include "analysis/analysisscreen.h"
#include "messages.h"
#include "registry/document.h"
#include "settingfixture.h"

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
        analysis.変域[0]->setText("-3");
        analysis.変域[1]->setText("3");
        analysis.精度コンボ->setEditText("0.5");
    }
    // What the screens show of the equation.
    Texts shown() {
        Texts all = entries(screen.リスト);
        all.push_back(formula());
        all.push_back(screen.数->text().toStdString());
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
    const auto columns = std::make_tuple(kalvex.coefA, kalvex.coefB, kalvex.expN, kalvex.offsetC, kalvex.constK);
    chosenPath = file("square");  // the extension is added
    screen.saveAsAction->trigger();
    ASSERT_TRUE(QFile::exists(file("square.kalvex")));
    EXPECT_EQ(document.path(), file("square.kalvex"));

    screen.newAction->trigger();  // saved: no question
    EXPECT_EQ(questions, 0);
    EXPECT_EQ(kalvex.termCount, 0);
    EXPECT_EQ(formula(), "F(x)=");
    registry->analysis().close();  // the range goes with the screen
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    chosenPath = file("square.kalvex");
    screen.openAction->trigger();
    EXPECT_EQ(shown(), typed);
    EXPECT_EQ(std::make_tuple(kalvex.coefA, kalvex.coefB, kalvex.expN, kalvex.offsetC, kalvex.constK), columns);
    AnalysisScreen& analysis = registry->analysis();  // loads now, with the file's texts
    EXPECT_EQ(analysis.変域[0]->text(), "-3");
    EXPECT_EQ(analysis.変域[1]->text(), "3");
    EXPECT_EQ(analysis.精度コンボ->currentText(), "0.5");
    EXPECT_FALSE(document.modified());
    EXPECT_EQ(document.recentFiles().value(0), file("square.kalvex"));
    EXPECT_FALSE(screen.recentActions.isEmpty());
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

TEST_F(DocumentTest, UnsavedWorkIsAskedAboutOnlyOnceTiedToAFile) {
    compose();
    // Never tied to a file: it goes at once, as it always has.
    EXPECT_TRUE(document.newEquation());
    compose();
    screen.E->trigger();
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
        {"新規作成", [&] { screen.newAction->trigger(); }, [&] { return kalvex.termCount == 0; }},
        {"終了", [&] { screen.E->trigger(); }, [&] { return endRequests == 2; }},
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
        EXPECT_EQ(kalvex.termCount, 4) << p.what;
    }
    // 保存 writes the file first, then the work goes.
    answer = Document::Answer::save;
    screen.newAction->trigger();
    EXPECT_EQ(kalvex.termCount, 0);
    QFile f(file("tied.kalvex"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_NE(f.readAll(), before);
    EXPECT_TRUE(document.open(file("tied.kalvex")));
    EXPECT_EQ(kalvex.termCount, 4);
    // 保存しない lets it go as it is.
    add(6, {{"定数", "8"}});
    answer = Document::Answer::discard;
    EXPECT_TRUE(document.newEquation());
    EXPECT_EQ(kalvex.termCount, 0);
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
    EXPECT_EQ(kalvex.termCount, 3);
    EXPECT_EQ(document.path(), file("dropped.kalvex"));

    QMimeData other;
    other.setUrls({QUrl::fromLocalFile(file("picture.png"))});
    QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &other, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QApplication::sendEvent(&screen, &refused);
    EXPECT_FALSE(refused.isAccepted());
}
