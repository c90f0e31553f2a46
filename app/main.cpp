#include <QApplication>
#include <clocale>

#include "exportgraph.h"
#include "kalvex.h"
#include "language.h"
#include "platform/look.h"
#include "platform/qtmessagesink.h"
#include "registry/document.h"
#include "registry/qtcanvas.h"
#include "registry/screenregistry.h"

int main(int argc, char* argv[]) {
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
    // Kalvex FILE: the equation opens with the program.
    const QStringList arguments = app.arguments().mid(1);
    if (!arguments.isEmpty()) registry.document().open(arguments.first());
    return app.exec();
}
