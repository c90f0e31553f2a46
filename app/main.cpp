#include <QApplication>
#include <clocale>

#include "kalvex.h"
#include "platform/look.h"
#include "platform/qtcanvas.h"
#include "platform/qtmessagesink.h"
#include "platform/screenregistry.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Numbers are written and read with "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    installApplicationLook(app);

    Kalvex kalvex;
    ScreenRegistry registry(kalvex);
    QtMessageSink messages;
    QtCanvas canvas(registry);
    kalvex.attach(&messages, &registry, &canvas);
    kalvex.startUp();
    return app.exec();
}
