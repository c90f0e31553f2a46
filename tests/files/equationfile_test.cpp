// SPDX-License-Identifier: GPL-3.0-or-later
// Equation files: what is written reads back exactly, every fault is refused
// with a message naming the file and the term, and a failed save leaves the
// old file as it was.
#include "equationfile.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstring>
#include <string>
#include <tuple>

#include "kalvex.h"
#include "loadterms.h"
#include "messages.h"
#include "numbertext.h"
#include "kalvexprobe.h"
#include "loadterms.h"

namespace {

Term typed(Shape shape, TermBoxes boxes) { return termFrom(shape, boxes); }

// Every shape once, with texts that a reading by value would change.
Equation everyShape() {
    Equation e;
    e.terms = {
        typed(Shape::power, {"", "1.50", " 2", "", "", ""}),
        typed(Shape::exp, {"-1e-40", "+3", "abc", "0.0", "", ""}),  // a subnormal float
        typed(Shape::base, {"2", "4", "2", "-5", "", "１０"}),  // a full-width 10 reads 0
        typed(Shape::log, {"1", "1", "1", "", "", ""}),
        typed(Shape::sin, {"\"q\" \\ \t\n", "1", "1", "1E+38", "", ""}),
        typed(Shape::cos, {"3.4028235e38", "0.1", "1", "0", "", ""}),
        typed(Shape::constant, {"", "", "", "", "-0", ""}),
    };
    e.start = "-3";
    e.end = "3 ";
    e.precision = "1E-07";
    return e;
}

// Everything a term carries, the floats by their bits: -0 is not 0 here.
auto contentOf(const Term& t) {
    auto bits = [](float v) {
        std::uint32_t u;
        std::memcpy(&u, &v, sizeof u);
        return u;
    };
    return std::tuple(t.shape, t.typed.a, t.typed.b, t.typed.n, t.typed.c, t.typed.k, t.typed.m, bits(t.a),
                      bits(t.b), bits(t.n), bits(t.c), bits(t.k), bits(t.m));
}

void expectSameTerms(const Equation& got, const Equation& want) {
    ASSERT_EQ(got.terms.size(), want.terms.size());
    for (std::size_t i = 0; i < want.terms.size(); ++i)
        EXPECT_EQ(contentOf(got.terms[i]), contentOf(want.terms[i])) << "term " << i + 1;
}

EquationRead parse(const std::string& text) {
    return parseEquation(QByteArray::fromStdString(text), "bad.kalvex");
}

std::string withTerms(const std::string& terms) {
    return R"({"format": "kalvex-equation", "version": 1, "terms": [)" + terms + "]}";
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

}  // namespace

TEST(EquationFile, EveryShapeComesBackExactlyAndRewritesToTheSameBytes) {
    const Equation written = everyShape();
    const QByteArray bytes = serializeEquation(written);
    const EquationRead read = parseEquation(bytes, "x.kalvex");
    ASSERT_TRUE(read) << read.error.text();
    expectSameTerms(*read.equation, written);
    EXPECT_EQ(read.equation->start, written.start);
    EXPECT_EQ(read.equation->end, written.end);
    EXPECT_EQ(read.equation->precision, written.precision);
    EXPECT_EQ(serializeEquation(*read.equation), bytes);

    // Loaded, the module shows what the setting screen would have shown.
    Kalvex fromFile, byHand;
    EXPECT_EQ(loadTerms(fromFile, *read.equation), nullptr);
    byHand.replaceTerms(written.terms);
    EXPECT_EQ(fromFile.termTotal(), 7);
    EXPECT_EQ(fromFile.formulaLine(), byHand.formulaLine());
}

TEST(EquationFile, WritesTheDocumentedLayout) {
    Equation e;
    e.terms = {typed(Shape::power, {"", "1", "2", "", "", ""}),
               typed(Shape::constant, {"", "", "", "", "-2", ""})};
    e.end = "3";
    EXPECT_EQ(serializeEquation(e).toStdString(),
              "{\n"
              "  \"format\": \"kalvex-equation\",\n"
              "  \"version\": 1,\n"
              "  \"terms\": [\n"
              "    {\"shape\": \"power\", \"b\": \"1\", \"n\": \"2\"},\n"
              "    {\"shape\": \"constant\", \"k\": \"-2\"}\n"
              "  ],\n"
              "  \"analysis\": {\"end\": \"3\"}\n"
              "}\n");
    e.terms.clear();
    e.end.reset();
    const EquationRead empty = parseEquation(serializeEquation(e), "e.kalvex");
    ASSERT_TRUE(empty) << empty.error.text();
    EXPECT_TRUE(empty.equation->terms.empty());
    EXPECT_FALSE(empty.equation->start || empty.equation->end || empty.equation->precision);
}

TEST(EquationFile, ThroughTheDiskTooWithoutLeavingTemporaryFiles) {
    QTemporaryDir dir;
    const QString path = dir.filePath("日本語 name.kalvex");
    ASSERT_EQ(writeEquation(path, Equation{}), std::nullopt);
    ASSERT_EQ(writeEquation(path, everyShape()), std::nullopt);  // replaces the first
    const EquationRead read = readEquation(path);
    ASSERT_TRUE(read) << read.error.text();
    expectSameTerms(*read.equation, everyShape());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"日本語 name.kalvex"});
}

