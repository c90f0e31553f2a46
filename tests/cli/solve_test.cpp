// SPDX-License-Identifier: GPL-3.0-or-later
// kalvex-solve as a user runs it: the lists, messages and exit statuses of
// the window's own cases, the file name lines, JSON Lines and usage errors.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <string>

namespace {

const char* const squareMinusTwo = R"({"format": "kalvex-equation", "version": 1,
  "terms": [{"shape": "power", "b": "1", "n": "2"}, {"shape": "constant", "k": "-2"}],
  "analysis": {"start": "-3", "end": "3", "precision": "1E-07"}})";
const char* const naturalLog = R"({"format": "kalvex-equation", "version": 1,
  "terms": [{"shape": "log", "a": "1", "b": "1", "n": "1", "c": "0"}],
  "analysis": {"start": "0.01", "end": "1", "precision": "0.1"}})";
const char* const noRange = R"({"format": "kalvex-equation", "version": 1,
  "terms": [{"shape": "power", "b": "1", "n": "2"}, {"shape": "constant", "k": "-2"}]})";
const char* const twiceX = R"({"format": "kalvex-equation", "version": 1,
  "terms": [{"shape": "power", "b": "1", "n": "1"}, {"shape": "power", "b": 1, "n": 1}]})";
const char* const noTerms = R"({"format": "kalvex-equation", "version": 1, "terms": [],
  "analysis": {"start": "-3", "end": "3"}})";

const char* const pole = R"({"format": "kalvex-equation", "version": 1,
  "terms": [{"shape": "power", "b": "-1", "n": "-1"}, {"shape": "constant", "k": "0.15"}],
  "analysis": {"start": "-1", "end": "10", "precision": "1E-07"}})";
const char* const sineOfReciprocal = R"({"format": "kalvex-equation", "version": 1,
  "terms": [{"shape": "sin", "a": "1", "b": "1", "n": "-1", "c": "0"}],
  "analysis": {"start": "0", "end": "1", "precision": "1E-07"}})";
const char* const squared = R"({"format": "kalvex-equation", "version": 1,
  "terms": [{"shape": "power", "b": "1", "n": "2"}], "analysis": {"start": "-1", "end": "1"}})";

const std::string logMessages =
    "Log( )の括弧内が０以下になってしまっています。\n"
    "変域の範囲が計算不能箇所となりました。\n"
    "変域の範囲が計算不能箇所があります。解析区間の見直しをしてください。\n";

struct Ran {
    std::string out, err;
    int status = -1;
};

class Solve : public ::testing::Test {
protected:
    Solve() {
        write("sq.kalvex", squareMinusTwo);
        write("ln.kalvex", naturalLog);
        write("norange.kalvex", noRange);
        write("empty.kalvex", noTerms);
        write("twice.kalvex", twiceX);
        write("broken.kalvex", "{\"format\": ");
        write("pole.kalvex", pole);
        write("sinrecip.kalvex", sineOfReciprocal);
        write("squared.kalvex", squared);
    }
    void write(const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // Through a shell where the arguments or the output need one: names as
    // raw bytes, a closed standard output.
    Ran shell(const QString& command) { return run({"-c", command}, {}, "sh"); }

    Ran run(const QStringList& arguments, const QString& locale = QString(),
            const QString& program = KALVEX_SOLVE,
            QProcess::ProcessChannelMode channels = QProcess::SeparateChannels, const QString& output = {}) {
        QProcess p;
        p.setProcessChannelMode(channels);
        if (!output.isEmpty()) p.setStandardOutputFile(output);
        p.setWorkingDirectory(dir.path());
        if (!locale.isEmpty()) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) environment.remove(name);
            environment.insert("LANG", locale);
            p.setProcessEnvironment(environment);
        }
        if (program == "sh") {
            QProcessEnvironment environment = p.processEnvironment().isEmpty()
                                                  ? QProcessEnvironment::systemEnvironment()
                                                  : p.processEnvironment();
            environment.insert("SOLVE", KALVEX_SOLVE);
            p.setProcessEnvironment(environment);
        }
        p.start(program, arguments);
        EXPECT_TRUE(p.waitForFinished(60000));
        return {p.readAllStandardOutput().toStdString(), p.readAllStandardError().toStdString(),
                p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1};
    }
    QTemporaryDir dir;
};

}  // namespace

