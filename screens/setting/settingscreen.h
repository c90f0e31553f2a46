// The equation setting screen 方程式: the main window.
#pragma once

#include <QMainWindow>

class Kalvex;
class ScreenRegistry;
class QLabel;

class SettingScreen : public QMainWindow {
    Q_OBJECT

public:
    SettingScreen(Kalvex& kalvex, ScreenRegistry& registry);

    QLabel* siki = nullptr;

private:
    Kalvex& kalvex;
    ScreenRegistry& registry;
};
