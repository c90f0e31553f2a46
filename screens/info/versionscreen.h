#pragma once

#include <QWidget>

class Kalvex;
class ScreenRegistry;

class VersionScreen : public QWidget {
    Q_OBJECT

public:
    VersionScreen(Kalvex& kalvex, ScreenRegistry& registry);

private:
    Kalvex& kalvex;
    ScreenRegistry& registry;
};
