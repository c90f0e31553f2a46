#include "versionscreen.h"

#include "kalvex.h"
#include "platform/screenregistry.h"

VersionScreen::VersionScreen(Kalvex& kalvex, ScreenRegistry& registry) : QWidget(nullptr), kalvex(kalvex), registry(registry) {
    setObjectName("バージョン表示画面");
    setWindowTitle("バージョン情報");
    setAttribute(Qt::WA_DeleteOnClose);
}
