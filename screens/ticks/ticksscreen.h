#pragma once

#include <QWidget>

class Kalvex;
class ScreenRegistry;

class TicksScreen : public QWidget {
    Q_OBJECT

public:
    TicksScreen(Kalvex& kalvex, ScreenRegistry& registry);

private:
    Kalvex& kalvex;
    ScreenRegistry& registry;
};