TEST_F(Solve, ListsMessagesAndStatusesAsTheWindow) {
    const struct {
        QStringList arguments;
        std::string out, err;
        int status;
    } cases[] = {
        {{"sq.kalvex"}, "-1.4142136\n1.4142135\n", "", 0},
        {{"ln.kalvex"}, "", logMessages, 1},
        {{"--evaluate", "2", "sq.kalvex"}, "2\n", "", 0},
        // A failing term counts 0 and the panel shows the rest, but that is
        // not F(x): the status says so. A sum that is no number shows nothing.
        {{"--evaluate", "-1e400", "sq.kalvex"}, "-2\n", "計算できない値になりました。\n", 1},
        {{"--evaluate", "1e308", "twice.kalvex"}, "", "計算できない値になりました。\n", 1},
        {{"--evaluate", "0", "ln.kalvex"}, "", "Ｘの適用範囲はＸ＞０　です。\n", 1},
        // A file without a range takes one from the command line, and the
        // precision box's initial text.
        {{"--range", "-3", "3", "norange.kalvex"}, "-1.4142136\n1.4142135\n", "", 0},
        {{"norange.kalvex", "--range", "3", "-3"}, "1.4142135\n-1.4142136\n", "", 0},
        {{"--precision", "abc", "sq.kalvex"}, "", "精度には正の数値を入力してください。\n", 1},
        {{"--range", "1", "1", "sq.kalvex"}, "", "変域あるいは、分割数を確認してください。\n", 1},
        {{"empty.kalvex"}, "", "empty.kalvex: 式を入力してください。\n", 1},
        {{"sq.kalvex", "ln.kalvex"}, "sq.kalvex:\n-1.4142136\n1.4142135\nln.kalvex:\n", logMessages, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Ran r = run(c.arguments);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.status, c.status);
    }
}

TEST_F(Solve, CoarsePrecisionListsTheCutRootsThenEveryFineHit) {
    const Ran r = run({"--precision", "0.1", "sq.kalvex"});
    const QStringList lines = QString::fromStdString(r.out).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 238);
    EXPECT_EQ(lines[0], "-1.5");
    EXPECT_EQ(lines[1], "1.4");
    EXPECT_EQ(r.status, 0);
}

TEST_F(Solve, UnusableFilesAndUsageAreStatusTwoAndTheOthersStillRun) {
    const struct {
        QStringList arguments;
        std::string out, errStart;
    } cases[] = {
        {{"broken.kalvex", "sq.kalvex"},
         "broken.kalvex:\nsq.kalvex:\n-1.4142136\n1.4142135\n",
         "broken.kalvex: JSON として読めません（1行目）。"},
        {{"missing.kalvex"}, "", "missing.kalvex: 開けません"},
        {{"norange.kalvex"}, "", "norange.kalvex: 変域がありません。"},
        {{}, "", "方程式のファイルを指定してください。"},
        {{"sq.kalvex", "--range", "1"}, "", "--range には開始と終了の二つの値が必要です。"},
        {{"--range=1", "sq.kalvex"}, "", "--range には開始と終了の二つの値が必要です。"},
        {{"--evaluate", "1", "--precision", "0.1", "sq.kalvex"}, "", "--evaluate は"},
        {{"--no-such-option", "sq.kalvex"}, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Ran r = run(c.arguments);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err.rfind(c.errStart, 0), 0u) << r.err;
        EXPECT_FALSE(r.err.empty());
        EXPECT_EQ(r.status, 2);
    }
}

