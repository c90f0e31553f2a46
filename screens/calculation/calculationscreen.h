#pragma once

#include <QWidget>

class Kalvex;
class ScreenRegistry;

class CalculationScreen : public QWidget {
    Q_OBJECT

public:
    CalculationScreen(Kalvex& kalvex, ScreenRegistry& registry);

private:
    Kalvex& kalvex;
    ScreenRegistry& registry;
};
