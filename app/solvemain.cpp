// kalvex-solve: the automatic analysis (or the estimate panel's value) of
// equation files, from the command line. Qt Core only.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <optional>
#include <string>

#include "equationfile.h"
#include "formula.h"
#include "kalvexversion.h"
#include "language.h"
#include "messages.h"
#include "numbertext.h"
#include "solver.h"
#include "texts.h"

namespace {

namespace fm = messages::files;

// Exit statuses, the worst of all files wins.
enum Status { ranToEnd = 0, stopped = 1, badUse = 2 };

// The precision box's text on a freshly opened analysis screen.
constexpr const char* initialPrecision = "1E-07";

void out(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }
void err(const std::string& text) {
    const std::string line = text + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

std::string utf8(const QString& text) { return text.toStdString(); }

// A message in the installed language; a message already put together
// (a file's refusal) comes through as it is.
std::string said(const std::string& message) { return translatedMessageUtf8(message); }

// The context of the command's own texts.
class KalvexSolve {
    Q_DECLARE_TR_FUNCTIONS(KalvexSolve)
};

std::string jsonArray(const std::vector<std::string>& items, bool quoted) {
    std::string json = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) json += ",";
        json += quoted ? jsonQuoted(items[i]) : items[i];
    }
    return json + "]";
}

struct Request {
    QStringList files;
    std::optional<std::string> start, end, precision, x;
    std::optional<std::string> formula;  // -e: F typed instead of a file
    bool json = false;
};

// --range takes two values, which QCommandLineParser cannot express: the
// pair is taken out before the rest is parsed. Values are taken as they
// are, "-3" included. False when a --range lacks its values.
bool takeRanges(QStringList& arguments, Request& request) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--") break;
        if (arguments[i] != "--range") continue;
        if (i + 2 >= arguments.size()) return false;
        request.start = utf8(arguments[i + 1]);
        request.end = utf8(arguments[i + 2]);
        arguments.remove(i, 3);
        --i;
    }
    return true;
}

int usageError(const std::string& message) {
    err(said(message));
    err(said(fm::seeHelp));
    return badUse;
}

// -e TEXT: the typed F as an equation holding the same terms as a file
// would, or why it cannot be read: where, and on the terminal the line
// with a mark under that character.
EquationRead formulaEquation(const std::string& text, bool marked) {
    const FormulaRead read = readFormula(text);
    EquationRead result;
    if (read) {
        result.equation = Equation{read.termList(), {}, {}, {}};
        return result;
    }
    const std::size_t column = formulaColumn(text, read.error.position);
    const std::string what = fillIn(said(formulaMessage(read.error.fault)), {read.error.piece});
    result.error = fillIn(said(fm::aboutFile),
                          {"-e", fillIn(said(messages::formula::atCharacter), {std::to_string(column), what})});
    if (marked) result.error += "\n  " + text + "\n  " + std::string(column - 1, ' ') + "^";
    return result;
}