TEST_F(Solve, JsonLinesCarryListRootsMessagesAndTheEnd) {
    const Ran r = run({"--json", "sq.kalvex", "ln.kalvex", "broken.kalvex"});
    EXPECT_EQ(r.status, 2);
    const QList<QByteArray> lines = QByteArray::fromStdString(r.out).split('\n');
    ASSERT_EQ(lines.size(), 4);  // three objects and the final line end
    std::vector<QJsonObject> objects;
    for (int i = 0; i < 3; ++i) {
        QJsonParseError error;
        objects.push_back(QJsonDocument::fromJson(lines[i], &error).object());
        ASSERT_EQ(error.error, QJsonParseError::NoError) << lines[i].toStdString();
    }
    const QJsonObject &sq = objects[0], &ln = objects[1], &broken = objects[2];
    EXPECT_EQ(sq["file"].toString(), "sq.kalvex");
    EXPECT_EQ(sq["list"].toArray(), (QJsonArray{"-1.4142136", "1.4142135"}));
    EXPECT_EQ(sq["roots"].toArray(), (QJsonArray{-1.4142136, 1.4142135}));
    EXPECT_EQ(sq["messages"].toArray(), QJsonArray{});
    EXPECT_EQ(sq["completed"], QJsonValue(true));
    EXPECT_EQ(ln["messages"].toArray().size(), 3);
    EXPECT_EQ(ln["messages"][0].toString().toStdString(), "Log( )の括弧内が０以下になってしまっています。");
    EXPECT_EQ(ln["completed"], QJsonValue(false));
    EXPECT_EQ(broken["file"].toString(), "broken.kalvex");
    EXPECT_TRUE(broken["error"].toString().startsWith("broken.kalvex: "));

    const Ran value = run({"--json", "--evaluate", "2", "sq.kalvex"});
    const QJsonObject v = QJsonDocument::fromJson(QByteArray::fromStdString(value.out)).object();
    EXPECT_EQ(v["text"].toString(), "2");
    EXPECT_EQ(v["value"].toDouble(), 2.0);
    EXPECT_EQ(v["completed"], QJsonValue(true));
}

