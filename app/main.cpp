#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QUndoStack>
#include <clocale>
#include <cstdio>
#include <cstring>

#include "exportgraph.h"
#include "kalvex.h"
#include "kalvexversion.h"
#include "language.h"
#include "platform/look.h"
#include "platform/qtmessagesink.h"
#include "registry/document.h"
#include "registry/qtcanvas.h"
#include "registry/screenregistry.h"
#include "setting/settingscreen.h"

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
bool answersOnTerminal(int argc, char* argv[], int& status) {
    if (argc != 2) return false;
    const bool version = isOption(argv[1], "-v", "--version");
    if (!version && !isOption(argv[1], "-h", "--help")) return false;
    QCoreApplication app(argc, argv);
    // Kalvex or zemo: the name the program was started under.
    const QString name = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName();
    QString text = name + " " KALVEX_VERSION "\n";
    if (!version) {
        installSystemLanguage(app);
        text = Program::tr("使い方: %1 [FILE]\n"
                           "       %1 -e F\n"
                           "       %1 FILE --export OUT.png|OUT.svg [--size WxH]\n"
                           "一変数の方程式を解くウィンドウを開きます。FILE (.kalvex) はその方程式を開きます。\n"
                           "-e は x^3 - 2x + 1 のように書いた式 F の項で始めます。\n"
                           "--export はウィンドウを開かずに FILE のグラフを画像に保存します。\n")
                   .arg(name);
    }
    std::fputs(text.toUtf8().constData(), stdout);
    status = std::fflush(stdout) == 0 ? 0 : 1;
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    int status = 0;
    if (answersOnTerminal(argc, argv, status)) return status;
    if (asksForExport(argc, argv)) return exportGraph(argc, argv);
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
    // terms of F typed as one line. What it starts with is no step to take back.
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() == 2 && arguments[0] == "-e") {
        registry.setting().startWithFormula(arguments[1]);
    } else if (!arguments.isEmpty()) {
        registry.document().open(arguments.first());
    }
    registry.setting().history->clear();
    return app.exec();
}