// One file (or the typed F, named -e): its results on standard output, its
// messages on standard error.
Status solveFile(const QString& path, const Request& request) {
    const std::string name = utf8(path);
    auto refuse = [&](const std::string& message) {
        err(message);
        if (request.json) out("{\"file\":" + jsonQuoted(name) + ",\"error\":" + jsonQuoted(message) + "}\n");
        return badUse;
    };
    const EquationRead read =
        request.formula ? formulaEquation(*request.formula, !request.json) : readEquation(path);
    if (!read) return refuse(read.error);
    const Equation& equation = *read.equation;

    Outcome outcome;
    if (request.x) {
        outcome = evaluate(equation, *request.x);
    } else {
        const bool ranged = request.start.has_value();
        const std::string start = ranged ? *request.start : equation.start.value_or("");
        const std::string end = ranged ? *request.end : equation.end.value_or("");
        // Both boxes empty: the window's button does nothing at all.
        if (start.empty() && end.empty())
            return refuse(fillIn(said(fm::aboutFile), {name, said(fm::noRange)}));
        const std::string precision =
            request.precision.value_or(equation.precision.value_or(initialPrecision));
        outcome = analyse(equation, start, end, precision);
    }

    std::vector<std::string> messages;
    for (const std::string& message : outcome.messages) messages.push_back(said(message));
    for (const std::string& message : messages) err(message);
    if (!request.json) {
        for (const std::string& entry : outcome.list) out(entry + "\n");
    } else if (request.x) {
        const bool shown = !outcome.list.empty();
        out("{\"file\":" + jsonQuoted(name) + ",\"x\":" + jsonQuoted(*request.x) +
            ",\"text\":" + (shown ? jsonQuoted(outcome.list[0]) : "null") +
            ",\"value\":" + (shown ? jsonNumber(readNumber(outcome.list[0])) : "null") + ",\"messages\":" +
            jsonArray(messages, true) + ",\"completed\":" + (outcome.completed ? "true" : "false") + "}\n");
    } else {
        std::vector<std::string> roots;
        for (const std::string& entry : outcome.list) roots.push_back(jsonNumber(readNumber(entry)));
        out("{\"file\":" + jsonQuoted(name) + ",\"list\":" + jsonArray(outcome.list, true) +
            ",\"roots\":" + jsonArray(roots, false) + ",\"messages\":" + jsonArray(messages, true) +
            ",\"completed\":" + (outcome.completed ? "true" : "false") + "}\n");
    }
    return outcome.completed ? ranToEnd : stopped;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("kalvex-solve");
    QCoreApplication::setApplicationVersion(KALVEX_VERSION);
    // Numbers are written and read with "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    // The user's language, the parser's own texts included.
    installSystemLanguage(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(KalvexSolve::tr(
        "方程式のファイル (.kalvex) の解を、解析画面の自動解析と同じ手順で求めて"
        "一行にひとつずつ表示します。\n"
        "メッセージは標準エラーに出ます。\n"
        "終了状態: 0 すべて最後まで解析した、1 メッセージで止まった、2 使い方かファイルの誤り。"));
    // Our own help and version options: Qt's come with --help-all for the
    // GUI options, which this program has none of.
    const QCommandLineOption help({"h", "help"}, KalvexSolve::tr("この説明を表示します。"));
    const QCommandLineOption version({"v", "version"}, KalvexSolve::tr("バージョンを表示します。"));
    const QCommandLineOption range(
        "range", KalvexSolve::tr("変域をファイルの設定に代えて START から END までにします。"), "START END");
    const QCommandLineOption precision("precision",
                                       KalvexSolve::tr("精度をファイルの設定に代えて P にします。"), "P");
    const QCommandLineOption x("evaluate", KalvexSolve::tr("解析の代わりに X での F の値を表示します。"),
                               "X");
    const QCommandLineOption formula(
        {"e", "formula"}, KalvexSolve::tr("ファイルの代わりに、x^3 - 2x + 1 のように書いた式 F を解きます。"), "F");
    const QCommandLineOption json("json", KalvexSolve::tr("ファイルごとに結果を JSON で一行に表示します。"));
    parser.addOptions({help, version, range, precision, x, formula, json});
    parser.addPositionalArgument("FILE", KalvexSolve::tr("方程式のファイル"), "FILE...");

    Request request;
    QStringList arguments = QCoreApplication::arguments();
    if (!takeRanges(arguments, request)) return usageError(fm::rangeNeedsTwo);
    if (!parser.parse(arguments)) return usageError(utf8(parser.errorText()));
    if (parser.isSet(help)) parser.showHelp(0);
    if (parser.isSet(version)) parser.showVersion();
    // A --range=VALUE form gets here: it has one value, not two.
    if (parser.isSet(range)) return usageError(fm::rangeNeedsTwo);
    if (parser.isSet(precision)) request.precision = utf8(parser.value(precision));
    if (parser.isSet(x)) request.x = utf8(parser.value(x));
    request.json = parser.isSet(json);
    request.files = parser.positionalArguments();
    if (parser.isSet(formula)) {
        if (!request.files.isEmpty()) return usageError(fm::formulaWithFiles);
        request.formula = utf8(parser.value(formula));
        request.files = QStringList{"-e"};
    }
    if (request.files.isEmpty()) return usageError(fm::noFiles);
    if (request.x && (request.start || request.precision)) return usageError(fm::evaluateAlone);

    int status = ranToEnd;
    for (const QString& path : request.files) {
        if (request.files.size() > 1 && !request.json) out(utf8(path) + ":\n");
        status = std::max<int>(status, solveFile(path, request));
    }
    return status;
}