// --certified: one finding a line in x order, roots rounded to the precision,
// and a summary last.
TEST_F(Solve, CertifiedFindingsAndStatuses) {
    const std::string incomplete = "確かめきれない区間が残りました（評価の回数の上限か、決められない符号）。\n";
    const std::string all = "解はこれですべてです（解 ";
    const struct {
        QStringList arguments;
        std::string out, err;
        int status;
    } cases[] = {
        {{"--certified", "sq.kalvex"}, "-1.4142136\n1.4142136\n" + all + "2 個）。\n", "", 0},
        {{"--certified", "pole.kalvex"}, "極: 0\n6.6666664\n" + all + "1 個）。\n", "", 0},
        {{"--certified", "--precision", "0.01", "pole.kalvex"}, "極: 0\n6.67\n" + all + "1 個）。\n", "", 0},
        {{"--certified", "--range", "-1", "2", "ln.kalvex"}, "値のない区間: -1 〜 0\n1\n" + all + "1 個）。\n", "", 0},
        {{"--certified", "--range", "1", "1", "ln.kalvex"}, "", "変域あるいは、分割数を確認してください。\n", 1},
        {{"--certified", "-e", "x - x", "--range", "-1E308", "1E308"}, "F は変域のすべての点で 0 です。\n", "", 0},
        {{"--certified", "squared.kalvex"}, "0（重複度 2）\n" + all + "1 個）。\n", "", 0},
        {{"--certified", "ln.kalvex", "--precision", "0"}, "", "精度には正の数値を入力してください。\n", 1},
        {{"--certified", "--evaluate", "1", "sq.kalvex"}, "", "--certified は --evaluate と一緒には使えません。\n", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Ran r = run(c.arguments);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err.rfind(c.err, 0), 0u) << r.err;
        EXPECT_EQ(r.status, c.status);
    }
    // sin(1/x) has infinitely many roots beside 0: the budget leaves a stretch unresolved.
    const Ran r = run({"--certified", "sinrecip.kalvex"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, incomplete);
    EXPECT_NE(r.out.find("未解決の区間: "), std::string::npos);
    EXPECT_NE(r.out.find("\n0.3183099\n解がすべてとは言えません（解 "), std::string::npos) << r.out;
    const Ran english = run({"--certified", "pole.kalvex"}, "en_US.UTF-8");
    EXPECT_EQ(english.out, "pole: 0\n6.6666664\nEvery root is listed: 1 in all.\n");
}

TEST_F(Solve, CertifiedJsonHoldsEveryKindAndExactEnds) {
    const Ran r = run({"--certified", "--json", "sq.kalvex", "sinrecip.kalvex"});
    EXPECT_EQ(r.status, 1);
    const QList<QByteArray> lines = QByteArray::fromStdString(r.out).split('\n');
    ASSERT_EQ(lines.size(), 3);
    const QJsonObject sq = QJsonDocument::fromJson(lines[0]).object()["certified"].toObject();
    const QJsonObject sine = QJsonDocument::fromJson(lines[1]).object()["certified"].toObject();
    for (const char* key :
         {"complete", "zero_everywhere", "roots", "poles", "undefined", "multiple", "unresolved", "evaluations"}) {
        EXPECT_TRUE(sq.contains(QLatin1String(key))) << key;
        EXPECT_TRUE(sine.contains(QLatin1String(key))) << key;
    }
    EXPECT_EQ(sq["complete"], QJsonValue(true));
    ASSERT_EQ(sq["roots"].toArray().size(), 2);
    const QJsonObject root = sq["roots"][0].toObject();
    EXPECT_EQ(root["lo"].toDouble(), -1.4142135623730951);
    EXPECT_EQ(root["hi"].toDouble(), -1.414213562373095);
    EXPECT_EQ(root["text"].toString(), "-1.4142136");
    EXPECT_EQ(root["multiplicity"], QJsonValue(1));
    EXPECT_EQ(sq["zero_everywhere"], QJsonValue(false));
    EXPECT_GT(sq["evaluations"].toInt(), 0);
    EXPECT_EQ(sine["complete"], QJsonValue(false));
    EXPECT_FALSE(sine["unresolved"].toArray().isEmpty());
    EXPECT_LE(sine["evaluations"].toInt(), 100010);
}

// --digits: each root to that many correct digits, in the text and in JSON;
// a count out of 1 .. 1000, or without --certified, is a usage error.
TEST_F(Solve, CertifiedRootsToManyDigits) {
    const Ran r = run({"--certified", "--digits", "30", "-e", "x^2 - 2", "--range", "0", "3"});
    EXPECT_EQ(r.out, "1.41421356237309504880168872421\n解はこれですべてです（解 1 個）。\n");
    EXPECT_EQ(r.status, 0);
    const Ran json = run({"--certified", "--json", "--digits", "3", "pole.kalvex"});
    const QJsonObject c = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object()["certified"].toObject();
    EXPECT_EQ(c["roots"][0].toObject()["digits"].toString(), "6.67");
    for (const QStringList& bad : {QStringList{"--certified", "--digits", "0", "sq.kalvex"},
                                   QStringList{"--certified", "--digits", "1001", "sq.kalvex"},
                                   QStringList{"--digits", "5", "sq.kalvex"}}) {
        const Ran refused = run(bad);
        EXPECT_EQ(refused.status, 2) << bad.join(' ').toStdString();
        EXPECT_EQ(refused.err.rfind("--digits には --certified と、1 から 1000 までの整数が要ります。\n", 0),
                  0u);
    }
}

TEST_F(Solve, HelpAndVersion) {
    const Ran help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--range", "--precision", "--evaluate", "--json", "--version"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    const Ran version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("kalvex-solve ") + KALVEX_VERSION + "\n");
}

// The language follows the locale: English for an English one, the
// designed Japanese for any other. The results are the same in both.
TEST_F(Solve, SpeaksTheLanguageOfTheLocale) {
    const std::string english =
        "The argument of Log( ) is zero or less.\n"
        "The range reached a point where F cannot be computed.\n"
        "F cannot be computed somewhere in the range. Revise the range of the analysis.\n";
    const struct {
        const char* locale;
        std::string err;
    } cases[] = {{"en_US.UTF-8", english}, {"en_GB.UTF-8", english}, {"ja_JP.UTF-8", logMessages},
                 {"C", logMessages},       {"C.UTF-8", logMessages}, {"de_DE.UTF-8", logMessages}};
    for (const auto& c : cases) {
        const Ran ran = run({"ln.kalvex"}, c.locale);
        EXPECT_EQ(ran.err, c.err) << c.locale;
        EXPECT_EQ(ran.status, 1) << c.locale;
        EXPECT_EQ(run({"sq.kalvex"}, c.locale).out, "-1.4142136\n1.4142135\n") << c.locale;
    }
}

TEST_F(Solve, EnglishUsageErrorsFileMessagesAndHelp) {
    const QString en = "en_US.UTF-8";
    const Ran none = run({}, en);
    EXPECT_EQ(none.err, "Name an equation file.\nRun kalvex-solve --help for usage.\n");
    EXPECT_EQ(none.status, 2);
    EXPECT_EQ(run({"norange.kalvex"}, en).err, "norange.kalvex: No range. Give one with --range.\n");
    EXPECT_EQ(run({"--range", "1"}, en).err,
              "--range needs two values, a start and an end.\nRun kalvex-solve --help for usage.\n");

    const Ran help = run({"--help"}, en);
    EXPECT_EQ(help.status, 0);
    for (const char* line :
         {"Usage:", "Options:", "Displays this help.", "Prints each file's result as one line of JSON.",
          "Exit status: 0 every analysis ran to its end"})
        EXPECT_NE(help.out.find(line), std::string::npos) << line << "\n" << help.out;
    EXPECT_EQ(help.out.find("表示"), std::string::npos) << help.out;
    // And the designed Japanese, Qt's own texts included, for any other locale.
    const Ran japanese = run({"--help"}, "C");
    EXPECT_NE(japanese.out.find("この説明を表示します。"), std::string::npos) << japanese.out;
    EXPECT_EQ(japanese.out.find("Displays this help."), std::string::npos) << japanese.out;
}

// A pipe with no writer is refused at once and the other files are solved;
// results are out before any later message, and a failed write of them is
// not a success.
TEST_F(Solve, NothingHangsAndNothingSolvedIsLostOrReportedWritten) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("p.kalvex")).constData(), 0644), 0);
    const Ran pipe = run({"sq.kalvex", "p.kalvex", "sq.kalvex"});
    EXPECT_EQ(pipe.out, "sq.kalvex:\n-1.4142136\n1.4142135\np.kalvex:\nsq.kalvex:\n-1.4142136\n1.4142135\n");
    EXPECT_EQ(pipe.err, "p.kalvex: 開けません（通常のファイルではありません）。\n");
    EXPECT_EQ(pipe.status, 2);

    const Ran merged = run({"sq.kalvex", "ln.kalvex"}, {}, KALVEX_SOLVE, QProcess::MergedChannels);
    EXPECT_EQ(merged.out, "sq.kalvex:\n-1.4142136\n1.4142135\nln.kalvex:\n" + logMessages);

    const std::string noSpace = "標準出力に書けません（No space left on device）。\n";
    for (const QStringList& arguments : {QStringList{"sq.kalvex"}, QStringList{"--json", "sq.kalvex"}}) {
        const Ran full = run(arguments, {}, KALVEX_SOLVE, QProcess::SeparateChannels, "/dev/full");
        EXPECT_EQ(full.err, noSpace);
        EXPECT_EQ(full.status, 2);
        const Ran closed = shell("exec \"$SOLVE\" " + arguments.join(' ') + " >&-");
        EXPECT_EQ(closed.err, "標準出力に書けません（Bad file descriptor）。\n");
        EXPECT_EQ(closed.status, 2);
    }
    EXPECT_EQ(run({"--help"}, {}, KALVEX_SOLVE, QProcess::SeparateChannels, "/dev/full").status, 2);
}

