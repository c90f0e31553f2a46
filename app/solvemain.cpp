// SPDX-License-Identifier: GPL-3.0-or-later
// kalvex-solve: the automatic analysis (or the estimate panel's value) of
// equation files, from the command line. Qt Core only.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "commandline.h"
#include "equationfile.h"
#include "formula.h"
#include "kalvexversion.h"
#include "language.h"
#include "messages.h"
#include "numbertext.h"
#include "safefile.h"
#include "solver.h"
#include "texts.h"

namespace {

namespace fm = messages::files;

// Exit statuses, the worst of all files wins.
enum Status { ranToEnd = 0, stopped = 1, badUse = 2 };

// The precision box's text on a freshly opened analysis screen.
constexpr const char* initialPrecision = "1E-07";

// What was solved goes out file by file, before any later message, so that
// neither is lost nor out of order; the first failed write is remembered
// (standard output full, or closed) and ends the run.
int outputError = 0;

void out(const std::string& text) {
    if (outputError == 0 && std::fwrite(text.data(), 1, text.size(), stdout) != text.size())
        outputError = errno != 0 ? errno : EIO;
}
bool outputWritten() {
    if (outputError == 0 && std::fflush(stdout) != 0) outputError = errno != 0 ? errno : EIO;
    return outputError == 0;
}
void err(const std::string& text) {
    outputWritten();
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
    // Names that Qt could not decode as given, with how a message shows them.
    QHash<QString, std::string> undecodable;
    bool certified = false;
    int digits = 0;  // --digits: each root to this many correct digits
};

// --range takes two values, which QCommandLineParser cannot express: the
// pair is taken out before the rest is parsed. Values are taken as they
// are, "-3" included, but not another option or a file's name: a --range
// short of one value would otherwise swallow the file. The refusal, if any.
std::optional<std::string> takeRanges(QStringList& arguments, Request& request) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--") break;
        if (arguments[i] != "--range") continue;
        if (request.start) return fillIn(said(fm::optionTwice), {"--range"});
        if (i + 2 >= arguments.size()) return said(fm::rangeNeedsTwo);
        for (const QString& value : {arguments[i + 1], arguments[i + 2]}) {
            if (value.startsWith("--")) return said(fm::rangeNeedsTwo);
            if (QFileInfo(value).isFile())
                return fillIn(said(fm::rangeValueIsFile), {shownText(utf8(value), std::string::npos)});
        }
        request.start = utf8(arguments[i + 1]);
        request.end = utf8(arguments[i + 2]);
        arguments.remove(i, 3);
        --i;
    }
    return std::nullopt;
}

// Help and version on standard output, which may fail like any result.
int answer(const QString& text) {
    out(utf8(text));
    if (outputWritten()) return ranToEnd;
    err(fillIn(said(fm::cannotWriteOutput), {std::strerror(outputError)}));
    return badUse;
}

int usageError(const std::string& message) {
    err(said(message));
    err(said(fm::seeHelp));
    return badUse;
}

std::string number(double v) { return generalNumberText(v); }

// One finding of the certified analysis as a line: a root rounded to the
// precision, or its digits when asked for; the others named, with their ends.
std::string findingLine(const core::Finding& g, double precision, const std::string& digits) {
    const std::string lo = number(g.lo), hi = number(g.hi);
    switch (g.kind) {
        case core::Finding::root: {
            const std::string text = digits.empty() ? core::rootText(g, precision) : digits;
            if (g.multiplicity <= 1) return text;
            return fillIn(utf8(KalvexSolve::tr("%1（重複度 %2）")), {text, std::to_string(g.multiplicity)});
        }
        case core::Finding::pole: return fillIn(utf8(KalvexSolve::tr("極: %1")), {lo});
        case core::Finding::undefined:
            return fillIn(utf8(KalvexSolve::tr("値のない区間: %1 〜 %2")), {lo, hi});
        case core::Finding::multiple:
            return fillIn(utf8(KalvexSolve::tr("重解の可能性: %1 〜 %2 (幅 %3)")),
                          {lo, hi, number(g.hi - g.lo)});
        case core::Finding::unresolved:
            return fillIn(utf8(KalvexSolve::tr("未解決の区間: %1 〜 %2")), {lo, hi});
    }
    return {};
}

