// SPDX-License-Identifier: GPL-3.0-or-later
// The tick settings screen 目盛設定画面: the user's own tick steps and grid
// switches, applied to the graph of the analysis screen without a new scan.
#pragma once

#include <QWidget>

#include "tickshost.h"

class Kalvex;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TicksScreen : public QWidget {
    Q_OBJECT

public:
    TicksScreen(Kalvex& kalvex, TicksHost& host);

private:
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QGroupBox* Frame7 = nullptr;
    QLineEdit* Y間隔 = nullptr;
    QLabel* Label2 = nullptr;
    QGroupBox* Frame6 = nullptr;
    QLineEdit* x間隔 = nullptr;
    QLabel* Label1 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QRadioButton* Y表示[2] = {};
    QLabel* Label5 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QRadioButton* x表示[2] = {};
    QLabel* Label4 = nullptr;
    QPushButton* 設定ボタン = nullptr;

    void createControls();
    void load();

    void x表示Click(int index);
    void Y表示Click(int index);
    void 設定ボタンClick();

    Kalvex& kalvex;
    TicksHost& host;
};
