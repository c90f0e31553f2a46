// SPDX-License-Identifier: GPL-3.0-or-later
// The help screen ヘルプ: where the operating manual is to be found. Modeless;
// its button and its close box close it.
#pragma once

#include <QWidget>

class Kalvex;
class QLabel;
class QPushButton;

class HelpScreen : public QWidget {
    Q_OBJECT

public:
    // The screen reads and writes no shared state.
    HelpScreen();

private:
    QPushButton* 戻る = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;

    void createControls();
};