// The last line of the certified findings: whether they hold every root.
std::string certifiedSummary(const core::Certified& c) {
    if (c.zeroEverywhere) return utf8(KalvexSolve::tr("F は変域のすべての点で 0 です。"));
    int count[5] = {};
    for (const core::Finding& g : c.findings) ++count[g.kind];
    const std::string roots = std::to_string(count[core::Finding::root]);
    if (c.complete) return fillIn(utf8(KalvexSolve::tr("解はこれですべてです（解 %1 個）。")), {roots});
    return fillIn(utf8(KalvexSolve::tr(
                      "解がすべてとは言えません（解 %1 個、重解の可能性 %2 個、未解決の区間 %3 個）。")),
                  {roots, std::to_string(count[core::Finding::multiple]),
                   std::to_string(count[core::Finding::unresolved])});
}

// The certified findings as one JSON object: every kind's list, always present.
std::string certifiedJson(const CertifiedOutcome& c) {
    std::vector<std::string> lists[5];
    for (const core::Finding& g : c.result.findings) {
        std::string item = "{\"lo\":" + jsonNumber(g.lo) + ",\"hi\":" + jsonNumber(g.hi);
        if (g.kind == core::Finding::root) {
            item += ",\"text\":" + jsonQuoted(core::rootText(g, c.precision)) +
                    ",\"multiplicity\":" + (g.multiplicity > 0 ? std::to_string(g.multiplicity) : "null");
            if (!c.digits.empty()) {
                const std::string& d = c.digits[lists[0].size()];
                item += ",\"digits\":" + (d.empty() ? std::string("null") : jsonQuoted(d));
            }
        }
        if (g.kind == core::Finding::multiple) item += ",\"width\":" + jsonNumber(g.hi - g.lo);
        lists[g.kind].push_back(item + "}");
    }
    const char* names[5] = {"roots", "poles", "undefined", "multiple", "unresolved"};
    std::string json = std::string("{\"complete\":") + (c.analysed && c.result.complete ? "true" : "false");
    json += std::string(",\"zero_everywhere\":") + (c.result.zeroEverywhere ? "true" : "false");
    for (int k = 0; k < 5; ++k) json += ",\"" + std::string(names[k]) + "\":" + jsonArray(lists[k], false);
    return json + ",\"evaluations\":" + std::to_string(c.result.evaluations) + "}";
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
    const std::string what = fillIn(said(formulaMessage(read.error.fault)), {shownText(read.error.piece)});
    std::string message =
        fillIn(said(fm::aboutFile),
               {"-e", fillIn(said(messages::formula::atCharacter), {std::to_string(column), what})});
    if (marked) {
        const MarkedLine line = markedLine(text, read.error.position);
        message += "\n  " + line.line + "\n  " + std::string(line.mark, ' ') + "^";
    }
    result.error = FileError(message);
    return result;
}

// A file that cannot be solved: the message on standard error, and in
// JSON a line that says so.
Status refuse(const Request& request, const std::string& name, const std::string& message) {
    err(message);
    if (request.json) out("{\"file\":" + jsonQuoted(name) + ",\"error\":" + jsonQuoted(message) + "}\n");
    return badUse;
}

// The analysis screen's boxes as the run fills them.
struct Boxes {
    std::string start, end, precision;
};

// The command line's values, else the file's, else the box's initial precision.
Boxes boxesFor(const Equation& equation, const Request& request) {
    const bool ranged = request.start.has_value();
    return {ranged ? *request.start : equation.start.value_or(""),
            ranged ? *request.end : equation.end.value_or(""),
            request.precision.value_or(equation.precision.value_or(initialPrecision))};
}

// The messages as shown, in their order.
std::vector<std::string> shownMessages(const std::vector<std::string>& raw, const std::string& shownName) {
    std::vector<std::string> messages;
    for (const std::string& message : raw) {
        // The one message that is about the file rather than its analysis.
        if (message == messages::enterFormula)
            messages.push_back(fillIn(said(fm::aboutFile), {shownName, said(message)}));
        else
            messages.push_back(said(message));
    }
    return messages;
}

Status solveCertified(const Equation& equation, const Boxes& boxes, const std::string& name,
                      const Request& request) {
    const CertifiedOutcome c =
        certifiedAnalyse(equation, boxes.start, boxes.end, boxes.precision, request.digits);
    const std::vector<std::string> messages = shownMessages(c.messages, shownText(name, std::string::npos));
    for (const std::string& message : messages) err(message);
    if (request.json) {
        out("{\"file\":" + jsonQuoted(name) + ",\"certified\":" + certifiedJson(c) +
            ",\"messages\":" + jsonArray(messages, true) + "}\n");
    } else {
        std::size_t root = 0;
        for (const core::Finding& g : c.result.findings) {
            const bool digits = g.kind == core::Finding::root && root < c.digits.size();
            out(findingLine(g, c.precision, digits ? c.digits[root++] : std::string()) + "\n");
        }
        if (c.analysed) out(certifiedSummary(c.result) + "\n");
    }
    return c.analysed && c.result.complete ? ranToEnd : stopped;
}

