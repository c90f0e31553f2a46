#include "calculationscreen.h"

#include "kalvex.h"
#include "platform/screenregistry.h"

CalculationScreen::CalculationScreen(Kalvex& kalvex, ScreenRegistry& registry) : QWidget(nullptr), kalvex(kalvex), registry(registry) {
    setObjectName("計算画面");
    setWindowTitle("計算画面");
    setAttribute(Qt::WA_DeleteOnClose);
}
