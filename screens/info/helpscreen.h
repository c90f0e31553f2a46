#pragma once

#include <QWidget>

class Kalvex;
class ScreenRegistry;

class HelpScreen : public QWidget {
    Q_OBJECT

public:
    HelpScreen(Kalvex& kalvex, ScreenRegistry& registry);

private:
    Kalvex& kalvex;
    ScreenRegistry& registry;
};
