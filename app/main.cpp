// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "exportgraph.h"
#include "kalvex.h"
#include "kalvexversion.h"
#include "language.h"
#include "messages.h"
#include "look.h"
#include "qtmessagesink.h"
#include "qtcanvas.h"
#include "screenregistry.h"
#include "safefile.h"
#include "texts.h"

namespace {

// The context of the program's own texts on the terminal.
class Program {
    Q_DECLARE_TR_FUNCTIONS(Program)
};

bool isOption(const char* argument, const char* shortName, const char* longName) {
    return std::strcmp(argument, shortName) == 0 || std::strcmp(argument, longName) == 0;
}

// Kalvex --version and Kalvex --help answer on standard output and open no
// window, so they work without a display. Anything else is a file to open.
// An answer that cannot be written is said on standard error, as a usage
// error is.
bool answersOnTerminal(int argc, char* argv[], bool outputClosed, int& status) {
    if (argc != 2) return false;
    const bool version = isOption(argv[1], "-v", "--version");
    if (!version && !isOption(argv[1], "-h", "--help")) return false;
    QCoreApplication app(argc, argv);
    installSystemLanguage(app);
    // Kalvex or zemo: the name the program was started under.
    const QString name = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName();
    QString text = name + " " KALVEX_VERSION "\n";
    if (!version) {
        text = Program::tr("使い方: %1 [FILE]\n"
                           "       %1 [--] FILE\n"
                           "       %1 -e F\n"
                           "       %1 FILE --export OUT.png|OUT.svg [--size WxH]\n"
                           "一変数の方程式を解くウィンドウを開きます。FILE (.kalvex) はその方程式を開きます。\n"
                           "-e は x^3 - 2x + 1 のように書いた式 F の項で始めます。\n"
                           "-- の後は、- で始まるものもファイルの名前です。\n"
                           "--export はウィンドウを開かずに FILE のグラフを画像に保存します。\n"
                           "終了状態: 0 正常、1 --export で画像を保存できなかった、2 使い方の誤り。\n")
                   .arg(name);
    }
    errno = 0;
    if (!outputClosed && std::fputs(text.toUtf8().constData(), stdout) >= 0 && std::fflush(stdout) == 0) {
        status = 0;
        return true;
    }
    const int error = outputClosed ? EBADF : (errno != 0 ? errno : EIO);
    const std::string said = fillIn(translatedMessageUtf8(messages::files::cannotWriteOutput), {std::strerror(error)});
    std::fputs((said + "\n").c_str(), stderr);
    status = 2;
    return true;
}

// Qt's own options for every window program, with one dash or two; the
// first group takes a value. They are left to QApplication.
bool isQtOption(std::string name, bool& takesValue) {
    static const char* const withValue[] = {
        "platform",     "platformpluginpath", "platformtheme", "plugin",      "qwindowgeometry",
        "geometry",     "qwindowtitle",       "title",         "qwindowicon", "icon",
        "style",        "stylesheet",         "session",       "display",     "name",
        "qmljsdebugger"};
    static const char* const alone[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    name.erase(0, name.rfind("--", 0) == 0 ? 2 : 1);
    const std::size_t equals = name.find('=');
    const bool valueAttached = equals != std::string::npos;
    name = name.substr(0, equals);
    for (const char* option : withValue) {
        if (name == option) {
            takesValue = !valueAttached;
            return true;
        }
    }
    takesValue = false;
    for (const char* option : alone)
        if (name == option) return true;
    return false;
}

// Kalvex [--] [FILE] or Kalvex -e F: at most one file, or the typed F; anything else that looks like an
// option, and is not Qt's, is a mistake rather than a file to open. Checked
// before any window, so that a usage error needs no display.
struct WindowArguments {
    std::optional<ArgumentName> file;
    std::optional<std::string> formula;  // -e F
    std::string refusal;  // a usage error, when not empty
};

// -e F at argv[i]: F taken, i past it; or why not (each message names -e).
const char* formulaRefusal(int argc, char* argv[], int& i, WindowArguments& taken) {
    namespace fm = messages::files;
    if (i + 1 >= argc) return fm::optionNeedsValue;
    if (taken.formula) return fm::optionTwice;
    taken.formula = argv[++i];
    if (taken.formula->find_first_not_of(" \t\r\n") == std::string::npos) return fm::emptyFormula;
    return nullptr;
}

WindowArguments windowArguments(int argc, char* argv[]) {
    namespace fm = messages::files;
    WindowArguments taken;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (options && argument == "--") {
            options = false;
            continue;
        }
        if (options && argument == "-e") {
            if (const char* refusal = formulaRefusal(argc, argv, i, taken)) {
                taken.refusal = fillIn(translatedMessageUtf8(refusal), {argument});
                return taken;
            }
            continue;
        }
        if (options && argument.size() > 1 && argument[0] == '-') {
            bool takesValue = false;
            if (isQtOption(argument, takesValue)) {
                i += takesValue ? 1 : 0;
                continue;
            }
            const bool size = argument == "--size" || argument.rfind("--size=", 0) == 0;
            taken.refusal = size ? translatedMessageUtf8(fm::sizeWithoutExport)
                                 : fillIn(translatedMessageUtf8(fm::unknownOption),
                                          {shownText(argument.substr(0, argument.find('=')))});
            return taken;
        }
        if (taken.file) {
            taken.refusal = translatedMessageUtf8(fm::oneFileOnly);
            return taken;
        }
        taken.file = argumentName(argv[i]);
    }
    if (taken.formula && taken.file) taken.refusal = translatedMessageUtf8(fm::formulaWithFiles);
    return taken;
}

}  // namespace

int main(int argc, char* argv[]) {
    // A closed stream would be taken by the next file opened.
    const bool outputClosed = reopenClosedStandardStreams();
    int status = 0;
    if (answersOnTerminal(argc, argv, outputClosed, status)) return status;
    if (asksForExport(argc, argv)) return exportGraph(argc, argv);
    const WindowArguments arguments = windowArguments(argc, argv);
    if (!arguments.refusal.empty()) {
        QCoreApplication terminal(argc, argv);
        installSystemLanguage(terminal);
        const std::string name = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName().toStdString();
        // Once more, now in the user's language.
        const std::string text =
            windowArguments(argc, argv).refusal + "\n" +
            fillIn(translatedMessageUtf8(messages::files::windowSeeHelp), {shownText(name)}) + "\n";
        std::fputs(text.c_str(), stderr);
        return 2;
    }
    QApplication app(argc, argv);
    // Numbers are written and read with "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    installApplicationLook(app);
    installSystemLanguage(app);

    Kalvex kalvex;
    ScreenRegistry registry(kalvex);
    QtMessageSink messages;
    QtCanvas canvas(registry);
    kalvex.attach(&messages, &registry, &canvas);
    kalvex.startUp();
    // Kalvex FILE: the equation opens with the program; Kalvex -e F: the
    // terms of F typed as one line. A name Qt cannot decode would open
    // another file, or say a wrong "not found".
    if (arguments.formula) {
        registry.startWithFormula(QString::fromUtf8(arguments.formula->c_str()));
    } else if (const std::optional<ArgumentName>& file = arguments.file) {
        if (file->usable) {
            registry.startWithFile(file->path);
        } else {
            namespace fm = messages::files;
            messages.showMessage(fillIn(translatedMessageUtf8(fm::aboutFile),
                                        {file->shown, fillIn(translatedMessageUtf8(fm::cannotOpen),
                                                             {translatedMessageUtf8(fm::nameNotUtf8)})}));
        }
    }
    return app.exec();
}