TEST_F(Solve, NamesAreTakenAsTheirBytesAndShownLegibly) {
    write("d.kalvex", R"({"format": "kalvex-equation", "version": 1, "terms": [], "terms": []})");
    write("esc.kalvex", QByteArray(R"({"format": "kalvex-equation", "version": 1, "terms": [], ")") +
                            "\\u001b]0;t\\u0007" + QByteArray(1 << 19, 'k') + "\": 1}");
    const struct {
        QString command;
        std::string err;
        int status;
    } cases[] = {
        {R"sh(cp sq.kalvex "$(printf 'lat\351.kalvex')" && exec "$SOLVE" "$(printf 'lat\351.kalvex')")sh",
         "lat\\xE9.kalvex: 開けません（ファイル名が UTF-8 ではありません）。\n", 2},
        {R"(exec "$SOLVE" d.kalvex)", "d.kalvex: 「terms」が二度以上あります（1行目）。\n", 2},
        {R"(exec "$SOLVE" esc.kalvex)",
         "esc.kalvex: 「\\x1B]0;t\\x07" + std::string(48, 'k') + "…」は使えません。\n", 2},
        {R"(exec "$SOLVE" --range 0 sq.kalvex)",
         "--range の値「sq.kalvex」はファイルの名前です。開始と終了の二つの値を指定してください。\n"
         "使い方は kalvex-solve --help で表示されます。\n",
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command.toStdString());
        const Ran r = shell(c.command);
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.status, c.status);
    }
    // Started by its path, the help still names the command.
    EXPECT_EQ(run({"--help"}).out.rfind("使い方: kalvex-solve [", 0), 0u);
}

