#include "ticksscreen.h"

#include "kalvex.h"
#include "platform/screenregistry.h"

TicksScreen::TicksScreen(Kalvex& kalvex, ScreenRegistry& registry) : QWidget(nullptr), kalvex(kalvex), registry(registry) {
    setObjectName("目盛設定画面");
    setWindowTitle("目盛設定画面");
    setAttribute(Qt::WA_DeleteOnClose);
}
