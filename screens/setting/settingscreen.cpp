#include "settingscreen.h"

#include <QLabel>

#include "kalvex.h"
#include "platform/screenregistry.h"
#include "platform/twips.h"

SettingScreen::SettingScreen(Kalvex& kalvex, ScreenRegistry& registry)
    : QMainWindow(nullptr), kalvex(kalvex), registry(registry) {
    setObjectName("方程式");
    setWindowTitle("方程式の解法　　(方程式設定画面）");
    auto* client = new QWidget(this);
    client->setFixedSize(twipsToPixels(11592), twipsToPixels(5988));
    setCentralWidget(client);
    siki = new QLabel("F(x)=", client);
    siki->setObjectName("siki");
    siki->setGeometry(twipsRect(90, 915, 570, 300));
}