TEST_F(Solve, TermRefusalsAreInEnglishUnderAnEnglishLocale) {
    const QByteArray constant = R"({"shape": "constant", "k": "1"})";
    QByteArray many = constant;
    for (int i = 0; i < 20; ++i) many += "," + constant;
    const struct {
        QByteArray terms;
        std::string err;
    } cases[] = {
        {many, "t.kalvex: term 21: An equation holds 20 terms at most.\n"},
        {R"({"shape": "constant", "k": "1e39"})", "t.kalvex: term 1: The number is too large.\n"},
        {R"({"shape": "power", "b": "", "n": "1"})", "t.kalvex: term 1: Enter the coefficient.\n"},
    };
    for (const auto& c : cases) {
        write("t.kalvex", R"({"format": "kalvex-equation", "version": 1, "terms": [)" + c.terms + "]}");
        EXPECT_EQ(run({"t.kalvex"}, "en_US.UTF-8").err, c.err);
    }
}

// -e: the typed F is solved as the file of the same terms is, and a line
// that cannot be read is a usage error that shows where it stopped.
TEST_F(Solve, TypedFormulaSolvesAsTheFileOfItsTerms) {
    const Ran file = run({"sq.kalvex"});
    const Ran typed = run({"-e", "x^2 - 2", "--range", "-3", "3", "--precision", "1E-07"});
    EXPECT_EQ(typed.out, file.out);
    EXPECT_EQ(typed.status, 0);
    EXPECT_EQ(run({"--formula=-2 + X**2", "--evaluate", "2"}).out, "2\n");
    const Ran log = run({"-e", "ln(x)", "--range", "0.01", "1", "--precision", "0.1"});
    EXPECT_EQ(log.err, run({"ln.kalvex"}).err);
    EXPECT_EQ(log.status, 1);

    const Ran faulty = run({"-e", "x^3 - 2x･sin(x)", "--range", "-3", "3"});
    EXPECT_EQ(faulty.err, "-e: 10 文字目: この形の項は使えません: 2x･sin(x)\n  x^3 - 2x･sin(x)\n           ^\n");
    EXPECT_EQ(faulty.out, "");
    EXPECT_EQ(faulty.status, 2);
    const Ran english = run({"-e", "sin x", "--json"}, "en_US.UTF-8");
    EXPECT_EQ(english.out, "{\"file\":\"-e\",\"error\":\"-e: Character 5: A function needs brackets: sin\"}\n");
    EXPECT_EQ(english.status, 2);
    EXPECT_EQ(run({"-e", "x", "sq.kalvex"}).status, 2);
    EXPECT_EQ(run({"-e", "x"}).err, "-e: 変域がありません。--range で指定してください。\n");
}

// Usage errors name the option, in our words, with anything typed escaped
// and cut; none is an analysis that ran.
TEST_F(Solve, UsageErrorsNameTheirOptionAndEchoNothingRaw) {
    const std::string seeHelp = "使い方は kalvex-solve --help で表示されます。\n";
    const struct {
        QStringList arguments;
        std::string err;
    } cases[] = {
        {{"-e"}, "-e には値が必要です。\n"},
        {{"sq.kalvex", "--evaluate"}, "--evaluate には値が必要です。\n"},
        {{"-e", ""}, "-e の式が空です。\n"},
        {{"-e", " \t"}, "-e の式が空です。\n"},
        {{"-e", "x", "-e", "x^2", "--range", "1", "2"}, "-e は一度だけ指定してください。\n"},
        {{"-e", "x", "--formula=x", "--range", "1", "2"}, "-e は一度だけ指定してください。\n"},
        {{"--range", "1", "2", "--range", "3", "4", "sq.kalvex"}, "--range は一度だけ指定してください。\n"},
        {{"--precision", "1", "--precision", "2", "sq.kalvex"}, "--precision は一度だけ指定してください。\n"},
        {{"--evaluate", "1", "--evaluate=2", "sq.kalvex"}, "--evaluate は一度だけ指定してください。\n"},
        {{"--json=yes", "sq.kalvex"}, "--json は値をとりません。\n"},
        {{"--\x1b[2Jx", "sq.kalvex"}, "「--\\x1B[2Jx」というオプションはありません。\n"},
        {{"--" + QString(100, 'k'), "sq.kalvex"}, "「--" + std::string(58, 'k') + "…」というオプションはありません。\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Ran r = run(c.arguments);
        EXPECT_EQ(r.err, c.err + seeHelp);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.status, 2);
    }
    const Ran english = run({"-e"}, "en_US.UTF-8");
    EXPECT_EQ(english.err, "-e needs a value.\nRun kalvex-solve --help for usage.\n");
}

