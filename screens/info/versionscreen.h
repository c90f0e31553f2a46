// SPDX-License-Identifier: GPL-3.0-or-later
// The version screen バージョン表示画面: the program's name, version, dates
// and the maker's lines, with the program icon. Modeless; its button and its
// close box close it.
#pragma once

#include <QWidget>

class Kalvex;
class QGroupBox;
class QLabel;
class QPushButton;

class VersionScreen : public QWidget {
    Q_OBJECT

public:
    // The screen reads and writes no shared state.
    VersionScreen();

private:
    QGroupBox* Frame1 = nullptr;
    QLabel* Picture1 = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;

    void createControls();
};