// The list of the analysis or the value at x: a line each, or one JSON line.
void writeOutcome(const Outcome& outcome, const std::vector<std::string>& messages, const std::string& name,
                  const Request& request) {
    if (!request.json) {
        for (const std::string& entry : outcome.list) out(entry + "\n");
    } else if (request.x) {
        const bool shown = !outcome.list.empty();
        out("{\"file\":" + jsonQuoted(name) + ",\"x\":" + jsonQuoted(shownText(*request.x)) +
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
}

// One file (or the typed F, named -e): its results on standard output, its
// messages on standard error.
Status solveFile(const QString& path, const Request& request) {
    // A name that is not UTF-8 goes out, in JSON too, as the message shows it.
    const auto undecodable = request.undecodable.constFind(path);
    if (!request.formula && undecodable != request.undecodable.cend())
        return refuse(request, *undecodable,
                      fillIn(said(fm::aboutFile),
                             {*undecodable, fillIn(said(fm::cannotOpen), {said(fm::nameNotUtf8)})}));
    const std::string name = utf8(path), shownName = shownText(name, std::string::npos);
    const EquationRead read =
        request.formula ? formulaEquation(*request.formula, !request.json) : readEquation(path);
    if (!read) return refuse(request, name, read.error.text(translatedMessageUtf8));
    const Equation& equation = *read.equation;

    const Boxes boxes = boxesFor(equation, request);
    // Both boxes empty: the window's button does nothing at all.
    if (!request.x && boxes.start.empty() && boxes.end.empty())
        return refuse(request, name, fillIn(said(fm::aboutFile), {shownName, said(fm::noRange)}));
    if (request.certified) return solveCertified(equation, boxes, name, request);

    Outcome outcome;
    if (request.x) {
        outcome = evaluate(equation, *request.x);
    } else {
        outcome = analyse(equation, boxes.start, boxes.end, boxes.precision);
    }
    const std::vector<std::string> messages = shownMessages(outcome.messages, shownName);
    for (const std::string& message : messages) err(message);
    writeOutcome(outcome, messages, name, request);
    return outcome.completed ? ranToEnd : stopped;
}

// The command's options, and the parser that knows them.
struct CommandLine {
    CommandLine();
    QList<QCommandLineOption> options() const;
    QCommandLineParser parser;
    // Our own help and version options: Qt's come with --help-all for the
    // GUI options, which this program has none of.
    const QCommandLineOption help{QStringList{"h", "help"}, KalvexSolve::tr("この説明を表示します。")};
    const QCommandLineOption version{QStringList{"v", "version"},
                                     KalvexSolve::tr("バージョンを表示します。")};
    const QCommandLineOption range{
        "range", KalvexSolve::tr("変域をファイルの設定に代えて START から END までにします。"), "START END"};
    const QCommandLineOption precision{"precision",
                                       KalvexSolve::tr("精度をファイルの設定に代えて P にします。"), "P"};
    const QCommandLineOption x{"evaluate", KalvexSolve::tr("解析の代わりに X での F の値を表示します。"),
                               "X"};
    const QCommandLineOption formula{
        QStringList{"e", "formula"},
        KalvexSolve::tr("ファイルの代わりに、x^3 - 2x + 1 のように書いた式 F を解きます。"), "F"};
    const QCommandLineOption json{"json", KalvexSolve::tr("ファイルごとに結果を JSON で一行に表示します。")};
    // Lines broken by hand between phrases: the parser breaks only at blanks,
    // which Japanese has few of.
    const QCommandLineOption certified{
        "certified", KalvexSolve::tr("自動解析の代わりに、\n"
                                     "解の場所を区間の計算で確かめる解析をします。\n"
                                     "見つけた解、極、値のない区間、重解の可能性、\n"
                                     "未解決の区間を、x の順に一行にひとつずつ表示し、\n"
                                     "最後にまとめの一行を表示します。\n"
                                     "未解決の区間か重解の可能性が残ると、\n"
                                     "終了状態は 1 です。")};
    const QCommandLineOption digits{
        "digits", KalvexSolve::tr("--certified の解を、\n正しい有効数字 N 桁（1 〜 1000）で表示します。"), "N"};
};

QList<QCommandLineOption> CommandLine::options() const {
    return {help, version, range, precision, x, formula, json, certified, digits};
}

CommandLine::CommandLine() {
    parser.setApplicationDescription(KalvexSolve::tr(
        "方程式のファイル (.kalvex) の解を、\n"
        "解析画面の自動解析と同じ手順で求めて、一行にひとつずつ表示します。\n"
        "-e では、ファイルの代わりに一行に書いた式 F を解きます。\n"
        "メッセージは標準エラーに出ます。\n"
        "終了状態: 0 すべて最後まで解析した、1 メッセージで止まった、\n"
        "2 使い方かファイルの誤り。"));
    parser.addOptions(options());
    parser.addPositionalArgument("FILE", KalvexSolve::tr("方程式のファイル"), "FILE...");
}

// Columns a text takes on a terminal: wide for anything beyond ASCII,
// which here is Japanese.
qsizetype columns(const QString& text) {
    qsizetype width = 0;
    for (const QChar c : text) width += c.unicode() < 0x80 ? 1 : 2;
    return width;
}

// Qt names the program by the path it was started with; the help names
// the command, and gives the -e form under the FILE form.
QString helpText(const QCommandLineParser& parser) {
    QString text = parser.helpText();
    const QString started = QCoreApplication::arguments().constFirst();
    if (const qsizetype at = text.indexOf(started); at >= 0) text.replace(at, started.size(), "kalvex-solve");
    const qsizetype name = text.indexOf("kalvex-solve"), lineEnd = text.indexOf('\n');
    if (name >= 0 && lineEnd > name) {
        QString formLine = text.mid(name, lineEnd - name);
        formLine.replace("FILE...", "-e F");
        text.insert(lineEnd + 1, QString(columns(text.left(name)), ' ') + formLine + "\n");
    }
    return text;
}

// The request the command line makes, or the status the run ends with
// after the help, the version or a usage error.
std::optional<int> readRequest(int argc, char* argv[], CommandLine& line, Request& request) {
    QCommandLineParser& parser = line.parser;
    QStringList arguments = argumentNames(argc, argv, request.undecodable);
    if (const std::optional<std::string> refusal = takeRanges(arguments, request))
        return usageError(*refusal);
    if (!parser.parse(arguments))
        return usageError(parserRefusal(parser, arguments, line.options()).text(translatedMessageUtf8));
    if (parser.isSet(line.help)) return answer(helpText(parser));
    if (parser.isSet(line.version)) return answer("kalvex-solve " KALVEX_VERSION "\n");
    if (const auto repeated = repeatedOption(parser, arguments, line.options()))
        return usageError(repeated->text(translatedMessageUtf8));
    // A --range=VALUE form gets here: it has one value, not two.
    if (parser.isSet(line.range)) return usageError(fm::rangeNeedsTwo);
    if (parser.isSet(line.precision)) request.precision = utf8(parser.value(line.precision));
    if (parser.isSet(line.x)) request.x = utf8(parser.value(line.x));
    request.json = parser.isSet(line.json);
    request.certified = parser.isSet(line.certified);
    request.files = parser.positionalArguments();
    if (parser.isSet(line.formula)) {
        if (!request.files.isEmpty()) return usageError(fm::formulaWithFiles);
        request.formula = utf8(parser.value(line.formula));
        request.files = QStringList{"-e"};
        if (request.formula->find_first_not_of(" \t\r\n") == std::string::npos)
            return usageError(fillIn(said(fm::emptyFormula), {"-e"}));
    }
    if (request.files.isEmpty()) return usageError(fm::noFiles);
    if (request.x && request.certified) return usageError(fm::certifiedAlone);
    if (parser.isSet(line.digits)) {
        bool number = false;
        request.digits = parser.value(line.digits).toInt(&number);
        if (!number || request.digits < 1 || request.digits > 1000 || !request.certified)
            return usageError(fm::digitsNeedCertified);
    }
    if (request.x && (request.start || request.precision)) return usageError(fm::evaluateAlone);
    return std::nullopt;
}

// Every file in turn; the worst status wins, and a failed write ends the run.
int solveAll(const Request& request) {
    int status = ranToEnd;
    for (const QString& path : request.files) {
        if (request.files.size() > 1 && !request.json) out(shownText(utf8(path), std::string::npos) + ":\n");
        status = std::max<int>(status, solveFile(path, request));
        if (!outputWritten()) {
            err(fillIn(said(fm::cannotWriteOutput), {std::strerror(outputError)}));
            return badUse;
        }
    }
    return status;
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool outputClosed = reopenClosedStandardStreams();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("kalvex-solve");
    QCoreApplication::setApplicationVersion(KALVEX_VERSION);
    // Numbers are written and read with "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    // The user's language, the parser's own texts included.
    installSystemLanguage(app);

    CommandLine line;
    if (outputClosed) {
        err(fillIn(said(fm::cannotWriteOutput), {std::strerror(EBADF)}));
        return badUse;
    }
    Request request;
    if (const std::optional<int> status = readRequest(argc, argv, line, request)) return *status;
    return solveAll(request);
}