TEST(EquationFile, JsonNumbersBecomeTheirShortestText) {
    const struct {
        const char* json;
        const char* text;
        double value;
    } cases[] = {
        {"1.5", "1.5", 1.5},
        {"2", "2", 2},
        {"-3.0", "-3", -3},
        {"0.1", "0.1", 0.1},
        {"1e-7", "1E-07", 1e-7},
        {"1E21", "1E+21", 1e21},
        {"123456.789", "123456.789", 123456.789},
        {"0.30000000000000004", "0.30000000000000004", 0.1 + 0.2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        const std::string n = c.json;
        const EquationRead read = parse(R"({"format": "kalvex-equation", "version": 1, "terms": [)"
                                        R"({"shape": "power", "b": )" +
                                        n +
                                        R"(, "n": 1}],)"
                                        R"("analysis": {"precision": )" +
                                        n + "}}");
        ASSERT_TRUE(read) << read.error.text();
        EXPECT_EQ(read.equation->terms[0].typed.b, c.text);
        EXPECT_EQ(read.equation->precision, c.text);
        EXPECT_EQ(readNumber(c.text), c.value);
        EXPECT_EQ(read.equation->terms[0].b, static_cast<float>(c.value));
    }
}

TEST(EquationFile, FaultsAreRefusedNamingTheFileAndTheTerm) {
    const std::string power = R"({"shape": "power", "b": "1", "n": "2"})";
    std::string twentyOne = power;
    for (int i = 0; i < 20; ++i) twentyOne += "," + power;
    const struct {
        std::string bytes;
        std::string message;
    } cases[] = {
        {"", "bad.kalvex: JSON として読めません（1行目）。"},
        {"{\n\"format\": \"kalvex-equation\",\n\"version\": 1,,\n}",
         "bad.kalvex: JSON として読めません（3行目）。"},
        {"{\"format\": \"\xff\"}", "bad.kalvex: UTF-8 のテキストではありません（1行目）。"},
        {"\n\n{\"x\": \"\xed\xa0\x80\"}", "bad.kalvex: UTF-8 のテキストではありません（3行目）。"},
        {"[]", "bad.kalvex: 方程式のファイルではありません。"},
        {R"({"format": "other", "version": 1, "terms": []})", "bad.kalvex: 方程式のファイルではありません。"},
        {R"({"format": "kalvex-equation", "terms": []})", "bad.kalvex: 「version」がありません。"},
        {R"({"format": "kalvex-equation", "version": 2, "terms": []})",
         "bad.kalvex: 版 2 には対応していません。"},
        {R"({"format": "kalvex-equation", "version": "1", "terms": []})",
         "bad.kalvex: 版 \"1\" には対応していません。"},
        {R"({"format": "kalvex-equation", "version": 1})", "bad.kalvex: 「terms」がありません。"},
        {R"({"format": "kalvex-equation", "version": 1, "terms": {}})",
         "bad.kalvex: 「terms」は [ ] で書いてください。"},
        {R"({"format": "kalvex-equation", "version": 1, "terms": [], "analisys": {}})",
         "bad.kalvex: 「analisys」は使えません。"},
        {withTerms(power + ", 3"), "bad.kalvex: 項2: 項は { } で書いてください。"},
        {withTerms(R"({"b": "1", "n": "2"})"), "bad.kalvex: 項1: 「shape」がありません。"},
        {withTerms(R"({"shape": 1})"), "bad.kalvex: 項1: 「shape」は文字列で書いてください。"},
        {withTerms(R"({"shape": "tan"})"), "bad.kalvex: 項1: 形式「tan」はありません。"},
        {withTerms(R"({"shape": "power", "b": "1"})"), "bad.kalvex: 項1: 「n」がありません。"},
        {withTerms(R"({"shape": "power", "a": "1", "b": "1", "n": "2"})"),
         "bad.kalvex: 項1: 「a」は形式 power の項にはありません。"},
        {withTerms(R"({"shape": "constant", "k": true})"),
         "bad.kalvex: 項1: 「k」は文字列か数値で書いてください。"},
        {withTerms(R"({"shape": "constant", "k": "\ud800"})"),
         "bad.kalvex: 項1: 「k」に文字として読めない部分があります。"},
        // The checks of 追加, with its messages and in its order.
        {withTerms(power + R"(, {"shape": "power", "b": "", "n": "2"})"),
         "bad.kalvex: 項2: 係数を必ず入力して下さい。"},
        {withTerms(R"({"shape": "constant", "k": ""})"), "bad.kalvex: 項1: 未入力です。"},
        {withTerms(R"({"shape": "sin", "a": "", "b": "1e39", "n": "1", "c": "0"})"),
         "bad.kalvex: 項1: 係数を必ず入力して下さい。"},
        {withTerms(R"({"shape": "base", "m": "1e39", "a": "1", "b": "1", "n": "1", "c": "0"})"),
         "bad.kalvex: 項1: 数値が大きすぎます。"},
        {withTerms(power + R"(, {"shape": "constant", "k": 1e-50})"), "bad.kalvex: 項2: 数値が小さすぎます。"},
        {withTerms(twentyOne), "bad.kalvex: 項21: 項は20個までです。"},
        // Term by term: a refused term before a misformed one is told first, and the other way round.
        {withTerms(R"({"shape": "power", "b": "", "n": "2"}, 3)"), "bad.kalvex: 項1: 係数を必ず入力して下さい。"},
        {withTerms(R"(3, {"shape": "power", "b": "", "n": "2"})"), "bad.kalvex: 項1: 項は { } で書いてください。"},
        {R"({"format": "kalvex-equation", "version": 1, "terms": [], "analysis": []})",
         "bad.kalvex: 「analysis」は { } で書いてください。"},
        {R"({"format": "kalvex-equation", "version": 1, "terms": [], "analysis": {"start": [1]}})",
         "bad.kalvex: 「start」は文字列か数値で書いてください。"},
        {R"({"format": "kalvex-equation", "version": 1, "terms": [], "analysis": {"step": "1"}})",
         "bad.kalvex: 「step」は使えません。"},
        // A key given twice, in any object and however it is spelled; the
        // same key in two objects is no repetition.
        {R"({"format": "kalvex-equation", "version": 1, "terms": [)" + power + "],\n\"terms\": []}",
         "bad.kalvex: 「terms」が二度以上あります（2行目）。"},
        {withTerms(power + R"(, {"shape": "power", "b": "1", "n": "2", "n": "3"})"),
         "bad.kalvex: 「n」が二度以上あります（1行目）。"},
        {withTerms(R"({"shape": "power", "b": "1", "n": "2", "\u006e": "3"})"),
         "bad.kalvex: 「n」が二度以上あります（1行目）。"},
        {R"({"format": "kalvex-equation", "version": 1, "terms": [], "analysis": {"end": "1", "end": "1"}})",
         "bad.kalvex: 「end」が二度以上あります（1行目）。"},
        // Text from the file is shown cut, and never raw.
        {R"({"format": "kalvex-equation", "version": 1, "terms": [], ")" + std::string(1 << 19, 'k') + "\": 1}",
         "bad.kalvex: 「" + std::string(60, 'k') + "…」は使えません。"},
        {withTerms(R"({"shape": "\u001b]0;t\u0007\u001b[2J"})"),
         "bad.kalvex: 項1: 形式「\\x1B]0;t\\x07\\x1B[2J」はありません。"},
    };
    for (const auto& c : cases) {
        const EquationRead read = parse(c.bytes);
        EXPECT_FALSE(read) << c.bytes;
        EXPECT_EQ(read.error.text(), c.message) << c.bytes;
    }
}

