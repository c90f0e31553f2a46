// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportgraph.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <optional>

#include "analysisrules.h"
#include "commandline.h"
#include "core.h"
#include "equationfile.h"
#include "language.h"
#include "look.h"
#include "messages.h"
#include "numbertext.h"
#include "picturebox.h"
#include "picturefile.h"
#include "safefile.h"
#include "texts.h"

namespace {

namespace fm = messages::files;

// As kalvex-solve: a graph that could not be made is 1, bad usage 2.
enum Status { written = 0, failed = 1, badUse = 2 };

void err(const std::string& text) {
    const std::string line = text + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

std::string utf8(const QString& text) { return text.toStdString(); }

// A message in the installed language; a message already put together
// (a file's refusal, the parser's error) comes through as it is.
std::string said(const std::string& message) { return translatedMessageUtf8(message); }

// The context of the export's own texts.
class GraphExport {
    Q_DECLARE_TR_FUNCTIONS(GraphExport)
};

int usageError(const std::string& message) {
    err(said(message));
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    err(fillIn(said(fm::exportUsage), {utf8(program)}));
    return badUse;
}

// Larger pictures cost memory for nothing a screen or a page can show.
constexpr int largestPictureSide = 10000;

struct PictureSize {
    int width = core::designedPictureWidth, height = core::designedPictureHeight;
};

// "WxH" in whole pixels, each side 1 to largestPictureSide; none otherwise.
std::optional<PictureSize> pictureSizeOf(const QString& text) {
    // Five digits at most: anything longer is too large anyway, and toInt
    // could not tell it from a failure.
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,5})[xX]([0-9]{1,5})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const PictureSize size{match.captured(1).toInt(), match.captured(2).toInt()};
    auto usable = [](int side) { return side >= 1 && side <= largestPictureSide; };
    if (!usable(size.width) || !usable(size.height)) return std::nullopt;
    return size;
}

// Without a session (a script, a cron job) Qt warns that XDG_RUNTIME_DIR is
// not set and picks a folder of its own; the export needs none, so that one
// warning would only be noise. Every other goes on as Qt writes it.
QtMessageHandler qtHandler = nullptr;
void quietAboutRuntimeDir(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith("QStandardPaths: XDG_RUNTIME_DIR not set")) return;
    if (qtHandler) qtHandler(type, context, text);
}

void collect(const core::Messages& texts, GraphDrawing& drawing) {
    for (const char* text : texts) drawing.messages.push_back(text);
}

// Before the application starts: standard streams open, no warning noise,
// and a platform that needs no display.
void prepareHeadlessRun() {
    reopenClosedStandardStreams();
    qtHandler = qInstallMessageHandler(quietAboutRuntimeDir);
    // No window opens: a machine without a display can export all the same.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

void setUpApplication(QApplication& app) {
    // Numbers are written and read with "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    // The window's palette gives the picture its colours; the user's
    // language gives the messages, the parser's own included.
    installApplicationLook(app);
    installSystemLanguage(app);
}

// What the command line asks for.
struct ExportRequest {
    QString path, target;
    PictureSize pixels;
    // Names that could not be decoded as given, with how a message shows them.
    QHash<QString, std::string> undecodable;
    int status = written;  // anything else: bad usage, already reported
};

ExportRequest readRequest(int argc, char* argv[]) {
    ExportRequest request;
    auto refuse = [&request](const std::string& message) {
        request.status = usageError(message);
        return request;
    };
    QCommandLineParser parser;
    const QCommandLineOption exportTo("export", GraphExport::tr("グラフを保存する画像のファイル"), "OUT");
    const QCommandLineOption size("size", GraphExport::tr("画像の幅と高さ（ピクセル）"), "WxH");
    parser.addOptions({exportTo, size});
    parser.addPositionalArgument("FILE", GraphExport::tr("方程式のファイル"));
    const QStringList arguments = argumentNames(argc, argv, request.undecodable);
    if (!parser.parse(arguments))
        return refuse(parserRefusal(parser, arguments, {exportTo, size}).text(translatedMessageUtf8));
    if (const auto repeated = repeatedOption(parser, arguments, {exportTo, size}))
        return refuse(repeated->text(translatedMessageUtf8));

    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) return refuse(fm::noFiles);
    if (files.size() > 1) return refuse(fm::oneFileOnly);
    request.target = parser.value(exportTo);
    if (request.target.isEmpty()) return refuse(fm::noPictureFile);
    if (parser.isSet(size)) {
        const std::optional<PictureSize> asked = pictureSizeOf(parser.value(size));
        if (!asked) return refuse(fillIn(said(fm::badPictureSize), {std::to_string(largestPictureSide)}));
        request.pixels = *asked;
    }
    request.path = files.front();
    return request;
}