// The typed line is shown escaped and, where long, cut around the mark, in
// plain and JSON output alike; the JSON name of a file that is not UTF-8 is
// the one its message shows.
TEST_F(Solve, TypedTextIsEscapedAndCutWhereverItIsEchoed) {
    const Ran control = run({"-e", "x\x1b[2J\xe2\x80\xae+1", "--range", "1", "2"});
    EXPECT_EQ(control.err, "-e: 2 文字目: 使えない文字です: \\x1B\n  x\\x1B[2J\\u202E+1\n   ^\n");
    std::string longLine;
    for (int i = 0; i < 15; ++i) longLine += "x + ";
    const Ran cut = run({"-e", QString::fromStdString(longLine + "sin x"), "--range", "1", "2"});
    const QStringList lines = QString::fromStdString(cut.err).split('\n');
    ASSERT_EQ(lines.size(), 4) << cut.err;
    EXPECT_EQ(lines[0], "-e: 65 文字目: 関数の後には ( ) が必要です: sin");
    EXPECT_TRUE(lines[1].startsWith("  … + x + ")) << cut.err;
    EXPECT_EQ(lines[1].size(), 2 + 1 + 60);
    EXPECT_EQ(lines[1].mid(lines[2].indexOf('^') - 4), "sin x") << cut.err;
    const Ran json = run({"--json", "--evaluate", "\xe2\x80\xae" "1", "sq.kalvex"});
    EXPECT_NE(json.out.find("\"x\":\"\\\\u202E1\""), std::string::npos) << json.out;
    const Ran latin = shell(R"sh(cp sq.kalvex "$(printf 'lat\351.kalvex')" && exec "$SOLVE" --json "$(printf 'lat\351.kalvex')")sh");
    EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(latin.out)).object()["file"].toString(),
              "lat\\xE9.kalvex");
}

// --certified names the file its messages are about, as the analysis does.
TEST_F(Solve, CertifiedMessagesNameTheirFile) {
    const Ran r = run({"--certified", "empty.kalvex"});
    EXPECT_EQ(r.err, "empty.kalvex: 式を入力してください。\n");
    EXPECT_EQ(r.status, 1);
}

// The help gives both forms, what --certified prints and its status, and
// never breaks a Japanese line inside a phrase.
TEST_F(Solve, HelpShowsBothFormsAndBreaksBetweenPhrases) {
    const Ran help = run({"--help"});
    const QStringList lines = QString::fromStdString(help.out).split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(lines[0].endsWith("kalvex-solve [オプション] FILE...")) << help.out;
    EXPECT_EQ(lines[1], "        kalvex-solve [オプション] -e F");
    for (const char* said : {"x の順に", "未解決の区間か重解の可能性が残ると、", "終了状態は 1 です。", "--digits"})
        EXPECT_NE(help.out.find(said), std::string::npos) << said;
    for (const QString& line : lines) {
        const QString text = line.trimmed();
        for (const QString particle : {"の", "を", "に", "は", "が", "で", "と", "、", "。"})
            EXPECT_FALSE(text.startsWith(particle)) << line.toStdString();
    }
    const Ran english = run({"--help"}, "en_US.UTF-8");
    EXPECT_NE(english.out.find("\n       kalvex-solve [options] -e F\n"), std::string::npos) << english.out;
    EXPECT_NE(english.out.find("The exit status is 1 when an unresolved\n"), std::string::npos) << english.out;
    EXPECT_NE(english.out.find("stretch or a possible multiple root remains."), std::string::npos) << english.out;
}

int main(int argc, char* argv[]) {
    // The cases expect the designed Japanese whatever the caller's locale;
    // the solver started for each inherits this.
    qputenv("LC_ALL", "C.UTF-8");
    qunsetenv("LANGUAGE");
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
