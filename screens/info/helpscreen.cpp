#include "helpscreen.h"

#include "kalvex.h"
#include "platform/screenregistry.h"

HelpScreen::HelpScreen(Kalvex& kalvex, ScreenRegistry& registry) : QWidget(nullptr), kalvex(kalvex), registry(registry) {
    setObjectName("ヘルプ画面");
    setWindowTitle("ヘルプ");
    setAttribute(Qt::WA_DeleteOnClose);
}