TEST(EquationFile, FilesThatCannotBeReadAreNamed) {
    QTemporaryDir dir;
    const QString big = dir.filePath("big.kalvex");
    QFile f(big);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(largestEquationFile + 1, ' '));
    f.close();
    for (const QString& path : {dir.filePath("missing.kalvex"), dir.path(), big}) {
        const EquationRead read = readEquation(path);
        EXPECT_FALSE(read);
        EXPECT_EQ(read.error.text().rfind(path.toStdString() + ": ", 0), 0u) << read.error.text();
    }
}

TEST(EquationFile, AFileOfTheLargestSizeIsReadAndOneByteMoreIsNot) {
    QTemporaryDir dir;
    const QByteArray equation = serializeEquation(everyShape());
    for (const long long size : {largestEquationFile, largestEquationFile + 1}) {
        const QString path = dir.filePath(QString::number(size) + ".kalvex");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(equation + QByteArray(size - equation.size(), ' '));
        f.close();
        const EquationRead read = readEquation(path);
        if (size == largestEquationFile) {
            EXPECT_TRUE(read) << read.error.text();
        } else {
            EXPECT_EQ(read.error.text(), path.toStdString() + ": " + messages::files::tooLarge);
        }
    }
}

// Root writes into a read-only folder all the same, so the save is tried by
// a child that has given up root.
TEST(EquationFile, AFailedSaveLeavesTheOldFileByteForByte) {
    QTemporaryDir dir;
    const QString path = dir.filePath("old.kalvex");
    ASSERT_EQ(writeEquation(path, Equation{}), std::nullopt);
    const QByteArray before = contents(path);
    // Only the folder stands in the way: the file itself may be written.
    const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::WriteOther;
    ASSERT_TRUE(QFile::setPermissions(path, all));
    ASSERT_TRUE(QFile::setPermissions(
        dir.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
        const std::optional<FileError> failure = writeEquation(path, everyShape());
        if (!failure) _exit(1);
        _exit(failure->text().rfind(path.toStdString() + ": ", 0) == 0 ? 0 : 2);
    }
    int status = 0;
    waitpid(child, &status, 0);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: saved, 2: message without the file name, 3: could not drop root";
    EXPECT_EQ(contents(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.kalvex"});
}

TEST(EquationFile, LoadingRefusesWhatAddingWouldRefuseAndThenAddsNothing) {
    Kalvex k;
    Equation nineteen;
    nineteen.terms.assign(19, typed(Shape::constant, {"", "", "", "", "1", ""}));
    ASSERT_EQ(loadTerms(k, nineteen), nullptr);
    Equation two;
    two.terms.assign(2, typed(Shape::constant, {"", "", "", "", "1", ""}));
    EXPECT_STREQ(loadTerms(k, two), messages::tooManyTerms);
    EXPECT_EQ(state(k).termCount, 19);
}
