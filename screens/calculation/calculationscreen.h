// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation screen 計算画面: F at one typed x, shown here and marked on
// the graph of the analysis screen with guide lines and two labels.
#pragma once

#include <QWidget>

#include "calculationhost.h"

class Kalvex;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class CalculationScreen : public QWidget {
    Q_OBJECT

public:
    CalculationScreen(Kalvex& kalvex, CalculationHost& host);

private:
    QGroupBox* 推定枠 = nullptr;
    QPushButton* 戻る = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLineEdit* x値 = nullptr;
    QPushButton* 計算 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QLabel* 解 = nullptr;

    void createControls();

    void 計算Click();
    void 戻るClick();
    // Steps 8 on of a calculation: the point marked on the graph.
    void markPoint();

    Kalvex& kalvex;
    CalculationHost& host;
};