// A name that is not UTF-8 can be neither read nor written; false after
// saying so.
bool namesUsable(const ExportRequest& request) {
    auto refused = [&request](const QString& name, const char* cannot) {
        const auto shown = request.undecodable.constFind(name);
        if (shown == request.undecodable.cend()) return false;
        err(fillIn(said(fm::aboutFile), {*shown, fillIn(said(cannot), {said(fm::nameNotUtf8)})}));
        return true;
    };
    return !refused(request.path, fm::cannotOpen) && !refused(request.target, fm::cannotSavePicture);
}

// The drawing's messages, and the status it ends the export with unless
// it is the whole graph.
std::optional<int> reportDrawing(const GraphDrawing& drawing, const std::string& shownName) {
    // As kalvex-solve: a file without a range is not a graph that failed,
    // it is a file that cannot be used as asked.
    if (drawing.end == GraphDrawing::noRange) {
        err(fillIn(said(fm::aboutFile), {shownName, said(fm::noGraphRange)}));
        return badUse;
    }
    for (const std::string& message : drawing.messages) {
        // The one message that is about the file rather than its graph.
        if (message == messages::enterFormula)
            err(fillIn(said(fm::aboutFile), {shownName, said(message)}));
        else
            err(said(message));
    }
    // A graph cut short has no curve: only the whole one is worth a file.
    if (drawing.end != GraphDrawing::drawn) {
        if (drawing.messages.empty()) err(said(fm::noGraph));
        return failed;
    }
    return std::nullopt;
}

int savedPicture(const GraphDrawing& drawing, const ExportRequest& request) {
    PictureBox box;
    box.resize(request.pixels.width, request.pixels.height);
    box.paint(drawing.ops);
    // The equation is never written over by its own picture.
    if (const std::optional<QString> failure =
            savePicture(box, request.target, formatOf(request.target, false), {request.path})) {
        err(utf8(*failure));
        return failed;
    }
    return written;
}

}  // namespace

GraphDrawing graphOf(const Equation& equation, int pixelWidth, int pixelHeight) {
    GraphDrawing drawing;
    const std::string start = equation.start.value_or(""), end = equation.end.value_or("");
    if (start.empty() && end.empty()) {
        drawing.end = GraphDrawing::noRange;
        return drawing;
    }
    const core::AnalysedFormula made = core::analysedFormula(equation.terms);
    if (!made) {
        drawing.messages.push_back(made.refusal);
        return drawing;
    }
    const core::Formula& f = *made.formula;

    // グラフ: the scan of the range as typed, then the plot of what it found,
    // grids off as on a fresh program.
    const core::Range range{readNumber(start), readNumber(end)};
    core::TermValues values{};
    const core::Scan scan = core::scan(f, range, values, false);
    collect(scan.messages, drawing);
    if (scan.end != core::ScanEnd::scanned) return drawing;

    core::PlotView pixels;
    pixels.pixelWidth = pixelWidth;
    pixels.pixelHeight = pixelHeight;
    const core::PlotView view = core::viewOf(scan, range, pixels);
    // The window draws nothing and says nothing for a view it cannot plot.
    if (!core::plottable(view)) return drawing;
    core::Plot plot = core::plot(f, view, values, scan.trace.failed);
    collect(plot.messages, drawing);
    drawing.ops = std::move(plot.ops);
    switch (plot.end) {
        case core::PlotEnd::refused: drawing.end = GraphDrawing::refused; break;
        case core::PlotEnd::stopped: drawing.end = GraphDrawing::stopped; break;
        case core::PlotEnd::completed: drawing.end = GraphDrawing::drawn; break;
    }
    return drawing;
}

bool asksForExport(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        // After "--" everything is a file name, "--export" included.
        if (std::strcmp(argv[i], "--") == 0) return false;
        if (std::strcmp(argv[i], "--export") == 0 || std::strncmp(argv[i], "--export=", 9) == 0) return true;
    }
    return false;
}

int exportGraph(int argc, char* argv[]) {
    prepareHeadlessRun();
    QApplication app(argc, argv);
    setUpApplication(app);
    const ExportRequest request = readRequest(argc, argv);
    if (request.status != written) return request.status;
    if (!namesUsable(request)) return failed;

    const std::string shownName = shownText(utf8(request.path), std::string::npos);
    const EquationRead read = readEquation(request.path);
    if (!read) {
        err(read.error.text(translatedMessageUtf8));
        return failed;
    }
    const GraphDrawing drawing = graphOf(*read.equation, request.pixels.width, request.pixels.height);
    if (const std::optional<int> status = reportDrawing(drawing, shownName)) return *status;
    return savedPicture(drawing, request);
}
